#!/usr/bin/env python3
"""Draws the program's built-in pictures and writes them beside this script.

Run it after changing a picture; its output is committed so a build needs no Python.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


def clock_icon_pixels(size):
    """A round clock face: dark rim, light dial, two hands at ten past ten. Returns rows of RGBA."""
    c = (size - 1) / 2.0
    r_out = size / 2.0 - 0.5
    rim = max(1.5, size / 10.0)
    rows = []
    for y in range(size):
        row = []
        for x in range(size):
            d = math.hypot(x - c, y - c)
            alpha = max(0.0, min(1.0, r_out - d + 0.5))
            if d > r_out - rim:
                rgb = (40, 44, 52)
            else:
                shade = 1.0 - 0.25 * (d / r_out)
                rgb = (int(235 * shade), int(240 * shade), int(245 * shade))
            row.append([*rgb, alpha])
        rows.append(row)

    def hand(angle_deg, length, width, rgb):
        a = math.radians(angle_deg - 90)
        ex, ey = c + math.cos(a) * length, c + math.sin(a) * length
        for y in range(size):
            for x in range(size):
                # distance from the segment centre->end
                vx, vy = ex - c, ey - c
                t = max(0.0, min(1.0, ((x - c) * vx + (y - c) * vy) / (vx * vx + vy * vy)))
                dist = math.hypot(x - (c + t * vx), y - (c + t * vy))
                cover = max(0.0, min(1.0, width / 2.0 - dist + 0.5))
                if cover > 0 and rows[y][x][3] > 0:
                    px = rows[y][x]
                    for i in range(3):
                        px[i] = int(px[i] * (1 - cover) + rgb[i] * cover)

    hand(300, size * 0.26, max(1.2, size / 12.0), (30, 30, 30))   # hour hand at ten
    hand(60, size * 0.36, max(1.0, size / 16.0), (30, 30, 30))    # minute hand at two
    hand(180, size * 0.34, max(0.8, size / 24.0), (200, 30, 30))  # second hand
    return [[(p[0], p[1], p[2], int(round(p[3] * 255))) for p in row] for row in rows]


def ico_image(size):
    """One 32-bit icon image: BITMAPINFOHEADER, bottom-up BGRA, then the AND mask."""
    pixels = clock_icon_pixels(size)
    header = struct.pack('<IiiHHIIiiII', 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    xor = b''.join(bytes((b, g, r, a)) for row in reversed(pixels) for (r, g, b, a) in row)
    stride = ((size + 31) // 32) * 4
    mask = b''
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bytes(bits)
    return header + xor + mask


def write_icon(path, sizes):
    images = [ico_image(s) for s in sizes]
    out = struct.pack('<HHH', 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for s, img in zip(sizes, images):
        out += struct.pack('<BBBBHHII', s % 256, s % 256, 0, 0, 1, 32, len(img), offset)
        offset += len(img)
    with open(path, 'wb') as f:
        f.write(out + b''.join(images))


if __name__ == '__main__':
    write_icon(os.path.join(HERE, 'clock.ico'), [16, 32])
