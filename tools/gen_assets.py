#!/usr/bin/env python3
"""Draw Larkspan's bitmaps and icons into assets/.

Run from anywhere with Debian's Python and Pillow:

    /usr/bin/python3 tools/gen_assets.py

Output is deterministic: no clocks, no random state, no embedded metadata,
so two runs on the same machine give byte-identical files.  Text goes through
FreeType, so a different FreeType or font build may move a few anti-aliased
pixels in the bitmaps; the icons use no fonts and never change.

Icons are pixel art drawn separately at every size (16, 20, 24, 32, 48) and
written as 32-bit BGRA DIB entries with AND masks; nothing is downscaled.
"""

import math
import os
import struct
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ASSETS = os.path.join(ROOT, "assets")

FONT_DIRS = (
    "/usr/share/fonts/opentype/ipafont-gothic",
    "/usr/share/fonts/truetype/dejavu",
    "/usr/share/fonts/truetype/liberation",
)
FONT_JA = "ipagp.ttf"                # IPAPGothic, proportional
FONT_LOGO = "DejaVuSans-Bold.ttf"
FONT_LATIN_BOLD = "DejaVuSans-Bold.ttf"  # English captions
FONT_REVIEW = "DejaVuSans.ttf"

ICON_SIZES = (16, 20, 24, 32, 48)

# ---------------------------------------------------------------------------
# Palette shared by every picture.
# ---------------------------------------------------------------------------
CLEAR = (0, 0, 0, 0)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)

NAVY_INK = (8, 14, 40)          # outlines
NAVY = (18, 32, 88)
NAVY_MID = (34, 54, 128)
BLUE = (36, 104, 214)
BLUE_LIGHT = (104, 168, 248)
BLUE_PALE = (178, 214, 255)
TEAL_DARK = (0, 92, 100)
TEAL = (0, 164, 164)
TEAL_LIGHT = (90, 226, 208)

TILE_HI = (250, 252, 255)
TILE_TOP = (214, 228, 248)
TILE_BOTTOM = (150, 176, 220)

SILVER_HI = (236, 238, 242)
SILVER = (206, 210, 218)
SILVER_LO = (164, 168, 178)
GRAY = (132, 136, 146)
GRAY_DARK = (78, 82, 92)

RED_INK = (96, 8, 12)
RED_DARK = (160, 20, 24)
RED = (222, 44, 36)
RED_LIGHT = (255, 120, 92)
YELLOW_DARK = (196, 136, 0)
YELLOW = (255, 214, 32)

# Level colours of the tray gauge.
L_RED = (236, 28, 36)
L_MAGENTA = (232, 32, 224)
L_YELLOW = (255, 224, 0)
L_GREEN = (24, 208, 56)
L_CYAN = (0, 224, 255)

# Tray gauge: index = icon number, value = (filled rows of 12, colour).
LEVELS = {
    1: (0, None),
    2: (1, L_RED),
    3: (2, L_RED),
    4: (3, L_MAGENTA),
    5: (4, L_YELLOW),
    6: (6, L_YELLOW),
    7: (7, L_GREEN),
    8: (8, L_GREEN),
    9: (9, L_GREEN),
    10: (10, L_CYAN),
    11: (11, L_CYAN),
    12: (12, L_CYAN),
}
WELL_ROWS = 12


def font_path(name):
    for d in FONT_DIRS:
        p = os.path.join(d, name)
        if os.path.exists(p):
            return p
    raise SystemExit("font not found: %s (install fonts-ipafont-gothic, "
                     "fonts-dejavu-core)" % name)


def font(name, size):
    return ImageFont.truetype(font_path(name), size)


def rgba(c, a=255):
    return (c[0], c[1], c[2], a)


def lerp(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(len(a)))


def noise(x, y, seed=0):
    """Stable per-pixel hash in 0..255 (no RNG state involved)."""
    h = (x * 374761393 + y * 668265263 + seed * 2147483647) & 0xFFFFFFFF
    h = ((h ^ (h >> 13)) * 1274126177) & 0xFFFFFFFF
    return (h ^ (h >> 16)) & 0xFF


# ---------------------------------------------------------------------------
# File writers.
# ---------------------------------------------------------------------------
def bmp_bytes(img):
    """24-bit bottom-up BMP with BITMAPINFOHEADER."""
    img = img.convert("RGB")
    w, h = img.size
    raw = img.tobytes("raw", "BGR")
    stride = (w * 3 + 3) & ~3
    pad = b"\0" * (stride - w * 3)
    rows = [raw[y * w * 3:(y + 1) * w * 3] + pad for y in range(h - 1, -1, -1)]
    data = b"".join(rows)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data),
                       2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0,
                       14 + len(info))
    return head + info + data


def ico_entry(img):
    """One icon image: BITMAPINFOHEADER, BGRA pixels, AND mask."""
    img = img.convert("RGBA")
    w, h = img.size
    px = img.load()
    xor = bytearray()
    mask_stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        mrow = bytearray(mask_stride)
        for x in range(w):
            r, g, b, a = px[x, y]
            if a == 0:
                r = g = b = 0
                mrow[x >> 3] |= 0x80 >> (x & 7)
            xor += bytes((b, g, r, a))
        mask += mrow
    info = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0,
                       len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + bytes(mask)


def ico_bytes(images):
    blobs = [ico_entry(im) for im in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for im, blob in zip(images, blobs):
        w, h = im.size
        out += struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32,
                           len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def write(out_dir, name, data):
    path = os.path.join(out_dir, name)
    with open(path, "wb") as f:
        f.write(data)
    return path


# ---------------------------------------------------------------------------
# Pixel canvas for icons: exact pixels, no anti-aliasing anywhere.
# ---------------------------------------------------------------------------
class Canvas:
    def __init__(self, n):
        self.n = n
        self.img = Image.new("RGBA", (n, n), CLEAR)
        self.px = self.img.load()

    def set(self, x, y, c):
        if 0 <= x < self.n and 0 <= y < self.n:
            self.px[x, y] = rgba(c) if len(c) == 3 else c

    def rect(self, x0, y0, x1, y1, c):
        """Filled rectangle, both corners inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def box(self, x0, y0, x1, y1, c):
        """1-px rectangle outline, corners inclusive."""
        for x in range(x0, x1 + 1):
            self.set(x, y0, c)
            self.set(x, y1, c)
        for y in range(y0, y1 + 1):
            self.set(x0, y, c)
            self.set(x1, y, c)


# ---------------------------------------------------------------------------
# Tray gauge icons.
# ---------------------------------------------------------------------------
# size -> frame thickness.  The well is the square left inside the frame:
# 16 -> 12 (1-px rows), 20 -> 16, 24 -> 18, 32 -> 24 (2-px rows),
# 48 -> 36 (3-px rows).
LEVEL_FRAME = {16: 2, 20: 2, 24: 3, 32: 4, 48: 6}


def well_rect(n):
    f = LEVEL_FRAME[n]
    return f, f, n - 1 - f, n - 1 - f


def row_bounds(n):
    """Top/bottom pixel of each well row, index 0 = bottom row."""
    x0, y0, x1, y1 = well_rect(n)
    h = y1 - y0 + 1
    edges = [int(math.floor(i * h / WELL_ROWS + 0.5)) for i in range(WELL_ROWS + 1)]
    out = []
    for i in range(WELL_ROWS):
        bot = y1 - edges[i]
        top = y1 - edges[i + 1] + 1
        out.append((top, bot))
    return out


def draw_frame(cv, n):
    """Silver bevelled frame.  Outer ring light on top/left, darker on
    bottom/right; inner ring gray, darker again next to the well so the
    well reads as sunk in."""
    f = LEVEL_FRAME[n]
    last = n - 1
    if f == 2:
        # 16 and 20: silver outer ring, lit on top/left; gray inner ring.
        cv.box(0, 0, last, last, SILVER_LO)
        for i in range(0, last):
            cv.set(i, 0, SILVER)
            cv.set(0, i, SILVER)
        cv.box(1, 1, last - 1, last - 1, GRAY)
    else:
        # Dark hairline outside (reads on a white taskbar), silver body with
        # a light top/left edge, gray lip next to the well.
        cv.box(0, 0, last, last, GRAY_DARK)
        cv.rect(1, 1, last - 1, last - 1, SILVER)
        for i in range(1, last):
            cv.set(i, 1, SILVER_HI)
            cv.set(1, i, SILVER_HI)
        for i in range(2, last):
            cv.set(i, last - 1, GRAY)
            cv.set(last - 1, i, GRAY)
        # gray inner lip: top/left dark (shadow), bottom/right lighter
        lip = f - 1
        for i in range(lip, n - lip):
            cv.set(i, lip, GRAY_DARK)
            cv.set(lip, i, GRAY_DARK)
            cv.set(i, last - lip, GRAY)
            cv.set(last - lip, i, GRAY)
    # soften the four corners
    for x, y in ((0, 0), (last, 0), (0, last), (last, last)):
        cv.set(x, y, CLEAR)


def level_icon(n, level):
    rows, colour = LEVELS[level]
    cv = Canvas(n)
    draw_frame(cv, n)
    x0, y0, x1, y1 = well_rect(n)
    cv.rect(x0, y0, x1, y1, BLACK)
    bounds = row_bounds(n)
    for i in range(rows):
        top, bot = bounds[i]
        cv.rect(x0, top, x1, bot, colour)
    return cv.img


# ---------------------------------------------------------------------------
# Emblem: a memory module lying on the diagonal, bottom-left to top-right.
#
# Drawn in diagonal coordinates u = x + y - (n - 1) (across the module,
# negative = upper-left side) and v = x - y (along it).  Every constant-u
# line is a clean 1-px 45-degree pixel line, so the edges stay crisp.
# ---------------------------------------------------------------------------
# size -> geometry in diagonal coordinates:
#   L      half length along v (the two outermost v values are the end caps)
#   top    u of the upper-left edge, bot u of the lower-right (connector) edge
#   chips  number of chips, gap  board between chips (in v units)
#   fingers  contact band rows, pitch  finger repeat in screen x
EMBLEM_GEOM = {
    16: dict(L=11, top=-4, bot=4, chips=2, gap=3, fingers=2, pitch=2),
    20: dict(L=14, top=-5, bot=5, chips=3, gap=3, fingers=2, pitch=2),
    24: dict(L=17, top=-6, bot=6, chips=3, gap=3, fingers=2, pitch=2),
    32: dict(L=23, top=-8, bot=8, chips=4, gap=4, fingers=3, pitch=2),
    48: dict(L=35, top=-12, bot=12, chips=5, gap=5, fingers=4, pitch=3),
}


def emblem_pixels(n, cv, shorten=0):
    g = EMBLEM_GEOM[n]
    L, top, bot = g["L"] - shorten, g["top"], g["bot"]
    fingers = g["fingers"]
    chip_u0 = top + (2 if n < 32 else 3)
    chip_u1 = bot - fingers - 2
    # chips spread evenly between the end caps
    inner0, inner1 = -L + 3, L - 3
    span = inner1 - inner0 + 1
    k, gap = g["chips"], g["gap"]
    clen = (span - (k - 1) * gap) / float(k)
    chips = []
    for i in range(k):
        a = inner0 + int(round(i * (clen + gap)))
        chips.append((a, a + int(round(clen)) - 1))
    notch = None
    if n >= 24:
        c = -(L // 3)
        notch = (c - 1, c + 1) if n < 48 else (c - 2, c + 2)
    for y in range(n):
        for x in range(n):
            u = x + y - (n - 1)
            v = x - y
            if not (top <= u <= bot and -L <= v <= L):
                continue
            if min(u - top, bot - u) + (L - abs(v)) < 2:
                continue                        # round the four corners
            if notch and notch[0] <= v <= notch[1] and u >= bot - 1:
                continue                        # key notch in the connector
            if u == top or abs(v) >= L - 1:
                c = NAVY_INK
            elif u == bot:
                c = TEAL_DARK
            elif u > bot - 1 - fingers:
                if notch and notch[0] - 2 <= v <= notch[1] + 2:
                    c = TEAL_DARK
                else:
                    c = TEAL_LIGHT if x % g["pitch"] == 0 else TEAL_DARK
            elif u == top + 1:
                c = BLUE_LIGHT
            else:
                c = BLUE
                if chip_u0 <= u <= chip_u1:
                    for a, b in chips:
                        if a <= v <= b:
                            c = NAVY
                            if n >= 24 and u == chip_u0:
                                c = NAVY_MID
                            break
            cv.set(x, y, c)


def emblem_icon(n):
    cv = Canvas(n)
    emblem_pixels(n, cv)
    return cv.img


def app_icon(n):
    """The emblem on a rounded navy tile, for the window and the exe."""
    cv = Canvas(n)
    last = n - 1
    r = 1 if n < 24 else 2 if n < 40 else 3
    inside = set()
    for y in range(n):
        for x in range(n):
            cx = min(x, last - x)
            cy = min(y, last - y)
            if cx + cy >= r:
                inside.add((x, y))
    for x, y in inside:
        edge = any((x + dx, y + dy) not in inside
                   for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
        if edge:
            c = NAVY_INK
        elif y == 1 or (x == 1 and y < n // 2) or (y == 2 and n >= 32):
            c = TILE_HI
        else:
            c = lerp(TILE_TOP, TILE_BOTTOM, y / float(last))
        cv.set(x, y, c)
    emblem_pixels(n, cv, shorten=2 if n < 32 else 3 if n < 48 else 4)
    return cv.img


# ---------------------------------------------------------------------------
# Cleanup icon: a square chip in reds with yellow pins and a yellow
# "go round again" arrow on the die.
# ---------------------------------------------------------------------------
# size -> body inset (pins fill the inset), pin spans along each side,
#         ring diameter / stroke, arrow head half-width
CHIP_GEOM = {
    16: dict(inset=2, pins=((4, 5), (7, 8), (10, 11)), ring=8, stroke=1, head=2),
    20: dict(inset=3, pins=((5, 6), (9, 10), (13, 14)), ring=10, stroke=2, head=2),
    24: dict(inset=3, pins=((5, 6), (9, 10), (13, 14), (17, 18)), ring=12, stroke=2, head=3),
    32: dict(inset=4, pins=((7, 8), (11, 12), (15, 16), (19, 20), (23, 24)),
             ring=16, stroke=3, head=4),
    48: dict(inset=6, pins=((10, 12), (15, 17), (20, 22), (25, 27), (30, 32), (35, 37)),
             ring=24, stroke=4, head=6),
}

def disc(d, bias):
    """Pixel disc of diameter d in a d x d box."""
    c = (d - 1) / 2.0
    r2 = (d / 2.0) ** 2 - bias
    return {(x, y) for y in range(d) for x in range(d)
            if (x - c) ** 2 + (y - c) ** 2 <= r2}


def arrow_glyph(d, t, head):
    """Ring of diameter d and stroke t, open at the upper right, with an
    upward head on the right-hand end.  Returns (pixels, head pixels),
    coordinates in a box of (d + head) x (d + 1)."""
    bias = 0.5 if d < 14 else 2.0
    ring = disc(d, bias) - {(x + t, y + t) for x, y in disc(d - 2 * t, bias)}
    c = (d - 1) / 2.0
    body = set()
    for x, y in ring:
        ang = math.degrees(math.atan2(c - y, x - c)) % 360
        if not (0 <= ang <= 100):
            body.add((x, y + 1))
    # head: centred on the right-hand stroke, base just above where the
    # ring stops, tip pointing up (the ring turns anticlockwise)
    xs0, xs1 = d - t, d - 1
    base = int(c) + 1
    heads = set()
    for k in range(head + 1):
        for x in range(xs0 - head + k, xs1 + head - k + 1):
            heads.add((x, base - k))
    return body, heads


def chip_pins(n, cv, g):
    i = g["inset"]
    last = n - 1
    for a, b in g["pins"]:
        for p in range(a, b + 1):
            for d in range(0, i):
                c = YELLOW_DARK if d == 0 else YELLOW
                cv.set(p, d, c)                # top
                cv.set(p, last - d, c)         # bottom
                cv.set(d, p, c)                # left
                cv.set(last - d, p, c)         # right


def cleanup_icon(n):
    g = CHIP_GEOM[n]
    cv = Canvas(n)
    i = g["inset"]
    last = n - 1
    chip_pins(n, cv, g)
    cv.rect(i, i, last - i, last - i, RED)
    bevel = range(i + 1, last - i) if n > 16 else ()
    for k in bevel:
        cv.set(k, i + 1, RED_LIGHT)
        cv.set(i + 1, k, RED_LIGHT)
        cv.set(k, last - i - 1, RED_DARK)
        cv.set(last - i - 1, k, RED_DARK)
    cv.set(i + 1, last - i - 1, RED)
    cv.set(last - i - 1, i + 1, RED)
    cv.box(i, i, last - i, last - i, RED_INK)
    d, t, head = g["ring"], g["stroke"], g["head"]
    body, heads = arrow_glyph(d, t, head)
    # centre the ring on the die; the head may use the bevel rows
    inner = (last - i - 1) - (i + 1) + 1
    lo, hi = i + 1, last - i - 1
    ox = min(lo + (inner - d) // 2, hi - (d - 1 + head))
    oy = lo + (inner - (d + 1)) // 2
    glyph = {(ox + x, oy + y) for x, y in body | heads
             if lo <= ox + x <= hi and lo <= oy + y <= hi}
    if n >= 24:
        for x, y in glyph:
            if (x + 1, y + 1) not in glyph and x + 1 <= hi and y + 1 <= hi:
                cv.set(x + 1, y + 1, RED_DARK)     # drop shadow
    for x, y in glyph:
        cv.set(x, y, YELLOW)
    return cv.img


# ---------------------------------------------------------------------------
# Large bitmaps.  Drawn at SS x and reduced, so curves and text are smooth.
# ---------------------------------------------------------------------------
SS = 4


def gradient(w, h, top, bottom, left_tint=None):
    """Vertical gradient; left_tint pulls the left edge halfway to a colour."""
    col = Image.new("RGB", (1, h))
    for y in range(h):
        col.putpixel((0, y), lerp(top, bottom, y / float(max(1, h - 1))))
    img = col.resize((w, h), Image.NEAREST)
    if left_tint is not None:
        ramp = Image.new("L", (w, 1))
        for x in range(w):
            ramp.putpixel((x, 0), int(round(127.5 * (1 - x / float(max(1, w - 1))))))
        img = Image.composite(Image.new("RGB", (w, h), left_tint), img,
                              ramp.resize((w, h), Image.NEAREST))
    return img


def add_noise(img, amount, seed):
    px = img.load()
    w, h = img.size
    for y in range(h):
        for x in range(w):
            d = (noise(x, y, seed) * (2 * amount + 1)) // 256 - amount
            r, g, b = px[x, y]
            px[x, y] = (max(0, r + d), max(0, g + d), max(0, b + d))
    return img


def glow(size, draw_fn, radius, colour, strength=1.0):
    """Soft coloured halo of whatever draw_fn paints into an L mask."""
    mask = Image.new("L", size, 0)
    draw_fn(ImageDraw.Draw(mask))
    mask = mask.filter(ImageFilter.GaussianBlur(radius))
    if strength != 1.0:
        mask = mask.point(lambda v: min(255, int(v * strength)))
    layer = Image.new("RGBA", size, rgba(colour))
    layer.putalpha(mask)
    return layer


def text_layer(size, xy, text, fnt, fill_top, fill_bottom, stroke=0, anchor="la", widen=0):
    """Text graded from fill_top to fill_bottom over its own height. `widen` draws it again that
    many pixels to the right: heavier vertical strokes, while the gaps between horizontal ones stay."""
    mask = Image.new("L", size, 0)
    for dx in range(widen + 1):
        ImageDraw.Draw(mask).text((xy[0] + dx, xy[1]), text, font=fnt, fill=255,
                                  stroke_width=stroke, stroke_fill=255, anchor=anchor)
    fill = Image.new("RGBA", size, rgba(fill_top))
    bbox = mask.getbbox()
    if bbox:
        x0, y0, x1, y1 = bbox
        fill.paste(gradient(size[0], y1 - y0, fill_top, fill_bottom), (0, y0))
    fill.putalpha(mask)
    return fill


def dimm_layer(length, height, chips=8):
    """Horizontal memory module, RGBA, at supersampled scale."""
    img = Image.new("RGBA", (length, height), CLEAR)
    d = ImageDraw.Draw(img)
    s = height / 100.0
    r = int(4 * s)
    # board
    d.rounded_rectangle((0, 0, length - 1, height - 1), r, fill=rgba(NAVY_INK))
    d.rounded_rectangle((int(2 * s), int(2 * s), length - 1 - int(2 * s),
                         height - 1 - int(2 * s)), r, fill=rgba(BLUE))
    # board shading: lighter top band
    d.rectangle((int(3 * s), int(3 * s), length - int(4 * s), int(9 * s)),
                fill=rgba(BLUE_LIGHT))
    # traces
    for k in range(1, chips * 2):
        x = int(length * k / (chips * 2))
        d.line((x, int(60 * s), x, int(72 * s)), fill=rgba(BLUE_LIGHT), width=max(1, int(1.2 * s)))
    # chips
    margin = int(length * 0.04)
    gap = int(length * 0.022)
    cw = (length - 2 * margin - (chips - 1) * gap) // chips
    for k in range(chips):
        x0 = margin + k * (cw + gap)
        d.rectangle((x0, int(16 * s), x0 + cw, int(58 * s)), fill=rgba(NAVY))
        d.rectangle((x0, int(16 * s), x0 + cw, int(19 * s)), fill=rgba(NAVY_MID))
        d.rectangle((x0 + cw - int(3 * s), int(16 * s), x0 + cw, int(58 * s)),
                    fill=rgba(NAVY_MID))
        d.ellipse((x0 + int(4 * s), int(49 * s), x0 + int(9 * s), int(54 * s)),
                  fill=rgba(NAVY_MID))
        for k2, frac in enumerate((0.62, 0.42)):
            ly = int((27 + 7 * k2) * s)
            d.rectangle((x0 + int(6 * s), ly, x0 + int(6 * s) + int(cw * frac), ly + int(2.5 * s)),
                        fill=(90, 130, 210, 170 if k2 == 0 else 110))
    # edge connector fingers
    fy0, fy1 = int(76 * s), height - int(3 * s)
    pitch = max(3, int(length / 64))
    notch = length * 0.42
    x = margin // 2
    while x + pitch < length - margin // 2:
        if not (notch - pitch * 1.5 < x < notch + pitch * 1.0):
            d.rectangle((x, fy0, x + int(pitch * 0.6), fy1), fill=rgba(TEAL_LIGHT))
            d.rectangle((x, fy0 + int((fy1 - fy0) * 0.55), x + int(pitch * 0.6), fy1),
                        fill=rgba(TEAL))
        x += pitch
    # key notch
    d.rectangle((int(notch - pitch * 0.5), int(86 * s), int(notch + pitch * 0.5), height),
                fill=CLEAR)
    return img


def splash():
    W, H = 320, 240
    S = SS
    base = gradient(W * S, H * S, (10, 18, 48), (4, 8, 22), left_tint=(2, 4, 14))
    base = base.convert("RGBA")

    # faint circuit grid over the right two thirds
    grid = Image.new("RGBA", base.size, CLEAR)
    gd = ImageDraw.Draw(grid)
    for gx in range(96, W, 16):
        gd.line((gx * S, 0, gx * S, H * S), fill=(60, 110, 200, 18), width=S // 2)
    for gy in range(48, H, 16):
        gd.line((0, gy * S, W * S, gy * S), fill=(60, 110, 200, 18), width=S // 2)
    base = Image.alpha_composite(base, grid)

    # gauge arc behind the logo
    cx, cy, rad = 226 * S, 156 * S, 92 * S
    arc = Image.new("RGBA", base.size, CLEAR)
    ad = ImageDraw.Draw(arc)
    box = (cx - rad, cy - rad, cx + rad, cy + rad)
    ad.arc(box, 180, 360, fill=(80, 140, 230, 60), width=2 * S)
    inner = 8 * S
    ad.arc((box[0] + inner, box[1] + inner, box[2] - inner, box[3] - inner),
           180, 360, fill=(80, 140, 230, 30), width=S)
    seg = [(L_RED, 180, 207), (L_MAGENTA, 209, 223), (L_YELLOW, 225, 261),
           (L_GREEN, 263, 315), (L_CYAN, 317, 360)]
    r2 = rad - 4 * S
    for col, a0, a1 in seg:
        ad.arc((cx - r2, cy - r2, cx + r2, cy + r2), a0, a1,
               fill=rgba(col, 110), width=3 * S)
    for k in range(0, 25):
        a = math.radians(180 + k * 7.5)
        r_out = rad - 9 * S
        r_in = r_out - (6 * S if k % 4 == 0 else 3 * S)
        ad.line((cx + r_in * math.cos(a), cy + r_in * math.sin(a),
                 cx + r_out * math.cos(a), cy + r_out * math.sin(a)),
                fill=(150, 190, 255, 90 if k % 4 == 0 else 50), width=S)
    arc = arc.filter(ImageFilter.GaussianBlur(S * 0.3))
    base = Image.alpha_composite(base, arc)

    # hairline separating the credit strip
    line = Image.new("RGBA", base.size, CLEAR)
    ld = ImageDraw.Draw(line)
    for x in range(8 * S, W * S, S):
        t = (x - 8 * S) / ((W - 8) * S)
        a = int(150 * math.sin(math.pi * t) ** 0.7)
        ld.line((x, 151 * S, x + S, 151 * S), fill=rgba(TEAL_LIGHT, a), width=S // 2)
    base = Image.alpha_composite(base, line)

    # memory module, diagonal, with a blue halo; its top end stays below
    # y 78 so the about box's maker name keeps a dark corner
    mod = dimm_layer(120 * S, 30 * S, chips=5)
    mod = mod.rotate(32, resample=Image.BICUBIC, expand=True)
    mx, my = 68 * S - mod.size[0] // 2, 124 * S - mod.size[1] // 2
    halo = Image.new("RGBA", base.size, CLEAR)
    halo_mask = Image.new("L", base.size, 0)
    halo_mask.paste(mod.getchannel("A"), (mx, my))
    halo_mask = halo_mask.filter(ImageFilter.GaussianBlur(9 * S))
    halo_mask = halo_mask.point(lambda v: int(v * 0.55))
    halo = Image.new("RGBA", base.size, rgba(BLUE))
    halo.putalpha(halo_mask)
    base = Image.alpha_composite(base, halo)
    base.alpha_composite(mod, (mx, my))

    # logo
    fnt = font(FONT_LOGO, 32 * S)
    pos = (222 * S, 113 * S)
    logo_glow = glow(base.size, lambda d: d.text(pos, "Larkspan", font=fnt, fill=255,
                                                anchor="mm"),
                     5 * S, BLUE, 0.9)
    base = Image.alpha_composite(base, logo_glow)
    shadow = Image.new("RGBA", base.size, CLEAR)
    ImageDraw.Draw(shadow).text((pos[0] + S, pos[1] + 2 * S), "Larkspan", font=fnt,
                                fill=(0, 0, 10, 200), anchor="mm")
    base = Image.alpha_composite(base, shadow)
    base = Image.alpha_composite(base, text_layer(base.size, pos, "Larkspan", fnt,
                                                  WHITE, BLUE_PALE, anchor="mm"))

    # segmented level bar under the logo: the tray gauge turned sideways
    bar = Image.new("RGBA", base.size, CLEAR)
    bd = ImageDraw.Draw(bar)
    cols = [L_RED, L_RED, L_MAGENTA, L_YELLOW, L_YELLOW, L_YELLOW,
            L_GREEN, L_GREEN, L_GREEN, L_CYAN, L_CYAN, L_CYAN]
    x0, y0, segw, gap = 151 * S, 134 * S, 10 * S, 2 * S
    lit = 9
    for k, col in enumerate(cols):
        xs = x0 + k * (segw + gap)
        fill = rgba(col, 235) if k < lit else (40, 52, 80, 200)
        bd.rectangle((xs, y0, xs + segw - 1, y0 + 5 * S), fill=fill)
    base = Image.alpha_composite(base, glow(base.size, lambda d: [
        d.rectangle((x0 + k * (segw + gap), y0, x0 + k * (segw + gap) + segw, y0 + 5 * S), fill=255)
        for k in range(lit)], 3 * S, TEAL, 0.6))
    base = Image.alpha_composite(base, bar)

    out = base.convert("RGB").resize((W, H), Image.LANCZOS)
    return add_noise(out, 1, 11)


def memory_chip_layer(w, h, S):
    """Top view of a DRAM chip: navy body, silver pins top and bottom."""
    img = Image.new("RGBA", (w, h), CLEAR)
    d = ImageDraw.Draw(img)
    pin_len = h * 0.18
    body = (0, pin_len, w - 1, h - 1 - pin_len)
    n_pins = 12
    margin = w * 0.07
    pitch = (w - 2 * margin) / n_pins
    for k in range(n_pins):
        px0 = margin + k * pitch + pitch * 0.22
        px1 = margin + (k + 1) * pitch - pitch * 0.22
        for (a, b) in ((0, pin_len + 2 * S), (h - 1 - pin_len - 2 * S, h - 1)):
            d.rectangle((px0, a, px1, b), fill=rgba(SILVER))
            d.rectangle((px1 - (px1 - px0) * 0.35, a, px1, b), fill=rgba(GRAY))
    d.rounded_rectangle(body, 3 * S, fill=rgba(NAVY_INK))
    b2 = (body[0] + S, body[1] + S, body[2] - S, body[3] - S)
    d.rounded_rectangle(b2, 2 * S, fill=rgba(NAVY))
    d.rectangle((b2[0] + 2 * S, b2[1] + S, b2[2] - 2 * S, b2[1] + 3 * S), fill=rgba(NAVY_MID))
    # pin-1 mark and a faint die label
    d.ellipse((b2[0] + 5 * S, b2[3] - 10 * S, b2[0] + 10 * S, b2[3] - 5 * S),
              fill=rgba(NAVY_MID))
    for k in range(3):
        y = b2[1] + (10 + 6 * k) * S
        d.rectangle((b2[0] + 22 * S, y, b2[0] + (22 + (56 if k == 0 else 36)) * S, y + 2 * S),
                    fill=(90, 130, 210, 150 if k == 0 else 90))
    return img


def banner_scene():
    """The securing banner without its caption: the chip with its glow and chevrons, at final size."""
    W, H = 273, 126
    S = SS
    base = gradient(W * S, H * S, (14, 24, 62), (4, 8, 24)).convert("RGBA")
    # radial lift behind the chip
    lift = glow(base.size, lambda d: d.ellipse((86 * S, 10 * S, 188 * S, 86 * S), fill=255),
                22 * S, BLUE, 0.55)
    base = Image.alpha_composite(base, lift)

    chip = memory_chip_layer(120 * S, 58 * S, S)
    cx0, cy0 = (W * S - chip.size[0]) // 2, 16 * S
    base.alpha_composite(chip, (cx0, cy0))

    # "moving" chevrons either side of the chip
    ch = Image.new("RGBA", base.size, CLEAR)
    cd = ImageDraw.Draw(ch)
    mid = cy0 + chip.size[1] // 2
    for k, a in enumerate((230, 150, 80)):
        for side in (-1, 1):
            # pointing in towards the chip: memory being gathered
            x = W * S // 2 + side * (72 + k * 11) * S
            pts = [(x + side * 2 * S, mid - 7 * S), (x - side * 4 * S, mid),
                   (x + side * 2 * S, mid + 7 * S)]
            cd.line(pts, fill=rgba(TEAL_LIGHT, a), width=2 * S, joint="curve")
    base = Image.alpha_composite(base, ch)

    out = base.convert("RGB").resize((W, H), Image.LANCZOS)
    return add_noise(out, 1, 23).convert("RGBA")


def banner(scene, text, fnt, widen):
    """The scene with its caption centred under the chip. The caption is drawn at its final size,
    after the scene is scaled down, so that the font's own outlines decide every pixel: dense kanji
    such as 量 and 確 keep their counters. `widen` makes it heavier only sideways, and its shadow is
    a dark copy one pixel down and right."""
    pos = (scene.size[0] // 2, 101)
    shadow = text_layer(scene.size, (pos[0] + 1, pos[1] + 1), text, fnt, (0, 0, 0), (0, 0, 0), anchor="mm", widen=widen)
    out = Image.alpha_composite(scene, shadow)
    out = Image.alpha_composite(out, text_layer(out.size, pos, text, fnt, (255, 240, 112), (255, 204, 24),
                                                anchor="mm", widen=widen))
    return out.convert("RGB")


def gauge_back():
    W, H = 261, 128
    img = gradient(W, H, (14, 20, 44), (6, 9, 22))
    px = img.load()
    for y in range(H):
        for x in range(W):
            r, g, b = px[x, y]
            if x % 8 == 0 or y % 8 == 0:
                r, g, b = r + 3, g + 4, b + 7
            px[x, y] = (r, g, b)
    # 1-px bevel
    for x in range(W):
        px[x, 0] = (30, 42, 84)
        px[x, H - 1] = (2, 3, 8)
    for y in range(H):
        px[0, y] = (26, 36, 74)
        px[W - 1, y] = (2, 3, 8)
    return add_noise(img, 1, 37)


# ---------------------------------------------------------------------------
# Review sheet.
# ---------------------------------------------------------------------------
def mock_overlays(splash_img, banner_img, back_img):
    """The bitmaps with the program's own drawing roughly simulated."""
    f_credit = font("DejaVuSans-Bold.ttf", 11)
    try:
        serif = font("DejaVuSerif-BoldItalic.ttf", 15)     # fonts-dejavu-extra
    except SystemExit:
        serif = f_credit
    sp = splash_img.crop((8, 48, 320, 184))
    d = ImageDraw.Draw(sp)
    d.rectangle((72, 112, 72 + 233 - 1, 112 + 13 - 1), outline=(255, 0, 255))
    d.text((74, 112), "© 2026 Quorvane", font=f_credit, fill=WHITE)
    ab = splash_img.crop((16, 48, 321, 197))
    ImageDraw.Draw(ab).text((8, 4), "Quorvane", font=serif, fill=WHITE)
    gb = back_img.copy()
    d = ImageDraw.Draw(gb)
    fj = font(FONT_JA, 12)
    d.text((70, 5), "物理メモリ 詳細", font=fj, fill=(0, 255, 255))
    d.rectangle((10, 30, 160, 60), fill=(200, 80, 80))
    d.rectangle((160, 30, 240, 60), fill=(80, 80, 200))
    d.text((15, 38), "1234 / 2048 MB", font=fj, fill=WHITE)
    d.rectangle((90, 70, 115, 84), fill=(200, 80, 80))
    d.rectangle((90, 90, 115, 104), fill=(80, 80, 200))
    d.text((120, 70), "使用中 1234 MB", font=fj, fill=(255, 255, 0))
    d.text((120, 90), "空き 814 MB", font=fj, fill=(255, 255, 0))
    return sp, ab, gb


def preview(icons, bitmaps):
    rf = font(FONT_REVIEW, 11)
    zoom = 4
    dark, light = (16, 18, 26), (232, 234, 238)
    names = list(icons)
    strip_w = sum(s * zoom + 8 for s in ICON_SIZES)
    col_w = 90 + strip_w
    row_h = 48 * zoom + 48 + 8
    half = (len(names) + 1) // 2
    sheet_w = 10 + col_w * 2
    tray_h = 2 * (16 * 2 + 8) + 30
    sheet_h = 30 + half * row_h + tray_h + 16 + 240 + 20 + 16 + 150 + 20
    sheet = Image.new("RGB", (sheet_w, sheet_h), (36, 38, 44))
    d = ImageDraw.Draw(sheet)
    d.text((10, 8), "Larkspan icons: 4x on dark, then 1x on dark and on light",
           font=rf, fill=WHITE)
    for idx, name in enumerate(names):
        cx = 10 + (idx // half) * col_w
        cy = 30 + (idx % half) * row_h
        d.text((cx, cy), name, font=rf, fill=(220, 220, 220))
        x = cx + 84
        for s, im in zip(ICON_SIZES, icons[name]):
            big = im.resize((s * zoom, s * zoom), Image.NEAREST)
            tile = Image.new("RGB", big.size, dark)
            tile.paste(big, (0, 0), big)
            sheet.paste(tile, (x, cy))
            for j, bg in enumerate((dark, light)):
                t = Image.new("RGB", (s + 4, s + 4), bg)
                t.paste(im, (2, 2), im)
                sheet.paste(t, (x + j * (s + 6), cy + s * zoom + 2))
            x += s * zoom + 8
    # taskbar strips: every icon's 16x16 at 1x and 2x on dark and light
    y = 30 + half * row_h
    d.text((10, y), "16x16 in a tray (1x and 2x)", font=rf, fill=WHITE)
    y += 16
    for bg in (dark, light):
        band = Image.new("RGB", (sheet_w - 20, 16 * 2 + 8), bg)
        x = 6
        for name in names:
            im = icons[name][0]
            band.paste(im, (x, 12), im)
            x += 22
        x += 20
        for name in names:
            im = icons[name][0].resize((32, 32), Image.NEAREST)
            band.paste(im, (x, 4), im)
            x += 38
        sheet.paste(band, (10, y))
        y += band.size[1] + 4
    sp, ab, gb = mock_overlays(*bitmaps)
    y += 10
    d.text((10, y), "splash.bmp (magenta: visible band) / band with mock credit / "
           "about cut-out with mock maker name", font=rf, fill=WHITE)
    y += 16
    sheet.paste(bitmaps[0], (10, y))
    d.rectangle((10 + 8 - 1, y + 48 - 1, 10 + 320, y + 184), outline=(255, 0, 255))
    sheet.paste(sp, (350, y))
    sheet.paste(ab, (680, y))
    y += 250
    d.text((10, y), "banner.bmp / gauge_back.bmp / gauge_back with mock overlay",
           font=rf, fill=WHITE)
    y += 16
    sheet.paste(bitmaps[1], (10, y))
    sheet.paste(bitmaps[2], (300, y))
    sheet.paste(gb, (580, y))
    return sheet


def build(out_dir=ASSETS):
    os.makedirs(out_dir, exist_ok=True)
    icons = {}
    icons["app.ico"] = [app_icon(n) for n in ICON_SIZES]
    icons["emblem.ico"] = [emblem_icon(n) for n in ICON_SIZES]
    icons["cleanup.ico"] = [cleanup_icon(n) for n in ICON_SIZES]
    for lv in sorted(LEVELS):
        icons["level%02d.ico" % lv] = [level_icon(n, lv) for n in ICON_SIZES]
    written = []
    for name, imgs in icons.items():
        written.append(write(out_dir, name, ico_bytes(imgs)))
    scene = banner_scene()
    sp, gb = splash(), gauge_back()
    # IPAPGothic has no bold face: the Japanese caption is widened by a pixel instead.
    bn = banner(scene, "空き容量を確保しています", font(FONT_JA, 19), widen=1)
    bn_en = banner(scene, "Securing free memory...", font(FONT_LATIN_BOLD, 16), widen=0)
    written.append(write(out_dir, "splash.bmp", bmp_bytes(sp)))
    written.append(write(out_dir, "banner.bmp", bmp_bytes(bn)))
    written.append(write(out_dir, "banner_en.bmp", bmp_bytes(bn_en)))
    written.append(write(out_dir, "gauge_back.bmp", bmp_bytes(gb)))
    sheet = preview(icons, (sp, bn, gb))
    path = os.path.join(out_dir, "preview.png")
    sheet.save(path, "PNG", optimize=False)
    written.append(path)
    return written


def main(argv):
    if len(argv) > 2 or (len(argv) == 2 and argv[1].startswith("-")):
        sys.stderr.write("usage: gen_assets.py [OUT_DIR]   (default: assets/)\n")
        return 2
    out_dir = os.path.abspath(argv[1]) if len(argv) == 2 else ASSETS
    for p in build(out_dir):
        print(os.path.relpath(p))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
