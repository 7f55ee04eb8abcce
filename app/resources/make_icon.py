#!/usr/bin/env python3
"""Turns the icon's text drawing into a .ico file: one 32 x 32 image with 16
colours (4 bits a pixel), 744 bytes: header, palette, colour and mask rows.

Usage: make_icon.py DRAWING ICO
"""
import struct
import sys

SIZE = 32
# The standard 16-colour palette, in the order the drawing's digits name.
PALETTE = [
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
]
TRANSPARENT = "."


def read_drawing(path):
    with open(path, encoding="ascii") as f:
        rows = [line.rstrip("\n") for line in f if not line.startswith("#")]
    if len(rows) != SIZE or any(len(row) != SIZE for row in rows):
        sys.exit(f"{path}: the drawing must be {SIZE} rows of {SIZE} characters")
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch != TRANSPARENT and ch not in "0123456789ABCDEF":
                sys.exit(f"{path}:{y + 1}:{x + 1}: no colour is called {ch!r}")
    return rows


def image(rows):
    # Rows go bottom-up; the height counts the colour and the mask rows.
    colour_rows = []
    mask_rows = []
    for row in reversed(rows):
        indices = [0 if ch == TRANSPARENT else int(ch, 16) for ch in row]
        colour_rows.append(bytes(hi << 4 | lo for hi, lo in zip(indices[0::2], indices[1::2])))
        mask = 0
        for ch in row:
            mask = mask << 1 | (ch == TRANSPARENT)
        mask_rows.append(struct.pack(">I", mask))
    colours = b"".join(colour_rows)
    masks = b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 4, 0, len(colours) + len(masks),
                         0, 0, 0, 0)
    palette = b"".join(struct.pack("<BBBB", c & 0xFF, c >> 8 & 0xFF, c >> 16, 0) for c in PALETTE)
    return header + palette + colours + masks


def main():
    drawing, output = sys.argv[1:]
    data = image(read_drawing(drawing))
    assert len(data) == 744, len(data)
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 16, 0, 1, 4, len(data), 6 + 16)
    with open(output, "wb") as f:
        f.write(directory + entry + data)


if __name__ == "__main__":
    main()
