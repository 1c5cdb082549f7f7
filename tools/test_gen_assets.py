#!/usr/bin/env python3
"""Checks on the generated pictures.

    /usr/bin/python3 tools/test_gen_assets.py

Regenerates everything twice into temporary folders, then checks the files
as the Windows loaders will see them: container layout of every .ico, the
tray gauge levels read back from the pixels, BMP headers, and that the areas
the program draws text on stay dark.  Exits non-zero on any failure.
"""

import colorsys
import hashlib
import os
import struct
import subprocess
import sys
import tempfile
import unittest

from PIL import Image

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
GEN = os.path.join(HERE, "gen_assets.py")
SIZES = [16, 20, 24, 32, 48]

# Tray gauge, as the panel code expects it: icon -> (rows of 12, hue name).
LEVELS = {1: (0, None), 2: (1, "red"), 3: (2, "red"), 4: (3, "magenta"),
          5: (4, "yellow"), 6: (6, "yellow"), 7: (7, "green"), 8: (8, "green"),
          9: (9, "green"), 10: (10, "cyan"), 11: (11, "cyan"), 12: (12, "cyan")}
HUES = {"red": 0, "yellow": 60, "green": 120, "cyan": 180, "magenta": 300}

ICONS = ["app.ico", "emblem.ico", "cleanup.ico"] + \
        ["level%02d.ico" % i for i in range(1, 13)]
BMPS = {"splash.bmp": (320, 240), "banner.bmp": (273, 126),
        "banner_en.bmp": (273, 126), "gauge_back.bmp": (261, 128)}

OUT = None      # first generated folder
OUT2 = None     # second run, for the determinism check


def generate(dest):
    subprocess.run([sys.executable, GEN, dest], check=True,
                   stdout=subprocess.DEVNULL)


def read(name, folder=None):
    with open(os.path.join(folder or OUT, name), "rb") as f:
        return f.read()


def digest(name, folder=None):
    return hashlib.sha256(read(name, folder)).hexdigest()


def parse_ico(data):
    """Own reader for ICONDIR + 32-bit DIB entries -> {size: RGBA image}."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind) == (0, 1), "not an icon file"
    images = {}
    spans = []
    for i in range(count):
        w, h, colours, res, planes, bpp, size, off = \
            struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        w, h = w or 256, h or 256
        assert (colours, res, planes, bpp) == (0, 0, 1, 32), "entry %d header" % i
        blob = data[off:off + size]
        assert len(blob) == size, "entry %d runs past the end" % i
        assert not blob.startswith(b"\x89PNG"), "PNG entry"
        hs, bw, bh, bplanes, bbpp, comp = struct.unpack_from("<IiiHHI", blob, 0)
        assert (hs, bw, bh, bplanes, bbpp, comp) == (40, w, 2 * h, 1, 32, 0), \
            "entry %d DIB header" % i
        stride = ((w + 31) // 32) * 4
        assert size == 40 + w * h * 4 + stride * h, "entry %d size" % i
        img = Image.new("RGBA", (w, h))
        px = img.load()
        mask_off = 40 + w * h * 4
        for row in range(h):
            y = h - 1 - row
            for x in range(w):
                b, g, r, a = blob[40 + (row * w + x) * 4:44 + (row * w + x) * 4]
                masked = blob[mask_off + row * stride + (x >> 3)] & (0x80 >> (x & 7))
                assert bool(masked) == (a == 0), \
                    "AND mask disagrees with alpha at %dx%d (%d,%d)" % (w, h, x, y)
                px[x, y] = (r, g, b, a)
        assert w not in images, "size %d twice" % w
        images[w] = img
        spans.append((off, off + size))
    spans.sort()
    assert spans[0][0] == 6 + 16 * count
    for (a0, a1), (b0, b1) in zip(spans, spans[1:]):
        assert a1 <= b0, "entries overlap"
    return images


def hue_name(rgb):
    h, s, v = colorsys.rgb_to_hsv(*(c / 255.0 for c in rgb))
    if s < 0.6 or v < 0.6:
        return None
    deg = h * 360
    return min(HUES, key=lambda k: min(abs(deg - HUES[k]), 360 - abs(deg - HUES[k])))


def luminance(rgb):
    r, g, b = rgb
    return 0.299 * r + 0.587 * g + 0.114 * b


class Icons(unittest.TestCase):
    def test_containers(self):
        for name in ICONS:
            with self.subTest(icon=name):
                imgs = parse_ico(read(name))
                self.assertEqual(sorted(imgs), SIZES)
                for n, img in imgs.items():
                    self.assertEqual(img.size, (n, n))
                    alphas = {a for (_, _, _, a) in img.getdata()}
                    # crisp on any taskbar: every pixel on or off
                    self.assertLessEqual(alphas, {0, 255}, "%s %d" % (name, n))
                    self.assertIn(255, alphas, "%s %d is empty" % (name, n))

    def test_pillow_reads_the_same_pixels(self):
        for name in ("emblem.ico", "level07.ico", "cleanup.ico"):
            ours = parse_ico(read(name))
            with Image.open(os.path.join(OUT, name)) as ico:
                self.assertEqual(sorted(s[0] for s in ico.info["sizes"]), SIZES)
                for n in SIZES:
                    with self.subTest(icon=name, size=n):
                        ico.size = (n, n)
                        theirs = ico.convert("RGBA")
                        self.assertEqual(list(theirs.getdata()), list(ours[n].getdata()))

    def test_emblem_is_a_silhouette(self):
        for name in ("emblem.ico", "cleanup.ico"):
            for n, img in parse_ico(read(name)).items():
                with self.subTest(icon=name, size=n):
                    self.assertEqual(img.getpixel((0, 0))[3], 0)
                    self.assertEqual(img.getpixel((n - 1, n - 1))[3], 0)

    def well(self, img):
        """Bounding box of the black or saturated pixels (the well)."""
        n = img.size[0]
        px = img.load()
        inside = [(x, y) for y in range(n) for x in range(n)
                  if px[x, y][3] == 255
                  and (px[x, y][:3] == (0, 0, 0) or hue_name(px[x, y][:3]))]
        xs = [p[0] for p in inside]
        ys = [p[1] for p in inside]
        return min(xs), min(ys), max(xs), max(ys)

    def test_levels(self):
        previous = {n: -1 for n in SIZES}
        for lv in range(1, 13):
            rows, hue = LEVELS[lv]
            imgs = parse_ico(read("level%02d.ico" % lv))
            for n in SIZES:
                with self.subTest(level=lv, size=n):
                    img = imgs[n]
                    x0, y0, x1, y1 = self.well(img)
                    side = x1 - x0 + 1
                    self.assertEqual(side, y1 - y0 + 1, "well not square")
                    self.assertEqual(x0, n - 1 - x1, "well not centred")
                    if n == 16:
                        self.assertEqual((x0, y0, x1, y1), (2, 2, 13, 13))
                    filled = 0
                    colours = set()
                    for y in range(y1, y0 - 1, -1):
                        row = {img.getpixel((x, y))[:3] for x in range(x0, x1 + 1)}
                        self.assertEqual(len(row), 1, "row %d not one colour" % y)
                        c = row.pop()
                        if c == (0, 0, 0):
                            break
                        filled += 1
                        colours.add(c)
                    above = {img.getpixel((x, y))[:3] for y in range(y0, y1 - filled + 1)
                             for x in range(x0, x1 + 1)}
                    self.assertLessEqual(above, {(0, 0, 0)}, "colour above the level")
                    self.assertLessEqual(len(colours), 1)
                    if n == 16:
                        self.assertEqual(filled, rows)
                    else:
                        self.assertLessEqual(abs(filled - rows * side / 12.0), 0.5)
                    if rows:
                        self.assertEqual(hue_name(colours.pop()), hue)
                    self.assertGreaterEqual(filled, previous[n])
                    previous[n] = filled


class Bitmaps(unittest.TestCase):
    def test_headers(self):
        for name, (w, h) in BMPS.items():
            with self.subTest(bmp=name):
                data = read(name)
                magic, fsize, _, _, off = struct.unpack_from("<2sIHHI", data, 0)
                hs, bw, bh, planes, bpp, comp = struct.unpack_from("<IiiHHI", data, 14)
                self.assertEqual((magic, hs, bw, bh, planes, bpp, comp),
                                 (b"BM", 40, w, h, 1, 24, 0))
                stride = (w * 3 + 3) & ~3
                self.assertEqual(fsize, len(data))
                self.assertEqual(len(data), off + stride * h)
                with Image.open(os.path.join(OUT, name)) as img:
                    self.assertEqual(img.size, (w, h))

    def region_max(self, name, box):
        with Image.open(os.path.join(OUT, name)) as img:
            return max(luminance(p) for p in img.convert("RGB").crop(box).getdata())

    def test_text_areas_stay_dark(self):
        # white credit line over the splash band: 233x13 at band (72,112),
        # i.e. picture x 64..313 depending on how the window offsets it
        self.assertLess(self.region_max("splash.bmp", (64, 158, 313, 175)), 70)
        # maker's name at the about box's top-left
        self.assertLess(self.region_max("splash.bmp", (16, 48, 150, 78)), 70)
        # the whole gauge panel background sits under coloured text
        self.assertLess(self.region_max("gauge_back.bmp", (0, 0, 261, 128)), 60)

    def test_banner_caption_is_yellow(self):
        with Image.open(os.path.join(OUT, "banner.bmp")) as img:
            caption = img.convert("RGB").crop((0, 86, 273, 118))
        yellow = sum(1 for p in caption.getdata() if hue_name(p) == "yellow")
        self.assertGreater(yellow, 400)


class Reproducible(unittest.TestCase):
    def test_two_runs_identical(self):
        names = sorted(os.listdir(OUT))
        self.assertEqual(names, sorted(os.listdir(OUT2)))
        for name in names:
            with self.subTest(file=name):
                self.assertEqual(digest(name, OUT), digest(name, OUT2))

    def test_checked_in_icons_are_current(self):
        # icons use no fonts, so they must match the generator exactly
        for name in ICONS:
            with self.subTest(icon=name):
                path = os.path.join(ROOT, "assets", name)
                self.assertTrue(os.path.exists(path), "run tools/gen_assets.py")
                self.assertEqual(digest(name, os.path.join(ROOT, "assets")), digest(name),
                                 "assets/%s is stale: rerun tools/gen_assets.py" % name)


if __name__ == "__main__":
    with tempfile.TemporaryDirectory() as a, tempfile.TemporaryDirectory() as b:
        generate(a)
        generate(b)
        OUT, OUT2 = a, b
        result = unittest.main(exit=False, verbosity=2).result
    sys.exit(0 if result.wasSuccessful() else 1)
