#!/usr/bin/env python3
"""Draws the application icon, zentrim.ico: a page whose top lines are
highlighted, with an arrow carrying them off. Two images, 32x32 and 16x16,
16 colours each. Run it again after changing the picture and commit both."""

import struct
import sys

# The standard 16-colour palette, as (blue, green, red, reserved).
PALETTE = [
    (0x00, 0x00, 0x00), (0x00, 0x00, 0x80), (0x00, 0x80, 0x00), (0x00, 0x80, 0x80),
    (0x80, 0x00, 0x00), (0x80, 0x00, 0x80), (0x80, 0x80, 0x00), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0x00, 0x00, 0xFF), (0x00, 0xFF, 0x00), (0x00, 0xFF, 0xFF),
    (0xFF, 0x00, 0x00), (0xFF, 0x00, 0xFF), (0xFF, 0xFF, 0x00), (0xFF, 0xFF, 0xFF),
]  # in (red, green, blue) order; written as BGR below
BLACK, NAVY, GREY, SILVER, GREEN, WHITE = 0, 1, 8, 7, 2, 15
TRANSPARENT = None


def draw(size):
    """Returns rows (top first) of palette indices or TRANSPARENT."""
    s = size / 32.0
    px = [[TRANSPARENT] * size for _ in range(size)]

    def rect(x0, y0, x1, y1, colour):
        for y in range(int(y0 * s), max(int(y1 * s), int(y0 * s) + 1)):
            for x in range(int(x0 * s), max(int(x1 * s), int(x0 * s) + 1)):
                if 0 <= x < size and 0 <= y < size:
                    px[y][x] = colour

    # The page, with its outline.
    rect(3, 1, 23, 31, BLACK)
    for y in range(int(1 * s) + 1, int(31 * s) - 1):
        for x in range(int(3 * s) + 1, int(23 * s) - 1):
            px[y][x] = WHITE
    # Its lines of text: the top three highlighted, the rest grey.
    for i, y in enumerate(range(5, 29, 3)):
        rect(6, y, 20, y + 1 if size == 32 else y + 2, NAVY if i < 3 else SILVER)
    # The arrow: a shaft from the highlighted lines and a head pointing right.
    rect(14, 8, 26, 11, GREEN)
    for k in range(6):
        rect(26 + k, 4 + k, 27 + k, 15 - k, GREEN)
    return px


def image(size):
    px = draw(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    xor_rows, and_rows = [], []
    for row in reversed(px):  # bottom-up
        nibbles = [0 if c is TRANSPARENT else c for c in row]
        data = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor_rows.append(data + b"\0" * (-len(data) % 4))
        bits = 0
        mask = bytearray()
        for i, c in enumerate(row):
            bits = (bits << 1) | (1 if c is TRANSPARENT else 0)
            if i % 8 == 7:
                mask.append(bits)
                bits = 0
        and_rows.append(bytes(mask) + b"\0" * (-len(mask) % 4))
    return header + palette + b"".join(xor_rows) + b"".join(and_rows)


def main(path):
    images = [(32, image(32)), (16, image(16))]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, data in images:
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    out += b"".join(data for _, data in images)
    with open(path, "wb") as f:
        f.write(out)


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "zentrim.ico")
