#!/usr/bin/env python3
# Draws the Velmora joystick icon and writes velmora.ico (32x32 and 16x16, 4 bits) and PNGs.
"""Run from anywhere: python3 make_icons.py. Needs nothing beyond Python's standard library,
so the pictures can be redrawn on any machine that builds the program."""

import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

# The classic 16-colour palette, so that the .ico images work in 4 bits per pixel.
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
KEYS = {'K': 0, 'M': 1, 'g': 2, 'N': 4, 'S': 7, 'G': 8, 'R': 9, 'L': 10, 'Y': 11,
        'B': 12, 'A': 14, 'W': 15}
CLEAR = None


def draw32():
    """The large image: a red-topped arcade joystick on a blue base with two buttons."""
    px = [[CLEAR] * 32 for _ in range(32)]

    def put(x, y, c):
        if 0 <= x < 32 and 0 <= y < 32:
            px[y][x] = c

    # Base: a box whose top face is light blue and whose front face is navy, outlined black.
    for y in range(19, 30):
        for x in range(2, 30):
            edge = y in (19, 29) or x in (2, 29)
            if edge:
                put(x, y, 0)
            elif y <= 22:
                put(x, y, 12)
            elif y == 23:
                put(x, y, 0)
            else:
                put(x, y, 4)
    # Buttons on the front face.
    for cx, colour in ((7, 11), (24, 10)):
        for y in range(24, 29):
            for x in range(cx - 2, cx + 3):
                d = math.hypot(x - cx, y - 26)
                if d <= 1.6:
                    put(x, y, colour)
                elif d <= 2.3:
                    put(x, y, 0)
    # The collar round the foot of the stick.
    for x in range(11, 21):
        for y in range(19, 23):
            d = math.hypot((x + 0.5 - 16) / 4.6, (y + 0.5 - 21) / 1.7)
            if d <= 0.75:
                put(x, y, 8)
            elif d <= 1.0:
                put(x, y, 0)
    # The stick.
    for y in range(12, 21):
        put(14, y, 0)
        put(15, y, 15)
        put(16, y, 7)
        put(17, y, 0)
    # The ball, shaded at the lower right, with a glint at the upper left.
    for y in range(0, 16):
        for x in range(8, 24):
            d = math.hypot(x + 0.5 - 16, y + 0.5 - 7.5)
            if d <= 6.3:
                c = 9
                if (x + 0.5 - 16) + (y + 0.5 - 7.5) > 4.5:
                    c = 1
                if math.hypot(x + 0.5 - 13.5, y + 0.5 - 5) <= 1.6:
                    c = 15
                put(x, y, c)
            elif d <= 7.3:
                put(x, y, 0)
    return px


ART16 = [
    "......KKKK......",
    ".....KRRRRK.....",
    "....KRWRRRRK....",
    "....KRRRRRMK....",
    "....KRRRRMMK....",
    ".....KRMMMK.....",
    "......KWSK......",
    "......KWSK......",
    "......KWSK......",
    ".KKKKKGGGGKKKKK.",
    ".KBBBBKKKKBBBBK.",
    ".KKKKKKKKKKKKKK.",
    ".KNNNNNNNNNNNNK.",
    ".KNYNNNNNNNNLNK.",
    ".KNNNNNNNNNNNNK.",
    ".KKKKKKKKKKKKKK.",
]


def draw16():
    return [[CLEAR if ch == '.' else KEYS[ch] for ch in row] for row in ART16]


def ico_image(px):
    """One 4-bit DIB with its AND mask, as an .ico entry holds it."""
    size = len(px)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    xor_stride = ((size * 4 + 31) // 32) * 4
    and_stride = ((size + 31) // 32) * 4
    xor = b''
    mask = b''
    for row in reversed(px):  # bottom-up, as DIBs are stored
        nibbles = [0 if c is CLEAR else c for c in row]
        data = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor += data.ljust(xor_stride, b'\0')
        bits = 0
        out = bytearray()
        for i, c in enumerate(row):
            bits = (bits << 1) | (1 if c is CLEAR else 0)
            if i % 8 == 7:
                out.append(bits)
                bits = 0
        mask += bytes(out).ljust(and_stride, b'\0')
    return header + palette + xor + mask


def write_ico(path, images):
    blobs = [ico_image(px) for px in images]
    out = struct.pack('<HHH', 0, 1, len(blobs))
    offset = 6 + 16 * len(blobs)
    for px, blob in zip(images, blobs):
        size = len(px)
        out += struct.pack('<BBBBHHII', size, size, 16, 0, 1, 4, len(blob), offset)
        offset += len(blob)
    with open(path, 'wb') as f:
        f.write(out + b''.join(blobs))


def write_png(path, px, scale=1):
    size = len(px) * scale
    rows = []
    for row in px:
        pixels = b''.join((bytes((0, 0, 0, 0)) if c is CLEAR else bytes(PALETTE[c] + (255,)))
                          * scale for c in row)
        rows.extend([b'\0' + pixels] * scale)
    raw = b''.join(rows)

    def chunk(kind, data):
        return (struct.pack('>I', len(data)) + kind + data +
                struct.pack('>I', zlib.crc32(kind + data) & 0xFFFFFFFF))

    png = b'\x89PNG\r\n\x1a\n'
    png += chunk(b'IHDR', struct.pack('>IIBBBBB', size, size, 8, 6, 0, 0, 0))
    png += chunk(b'IDAT', zlib.compress(raw, 9))
    png += chunk(b'IEND', b'')
    with open(path, 'wb') as f:
        f.write(png)


def main():
    big = draw32()
    small = draw16()
    write_ico(os.path.join(HERE, 'velmora.ico'), [big, small])
    write_png(os.path.join(HERE, 'velmora-16.png'), small)
    write_png(os.path.join(HERE, 'velmora-32.png'), big)
    for scale in (2, 4, 8):
        write_png(os.path.join(HERE, 'velmora-%d.png' % (32 * scale)), big, scale)


if __name__ == '__main__':
    main()
