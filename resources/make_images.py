#!/usr/bin/env python3
"""Draw Quenlark's icons and menu bitmaps.

Everything is produced from code with the standard library only, so the
files in resources/images/ can be rebuilt byte for byte at any time:

    python3 resources/make_images.py            # rewrite resources/images/*
    python3 resources/make_images.py --preview /tmp/prev
                                                # also write 8x PNG previews

Icons are drawn as anti-aliased vector shapes (supersampled) into a 32-bit
RGBA canvas and stored as 32-bit BGRA ICO images with an AND mask.  Menu
bitmaps are 24-bit BMPs with a key colour for the transparent background,
so their shapes are drawn hard-edged (no blending into the key colour).
"""

import math
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
OUT_DIR = os.path.join(HERE, "images")

# Key colours the program passes to ImageList_AddMasked / draws around.
MENU_KEY = (255, 0, 255)
CHECK_KEY = (128, 0, 128)


# ---------------------------------------------------------------------------
# Raster canvas
# ---------------------------------------------------------------------------

class Canvas:
    """Straight-alpha RGBA canvas; colours are 0..255 floats, alpha 0..1."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [[0.0, 0.0, 0.0, 0.0] for _ in range(w * h)]

    def blend(self, x, y, rgb, a):
        if a <= 0 or not (0 <= x < self.w and 0 <= y < self.h):
            return
        p = self.px[y * self.w + x]
        da = p[3]
        oa = a + da * (1.0 - a)
        for i in range(3):
            p[i] = (rgb[i] * a + p[i] * da * (1.0 - a)) / oa
        p[3] = oa

    def fill(self, shape, color, alpha=1.0, ss=8, bbox=None):
        """Fill `shape` (inside(x, y) -> bool, continuous pixel coords).

        `color` is an (r, g, b) tuple or a function (x, y) -> (r, g, b) that
        is evaluated at the pixel centre (used for gradients).  Coverage is
        estimated with an ss x ss sample grid per pixel.
        """
        x0, y0, x1, y1 = bbox or (0, 0, self.w, self.h)
        x0, y0 = max(0, int(math.floor(x0))), max(0, int(math.floor(y0)))
        x1, y1 = min(self.w, int(math.ceil(x1))), min(self.h, int(math.ceil(y1)))
        offs = [(i + 0.5) / ss for i in range(ss)]
        n = float(ss * ss)
        for y in range(y0, y1):
            for x in range(x0, x1):
                hit = 0
                for oy in offs:
                    for ox in offs:
                        if shape(x + ox, y + oy):
                            hit += 1
                if hit:
                    rgb = color(x + 0.5, y + 0.5) if callable(color) else color
                    self.blend(x, y, rgb, alpha * hit / n)

    def rings(self, cx, cy, layers, ss=8):
        """Concentric disks, outermost first, as [(radius, colour), ...].

        Only the outer edge is anti-aliased; the boundaries between the inner
        layers follow pixel centres so they stay crisp at small sizes.
        """
        r0 = layers[0][0]
        offs = [(i + 0.5) / ss for i in range(ss)]
        for y in range(int(cy - r0) - 1, int(cy + r0) + 2):
            for x in range(int(cx - r0) - 1, int(cx + r0) + 2):
                hit = sum(1 for oy in offs for ox in offs
                          if (x + ox - cx) ** 2 + (y + oy - cy) ** 2 <= r0 * r0)
                if not hit:
                    continue
                d = math.hypot(x + 0.5 - cx, y + 0.5 - cy)
                col = layers[0][1]
                for rad, cl in layers[1:]:
                    if d <= rad:
                        col = cl
                if callable(col):
                    col = col(x + 0.5, y + 0.5)
                self.blend(x, y, col, hit / float(ss * ss))

    def rgba8(self):
        out = []
        for r, g, b, a in self.px:
            out.append((int(round(r)), int(round(g)), int(round(b)),
                        int(round(a * 255))))
        return out


# Shape constructors: each returns inside(x, y) -> bool.

def rect(x0, y0, x1, y1):
    return lambda x, y: x0 <= x < x1 and y0 <= y < y1


def rrect(x0, y0, x1, y1, r):
    def inside(x, y):
        if not (x0 <= x < x1 and y0 <= y < y1):
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def disk(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def poly(pts):
    """Even-odd polygon test."""
    def inside(x, y):
        c = False
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y):
                if x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                    c = not c
            j = i
        return c
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(a, b):
    return lambda x, y: a(x, y) and not b(x, y)


def vgrad(y0, y1, c0, c1):
    """Vertical gradient colour function from c0 at y0 to c1 at y1."""
    def col(x, y):
        t = min(1.0, max(0.0, (y - y0) / float(y1 - y0 or 1)))
        return tuple(c0[i] + (c1[i] - c0[i]) * t for i in range(3))
    return col


def grey(c, lift=0.0):
    """Desaturate a colour and lighten it by `lift` (0..1)."""
    l = 0.30 * c[0] + 0.59 * c[1] + 0.11 * c[2]
    l = l + (255 - l) * lift
    return (l, l, l)


# ---------------------------------------------------------------------------
# Application / tray icon: a stack of recent pages with a clock badge
# ---------------------------------------------------------------------------

PAL_COLOUR = {
    "page_line": (58, 82, 116),
    "page_top": (255, 255, 255),
    "page_bot": (226, 236, 250),
    "back_top": (196, 218, 246),
    "back_bot": (150, 186, 234),
    "back2_top": (150, 190, 240),
    "back2_bot": (96, 148, 220),
    "text": (98, 140, 204),
    "fold": (178, 202, 236),
    "clock_line": (150, 64, 0),
    "clock_top": (255, 186, 60),
    "clock_bot": (238, 116, 18),
    "face": (255, 255, 255),
    "hands": (40, 48, 64),
}

PAL_TRAY = dict(PAL_COLOUR)
PAL_TRAY.update({
    "back_top": (170, 206, 255),
    "back_bot": (110, 170, 246),
    "back2_top": (110, 170, 250),
    "back2_bot": (50, 120, 230),
    "text": (40, 110, 220),
    "clock_top": (255, 196, 40),
    "clock_bot": (250, 110, 0),
})

PAL_SLEEP = {k: grey(v, 0.25) for k, v in PAL_COLOUR.items()}
PAL_SLEEP["page_line"] = (110, 114, 120)
PAL_SLEEP["text"] = (160, 164, 170)


def E(v, s):
    """Scale a coordinate from the 16 px design grid and snap it to a pixel."""
    return int(math.floor(v * s / 16.0 + 0.5))


def draw_pages(c, s, pal, lines=True):
    """Three stacked pages; the front one has a folded corner and text."""
    o = 1 if s < 48 else 2                     # outline width in pixels
    step = max(2, E(2, s))
    pw, ph = E(10, s), E(12, s)
    # Back pages, drawn furthest first.
    for k, (top, bot) in ((2, ("back2_top", "back2_bot")),
                          (1, ("back_top", "back_bot"))):
        x0 = E(1, s) + k * step
        y0 = E(4, s) - k * step
        x1, y1 = x0 + pw, y0 + ph
        c.fill(rect(x0, y0, x1, y1), pal["page_line"])
        c.fill(rect(x0 + o, y0 + o, x1 - o, y1 - o),
               vgrad(y0, y1, pal[top], pal[bot]))
    # Front page with a dog-ear in its top-right corner.
    x0, y0 = E(1, s), E(4, s)
    x1, y1 = x0 + pw, y0 + ph
    f = max(3, E(3, s))
    outer = poly([(x0, y0), (x1 - f, y0), (x1, y0 + f), (x1, y1), (x0, y1)])
    d = o * (math.sqrt(2) - 1)                 # inset along the diagonal edge
    inner = poly([(x0 + o, y0 + o), (x1 - f - d, y0 + o),
                  (x1 - o, y0 + f + d), (x1 - o, y1 - o), (x0 + o, y1 - o)])
    c.fill(outer, pal["page_line"])
    c.fill(inner, vgrad(y0, y1, pal["page_top"], pal["page_bot"]))
    ear = poly([(x1 - f, y0), (x1 - f, y0 + f), (x1, y0 + f)])
    c.fill(ear, pal["page_line"])
    ear_in = poly([(x1 - f + o, y0 + o + d), (x1 - f + o, y0 + f - o),
                   (x1 - o - d, y0 + f - o)])
    c.fill(ear_in, pal["fold"])
    if lines:
        # Text lines: 1 px high at small sizes; they end short of the clock.
        lh = o
        gap = max(2, E(2, s))
        y = y0 + f + max(1, E(1, s)) + (1 if s >= 32 else 0)
        lx0 = x0 + o + max(1, E(1, s))
        widths = [x1 - o - max(1, E(1, s)) - lx0]
        n = 0
        while y + lh <= y1 - o - 1:
            w = widths[0] if n == 0 else max(2, E(3.2, s))
            c.fill(rect(lx0, y, lx0 + w, y + lh), pal["text"])
            y += gap
            n += 1


CLOCK_D = {16: 9, 20: 11, 24: 13, 32: 17, 48: 25}
# Crisp clock layers for small sizes: (rim radius, face radius) in pixels.
CLOCK_CRISP = {16: (3.7, 2.5), 20: (4.3, 3.3), 24: (5.6, 4.3)}


def draw_clock(c, s, pal):
    """Round clock badge in the bottom-right corner, hands at ten past twelve."""
    d = CLOCK_D[s]
    r = d / 2.0
    cx = cy = s - r                            # pixel centre (d is odd)
    o = 1 if s < 48 else 1.5
    rim = {16: 1, 20: 1, 24: 1.5, 32: 2, 48: 3}[s]
    rimcol = vgrad(cy - r, cy + r, pal["clock_top"], pal["clock_bot"])
    if s in CLOCK_CRISP:
        # Small sizes: hard inner edges read better than soft blends.
        line_r, fr = CLOCK_CRISP[s]
        c.rings(cx, cy, [(r, pal["clock_line"]), (line_r, rimcol),
                         (fr, pal["face"])])
    else:
        fr = r - o - rim
        c.fill(disk(cx, cy, r), pal["clock_line"])
        c.fill(disk(cx, cy, r - o), rimcol)
        c.fill(disk(cx, cy, fr + 0.5), pal["clock_line"], alpha=0.45)
        c.fill(disk(cx, cy, fr), pal["face"])
    hw = 2 if s >= 48 else 1
    if s >= 32:
        # Hour dots near the rim: the four quarters only at 32 px.
        for ang in range(0, 360, 30 if s >= 48 else 90):
            a = math.radians(ang)
            big = ang % 90 == 0
            tr = fr - (2.2 if s >= 48 else 1.6)
            c.fill(disk(cx + math.sin(a) * tr, cy - math.cos(a) * tr,
                        (1.0 if big else 0.6) if s >= 48 else 0.7),
                   pal["hands"], alpha=0.85 if big else 0.6)
    # Pixel-aligned hands: minute hand straight up, hour hand to the right.
    ml = int(fr * (0.80 if s < 32 else 0.70) + 0.5)
    hl = int(fr * (0.60 if s < 32 else 0.50) + 0.5)
    h0 = hw / 2.0
    c.fill(rect(cx - h0, cy - ml, cx + h0, cy + h0), pal["hands"])
    c.fill(rect(cx - h0, cy - h0, cx + hl, cy + h0), pal["hands"])
    if s >= 32:
        c.fill(disk(cx, cy, hw * 0.9 + 0.4), pal["hands"])


# Hand-placed padlocks for the smallest tray sizes, where an anti-aliased
# shackle only turns into a grey smudge.
PADLOCK_MAPS = {
    16: [
        "...KKK...",
        "..KsssK..",
        ".KsKKKsK.",
        ".KsK.KsK.",
        ".KsK.KsK.",
        "bBBBBBBBb",
        "ByyyyyyyB",
        "ByyyKyyyB",
        "ByyyKyyyB",
        "BYYYYYYYB",
        "bBBBBBBBb",
    ],
    20: [
        "...KKKKK...",
        "..KsssssK..",
        ".KssKKKssK.",
        ".KsK...KsK.",
        ".KsK...KsK.",
        ".KsK...KsK.",
        "bBBBBBBBBBb",
        "ByyyyyyyyyB",
        "ByyyyKyyyyB",
        "ByyyyKyyyyB",
        "ByyyyKyyyyB",
        "BYYYYYYYYYB",
        "BYYYYYYYYYB",
        "bBBBBBBBBBb",
    ],
}
PADLOCK_PAL = {
    "K": ((56, 56, 62), 1.0),       # shackle outline
    "s": ((214, 216, 222), 1.0),    # shackle metal
    "B": ((120, 70, 0), 1.0),       # body outline
    "b": ((120, 70, 0), 0.55),      # softened body corner
    "y": ((255, 210, 72), 1.0),     # body
    "Y": ((232, 160, 20), 1.0),     # body, lower shade
}


def blit(c, rows, ox, oy, pal):
    for j, row in enumerate(rows):
        for i, ch in enumerate(row):
            if ch in pal:
                rgb, a = pal[ch]
                c.blend(ox + i, oy + j, rgb, a)


def draw_padlock(c, s):
    """Closed padlock badge in the bottom-right corner (lock mode)."""
    if s in PADLOCK_MAPS:
        rows = PADLOCK_MAPS[s]
        blit(c, rows, s - len(rows[0]), s - len(rows), PADLOCK_PAL)
        return
    o = 1 if s < 48 else 2
    bw = {16: 9, 20: 11, 24: 13, 32: 17, 48: 25}[s]
    bh = {16: 6, 20: 7, 24: 9, 32: 11, 48: 16}[s]
    x1 = y1 = s
    x0, y0 = x1 - bw, y1 - bh
    cx = (x0 + x1) / 2.0
    # Shackle: a thick arch above the body.
    sw = {16: 1.6, 20: 2, 24: 2.4, 32: 3, 48: 4.4}[s]
    sr = bw * 0.30
    top = y0 - sr - sw * 0.4 - (1 if s >= 24 else 0)
    shackle_outer = union(disk(cx, top + sr, sr + sw / 2 + o),
                          rect(cx - sr - sw / 2 - o, top + sr, cx + sr + sw / 2 + o, y0 + 1))
    shackle_hole = union(disk(cx, top + sr, sr - sw / 2 - o),
                         rect(cx - sr + sw / 2 + o, top + sr, cx + sr - sw / 2 - o, y0 + 1))
    shackle = union(disk(cx, top + sr, sr + sw / 2),
                    rect(cx - sr - sw / 2, top + sr, cx + sr + sw / 2, y0 + 1))
    hole = union(disk(cx, top + sr, sr - sw / 2),
                 rect(cx - sr + sw / 2, top + sr, cx + sr - sw / 2, y0 + 1))
    c.fill(minus(shackle_outer, shackle_hole), (60, 60, 66))
    c.fill(minus(shackle, hole), vgrad(top, y0, (236, 238, 242), (150, 154, 162)))
    c.fill(rrect(x0, y0, x1, y1, 1.0 if s < 32 else 2.0), (120, 70, 0))
    c.fill(rrect(x0 + o, y0 + o, x1 - o, y1 - o, 0.5 if s < 32 else 1.5),
           vgrad(y0, y1, (255, 214, 80), (226, 150, 10)))
    # Keyhole.
    kh = max(2, E(2, s))
    kw = 1 if s < 32 else 2
    ky = y0 + (bh - kh) / 2.0
    c.fill(rect(cx - kw / 2.0, ky, cx + kw / 2.0, ky + kh), (110, 60, 0))
    if s >= 24:
        c.fill(disk(cx, ky + kw / 2.0, kw * 0.9), (110, 60, 0))


def app_icon(s):
    c = Canvas(s, s)
    draw_pages(c, s, PAL_COLOUR)
    draw_clock(c, s, PAL_COLOUR)
    return c


def tray_active_icon(s):
    c = Canvas(s, s)
    draw_pages(c, s, PAL_TRAY)
    draw_clock(c, s, PAL_TRAY)
    return c


def tray_sleep_icon(s):
    c = Canvas(s, s)
    draw_pages(c, s, PAL_SLEEP)
    draw_padlock(c, s)
    return c


# ---------------------------------------------------------------------------
# Menu command strip (16 x 16 each, hard-edged, magenta background)
# ---------------------------------------------------------------------------

MENU_PAL = {
    "k": (40, 48, 56),       # near-black outline
    "d": (96, 104, 114),     # dark grey
    "g": (150, 160, 172),    # grey (text lines)
    "l": (214, 222, 232),    # light grey
    "w": (255, 255, 255),
    "p": (70, 92, 124),      # page outline
    "q": (196, 216, 242),    # back page tint
    "b": (40, 112, 214),     # blue
    "B": (18, 66, 150),      # dark blue
    "c": (112, 170, 240),    # light blue
    "r": (224, 40, 36),      # red
    "R": (150, 18, 16),      # dark red
    "y": (255, 208, 72),     # folder yellow
    "Y": (190, 128, 12),     # folder outline
    "z": (255, 230, 140),    # folder highlight
    "o": (240, 100, 20),     # star orange
    "O": (170, 60, 10),      # star outline
    "e": (240, 128, 150),    # eraser pink
    "E": (170, 62, 90),      # eraser outline
}


class Tile:
    """16 x 16 hard-edged tile; None marks the transparent background."""

    def __init__(self):
        self.px = [[None] * 16 for _ in range(16)]

    def set(self, x, y, col):
        if 0 <= x < 16 and 0 <= y < 16:
            if isinstance(col, str):
                col = MENU_PAL[col]
            self.px[y][x] = tuple(int(round(v)) for v in col)

    def stamp(self, rows, ox=0, oy=0):
        """Paint a character map; '.' leaves the pixel alone."""
        for j, row in enumerate(rows):
            for i, ch in enumerate(row):
                if ch != ".":
                    self.set(ox + i, oy + j, ch)

    def box(self, x0, y0, x1, y1, line, fill):
        """Outlined rectangle, inclusive pixel coordinates."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                edge = x in (x0, x1) or y in (y0, y1)
                if edge and line:
                    self.set(x, y, line)
                elif not edge and fill:
                    self.set(x, y, fill)

    def hline(self, x0, x1, y, col):
        for x in range(x0, x1 + 1):
            self.set(x, y, col)

    def shape(self, inside, fill, line=None, ss=8):
        """Threshold a vector shape at 50 % coverage and paint it.

        With `line`, the shape's border pixels (4-neighbour next to the
        outside) get the outline colour.  `fill` may be a colour function
        taking the pixel centre, for simple shading.
        """
        offs = [(i + 0.5) / ss for i in range(ss)]
        m = [[sum(1 for oy in offs for ox in offs if inside(x + ox, y + oy))
              * 2 >= ss * ss for x in range(16)] for y in range(16)]
        for y in range(16):
            for x in range(16):
                if not m[y][x]:
                    continue
                border = any(not (0 <= x + dx < 16 and 0 <= y + dy < 16)
                             or not m[y + dy][x + dx]
                             for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                if line and border:
                    self.set(x, y, line)
                else:
                    self.set(x, y, fill(x + 0.5, y + 0.5) if callable(fill) else fill)


RED_X = [
    "rr..rr",
    ".rrrr.",
    "..rr..",
    ".rrrr.",
    "rr..rr",
]


def menu_history():
    t = Tile()
    t.box(4, 0, 12, 10, "p", "q")
    t.box(1, 3, 9, 15, "p", "w")
    for y, x1 in ((6, 7), (8, 7), (10, 6), (12, 7)):
        t.hline(3, x1, y, "g")
    t.stamp(RED_X, 10, 11)
    return t


def menu_settings():
    t = Tile()
    cx = cy = 7.5

    def tooth(ang):
        a = math.radians(ang)
        ux, uy = math.cos(a), math.sin(a)

        def inside(x, y):
            dx, dy = x - cx, y - cy
            along = dx * ux + dy * uy
            across = -dx * uy + dy * ux
            return 0 <= along <= 7.6 and abs(across) <= 1.45
        return inside
    gear = minus(union(disk(cx, cy, 5.4), *[tooth(k * 45) for k in range(8)]),
                 disk(cx, cy, 2.3))

    def shade(x, y):
        t_ = min(1.0, max(0.0, ((x - 2) + (y - 2)) / 22.0))
        return tuple(a + (b - a) * t_ for a, b in zip((214, 222, 232), (118, 128, 144)))
    t.shape(gear, shade, line="d")
    return t


def menu_favourites():
    t = Tile()
    t.stamp([
        ".YYYYY..........",
        "YzzzzzY.........",
        "YyyyyyYYYYYYYYY.",
        "YzzzzzzzzzzzzzzY",
        "YyyyyyyyyyyyyyyY",
        "YyyyyyyyyyyyyyyY",
        "YyyyyyyyyyyyyyyY",
        "YyyyyyyyyyyyyyyY",
        "YyyyyyyyyyyyyyyY",
        "YyyyyyyyyyyyyyyY",
        "YyyyyyyyyyyyyyyY",
        ".YYYYYYYYYYYYYY.",
    ], 0, 2)
    # Hand-placed 9 x 8 star: at this size a rasterised polygon turns blobby.
    t.stamp([
        "....O....",
        "...ooo...",
        "OoooooooO",
        ".Ooooooo.",
        "..ooooo..",
        "..ooOoo..",
        ".ooO.Ooo.",
        ".OO...OO.",
    ], 4, 5)
    return t


def menu_clear():
    t = Tile()
    # Eraser lying at 45 degrees: blue sleeve upper right, pink tip lower left.
    def band(u0, u1):
        # Rectangle in a frame rotated by 45 degrees around (8, 8).
        def inside(x, y):
            u = ((x - 8) - (y - 8)) / math.sqrt(2)   # along the eraser
            v = ((x - 8) + (y - 8)) / math.sqrt(2)   # across it
            return u0 <= u < u1 and -3.2 <= v < 2.6
        return inside
    t.shape(band(-7.4, 7.6), "c", line="B")
    t.shape(band(-7.4, -1.2), "e", line="E")
    t.hline(6, 15, 15, "g")
    return t


def round_badge(t, inner, outline):
    t.shape(disk(7.5, 7.5, 7.6), vgrad(1, 15, inner[0], inner[1]), line=outline)


def menu_help():
    t = Tile()
    round_badge(t, ((110, 170, 245), (24, 90, 200)), "B")
    t.stamp([
        ".wwww.",
        "ww..ww",
        "....ww",
        "...ww.",
        "..ww..",
        "......",
        "..ww..",
        "..ww..",
    ], 5, 3)
    return t


def menu_shell_recent():
    t = Tile()
    t.box(0, 1, 12, 11, "B", "w")
    t.box(0, 1, 12, 3, "B", "b")
    t.hline(1, 11, 2, "b")
    t.set(11, 2, "w")
    # A blue side band, like the Start menu's, and some list entries.
    for y in range(4, 11):
        t.set(1, y, "c")
        t.set(2, y, "c")
    for y in (5, 7, 9):
        t.hline(4, 9, y, "g")
    t.stamp(RED_X, 10, 11)
    return t


def menu_about():
    t = Tile()
    round_badge(t, ((110, 170, 245), (24, 90, 200)), "B")
    t.stamp([
        ".ww.",
        ".ww.",
        "....",
        "www.",
        ".ww.",
        ".ww.",
        ".ww.",
        "wwww",
    ], 6, 3)
    return t


def menu_document():
    t = Tile()
    t.stamp([
        "...pppppp.......",
        "...pwwwwpp......",
        "...pwwwwplp.....",
        "...pwwwwpllp....",
        "...pwwwwppppp...",
        "...pwwwwwwwwp...",
        "...pwwwwwwwwp...",
        "...pwwwwwwwwp...",
        "...pwwwwwwwwp...",
        "...pwwwwwwwwp...",
        "...pwwwwwwwwp...",
        "...pwwwwwwwwp...",
        "...pwwwwwwwwp...",
        "...pppppppppp...",
    ], 0, 1)
    for y, x1 in ((4, 6), (7, 10), (9, 10), (11, 8)):
        t.hline(5, x1, y, "g")
    return t


def menu_exit():
    t = Tile()
    cx, cy = 8.0, 8.5

    def ring(x, y):
        d = math.hypot(x - cx, y - cy)
        ang = abs(math.degrees(math.atan2(x - cx, -(y - cy))))
        return 3.9 <= d <= 7.0 and ang > 42
    bar = rect(6.5, 0.0, 9.5, 8.0)
    red = vgrad(1, 15, (236, 64, 52), (176, 20, 18))
    t.shape(ring, red)
    t.shape(bar, red)
    return t


MENU_ORDER = [
    menu_history,       # 0  the program's own history (clear submenu)
    menu_settings,      # 1  settings
    menu_favourites,    # 2  favourites
    menu_clear,         # 3  clear-recent submenu
    menu_help,          # 4  help
    menu_shell_recent,  # 5  the shell's Start menu recent list
    menu_about,         # 6  about
    menu_document,      # 7  spare
    menu_exit,          # 8  exit
]


# ---------------------------------------------------------------------------
# Check marks for owner-drawn menu items
# ---------------------------------------------------------------------------

CHECK_ROWS = [
    "...........g....",
    "..........KKW...",
    "....g....KKW....",
    "....KK..KKW.....",
    "....WKKKKW......",
    ".....WKKW.......",
    "......WW........",
]
CHECKMONO_ROWS = [
    "...........s....",
    "..........ggW...",
    "....s....ggW....",
    "....gg..ggW.....",
    "....WggggW......",
    ".....WggW.......",
    "......WW........",
]
CHECK_COLOURS = {"K": (0, 0, 0), "g": (128, 128, 128), "s": (192, 192, 192),
                 "W": (255, 255, 255), ".": CHECK_KEY}


def check_bitmap(rows):
    """16 x 16 pixel rows; the mark occupies rows 5 to 11."""
    out = [[CHECK_KEY] * 16 for _ in range(16)]
    for j, row in enumerate(rows):
        row = row.ljust(16, ".")
        assert len(row) == 16
        out[5 + j] = [CHECK_COLOURS[ch] for ch in row]
    return out


# ---------------------------------------------------------------------------
# File writers
# ---------------------------------------------------------------------------

def ico_bytes(images):
    """images: list of (size, [(r, g, b, a)] * size*size), top row first."""
    head = struct.pack("<HHH", 0, 1, len(images))
    blobs = []
    for s, px in images:
        xor = bytearray()
        for y in range(s - 1, -1, -1):             # DIBs are bottom-up
            for x in range(s):
                r, g, b, a = px[y * s + x]
                if a == 0:
                    r = g = b = 0
                xor += bytes((b, g, r, a))
        stride = ((s + 31) // 32) * 4
        mask = bytearray()
        for y in range(s - 1, -1, -1):
            row = bytearray(stride)
            for x in range(s):
                if px[y * s + x][3] == 0:          # 1 = transparent
                    row[x // 8] |= 0x80 >> (x % 8)
            mask += row
        bih = struct.pack("<IiiHHIIiiII", 40, s, s * 2, 1, 32, 0,
                          len(xor) + len(mask), 0, 0, 0, 0)
        blobs.append(bih + bytes(xor) + bytes(mask))
    offset = 6 + 16 * len(images)
    entries = b""
    for (s, _), blob in zip(images, blobs):
        entries += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32,
                               len(blob), offset)
        offset += len(blob)
    return head + entries + b"".join(blobs)


def bmp24_bytes(rows):
    """rows: list of lists of (r, g, b), top row first."""
    h, w = len(rows), len(rows[0])
    stride = (w * 3 + 3) & ~3
    data = bytearray()
    for row in reversed(rows):
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        line += bytes(stride - len(line))
        data += line
    bih = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data),
                      2835, 2835, 0, 0)
    bfh = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    return bfh + bih + bytes(data)


def png_bytes(w, h, rgba):
    """Minimal RGBA PNG encoder, used for previews only."""
    raw = bytearray()
    for y in range(h):
        raw.append(0)
        for x in range(w):
            raw += bytes(rgba[y * w + x])

    def chunk(tag, data):
        return (struct.pack(">I", len(data)) + tag + data +
                struct.pack(">I", zlib.crc32(tag + data) & 0xFFFFFFFF))
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) +
            chunk(b"IEND", b""))


def write(path, data):
    with open(path, "wb") as f:
        f.write(data)


# ---------------------------------------------------------------------------
# Previews: each image scaled up over a checkerboard
# ---------------------------------------------------------------------------

def preview_sheet(tiles, scale=8, gap=8):
    """tiles: list of (w, h, [(r, g, b, a)]).  Returns (w, h, rgba)."""
    W = sum(t[0] * scale for t in tiles) + gap * (len(tiles) + 1)
    H = max(t[1] for t in tiles) * scale + 2 * gap
    out = [(236, 236, 236, 255)] * (W * H)
    ox = gap
    for tw, th, px in tiles:
        for y in range(th * scale):
            for x in range(tw * scale):
                chk = 255 if ((x // 8) + (y // 8)) % 2 else 204
                r, g, b, a = px[(y // scale) * tw + x // scale]
                k = a / 255.0
                out[(gap + y) * W + ox + x] = (
                    int(r * k + chk * (1 - k)), int(g * k + chk * (1 - k)),
                    int(b * k + chk * (1 - k)), 255)
        ox += tw * scale + gap
    return W, H, out


def keyed_to_rgba(rows, key):
    return [(r, g, b, 0) if (r, g, b) == key else (r, g, b, 255)
            for row in rows for (r, g, b) in row]


# ---------------------------------------------------------------------------

def main(argv):
    preview = None
    if len(argv) >= 2 and argv[0] == "--preview":
        preview = argv[1]
    os.makedirs(OUT_DIR, exist_ok=True)

    icon_sets = {
        "quenlark.ico": (app_icon, (16, 20, 24, 32, 48)),
        "tray_active.ico": (tray_active_icon, (16, 20, 24, 32)),
        "tray_sleep.ico": (tray_sleep_icon, (16, 20, 24, 32)),
    }
    previews = {}
    for name, (fn, sizes) in icon_sets.items():
        imgs = [(s, fn(s).rgba8()) for s in sizes]
        write(os.path.join(OUT_DIR, name), ico_bytes(imgs))
        previews[name] = [(s, s, px) for s, px in imgs]

    tiles = [f() for f in MENU_ORDER]
    strip = [[None] * (16 * len(tiles)) for _ in range(16)]
    for i, t in enumerate(tiles):
        for y in range(16):
            for x in range(16):
                strip[y][16 * i + x] = t.px[y][x] or MENU_KEY
    write(os.path.join(OUT_DIR, "menu_commands.bmp"), bmp24_bytes(strip))
    previews["menu_commands.bmp"] = [(16, 16, keyed_to_rgba(
        [row[16 * i:16 * i + 16] for row in strip], MENU_KEY)) for i in range(len(tiles))]

    for name, rows in (("check.bmp", CHECK_ROWS), ("checkmono.bmp", CHECKMONO_ROWS)):
        bm = check_bitmap(rows)
        write(os.path.join(OUT_DIR, name), bmp24_bytes(bm))
        previews[name] = [(16, 16, keyed_to_rgba(bm, CHECK_KEY))]

    if preview:
        os.makedirs(preview, exist_ok=True)
        for name, tl in previews.items():
            w, h, px = preview_sheet(tl)
            write(os.path.join(preview, name.rsplit(".", 1)[0] + ".png"),
                  png_bytes(w, h, px))


if __name__ == "__main__":
    main(sys.argv[1:])
