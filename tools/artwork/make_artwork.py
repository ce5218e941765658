#!/usr/bin/env python3
"""Draw Halyard's bitmaps and icons and write them into resources/.

Plain Python 3, standard library only.  Every picture is drawn here, pixel by
pixel, in the 16 colours of the standard Windows palette, and written as a
4-bit Windows BMP (BITMAPINFOHEADER, bottom-up rows) or as an ICO file with
a 32 x 32 and a 16 x 16 image, each with its transparency mask.

    python3 tools/artwork/make_artwork.py [output folder]

Files written (resource ids as used by halyard.rc):
    about.bmp      bitmap 1   About picture, 320 x 140
    seqfold.bmp    bitmap 2   pattern finder tree: sequence folder, 15 x 15
    patfold.bmp    bitmap 3   pattern finder tree: pattern folder, 15 x 15
    document.bmp   bitmap 4   pattern finder tree: match (document), 15 x 15
    toolbar.bmp    bitmap 5   main toolbar, 8 images, 183 x 24
    edittool.bmp   bitmap 6   VazEva editor toolbar, 10 images, 230 x 24
    hcatool.bmp    bitmap 7   HCA viewer toolbar, 4 images, 92 x 24
    halyard.ico    "MainIcon"     main window
    mulbla.ico     "MulBlaIcon"   VazEva editor window
    hca.ico        "MainHCA"      HCA viewer window
    statbla.ico    "StatBlaIcon"  BLAST map window

Toolbar strips are drawn on light grey (0xC0C0C0), the button face colour,
which the toolbar treats as transparent; the tree images are drawn on white,
the tree view's background.

Divisions: palette and canvas; BMP and ICO writers; the 5 x 7 font; the
toolbar glyphs; the tree images; the icons; the About picture; main.
"""

import math
import os
import struct
import sys

# --------------------------------------------------------------------------
# Palette and canvas

# The 16 colours of the standard Windows palette, in palette order.
PALETTE = [
    (0x00, 0x00, 0x00),  # 0  black
    (0x80, 0x00, 0x00),  # 1  maroon
    (0x00, 0x80, 0x00),  # 2  green
    (0x80, 0x80, 0x00),  # 3  olive
    (0x00, 0x00, 0x80),  # 4  navy
    (0x80, 0x00, 0x80),  # 5  purple
    (0x00, 0x80, 0x80),  # 6  teal
    (0xC0, 0xC0, 0xC0),  # 7  silver (button face)
    (0x80, 0x80, 0x80),  # 8  grey
    (0xFF, 0x00, 0x00),  # 9  red
    (0x00, 0xFF, 0x00),  # 10 lime
    (0xFF, 0xFF, 0x00),  # 11 yellow
    (0x00, 0x00, 0xFF),  # 12 blue
    (0xFF, 0x00, 0xFF),  # 13 fuchsia
    (0x00, 0xFF, 0xFF),  # 14 aqua
    (0xFF, 0xFF, 0xFF),  # 15 white
]

K, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = range(8)
GREY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = range(8, 16)

# Letters used in the pixel drawings below; "." is the background.
CODES = {
    "K": K, "r": MAROON, "g": GREEN, "o": OLIVE, "n": NAVY, "p": PURPLE,
    "t": TEAL, "s": SILVER, "d": GREY, "R": RED, "G": LIME, "Y": YELLOW,
    "B": BLUE, "M": FUCHSIA, "C": AQUA, "W": WHITE, ".": None,
}


class Canvas:
    """A rectangle of palette indices; None marks a transparent pixel."""

    def __init__(self, width, height, fill=None):
        self.width = width
        self.height = height
        self.px = [[fill] * width for _ in range(height)]

    def set(self, x, y, c):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.px[y][x] = c

    def get(self, x, y):
        return self.px[y][x]

    def rect(self, x0, y0, x1, y1, c):
        """Fill the rectangle with corners (x0, y0) and (x1, y1) included."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.set(x, y0, c)
            self.set(x, y1, c)
        for y in range(y0, y1 + 1):
            self.set(x0, y, c)
            self.set(x1, y, c)

    def line(self, x0, y0, x1, y1, c):
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx = 1 if x0 < x1 else -1
        sy = 1 if y0 < y1 else -1
        err = dx + dy
        while True:
            self.set(x0, y0, c)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def polygon(self, points, c):
        """Fill a polygon (even-odd rule, sampled at pixel centres)."""
        ys = [p[1] for p in points]
        for y in range(max(int(min(ys)), 0), min(int(math.ceil(max(ys))) + 1, self.height)):
            yc = y + 0.5
            xs = []
            for i in range(len(points)):
                (xa, ya), (xb, yb) = points[i], points[(i + 1) % len(points)]
                if (ya <= yc < yb) or (yb <= yc < ya):
                    xs.append(xa + (yc - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for a, b in zip(xs[0::2], xs[1::2]):
                for x in range(int(math.ceil(a - 0.5)), int(math.floor(b - 0.5)) + 1):
                    self.set(x, y, c)

    def disc(self, cx, cy, r, c):
        for y in range(int(cy - r) - 1, int(cy + r) + 2):
            for x in range(int(cx - r) - 1, int(cx + r) + 2):
                if (x - cx) ** 2 + (y - cy) ** 2 <= r * r:
                    self.set(x, y, c)

    def outline(self, inside, c):
        """Paint c on every transparent pixel 4-adjacent to a pixel in
        `inside` (a set of palette indices)."""
        marks = []
        for y in range(self.height):
            for x in range(self.width):
                if self.px[y][x] is not None:
                    continue
                for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)):
                    if 0 <= nx < self.width and 0 <= ny < self.height \
                            and self.px[ny][nx] in inside:
                        marks.append((x, y))
                        break
        for x, y in marks:
            self.px[y][x] = c

    def blit(self, other, x0, y0):
        """Copy the opaque pixels of another canvas."""
        for y in range(other.height):
            for x in range(other.width):
                c = other.px[y][x]
                if c is not None:
                    self.set(x0 + x, y0 + y, c)

    def flat(self, background):
        return [[background if c is None else c for c in row] for row in self.px]


def sprite(rows):
    """A canvas from a drawing made of the letters of CODES."""
    width = len(rows[0])
    for n, r in enumerate(rows):
        if len(r) != width:
            raise ValueError("row %d is %d wide, expected %d: %r" % (n, len(r), width, r))
    cv = Canvas(width, len(rows))
    for y, r in enumerate(rows):
        for x, ch in enumerate(r):
            cv.px[y][x] = CODES[ch]
    return cv


def centred(glyph, width, height):
    cv = Canvas(width, height)
    cv.blit(glyph, (width - glyph.width) // 2, (height - glyph.height) // 2)
    return cv


# --------------------------------------------------------------------------
# BMP and ICO writers

def _palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)


def _pack4(rows):
    """4-bit pixel rows, bottom-up, each padded to a multiple of 4 bytes."""
    out = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for x in range(0, len(row), 2):
            hi = row[x]
            lo = row[x + 1] if x + 1 < len(row) else 0
            line.append((hi << 4) | lo)
        while len(line) % 4:
            line.append(0)
        out += line
    return bytes(out)


def _pack1(rows):
    """1-bit rows (truthy = 1), bottom-up, each padded to 4 bytes."""
    out = bytearray()
    for row in reversed(rows):
        line = bytearray((len(row) + 7) // 8)
        for x, v in enumerate(row):
            if v:
                line[x // 8] |= 0x80 >> (x % 8)
        while len(line) % 4:
            line.append(0)
        out += line
    return bytes(out)


def _info_header(width, height, bits, image_size, colours):
    # 2835 pixels per metre is 72 dots per inch.
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0,
                       image_size, 2835, 2835, colours, 0)


def bmp_bytes(canvas, background):
    pixels = _pack4(canvas.flat(background))
    header = _info_header(canvas.width, canvas.height, 4, len(pixels), 16)
    offset = 14 + len(header) + 64
    filehdr = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return filehdr + header + _palette_bytes() + pixels


def ico_bytes(images):
    """An icon file holding the given canvases (transparent = None)."""
    entries = []
    blobs = []
    for cv in images:
        xor = _pack4([[0 if c is None else c for c in row] for row in cv.px])
        mask = _pack1([[c is None for c in row] for row in cv.px])
        # In an icon the header's height counts the colour and mask images.
        blob = (_info_header(cv.width, cv.height * 2, 4, len(xor) + len(mask), 16)
                + _palette_bytes() + xor + mask)
        blobs.append(blob)
    offset = 6 + 16 * len(images)
    for cv, blob in zip(images, blobs):
        entries.append(struct.pack("<BBBBHHII", cv.width % 256, cv.height % 256, 16, 0,
                                   1, 4, len(blob), offset))
        offset += len(blob)
    return struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries) + b"".join(blobs)


# --------------------------------------------------------------------------
# A 5 x 7 font of our own.  Lower-case letters with descenders have two
# more rows, drawn below the base line.

FONT_SRC = {
    "A": ".###. #...# #...# ##### #...# #...# #...#",
    "B": "####. #...# #...# ####. #...# #...# ####.",
    "C": ".###. #...# #.... #.... #.... #...# .###.",
    "D": "####. #...# #...# #...# #...# #...# ####.",
    "E": "##### #.... #.... ####. #.... #.... #####",
    "F": "##### #.... #.... ####. #.... #.... #....",
    "G": ".###. #...# #.... #.### #...# #...# .####",
    "H": "#...# #...# #...# ##### #...# #...# #...#",
    "I": ".###. ..#.. ..#.. ..#.. ..#.. ..#.. .###.",
    "J": "..### ...#. ...#. ...#. ...#. #..#. .##..",
    "K": "#...# #..#. #.#.. ##... #.#.. #..#. #...#",
    "L": "#.... #.... #.... #.... #.... #.... #####",
    "M": "#...# ##.## #.#.# #.#.# #...# #...# #...#",
    "N": "#...# #...# ##..# #.#.# #..## #...# #...#",
    "O": ".###. #...# #...# #...# #...# #...# .###.",
    "P": "####. #...# #...# ####. #.... #.... #....",
    "Q": ".###. #...# #...# #...# #.#.# #..#. .##.#",
    "R": "####. #...# #...# ####. #.#.. #..#. #...#",
    "S": ".#### #.... #.... .###. ....# ....# ####.",
    "T": "##### ..#.. ..#.. ..#.. ..#.. ..#.. ..#..",
    "U": "#...# #...# #...# #...# #...# #...# .###.",
    "V": "#...# #...# #...# #...# #...# .#.#. ..#..",
    "W": "#...# #...# #...# #.#.# #.#.# #.#.# .#.#.",
    "X": "#...# #...# .#.#. ..#.. .#.#. #...# #...#",
    "Y": "#...# #...# .#.#. ..#.. ..#.. ..#.. ..#..",
    "Z": "##### ....# ...#. ..#.. .#... #.... #####",
    "a": "..... ..... .###. ....# .#### #...# .####",
    "b": "#.... #.... #.##. ##..# #...# #...# ####.",
    "c": "..... ..... .###. #.... #.... #...# .###.",
    "d": "....# ....# .##.# #..## #...# #...# .####",
    "e": "..... ..... .###. #...# ##### #.... .###.",
    "f": "..##. .#..# .#... ###.. .#... .#... .#...",
    "g": "..... ..... .#### #...# #...# #...# .#### ....# .###.",
    "h": "#.... #.... #.##. ##..# #...# #...# #...#",
    "i": "..#.. ..... .##.. ..#.. ..#.. ..#.. .###.",
    "j": "...#. ..... ..##. ...#. ...#. ...#. ...#. #..#. .##..",
    "k": "#.... #.... #..#. #.#.. ##... #.#.. #..#.",
    "l": ".##.. ..#.. ..#.. ..#.. ..#.. ..#.. .###.",
    "m": "..... ..... ##.#. #.#.# #.#.# #...# #...#",
    "n": "..... ..... #.##. ##..# #...# #...# #...#",
    "o": "..... ..... .###. #...# #...# #...# .###.",
    "p": "..... ..... ####. #...# #...# #...# ####. #.... #....",
    "q": "..... ..... .#### #...# #...# #...# .#### ....# ....#",
    "r": "..... ..... #.##. ##..# #.... #.... #....",
    "s": "..... ..... .#### #.... .###. ....# ####.",
    "t": ".#... .#... ###.. .#... .#... .#..# ..##.",
    "u": "..... ..... #...# #...# #...# #..## .##.#",
    "v": "..... ..... #...# #...# #...# .#.#. ..#..",
    "w": "..... ..... #...# #...# #.#.# #.#.# .#.#.",
    "x": "..... ..... #...# .#.#. ..#.. .#.#. #...#",
    "y": "..... ..... #...# #...# #...# #...# .#### ....# .###.",
    "z": "..... ..... ##### ...#. ..#.. .#... #####",
    "0": ".###. #...# #..## #.#.# ##..# #...# .###.",
    "1": "..#.. .##.. ..#.. ..#.. ..#.. ..#.. .###.",
    "2": ".###. #...# ....# ...#. ..#.. .#... #####",
    "3": "##### ...#. ..#.. ...#. ....# #...# .###.",
    "4": "...#. ..##. .#.#. #..#. ##### ...#. ...#.",
    "5": "##### #.... ####. ....# ....# #...# .###.",
    "6": "..##. .#... #.... ####. #...# #...# .###.",
    "7": "##### ....# ...#. ..#.. .#... .#... .#...",
    "8": ".###. #...# #...# .###. #...# #...# .###.",
    "9": ".###. #...# #...# .#### ....# ...#. .##..",
    " ": "..... ..... ..... ..... ..... ..... .....",
    ".": "..... ..... ..... ..... ..... .##.. .##..",
    ",": "..... ..... ..... ..... ..... .##.. ..#.. .#...",
    "-": "..... ..... ..... .###. ..... ..... .....",
    ":": "..... .##.. .##.. ..... .##.. .##.. .....",
    "(": "...#. ..#.. .#... .#... .#... ..#.. ...#.",
    ")": ".#... ..#.. ...#. ...#. ...#. ..#.. .#...",
    "/": "....# ....# ...#. ..#.. .#... #.... #....",
}

FONT = {ch: [r for r in src.split(" ")] for ch, src in FONT_SRC.items()}
for _ch, _rows in FONT.items():
    assert len(_rows) in (7, 8, 9) and all(len(r) == 5 for r in _rows), _ch


def text_width(text, scale=1):
    return len(text) * 6 * scale - scale


def draw_text(cv, x, y, text, colour, scale=1, shadow=None):
    """Write text with its top-left corner at (x, y); 6 pixels a letter."""
    if shadow is not None:
        draw_text(cv, x + scale, y + scale, text, shadow, scale)
    for i, ch in enumerate(text):
        rows = FONT[ch]
        for gy, r in enumerate(rows):
            for gx, bit in enumerate(r):
                if bit == "#":
                    cv.rect(x + (i * 6 + gx) * scale, y + gy * scale,
                            x + (i * 6 + gx) * scale + scale - 1,
                            y + gy * scale + scale - 1, colour)


# --------------------------------------------------------------------------
# Toolbar glyphs

def glyph_open():
    return sprite([
        "..........KKK....",
        ".........K...K.K.",
        "..............KK.",
        "..KKKK.......KKK.",
        ".KoooYK..........",
        ".KooooKKKKKKK....",
        ".KoooooooooYK....",
        ".KoooooooooYK....",
        ".KoooooKKKKKKKKKK",
        ".KooooKWWWWWWWWWK",
        ".KoooKYYYYYYYYYK.",
        ".KooKYYYYYYYYYK..",
        ".KoKYYYYYYYYYK...",
        ".KKYYYYYYYYYK....",
        ".KKKKKKKKKKK.....",
    ])


PRINTER_BODY = [
    "..KKKKKKKKKKKKKK..",
    ".KWWWWWWWWWWWWWWK.",
    "KWssssssssssssssdK",
    "KWssssssssssGGssdK",
    "KWssssssssssssssdK",
    "KddddddddddddddddK",
    ".KKKKKKKKKKKKKKKK.",
]


def glyph_printer(page):
    """A printer with a sheet standing in its feed; `page` is the sheet's
    inside, 8 x 5 letters."""
    rows = ["....KKKKKKKKKK...."]
    rows += ["....K" + line + "K...." for line in page]
    return sprite(rows + PRINTER_BODY)


def glyph_print_1d():
    return glyph_printer([
        "WWWWWWWW",
        "WRRRGGGW",
        "WWWWWWWW",
        "WBBBBRRW",
        "WWWWWWWW",
    ])


def glyph_print_hca():
    return glyph_printer([
        "WWKKKKWW",
        "WKGGGGKW",
        "KGGKGGGK",
        "WKGGGGKW",
        "WWKKKKWW",
    ])


def wrench(size):
    """An open-ended spanner lying from the lower left (handle) to the upper
    right (head), its jaw opening away from the handle."""
    cv = Canvas(size, size)
    hx, hy = size * 0.68, size * 0.32          # centre of the head
    tx, ty = size * 0.16, size * 0.84          # end of the handle
    ux, uy = (hx - tx), (hy - ty)
    length = math.hypot(ux, uy)
    ux, uy = ux / length, uy / length
    r_head = size * 0.25
    for y in range(size):
        for x in range(size):
            px, py = x + 0.5, y + 0.5
            along = (px - tx) * ux + (py - ty) * uy
            perp = -(px - tx) * uy + (py - ty) * ux
            in_handle = 0 <= along <= length and abs(perp) <= size * 0.09
            in_head = math.hypot(px - hx, py - hy) <= r_head
            jaw = along > length - size * 0.06 and abs(perp) <= size * 0.11
            if (in_handle or in_head) and not jaw:
                cv.set(x, y, WHITE if perp < -size * 0.02 else GREY)
    cv.outline({WHITE, GREY}, K)
    return cv


def glyph_printer_setup():
    cv = Canvas(20, 18)
    cv.blit(glyph_printer([
        "WWWWWWWW",
        "WKKKKKWW",
        "WWWWWWWW",
        "WKKKKWWW",
        "WWWWWWWW",
    ]), 0, 0)
    cv.blit(wrench(13), 7, 5)
    return cv


def glyph_info():
    cv = Canvas(17, 17)
    cv.disc(8, 8, 8.4, NAVY)
    cv.disc(8, 8, 7.4, BLUE)
    # the letter i
    cv.rect(7, 3, 9, 4, WHITE)
    cv.rect(6, 6, 9, 6, WHITE)
    cv.rect(7, 7, 9, 12, WHITE)
    cv.rect(6, 12, 10, 13, WHITE)
    return cv


def _cluster(cv, region, clusters):
    """Fill the hydrophobic clusters (tilted ellipses) lying in region:
    light green inside, dark green on the contour."""
    blob = set()
    for (cx, cy, rx, ry, tilt) in clusters:
        for (x, y) in region:
            u = (x - cx) + (y - cy) * tilt
            v = (y - cy)
            if (u / rx) ** 2 + (v / ry) ** 2 <= 1.0:
                blob.add((x, y))
    for (x, y) in blob:
        edge = any((nx, ny) not in blob
                   for nx, ny in ((x - 1, y), (x + 1, y), (x, y - 1), (x, y + 1)))
        cv.set(x, y, GREEN if edge else LIME)


def hca_plot(width, height, step, clusters, proline=None, glycine=None):
    """A hexagon of helical net, as HCA plots draw a sequence: residue dots
    on a hexagonal lattice, hydrophobic clusters filled in light green and
    contoured in dark green, a proline star and a glycine diamond."""
    cv = Canvas(width, height)
    # the hexagon leaves a pixel all round for its black outline
    x0, y0, x1, y1 = 1, 1, width - 1, height - 1
    quarter = (x1 - x0) * 0.25
    mid = (y0 + y1) / 2.0
    cv.polygon([(x0 + quarter, y0), (x1 - quarter, y0), (x1, mid),
                (x1 - quarter, y1), (x0 + quarter, y1), (x0, mid)], WHITE)
    inside = {(x, y) for y in range(height) for x in range(width)
              if cv.px[y][x] == WHITE}
    _cluster(cv, inside, clusters)
    row = 0
    for y in range(step // 2, height, step - 1):
        for x in range((step // 2) * (row % 2) + 2, width, step):
            core = all((x + dx, y + dy) in inside for dx in (-1, 1) for dy in (-1, 1))
            if core and cv.px[y][x] != GREEN:
                cv.set(x, y, NAVY)
        row += 1
    if proline:
        x, y = proline
        for dx, dy in ((0, 0), (-1, 0), (1, 0), (0, -1), (0, 1)):
            cv.set(x + dx, y + dy, RED)
    if glycine:
        x, y = glycine
        for dx, dy in ((0, -1), (-1, 0), (1, 0), (0, 1)):
            cv.set(x + dx, y + dy, K)
    cv.outline({WHITE, LIME, GREEN, NAVY, RED, K}, K)
    return cv


def glyph_hca():
    return hca_plot(18, 17, 4, [(7, 6, 3.6, 2.4, 0.6), (11, 11, 3.2, 1.9, 0.6)],
                    proline=(13, 5), glycine=(5, 11))


def glyph_hca_pair():
    """Two strips of helical net one above the other, as the viewer shows
    a pair of sequences."""
    cv = Canvas(18, 18)
    for y0, cx in ((0, 6), (9, 11)):
        band = Canvas(18, 9)
        band.rect(1, 1, 16, 7, WHITE)
        region = {(x, y) for y in range(1, 8) for x in range(1, 17)}
        _cluster(band, region, [(cx, 4, 3.5, 2.0, 0.5)])
        for y in (2, 6):
            for x in range(3 + (y == 6) * 2, 16, 4):
                if band.px[y][x] != GREEN:
                    band.set(x, y, NAVY)
        band.frame(0, 0, 17, 8, K)
        cv.blit(band, 0, y0)
    return cv


ROW_COLOURS = ["RRYYGGBBCCMMRRGG", "GGBBRRYYMMCCGGRR", "BBCCGGMMRRYYBBCC",
               "YYRRBBGGCCRRMMYY"]


def alignment_rows(cv, x0, y0, nrows, width, pattern_shift=0, selected=None):
    """Sequence rows as lines of coloured residue cells."""
    for r in range(nrows):
        colours = ROW_COLOURS[(r + pattern_shift) % len(ROW_COLOURS)]
        y = y0 + r * 3
        if r == selected:
            cv.rect(x0 - 1, y - 1, x0 + width, y + 2, NAVY)
        for x in range(width):
            cv.set(x0 + x, y, CODES[colours[x % len(colours)]])
            cv.set(x0 + x, y + 1, CODES[colours[x % len(colours)]])


def glyph_editor():
    cv = Canvas(18, 16)
    cv.rect(0, 0, 17, 15, WHITE)
    cv.frame(0, 0, 17, 15, K)
    cv.rect(1, 1, 16, 3, NAVY)
    cv.rect(13, 2, 15, 2, WHITE)
    alignment_rows(cv, 2, 5, 4, 14)
    cv.rect(9, 5, 9, 15, K)
    return cv


def glyph_map():
    cv = Canvas(18, 16)
    cv.rect(0, 0, 17, 15, WHITE)
    cv.frame(0, 0, 17, 15, K)
    cv.rect(2, 2, 15, 3, NAVY)            # the query
    for x in range(2, 16, 3):
        cv.set(x, 4, K)                    # its scale
    bars = [(2, 15, RED), (3, 11, FUCHSIA), (7, 14, GREEN), (2, 7, BLUE)]
    for n, (a, b, c) in enumerate(bars):
        cv.rect(a, 6 + n * 2, b, 6 + n * 2, c)
    return cv


def glyph_exit():
    return sprite([
        "KKKKKKKKKKK......",
        "KnnKKddddddK.....",
        "KnnoKdddddK......",
        "KnnooKddddK......",
        "KnnoooKdddK....R.",
        "KnnoooKdddK....RR",
        "KnnoooKdddKRRRRRR",
        "KnnoYoKdddKRRRRRR",
        "KnnoooKdddK....RR",
        "KnnoooKdddK....R.",
        "KnnoooKdddK......",
        "KnnoooKdddK......",
        "KnnooKddddK......",
        "KnnoKdddddK......",
        "KnnKddddddK......",
        "KKKKKKKKKKKK.....",
    ])


def glyph_save():
    return sprite([
        "KKKKKKKKKKKKKKK",
        "KnKWWWWWWWWWKnK",
        "KnKWWWWWWWWWKnK",
        "KnKWddddddWWKnK",
        "KnKWWWWWWWWWKnK",
        "KnKWddddddWWKnK",
        "KnKWWWWWWWWWKnK",
        "KnnKKKKKKKKKnnK",
        "KnnnnnnnnnnnnnK",
        "KnnnKKKKKKKnnnK",
        "KnnnKssKssKnnnK",
        "KnnnKssKssKnnnK",
        "KnnnKssKssKnnnK",
        ".KnnKKKKKKKnnnK",
        "..KKKKKKKKKKKKK",
    ])


def rows_glyph(selected=None, nrows=4, width=12):
    cv = Canvas(18, 16)
    alignment_rows(cv, 1, 2, nrows, width, selected=selected)
    return cv


def glyph_remove():
    cv = rows_glyph(selected=1)
    cross = sprite([
        "RR...RR",
        "RRR.RRR",
        ".RRRRR.",
        "..RRR..",
        ".RRRRR.",
        "RRR.RRR",
        "RR...RR",
    ])
    cv.blit(cross, 11, 8)
    return cv


def glyph_rename():
    cv = Canvas(18, 16)
    cv.rect(0, 4, 17, 13, WHITE)
    cv.frame(0, 4, 17, 13, K)
    cv.blit(sprite([
        ".....K......",
        ".....K......",
        ".KK..KKK..KK",
        "...K.K..KK..",
        ".KKK.K..KK..",
        "K..K.K..KK..",
        ".KKK.KKK..KK",
    ]), 2, 5)
    cv.rect(15, 5, 15, 12, NAVY)
    cv.rect(14, 5, 16, 5, NAVY)
    cv.rect(14, 12, 16, 12, NAVY)
    alignment_rows(cv, 1, 0, 1, 16)
    return cv


def arrow_up():
    return sprite([
        "...K...",
        "..KGK..",
        ".KGGGK.",
        "KGGGGGK",
        "KKGGGKK",
        "..KGK..",
        "..KGK..",
        "..KGK..",
        "..KKK..",
    ])


def flip_v(cv):
    out = Canvas(cv.width, cv.height)
    out.px = [list(r) for r in reversed(cv.px)]
    return out


def glyph_merge():
    cv = Canvas(18, 16)
    alignment_rows(cv, 0, 2, 1, 9)
    alignment_rows(cv, 0, 11, 1, 9, pattern_shift=2)
    cv.rect(9, 2, 11, 3, K)
    cv.rect(9, 11, 11, 12, K)
    cv.rect(10, 2, 11, 12, K)
    cv.blit(sprite([
        "..K...",
        "..KK..",
        "KKKGK.",
        "KGGGGK",
        "KKKGK.",
        "..KK..",
        "..K...",
    ]), 12, 4)
    return cv


def glyph_move_up():
    cv = rows_glyph(selected=2, width=11)
    cv.blit(arrow_up(), 11, 1)
    return cv


def glyph_move_down():
    cv = rows_glyph(selected=1, width=11)
    cv.blit(flip_v(arrow_up()), 11, 5)
    return cv


def glyph_consensus():
    cv = Canvas(18, 16)
    alignment_rows(cv, 1, 0, 3, 16)
    cv.rect(0, 9, 17, 9, K)
    for x in range(1, 17):
        if x % 3 != 0:
            cv.rect(x, 11, x, 13, K)
    return cv


def glyph_find():
    cv = Canvas(18, 17)
    alignment_rows(cv, 1, 10, 2, 16)
    lens = Canvas(12, 12)
    lens.disc(4.5, 4.5, 4.6, K)
    lens.disc(4.5, 4.5, 3.5, AQUA)
    lens.rect(3, 2, 4, 3, WHITE)
    for i in range(3):
        lens.rect(8 + i, 8 + i, 9 + i, 9 + i, K)
        lens.set(9 + i, 8 + i, OLIVE)
    cv.blit(lens, 4, 2)
    return cv


def glyph_font():
    return sprite([
        "......KK..........",
        "......KK..........",
        ".....KKKK.........",
        ".....KKKK.........",
        "....KK..KK........",
        "....KK..KK........",
        "...KK....KK.......",
        "...KKKKKKKK.......",
        "..KK......KK......",
        "..KK......KK..nnn.",
        ".KK........KK....n",
        ".KK........KK.nnnn",
        "KKKK......KKKKn..n",
        "KKKK......KKKK.nnn",
    ])


# --------------------------------------------------------------------------
# Pattern finder tree images, 15 x 15 on white

def folder(body, dark, light, open_=False):
    if not open_:
        rows = [
            "...............",
            "...............",
            ".KKKKK.........",
            "KbbbbbK........",
            "KblbblKKKKKKKK.",
            "KlbbbbbbbbbbbdK",
            "KbbbbbbbbbbbbdK",
            "KbbbbbbbbbbbbdK",
            "KbbbbbbbbbbbbdK",
            "KbbbbbbbbbbbbdK",
            "KbbbbbbbbbbbbdK",
            "KbbbbbbbbbbbbdK",
            "KdddddddddddddK",
            ".KKKKKKKKKKKKK.",
            "...............",
        ]
    else:
        rows = [
            "...............",
            "...............",
            ".KKKKK.........",
            "KbbbbbK........",
            "KblbblKKKKKK...",
            "KlbbbbbbbbbbK..",
            "KbbbKKKKKKKKKKK",
            "KbbKlllllllllK.",
            "KbbKllllllllK..",
            "KbKllllllllK...",
            "KbKlllllllK....",
            "KKllllllllK....",
            "KKlllllllK.....",
            "KKKKKKKKKK.....",
            "...............",
        ]
    rows = [r.replace("b", body).replace("l", light).replace("d", dark) for r in rows]
    return sprite(rows)


def tree_sequence_folder():
    cv = folder("Y", "o", "W")
    for n, c in enumerate([RED, RED, GREEN, GREEN, BLUE, BLUE, FUCHSIA, FUCHSIA, AQUA, AQUA]):
        cv.set(2 + n, 8, c)
        cv.set(2 + n, 9, c)
    return cv


def tree_pattern_folder():
    cv = folder("o", "o", "Y", open_=True)
    cv.blit(sprite([
        "RR.K.RR",
        "R..K..R",
        "R.KKK.R",
        "R..K..R",
        "RR.K.RR",
    ]), 5, 7)
    return cv


def tree_document():
    return sprite([
        "..KKKKKKK......",
        "..KWWWWWKK.....",
        "..KWWWWWKWK....",
        "..KWWWWWKKKK...",
        "..KWKKKWWWWK...",
        "..KWWWWWWWWK...",
        "..KWKKKKKKWK...",
        "..KWWWWWWWWK...",
        "..KWRRGGBBWK...",
        "..KWWWWWWWWK...",
        "..KWKKKKKKWK...",
        "..KWWWWWWWWK...",
        "..KWKKKKWWWK...",
        "..KWWWWWWWWK...",
        "..KKKKKKKKKK...",
    ])


# --------------------------------------------------------------------------
# Icons

def icon_main_32():
    cv = Canvas(32, 32)
    # the sea: rows of residue-coloured blocks, a sequence seen as waves
    seq = [BLUE, AQUA, BLUE, TEAL, BLUE, AQUA, NAVY, BLUE]
    for x in range(1, 31):
        c = seq[(x // 3) % len(seq)]
        cv.rect(x, 27, x, 29, c)
    cv.rect(1, 30, 30, 30, NAVY)
    # hull
    cv.polygon([(3, 22), (29, 22), (25, 27), (7, 27)], MAROON)
    cv.rect(4, 22, 28, 22, RED)
    cv.line(4, 23, 28, 23, K)
    # mast, mainsail aft of it, jib forward
    cv.rect(13, 2, 13, 21, K)
    cv.polygon([(15, 3), (15, 20.5), (28, 20.5)], WHITE)
    cv.polygon([(12, 5), (12, 20.5), (4, 20.5)], YELLOW)
    cv.outline({WHITE, YELLOW}, K)
    for y in (9, 14):                       # sail seams
        cv.line(16, y, 15 + int((y - 3) * 13 / 17.5) - 1, y, SILVER)
    # the halyard, red, from the head of the sail down to the deck
    cv.rect(14, 2, 14, 21, RED)
    # pennant at the masthead
    cv.polygon([(14, 0), (20, 1.5), (14, 3)], RED)
    cv.rect(13, 0, 13, 2, K)
    return cv


def icon_main_16():
    return sprite([
        ".......KRR......",
        ".......KRRRR....",
        ".......KKR......",
        "......KKRWK.....",
        ".....KYKRWWK....",
        "....KYYKRWWWK...",
        "....KYYKRWWWWK..",
        "...KYYYKRWWWWK..",
        "..KYYYYKRWWWWWK.",
        "..KYYYYKRWWWWWWK",
        ".KKKKKKKKKKKKKKK",
        ".RRRRRRRRRRRRRR.",
        "..rrrrrrrrrrrr..",
        "...rrrrrrrrrr...",
        "BBCCBBttBBCCBBtt",
        "nnnnnnnnnnnnnnnn",
    ])


def icon_mulbla_32():
    cv = Canvas(32, 32)
    cv.rect(1, 3, 30, 28, WHITE)
    cv.rect(1, 3, 30, 7, NAVY)
    cv.rect(26, 4, 29, 6, SILVER)
    cv.frame(26, 4, 29, 6, K)
    cv.frame(0, 2, 31, 29, K)
    cv.rect(1, 8, 30, 8, K)
    for r in range(5):
        colours = ROW_COLOURS[r % 4]
        y = 10 + r * 4
        cv.rect(2, y, 6, y + 2, SILVER)     # the name column
        for x in range(8, 30):
            if (x - 8) % 3 != 2:
                c = CODES[colours[((x - 8) // 3) % len(colours)]]
                cv.rect(x, y, x, y + 2, c)
    cv.rect(7, 9, 7, 28, K)
    cv.rect(18, 9, 18, 29, K)            # the caret
    cv.rect(17, 9, 19, 9, K)
    cv.rect(17, 28, 19, 28, K)
    return cv


def icon_mulbla_16():
    return sprite([
        "KKKKKKKKKKKKKKKK",
        "KnnnnnnnnnnnnsnK",
        "KnnnnnnnnnnnnnnK",
        "KWWWWWWWWWWWWWWK",
        "KWRRGGBBKYYRRGWK",
        "KWRRGGBBKYYRRGWK",
        "KWWWWWWWKWWWWWWK",
        "KWBBRRGGKMMCCRWK",
        "KWBBRRGGKMMCCRWK",
        "KWWWWWWWKWWWWWWK",
        "KWGGYYRRKBBCCYWK",
        "KWGGYYRRKBBCCYWK",
        "KWWWWWWWKWWWWWWK",
        "KWCCBBMMKRRGGBWK",
        "KWCCBBMMKRRGGBWK",
        "KKKKKKKKKKKKKKKK",
    ])


def icon_hca_32():
    return hca_plot(32, 32, 4, [(11, 11, 6.0, 3.6, 0.6), (21, 21, 5.5, 3.0, 0.6)],
                    proline=(22, 9), glycine=(9, 22))


def icon_hca_16():
    return sprite([
        "....KKKKKKK.....",
        "...KWWWWWWWK....",
        "..KWnWnWnWnWK...",
        "..KWgggWWWWWK...",
        ".KWgGGGgnWnWWK..",
        ".KWgGGGGgWWWWK..",
        "KWnWgGGgWnWRWnWK",
        "KWWWWggWWWRRRWWK",
        "KWWnWnWnWnWRWnWK",
        "KWWWWWWWggWWWWWK",
        ".KWnWnWgGGgWnWK.",
        ".KWWWWWgGGGgWWK.",
        "..KWnWWWggGgWK..",
        "..KWWWnWnWggWK..",
        "...KWWWWWWWWK...",
        "....KKKKKKKK....",
    ])


def icon_statbla_32():
    cv = Canvas(32, 32)
    cv.rect(1, 2, 30, 29, WHITE)
    cv.frame(0, 1, 31, 30, K)
    cv.rect(3, 4, 28, 6, NAVY)
    for x in range(3, 29, 5):
        cv.rect(x, 7, x, 8, K)
    bars = [(3, 28, RED), (5, 24, RED), (3, 14, FUCHSIA), (13, 27, FUCHSIA),
            (7, 20, GREEN), (16, 26, BLUE), (3, 9, BLUE)]
    for n, (a, b, c) in enumerate(bars):
        y = 11 + n * 3
        cv.rect(a, y, b, y + 1, c)
    return cv


def icon_statbla_16():
    return sprite([
        "KKKKKKKKKKKKKKKK",
        "KWWWWWWWWWWWWWWK",
        "KWnnnnnnnnnnnnWK",
        "KWKWWKWWKWWKWWWK",
        "KWWWWWWWWWWWWWWK",
        "KWRRRRRRRRRRRRWK",
        "KWWWWWWWWWWWWWWK",
        "KWWRRRRRRRRRWWWK",
        "KWWWWWWWWWWWWWWK",
        "KWMMMMMWWMMMMMWK",
        "KWWWWWWWWWWWWWWK",
        "KWWWgggggggWWWWK",
        "KWWWWWWWWWWWWWWK",
        "KWBBBWWWWBBBBWWK",
        "KWWWWWWWWWWWWWWK",
        "KKKKKKKKKKKKKKKK",
    ])


# --------------------------------------------------------------------------
# The About picture, 320 x 140

def dither(cv, x0, y0, x1, y1, c1, c2, level):
    """Ordered (Bayer 4 x 4) mix of c2 into c1; level 0..16."""
    bayer = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            cv.set(x, y, c2 if bayer[y % 4][x % 4] < level else c1)


def about_picture():
    W, H = 320, 140
    cv = Canvas(W, H, NAVY)
    # sky: navy fading to blue towards the horizon
    horizon = 104
    for y in range(horizon):
        level = int(17 * y / horizon)
        dither(cv, 0, y, W - 1, y, NAVY, BLUE, level)
    # sea
    cv.rect(0, horizon, W - 1, H - 1, TEAL)
    for n, y in enumerate(range(horizon + 3, H, 6)):
        for x in range((n * 7) % 14, W, 14):
            cv.rect(x, y, x + 5, y, AQUA if (x // 14 + n) % 3 else WHITE)
    cv.rect(0, horizon, W - 1, horizon, AQUA)

    # the boat, left
    mast_x = 58
    cv.polygon([(18, 100), (108, 100), (98, 112), (28, 112)], MAROON)
    cv.rect(18, 99, 108, 100, RED)
    cv.line(26, 106, 100, 106, K)
    cv.rect(mast_x, 10, mast_x + 1, 99, K)
    cv.polygon([(mast_x + 3, 14), (mast_x + 3, 94), (104, 94)], WHITE)     # mainsail
    cv.polygon([(mast_x - 2, 20), (mast_x - 2, 97), (22, 97)], YELLOW)     # jib
    cv.rect(mast_x + 2, 94, 106, 96, K)                                   # boom
    for y in (34, 54, 74):                                                 # seams
        x_end = int(mast_x + 3 + (y - 14) * (104 - mast_x - 3) / 80.0)
        cv.line(mast_x + 4, y, x_end - 1, y + 3, SILVER)
    cv.line(mast_x + 3, 14, 104, 94, GREY)
    cv.line(mast_x - 2, 20, 22, 97, OLIVE)
    cv.line(22, 97, 22, 99, K)                                             # jib tack
    # the halyard: from the head of the sail over the masthead sheave and
    # down the mast to its cleat on deck, in red
    cv.line(mast_x + 3, 14, mast_x + 1, 9, RED)
    cv.rect(mast_x, 8, mast_x + 1, 9, RED)
    cv.line(mast_x - 1, 9, mast_x - 1, 97, RED)
    cv.rect(mast_x - 3, 96, mast_x + 1, 97, K)
    # pennant
    cv.polygon([(mast_x + 2, 2), (mast_x + 16, 5), (mast_x + 2, 8)], RED)
    cv.rect(mast_x, 1, mast_x + 1, 9, K)

    # the name
    title = "Halyard"
    scale = 4
    tx = 128
    draw_text(cv, tx + 2, 14 + 2, title, K, scale)
    draw_text(cv, tx, 14, title, YELLOW, scale)
    # a fine highlight on the letters' top edges
    for y in range(14, 14 + 9 * scale):
        for x in range(tx, tx + text_width(title, scale)):
            if cv.get(x, y) == YELLOW and cv.get(x, y - 1) not in (YELLOW, WHITE):
                cv.set(x, y, WHITE)

    sub = "BLAST report browser"
    draw_text(cv, tx + 1, 60, sub, WHITE, 1)

    # sequence blocks: a stretch of protein in residue colours
    residues = "MKVLAAGIWSPDEHFRLG"
    colours = {"M": (GREEN, WHITE), "K": (BLUE, WHITE), "V": (LIME, K),
               "L": (LIME, K), "A": (SILVER, K), "G": (YELLOW, K),
               "I": (LIME, K), "W": (GREEN, WHITE), "S": (AQUA, K),
               "P": (FUCHSIA, K), "D": (RED, WHITE), "E": (RED, WHITE),
               "H": (BLUE, WHITE), "F": (GREEN, WHITE), "R": (BLUE, WHITE)}
    bx, by = tx, 74
    for i, r in enumerate(residues):
        bg, fg = colours[r]
        x = bx + i * 10
        cv.rect(x, by, x + 8, by + 10, bg)
        cv.frame(x, by, x + 8, by + 10, K)
        draw_text(cv, x + 2, by + 2, r, fg, 1)
    # The version is not drawn: the About dialog writes it here (left edge
    # at tx, top at 88), from the one place the program keeps it.
    return cv


# --------------------------------------------------------------------------
# Strips and files

def strip(glyphs, cell_w, cell_h, widths=None):
    widths = widths or [cell_w] * len(glyphs)
    cv = Canvas(sum(widths), cell_h)
    x = 0
    for g, w in zip(glyphs, widths):
        cv.blit(centred(g, w, cell_h), x, 0)
        x += w
    return cv


def build_all():
    """Name of each file -> its bytes."""
    files = {}
    files["about.bmp"] = bmp_bytes(about_picture(), NAVY)
    files["seqfold.bmp"] = bmp_bytes(tree_sequence_folder(), WHITE)
    files["patfold.bmp"] = bmp_bytes(tree_pattern_folder(), WHITE)
    files["document.bmp"] = bmp_bytes(tree_document(), WHITE)
    main = [glyph_open(), glyph_print_1d(), glyph_printer_setup(), glyph_info(),
            glyph_hca(), glyph_editor(), glyph_map(), glyph_exit()]
    # eight images 23 pixels wide, the last one a pixel narrower: 183 in all
    files["toolbar.bmp"] = bmp_bytes(strip(main, 23, 24, [23] * 7 + [22]), SILVER)
    edit = [glyph_save(), glyph_remove(), glyph_rename(), glyph_merge(),
            glyph_move_up(), glyph_move_down(), glyph_consensus(), glyph_find(),
            glyph_font(), glyph_exit()]
    files["edittool.bmp"] = bmp_bytes(strip(edit, 23, 24), SILVER)
    hca = [glyph_hca(), glyph_hca_pair(), glyph_print_hca(), glyph_printer_setup()]
    files["hcatool.bmp"] = bmp_bytes(strip(hca, 23, 24), SILVER)
    files["halyard.ico"] = ico_bytes([icon_main_32(), icon_main_16()])
    files["mulbla.ico"] = ico_bytes([icon_mulbla_32(), icon_mulbla_16()])
    files["hca.ico"] = ico_bytes([icon_hca_32(), icon_hca_16()])
    files["statbla.ico"] = ico_bytes([icon_statbla_32(), icon_statbla_16()])
    return files


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    target = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "..", "resources")
    for name, data in sorted(build_all().items()):
        with open(os.path.join(target, name), "wb") as f:
            f.write(data)
        print("%-14s %6d bytes" % (name, len(data)))


if __name__ == "__main__":
    main()
