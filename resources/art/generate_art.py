#!/usr/bin/env python3
"""Draws every picture, cursor and the icon of the user-interface module and writes them next to this
script as .bmp, .cur and .ico files. Standard library only; run it after changing a picture and commit
its output, which the resource compiler reads.

Conventions of the pictures:
- Ordinary bitmaps are 8-bit with a colour table. The module loads them with the platform's mapping of
  the standard greys to the current 3-D colours, so (192, 192, 192) shows as the dialog face,
  (128, 128, 128) as its shadow and (223, 223, 223) as its light colour. Greys meant to stay grey use
  other values.
- Tab pictures are 16-colour bitmaps in the standard VGA order; entry 7 (silver) takes the face colour
  when they are drawn.
- Everything is flat, hard-edged pixel art: no anti-aliasing against the face, so no halo shows when
  the face colour differs from silver.
"""

import math
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))

# ---------------------------------------------------------------------------------------------------
# Colours

FACE = (192, 192, 192)
SHADOW = (128, 128, 128)
LIGHT = (223, 223, 223)
WHITE = (255, 255, 255)
BLACK = (0, 0, 0)

INK = (24, 28, 40)  # outlines that are not pure black
NAVY = (16, 40, 104)
BLUE = (32, 88, 176)
SKY = (150, 200, 240)
TEAL = (0, 120, 128)
GREEN = (40, 150, 60)
BEAM = (60, 230, 170)
ORANGE = (236, 128, 16)
YELLOW = (250, 210, 40)
BROWN = (150, 92, 44)
PAPER = (255, 255, 255)
RULE = (150, 156, 170)  # text lines on paper
STEEL = (84, 100, 130)
STEEL_LIGHT = (150, 166, 196)
DIM = (100, 100, 100)  # a grey that stays grey

# The 16 colours of the tab pictures, in VGA order; entry 7 becomes the face colour.
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
    (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
    (255, 0, 255), (0, 255, 255), (255, 255, 255),
]

# ---------------------------------------------------------------------------------------------------
# A 5 x 7 pixel font with two rows for descenders.

FONT_ROWS = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "D": ["####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "G": [".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"],
    "H": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "I": [".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "J": ["..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."],
    "K": ["#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "Q": [".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "U": ["#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "V": ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "W": ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."],
    "X": ["#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"],
    "Y": ["#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."],
    "Z": ["#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"],
    "a": [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    "b": ["#....", "#....", "####.", "#...#", "#...#", "#...#", "####."],
    "c": [".....", ".....", ".####", "#....", "#....", "#....", ".####"],
    "d": ["....#", "....#", ".####", "#...#", "#...#", "#...#", ".####"],
    "e": [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    "f": ["..##.", ".#...", "####.", ".#...", ".#...", ".#...", ".#..."],
    "g": [".....", ".....", ".####", "#...#", "#...#", ".####", "....#", "....#", ".###."],
    "h": ["#....", "#....", "####.", "#...#", "#...#", "#...#", "#...#"],
    "i": ["..#..", ".....", ".##..", "..#..", "..#..", "..#..", ".###."],
    "j": ["...#.", ".....", "..##.", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."],
    "k": ["#....", "#....", "#..#.", "#.#..", "##...", "#.#..", "#..#."],
    "l": [".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "m": [".....", ".....", "##.#.", "#.#.#", "#.#.#", "#.#.#", "#.#.#"],
    "n": [".....", ".....", "####.", "#...#", "#...#", "#...#", "#...#"],
    "o": [".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."],
    "p": [".....", ".....", "####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "q": [".....", ".....", ".####", "#...#", "#...#", ".####", "....#", "....#", "....#"],
    "r": [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
    "s": [".....", ".....", ".####", "#....", ".###.", "....#", "####."],
    "t": [".#...", ".#...", "####.", ".#...", ".#...", ".#..#", "..##."],
    "u": [".....", ".....", "#...#", "#...#", "#...#", "#..##", ".##.#"],
    "v": [".....", ".....", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    "w": [".....", ".....", "#...#", "#...#", "#.#.#", "#.#.#", ".#.#."],
    "x": [".....", ".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#"],
    "y": [".....", ".....", "#...#", "#...#", "#...#", ".####", "....#", "....#", ".###."],
    "z": [".....", ".....", "#####", "...#.", "..#..", ".#...", "#####"],
    "0": [".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."],
    "1": ["..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."],
    "2": [".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"],
    "3": ["####.", "....#", "....#", ".###.", "....#", "....#", "####."],
    "4": ["...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."],
    "5": ["#####", "#....", "####.", "....#", "....#", "#...#", ".###."],
    "6": [".###.", "#....", "#....", "####.", "#...#", "#...#", ".###."],
    "7": ["#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."],
    "8": [".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."],
    "9": [".###.", "#...#", "#...#", ".####", "....#", "....#", ".###."],
    " ": [".....", ".....", ".....", ".....", ".....", ".....", "....."],
    ".": [".....", ".....", ".....", ".....", ".....", ".##..", ".##.."],
    ",": [".....", ".....", ".....", ".....", ".##..", ".##..", "..#..", ".#..."],
    "-": [".....", ".....", ".....", "#####", ".....", ".....", "....."],
    ":": [".....", ".##..", ".##..", ".....", ".##..", ".##..", "....."],
    "/": ["....#", "....#", "...#.", "..#..", ".#...", "#....", "#...."],
    "(": ["...#.", "..#..", ".#...", ".#...", ".#...", "..#..", "...#."],
    ")": [".#...", "..#..", "...#.", "...#.", "...#.", "..#..", ".#..."],
    "&": [".##..", "#..#.", "#.#..", ".#...", "#.#.#", "#..#.", ".##.#"],
    "+": [".....", "..#..", "..#..", "#####", "..#..", "..#..", "....."],
    "?": [".###.", "#...#", "....#", "...#.", "..#..", ".....", "..#.."],
    "*": [".....", "..#..", ".###.", "..#..", ".....", ".....", "....."],
}


def text_width(text, scale=1, bold=False):
    return len(text) * 6 * scale - scale + (max(1, scale // 2) if bold else 0)


# ---------------------------------------------------------------------------------------------------
# Canvas

class Canvas:
    def __init__(self, width, height, background):
        self.width = width
        self.height = height
        self.pixels = [background] * (width * height)

    def get(self, x, y):
        return self.pixels[y * self.width + x]

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        """Fills x0 <= x < x1, y0 <= y < y1."""
        for y in range(max(0, y0), min(self.height, y1)):
            row = y * self.width
            for x in range(max(0, x0), min(self.width, x1)):
                self.pixels[row + x] = colour

    def line(self, x0, y0, x1, y1, colour):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err = dx + dy
        while True:
            self.set(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def shape(self, inside, fill=None, outline=None, clip=None):
        """Paints the pixels whose centres `inside(x, y)` accepts; pixels with a 4-neighbour outside the
        shape get `outline`, the rest `fill`. `clip(x, y)` limits where the outline is drawn."""
        mask = [[inside(x + 0.5, y + 0.5) for x in range(self.width)] for y in range(self.height)]

        def at(x, y):
            return 0 <= x < self.width and 0 <= y < self.height and mask[y][x]

        for y in range(self.height):
            for x in range(self.width):
                if not mask[y][x]:
                    continue
                edge = not (at(x - 1, y) and at(x + 1, y) and at(x, y - 1) and at(x, y + 1))
                if edge and outline is not None and (clip is None or clip(x, y)):
                    self.set(x, y, outline)
                elif fill is not None:
                    self.set(x, y, fill)

    def text(self, x, y, text, colour, scale=1, bold=False):
        extra = max(1, scale // 2) if bold else 0
        for ch in text:
            rows = FONT_ROWS[ch]
            for r, row in enumerate(rows):
                for c, bit in enumerate(row):
                    if bit == "#":
                        self.fill(x + c * scale, y + r * scale, x + (c + 1) * scale + extra, y + (r + 1) * scale,
                                  colour)
            x += 6 * scale

    def paste(self, other, x, y, transparent=None):
        for yy in range(other.height):
            for xx in range(other.width):
                c = other.get(xx, yy)
                if c != transparent:
                    self.set(x + xx, y + yy, c)


# Shapes as predicates of a point.

def disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_out, r_in):
    return lambda x, y: r_in * r_in < (x - cx) ** 2 + (y - cy) ** 2 <= r_out * r_out


def box(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def capsule(ax, ay, bx, by, r):
    def inside(x, y):
        vx, vy = bx - ax, by - ay
        t = ((x - ax) * vx + (y - ay) * vy) / float(vx * vx + vy * vy)
        t = max(0.0, min(1.0, t))
        px, py = ax + t * vx, ay + t * vy
        return (x - px) ** 2 + (y - py) ** 2 <= r * r
    return inside


def polygon(points):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i in range(len(points)):
            xi, yi = points[i]
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    return inside


# ---------------------------------------------------------------------------------------------------
# File writers

def bmp_bytes(width, height, bit_count, palette, indices):
    """A BMP file: file header, 40-byte info header, colour table and bottom-up rows."""
    stride = (width * bit_count + 31) // 32 * 4
    rows = []
    for y in range(height - 1, -1, -1):
        row = indices[y * width:(y + 1) * width]
        if bit_count == 8:
            data = bytes(row)
        else:
            data = bytes((row[i] << 4) | (row[i + 1] if i + 1 < width else 0) for i in range(0, width, 2))
        rows.append(data + b"\0" * (stride - len(data)))
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    pixels = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, bit_count, 0, len(pixels), 2835, 2835,
                       len(palette), 0)
    offset = 14 + len(info) + len(table)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return header + info + table + pixels


def write(name, data):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)


def save_bitmap(name, canvas):
    """An 8-bit bitmap whose colour table holds the canvas's colours in order of first use."""
    palette = []
    index = {}
    indices = []
    for c in canvas.pixels:
        if c not in index:
            index[c] = len(palette)
            palette.append(c)
        indices.append(index[c])
    if len(palette) > 256:
        raise ValueError("%s uses %d colours" % (name, len(palette)))
    write(name, bmp_bytes(canvas.width, canvas.height, 8, palette, indices))


def save_tab_bitmap(name, canvas):
    """A 16-colour bitmap in VGA order; every colour must be one of the 16."""
    indices = [VGA.index(c) for c in canvas.pixels]
    write(name, bmp_bytes(canvas.width, canvas.height, 4, VGA, indices))


def and_mask_rows(width, height, transparent):
    """Bottom-up 1-bit rows: 1 where the pixel is transparent."""
    stride = (width + 31) // 32 * 4
    rows = b""
    for y in range(height - 1, -1, -1):
        bits = bytearray(stride)
        for x in range(width):
            if transparent(x, y):
                bits[x // 8] |= 0x80 >> (x % 8)
        rows += bytes(bits)
    return rows


def cursor_bytes(art, hotspot):
    """A 32 x 32 monochrome cursor from 32 rows of '.' transparent, '#' black, 'o' white, 'x' inverted."""
    size = 32
    art = [row.ljust(size, ".") for row in art] + ["." * size] * (size - len(art))
    stride = 4
    xor_rows = b""
    for y in range(size - 1, -1, -1):
        bits = bytearray(stride)
        for x in range(size):
            if art[y][x] in "ox":
                bits[x // 8] |= 0x80 >> (x % 8)
        xor_rows += bytes(bits)
    and_rows = and_mask_rows(size, size, lambda x, y: art[y][x] in ".x")
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 1, 0, len(xor_rows) + len(and_rows), 0, 0, 2, 0)
    table = struct.pack("<BBBBBBBB", 0, 0, 0, 0, 255, 255, 255, 0)
    image = info + table + xor_rows + and_rows
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", size, size, 0, 0, hotspot[0], hotspot[1], len(image), 6 + 16)
    return directory + entry + image


def icon_bytes(canvases, transparent):
    """An icon file with one 8-bit image per canvas; pixels of colour `transparent` are see-through."""
    images = []
    for canvas in canvases:
        palette = []
        index = {}
        indices = []
        for c in canvas.pixels:
            c = BLACK if c == transparent else c
            if c not in index:
                index[c] = len(palette)
                palette.append(c)
            indices.append(index[c])
        palette += [BLACK] * (256 - len(palette))
        w, h = canvas.width, canvas.height
        stride = (w + 3) // 4 * 4
        xor_rows = b"".join(bytes(indices[y * w:(y + 1) * w]) + b"\0" * (stride - w) for y in range(h - 1, -1, -1))
        and_rows = and_mask_rows(w, h, lambda x, y, c=canvas: c.get(x, y) == transparent)
        info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 8, 0, len(xor_rows) + len(and_rows), 0, 0, 0, 0)
        table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
        images.append((w, h, info + table + xor_rows + and_rows))
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    data = b""
    for w, h, image in images:
        directory += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 8, len(image), offset + len(data))
        data += image
    return directory + data


# ---------------------------------------------------------------------------------------------------
# Pieces shared by several pictures

FOLD = (206, 212, 224)


def page(c, x0, y0, x1, y1, fold=4, lines=(), line_inset=3):
    """A sheet of paper with a folded top-right corner and optional text lines at the given rows."""
    c.shape(polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]), PAPER, INK)
    if fold:
        c.shape(polygon([(x1 - fold, y0), (x1 - fold, y0 + fold + 0.01), (x1 + 0.01, y0 + fold + 0.01)]), FOLD, INK)
    for y in lines:
        c.fill(x0 + line_inset, y, x1 - line_inset, y + 1, RULE)


def landscape(c, x0, y0, x1, y1):
    """A small photograph: sky, sun and two green hills."""
    c.fill(x0, y0, x1, y1, SKY)
    w, h = x1 - x0, y1 - y0
    c.shape(disc(x0 + w * 0.72, y0 + h * 0.3, max(2.2, h * 0.16)), YELLOW)
    c.shape(polygon([(x0, y1), (x0, y0 + h * 0.7), (x0 + w * 0.3, y0 + h * 0.42), (x0 + w * 0.62, y0 + h * 0.78),
                     (x0 + w * 0.8, y0 + h * 0.6), (x1, y0 + h * 0.82), (x1, y1)]), GREEN)


def emblem(c, x, y, size=24, tile=NAVY, rim=None):
    """The maker's mark: a tile with three scan lines of growing length and an orange spark."""
    s = size / 24.0
    c.shape(polygon([(x + 3 * s, y), (x + 21 * s, y), (x + 24 * s, y + 3 * s), (x + 24 * s, y + 21 * s),
                     (x + 21 * s, y + 24 * s), (x + 3 * s, y + 24 * s), (x, y + 21 * s), (x, y + 3 * s)]), tile,
            rim)
    for i, (length, colour) in enumerate([(9, WHITE), (13, BEAM), (17, WHITE)]):
        top = y + (8 + 4 * i) * s
        c.fill(int(x + 4 * s), int(top), int(x + (4 + length) * s), int(top + 2 * s), colour)
    c.fill(int(x + 16 * s), int(y + 3 * s), int(x + 20 * s), int(y + 7 * s), ORANGE)


def badge(c, cx, cy):
    """The orange "A" badge of the automatic functions."""
    c.shape(disc(cx, cy, 7.5), ORANGE, (150, 70, 0))
    c.text(int(cx) - 3, int(cy) - 3, "A", WHITE, bold=True)


# ---------------------------------------------------------------------------------------------------
# The Tone Correction window: gradient bars per channel (42 x 42, stretched over their controls), the
# channel pictures beside the channel buttons and the Highlight / Shadow mark.

CHANNEL_COLOURS = {"R": (255, 0, 0), "G": (0, 255, 0), "B": (0, 0, 255), "M": (255, 255, 255)}
# Levels the platform would map to the 3-D colours are moved one step so the bars stay neutral.
MAPPED_GREYS = {128: 127, 192: 191, 223: 222}


def gradient_level(colour, t):
    level = lambda v: int(round(v * t))
    rgb = tuple(level(v) for v in colour)
    if rgb[0] == rgb[1] == rgb[2] and rgb[0] in MAPPED_GREYS:
        rgb = (MAPPED_GREYS[rgb[0]],) * 3
    return rgb


def gradient_bar(channel, horizontal):
    """Dark to light: left to right for the bar under the curve, bottom to top for the bar beside it."""
    size = 42
    c = Canvas(size, size, BLACK)
    for i in range(size):
        colour = gradient_level(CHANNEL_COLOURS[channel], i / float(size - 1))
        if horizontal:
            c.fill(i, 0, i + 1, size, colour)
        else:
            c.fill(0, size - 1 - i, size, size - i, colour)
    return c


def channel_picture(channel):
    c = Canvas(26, 14, WHITE)
    c.shape(box(0, 0, 26, 14), None, INK)
    if channel == "M":
        for k, stripe in enumerate(("R", "G", "B")):
            c.fill(2 + 3 * k, 2, 5 + 3 * k, 12, CHANNEL_COLOURS[stripe])
    else:
        c.fill(2, 2, 11, 12, CHANNEL_COLOURS[channel])
    c.shape(box(2, 2, 11, 12), None, INK)
    c.text(15, 3, channel, INK)
    return c


def tone_mark():
    c = Canvas(16, 16, FACE)
    c.shape(polygon([(8, 2), (15, 15), (1, 15)]), INK)
    return c


def tone_pictures():
    pictures = {"gmcbsh.bmp": tone_mark()}
    for channel, name in (("M", "master"), ("R", "red"), ("G", "green"), ("B", "blue")):
        pictures["gmbmp%sh.bmp" % channel.lower()] = gradient_bar(channel, True)
        pictures["gmbmp%sv.bmp" % channel.lower()] = gradient_bar(channel, False)
        pictures["%sc.bmp" % name] = channel_picture(channel)
    return pictures


# ---------------------------------------------------------------------------------------------------
# Small pictures beside the command buttons and elsewhere (24 x 24 and smaller)

def mainpreview():
    c = Canvas(24, 24, FACE)
    page(c, 2, 1, 15, 21, lines=(6, 9, 12, 15))
    c.shape(disc(14.5, 12.5, 4.6), SKY)
    c.shape(ring(14.5, 12.5, 6.6, 4.6), NAVY)
    c.shape(capsule(19.3, 17.3, 21.5, 19.5, 1.9), INK)
    c.set(13, 10, WHITE)
    c.set(12, 11, WHITE)
    return c


def scan():
    c = Canvas(24, 24, FACE)
    page(c, 6, 1, 18, 12, fold=3, lines=(4, 6, 8))
    c.shape(polygon([(1, 11), (23, 11), (23, 21), (22, 22), (2, 22), (1, 21)]), STEEL, INK)
    c.fill(2, 12, 22, 14, STEEL_LIGHT)
    c.fill(3, 16, 21, 17, BEAM)
    c.fill(18, 19, 20, 20, BEAM)
    return c


def help_picture():
    c = Canvas(24, 24, FACE)
    c.shape(disc(12, 12, 10.6), BLUE, NAVY)
    c.text(7, 5, "?", WHITE, scale=2, bold=True)
    return c


def configuration():
    c = Canvas(24, 24, FACE)

    def gear(x, y):
        dx, dy = x - 12, y - 12
        r = math.hypot(dx, dy)
        # Eight teeth of constant width along the axes and the diagonals.
        tooth = any(abs(-math.sin(a) * dx + math.cos(a) * dy) < 2.2 and math.cos(a) * dx + math.sin(a) * dy > 0
                    for a in (k * math.pi / 4 for k in range(8)))
        return 3.6 < r < (10.9 if tooth else 8.2)

    c.shape(gear, STEEL_LIGHT, INK)
    c.shape(ring(12, 12, 6.4, 5.2), STEEL)
    return c


def close_picture():
    c = Canvas(24, 24, FACE)
    c.shape(box(3, 2, 15, 23), BROWN, INK)
    c.fill(5, 4, 13, 11, (186, 124, 64))
    c.fill(5, 13, 13, 21, (186, 124, 64))
    c.shape(disc(12, 12.5, 1.3), YELLOW)
    c.shape(polygon([(10, 10), (16, 10), (16, 6), (22.5, 12.5), (16, 19), (16, 15), (10, 15)]), GREEN, (10, 80, 20))
    return c


def ocr_picture():
    c = Canvas(24, 24, FACE)
    page(c, 3, 1, 20, 22, fold=4)
    c.text(6, 5, "A", NAVY, scale=2, bold=True)
    c.fill(6, 19, 17, 20, RULE)
    return c


def photo_picture():
    c = Canvas(24, 24, FACE)
    c.shape(box(1, 3, 23, 21), WHITE, INK)
    landscape(c, 3, 5, 21, 19)
    return c


def arrow():
    c = Canvas(16, 16, FACE)
    c.shape(polygon([(1, 6), (8, 6), (8, 2), (14.5, 8), (8, 14), (8, 10), (1, 10)]), NAVY)
    return c


def triangle():
    c = Canvas(16, 16, FACE)
    c.shape(polygon([(4, 2), (13, 8), (4, 14)]), NAVY)
    return c


def marquee():
    c = Canvas(32, 32, FACE)
    landscape(c, 6, 7, 26, 25)
    for i in range(3, 29):
        ant = BLACK if (i // 2) % 2 == 0 else WHITE
        for x, y in ((i, 3), (i, 28), (3, i), (28, i)):
            c.set(x, y, ant)
    for hx, hy in ((2, 2), (14, 2), (27, 2), (2, 14), (27, 14), (2, 27), (14, 27), (27, 27)):
        c.fill(hx, hy, hx + 3, hy + 3, BLACK)
    return c


# ---------------------------------------------------------------------------------------------------
# The three picture buttons of the Photo page (48 x 40): normal, pressed ("S") and disabled ("D")

def glyph_atscan(c):
    page(c, 12, 5, 30, 31, fold=5, lines=(11, 14, 20, 23, 26))
    c.fill(7, 16, 37, 17, TEAL)
    c.fill(7, 17, 37, 19, BEAM)
    c.fill(7, 19, 37, 20, TEAL)
    badge(c, 34, 29)


def glyph_expose(c):
    c.shape(polygon([(9, 5), (33, 5), (9, 29)]), WHITE)
    c.shape(polygon([(33, 5), (33, 29), (9, 29)]), INK)
    c.shape(box(9, 5, 33, 29), None, INK)
    c.fill(12, 11, 20, 13, INK)
    c.fill(15, 8, 17, 16, INK)
    c.fill(22, 22, 30, 24, WHITE)
    badge(c, 36, 30)


def glyph_locate(c):
    c.shape(box(12, 9, 32, 27), WHITE, INK)
    landscape(c, 14, 11, 30, 25)
    for (x, y, dx, dy) in ((8, 5, 1, 1), (35, 5, -1, 1), (8, 30, 1, -1)):
        c.fill(min(x, x + 6 * dx), min(y, y + dy), max(x, x + 6 * dx) + 1, max(y, y + dy) + 1, INK)
        c.fill(min(x, x + dx), min(y, y + 6 * dy), max(x, x + dx) + 1, max(y, y + 6 * dy) + 1, INK)
    badge(c, 35, 30)


def picture_button(glyph, state, w=48, h=40):
    c = Canvas(w, h, FACE)
    if state == "S":
        c.fill(0, 0, w, 1, BLACK)
        c.fill(0, 0, 1, h, BLACK)
        c.fill(1, 1, w - 1, 2, SHADOW)
        c.fill(1, 1, 2, h - 1, SHADOW)
        c.fill(0, h - 1, w, h, WHITE)
        c.fill(w - 1, 0, w, h, WHITE)
    else:
        c.fill(0, 0, w - 1, 1, WHITE)
        c.fill(0, 0, 1, h - 1, WHITE)
        c.fill(1, 1, w - 2, 2, LIGHT)
        c.fill(1, 1, 2, h - 2, LIGHT)
        c.fill(0, h - 1, w, h, BLACK)
        c.fill(w - 1, 0, w, h, BLACK)
        c.fill(1, h - 2, w - 1, h - 1, SHADOW)
        c.fill(w - 2, 1, w - 1, h - 1, SHADOW)
    art = Canvas(w, h, None)
    glyph(art)
    if state == "D":
        # Embossed like the platform's disabled pictures: the darker strokes in shadow over a white echo.
        def ink(x, y):
            p = art.get(x, y)
            return p is not None and (p[0] * 3 + p[1] * 6 + p[2]) / 10 < 170
        strokes = [(x, y) for y in range(h) for x in range(w) if ink(x, y)]
        for x, y in strokes:
            c.set(x + 1, y + 1, WHITE)
        for x, y in strokes:
            c.set(x, y, SHADOW)
    else:
        offset = 1 if state == "S" else 0
        c.paste(art, offset, offset, transparent=None)
    return c


# ---------------------------------------------------------------------------------------------------
# The marquee strip of the main dialog (18 x 18 picture buttons): whole area, zoom, last zoom,
# duplicate, delete and scan all, each with its pressed ("S") and disabled ("D") form (the last zoom has
# no pressed form).

STRIP = 18
RED = (200, 32, 32)


def dashed_box(c, x0, y0, x1, y1):
    for i in range(x0, x1 + 1):
        ant = INK if (i // 2) % 2 == 0 else WHITE
        c.set(i, y0, ant)
        c.set(i, y1, ant)
    for i in range(y0, y1 + 1):
        ant = INK if (i // 2) % 2 == 0 else WHITE
        c.set(x0, i, ant)
        c.set(x1, i, ant)


def magnifier(c):
    c.shape(disc(7.5, 7.5, 4.6), WHITE, INK)
    c.shape(capsule(11, 11, 14, 14, 1.3), INK, INK)


def glyph_fullprv(c):
    c.shape(box(4, 3, 14, 15), WHITE, INK)
    for (x, y, dx, dy) in ((2, 1, 1, 1), (15, 1, -1, 1), (2, 16, 1, -1), (15, 16, -1, -1)):
        c.fill(min(x, x + 3 * dx), y, max(x, x + 3 * dx) + 1, y + 1, BLUE)
        c.fill(x, min(y, y + 3 * dy), x + 1, max(y, y + 3 * dy) + 1, BLUE)


def glyph_zoomprv(c):
    magnifier(c)
    c.fill(5, 7, 10, 8, BLUE)
    c.fill(7, 5, 8, 10, BLUE)


def glyph_zoombck(c):
    magnifier(c)
    c.fill(5, 7, 10, 8, TEAL)
    c.line(5, 7, 7, 5, TEAL)
    c.line(5, 7, 7, 9, TEAL)


def glyph_mrqdup(c):
    dashed_box(c, 2, 2, 11, 10)
    c.fill(6, 6, 16, 15, WHITE)
    dashed_box(c, 6, 6, 15, 14)


def glyph_mrqdel(c):
    dashed_box(c, 2, 3, 15, 14)
    c.shape(capsule(5, 6, 12, 12, 1.0), RED, RED)
    c.shape(capsule(12, 6, 5, 12, 1.0), RED, RED)


def glyph_scanall(c):
    for i, y in enumerate((1, 4, 7)):
        c.shape(box(3 + 2 * i, y, 11 + 2 * i, y + 8), PAPER, INK)
    c.fill(2, 11, 16, 12, TEAL)
    c.fill(2, 12, 16, 13, BEAM)
    c.fill(2, 13, 16, 14, TEAL)


STRIP_PICTURES = (("fullprv", glyph_fullprv), ("zoomprv", glyph_zoomprv), ("zoombck", glyph_zoombck),
                  ("mrqdup", glyph_mrqdup), ("mrqdel", glyph_mrqdel), ("scanall", glyph_scanall))


# ---------------------------------------------------------------------------------------------------
# The launchers of the Advanced window (24 x 22 picture buttons): tools, gamma, colour and invert with
# their pressed ("S") and disabled ("D") forms, the settings button, and the lock, open or shut, raised
# or pressed.

LAUNCHER_W = 24
LAUNCHER_H = 22


def glyph_tools(c):
    for y, knob in ((5, 14), (10, 7), (15, 16)):
        c.fill(4, y, 20, y + 1, INK)
        c.shape(box(knob - 2, y - 2, knob + 2, y + 2), ORANGE, INK)


def glyph_gamma(c):
    c.shape(box(4, 3, 19, 18), WHITE, INK)
    points = [(5 + i, 17 - int(round(14 * (i / 14.0) ** 0.45))) for i in range(15)]
    for (x0, y0), (x1, y1) in zip(points, points[1:]):
        c.line(x0, y0, x1, y1, BLUE)
        c.line(x0, y0 - 1, x1, y1 - 1, BLUE)


def glyph_color(c):
    c.shape(disc(9, 8, 5), (255, 0, 0), INK)
    c.shape(disc(15, 8, 5), (0, 255, 0), INK, clip=lambda x, y: (x - 9) ** 2 + (y - 8) ** 2 > 25)
    c.shape(disc(12, 13, 5), (0, 0, 255), INK,
            clip=lambda x, y: (x - 9) ** 2 + (y - 8) ** 2 > 25 and (x - 15) ** 2 + (y - 8) ** 2 > 25)


def glyph_invert(c):
    c.shape(box(4, 4, 19, 17), WHITE, INK)
    c.shape(polygon([(19, 4), (19, 17), (4, 17)]), INK, INK)
    c.shape(disc(8.5, 8.5, 2.5), INK)
    c.shape(disc(15, 13.5, 2.5), WHITE)


def glyph_settings(c):
    page(c, 5, 2, 18, 19, fold=4)
    for y in (6, 10, 14):
        c.fill(8, y, 10, y + 2, GREEN)
        c.fill(11, y + 1, 16, y + 2, RULE)


def glyph_lock(shut):
    def draw(c):
        c.shape(ring(12, 8, 5, 3), STEEL, INK, clip=lambda x, y: y <= 9)
        if shut:
            c.fill(7, 8, 9, 12, STEEL)
            c.fill(15, 8, 17, 12, STEEL)
        else:
            c.fill(15, 8, 17, 10, STEEL)
            c.fill(7, 6, 9, 9, FACE)
        c.shape(box(5, 11, 18, 19), YELLOW, INK)
        c.fill(11, 13, 13, 17, INK)
    return draw


def launcher_pictures():
    pictures = {}
    for name, glyph in (("tools", glyph_tools), ("gamma", glyph_gamma), ("color", glyph_color),
                        ("invert", glyph_invert)):
        for state in ("", "S", "D"):
            pictures["%s%s.bmp" % (name, state.lower())] = picture_button(glyph, state, LAUNCHER_W, LAUNCHER_H)
    pictures["settings.bmp"] = picture_button(glyph_settings, "", LAUNCHER_W, LAUNCHER_H)
    for name, shut in (("lopen", False), ("lshut", True)):
        for state in ("", "S"):
            pictures["%s%s.bmp" % (name, state.lower())] = picture_button(glyph_lock(shut), state, LAUNCHER_W,
                                                                          LAUNCHER_H)
    return pictures


# The eyedropper of the Tools and Color windows, and the manual and automatic focus of the Focus window,
# in the launchers' size.

def glyph_eyedrop(c):
    c.shape(capsule(6, 17, 14, 9, 1.6), WHITE, INK)
    c.line(3, 20, 5, 18, INK)
    c.shape(capsule(13, 8, 16, 11, 1.8), INK, INK)
    c.shape(capsule(16.5, 6.5, 19, 4, 2.6), STEEL, INK)


def focus_target(c):
    c.shape(ring(11, 11, 7, 5.6), None, INK)
    c.fill(10, 1, 12, 7, INK)
    c.fill(10, 15, 12, 21, INK)
    c.fill(1, 10, 7, 12, INK)
    c.fill(15, 10, 21, 12, INK)


def glyph_fcsman(c):
    focus_target(c)
    c.shape(disc(11, 11, 2), BLUE, INK)


def glyph_fcsauto(c):
    focus_target(c)
    badge(c, 17, 15)


def tool_pictures():
    pictures = {"eyedrop.bmp": picture_button(glyph_eyedrop, "", LAUNCHER_W, LAUNCHER_H)}
    for name, glyph in (("fcsman", glyph_fcsman), ("fcsauto", glyph_fcsauto)):
        for state in ("", "S", "D"):
            pictures["%s%s.bmp" % (name, state.lower())] = picture_button(glyph, state, LAUNCHER_W, LAUNCHER_H)
    return pictures


# ---------------------------------------------------------------------------------------------------
# The product name and the logo

PRODUCT = "Quorra Scan SF"
MAKER = "KORVA"


def titlebm():
    c = Canvas(340, 30, FACE)
    emblem(c, 2, 3)
    c.text(34, 4, MAKER, NAVY, scale=3, bold=True)
    x = 34 + text_width(MAKER, 3, True) + 12
    c.text(x, 11, PRODUCT, INK, scale=2, bold=True)
    c.fill(x, 27, x + text_width(PRODUCT, 2, True), 29, ORANGE)
    return c


def title():
    c = Canvas(340, 30, NAVY)
    c.fill(0, 28, 340, 30, ORANGE)
    emblem(c, 4, 2, tile=TEAL)
    text = MAKER + " " + PRODUCT
    c.text(36, 7, text, WHITE, scale=2, bold=True)
    return c


def logo():
    c = Canvas(290, 30, FACE)
    emblem(c, 0, 3)
    c.text(32, 4, MAKER, NAVY, scale=3, bold=True)
    x = 32 + text_width(MAKER, 3, True) + 10
    c.fill(x, 5, x + 2, 26, ORANGE)
    c.text(x + 10, 7, "flatbed  feeder  film", INK)
    c.text(x + 10, 18, "imaging systems", DIM)
    return c


# ---------------------------------------------------------------------------------------------------
# The About box's picture (486 x 206); the version line is written into the white field at the lower
# right: x from width - 245, y from height - 115 to height - 95.

def finalwin():
    w, h = 486, 206
    c = Canvas(w, h, NAVY)
    left, right = (12, 28, 74), (0, 98, 118)
    steps = 40
    for i in range(steps):
        t = i / (steps - 1.0)
        colour = tuple(int(round(a + (b - a) * t)) for a, b in zip(left, right))
        c.fill(i * w // steps, 0, (i + 1) * w // steps, h, colour)
    emblem(c, 24, 18, 48, rim=WHITE)
    c.text(88, 16, MAKER, WHITE, scale=5, bold=True)
    c.text(90, 58, PRODUCT, (176, 240, 222), scale=3, bold=True)
    # The white field of the version line.
    c.fill(w - 250, h - 119, w, h - 91, WHITE)
    c.fill(w - 250, h - 91, w, h - 89, ORANGE)
    c.text(w - 240, h - 74, "Flatbed, sheet feeder and", (200, 222, 240))
    c.text(w - 240, h - 62, "transparency unit", (200, 222, 240))
    c.text(w - 240, h - 38, "TWAIN user interface", (200, 222, 240))
    c.text(w - 240, h - 26, "Copyright (C) KORVA", (200, 222, 240))
    scanner_illustration(c, 28, 108)
    return c


def scanner_illustration(c, x, y):
    """A flatbed with a sheet feeder on its lid, seen from the front and a little above."""
    dark = (52, 64, 92)
    c.shape(polygon([(x, y + 40), (x + 150, y + 40), (x + 186, y + 18), (x + 36, y + 18)]), STEEL_LIGHT, INK)
    c.shape(polygon([(x, y + 40), (x + 150, y + 40), (x + 150, y + 72), (x, y + 72)]), STEEL, INK)
    c.shape(polygon([(x + 150, y + 40), (x + 186, y + 18), (x + 186, y + 50), (x + 150, y + 72)]), dark, INK)
    c.fill(x + 10, y + 52, x + 110, y + 55, BEAM)
    c.fill(x + 128, y + 60, x + 136, y + 63, BEAM)
    # Sheets in the feeder tray.
    for i, dx in enumerate((0, 5, 10)):
        c.shape(polygon([(x + 50 + dx, y + 30 - 2 * i), (x + 130 + dx, y + 30 - 2 * i),
                         (x + 150 + dx, y - 4 - 2 * i), (x + 70 + dx, y - 4 - 2 * i)]), PAPER, INK)
    for k in range(4):
        yy = y + 2 + 6 * k
        c.line(x + 84 + 10 - k * 3, yy, x + 134 + 10 - k * 3, yy, RULE)


# ---------------------------------------------------------------------------------------------------
# Tab labels and the tab frame: 16 colours, stretched to their controls, so drawn at the smallest size.

TAB_W, TAB_H = 104, 24
FRAME_W, FRAME_H = 344, 266
V_BLACK, V_TEAL, V_FACE, V_SHADOW, V_WHITE = VGA[0], VGA[6], VGA[7], VGA[8], VGA[15]


def tab(active):
    c = Canvas(TAB_W, TAB_H, V_FACE)
    top = 0 if active else 2
    w, h = TAB_W, TAB_H
    c.fill(2, top, w - 2, top + 1, V_WHITE)
    c.set(1, top + 1, V_WHITE)
    c.fill(0, top + 2, 1, h, V_WHITE)
    c.set(w - 2, top + 1, V_BLACK)
    c.fill(w - 1, top + 2, w, h, V_BLACK)
    c.fill(w - 2, top + 2, w - 1, h, V_SHADOW)
    if active:
        c.fill(2, 2, w - 3, 4, V_TEAL)
    return c


def tab_frame(open_under_first_tab):
    w, h = FRAME_W, FRAME_H
    c = Canvas(w, h, V_FACE)
    c.fill(0, 0, w - 1, 1, V_WHITE)
    c.fill(0, 0, 1, h - 1, V_WHITE)
    c.fill(0, h - 1, w, h, V_BLACK)
    c.fill(w - 1, 0, w, h, V_BLACK)
    c.fill(1, h - 2, w - 1, h - 1, V_SHADOW)
    c.fill(w - 2, 1, w - 1, h - 1, V_SHADOW)
    if open_under_first_tab:
        # The first tab label spans about 1 % to 31 % of the frame's width.
        c.fill(4, 0, w * 62 // 198 - 2, 1, V_FACE)
    return c


# ---------------------------------------------------------------------------------------------------
# Cursors (32 x 32, monochrome) and the icon

def cursor_art(canvas):
    """Rows of cursor art from a canvas of None, BLACK and WHITE; black strokes get a white rim."""
    rows = []
    for y in range(canvas.height):
        row = ""
        for x in range(canvas.width):
            p = canvas.get(x, y)
            if p == BLACK:
                row += "#"
            elif p == WHITE:
                row += "o"
            elif any(0 <= x + dx < canvas.width and 0 <= y + dy < canvas.height and canvas.get(x + dx, y + dy) == BLACK
                     for dx in (-1, 0, 1) for dy in (-1, 0, 1)):
                row += "o"
            else:
                row += "."
        rows.append(row)
    return rows


def hand_cursor():
    c = Canvas(32, 32, None)
    palm = polygon([(8, 14), (25, 14), (25, 22), (22, 28), (12, 28), (8, 24)])
    outside_palm = lambda x, y: not palm(x + 0.5, y + 0.5)
    c.shape(palm, WHITE, BLACK)
    for fx, tip in ((10.5, 8), (14.5, 5), (18.5, 6), (22.5, 9)):
        c.shape(capsule(fx, tip, fx, 17, 2.4), WHITE, BLACK, clip=outside_palm)
    c.shape(capsule(10, 24, 4.5, 17, 2.2), WHITE, BLACK, clip=outside_palm)
    return cursor_art(c), (16, 16)


def cross_cursor():
    c = Canvas(32, 32, None)
    centre = 15
    for d in range(3, 13):
        for x, y in ((centre + d, centre), (centre - d, centre), (centre, centre + d), (centre, centre - d)):
            c.set(x, y, BLACK)
    c.set(centre, centre, BLACK)
    return cursor_art(c), (centre, centre)


def picker_cursor():
    c = Canvas(32, 32, None)
    c.shape(capsule(6, 25, 18, 13, 2.0), WHITE, BLACK)
    c.line(2, 29, 5, 26, BLACK)
    c.shape(capsule(16, 11, 20, 15, 2.2), BLACK, BLACK)
    c.shape(capsule(20.5, 10.5, 25, 6, 3.3), BLACK, BLACK)
    return cursor_art(c), (2, 29)


CLEAR = (1, 2, 3)  # the see-through colour of the icon canvases


def icon_image(size):
    c = Canvas(size, size, CLEAR)
    s = size / 32.0

    def pt(x, y):
        return (x * s, y * s)

    page_poly = [pt(9, 1), pt(20, 1), pt(24, 5), pt(24, 17), pt(9, 17)]
    c.shape(polygon(page_poly), PAPER, INK)
    if size >= 32:
        for y in (6, 9, 12):
            c.fill(12, y, 21, y + 1, RULE)
    c.shape(polygon([pt(1, 15), pt(31, 15), pt(31, 28), pt(29, 30), pt(3, 30), pt(1, 28)]), STEEL, INK)
    c.fill(int(2 * s) + 1, int(16 * s) + 1, int(30 * s), int(19 * s), STEEL_LIGHT)
    c.fill(int(4 * s), int(22 * s), int(28 * s), int(22 * s) + max(1, int(2 * s)), BEAM)
    c.fill(int(24 * s), int(26 * s), int(27 * s), int(26 * s) + 1, ORANGE)
    return c


# ---------------------------------------------------------------------------------------------------

def main():
    pictures = {
        "mainpreview.bmp": mainpreview(),
        "scan.bmp": scan(),
        "help.bmp": help_picture(),
        "configuration.bmp": configuration(),
        "close.bmp": close_picture(),
        "ocr.bmp": ocr_picture(),
        "photo.bmp": photo_picture(),
        "arrow.bmp": arrow(),
        "triangle.bmp": triangle(),
        "marquee.bmp": marquee(),
        "titlebm.bmp": titlebm(),
        "title.bmp": title(),
        "logo.bmp": logo(),
        "finalwin.bmp": finalwin(),
    }
    for name, glyph in (("atscan", glyph_atscan), ("expose", glyph_expose), ("locate", glyph_locate)):
        for state in ("", "S", "D"):
            pictures["%s%s.bmp" % (name, state.lower())] = picture_button(glyph, state)
    pictures.update(tone_pictures())
    pictures.update(launcher_pictures())
    pictures.update(tool_pictures())
    for name, glyph in STRIP_PICTURES:
        for state in ("", "D") if name == "zoombck" else ("", "S", "D"):
            pictures["%s%s.bmp" % (name, state.lower())] = picture_button(glyph, state, STRIP, STRIP)
    for name, canvas in pictures.items():
        save_bitmap(name, canvas)

    save_tab_bitmap("ocron.bmp", tab(True))
    save_tab_bitmap("photoon.bmp", tab(True))
    save_tab_bitmap("ocroff.bmp", tab(False))
    save_tab_bitmap("photooff.bmp", tab(False))
    save_tab_bitmap("tabmain.bmp", tab_frame(False))
    save_tab_bitmap("tabmaina.bmp", tab_frame(True))

    for name, (art, hotspot) in (("hand.cur", hand_cursor()), ("wcross.cur", cross_cursor()),
                                 ("picker.cur", picker_cursor())):
        write(name, cursor_bytes(art, hotspot))
    write("kvscan.ico", icon_bytes([icon_image(32), icon_image(16)], CLEAR))


if __name__ == "__main__":
    main()
