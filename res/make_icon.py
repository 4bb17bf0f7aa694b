#!/usr/bin/env python3
"""Draws the program's icon: one 32x32 image in 24-bit colour, written as roomname.ico.

A door with a name plate on a rounded teal tile: the tool names the game's rooms.
Run it again after changing the drawing and commit the .ico with it.
"""
import struct
import sys
from pathlib import Path

SIZE = 32


def inside_rounded(x, y, radius=5):
    """True for pixels of the tile, a square with rounded corners."""
    cx = min(max(x, radius), SIZE - 1 - radius)
    cy = min(max(y, radius), SIZE - 1 - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def pixel(x, y):
    """RGB of the pixel at (x, y), y counted from the top."""
    # Door: a cream panel with a dark frame and a gold knob.
    if 9 <= x <= 22 and 6 <= y <= 28:
        if x in (9, 22) or y == 6:
            return (60, 40, 30)
        if 18 <= x <= 19 and 17 <= y <= 18:
            return (230, 180, 40)
        # Name plate across the upper panel.
        if 12 <= x <= 19 and 10 <= y <= 13:
            return (200, 40, 40) if y in (10, 13) or x in (12, 19) else (255, 255, 255)
        return (245, 230, 200)
    # Tile: teal, a little lighter towards the top.
    shade = 150 - 2 * y
    return (20, shade + 40, shade + 50)


def ico_bytes():
    rows = []
    mask_rows = []
    for y in reversed(range(SIZE)):  # DIB rows run bottom-up
        row = bytearray()
        bits = 0
        for x in range(SIZE):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
            if not inside_rounded(x, y):
                bits |= 1 << (SIZE - 1 - x)  # AND mask: 1 = transparent
        rows.append(bytes(row))
        mask_rows.append(struct.pack(">I", bits))
    xor = b"".join(rows)
    mask = b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 24, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 24, len(image), 6 + 16)
    return directory + entry + image


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).with_name("roomname.ico")
    out.write_bytes(ico_bytes())


if __name__ == "__main__":
    main()
