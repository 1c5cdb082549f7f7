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

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ASSETS = os.path.join(ROOT, "assets")

FONT_DIRS = (
    "/usr/share/fonts/opentype/ipafont-gothic",
    "/usr/share/fonts/truetype/dejavu",
    "/usr/share/fonts/truetype/liberation",
)
FONT_JA = "ipagp.ttf"                # IPAPGothic, proportional
FONT_LOGO = "DejaVuSans-Bold.ttf"
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

SILVER_HI = (236, 238, 242)
SILVER = (196, 200, 208)
GRAY = (132, 136, 146)
GRAY_DARK = (78, 82, 92)
GRAPHITE = (44, 46, 54)

RED_INK = (96, 8, 12)
RED_DARK = (160, 20, 24)
RED = (222, 44, 36)
RED_LIGHT = (255, 120, 92)
YELLOW_DARK = (196, 136, 0)
YELLOW = (255, 214, 32)
YELLOW_PALE = (255, 244, 160)

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


def write(name, data):
    path = os.path.join(ASSETS, name)
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

    def get(self, x, y):
        return self.px[x, y]

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

    def outline(self, c):
        """Ring every opaque shape with a 1-px (4-neighbour) border."""
        n = self.n
        add = []
        for y in range(n):
            for x in range(n):
                if self.px[x, y][3]:
                    continue
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    xx, yy = x + dx, y + dy
                    if 0 <= xx < n and 0 <= yy < n and self.px[xx, yy][3]:
                        add.append((x, y))
                        break
        for x, y in add:
            self.set(x, y, c)


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
        # 16 and 20: silver outer ring, gray inner ring.
        cv.box(0, 0, last, last, SILVER)
        for i in range(1, last):
            cv.set(i, 0, SILVER_HI)
            cv.set(0, i, SILVER_HI)
        cv.box(1, 1, last - 1, last - 1, GRAY)
        for i in range(2, last - 1):
            cv.set(i, last - 1, SILVER)
            cv.set(last - 1, i, SILVER)
        cv.set(1, last - 1, GRAY)
        cv.set(last - 1, 1, GRAY)
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
# size -> (half length in v, u of top edge, u of bottom edge,
#          chip (start, end) ranges along v, contact tooth period in v)
EMBLEM_GEOM = {
    16: dict(L=12, top=-5, bot=4, chips=((-8, -3), (1, 6)), tooth=4),
    20: dict(L=15, top=-6, bot=5, chips=((-11, -5), (-1, 5), (9, 11)), tooth=4),
    24: dict(L=18, top=-7, bot=6, chips=((-14, -7), (-3, 4), (8, 15)), tooth=4),
    32: dict(L=25, top=-10, bot=8, chips=((-20, -11), (-7, 2), (6, 15), (19, 22)), tooth=4),
    48: dict(L=38, top=-15, bot=12, chips=((-32, -20), (-16, -4), (0, 12), (16, 28), (32, 35)), tooth=6),
}


def emblem_pixels(n, cv, shift=(0, 0)):
    g = EMBLEM_GEOM[n]
    L, top, bot = g["L"], g["top"], g["bot"]
    width = bot - top + 1
    # bands across the module, from the top edge down
    contact_rows = max(2, width // 4)        # teal edge connector
    chip_top = top + 2
    chip_bot = bot - contact_rows - 1
    sx, sy = shift
    for y in range(n):
        for x in range(n):
            u = (x - sx) + (y - sy) - (n - 1)
            v = (x - sx) - (y - sy)
            if not (top <= u <= bot and -L <= v <= L):
                continue
            end = abs(v) >= L - 1
            if u == top or end:
                c = NAVY_INK
            elif u == bot:
                c = TEAL_DARK
            elif u > bot - contact_rows:
                # edge connector: teal fingers separated by board gaps
                period = g["tooth"]
                c = TEAL_LIGHT if (v + L) % period < period // 2 + 1 else TEAL
                if abs(v) <= 1 and n >= 20:
                    c = NAVY_INK                  # key notch
                    if u == bot - 1 or u == bot:
                        c = CLEAR
            elif u == top + 1:
                c = BLUE_LIGHT
            else:
                c = BLUE
                for a, b in g["chips"]:
                    if a <= v <= b and chip_top <= u <= chip_bot:
                        if u == chip_top or v == b:
                            c = NAVY_MID          # lit chip edge
                        else:
                            c = NAVY
                        break
                else:
                    if u == bot - contact_rows and n >= 24:
                        c = BLUE_LIGHT            # gold-less trace line
            cv.set(x, y, c)


def emblem_icon(n):
    cv = Canvas(n)
    emblem_pixels(n, cv)
    return cv.img


def app_icon(n):
    """Emblem on a rounded navy tile with a teal gauge arc behind it."""
    cv = Canvas(n)
    last = n - 1
    r = 1 if n < 24 else 2 if n < 40 else 3
    # tile
    for y in range(n):
        for x in range(n):
            cx = min(x, last - x)
            cy = min(y, last - y)
            if cx + cy < r:
                continue
            t = y / last
            cv.set(x, y, lerp(NAVY, NAVY_INK, t))
    # tile border
    for y in range(n):
        for x in range(n):
            if cv.get(x, y)[3] == 0:
                continue
            edge = any(
                not (0 <= x + dx < n and 0 <= y + dy < n) or cv.get(x + dx, y + dy)[3] == 0
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            if edge:
                cv.set(x, y, TEAL if (x + y) < n else TEAL_DARK)
    emblem_pixels(n, cv)
    return cv.img


# ---------------------------------------------------------------------------
# Cleanup icon: a square chip in reds with yellow pins and a yellow sweep.
# ---------------------------------------------------------------------------
# size -> (body inset, pin length, pin width, pin gap)
CHIP_GEOM = {
    16: dict(inset=3, pins=((5, 6), (9, 10))),
    20: dict(inset=3, pins=((5, 6), (9, 10), (13, 14))),
    24: dict(inset=4, pins=((6, 7), (10, 13), (16, 17))),
    32: dict(inset=5, pins=((8, 9), (12, 13), (18, 19), (22, 23))),
    48: dict(inset=7, pins=((11, 13), (17, 19), (23, 24), (28, 30), (34, 36))),
}


def chip_pins(n, cv, g, colour, tip):
    i = g["inset"]
    last = n - 1
    for a, b in g["pins"]:
        for p in range(a, b + 1):
            for d in range(1, i):
                c = tip if d == 1 else colour
                cv.set(p, i - d, c)           # top
                cv.set(p, last - i + d, c)    # bottom
                cv.set(i - d, p, c)           # left
                cv.set(last - i + d, p, c)    # right


def cleanup_icon(n):
    g = CHIP_GEOM[n]
    cv = Canvas(n)
    i = g["inset"]
    last = n - 1
    chip_pins(n, cv, g, YELLOW, YELLOW_DARK)
    # body
    cv.rect(i, i, last - i, last - i, RED)
    for k in range(i + 1, last - i):
        cv.set(k, i + 1, RED_LIGHT)
        cv.set(i + 1, k, RED_LIGHT)
    cv.box(i, i, last - i, last - i, RED_INK)
    for k in range(i + 1, last - i):
        cv.set(k, last - i - 1, RED_DARK)
        cv.set(last - i - 1, k, RED_DARK)
    # sweep: a yellow circular arrow in the die area
    inner0, inner1 = i + 2, last - i - 2
    cx = cy = (inner0 + inner1) / 2.0
    rad = (inner1 - inner0) / 2.0 - (0.5 if n < 24 else 1.0)
    thick = 1.0 if n < 24 else 1.6 if n < 40 else 2.4
    for y in range(inner0, inner1 + 1):
        for x in range(inner0, inner1 + 1):
            dx, dy = x - cx, y - cy
            d = math.hypot(dx, dy)
            ang = math.degrees(math.atan2(-dy, dx)) % 360
            if abs(d - rad) <= thick * 0.5 + 0.25 and not (20 <= ang <= 95):
                cv.set(x, y, YELLOW)
    # arrow head at the gap's clockwise end (pointing up, right side)
    ax = int(round(cx + rad * math.cos(math.radians(20))))
    ay = int(round(cy - rad * math.sin(math.radians(20))))
    head = 1 if n < 24 else 2 if n < 40 else 3
    for k in range(head + 1):
        for j in range(-k, k + 1):
            cv.set(ax + j, ay - head + k, YELLOW_PALE if k == 0 else YELLOW)
    return cv.img


# ---------------------------------------------------------------------------
# Large bitmaps.  Drawn at SS x and reduced, so curves and text are smooth.
# ---------------------------------------------------------------------------
SS = 4


def gradient(w, h, top, bottom, left_tint=None):
    img = Image.new("RGB", (w, h))
    px = img.load()
    for y in range(h):
        row = lerp(top, bottom, y / max(1, h - 1))
        for x in range(w):
            c = row
            if left_tint is not None:
                c = lerp(row, left_tint, (1 - x / max(1, w - 1)) * 0.5)
            px[x, y] = c
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


def text_layer(size, xy, text, fnt, fill_top, fill_bottom, stroke=0, anchor="la"):
    """Vertically graded text as an RGBA layer."""
    mask = Image.new("L", size, 0)
    ImageDraw.Draw(mask).text(xy, text, font=fnt, fill=255,
                              stroke_width=stroke, stroke_fill=255, anchor=anchor)
    fill = gradient(size[0], size[1], fill_top, fill_bottom).convert("RGBA")
    bbox = mask.getbbox()
    if bbox:
        x0, y0, x1, y1 = bbox
        grad = gradient(1, y1 - y0, fill_top, fill_bottom).resize((size[0], y1 - y0))
        fill.paste(grad, (0, y0))
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
        d.ellipse((x0 + int(4 * s), int(22 * s), x0 + int(8 * s), int(26 * s)),
                  fill=rgba(NAVY_MID))
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

    # memory module, diagonal, with a blue halo
    mod = dimm_layer(150 * S, 34 * S, chips=6)
    mod = mod.rotate(34, resample=Image.BICUBIC, expand=True)
    mx, my = 66 * S - mod.size[0] // 2, 116 * S - mod.size[1] // 2
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
    fnt = font(FONT_LOGO, 36 * S)
    pos = (226 * S, 112 * S)
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
    x0, y0, segw, gap = 150 * S, 136 * S, 11 * S, 2 * S
    lit = 9
    for k, col in enumerate(cols):
        xs = x0 + k * (segw + gap)
        fill = rgba(col, 235) if k < lit else (40, 52, 80, 200)
        bd.rectangle((xs, y0, xs + segw - 1, y0 + 5 * S), fill=fill)
    base = Image.alpha_composite(base, glow(base.size, lambda d: [
        d.rectangle((x0 + k * (segw + gap), y0, x0 + k * (segw + gap) + segw, y0 + 5 * S), fill=255)
        for k in range(lit)], 3 * S, TEAL, 0.6))
    base = Image.alpha_composite(base, bar)

    # hairline separating the credit strip
    line = Image.new("RGBA", base.size, CLEAR)
    ld = ImageDraw.Draw(line)
    for x in range(8 * S, W * S, S):
        t = (x - 8 * S) / ((W - 8) * S)
        a = int(150 * math.sin(math.pi * t) ** 0.7)
        ld.line((x, 151 * S, x + S, 151 * S), fill=rgba(TEAL_LIGHT, a), width=S // 2)
    base = Image.alpha_composite(base, line)

    out = base.convert("RGB").resize((W, H), Image.LANCZOS)
    return add_noise(out, 1, 11)


def memory_chip_layer(w, h, S):
    """Front view of a DRAM chip: graphite body, silver pins top and bottom."""
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


def banner():
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
    for k, a in enumerate((70, 140, 220)):
        for side in (-1, 1):
            x = W * S // 2 + side * (74 + k * 11) * S
            pts = [(x - side * 4 * S, mid - 7 * S), (x + side * 2 * S, mid),
                   (x - side * 4 * S, mid + 7 * S)]
            cd.line(pts, fill=rgba(TEAL_LIGHT, a), width=2 * S, joint="curve")
    base = Image.alpha_composite(base, ch)

    # caption
    text = "空き容量を確保しています"
    fnt = font(FONT_JA, 19 * S)
    pos = (W * S // 2, 101 * S)
    shadow = Image.new("RGBA", base.size, CLEAR)
    ImageDraw.Draw(shadow).text((pos[0] + S, pos[1] + S), text, font=fnt, anchor="mm",
                                fill=(0, 0, 0, 230), stroke_width=S + 1, stroke_fill=(0, 0, 0, 230))
    base = Image.alpha_composite(base, shadow)
    base = Image.alpha_composite(base, text_layer(base.size, pos, text, fnt,
                                                  (255, 236, 96), (255, 200, 16),
                                                  stroke=S // 2 + 1, anchor="mm"))
    out = base.convert("RGB").resize((W, H), Image.LANCZOS)
    return add_noise(out, 1, 23)


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
    serif = ImageFont.truetype("/usr/share/fonts/truetype/dejavu/DejaVuSerif-BoldItalic.ttf", 15) \
        if os.path.exists("/usr/share/fonts/truetype/dejavu/DejaVuSerif-BoldItalic.ttf") else f_credit
    sp = splash_img.crop((8, 48, 320, 184))
    d = ImageDraw.Draw(sp)
    d.text((72, 112), "Copyright (C) 2024 Quorvane. All rights reserved.",
           font=f_credit, fill=WHITE)
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


def build():
    os.makedirs(ASSETS, exist_ok=True)
    icons = {}
    icons["app.ico"] = [app_icon(n) for n in ICON_SIZES]
    icons["emblem.ico"] = [emblem_icon(n) for n in ICON_SIZES]
    icons["cleanup.ico"] = [cleanup_icon(n) for n in ICON_SIZES]
    for lv in sorted(LEVELS):
        icons["level%02d.ico" % lv] = [level_icon(n, lv) for n in ICON_SIZES]
    written = []
    for name, imgs in icons.items():
        written.append(write(name, ico_bytes(imgs)))
    sp, bn, gb = splash(), banner(), gauge_back()
    written.append(write("splash.bmp", bmp_bytes(sp)))
    written.append(write("banner.bmp", bmp_bytes(bn)))
    written.append(write("gauge_back.bmp", bmp_bytes(gb)))
    sheet = preview(icons, (sp, bn, gb))
    path = os.path.join(ASSETS, "preview.png")
    sheet.save(path, "PNG", optimize=False)
    written.append(path)
    return written


if __name__ == "__main__":
    for p in build():
        print(os.path.relpath(p, ROOT))
    sys.exit(0)
