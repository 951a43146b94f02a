#!/usr/bin/env python3
"""Write the solid-colour icons that the control tests draw and measure.

Each icon is a single image of 16 colours (4 bits per pixel) with an all-opaque mask,
so every pixel of it shows the one colour and its position can be measured exactly.

    python3 tests/ui/controls/make_test_icons.py
"""

import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# The classic 16-colour palette; the icons use red, green, yellow and blue.
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
RED, GREEN, YELLOW, BLUE = 9, 10, 11, 12


def row_bytes(bits_per_row):
    return (bits_per_row + 31) // 32 * 4


def solid_icon(size, colour):
    xor_row = row_bytes(size * 4)
    and_row = row_bytes(size)
    pixels = bytearray()
    for _ in range(size):
        row = bytearray([colour << 4 | colour] * (size // 2))
        if size % 2:
            row.append(colour << 4)
        pixels += row + bytes(xor_row - len(row))
    mask = bytes(and_row * size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(pixels) + len(mask), 0, 0, 16, 0)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    image = header + palette + bytes(pixels) + mask
    side = size if size < 256 else 0
    directory = struct.pack("<HHH", 0, 1, 1) + struct.pack("<BBBBHHII", side, side, 16, 0, 1, 4, len(image), 22)
    return directory + image


ICONS = {
    "over_red_24.ico": (24, RED),
    "normal_blue_24.ico": (24, BLUE),
    "big_green_256.ico": (256, GREEN),
    "odd_yellow_33.ico": (33, YELLOW),
}

if __name__ == "__main__":
    for name, (size, colour) in ICONS.items():
        with open(os.path.join(HERE, "icons", name), "wb") as f:
            f.write(solid_icon(size, colour))
