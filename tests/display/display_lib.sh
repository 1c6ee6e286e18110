# display_lib.sh - the X server, the Wine prefix, the gallery's channel,
# screenshots and pixels for display_test.sh (sourced).

SCREEN_W=1280
SCREEN_H=3072
DEADLINE=${DISPLAY_DEADLINE:-600}   # seconds; only a hang should ever reach it, on any machine
WORK="$(mktemp -d /tmp/display_test.XXXXXX)"
LOG="$WORK/gallery.log"
CMDS="$WORK/commands"
XVFB_PID=""
GALLERY_PID=""
SHOT=0
MARK=0

cleanup() {
  [ -n "$GALLERY_PID" ] && kill "$GALLERY_PID" 2>/dev/null || true
  [ -n "${WINESERVER:-}" ] && [ -d "$WINEPREFIX" ] && "$WINESERVER" -k 2>/dev/null || true
  [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
  [ -f "$LOG" ] && cp "$LOG" "$out/gallery.log" 2>/dev/null || true
  rm -rf "$WORK"
}
trap cleanup EXIT

# To standard error: it may run inside $(...), whose exit then ends the test.
fail() {
  {
    echo "display_test: FAILED: $*"
    if [ -f "$LOG" ]; then echo "--- last lines of the gallery's log"; tail -n 15 "$LOG"; fi
    if [ -f "$WORK/gallery.out" ]; then echo "--- the gallery's output"; tail -n 15 "$WORK/gallery.out"; fi
    gallery_threads
  } >&2
  exit 1
}
ok() { echo "display_test: ok: $*"; }

# Where each thread of a gallery that still runs is: what a hang needs.
gallery_threads() {
  [ -n "$GALLERY_PID" ] && kill -0 "$GALLERY_PID" 2>/dev/null || return 0
  echo "--- the gallery's threads"
  timeout 120 "$WINELOADER" winedbg --command "bt all" </dev/null 2>&1 |
    awk '/^Backtracing for thread/ { on = /gallery\.exe/ } on' || true
}

# Polls a shell condition until it holds. The condition is evaluated here:
# it may use the caller's locals, but not its positional parameters.
wait_until() { # <what> <condition>
  local end=$((SECONDS + DEADLINE))
  until eval "$2"; do
    [ "$SECONDS" -lt "$end" ] || fail "no $1 within $DEADLINE s"
    sleep 0.1
  done
}

# Takes screenshots until the condition on the pixels holds.
wait_pixels() { # <what> <condition>
  local pixel_condition="$2"
  wait_until "$1" 'shoot; eval "$pixel_condition"'
}

# An X server on the first free display from :57 on.
start_display() {
  local n
  for n in $(seq 57 99); do
    [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 "${SCREEN_W}x${SCREEN_H}x24" -nolisten tcp >"$WORK/xvfb.out" 2>&1 </dev/null &
    XVFB_PID=$!
    local end=$((SECONDS + DEADLINE))
    while kill -0 "$XVFB_PID" 2>/dev/null && [ "$SECONDS" -lt "$end" ]; do
      if xwd -root -display ":$n" -silent >/dev/null 2>&1; then
        export DISPLAY=":$n"
        echo "display_test: X server on $DISPLAY (${SCREEN_W}x${SCREEN_H})"
        return 0
      fi
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=""
  done
  fail "no free display between :57 and :99"
}

# The prefix of this test: created once, without the null-driver setting,
# so Wine's X11 driver shows the windows on $DISPLAY. Its server and helper
# processes get no file of ctest's, so ctest never waits for them.
boot_prefix() {
  mkdir -p "$WINEPREFIX"
  if [ ! -f "$WINEPREFIX/.prefix-ready" ]; then
    echo "display_test: creating prefix $WINEPREFIX"
    "$WINELOADER" wineboot --init </dev/null >/dev/null 2>&1 || true
    "$WINESERVER" -w || true
    touch "$WINEPREFIX/.prefix-ready"
  fi
  setsid "$WINESERVER" -p </dev/null >/dev/null 2>&1 || true
}

winpath() { local p; p="$(cd "$(dirname "$1")" && pwd)/$(basename "$1")"; echo "Z:${p//\//\\}"; }

start_gallery() { # <gallery.exe>
  mkdir -p "$out"
  rm -f "$out"/*.png "$out/gallery.log"
  : >"$CMDS"
  "$WINELOADER" "$1" --interactive --log "$(winpath "$LOG")" --commands "$(winpath "$CMDS")" \
    >"$WORK/gallery.out" 2>&1 </dev/null &
  GALLERY_PID=$!
  wait_until "ready line from the gallery" 'grep -q "^ready$" "$LOG" 2>/dev/null || ! kill -0 $GALLERY_PID'
  kill -0 "$GALLERY_PID" 2>/dev/null || fail "the gallery ended before it was ready"
  request windows >/dev/null      # where they are once the items are ready
  read -r _ DLG_L DLG_T DLG_R DLG_B < <(grep '^client ' "$LOG" | tail -n 1)
  [ "$DLG_R" -le "$SCREEN_W" ] && [ "$DLG_B" -le "$SCREEN_H" ] ||
    fail "the dialog ($DLG_L $DLG_T $DLG_R $DLG_B) does not fit on the ${SCREEN_W}x${SCREEN_H} screen"
  shoot; save dialog "$DLG_L" "$DLG_T" "$DLG_R" "$DLG_B"
  ok "gallery ready, client area $DLG_L $DLG_T $DLG_R $DLG_B"
}

stop_gallery() {
  request quit >/dev/null
  local rc=0
  wait "$GALLERY_PID" || rc=$?
  GALLERY_PID=""
  grep -q '^closed$' "$LOG" || fail "the gallery did not close its log"
  [ "$rc" -eq 0 ] || fail "the gallery exited with $rc"
  ok "the gallery exited cleanly"
}

xdo() { xdotool "$@"; }

# Sends one request through the command file and prints the answer.
request() { # <name> [<args>...]
  # Often run in a subshell ($(...)): the tag must not come from a counter.
  local tag="r${BASHPID}n$(date +%s%N)" line=""
  printf '%s %s\n' "$tag" "$*" >>"$CMDS"
  wait_until "answer to '$*'" 'line="$(grep -m1 "^answer $tag " "$LOG")"'
  echo "${line#answer $tag }"
}

mark_log() { MARK="$(wc -l <"$LOG")"; }

# Prints the first log line after the mark that matches the pattern.
wait_log() { # <extended regex>
  local line="" pattern="$1"
  # awk reads the file itself: a reader that stops early in a pipe would
  # fail the pipe (pipefail) with SIGPIPE.
  wait_until "log line /$1/" 'line="$(awk -v m="$MARK" -v p="$pattern" '"'"'NR > m && $0 ~ p { print; exit }'"'"' "$LOG")"; [ -n "$line" ]'
  echo "$line"
}

# ITEM_HWND, ITEM_L ITEM_T ITEM_R ITEM_B and ITEM_RECT of a gallery item.
read_item() { # <name>
  local line; line="$(grep "^item $1 " "$LOG" | tail -n 1)"
  [ -n "$line" ] || fail "no item $1 in the log"
  read -r _ _ ITEM_HWND ITEM_L ITEM_T ITEM_R ITEM_B <<<"$line"
  ITEM_RECT=("$ITEM_L" "$ITEM_T" "$ITEM_R" "$ITEM_B")
}

# WIN_HWND, WIN_ID and WIN_L WIN_T WIN_R WIN_B of the first window of a class with
# that text ("*": any) and, when given, that parent and identifier, in the
# last listing of the windows.
read_window() { # <class> <text> [<parent hwnd> [<id>]]
  local line
  local from; from="$(grep -n '^client ' "$LOG" | tail -n 1 | cut -d: -f1)"
  line="$(awk -v from="$from" -v c="$1" -v t="$2" -v p="${3:-}" -v id="${4:-}" '
          NR >= from && $1 == "window" && $5 == c && (p == "" || $3 == p) && (id == "" || $4 == id) {
            s = $0; for (i = 1; i <= 10; i++) sub(/^[^ ]* /, "", s); if (NF == 10) s = "";
            if (s == t || t == "*") { print; exit } }' "$LOG")"
  [ -n "$line" ] || fail "no window of class $1 with text '$2' in the log"
  read -r _ WIN_HWND _ WIN_ID _ WIN_L WIN_T WIN_R WIN_B _ <<<"$line"
}

# The whole screen into $WORK/now.rgb (3 bytes a pixel).
shoot() {
  xwd -root -display "$DISPLAY" -silent | convert xwd:- -depth 8 "rgb:$WORK/now.rgb"
}

# Keeps a part of the last screenshot as <out>/<nn>-<name>.png.
save() { # <name> <left> <top> <right> <bottom>
  SHOT=$((SHOT + 1))
  convert -size "${SCREEN_W}x${SCREEN_H}" -depth 8 "rgb:$WORK/now.rgb" \
    -crop "$(($4 - $2))x$(($5 - $3))+$2+$3" +repage "$out/$(printf '%02d' "$SHOT")-$1.png"
}

# "r g b" of each pixel of a row of the last screenshot, one line each.
row() { # <x> <y> <count>
  od -An -v -tu1 -w3 -j $(( ($2 * SCREEN_W + $1) * 3 )) -N $(( $3 * 3 )) "$WORK/now.rgb"
}
pixel() { row "$1" "$2" 1; }

# A cutpoint line (saturated blue or red) within two columns of x.
has_line_near() { # <x> <y>
  row $(($1 - 2)) "$2" 5 | awk '($3 > 150 && $1 < 100 && $2 < 100) || ($1 > 150 && $2 < 100 && $3 < 100) { f = 1 }
                                END { exit !f }'
}

# "raised", "sunken" or "flat": the outer ring of a button, its top row
# against its bottom row.
edge_colours() { # <left> <top> <right> <bottom> (window rectangle)
  local x=$(( ($1 + $3) / 2 )) top bottom
  top="$(pixel "$x" "$2" | awk '{ print $1 + $2 + $3 }')"
  bottom="$(pixel "$x" $(($4 - 1)) | awk '{ print $1 + $2 + $3 }')"
  if [ "$top" -gt "$bottom" ]; then echo raised; elif [ "$top" -lt "$bottom" ]; then echo sunken; else echo flat; fi
}

# The columns from the leftmost to the rightmost text pixel in a box of the
# last screenshot (0 when there is none): a pixel far from its row's most
# common colour, so that dark text on white and light text on a selection
# count alike.
ink_width() { # <left> <top> <right> <bottom>
  local y
  for ((y = $2; y < $4; y++)); do row "$1" "$y" $(($3 - $1)); done |
    awk -v w=$(($3 - $1)) '
      { x = (NR - 1) % w; c[x] = $0; v[x] = $1 + $2 + $3; n[$0]++ }
      x == w - 1 { best = 0; for (k in n) if (n[k] > best) { best = n[k]; mode = k }
                   split(mode, m, " "); bg = m[1] + m[2] + m[3]
                   for (i = 0; i < w; i++) if (v[i] - bg > 150 || bg - v[i] > 150) { if (!f++ || i < lo) lo = i; if (i > hi) hi = i }
                   delete n }
      END { print f ? hi - lo + 1 : 0 }'
}

# True when the text in the box is as wide as w pixels, give or take 3 (the
# glyphs' side bearings).
ink_width_is() { # <left> <top> <right> <bottom> <width>
  local got; got="$(ink_width "$1" "$2" "$3" "$4")"
  [ $((got - $5)) -le 3 ] && [ $(($5 - got)) -le 3 ]
}

# The soak: <count> random events from RANDOM seeded with <seed>, over the
# dialog's client area, in chunks; after each chunk the gallery must answer a
# ping (so the queue never runs far ahead and a hang shows at once). A
# worker thread makes carried calls to the big list the whole time. Keys
# leave out Escape (it closes the dialog) and Alt (the system menu).
run_soak() { # <seed> <count>
  local seed="$1" count="$2" chunk=250 i=0 j x y x2 y2 kind answer
  local w=$((DLG_R - DLG_L)) h=$((DLG_B - DLG_T))
  local keys=(Tab Left Right Up Down Home End Prior Next space Return BackSpace Delete a k z 0 3 7 minus period F4)
  echo "display_test: soak: seed $seed, $count events"
  shoot; save soak-before "$DLG_L" "$DLG_T" "$DLG_R" "$DLG_B"
  answer="$(request biglist.worker start)"
  [ "$answer" = started ] || fail "soak: the big list's worker: $answer"
  RANDOM="$seed"
  while [ "$i" -lt "$count" ]; do
    for ((j = 0; j < chunk && i < count; j++, i++)); do
      x=$((DLG_L + RANDOM * w / 32768)); y=$((DLG_T + RANDOM * h / 32768))
      kind=$((RANDOM % 100))
      if [ "$kind" -lt 40 ]; then
        echo "mousemove $x $y"
      elif [ "$kind" -lt 65 ]; then
        echo "mousemove $x $y"; echo "click 1"
      elif [ "$kind" -lt 80 ]; then
        x2=$((x + RANDOM % 121 - 60)); y2=$((y + RANDOM % 41 - 20))
        [ "$x2" -ge "$DLG_L" ] && [ "$x2" -lt "$DLG_R" ] || x2=$x
        [ "$y2" -ge "$DLG_T" ] && [ "$y2" -lt "$DLG_B" ] || y2=$y
        echo "mousemove $x $y"; echo "mousedown 1"; echo "mousemove $(( (x + x2) / 2 )) $(( (y + y2) / 2 ))"
        echo "mousemove $x2 $y2"; echo "mouseup 1"
      elif [ "$kind" -lt 90 ]; then
        echo "mousemove $x $y"; echo "click --repeat $((RANDOM % 3 + 1)) $((RANDOM % 2 + 4))"
      else
        echo "key ${keys[RANDOM % ${#keys[@]}]}"
      fi
    done >"$WORK/soak.xdo"
    xdo "$WORK/soak.xdo"
    kill -0 "$GALLERY_PID" 2>/dev/null || fail "soak: the gallery ended after $i events"
    answer="$(request ping)"
    [ "$answer" = pong ] || fail "soak: ping after $i events: $answer"
  done
  answer="$(request biglist.worker stop)"
  [[ "$answer" == stopped* ]] || fail "soak: the big list's worker: $answer"
  ok "soak: $count events sent (seed $seed); worker $answer"
  answer="$(request check)"
  [[ "$answer" == ok* ]] || fail "soak: invariants: $answer"
  ok "soak: invariants hold: $answer"
  shoot; save soak-after "$DLG_L" "$DLG_T" "$DLG_R" "$DLG_B"
}

# True when two boxes of the last screenshot hold the same pixels.
same_pixels() { # <left1> <top1> <left2> <top2> <width> <height>
  local y
  for ((y = 0; y < $6; y++)); do
    [ "$(row "$1" $(($2 + y)) "$5")" = "$(row "$3" $(($4 + y)) "$5")" ] || return 1
  done
}

# A splitter bar (a grey rectangle) fills the column from top to bottom.
is_bar_column() { # <x> <top> <bottom>
  local y
  for ((y = $2 + 2; y < $3 - 2; y += 7)); do
    pixel "$1" "$y" | awk '{ exit !($1 == $2 && $2 == $3 && $1 > 60 && $1 < 200) }' || return 1
  done
}
# A frame or a line: darker than the window and the dialog face.
is_line() { pixel "$1" "$2" | awk '{ exit !($1 < 200 && $2 < 200 && $3 < 200) }'; }
