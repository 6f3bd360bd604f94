#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Dish Planner developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the planner's icon, a yellow lightning bolt with a dark outline, in
the 16-colour palette at 32x32 and 16x16, and writes planner.ico (both
images, 4 bits a pixel) and planner-16.png / planner-32.png, with a 48x48
PNG for the desktop's icon theme.

Usage: tools/make_icon.py OUTPUT_FOLDER
"""
import struct
import sys
import zlib

# The standard 16-colour palette; the icon uses black, olive and yellow.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
    (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, OLIVE, YELLOW, CLEAR = 0, 3, 11, None

# The bolt on a 32-unit square, clockwise from the top left.
BOLT = [(19, 1), (27, 1), (20, 12), (27, 12), (10, 31), (14, 17), (6, 17)]


def inside(x, y, poly):
    hit = False
    for (x1, y1), (x2, y2) in zip(poly, poly[1:] + poly[:1]):
        if (y1 > y) != (y2 > y) and x < x1 + (y - y1) * (x2 - x1) / (y2 - y1):
            hit = not hit
    return hit


def draw(size):
    scale = size / 32
    poly = [(x * scale, y * scale) for x, y in BOLT]
    fill = [[inside(x + 0.5, y + 0.5, poly) for x in range(size)] for y in range(size)]
    img = [[CLEAR] * size for _ in range(size)]
    for y in range(size):
        for x in range(size):
            if fill[y][x]:
                # A shaded lower-right rim gives the bolt some depth.
                rim = x + 1 < size and y + 1 < size and not fill[y + 1][x + 1]
                img[y][x] = OLIVE if rim and size >= 32 else YELLOW
                continue
            near = any(0 <= x + dx < size and 0 <= y + dy < size and fill[y + dy][x + dx]
                       for dx in (-1, 0, 1) for dy in (-1, 0, 1))
            if near:
                img[y][x] = BLACK
    return img


def png(img):
    size = len(img)
    raw = b"".join(
        b"\0" + b"".join(bytes(PALETTE[c]) + b"\xff" if c is not None else b"\0\0\0\0"
                         for c in row) for row in img)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def dib(img):
    size = len(img)
    xor_row = (size * 4 + 31) // 32 * 4
    and_row = (size + 31) // 32 * 4
    xor, mask = b"", b""
    for row in reversed(img):  # bottom-up
        nibbles = [0 if c is None else c for c in row]
        line = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor += line.ljust(xor_row, b"\0")
        bits = 0
        for i, c in enumerate(row):
            if c is None:
                bits |= 1 << (size - 1 - i)
        mask += bits.to_bytes(size // 8, "big").ljust(and_row, b"\0")
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(xor) + len(mask),
                         0, 0, 16, 0)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    return header + palette + xor + mask


def ico(images):
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    blobs = [dib(img) for img in images]
    for img, blob in zip(images, blobs):
        size = len(img)
        out += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def main():
    folder = sys.argv[1] if len(sys.argv) > 1 else "."
    big, small = draw(32), draw(16)
    with open(f"{folder}/planner.ico", "wb") as f:
        f.write(ico([big, small]))
    for size, img in ((32, big), (16, small), (48, draw(48))):
        with open(f"{folder}/planner-{size}.png", "wb") as f:
            f.write(png(img))


if __name__ == "__main__":
    main()
