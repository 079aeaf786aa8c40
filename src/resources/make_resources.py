#!/usr/bin/env python3
"""Draws the program's built-in pictures and writes them beside this script.

Run it after changing a picture; its output is committed so a build needs no Python.
"""
import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
SKINS = os.path.join(HERE, '..', '..', 'skins')


def clock_icon_pixels(size, hinted=True):
    """A round clock face: dark rim, light dial, two hands at ten past ten. Returns rows of RGBA.

    Each size is drawn for itself. Up to 24 pixels the hands turn on a pixel centre and have hard edges, so they
    stay sharp lines instead of grey smears; larger sizes are smoothed, with hands of whole even widths."""
    c = (size - 1) / 2.0
    r_out = size / 2.0 - 0.5
    rim = max(1.5, size / 10.0)
    crisp = hinted and size <= 24
    pivot = math.floor(c) if crisp else c
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
        vx, vy = math.cos(a) * length, math.sin(a) * length
        for y in range(size):
            for x in range(size):
                # distance from the segment pivot->end
                t = max(0.0, min(1.0, ((x - pivot) * vx + (y - pivot) * vy) / (vx * vx + vy * vy)))
                dist = math.hypot(x - (pivot + t * vx), y - (pivot + t * vy))
                cover = max(0.0, min(1.0, width / 2.0 - dist + 0.5))
                if crisp:
                    cover = 1.0 if cover >= 0.5 else 0.0
                if cover > 0 and rows[y][x][3] > 0:
                    px = rows[y][x]
                    for i in range(3):
                        px[i] = int(px[i] * (1 - cover) + rgb[i] * cover)

    def width(w):
        # Larger sizes take even widths: the upright second hand then covers whole pixels either side of the pivot.
        if not hinted:
            return w
        return max(1, round(w)) if crisp else max(2, 2 * round(w / 2))

    hand(300, size * 0.26, width(max(1.2, size / 12.0)), (30, 30, 30))   # hour hand at ten
    hand(60, size * 0.36, width(max(1.0, size / 16.0)), (30, 30, 30))    # minute hand at two
    hand(180, size * 0.34, width(max(0.8, size / 24.0)), (200, 30, 30))  # second hand
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


# The sizes the shell asks for at 100 to 200 % scaling: small icons 16 to 32, large ones 32 to 64.
ICON_SIZES = [16, 20, 24, 32, 48, 64]


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
# Pictures of the clock face. An Image holds (r, g, b) floats; shapes are drawn with 4 x 4 supersampling, so
# slanted edges are smooth while edges on pixel boundaries stay crisp.

SS = 4


def clamp(v):
    return max(0, min(255, int(round(v))))


def mix(a, b, t):
    return tuple(a[i] * (1 - t) + b[i] * t for i in range(3))


def scale(colour, factor, lift=0.0):
    return tuple(min(255.0, c * factor + lift) for c in colour)


class Image:
    def __init__(self, width, height, colour=(0, 0, 0)):
        self.width, self.height = width, height
        self.px = [[tuple(colour)] * width for _ in range(height)]

    def inside(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height

    def set(self, x, y, colour):
        if self.inside(x, y):
            self.px[y][x] = tuple(colour)

    def get(self, x, y):
        return self.px[y][x]

    def fill_rect(self, x0, y0, x1, y1, colour):
        """Fills [x0, x1) x [y0, y1)."""
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                self.px[y][x] = tuple(colour)

    def cover(self, shape, colour, box=None, strength=1.0):
        """Blends colour over each pixel by the share of its subsamples inside shape(x, y)."""
        x0, y0, x1, y1 = box or (0, 0, self.width, self.height)
        for y in range(max(0, y0), min(self.height, y1)):
            for x in range(max(0, x0), min(self.width, x1)):
                hits = sum(shape(x + (i + 0.5) / SS, y + (j + 0.5) / SS) for i in range(SS) for j in range(SS))
                if hits:
                    self.px[y][x] = mix(self.px[y][x], colour, strength * hits / (SS * SS))

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
    """background: the strip's own (and the panel's) colour; unlit: the faint idle segments; glow: halo or None."""

    def __init__(self, background, lit, unlit, glow=None):
        self.background, self.lit, self.unlit, self.glow = background, lit, unlit, glow


# A glyph is 15 pixels wide; the digit sits in columns 2 to 12 and rows 2 to 22 of its cell, so the column a
# 16-pixel copy takes from the next glyph is plain background.
DIGIT_BOX = (2, 2, 11, 21)
THICKNESS = 3.0
GAP = 0.5


def draw_digit(image, ox, char, style):
    bx, by, bw, bh = DIGIT_BOX
    shapes = segment_shapes(ox + bx, by, bw, bh, THICKNESS, GAP)
    area = (ox, 0, ox + 15, 25)
    lit = [shapes[name] for name in SEGMENTS[char]]
    for name, shape in shapes.items():
        if name not in SEGMENTS[char]:
            image.cover(shape, style.unlit, area)
    if style.glow and lit:
        halo = lambda x, y: any(s(x + dx, y + dy) for s in lit for dx, dy in ((0.9, 0), (-0.9, 0), (0, 0.9), (0, -0.9)))
        image.cover(halo, style.glow, area, strength=0.22)
    for shape in lit:
        image.cover(shape, style.lit, area)


def draw_colon(image, ox, style):
    """Two 3 x 3 dots, placed so the gaps to the digits on either side are equal."""
    area = (ox, 0, ox + 8, 25)
    for top in (7, 15):
        if style.glow:
            halo = lambda x, y, top=top: ox + 1.2 <= x <= ox + 5.8 and top - 0.8 <= y <= top + 3.8
            image.cover(halo, style.glow, area, strength=0.22)
        image.fill_rect(ox + 2, top, ox + 5, top + 3, style.lit)


def digit_strip(style):
    """180 x 25: digits 0-9 every 15 pixels, the colon at 151 (8 wide), the blank (an idle digit) from 158."""
    image = Image(180, 25, style.background)
    for d in range(10):
        draw_digit(image, 15 * d, str(d), style)
    draw_colon(image, 151, style)
    draw_digit(image, 158, ' ', style)
    return image


ICE = StripStyle((7, 10, 15), (120, 222, 255), (17, 27, 37))
GREEN = StripStyle((5, 11, 7), (110, 255, 140), (11, 25, 14), glow=(60, 200, 90))
AMBER = StripStyle((12, 8, 4), (255, 178, 64), (27, 18, 9), glow=(230, 130, 30))


# --- Backgrounds ----------------------------------------------------------------------------------------------

TIME_W, TIME_H = 111, 25


def gradient(stops, t):
    """Colour at t (0 to 1) of a gradient through evenly spaced stops."""
    t = max(0.0, min(1.0, t)) * (len(stops) - 1)
    i = min(int(t), len(stops) - 2)
    return mix(stops[i], stops[i + 1], t - i)


def rounded_rect(x0, y0, x1, y1, radius):
    """Test of a point against the rectangle [x0, x1) x [y0, y1) with rounded corners."""
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + radius), x1 - radius)
        cy = min(max(y, y0 + radius), y1 - radius)
        return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2
    return inside


def chamfered_rect(x0, y0, x1, y1, cut):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        return min(x - x0, x1 - x) + min(y - y0, y1 - y) >= cut
    return inside


def pixel_mask(width, height, shape):
    """Which pixels belong to the outline: a pixel is in when its centre is (hard edges; the region is binary)."""
    return [[shape(x + 0.5, y + 0.5) for x in range(width)] for y in range(height)]


def plate(width, height, shape, transparent, fill, rim_light=1.35, rim_dark=0.55):
    """A raised plate: fill(x, y) inside the outline, a light rim along its top and left, a dark one along its
    bottom and right, the transparent colour outside."""
    mask = pixel_mask(width, height, shape)
    image = Image(width, height, transparent)

    def m(x, y):
        return 0 <= x < width and 0 <= y < height and mask[y][x]

    for y in range(height):
        for x in range(width):
            if not mask[y][x]:
                continue
            colour = fill(x, y)
            if not m(x, y + 1) or not m(x + 1, y):
                colour = scale(colour, rim_dark)
            elif not m(x, y - 1) or not m(x - 1, y):
                colour = scale(colour, rim_light, 18)
            image.set(x, y, colour)
    return image


def sunken_panel(image, left, top, margin, colour, radius=0):
    """The time panel: a one-pixel sunken bevel around a margin of the strip's background around the time area.

    Only the time area is pure black, and it stops one column short of the area's right edge: that is where the
    scan for black puts the time. The margin is a hair above black so it never scans as the time."""
    x0, y0 = left - margin, top - margin
    x1, y1 = left + TIME_W + margin, top + TIME_H + margin
    outer = rounded_rect(x0 - 1, y0 - 1, x1 + 1, y1 + 1, radius + 1) if radius else None
    for y in range(y0 - 1, y1 + 1):
        for x in range(x0 - 1, x1 + 1):
            if outer and not outer(x + 0.5, y + 0.5):
                continue
            here = image.get(x, y)
            if x == x0 - 1 or y == y0 - 1:
                image.set(x, y, scale(here, 0.5))
            elif x == x1 or y == y1:
                image.set(x, y, scale(here, 1.3, 24))
    inner = rounded_rect(x0, y0, x1, y1, radius) if radius else (lambda x, y: True)
    for y in range(y0, y1):
        for x in range(x0, x1):
            if inner(x + 0.5, y + 0.5):
                image.set(x, y, colour)
    image.fill_rect(left, top, left + TIME_W - 1, top + TIME_H, (0, 0, 0))


def check_background(image, name, left, top):
    """The same rules the program applies: size, transparent corner, and the black scan landing at (left, top)."""
    assert 110 <= image.width <= 200 and 26 <= image.height <= 200, name
    black = [(x, y) for y in range(image.height) for x in range(image.width)
             if tuple(clamp(c) for c in image.get(x, y)) == (0, 0, 0)]
    x = max(bx for bx, _ in black)
    y = min(by for bx, by in black if bx == x)
    assert (x - 109, y) == (left, top), f'{name}: time lands at {(x - 109, y)}, meant {(left, top)}'


def builtin_background():
    """120 x 38, 8 bits: a graphite bezel with notched red corners; the time lands at (5, 7)."""
    steel = [(176, 182, 192), (128, 134, 146), (92, 97, 108), (74, 78, 88)]
    image = plate(120, 38, rounded_rect(0, 0, 120, 38, 4.5), (255, 0, 0),
                  lambda x, y: gradient(steel, y / 37))
    sunken_panel(image, 5, 7, 2, ICE.background)
    check_background(image, 'built-in', 5, 7)
    return image


def brushed(stops, height, seed):
    """A vertical gradient with a fine horizontal grain, as brushed metal."""
    def fill(x, y):
        grain = math.sin(y * 12.9898 + seed) * 43758.5453
        grain = (grain - math.floor(grain) - 0.5) * 7
        sheen = 0.06 * math.sin(x / 17.0 + seed)
        return scale(gradient(stops, y / (height - 1)), 1 + sheen, grain)
    return fill


def capsule_skin():
    """A wide pill of brushed silver."""
    w, h = 180, 44
    image = plate(w, h, rounded_rect(0, 0, w, h, h / 2), (255, 0, 255),
                  brushed([(214, 218, 224), (168, 173, 182), (128, 133, 142), (150, 155, 164)], h, 1.0))
    sunken_panel(image, 34, 10, 3, ICE.background, radius=3)
    check_background(image, 'capsule', 34, 10)
    return image


def tower_skin():
    """A tall charcoal body with a lettered label area above the time and two small lamps."""
    w, h = 140, 76
    image = plate(w, h, rounded_rect(0, 0, w, h, 7), (0, 255, 0),
                  brushed([(78, 82, 90), (52, 55, 62), (38, 40, 46)], h, 2.0))
    # The label plate.
    label = rounded_rect(12, 8, 128, 28, 3)
    for y in range(7, 29):
        for x in range(11, 129):
            if label(x + 0.5, y + 0.5):
                image.set(x, y, gradient([(34, 36, 42), (24, 26, 30)], (y - 8) / 20))
    draw_text(image, 70 - text_width('ALARM', 2.0) / 2, 11, 'ALARM', (255, 184, 80), pitch=2.0, dot=0.42)
    for cx in (22, 118):
        image.cover(lambda x, y, cx=cx: (x - cx) ** 2 + (y - 18) ** 2 <= 9, (60, 16, 12))
        image.cover(lambda x, y, cx=cx: (x - cx) ** 2 + (y - 18) ** 2 <= 4, (255, 80, 50))
    sunken_panel(image, 14, 40, 3, AMBER.background, radius=2)
    check_background(image, 'tower', 14, 40)
    return image


def slate_skin():
    """A slab of dark blue glass with cut corners and a cyan edge light."""
    w, h = 160, 36
    glass = [(40, 58, 86), (22, 32, 52), (14, 20, 34)]
    image = plate(w, h, chamfered_rect(0, 0, w, h, 7), (255, 255, 255),
                  lambda x, y: gradient(glass, y / (h - 1)), rim_light=1.0, rim_dark=0.6)
    mask = pixel_mask(w, h, chamfered_rect(0, 0, w, h, 7))
    for x in range(w):
        for y in range(h):
            if mask[y][x]:
                image.set(x, y, mix(image.get(x, y), (90, 200, 255), 0.8))
                break
    sunken_panel(image, 24, 6, 2, ICE.background)
    check_background(image, 'slate', 24, 6)
    return image


def brass_skin():
    """Warm brass with a small engraved name plate under the time."""
    w, h = 132, 52
    image = plate(w, h, rounded_rect(0, 0, w, h, 9), (255, 0, 255),
                  brushed([(236, 204, 128), (196, 156, 82), (150, 112, 52), (176, 136, 66)], h, 3.0))
    sunken_panel(image, 10, 8, 2, AMBER.background, radius=2)
    draw_text(image, 66 - text_width('TOLLWICK', 1.0) / 2, 39, 'TOLLWICK', (98, 70, 30), pitch=1.0, dot=0.6,
              shadow=(236, 206, 140))
    check_background(image, 'brass', 10, 8)
    return image


# --- Dot-matrix lettering -------------------------------------------------------------------------------------

FONT = {  # 5 x 7 cells, rows from the top; '#' is a lit dot
    'A': [' ### ', '#   #', '#   #', '#####', '#   #', '#   #', '#   #'],
    'C': [' ### ', '#   #', '#    ', '#    ', '#    ', '#   #', ' ### '],
    'I': [' ### ', '  #  ', '  #  ', '  #  ', '  #  ', '  #  ', ' ### '],
    'K': ['#   #', '#  # ', '# #  ', '##   ', '# #  ', '#  # ', '#   #'],
    'L': ['#    ', '#    ', '#    ', '#    ', '#    ', '#    ', '#####'],
    'M': ['#   #', '## ##', '# # #', '#   #', '#   #', '#   #', '#   #'],
    'O': [' ### ', '#   #', '#   #', '#   #', '#   #', '#   #', ' ### '],
    'R': ['#### ', '#   #', '#   #', '#### ', '# #  ', '#  # ', '#   #'],
    'T': ['#####', '  #  ', '  #  ', '  #  ', '  #  ', '  #  ', '  #  '],
    'V': ['#   #', '#   #', '#   #', '#   #', '#   #', ' # # ', '  #  '],
    'W': ['#   #', '#   #', '#   #', '# # #', '# # #', '## ##', '#   #'],
    'a': ['     ', '     ', ' ### ', '    #', ' ####', '#   #', ' ####'],
    'c': ['     ', '     ', ' ### ', '#    ', '#    ', '#   #', ' ### '],
    'e': ['     ', '     ', ' ### ', '#   #', '#####', '#    ', ' ### '],
    'i': ['  #  ', '     ', ' ##  ', '  #  ', '  #  ', '  #  ', ' ### '],
    'k': ['#    ', '#    ', '#  # ', '# #  ', '##   ', '# #  ', '#  # '],
    'l': [' ##  ', '  #  ', '  #  ', '  #  ', '  #  ', '  #  ', ' ### '],
    'o': ['     ', '     ', ' ### ', '#   #', '#   #', '#   #', ' ### '],
    'r': ['     ', '     ', '# ## ', '##  #', '#    ', '#    ', '#    '],
    's': ['     ', '     ', ' ####', '#    ', ' ### ', '    #', '#### '],
    't': [' #   ', ' #   ', '#### ', ' #   ', ' #   ', ' #  #', '  ## '],
    'w': ['     ', '     ', '#   #', '#   #', '# # #', '# # #', ' # # '],
    'm': ['     ', '     ', '## # ', '# # #', '# # #', '# # #', '# # #'],
    'p': ['     ', '     ', '#### ', '#   #', '#### ', '#    ', '#    '],
    'h': ['#    ', '#    ', '# ## ', '##  #', '#   #', '#   #', '#   #'],
    'D': ['#### ', '#   #', '#   #', '#   #', '#   #', '#   #', '#### '],
    '0': [' ### ', '#   #', '#  ##', '# # #', '##  #', '#   #', ' ### '],
    '1': ['  #  ', ' ##  ', '  #  ', '  #  ', '  #  ', '  #  ', ' ### '],
    '2': [' ### ', '#   #', '    #', '   # ', '  #  ', ' #   ', '#####'],
    '.': ['     ', '     ', '     ', '     ', '     ', ' ##  ', ' ##  '],
    ' ': ['     ', '     ', '     ', '     ', '     ', '     ', '     '],
}


def text_width(text, pitch):
    return (len(text) * 6 - 1) * pitch


def draw_text(image, x0, y0, text, colour, pitch=1.0, dot=0.5, shadow=None):
    """Each lit cell of the 5 x 7 font becomes a round dot; pitch is the cell size, dot the radius in cells."""
    dots = []
    for n, ch in enumerate(text):
        for j, row in enumerate(FONT[ch]):
            for i, cell in enumerate(row):
                if cell == '#':
                    dots.append((x0 + (n * 6 + i + 0.5) * pitch, y0 + (j + 0.5) * pitch))
    r2 = (dot * pitch) ** 2
    buckets = {}
    for px, py in dots:
        buckets.setdefault((int(px // 4), int(py // 4)), []).append((px, py))

    def lit(x, y):
        bx, by = int(x // 4), int(y // 4)
        return any((x - px) ** 2 + (y - py) ** 2 <= r2
                   for i in (-1, 0, 1) for j in (-1, 0, 1) for px, py in buckets.get((bx + i, by + j), ()))

    box = (int(x0) - 2, int(y0) - 2, int(x0 + text_width(text, pitch)) + 3, int(y0 + 7 * pitch) + 3)
    if shadow:
        image.cover(lambda x, y: lit(x - 1, y - 1), shadow, box)
    image.cover(lit, colour, box)


# --- The About picture ----------------------------------------------------------------------------------------

def about_picture():
    """280 x 185: the clock face, the name in lit dots and a seven-segment time over a night-blue plate."""
    image = Image(280, 185)
    for y in range(185):
        row = gradient([(32, 44, 70), (16, 22, 38), (9, 12, 22)], y / 184)
        for x in range(280):
            glow = max(0.0, 1 - math.hypot(x - 66, y - 72) / 140)
            image.set(x, y, mix(row, (58, 82, 122), glow * 0.45))
    for x in range(280):
        image.set(x, 0, (74, 90, 120))
        image.set(x, 184, (4, 6, 10))
    for y in range(185):
        image.set(0, y, (74, 90, 120))
        image.set(279, y, (4, 6, 10))

    icon = clock_icon_pixels(88, hinted=False)
    for y, row in enumerate(icon):
        for x, (r, g, b, a) in enumerate(row):
            if a:
                image.set(22 + x, 28 + y, mix(image.get(22 + x, 28 + y), (r, g, b), a / 255))

    draw_text(image, 128, 30, 'Tollwick', (236, 242, 250), pitch=2.5, dot=0.47, shadow=(6, 8, 16))
    draw_text(image, 129, 58, 'V2.01', ICE.lit, pitch=1.8, dot=0.47)
    draw_text(image, 129, 80, 'Desktop alarm clock', (156, 172, 196), pitch=1.0, dot=0.58)

    # A small time panel in the built-in strip's digits.
    strip = digit_strip(ICE)
    px, py = 128, 106
    image.fill_rect(px - 1, py - 1, px + 119, py + 32, (46, 58, 80))
    image.fill_rect(px, py, px + 119, py + 32, (64, 80, 108))
    image.fill_rect(px, py, px + 118, py + 31, ICE.background)
    x = px + 9
    for ch in '7:30':
        sx, w = (151, 8) if ch == ':' else (15 * int(ch), 16)
        for yy in range(25):
            for xx in range(w):
                image.set(x + xx, py + 3 + yy, strip.get(sx + xx, yy))
        x += w
    draw_text(image, 128, 160, 'Click to close', (98, 112, 138), pitch=1.0, dot=0.58)
    return image


def write_face_pictures():
    write_bmp(os.path.join(HERE, 'background.bmp'), builtin_background(), bits=8)
    write_bmp(os.path.join(HERE, 'digits.bmp'), digit_strip(ICE))
    write_bmp(os.path.join(HERE, 'about.bmp'), about_picture())
    os.makedirs(SKINS, exist_ok=True)
    for name, image in (('Capsule.bmp', capsule_skin()), ('Tower.bmp', tower_skin()), ('Slate.bmp', slate_skin()),
                        ('Brass.bmp', brass_skin()), ('Green LED.bmp', digit_strip(GREEN)),
                        ('Amber LED.bmp', digit_strip(AMBER))):
        write_bmp(os.path.join(SKINS, name), image)


if __name__ == '__main__':
    write_icon(os.path.join(HERE, 'clock.ico'), ICON_SIZES)
    write_face_pictures()
