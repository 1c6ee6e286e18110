#!/usr/bin/env bash
# display_test.sh <gallery.exe> <wine prefix> <picture folder>
#
# The gallery on an X server under Wine's X11 driver, worked with real X
# input only, each action checked from screenshots and from the gallery's
# notification log; then a soak (README, "On a real display"). Every wait is
# for a condition with a deadline that only catches a hang. Exit 77
# (skipped) when the X tools are missing.
set -euo pipefail
gallery="$1"
mkdir -p "$2" "$3"
export WINEPREFIX="$(cd "$2" && pwd)"
out="$(cd "$3" && pwd)"
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/display_lib.sh"

for tool in Xvfb xwd xdotool convert; do
  command -v "$tool" >/dev/null || { echo "display_test: $tool is missing (./run test installs it)"; exit 77; }
done
source "$here/../../cmake/wine-env"

SEED="${DISPLAY_SOAK_SEED:-20261208}"
COUNT="${DISPLAY_SOAK_COUNT:-3000}"

start_display
boot_prefix
start_gallery "$gallery"

# --- the histogram: drag the cutpoint at 1.5 to the middle of the bin 2.5 .. 3.0
step_histogram() {
  read_item histogram
  local cuts x1 x3 y xt
  cuts="$(request histogram.cutpoints)"
  x1="$(sed -n 's/.* -1@\([0-9]*\).*/\1/p' <<<"$cuts")"
  x3="$(sed -n 's/.* 1\.5@\([0-9]*\).*/\1/p' <<<"$cuts")"
  [ -n "$x1" ] && [ -n "$x3" ] || fail "histogram: cutpoints at -1 and 1.5 expected, got: $cuts"
  y=$(( (ITEM_T + ITEM_B) / 2 - 20 ))      # a row of the plot, above the labels
  xt=$(( x3 + (x3 - x1) * 125 / 250 ))     # 2.75: 1.25 further on, at 2.5 units per (x3 - x1)
  shoot; save histogram-before "${ITEM_RECT[@]}"
  has_line_near "$x3" "$y" || fail "histogram: no cutpoint line at column $x3 before the drag"
  mark_log
  xdo mousemove "$x3" "$y" mousedown 1 mousemove $((x3 + 4)) "$y" mousemove $(( (x3 + xt) / 2 )) "$y" \
      mousemove "$xt" "$y" mouseup 1
  local moved
  moved="$(wait_log 'notify HM_CUTPOINTMOVED .*old=1.5 ')"
  local value; value="$(sed -n 's/.* new=\([-0-9.e]*\).*/\1/p' <<<"$moved")"
  awk -v v="$value" 'BEGIN { exit !(v > 2.6 && v < 2.9) }' || fail "histogram: moved to $value, expected about 2.75"
  wait_pixels "histogram: the line at column $xt, none left at $x3" \
    'has_line_near '"$xt $y"' && ! has_line_near '"$x3 $y"
  save histogram-after "${ITEM_RECT[@]}"
  cuts="$(request histogram.cutpoints)"
  grep -q " $value@" <<<"$cuts" || fail "histogram: the list does not hold $value: $cuts"
  ok "histogram: cutpoint dragged from 1.5 (column $x3) to $value (column $xt)"
}

# --- the histogram from the keyboard only: Tab until it has the focus, then
# Ctrl+Right takes the selected cutpoint (the one just dragged) to the next
# bin edge, 3, and Left one column back from there
step_histogram_keys() {
  read_item histogram
  local i cuts value x0 x1 x2 moved new y=$(( (ITEM_T + ITEM_B) / 2 - 20 ))
  # The drag's click gave it the focus: Tab away first (to a numeric edit),
  # then Tab until it comes back, each Tab waited for.
  local was now="$(request histogram.focus)"
  [ "$now" = focused ] || fail "histogram: the drag's click did not give it the focus ($now)"
  for ((i = 0; i < 20; i++)); do
    was="$now"
    xdo key Tab
    wait_until "the focus to move on from '$was'" 'now="$(request histogram.focus)"; [ "$now" != "$was" ]'
    [ "$now" = focused ] && [ "$i" -gt 0 ] && break
  done
  [ "$now" = focused ] || fail "histogram: Tab never gave it the focus back ($now)"
  cuts="$(request histogram.cutpoints)"
  read -r value x0 <<<"$(sed -n 's/.* \([-0-9.e]*\)@\([0-9]*\)\*.*/\1 \2/p' <<<"$cuts")"
  [ -n "$value" ] || fail "histogram: no cutpoint selected: $cuts"
  mark_log
  xdo key ctrl+Right
  wait_log "notify HM_CUTPOINTMOVED .*old=$value new=3\$" >/dev/null
  x1="$(sed -n 's/.* 3@\([0-9]*\)\*.*/\1/p' <<<"$(request histogram.cutpoints)")"
  [ -n "$x1" ] || fail "histogram: the selected cutpoint is not at 3 after Ctrl+Right"
  wait_pixels "histogram: the line at column $x1 (3), none left at $x0" \
    'has_line_near '"$x1 $y"' && ! has_line_near '"$x0 $y"
  mark_log
  xdo key Left
  moved="$(wait_log 'notify HM_CUTPOINTMOVED .*old=3 ')"
  new="$(sed -n 's/.* new=\([-0-9.e]*\).*/\1/p' <<<"$moved")"
  awk -v v="$new" 'BEGIN { exit !(v > 2.9 && v < 3) }' || fail "histogram: Left took 3 to $new"
  x2="$(sed -n 's/.* '"$new"'@\([0-9]*\)\*.*/\1/p' <<<"$(request histogram.cutpoints)")"
  [ -n "$x2" ] && [ "$x2" -lt "$x1" ] || fail "histogram: after Left the cutpoint is at column '$x2', from $x1"
  wait_pixels "histogram: the line at column $x2" 'has_line_near '"$x2 $y"
  shoot; save histogram-keys "${ITEM_RECT[@]}"
  ok "histogram: by keyboard from $value to 3 (column $x1), then to $new (column $x2)"
}

# --- the hot buttons: hover the flat "Normal" one, press it, release it
step_hotbutton() {
  read_window Button Normal
  local l=$WIN_L t=$WIN_T r=$WIN_R b=$WIN_B
  local cx=$(( (l + r) / 2 )) cy=$(( (t + b) / 2 ))
  xdo mousemove $((l - 8)) $((t - 3))
  shoot; save hotbutton-before $((l - 4)) $((t - 4)) $((r + 4)) $((b + 4))
  local flat; flat="$(edge_colours $l $t $r $b)"
  mark_log
  xdo mousemove "$cx" "$cy"
  wait_pixels "hotbutton: a raised ring when hot" '[ "$(edge_colours '"$l $t $r $b"')" = raised ]'
  save hotbutton-hot $((l - 4)) $((t - 4)) $((r + 4)) $((b + 4))
  xdo mousedown 1
  wait_pixels "hotbutton: a sunken ring when pressed" '[ "$(edge_colours '"$l $t $r $b"')" = sunken ]'
  save hotbutton-pressed $((l - 4)) $((t - 4)) $((r + 4)) $((b + 4))
  xdo mouseup 1
  wait_log 'notify BN_CLICKED .*text=Normal$' >/dev/null
  ok "hotbutton: flat ($flat), hot, pressed, clicked"
}

# --- the big list: a click on the Value header reverses the value order
step_biglist() {
  read_item biglist
  read_window SysHeader32 "" "$ITEM_HWND"
  local hl=$WIN_L ht=$WIN_T hb=$WIN_B
  local before; before="$(request biglist.rows)"
  shoot; save biglist-before "${ITEM_RECT[@]}"
  mark_log
  # Key 70 + Name 120 = 190: the Value column starts there.
  xdo mousemove $((hl + 190 + 35)) $(( (ht + hb) / 2 )) click 1
  wait_log 'notify LVN_COLUMNCLICK .*column=2$' >/dev/null
  local after
  wait_until "biglist: the sort to reverse" 'after="$(request biglist.rows)"; [[ "$after" == *"reverse=1"* ]]'
  local key; key="$(sed -n 's/.*keys=\([0-9]*\).*/\1/p' <<<"$after")"
  [ "$after" != "$before" ] || fail "biglist: the first rows did not change: $after"
  # The first row's key, as drawn: its ink is as wide as the text.
  local width; width="$(request textwidth "$ITEM_HWND" "$key")"
  local row_t=$(( hb + 1 )) row_b=$(( hb + 15 ))
  wait_pixels "biglist: first row shows key $key ($width px)" \
    'ink_width_is '"$(( ITEM_L + 2 )) $row_t $(( ITEM_L + 68 )) $row_b $width"
  save biglist-after "${ITEM_RECT[@]}"
  ok "biglist: Value header clicked, first row now key $key ($after)"
}

# --- the collapse arrow: a click on the up arrow of the expanded vertical
# widget collapses it; it then shows what the idle collapsed-first one shows
step_livearrow() {
  read_item livearrow_vertical
  local s0 l0 t0 r0 b0 s1 l1 t1 _
  read -r s0 l0 t0 r0 b0 s1 l1 t1 _ <<<"$(request livearrow.arrows)"
  [ "$s0" = 0 ] && [ "$s1" = 1 ] || fail "livearrow: expanded and collapsed-first widgets expected"
  # Inside the arrow rectangle: a widget the pointer left keeps an erased
  # frame (the menu colour) on its rim.
  local w=$((r0 - l0 - 2)) h=$((b0 - t0 - 2))
  l0=$((l0 + 1)); t0=$((t0 + 1)); l1=$((l1 + 1)); t1=$((t1 + 1))
  xdo mousemove $((ITEM_L + 2)) $((ITEM_T + 2))
  shoot; save livearrow-before "${ITEM_RECT[@]}"
  ! same_pixels "$l0" "$t0" "$l1" "$t1" "$w" "$h" || fail "livearrow: expanded looks collapsed before the click"
  mark_log
  xdo mousemove $((l0 + w / 2)) $((t0 + 2)) click 1
  wait_log 'notify LAM_EXPANDSTATECHANGED .*wParam=1 lParam=1$' >/dev/null
  xdo mousemove $((ITEM_L + 2)) $((ITEM_T + 2))
  wait_pixels "livearrow: the clicked widget drawn collapsed" 'same_pixels '"$l0 $t0 $l1 $t1 $w $h"
  save livearrow-after "${ITEM_RECT[@]}"
  read -r s0 _ <<<"$(request livearrow.arrows)"
  [ "$s0" = 1 ] || fail "livearrow: state $s0 after the click, expected 1 (collapsed first)"
  ok "livearrow: up arrow clicked, the widget collapsed upwards"
}

# --- the splitters: drag the x bar of the split dialog 40 pixels right; the
# panes left and right of it follow
step_splitter() {
  read_item splitters_dragged
  local dlg=$ITEM_HWND
  read_window Static "" "$dlg" 101; local bl=$WIN_L bt=$WIN_T br=$WIN_R bb=$WIN_B
  read_window ListBox "" "$dlg" 100; local lr=$WIN_R
  read_window Edit "*" "$dlg" 102; local el=$WIN_L
  local y=$(( (bt + bb) / 2 )) bx=$(( (bl + br) / 2 ))
  shoot; save splitter-before "${ITEM_RECT[@]}"
  is_bar_column "$bx" "$bt" "$bb" || fail "splitter: no bar at column $bx before the drag"
  mark_log
  xdo mousemove "$bx" "$y" mousedown 1 mousemove $((bx + 10)) "$y" mousemove $((bx + 25)) "$y" \
      mousemove $((bx + 40)) "$y" mouseup 1
  wait_log 'notify SPM_BARMOVED .*wParam=40 lParam=101$' >/dev/null
  request windows >/dev/null
  read_window Static "" "$dlg" 101
  [ "$WIN_L" -eq $((bl + 40)) ] && [ "$WIN_R" -eq $((br + 40)) ] || fail "splitter: bar at $WIN_L..$WIN_R, expected $((bl + 40))..$((br + 40))"
  read_window ListBox "" "$dlg" 100
  [ "$WIN_R" -eq $((lr + 40)) ] || fail "splitter: the left pane ends at $WIN_R, expected $((lr + 40))"
  local nr=$WIN_R
  read_window Edit "*" "$dlg" 102
  [ "$WIN_L" -eq $((el + 40)) ] || fail "splitter: the right pane starts at $WIN_L, expected $((el + 40))"
  wait_pixels "splitter: the bar drawn at column $((bx + 40)), the old column part of a pane, its frame at $((nr - 1))" \
    'is_bar_column '"$((bx + 40)) $bt $bb"' && ! is_bar_column '"$bx $bt $bb"' && is_line '"$((nr - 1)) $y"
  save splitter-after "${ITEM_RECT[@]}"
  ok "splitter: x bar dragged from $bl to $((bl + 40)); the panes moved with it"
}

# After the soak: in each split dialog the panes still lie their gap (4)
# from the bars, as the windows are listed now, and the numeric edits hold
# numbers.
check_layout_and_edits() {
  local name dlg xl xr yt yb
  request windows >/dev/null
  for name in splitters_dragged splitters_resized; do
    read_item "$name"; dlg=$ITEM_HWND
    read_window Static "" "$dlg" 101; xl=$WIN_L xr=$WIN_R
    read_window Static "" "$dlg" 103; yt=$WIN_T yb=$WIN_B
    read_window ListBox "" "$dlg" 100; [ $((WIN_R + 4)) -eq "$xl" ] || fail "$name: left pane ends at $WIN_R, bar at $xl"
    read_window Edit "*" "$dlg" 102
    [ "$WIN_L" -eq $((xr + 4)) ] && [ $((WIN_B + 4)) -eq "$yt" ] || fail "$name: upper right pane at $WIN_L $WIN_B, bars at $xr $yt"
    read_window ListBox "" "$dlg" 104
    [ "$WIN_L" -eq $((xr + 4)) ] && [ "$WIN_T" -eq $((yb + 4)) ] || fail "$name: lower right pane at $WIN_L $WIN_T, bars at $xr $yb"
  done
  ok "soak: the splitters' panes lie against their bars"
  # Whatever keys reached them, the numeric edits hold numbers of their kind.
  local kind pattern text
  for kind in 'numedit_digits ^[0-9]*$' 'numedit_decimal ^[0-9]*[.]?[0-9]*$' 'numedit_signed ^-?[0-9]*[.]?[0-9]*$'; do
    read -r name pattern <<<"$kind"
    read_item "$name"      # the item is the edit itself
    text="$(awk -v h="$ITEM_HWND" '$1 == "window" && $2 == h { t = $0 } END { print t }' "$LOG" | cut -d' ' -f11-)"
    [[ "$text" =~ $pattern ]] || fail "$name: holds '$text' after the soak"
  done
  ok "soak: the numeric edits hold numbers"
}

# --- the flat combo: open the list, pick its last item. (Under Wine's X11
# driver without a window manager an open combo list shows black, a plain
# COMBOBOX's as well, so the open list is found in the window listing.)
step_flatcombo() {
  read_item flatcombo
  read_window ComboBoxEx32 "*" "$ITEM_HWND"
  local l=$WIN_L t=$WIN_T r=$WIN_R b=$WIN_B hwnd=$WIN_HWND id=$WIN_ID
  local box=($((l + 26)) $((t + 3)) $((r - 26)) $((b - 3)))   # the text, right of the item image
  shoot; save flatcombo-before "${ITEM_RECT[@]}"
  ink_width_is "${box[@]}" "$(request textwidth "$hwnd" Descriptives)" || fail "flatcombo: 'Descriptives' not shown at first"
  mark_log
  xdo mousemove $((r - 8)) $(( (t + b) / 2 )) click 1
  wait_until "flatcombo: its list open" 'request windows >/dev/null; grep -q " ComboLBox .* 1 *$" <(tail -n 200 "$LOG")'
  read_window ComboLBox "" "" 1000
  local y=$(( WIN_T + 1 + (WIN_B - WIN_T - 2) * 7 / 8 ))         # the middle of the fourth of four rows
  xdo mousemove $(( (WIN_L + WIN_R) / 2 )) "$y" click 1
  wait_log "notify CBN_SELCHANGE id=$id sel=3 text=Compare means\$" >/dev/null
  local width; width="$(request textwidth "$hwnd" "Compare means")"
  wait_pixels "flatcombo: 'Compare means' ($width px) shown" 'ink_width_is '"${box[*]} $width"
  save flatcombo-after "${ITEM_RECT[@]}"
  ok "flatcombo: list opened, 'Compare means' picked and shown"
}

# --- the numeric edit: clear the decimal one and type "42.5x"; the letter is
# taken out again, and the owner hears of every change
step_numedit() {
  read_window Edit "3.14159"
  local l=$WIN_L t=$WIN_T r=$WIN_R b=$WIN_B id=$WIN_ID hwnd=$WIN_HWND
  shoot; save numedit-before $((l - 4)) $((t - 4)) $((r + 4)) $((b + 4))
  mark_log
  xdo mousemove $((r - 4)) $(( (t + b) / 2 )) click 1 key End key --repeat 7 BackSpace type 42.5x
  wait_log "notify EN_CHANGE id=$id text=42.5x\$" >/dev/null
  wait_until "numedit: the letter taken out" \
    '[ "$(tail -n +$((MARK + 1)) "$LOG" | grep "notify EN_CHANGE id=$id " | tail -n 1)" = "notify EN_CHANGE id=$id text=42.5" ]'
  local width; width="$(request textwidth "$hwnd" 42.5)"
  wait_pixels "numedit: '42.5' ($width px) shown" 'ink_width_is '"$((l + 2)) $((t + 2)) $((r - 2)) $((b - 2)) $width"
  save numedit-after $((l - 4)) $((t - 4)) $((r + 4)) $((b + 4))
  ok "numedit: typed 42.5x, the edit holds 42.5"
}

step_histogram
step_histogram_keys
step_splitter
step_livearrow
step_hotbutton
step_biglist
step_flatcombo
step_numedit
run_soak "$SEED" "$COUNT"
check_layout_and_edits
stop_gallery
echo "display_test: all steps passed; pictures in $out"
