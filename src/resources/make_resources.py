#!/usr/bin/env python3
"""Draws the program's built-in pictures and writes them beside this script.

Run it after changing a picture; its output is committed so a build needs no Python.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SKINS = os.path.join(HERE, '..', '..', 'skins')


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




# ---------------------------------------------------------------------------------------------------------------
# Pictures of the clock face. An Image holds (r, g, b) floats; shapes are drawn with 4 x 4 supersampling so
# diagonal edges are smooth while edges on pixel boundaries stay crisp.

SS = 4


def clamp(v):
    return max(0, min(255, int(round(v))))


def mix(a, b, t):
    return tuple(a[i] * (1 - t) + b[i] * t for i in range(3))


class Image:
    def __init__(self, width, height, colour=(0, 0, 0)):
        self.width, self.height = width, height
        self.px = [[tuple(colour)] * width for _ in range(height)]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = tuple(colour)

    def get(self, x, y):
        return self.px[y][x]

    def fill_rect(self, x0, y0, x1, y1, colour):
        """Fills [x0, x1) x [y0, y1)."""
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.px[y][x] = tuple(colour)

    def cover(self, inside, colour, box=None):
        """Blends colour over every pixel by the share of its subsamples for which inside(x, y) holds."""
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                hits = sum(inside(x + (i + 0.5) / SS, y + (j + 0.5) / SS) for i in range(SS) for j in range(SS))
                if hits:
                    self.px[y][x] = mix(self.px[y][x], colour, hits / (SS * SS))

    def blit(self, other, dx, dy):
        for y in range(other.height):
            for x in range(other.width):
                self.set(dx + x, dy + y, other.px[y][x])


def write_bmp(path, image, bits=24):
    """An uncompressed bottom-up BMP; 8 bits takes a palette of the picture's own colours (at most 256)."""
    rows = [[tuple(clamp(c) for c in p) for p in row] for row in image.px]
    palette = []
    if bits == 8:
        palette = sorted({p for row in rows for p in row})
        assert len(palette) <= 256, f'{path}: {len(palette)} colours do not fit a palette'
        index = {p: i for i, p in enumerate(palette)}
    stride = ((image.width * bits // 8) + 3) & ~3
    body = b''
    for row in reversed(rows):
        if bits == 8:
            line = bytes(index[p] for p in row)
        else:
            line = b''.join(bytes((b, g, r)) for (r, g, b) in row)
        body += line + b'\0' * (stride - len(line))
    table = b''.join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    offset = 14 + 40 + len(table)
    header = struct.pack('<2sIHHI', b'BM', offset + len(body), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, image.width, image.height, 1, bits, 0, len(body), 2835, 2835,
                       len(palette), 0)
    with open(path, 'wb') as f:
        f.write(header + info + table + body)


# --- Seven-segment digits -------------------------------------------------------------------------------------

SEGMENTS = {  # a top, b upper right, c lower right, d bottom, e lower left, f upper left, g middle
    '0': 'abcdef', '1': 'bc', '2': 'abdeg', '3': 'abcdg', '4': 'bcfg', '5': 'acdfg', '6': 'acdefg', '7': 'abc',
    '8': 'abcdefg', '9': 'abcdfg', ' ': '',
}


def segment_shapes(x0, y0, w, h, t, gap):
    """Each segment as a test on a point: a bar of thickness t with 45-degree pointed ends."""
    left, right = x0 + t / 2, x0 + w - t / 2
    top, mid, bottom = y0 + t / 2, y0 + h / 2, y0 + h - t / 2

    def bar_h(cy, xa, xb):
        return lambda x, y: abs(y - cy) <= min(t / 2, x - xa, xb - x)

    def bar_v(cx, ya, yb):
        return lambda x, y: abs(x - cx) <= min(t / 2, y - ya, yb - y)

    return {
        'a': bar_h(top, left + gap, right - gap), 'g': bar_h(mid, left + gap, right - gap),
        'd': bar_h(bottom, left + gap, right - gap),
        'f': bar_v(left, top + gap, mid - gap), 'b': bar_v(right, top + gap, mid - gap),
        'e': bar_v(left, mid + gap, bottom - gap), 'c': bar_v(right, mid + gap, bottom - gap),
    }


class StripStyle:
    def __init__(self, background, lit, unlit, glow=None):
        self.background, self.lit, self.unlit, self.glow = background, lit, unlit, glow


def draw_digit(image, ox, char, style, box=(2, 2, 11, 21), thickness=2.6, gap=0.55):
    bx, by, bw, bh = box
    shapes = segment_shapes(ox + bx, by, bw, bh, thickness, gap)
    area = (ox, 0, ox + 15, 25)
    for name, inside in shapes.items():
        on = name in SEGMENTS[char]
        if on and style.glow:
            halo = segment_shapes(ox + bx - 0.9, by - 0.9, bw + 1.8, bh + 1.8, thickness + 1.8, gap)[name]
            image.cover(halo, mix(style.background, style.glow, 0.35), area)
        image.cover(inside, style.lit if on else style.unlit, area)


def draw_colon(image, ox, style):
    for cy in (8.5, 16.5):
        dot = lambda x, y, cy=cy: abs(x - (ox + 4)) <= 1.3 and abs(y - cy) <= 1.3
        if style.glow:
            halo = lambda x, y, cy=cy: (x - (ox + 4)) ** 2 + (y - cy) ** 2 <= 2.6 ** 2
            image.cover(halo, mix(style.background, style.glow, 0.35), (ox, 0, ox + 8, 25))
        image.cover(dot, style.lit, (ox, 0, ox + 8, 25))


def digit_strip(style):
    """180 x 25: digits 0-9 every 15 pixels, the colon at 151 (8 wide), the blank (unlit digit) from 158."""
    image = Image(180, 25, style.background)
    for d in range(10):
        draw_digit(image, 15 * d, str(d), style)
    draw_colon(image, 151, style)
    draw_digit(image, 158, ' ', style)
    return image


# --- Backgrounds ----------------------------------------------------------------------------------------------

TIME_W, TIME_H = 111, 25


def vertical_gradient(stops, y, height):
    """Colour at row y of a gradient through evenly spaced stops."""
    t = y / max(1, height - 1) * (len(stops) - 1)
    i = min(int(t), len(stops) - 2)
    return mix(stops[i], stops[i + 1], t - i)


def time_panel(image, left, top, margin, panel_colour):
    """The sunken panel: a two-pixel bevel around a dark margin around the pure black time area.

    The black stops one column short of the time area's right edge (the digit places end with the strip's own
    background there), and the margin is a hair above black so only the time area scans as black."""
    x0, y0 = left - margin, top - margin
    x1, y1 = left + TIME_W + margin, top + TIME_H + margin
    shade, light = (0.45, 0.62), (1.35, 1.18)
    for k in range(2):
        for x in range(x0 - 2 + k, x1 + 2 - k):
            image.set(x, y0 - 2 + k, tuple(c * shade[k] for c in image.get(x, y0 - 2 + k)))
            image.set(x, y1 + 1 - k, tuple(min(255, c * light[k]) for c in image.get(x, y1 + 1 - k)))
        for y in range(y0 - 2 + k, y1 + 2 - k):
            image.set(x0 - 2 + k, y, tuple(c * shade[k] for c in image.get(x0 - 2 + k, y)))
            image.set(x1 + 1 - k, y, tuple(min(255, c * light[k]) for c in image.get(x1 + 1 - k, y)))
    image.fill_rect(x0, y0, x1, y1, panel_colour)
    image.fill_rect(left, top, left + TIME_W - 1, top + TIME_H, (0, 0, 0))


def rounded_mask(width, height, radius):
    """Which pixels lie inside a rectangle with corners of the given radius."""
    def inside(x, y):
        cx = min(max(x + 0.5, radius), width - radius)
        cy = min(max(y + 0.5, radius), height - radius)
        return (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius ** 2 + 0.25
    return inside


def framed_background(width, height, radius, transparent, metal, panel_left, panel_top, margin, panel_colour,
                      extra=None):
    """A raised metal plate of the given shape holding a sunken time panel; outside the plate is transparent."""
    image = Image(width, height, transparent)
    inside = rounded_mask(width, height, radius)
    for y in range(height):
        base = vertical_gradient(metal, y, height)
        for x in range(width):
            if inside(x, y):
                image.set(x, y, base)
    # Raised edge: light along the top and left, dark along the bottom and right.
    for y in range(height):
        for x in range(width):
            if not inside(x, y):
                continue
            edge_up = not inside(x, y - 1) or not inside(x - 1, y)
            edge_down = not inside(x, y + 1) or not inside(x + 1, y)
            if edge_down:
                image.set(x, y, tuple(c * 0.55 for c in image.get(x, y)))
            elif edge_up:
                image.set(x, y, tuple(min(255, c * 1.45 + 20) for c in image.get(x, y)))
    if extra:
        extra(image)
    time_panel(image, panel_left, panel_top, margin, panel_colour)
    return image


PANEL = (7, 10, 15)  # a hair above black, the built-in strip's own background


def builtin_background():
    """120 x 38, 8 bits: a graphite plate with notched red corners; the time lands at (5, 7)."""
    steel = [(168, 174, 184), (122, 128, 140), (84, 89, 100), (104, 110, 122)]
    return framed_background(120, 38, 3.2, (255, 0, 0), steel, 5, 7, 2, PANEL)


# --- Dot-matrix lettering for the About picture and labels ----------------------------------------------------

FONT = {  # 5 x 7, rows top to bottom, '#' lit
    'A': ' ### #   ##   #######   ##   ##   #', 'B': '#### #   ##   ##### #   ##   ##### ',
    'C': ' ### #   ##    #    #    #   # ### ', 'D': '#### #   ##   ##   ##   ##   ##### ',
    'E': '######    #    #### #    #    #####', 'K': '#   ##  # # #  ##   # #  #  # #   #',
    'L': '#    #    #    #    #    #    #####', 'M': '#   ### ## # ##   ##   ##   ##   #',
    'O': ' ### #   ##   ##   ##   ##   # ### ', 'R': '#### #   ##   ##### # #  #  # #   #',
    'T': '#####  #    #    #    #    #    #  ', 'V': '#   ##   ##   ##   ##   # # #   #  ',
    'W': '#   ##   ##   ## # ## # ### ###   #', 'S': ' ####    #     ###     #    #####',
    'I': ' ###   #    #    #    #    #   ### ', 'N': '#   ###  ## # ##  ###   ##   ##   #',
    'H': '#   ##   ##   #######   ##   ##   #', 'P': '#### #   ##   ##### #    #    #    ',
    'U': '#   ##   ##   ##   ##   ##   # ### ', 'Y': '#   ##   # # #   #    #    #    #  ',
    'a': '           ###     # #####   # ####', 'c': '           ### #    #    #   # ### ',
    'e': '           ### #   #######    #### ', 'i': '  #          ##    #    #    #   ###',
    'k': '#    #    #  # # #  ##   # #  #  # ', 'l': ' ##    #    #    #    #    #   ###',
    'o': '           ### #   ##   ##   # ### ', 'r': '          # ## ##   #    #    #    ',
    's': '           #####     ###     ##### ', 't': ' #    #   ####  #    #    #  #  ## ',
    'w': '          #   ##   ## # ## # # # # ', 'm': '          ## # # # ## # ## # ## # #',
    'n': '          # ## ##   ##   ##   ##   #', 'p': '          #### #   ######  #    #    ',
    'd': '    #    # ## ##   ##   ##   # ####', 'h': '#    #    # ## ##   ##   ##   ##   #',
    'u': '          #   ##   ##   ##  ## ## #', 'y': '          #   ##   # #### #    # ### ',
    'g': '           #####   # #### #    ### ', 'f': '  ##  #  # #   ###   #    #    #   ',
    'b': '#    #    # ## ##   ##   ##   #### ', 'v': '          #   ##   ##   # # #   #  ',
    '0': ' ### #   ##  ### # ###  ##   # ### ', '1': '  #   ##    #    #    #    #   ### ',
    '2': ' ### #   #    #   #   #   #   #####', '.': '                              ##   ',
    ' ': '                                   ', ',': '                         ##   #  # ',
    '-': '               ###                 ',
}


def text_width(text, pitch):
    return len(text) * 6 * pitch - pitch


def draw_text(image, x0, y0, text, colour, pitch=1.0, dot=0.5, shadow=None):
    """Each lit cell of the 5 x 7 font is a round dot `pitch` pixels apart (dot is its radius in cells)."""
    dots = []
    for n, ch in enumerate(text):
        rows = FONT[ch].ljust(35)
        for j in range(7):
            for i in range(5):
                if rows[j * 5 + i] == '#':
                    dots.append((x0 + (n * 6 + i + 0.5) * pitch, y0 + (j + 0.5) * pitch))
    r = dot * pitch
    box = (int(x0) - 2, int(y0) - 2, int(x0 + text_width(text, pitch)) + 3, int(y0 + 7 * pitch) + 3)

    def inside(x, y, dx=0.0, dy=0.0):
        cell_x = int((x - dx - x0) // pitch)
        cell_y = int((y - dy - y0) // pitch)
        for cx, cy in ((cell_x, cell_y), (cell_x - 1, cell_y), (cell_x, cell_y - 1), (cell_x - 1, cell_y - 1),
                       (cell_x + 1, cell_y), (cell_x, cell_y + 1), (cell_x + 1, cell_y + 1)):
            pass
        return any((x - dx - px) ** 2 + (y - dy - py) ** 2 <= r * r for px, py in near(x - dx, y - dy))

    buckets = {}
    for px, py in dots:
        buckets.setdefault((int(px // 4), int(py // 4)), []).append((px, py))

    def near(x, y):
        bx, by = int(x // 4), int(y // 4)
        for i in (-1, 0, 1):
            for j in (-1, 0, 1):
                yield from buckets.get((bx + i, by + j), ())

    if shadow:
        image.cover(lambda x, y: inside(x, y, 1, 1), shadow, box)
    image.cover(inside, colour, box)


# --- The About picture ----------------------------------------------------------------------------------------

def about_picture():
    """280 x 185: the clock's name in lit dots over a night-blue plate, a clock face and a seven-segment time."""
    image = Image(280, 185)
    for y in range(185):
        row = vertical_gradient([(30, 42, 66), (14, 20, 34), (8, 11, 20)], y, 185)
        for x in range(280):
            glow = max(0.0, 1 - math.hypot(x - 70, y - 70) / 150)
            image.set(x, y, mix(row, (52, 74, 110), glow * 0.5))
    # A thin frame: light inner line, dark outer line.
    for x in range(280):
        image.set(x, 0, (70, 86, 116)); image.set(x, 184, (4, 6, 10))
    for y in range(185):
        image.set(0, y, (70, 86, 116)); image.set(279, y, (4, 6, 10))

    icon = clock_icon_pixels(84)
    for y, row in enumerate(icon):
        for x, (r, g, b, a) in enumerate(row):
            if a:
                px, py = 24 + x, 26 + y
                image.set(px, py, mix(image.get(px, py), (r, g, b), a / 255))

    draw_text(image, 126, 34, 'Tollwick', (235, 242, 250), pitch=2.6, dot=0.46, shadow=(4, 6, 12))
    draw_text(image, 128, 62, 'V2.01', (110, 215, 255), pitch=1.7, dot=0.46)
    draw_text(image, 128, 84, 'Desktop alarm clock', (160, 176, 198), pitch=1.0, dot=0.55)

    style = StripStyle(PANEL, (110, 215, 255), (18, 28, 40))
    panel = Image(132, 33, PANEL)
    strip = digit_strip(style)
    for n, (ch, ox) in enumerate(zip('12:00', (4, 20, 36, 44, 60))):
        sx, w = (151, 8) if ch == ':' else (15 * int(ch), 15)
        for y in range(25):
            for x in range(w):
                panel.set(ox + x + 26, 4 + y, strip.get(sx + x, y))
    image.fill_rect(126, 112, 258, 145, (60, 74, 98))
    image.fill_rect(127, 113, 258, 145, (10, 14, 22))
    image.blit(panel, 127, 113)
    draw_text(image, 126, 164, 'Click to close', (96, 110, 134), pitch=1.0, dot=0.55)
    return image


def write_face_pictures():
    write_bmp(os.path.join(HERE, 'background.bmp'), builtin_background(), bits=8)
    write_bmp(os.path.join(HERE, 'digits.bmp'), digit_strip(StripStyle(PANEL, (110, 215, 255), (18, 28, 40))))
    write_bmp(os.path.join(HERE, 'about.bmp'), about_picture())


if __name__ == '__main__':
    write_icon(os.path.join(HERE, 'clock.ico'), [16, 32])
    write_face_pictures()
