#!/usr/bin/env python3
"""Writes the host-side resources that the drawing helpers are tried with.

  tests/drawutil/res/strip_80x16.bmp, gallery/res/drawutil_strip.bmp
      80 x 16, 4-bit (16 colours, the standard palette): five 16 x 16
      images on light grey (192,192,192), the colour LR_LOADMAP3DCOLORS
      turns into the button face. Image k is a square frame (x and y 2..13)
      in colour k of black, red, green, blue and navy, with a light grey
      hole k + 2 pixels wide in its middle and a diagonal of the same
      colour through the hole, so every image has transparent pixels inside
      it as well as around it.
  tests/drawutil/res/tone.wav
      a "WAVE" resource body: 8-bit mono PCM at 8000 Hz, 0.05 s of a
      500 Hz square wave.

The files are committed; run this only after changing a drawing:
    python3 tools/make_drawutil_resources.py
"""

import os
import struct
import sys

PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
SILVER = 7
GLYPH_COLOURS = [0, 9, 2, 12, 4]   # black, red, green, blue, navy


def bmp4(pixels):
    """pixels: rows top to bottom of palette indices -> BMP file bytes."""
    height = len(pixels)
    width = len(pixels[0])
    stride = ((width * 4 + 31) // 32) * 4
    body = bytearray()
    for row in reversed(pixels):           # BMP rows run bottom-up
        line = bytearray(stride)
        for x, index in enumerate(row):
            line[x // 2] |= index << 4 if x % 2 == 0 else index
        body += line
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0,
                       len(body), 2835, 2835, 16, 16)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    return header + info + palette + bytes(body)


def strip():
    p = [[SILVER] * 80 for _ in range(16)]
    for k, colour in enumerate(GLYPH_COLOURS):
        x0 = 16 * k
        hole = k + 2
        h0 = 8 - hole // 2
        for y in range(2, 14):
            for x in range(2, 14):
                inside = h0 <= x < h0 + hole and h0 <= y < h0 + hole
                if not inside or x == y:
                    p[y][x0 + x] = colour
    return p


def wave():
    rate, samples = 8000, 400
    data = bytes(200 if (i // 8) % 2 == 0 else 56 for i in range(samples))
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate, 1, 8)
    chunks = b"fmt " + struct.pack("<I", len(fmt)) + fmt
    chunks += b"data" + struct.pack("<I", len(data)) + data
    return b"RIFF" + struct.pack("<I", 4 + len(chunks)) + b"WAVE" + chunks


def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(sys.argv[0])))
    write(os.path.join(root, "tests", "drawutil", "res", "strip_80x16.bmp"), bmp4(strip()))
    write(os.path.join(root, "gallery", "res", "drawutil_strip.bmp"), bmp4(strip()))
    write(os.path.join(root, "tests", "drawutil", "res", "tone.wav"), wave())


if __name__ == "__main__":
    main()
