#!/usr/bin/env python3
"""Writes the bitmaps of Tessarine.dll into frame/res/.

All are 4-bit (16-colour) Windows BMP files with the standard 16-colour
palette, drawn here pixel by pixel:

  arrow_up.bmp, arrow_down.bmp, arrow_left.bmp, arrow_right.bmp
      8 x 8, a dark grey (128,128,128) triangle on light grey (192,192,192),
      pointing the way the name says (resources 1132-1135).
  check_glyphs.bmp
      70 x 39, 5 columns x 3 rows of 14 x 13 cells (resource 26567):
        row 0: check box unchecked, checked, indeterminate,
               disabled unchecked, disabled checked
        row 1: check box pressed unchecked, pressed checked,
               pressed indeterminate, flat unchecked, flat checked
        row 2: option button unchecked, checked, pressed,
               disabled unchecked, disabled checked
      Each glyph is 13 x 13 in the cell's top-left corner; the cell's last
      column is background.
  framework/*.bmp, framework/help_arrow.cur
      simple contents for the framework's standard resources (the cursor
      file holds two images, so its group carries cursors 1 and 2).

It also writes tests/frame/res/host_1132.bmp: a 16 x 12 bitmap the frame
tests give their own program under the number of the up arrow, so they can
tell which module a lookup reached.

The files are committed; run this only after changing a drawing:
    python3 tools/make_frame_bitmaps.py
"""

import os
import struct
import sys

# Standard 16-colour palette (R, G, B).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, SILVER, GREY, WHITE, NAVY = 0, 7, 8, 15, 4


def bmp4(pixels):
    """pixels: rows top to bottom of palette indices -> BMP file bytes."""
    height = len(pixels)
    width = len(pixels[0])
    stride = ((width * 4 + 31) // 32) * 4
    body = bytearray()
    for row in reversed(pixels):           # BMP rows run bottom-up
        line = bytearray(stride)
        for x, index in enumerate(row):
            if x % 2 == 0:
                line[x // 2] |= index << 4
            else:
                line[x // 2] |= index
        body += line
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0,
                       len(body), 2835, 2835, 16, 16)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    return header + info + palette + bytes(body)


def grid(width, height, fill):
    return [[fill] * width for _ in range(height)]


# --- arrows -----------------------------------------------------------------

def arrow_up():
    """Triangle with its apex at the top: rows of 1, 3, 5 and 7 pixels."""
    p = grid(8, 8, SILVER)
    for step in range(4):
        y = 2 + step
        for x in range(3 - step, 4 + step):
            p[y][x] = GREY
    return p


def flip_vertical(p):
    return [list(row) for row in reversed(p)]


def transpose(p):
    return [[p[x][y] for x in range(len(p))] for y in range(len(p[0]))]


def flip_horizontal(p):
    return [list(reversed(row)) for row in p]


# --- check boxes and option buttons ------------------------------------------

CHECK_MARK = [              # 7 x 7, drawn at (3, 3) inside the box
    "......#",
    ".....##",
    "#...###",
    "##.###.",
    "#####..",
    ".###...",
    "..#....",
]


def check_box(checked=False, indeterminate=False, disabled=False,
              pressed=False, flat=False):
    g = grid(13, 13, SILVER)
    face = WHITE
    if disabled or pressed:
        face = SILVER
    for y in range(13):
        for x in range(13):
            if flat:
                edge = x in (0, 12) or y in (0, 12)
                g[y][x] = GREY if edge else face
                continue
            if (y == 0 and x < 12) or (x == 0 and y < 12):
                g[y][x] = GREY                       # outer shadow
            elif y == 12 or x == 12:
                g[y][x] = WHITE                      # outer highlight
            elif (y == 1 and x < 11) or (x == 1 and y < 11):
                g[y][x] = BLACK                      # inner shadow
            elif y == 11 or x == 11:
                g[y][x] = SILVER                     # inner highlight
            elif indeterminate and not pressed:
                g[y][x] = WHITE if (x + y) % 2 else SILVER   # dithered face
            else:
                g[y][x] = face
    if checked or indeterminate:
        mark = GREY if (disabled or indeterminate) else BLACK
        for my, line in enumerate(CHECK_MARK):
            for mx, c in enumerate(line):
                if c == "#":
                    g[3 + my][3 + mx] = mark
    return g


def option_button(checked=False, disabled=False, pressed=False):
    g = grid(13, 13, SILVER)
    cx = cy = 5.5
    face = SILVER if (disabled or pressed) else WHITE
    for y in range(12):
        for x in range(12):
            dx, dy = x - cx, y - cy
            r = (dx * dx + dy * dy) ** 0.5
            upper_left = dx + dy < 0
            if r > 6.0:
                continue
            if r > 5.0:
                g[y][x] = GREY if upper_left else WHITE
            elif r > 4.0:
                g[y][x] = BLACK if upper_left else SILVER
            else:
                g[y][x] = face
            if checked and r <= 1.9:
                g[y][x] = GREY if disabled else BLACK
    return g


def glyph_strip():
    cells = [
        [check_box(), check_box(checked=True), check_box(indeterminate=True),
         check_box(disabled=True), check_box(checked=True, disabled=True)],
        [check_box(pressed=True), check_box(checked=True, pressed=True),
         check_box(indeterminate=True, pressed=True),
         check_box(flat=True), check_box(checked=True, flat=True)],
        [option_button(), option_button(checked=True), option_button(pressed=True),
         option_button(disabled=True), option_button(checked=True, disabled=True)],
    ]
    strip = grid(70, 39, SILVER)
    for row, line in enumerate(cells):
        for col, glyph in enumerate(line):
            for y in range(13):
                for x in range(13):
                    strip[row * 13 + y][col * 14 + x] = glyph[y][x]
    return strip


# --- framework standard resources ------------------------------------------

def cursor_image(mask_rows, size):
    """One monochrome cursor image: mask_rows are size strings, '#' black,
    'o' white, anything else transparent."""
    row_bytes = ((size + 31) // 32) * 4
    xor_rows, and_rows = [], []
    for line in mask_rows:
        line = line.ljust(size)
        xor_bits, and_bits = 0, 0
        for x, c in enumerate(line[:size]):
            bit = 1 << (row_bytes * 8 - 1 - x)
            if c == "o":
                xor_bits |= bit
            elif c != "#":
                and_bits |= bit
        if size < row_bytes * 8:
            and_bits |= (1 << (row_bytes * 8 - size)) - 1   # padding: transparent
        xor_rows.append(xor_bits.to_bytes(row_bytes, "big"))
        and_rows.append(and_bits.to_bytes(row_bytes, "big"))
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0,
                       row_bytes * size * 2, 0, 0, 2, 2)
    palette = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    return info + palette + b"".join(reversed(xor_rows)) + b"".join(reversed(and_rows))


def cursor_file(images, hotspot):
    """A .cur file holding several (size, image bytes) entries."""
    head = struct.pack("<HHH", 0, 2, len(images))
    offset = 6 + 16 * len(images)
    entries, bodies = b"", b""
    for size, image in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, 2, 0,
                               hotspot[0], hotspot[1], len(image), offset)
        bodies += image
        offset += len(image)
    return head + entries + bodies


def arrow_rows(size, with_question):
    """An arrow pointer (and a question mark beside it) in size x size."""
    height = size // 2
    rows = [" " * size for _ in range(size)]
    for y in range(height):
        line = [" "] * size
        for x in range(y + 1):
            line[x] = "#" if x in (0, y) or y == height - 1 else "o"
        rows[y] = "".join(line)
    if with_question:
        q = ["  ####  ", " ##  ## ", "     ## ", "    ##  ",
             "   ##   ", "   ##   ", "        ", "   ##   "]
        scale = 1 if size >= 32 else 2
        left = size * 9 // 16
        for dy in range(0, len(q), scale):
            r = list(rows[size // 8 + dy // scale])
            for dx in range(0, len(q[dy]), scale):
                if q[dy][dx] == "#" and left + dx // scale < size:
                    r[left + dx // scale] = "#"
            rows[size // 8 + dy // scale] = "".join(r)
    return rows


def help_cursor():
    """Cursor group with a 32 x 32 and a 16 x 16 image: arrow and question mark."""
    return cursor_file([(32, cursor_image(arrow_rows(32, True), 32)),
                        (16, cursor_image(arrow_rows(16, True), 16))], (0, 0))


def small_glyphs(count, draw):
    """count cells of 9 x 9 side by side, each drawn by draw(cell, index)."""
    p = grid(9 * count, 9, SILVER)
    for i in range(count):
        cell = grid(9, 9, SILVER)
        draw(cell, i)
        for y in range(9):
            for x in range(9):
                p[y][i * 9 + x] = cell[y][x]
    return p


def miniframe_glyph(cell, i):
    # close cross, then a down arrow for the system menu
    if i == 0:
        for k in range(1, 8):
            cell[k][k] = BLACK
            cell[k][8 - k] = BLACK
    else:
        for step in range(4):
            for x in range(4 - step, 5 + step):
                cell[6 - step][x] = BLACK


def checklist_glyph(cell, i):
    for k in range(9):
        cell[0][k] = cell[8][k] = cell[k][0] = cell[k][8] = GREY
    for y in range(1, 8):
        for x in range(1, 8):
            cell[y][x] = WHITE
    if i >= 1:
        mark = BLACK if i == 1 else GREY
        for x, y in ((2, 4), (3, 5), (4, 6), (5, 5), (6, 4), (7, 3)):
            cell[y][x] = mark
            cell[y - 1][x] = mark


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    out = os.path.join(root, "frame", "res")
    os.makedirs(os.path.join(out, "framework"), exist_ok=True)

    up = arrow_up()
    left = transpose(up)
    write(os.path.join(out, "arrow_up.bmp"), bmp4(up))
    write(os.path.join(out, "arrow_down.bmp"), bmp4(flip_vertical(up)))
    write(os.path.join(out, "arrow_left.bmp"), bmp4(left))
    write(os.path.join(out, "arrow_right.bmp"), bmp4(flip_horizontal(left)))
    write(os.path.join(out, "check_glyphs.bmp"), bmp4(glyph_strip()))

    fw = os.path.join(out, "framework")
    write(os.path.join(fw, "miniframe_menu.bmp"), bmp4(small_glyphs(2, miniframe_glyph)))
    write(os.path.join(fw, "checklist_nt.bmp"), bmp4(small_glyphs(3, checklist_glyph)))
    write(os.path.join(fw, "checklist_95.bmp"), bmp4(small_glyphs(3, checklist_glyph)))
    write(os.path.join(fw, "help_arrow.cur"), help_cursor())

    tests = os.path.join(root, "tests", "frame", "res")
    os.makedirs(tests, exist_ok=True)
    write(os.path.join(tests, "host_1132.bmp"), bmp4(grid(16, 12, NAVY)))


if __name__ == "__main__":
    main()
