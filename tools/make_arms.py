#!/usr/bin/env python3
"""Draws the program's own coat-of-arms emblem into resources/13F.BMP (colour)
and resources/13S.BMP (black and white): a shield, blue above with a golden
disc, gold below with three blue waves."""
import math
import struct
import sys
from pathlib import Path

W, H = 220, 260
BLUE, GOLD, WHITE, DARK = (0x1F, 0x4E, 0x9A), (0xE0, 0xB0, 0x20), (0xFF, 0xFF, 0xFF), (0x20, 0x20, 0x30)


def half_width(y):
    """Half the shield's width at row y (0 = top), or -1 outside."""
    if y < 8 or y > 252:
        return -1
    if y < 150:
        return 100
    t = (y - 150) / 102.0
    return 100 * math.sqrt(max(0.0, 1 - t * t))


def region(x, y):
    """'out', 'edge', 'disc', 'top', 'wave' or 'bottom' for pixel (x, y)."""
    hw = half_width(y)
    dx = x - W / 2
    if hw < 0 or abs(dx) > hw:
        return "out"
    if abs(dx) > hw - 6 or y < 14:
        return "edge"
    if y < 120:
        return "disc" if (dx ** 2 + (y - 66) ** 2) <= 32 ** 2 else "top"
    for k in range(3):
        centre = 150 + 28 * k + 8 * math.sin(dx / 14.0)
        if abs(y - centre) < 6:
            return "wave"
    return "bottom"


COLOURS = {"out": WHITE, "edge": DARK, "disc": GOLD, "top": BLUE, "wave": BLUE, "bottom": GOLD}
BLACK_PARTS = {"edge", "top", "wave"}


def bmp_header(data_size, offset, bits, palette_size):
    file_size = offset + data_size
    return (b"BM" + struct.pack("<IHHI", file_size, 0, 0, offset) +
            struct.pack("<IiiHHIIiiII", 40, W, H, 1, bits, 0, data_size, 3780, 3780, palette_size, 0))


def colour_bmp():
    row_size = (W * 3 + 3) // 4 * 4
    rows = []
    for y in range(H - 1, -1, -1):
        row = bytearray()
        for x in range(W):
            r, g, b = COLOURS[region(x, y)]
            row += bytes((b, g, r))
        rows.append(bytes(row) + b"\0" * (row_size - len(row)))
    data = b"".join(rows)
    return bmp_header(len(data), 54, 24, 0) + data


def mono_bmp():
    row_size = (W + 31) // 32 * 4
    palette = bytes((0, 0, 0, 0, 255, 255, 255, 0))  # index 0 black, 1 white
    rows = []
    for y in range(H - 1, -1, -1):
        row = bytearray(row_size)
        for x in range(W):
            if region(x, y) not in BLACK_PARTS:
                row[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
    data = b"".join(rows)
    return bmp_header(len(data), 62, 1, 2) + palette + data


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "resources"
    (out / "13F.BMP").write_bytes(colour_bmp())
    (out / "13S.BMP").write_bytes(mono_bmp())


if __name__ == "__main__":
    main()
