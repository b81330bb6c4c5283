#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Draws the game's pictures: the leaf photograph and the icon in every size.

    python3 assets/tools/make_pictures.py [--out DIR] [icon] [photo]

writes, below assets/ (or DIR):
    leaf.bmp                      600 x 407, 8-bit palettised, uncompressed
    icon.ico, icon32.png          the 32 x 32, 256-colour icon (AND mask / alpha)
    icons/hicolor/*/apps/tolvanix-plimbora.{png,svg}

Only the Python standard library is used. Every random choice comes from a
seeded generator of our own, so a second run rewrites the same bytes.
"""

import math
import os
import struct
import sys
import zlib
from itertools import accumulate

ASSETS = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = ASSETS


# ---------------------------------------------------------------------------
# Deterministic randomness
# ---------------------------------------------------------------------------

MASK64 = (1 << 64) - 1


class Rng:
    """SplitMix64. Our own, because the random module's derived helpers
    (randrange, choice) have changed algorithm between Python releases."""

    def __init__(self, seed):
        self.state = seed & MASK64

    def next64(self):
        self.state = (self.state + 0x9E3779B97F4A7C15) & MASK64
        z = self.state
        z = ((z ^ (z >> 30)) * 0xBF58476D1CE4E5B9) & MASK64
        z = ((z ^ (z >> 27)) * 0x94D049BB133111EB) & MASK64
        return z ^ (z >> 31)

    def random(self):
        return (self.next64() >> 11) * (1.0 / (1 << 53))

    def uniform(self, lo, hi):
        return lo + (hi - lo) * self.random()

    def below(self, n):
        return self.next64() % n

    def gauss(self):
        # Irwin-Hall: near enough to a normal deviate for film grain.
        return (self.random() + self.random() + self.random()
                + self.random() - 2.0) * 1.7


# ---------------------------------------------------------------------------
# Small numeric helpers
# ---------------------------------------------------------------------------

def clamp(x, lo=0.0, hi=1.0):
    return lo if x < lo else hi if x > hi else x


def smoothstep(e0, e1, x):
    t = clamp((x - e0) / (e1 - e0))
    return t * t * (3.0 - 2.0 * t)


def mix3(c0, c1, t):
    return (c0[0] + (c1[0] - c0[0]) * t,
            c0[1] + (c1[1] - c0[1]) * t,
            c0[2] + (c1[2] - c0[2]) * t)


def srgb_to_linear(c):
    """One 0..255 sRGB triple to linear light, so lighting adds up like light."""
    return tuple((v / 255.0) ** 2.2 for v in c)


def normalize3(x, y, z):
    n = math.sqrt(x * x + y * y + z * z)
    return (x / n, y / n, z / n)


# ---------------------------------------------------------------------------
# Whole-image scalar fields, stored as flat lists row by row
# ---------------------------------------------------------------------------

def value_noise(w, h, cell, rng):
    """Smoothly interpolated random lattice values in 0..1, one lattice
    point every `cell` pixels."""
    gw, gh = int(w / cell) + 3, int(h / cell) + 3
    grid = [[rng.random() for _ in range(gw)] for _ in range(gh)]
    ox, oy = rng.uniform(0, cell), rng.uniform(0, cell)
    xi, xt = [], []
    for x in range(w):
        f = (x + ox) / cell
        i = int(f)
        t = f - i
        xi.append(i)
        xt.append(t * t * (3.0 - 2.0 * t))
    out = []
    for y in range(h):
        f = (y + oy) / cell
        j = int(f)
        t = f - j
        t = t * t * (3.0 - 2.0 * t)
        row = [a + (b - a) * t for a, b in zip(grid[j], grid[j + 1])]
        out.extend([row[i] + (row[i + 1] - row[i]) * s for i, s in zip(xi, xt)])
    return out


def fbm(w, h, cell, octaves, rng, gain=0.5):
    """Fractal sum of value noise, rescaled back to 0..1 (mean 0.5)."""
    total = [0.0] * (w * h)
    amp, amp_sum = 1.0, 0.0
    for _ in range(octaves):
        layer = value_noise(w, h, cell, rng)
        total = [t + amp * v for t, v in zip(total, layer)]
        amp_sum += amp
        amp *= gain
        cell = max(1.0, cell / 2.0)
    return [t / amp_sum for t in total]


def stretch(field):
    """Spread a noise field over the full 0..1 range; fbm bunches near 0.5."""
    lo, hi = min(field), max(field)
    k = 1.0 / (hi - lo)
    return [(v - lo) * k for v in field]


def _blur_rows(field, w, h, r):
    inv = 1.0 / (2 * r + 1)
    out = []
    for y in range(h):
        row = field[y * w:(y + 1) * w]
        padded = [row[0]] * (r + 1) + row + [row[-1]] * r
        acc = list(accumulate(padded))
        out.extend([(acc[i + 2 * r + 1] - acc[i]) * inv for i in range(w)])
    return out


def _transpose(field, w, h):
    return [field[y * w + x] for x in range(w) for y in range(h)]


def blur(field, w, h, r, passes=3):
    """Three box blurs make a close enough Gaussian of about radius r."""
    if r < 1:
        return list(field)
    for _ in range(passes):
        field = _blur_rows(field, w, h, r)
        field = _transpose(_blur_rows(_transpose(field, w, h), h, w, r), h, w)
    return field


def shift(field, w, h, dx, dy, fill=0.0):
    """Moves a field by whole pixels; what comes in from outside is `fill`."""
    out = [fill] * (w * h)
    for y in range(max(0, dy), min(h, h + dy)):
        sy = y - dy
        x0, x1 = max(0, dx), min(w, w + dx)
        out[y * w + x0:y * w + x1] = field[sy * w + x0 - dx:sy * w + x1 - dx]
    return out


# ---------------------------------------------------------------------------
# Polygon scan conversion on a supersampled byte buffer
# ---------------------------------------------------------------------------

class SampleBuffer:
    """A w*ss by h*ss grid of byte-sized ids. Polygons are painted into it in
    order (later ones cover earlier ones), then each pixel is resolved from
    its ss*ss samples; this keeps edges between faces exact."""

    def __init__(self, w, h, ss, fill=0):
        self.w, self.h, self.ss = w, h, ss
        self.bw, self.bh = w * ss, h * ss
        self.data = bytearray([fill]) * (self.bw * self.bh)

    def spans(self, points):
        """Yields (start, end) sample index ranges inside the polygon
        (even-odd rule); a sample belongs when its centre lies inside."""
        ss = self.ss
        pts = [(x * ss, y * ss) for x, y in points]
        edges = [(pts[i - 1], pts[i]) for i in range(len(pts))
                 if pts[i - 1][1] != pts[i][1]]
        ys = [p[1] for p in pts]
        j0 = max(0, math.ceil(min(ys) - 0.5))
        j1 = min(self.bh, math.ceil(max(ys) - 0.5))
        for j in range(j0, j1):
            yc = j + 0.5
            xs = sorted(x0 + (yc - y0) * (x1 - x0) / (y1 - y0)
                        for (x0, y0), (x1, y1) in edges
                        if (y0 <= yc < y1) or (y1 <= yc < y0))
            for a, b in zip(xs[0::2], xs[1::2]):
                i0 = max(0, math.ceil(a - 0.5))
                i1 = min(self.bw, math.ceil(b - 0.5))
                if i1 > i0:
                    yield j * self.bw + i0, j * self.bw + i1

    def fill(self, points, value):
        for s, e in self.spans(points):
            self.data[s:e] = bytes([value]) * (e - s)

    def remap(self, points, table):
        """Replaces every id under the polygon through a 256-byte table:
        how a translucent shadow darkens whatever lies beneath it."""
        for s, e in self.spans(points):
            self.data[s:e] = self.data[s:e].translate(table)

    def pixel_samples(self, x, y):
        ss, bw = self.ss, self.bw
        base = y * ss * bw + x * ss
        out = []
        for k in range(ss):
            out.extend(self.data[base + k * bw:base + k * bw + ss])
        return out

    def coverage(self):
        """Fraction of non-zero samples per pixel, for a 0/1 mask."""
        ss, bw = self.ss, self.bw
        norm = 1.0 / (ss * ss)
        out = []
        for y in range(self.h):
            rows = [self.data[(y * ss + k) * bw:(y * ss + k + 1) * bw]
                    for k in range(ss)]
            summed = [sum(col) for col in zip(*rows)]
            out.extend([sum(summed[x * ss:(x + 1) * ss]) * norm
                        for x in range(self.w)])
        return out


# ---------------------------------------------------------------------------
# File writers
# ---------------------------------------------------------------------------

def png_bytes(w, h, rgba):
    """RGBA, 8 bits a channel, filter 0 on every row; small enough here."""
    raw = bytearray()
    for y in range(h):
        raw.append(0)
        raw.extend(rgba[y * w * 4:(y + 1) * w * 4])

    def chunk(tag, body):
        return (struct.pack(">I", len(body)) + tag + body
                + struct.pack(">I", zlib.crc32(tag + body) & 0xFFFFFFFF))

    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
            + chunk(b"IEND", b""))


def palette_bgr0(palette):
    """A Windows RGBQUAD table of 256 entries, padded with black."""
    out = bytearray()
    for i in range(256):
        r, g, b = palette[i] if i < len(palette) else (0, 0, 0)
        out.extend((b, g, r, 0))
    return bytes(out)


def dib_header(w, h, bits, image_size, colours_used):
    # BITMAPINFOHEADER; 3780 pixels a metre is 96 dpi.
    return struct.pack("<IiiHHIIiiII", 40, w, h, 1, bits, 0, image_size,
                       3780, 3780, colours_used, 0)


def bmp8_bytes(w, h, palette, indices):
    """Uncompressed (BI_RGB) 8-bit DIB with a 256-entry palette, rows stored
    bottom-up and padded to four bytes as Windows expects."""
    stride = (w + 3) & ~3
    pixels = bytearray()
    for y in range(h - 1, -1, -1):
        pixels.extend(indices[y * w:(y + 1) * w])
        pixels.extend(b"\0" * (stride - w))
    info = dib_header(w, h, 8, len(pixels), 256) + palette_bgr0(palette)
    offset = 14 + len(info)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + bytes(pixels)


def ico8_bytes(size, palette, indices, opaque):
    """One-image .ico: an 8-bit XOR image plus the 1-bit AND mask, in which a
    set bit lets the background through. Transparent pixels use index 0,
    which is black, so the XOR step leaves the background as it is."""
    stride = (size + 3) & ~3
    xor = bytearray()
    for y in range(size - 1, -1, -1):
        xor.extend(indices[y * size:(y + 1) * size])
        xor.extend(b"\0" * (stride - size))
    mask_stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for y in range(size - 1, -1, -1):
        row = bytearray(mask_stride)
        for x in range(size):
            if not opaque[y * size + x]:
                row[x >> 3] |= 0x80 >> (x & 7)
        mask.extend(row)
    # The stored height counts both the XOR image and the mask.
    image = (dib_header(size, size * 2, 8, len(xor) + len(mask), 256)
             + palette_bgr0(palette) + bytes(xor) + bytes(mask))
    entry = struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 8,
                        len(image), 6 + 16)
    return struct.pack("<HHH", 0, 1, 1) + entry + image


def write(relpath, data):
    path = os.path.join(OUT, relpath)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    print("wrote", relpath, len(data), "bytes")


# ---------------------------------------------------------------------------
# Colour reduction: median cut, then error diffusion
# ---------------------------------------------------------------------------

# Green matters most to the eye and blue least; weighting the distance this
# way spends the palette where differences show.
WR, WG, WB = 3, 4, 2


def median_cut(pixels, n, fixed=()):
    """Chooses n colours for a list of (r, g, b) pixels: the box of colours
    with the most weighted spread is halved at its median until there are n.
    `fixed` colours are kept as they are and counted in n."""
    hist = {}
    for r, g, b in pixels:
        key = (r >> 2, g >> 2, b >> 2)
        hist[key] = hist.get(key, 0) + 1
    boxes = [[((k[0] << 2) + 2, (k[1] << 2) + 2, (k[2] << 2) + 2, c)
              for k, c in hist.items()]]

    def spread(box):
        best = (0, 0)
        for axis, weight in ((0, WR), (1, WG), (2, WB)):
            vals = [e[axis] for e in box]
            extent = (max(vals) - min(vals)) * weight
            if extent > best[0]:
                best = (extent, axis)
        count = sum(e[3] for e in box)
        return best[0] * math.sqrt(count), best[1]

    target = n - len(fixed)
    while len(boxes) < target:
        scored = [(spread(b), i) for i, b in enumerate(boxes) if len(b) > 1]
        if not scored:
            break
        (score, axis), i = max(scored)
        if score == 0:
            break
        box = sorted(boxes.pop(i), key=lambda e: e[axis])
        half, seen, cut = sum(e[3] for e in box) / 2.0, 0, 1
        for k, e in enumerate(box):
            seen += e[3]
            if seen >= half:
                cut = max(1, min(len(box) - 1, k))
                break
        boxes += [box[:cut], box[cut:]]
    palette = list(fixed)
    for box in boxes:
        total = sum(e[3] for e in box)
        palette.append(tuple(int(round(sum(e[a] * e[3] for e in box) / total))
                             for a in range(3)))
    return palette


class NearestColour:
    """Nearest palette entry by weighted distance, remembered per 6-bit cell."""

    def __init__(self, palette, first=0):
        self.entries = list(enumerate(palette))[first:]
        self.cache = {}

    def __call__(self, r, g, b):
        key = ((r >> 2) << 12) | ((g >> 2) << 6) | (b >> 2)
        hit = self.cache.get(key)
        if hit is None:
            best, hit = 1 << 30, 0
            for i, (pr, pg, pb) in self.entries:
                d = WR * (r - pr) ** 2 + WG * (g - pg) ** 2 + WB * (b - pb) ** 2
                if d < best:
                    best, hit = d, i
            self.cache[key] = hit
        return hit


def dither(w, h, pixels, palette, strength):
    """Floyd-Steinberg at reduced strength: enough to hide banding in soft
    gradients, little enough not to sprinkle noise over flat areas."""
    nearest = NearestColour(palette)
    err = [[0.0] * (w + 2) for _ in range(6)]  # two rows of r, g, b errors
    out = bytearray(w * h)
    for y in range(h):
        cur, nxt = err[0:3], err[3:6]
        for c in nxt:
            c[:] = [0.0] * (w + 2)
        forward = y % 2 == 0  # serpentine scan avoids diagonal worms
        xs = range(w) if forward else range(w - 1, -1, -1)
        step = 1 if forward else -1
        for x in xs:
            p = pixels[y * w + x]
            want = [clamp(p[k] + cur[k][x + 1] * strength, 0, 255)
                    for k in range(3)]
            idx = nearest(int(want[0] + 0.5), int(want[1] + 0.5),
                          int(want[2] + 0.5))
            out[y * w + x] = idx
            got = palette[idx]
            for k in range(3):
                e = want[k] - got[k]
                cur[k][x + 1 + step] += e * 7 / 16
                nxt[k][x + 1 - step] += e * 3 / 16
                nxt[k][x + 1] += e * 5 / 16
                nxt[k][x + 1 + step] += e * 1 / 16
        err = err[3:6] + err[0:3]
    return out


# ---------------------------------------------------------------------------
# The icon: an isometric tower of coloured cubes on a tiled floor
# ---------------------------------------------------------------------------
# The geometry is laid out in the pixels of the 32 x 32 icon and scaled for
# the larger sizes and the SVG, so every size shows exactly the same drawing.
# At 32 px the floor tiles are 8 x 4 pixels and the vertices fall on whole
# pixels, which keeps the 2:1 isometric edges as clean two-pixel steps.

TILE_HALF = 4.0          # half a floor tile's width
CUBE_RISE = 5.0          # a cube's upright edge
FLOOR_ORIGIN = (16.0, 13.0)  # where the floor's far corner is drawn
FLOOR_TILES = 4
FLOOR_DEPTH = 2.0        # the visible thickness of the floor slab
BLOCK_AT = 1             # the tower stands on tiles 1..2 in both directions
BLOCK_SIDE = 2
BLOCK_LAYERS = 3

CUBE_RGB = {
    "red": (218, 42, 38), "orange": (246, 134, 28), "blue": (36, 104, 222),
    "green": (44, 170, 72), "yellow": (250, 212, 42),
    "white": (238, 238, 232), "brown": (140, 88, 46),
}

# layer (bottom first) -> row of y -> colour for x. Neighbours that show
# side by side differ, and every colour appears on a visible face.
TOWER = [
    [["green", "brown"], ["red", "blue"]],
    [["blue", "green"], ["orange", "yellow"]],
    [["yellow", "red"], ["blue", "white"]],
]

TILE_LIGHT = (182, 184, 189)
TILE_DARK = (150, 153, 160)
GROUT = (112, 115, 122)
FLOOR_LEFT_SIDE = (120, 122, 128)
FLOOR_RIGHT_SIDE = (88, 90, 97)
OUTLINE = (38, 34, 40)
SHADOW_KEEP = 0.68       # the tower's shadow lets this much light through


def iso(x, y, z=0.0):
    """World (x to the right-front, y to the left-front, z up) to icon pixels."""
    ox, oy = FLOOR_ORIGIN
    return (ox + (x - y) * TILE_HALF,
            oy + (x + y) * TILE_HALF / 2.0 - z * CUBE_RISE)


def grow(points, d):
    """Offsets a convex polygon outward by d pixels measured along x for
    steep edges and along y for flat ones. For 2:1 isometric edges that makes
    an outline exactly one pixel thick at 32 px, with no stray corner pixels."""
    n = len(points)
    area = sum(points[i - 1][0] * points[i][1] - points[i][0] * points[i - 1][1]
               for i in range(n))
    sign = 1.0 if area > 0 else -1.0
    lines = []
    for i in range(n):
        (x0, y0), (x1, y1) = points[i], points[(i + 1) % n]
        ex, ey = x1 - x0, y1 - y0
        nx, ny = sign * ey, -sign * ex   # outward normal, unnormalised
        if abs(nx) > abs(ny):
            ox, oy = math.copysign(d, nx), 0.0
        else:
            ox, oy = 0.0, math.copysign(d, ny)
        lines.append(((x0 + ox, y0 + oy), (ex, ey)))
    out = []
    for i in range(n):
        (px, py), (ax, ay) = lines[i - 1]
        (qx, qy), (bx, by) = lines[i]
        den = ax * by - ay * bx
        t = ((qx - px) * by - (qy - py) * bx) / den
        out.append((px + ax * t, py + ay * t))
    return out


def inset(points, fraction):
    """Pulls a face's corners towards its centre, leaving a bevel border."""
    cx = sum(p[0] for p in points) / len(points)
    cy = sum(p[1] for p in points) / len(points)
    return [(x + (cx - x) * fraction, y + (cy - y) * fraction) for x, y in points]


def shade(rgb, k):
    return tuple(int(round(clamp(c * k, 0, 255))) for c in rgb)


def tint(rgb, k):
    """Mixes towards white, for faces that face the light."""
    return tuple(int(round(c + (255 - c) * k)) for c in rgb)


def floor_shapes():
    n, t = FLOOR_TILES, -FLOOR_DEPTH / CUBE_RISE
    shapes = [
        ("fill", [iso(0, n), iso(n, n), iso(n, n, t), iso(0, n, t)], FLOOR_LEFT_SIDE),
        ("fill", [iso(n, 0), iso(n, n), iso(n, n, t), iso(n, 0, t)], FLOOR_RIGHT_SIDE),
        ("fill", [iso(0, 0), iso(n, 0), iso(n, n), iso(0, n)], GROUT),
    ]
    gap = 0.05
    for i in range(n):
        for j in range(n):
            colour = TILE_LIGHT if (i + j) % 2 == 0 else TILE_DARK
            corners = [iso(i + gap, j + gap), iso(i + 1 - gap, j + gap),
                       iso(i + 1 - gap, j + 1 - gap), iso(i + gap, j + 1 - gap)]
            shapes.append(("fill", corners, colour))
    return shapes


def tower_shadow():
    """The light comes from the left, so the shadow runs along +x."""
    a, b = BLOCK_AT, BLOCK_AT + BLOCK_SIDE
    reach = FLOOR_TILES - b
    return ("shade", [iso(a, a), iso(a + reach, a - 0.25), iso(b + reach, a - 0.25),
                      iso(b + reach, b - 0.25), iso(b, b), iso(a, b)], SHADOW_KEEP)


def cube_shapes(x, y, z, rgb, bevel):
    """The three faces a viewer sees. With `bevel` each has a darker border
    around its centre; at 32 px a border would eat most of a face, so there
    the faces stay flat and the shading alone tells them apart."""
    faces = [
        ([iso(x, y + 1, z + 1), iso(x + 1, y + 1, z + 1),
          iso(x + 1, y + 1, z), iso(x, y + 1, z)], shade(rgb, 0.86)),   # left
        ([iso(x + 1, y, z + 1), iso(x + 1, y + 1, z + 1),
          iso(x + 1, y + 1, z), iso(x + 1, y, z)], shade(rgb, 0.64)),   # right
        ([iso(x, y, z + 1), iso(x + 1, y, z + 1),
          iso(x + 1, y + 1, z + 1), iso(x, y + 1, z + 1)], tint(rgb, 0.22)),  # top
    ]
    shapes = []
    for corners, colour in faces:
        if bevel:
            shapes.append(("fill", corners, shade(colour, 0.78)))
            shapes.append(("fill", inset(corners, 0.16), colour))
        else:
            shapes.append(("fill", corners, colour))
    return shapes


def tower_shapes(bevel):
    a, b, h = BLOCK_AT, BLOCK_AT + BLOCK_SIDE, BLOCK_LAYERS
    silhouette = [iso(a, a, h), iso(b, a, h), iso(b, a, 0), iso(b, b, 0),
                  iso(a, b, 0), iso(a, b, h)]
    shapes = [("fill", grow(silhouette, 1.0), OUTLINE)]
    # Far cubes first: a cube can only hide cubes with a smaller x + y + z.
    cubes = [(x, y, z) for z in range(h) for y in range(BLOCK_SIDE)
             for x in range(BLOCK_SIDE)]
    cubes.sort(key=lambda c: (c[0] + c[1] + c[2], c[2]))
    for x, y, z in cubes:
        shapes += cube_shapes(a + x, a + y, z, CUBE_RGB[TOWER[z][y][x]], bevel)
    return shapes


def icon_shapes(bevel=True):
    return floor_shapes() + [tower_shadow()] + tower_shapes(bevel)


def render_icon(size, ss):
    """Paints the shapes at `size` pixels with ss*ss samples a pixel.
    Returns a list of (r, g, b, coverage) per pixel, colour unpremultiplied."""
    k = size / 32.0
    buf = SampleBuffer(size, size, ss)
    colours = [(0, 0, 0)]   # id 0 is "nothing here"

    def colour_id(rgb):
        if rgb not in colours:
            colours.append(rgb)
        return colours.index(rgb)

    for kind, points, arg in icon_shapes(bevel=size > 32):
        scaled = [(x * k, y * k) for x, y in points]
        if kind == "fill":
            buf.fill(scaled, colour_id(arg))
        else:
            table = bytearray(range(256))
            for i in range(1, len(colours)):
                table[i] = colour_id(shade(colours[i], arg))
            buf.remap(scaled, bytes(table))
    out = []
    for y in range(size):
        for x in range(size):
            ids = [i for i in buf.pixel_samples(x, y) if i]
            if not ids:
                out.append((0, 0, 0, 0.0))
                continue
            n = len(ids)
            r = sum(colours[i][0] for i in ids) / n
            g = sum(colours[i][1] for i in ids) / n
            b = sum(colours[i][2] for i in ids) / n
            out.append((r, g, b, n / (ss * ss)))
    return out


def rgba_bytes(pixels):
    out = bytearray()
    for r, g, b, a in pixels:
        out.extend((int(r + 0.5), int(g + 0.5), int(b + 0.5), int(a * 255 + 0.5)))
    return out


def icon_svg():
    """The same shapes as hand-written SVG; a shadow is translucent black."""
    lines = ['<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" '
             'viewBox="0 0 32 32">',
             '  <title>Tolvanix Plimbora</title>']
    for kind, points, arg in icon_shapes():
        pts = " ".join("%s,%s" % (_num(x), _num(y)) for x, y in points)
        if kind == "fill":
            lines.append('  <polygon points="%s" fill="#%02x%02x%02x"/>' % ((pts,) + arg))
        else:
            lines.append('  <polygon points="%s" fill="#000" fill-opacity="%s"/>'
                         % (pts, _num(1 - arg)))
    lines.append("</svg>")
    return ("\n".join(lines) + "\n").encode("ascii")


def _num(v):
    return ("%.3f" % v).rstrip("0").rstrip(".")


def make_small_icon():
    """The 32 x 32 icon for the .ico: an AND mask allows no partial
    transparency, so coverage is cut at one half, and the colours are fitted
    into a 256-entry palette whose entry 0 is kept for transparent pixels."""
    # One sample a pixel: the icon stays crisp, with no half-tone fringes.
    pixels = render_icon(32, 1)
    opaque = [a >= 0.5 for _, _, _, a in pixels]
    rgb = [(int(r + 0.5), int(g + 0.5), int(b + 0.5)) for r, g, b, _ in pixels]
    used = sorted({c for c, o in zip(rgb, opaque) if o})
    if len(used) <= 255:
        palette = [(0, 0, 0)] + used
    else:
        palette = median_cut([c for c, o in zip(rgb, opaque) if o], 256,
                             fixed=[(0, 0, 0)])
    nearest = NearestColour(palette, first=1)
    indices = bytes(nearest(*c) if o else 0 for c, o in zip(rgb, opaque))
    flat = [palette[i] + ((1.0,) if o else (0.0,)) for i, o in zip(indices, opaque)]
    write("icon.ico", ico8_bytes(32, palette, indices, opaque))
    write("icon32.png", png_bytes(32, 32, rgba_bytes(flat)))


def make_icons():
    make_small_icon()
    for size in (48, 64, 128, 256):
        pixels = render_icon(size, 4)
        write("icons/hicolor/%dx%d/apps/tolvanix-plimbora.png" % (size, size),
              png_bytes(size, size, rgba_bytes(pixels)))
    write("icons/hicolor/scalable/apps/tolvanix-plimbora.svg", icon_svg())


# ---------------------------------------------------------------------------
# The photograph: a yellow maple leaf on wet pebbles in dappled light
# ---------------------------------------------------------------------------
# The scene is lit like a photograph: every pixel gets an albedo (in linear
# light), a surface normal's response to the sun, a glossiness and an
# occlusion term; the dappled sunlight and the sky light are applied last,
# then the result is tone-mapped, given grain and reduced to 256 colours.

PHOTO_W, PHOTO_H = 600, 407
SUN = normalize3(-0.45, -0.55, 0.70)    # from the upper left; y runs down
HALFWAY = normalize3(SUN[0], SUN[1], SUN[2] + 1.0)   # viewer looks down z
# A bright opening in the canopy, mirrored in every wet surface even where
# the sun does not reach: this is what makes stones in shade look wet.
SKY_OPENING = normalize3(0.30, -0.30, 0.90)
SKY_HALFWAY = normalize3(SKY_OPENING[0], SKY_OPENING[1], SKY_OPENING[2] + 1.0)
SKY_GLINT_RGB = (0.55, 0.62, 0.75)
EXPOSURE = 1.0
SUN_RGB = (1.55, 1.38, 1.10)
SKY_RGB = (0.19, 0.20, 0.23)


class Layers:
    """How each pixel's surface will answer the light, worked out before
    the dappled light itself is applied."""

    def __init__(self, w, h):
        n = w * h
        self.w, self.h = w, h
        self.albedo = [[0.0] * n for _ in range(3)]
        self.diffuse = [0.0] * n     # n . sun
        self.gloss = [0.0] * n       # specular reflection of the sun
        self.sheen = [0.0] * n       # reflection of the canopy opening
        self.occlusion = [1.0] * n   # how much light reaches into crevices


# ----- pebbles -------------------------------------------------------------

# Stone colours as they look wet: a river-bed mix of greys, browns, rust and
# a few pale quartzites, so that the bed is not one dull grey.
STONE_RGB = [(118, 116, 114), (96, 100, 110), (140, 122, 100), (160, 132, 96),
             (66, 62, 60), (150, 100, 78), (182, 176, 162), (104, 112, 98),
             (196, 182, 154), (86, 80, 78), (170, 120, 80), (128, 122, 116),
             (110, 84, 70), (200, 194, 186)]
GRIT_RGB = (30, 28, 26)


class Pebble:
    def __init__(self, x, y, r, rng):
        self.x, self.y = x, y
        aspect = rng.uniform(0.62, 1.0)
        self.a, self.b = r, r * aspect
        angle = rng.uniform(0, math.pi)
        self.cos, self.sin = math.cos(angle), math.sin(angle)
        # Two low harmonics of the outline make the stones irregular
        # without making them look like blobs.
        self.h2 = (rng.uniform(0, 0.09), rng.uniform(0, 2 * math.pi))
        self.h3 = (rng.uniform(0, 0.05), rng.uniform(0, 2 * math.pi))
        self.height = self.b * rng.uniform(0.35, 0.7)
        base = STONE_RGB[rng.below(len(STONE_RGB))]
        bright = rng.uniform(0.6, 1.12)
        self.rgb = srgb_to_linear(tuple(clamp(c * bright, 0, 255) for c in base))
        self.speckle = rng.uniform(0.35, 0.9)
        self.shine = rng.uniform(0.3, 1.0)
        self.band = None
        if rng.random() < 0.07:     # a quartz band across a few stones
            t = rng.uniform(0, math.pi)
            self.band = (math.cos(t), math.sin(t), rng.uniform(-0.5, 0.5),
                         rng.uniform(0.10, 0.20))


def place_pebbles(rng, w, h):
    """Large stones first, then smaller ones into the gaps; returned in
    drawing order, smallest first, so large stones lie on top."""
    tiers = [(26, 50, 300, 0.86), (13, 26, 1400, 0.82), (6, 13, 3000, 0.78),
             (2.5, 6, 3500, 0.55)]
    cell = 64
    grid = {}
    tiers_out = []
    for rmin, rmax, tries, slack in tiers:
        placed = []
        for _ in range(tries):
            r = rng.uniform(rmin, rmax)
            x, y = rng.uniform(-r * 0.5, w + r * 0.5), rng.uniform(-r * 0.5, h + r * 0.5)
            gx, gy = int(x // cell), int(y // cell)
            near = [q for i in range(gx - 2, gx + 3) for j in range(gy - 2, gy + 3)
                    for q in grid.get((i, j), ())]
            if any(math.hypot(x - q.x, y - q.y) < (r + q.a) * slack for q in near):
                continue
            p = Pebble(x, y, r, rng)
            grid.setdefault((gx, gy), []).append(p)
            placed.append(p)
        tiers_out.append(placed)
    return [p for tier in reversed(tiers_out) for p in tier]


def draw_pebble(layers, p, texture, covered):
    """Shades one stone as a flattened dome, with a soft contact shadow
    around it on whatever lies below."""
    w, h = layers.w, layers.h
    reach = p.a * 1.4 + 2
    x0, x1 = max(0, int(p.x - reach)), min(w, int(p.x + reach) + 1)
    y0, y1 = max(0, int(p.y - reach)), min(h, int(p.y + reach) + 1)
    ca, sa, a, b = p.cos, p.sin, p.a, p.b
    (k2, t2), (k3, t3) = p.h2, p.h3
    c2, s2, c3, s3 = k2 * math.cos(t2), k2 * math.sin(t2), k3 * math.cos(t3), k3 * math.sin(t3)
    ar, ag, ab = layers.albedo
    diffuse, gloss, occl = layers.diffuse, layers.gloss, layers.occlusion
    sheen = layers.sheen
    lx, ly, lz = SUN
    hx, hy, hz = HALFWAY
    kx, ky, kz = SKY_HALFWAY
    shine = p.shine
    for y in range(y0, y1):
        dy = y + 0.5 - p.y
        for x in range(x0, x1):
            i = y * w + x
            if covered[i] >= 0.999:
                continue
            dx = x + 0.5 - p.x
            u, v = (dx * ca + dy * sa) / a, (-dx * sa + dy * ca) / b
            r0 = math.sqrt(u * u + v * v) + 1e-9
            c, s = u / r0, v / r0
            cc2, ss2 = c * c - s * s, 2 * c * s
            cc3, ss3 = c * (4 * c * c - 3), s * (3 - 4 * s * s)
            rho = r0 / (1.0 + cc2 * c2 + ss2 * s2 + cc3 * c3 + ss3 * s3)
            cover = clamp((1.0 - rho) * b + 0.5)
            if cover <= 0.0:
                # Contact shadow, longer on the side away from the sun.
                if rho < 1.45:
                    away = (dx * 0.63 + dy * 0.77) / (math.hypot(dx, dy) + 1e-9)
                    dark = smoothstep(1.45, 1.0, rho) * (0.45 + 0.3 * away)
                    occl[i] *= 1.0 - dark
                continue
            z = math.sqrt(max(1.0 - rho * rho, 0.03))
            gu, gv = -u / z * p.height / a, -v / z * p.height / b
            gx, gy = gu * ca - gv * sa, gu * sa + gv * ca
            nn = 1.0 / math.sqrt(gx * gx + gy * gy + 1.0)
            nx, ny, nz = -gx * nn, -gy * nn, nn
            tex = 1.0 + p.speckle * (texture[i] - 0.5) * 2.0
            if p.band:
                bc, bs, off, wid = p.band
                d = abs(u * bc + v * bs - off)
                tex += 0.7 * smoothstep(wid, wid * 0.2, d)
            ndh = max(nx * hx + ny * hy + nz * hz, 0.0)
            specular = shine * (1.8 * ndh ** 90 + 0.22 * ndh ** 14)
            ndk = max(nx * kx + ny * ky + nz * kz, 0.0)
            glint = shine * shine * 1.2 * ndk ** 160
            ao = 0.25 + 0.75 * smoothstep(1.0, 0.55, rho)
            ar[i] += (p.rgb[0] * tex - ar[i]) * cover
            ag[i] += (p.rgb[1] * tex - ag[i]) * cover
            ab[i] += (p.rgb[2] * tex - ab[i]) * cover
            diffuse[i] += (nx * lx + ny * ly + nz * lz - diffuse[i]) * cover
            gloss[i] += (specular - gloss[i]) * cover
            sheen[i] += (glint - sheen[i]) * cover
            occl[i] += (ao - occl[i]) * cover


def paint_pebbles(layers, rng, covered):
    w, h = layers.w, layers.h
    grit = srgb_to_linear(GRIT_RGB)
    # Mottling a few pixels across and fine grain, shared by all stones.
    mottle, fine = fbm(w, h, 12, 2, rng), stretch(fbm(w, h, 1.5, 2, rng))
    texture = [0.55 * a + 0.45 * b for a, b in zip(mottle, fine)]
    for i in range(w * h):
        t = 0.6 + 0.8 * texture[i]
        for k in range(3):
            layers.albedo[k][i] = grit[k] * t
        layers.diffuse[i] = 0.6
        layers.occlusion[i] = 0.5
    for p in place_pebbles(rng, w, h):
        draw_pebble(layers, p, texture, covered)


# ----- the leaf ------------------------------------------------------------

# The right half of a maple leaf, in leaf units (tip at distance 1 from the
# stalk), from the tip round to the notch where the stalk joins. Kinds:
# 't' a sharp point, 'n' a small notch, 's' a rounded sinus between lobes.
LEAF_RIGHT = [
    (0.00, 1.00, "t"),
    (0.07, 0.86, "n"),
    (0.22, 0.81, "t"),
    (0.17, 0.71, "n"),
    (0.23, 0.63, "t"),
    (0.12, 0.42, "s"),
    (0.42, 0.56, "t"),
    (0.47, 0.51, "n"),
    (0.86, 0.63, "t"),
    (0.68, 0.43, "n"),
    (0.75, 0.33, "t"),
    (0.56, 0.29, "n"),
    (0.34, 0.11, "s"),
    (0.60, -0.12, "t"),
    (0.36, -0.15, "n"),
    (0.13, -0.10, "n"),
    (0.00, -0.03, "s"),
]
MAIN_TIPS = {0, 8, 13}          # indices in LEAF_RIGHT that end a main vein
CORNER_CUT = {"t": 0.0, "n": 0.2, "s": 0.38}
TOOTH_SPACING = 0.045
TOOTH_DEPTH = 0.02
LEAF_SCALE = 228.0              # pixels per leaf unit
LEAF_TURN = math.radians(-9)    # the tip leans to the right
LEAF_MIDDLE = (306.0, 196.0)    # where leaf point (0, 0.42) lands


def leaf_keys(rng):
    """The whole outline's key points, clockwise from the tip, the left half
    mirrored from the right and both nudged so the leaf is not symmetric."""
    right = [(x, y, k) for x, y, k in LEAF_RIGHT]
    left = [(-x, y, k) for x, y, k in reversed(LEAF_RIGHT[1:-1])]
    keys = []
    for x, y, k in right + left:
        if x != 0.0:
            x += rng.uniform(-0.018, 0.018)
            y += rng.uniform(-0.018, 0.018)
        keys.append((x, y, k))
    return keys


def to_photo(x, y):
    """Leaf units (y up) to photo pixels (y down), turned and placed."""
    c, s = math.cos(LEAF_TURN), math.sin(LEAF_TURN)
    mx, my = LEAF_MIDDLE
    y -= 0.42
    return (mx + LEAF_SCALE * (x * c - y * s), my - LEAF_SCALE * (x * s + y * c))


def quad_bezier(p0, c, p1, steps):
    return [((1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * c[0] + t * t * p1[0],
             (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * c[1] + t * t * p1[1])
            for t in (i / steps for i in range(steps + 1))]


def toothed_edge(p0, p1, lean, rng):
    """The margin between two key points: slightly convex, with small saw
    teeth that lean towards the lobe's point as real maple teeth do. The
    end point is left to the next corner."""
    ex, ey = p1[0] - p0[0], p1[1] - p0[1]
    length = math.hypot(ex, ey)
    nx, ny = -ey / length, ex / length       # outward, for a clockwise outline
    teeth = max(1, round(length / TOOTH_SPACING))

    def at(t, out):
        bow = 0.03 * length * math.sin(math.pi * t)
        return (p0[0] + ex * t + nx * (bow + out), p0[1] + ey * t + ny * (bow + out))

    pts = []
    for j in range(teeth):
        t0, tp = j / teeth, (j + lean) / teeth
        depth = TOOTH_DEPTH * rng.uniform(0.6, 1.3) * math.sin(math.pi * tp) ** 0.6
        pts += [at(t0, 0.0), at(tp, depth)]
    return pts[1:]  # the first point is the previous corner's exit


def leaf_outline(keys, rng):
    n = len(keys)
    enter, leave = [], []
    for i, (x, y, kind) in enumerate(keys):
        k = CORNER_CUT[kind]
        (ax, ay, _), (bx, by, _) = keys[i - 1], keys[(i + 1) % n]
        enter.append((x + (ax - x) * k, y + (ay - y) * k))
        leave.append((x + (bx - x) * k, y + (by - y) * k))
    pts = []
    for i, (x, y, kind) in enumerate(keys):
        if kind == "t":
            pts.append((x, y))
        else:
            pts += quad_bezier(enter[i], (x, y), leave[i], 8)
        j = (i + 1) % n
        lean = 0.5
        if keys[j][2] == "t" and kind != "t":
            lean = 0.7
        elif kind == "t" and keys[j][2] != "t":
            lean = 0.3
        pts += toothed_edge(leave[i], enter[j], lean, rng)
    return pts


def stroke(field, w, h, pts, widths):
    """Draws an anti-aliased polyline of varying width (pixels) into a
    field, keeping the larger value where strokes cross."""
    for (x0, y0), (x1, y1), w0, w1 in zip(pts, pts[1:], widths, widths[1:]):
        ex, ey = x1 - x0, y1 - y0
        len2 = ex * ex + ey * ey or 1e-9
        pad = max(w0, w1) / 2 + 2
        for y in range(max(0, int(min(y0, y1) - pad)), min(h, int(max(y0, y1) + pad) + 1)):
            for x in range(max(0, int(min(x0, x1) - pad)), min(w, int(max(x0, x1) + pad) + 1)):
                px, py = x + 0.5 - x0, y + 0.5 - y0
                t = clamp((px * ex + py * ey) / len2)
                d = math.hypot(px - ex * t, py - ey * t)
                wid = w0 + (w1 - w0) * t
                cov = clamp(max(wid, 1.0) / 2 + 0.5 - d) * min(wid, 1.0)
                i = y * w + x
                if cov > field[i]:
                    field[i] = cov


def tapered(pts, w0, w1):
    n = len(pts) - 1
    return [w0 + (w1 - w0) * i / n for i in range(n + 1)]


def vein_paths(keys, rng):
    """Main veins from the stalk to the five lobe points, side veins to the
    lesser points, and fine pinnate veins along every main vein. Returned
    as (points in leaf units, start width, end width in pixels)."""
    origin = (0.0, 0.0)
    n = len(keys)
    mains = []
    for i, (x, y, kind) in enumerate(keys):
        tip_index = i if i < len(LEAF_RIGHT) else n - i   # mirror index
        if tip_index in MAIN_TIPS:
            bend = rng.uniform(-0.03, 0.03)
            ctrl = (x * 0.5 - y * bend, y * 0.5 + x * bend)
            mains.append(quad_bezier(origin, ctrl, (x * 0.96, y * 0.96), 16))
    paths = [(m, 3.4, 0.7) for m in mains]
    for x, y, kind in keys:
        if kind != "t" or any(abs(m[-1][0] - x * 0.96) < 1e-9 and abs(m[-1][1] - y * 0.96) < 1e-9
                              for m in mains):
            continue
        # A side vein leaves the main vein nearest in direction, well before
        # the point, so that it runs forward at a natural angle.
        main = min(mains, key=lambda m: _angle_gap(m[-1], (x, y)))
        length = math.hypot(*main[-1])
        along = (x * main[-1][0] + y * main[-1][1]) / length / length
        start = main[min(16, max(1, int(along * 0.55 * 16)))]
        end = (start[0] + (x - start[0]) * 0.93, start[1] + (y - start[1]) * 0.93)
        paths.append((quad_bezier(start, _mid(start, end), end, 6), 1.7, 0.5))
    for main in mains:
        side = 1 if rng.random() < 0.5 else -1
        for k in range(3, 15, 2):
            (ax, ay), (bx, by) = main[k], main[k + 1]
            dx, dy = bx - ax, by - ay
            d = math.hypot(dx, dy)
            dx, dy = dx / d, dy / d
            turn = math.radians(rng.uniform(45, 60)) * side
            cx, cy = dx * math.cos(turn) - dy * math.sin(turn), dx * math.sin(turn) + dy * math.cos(turn)
            reach = rng.uniform(0.09, 0.15) * (1.1 - k / 20)
            end = (ax + cx * reach, ay + cy * reach)
            paths.append((quad_bezier((ax, ay), _mid((ax, ay), end), end, 4), 1.0, 0.3))
            side = -side
    return paths


def _angle_gap(a, b):
    d = math.atan2(a[1], a[0]) - math.atan2(b[1], b[0])
    return abs((d + math.pi) % (2 * math.pi) - math.pi)


def _mid(a, b):
    return ((a[0] + b[0]) / 2, (a[1] + b[1]) / 2)


# sRGB colours of the leaf
GOLD = (236, 178, 30)
LEMON = (246, 212, 70)
ORANGE = (230, 116, 24)
RED = (198, 34, 28)
DEEP_RED = (140, 16, 26)
VEIN_PALE = (248, 228, 146)
VEIN_WARM = (238, 156, 62)
DRY_EDGE = (150, 86, 32)
STALK_RED = (150, 58, 28)
STALK_YELLOW = (214, 164, 48)
LEAF_GLOW = 1.6


class Leaf:
    """The leaf's coverage and the fields its colouring and relief use."""

    def __init__(self, w, h, rng):
        keys = leaf_keys(rng)
        outline = [to_photo(x, y) for x, y in leaf_outline(keys, rng)]
        buf = SampleBuffer(w, h, 4)
        buf.fill(outline, 1)
        self.blade = buf.coverage()
        self.stalk = [0.0] * (w * h)
        stalk = quad_bezier((0.0, 0.0), (-0.02, -0.32), (0.09, -0.56), 20)
        stroke(self.stalk, w, h, [to_photo(*p) for p in stalk], tapered(stalk, 7.5, 5.0))
        self.cover = [max(a, b) for a, b in zip(self.blade, self.stalk)]
        self.vein = [0.0] * (w * h)
        for pts, w0, w1 in vein_paths(keys, rng):
            img = [to_photo(*p) for p in pts]
            stroke(self.vein, w, h, img, tapered(img, w0, w1))
        # Veins end where the blade ends.
        self.vein = [v * b for v, b in zip(self.vein, self.blade)]
        inner = blur(self.blade, w, h, 5)
        self.margin = [1.0 - smoothstep(0.5, 0.98, v) for v in inner]
        # A broader band along the margin, where autumn colour starts.
        self.rim = [1.0 - smoothstep(0.5, 1.0, v) for v in blur(self.blade, w, h, 16)]
        self.dome = blur(self.blade, w, h, 26)
        self.vein_soft = blur(self.vein, w, h, 4)


def paint_leaf(layers, leaf, rng):
    w, h = layers.w, layers.h
    tone = fbm(w, h, 70, 3, rng)
    blotch = stretch(fbm(w, h, 60, 4, rng))
    speck = fbm(w, h, 24, 2, rng)
    relief = leaf_relief(leaf, w, h, rng)
    lx, ly, lz = SUN
    hx, hy, hz = HALFWAY
    for y in range(1, h - 1):
        for x in range(1, w - 1):
            i = y * w + x
            cover = leaf.cover[i]
            if cover <= 0.0:
                continue
            colour = leaf_colour(leaf, i, tone[i], blotch[i], speck[i])
            gx = (relief[i + 1] - relief[i - 1]) * 0.5
            gy = (relief[i + w] - relief[i - w]) * 0.5
            nn = 1.0 / math.sqrt(gx * gx + gy * gy + 1.0)
            nx, ny, nz = -gx * nn, -gy * nn, nn
            ndh = max(nx * hx + ny * hy + nz * hz, 0.0)
            specular = 0.25 * ndh ** 60
            ndk = max(nx * SKY_HALFWAY[0] + ny * SKY_HALFWAY[1] + nz * SKY_HALFWAY[2], 0.0)
            lin = srgb_to_linear(colour)
            for k in range(3):
                layers.albedo[k][i] += (lin[k] - layers.albedo[k][i]) * cover
            layers.diffuse[i] += (nx * lx + ny * ly + nz * lz - layers.diffuse[i]) * cover
            layers.gloss[i] += (specular - layers.gloss[i]) * cover
            layers.sheen[i] += (0.05 * ndk ** 30 - layers.sheen[i]) * cover
            # Above 1: a thin leaf also glows with light scattered inside it.
            layers.occlusion[i] += (LEAF_GLOW - layers.occlusion[i]) * cover


def leaf_relief(leaf, w, h, rng):
    """A height field (in pixels) whose slopes shade the leaf: the blade
    swells between its veins, the veins run in shallow grooves with a fine
    ridge, the margin curls up a little, the stalk is round, and a faint
    grain keeps the surface from looking like plastic."""
    grain = fbm(w, h, 3, 2, rng)
    stalk = blur(leaf.stalk, w, h, 2)
    return [6.0 * d - 3.0 * vs + 1.0 * v + 2.0 * m * b + 0.4 * g + 5.0 * s
            for d, vs, v, m, b, g, s in zip(leaf.dome, leaf.vein_soft, leaf.vein,
                                             leaf.margin, leaf.blade, grain, stalk)]


def leaf_colour(leaf, i, tone, blotch, speck):
    """sRGB colour of the leaf at pixel i. The red gathers between the veins
    and towards the margin, as it does in a turning leaf."""
    if leaf.blade[i] < leaf.stalk[i]:
        return mix3(STALK_RED, STALK_YELLOW, 0.3 + 0.4 * tone)
    vein, margin = leaf.vein[i], leaf.margin[i]
    red = smoothstep(0.46, 0.80, blotch + 0.3 * leaf.rim[i]
                     - 0.4 * leaf.vein_soft[i] - 0.08)
    c = mix3(GOLD, LEMON, smoothstep(0.3, 0.7, tone))
    c = mix3(c, ORANGE, smoothstep(0.0, 0.5, red) * 0.85)
    c = mix3(c, mix3(RED, DEEP_RED, 0.5 * smoothstep(0.4, 0.8, speck)), smoothstep(0.4, 1.0, red))
    c = mix3(c, mix3(VEIN_PALE, VEIN_WARM, red * 0.7), vein * 0.8)
    c = mix3(c, DRY_EDGE, smoothstep(0.8, 1.0, margin) * 0.3)
    return c


# ----- light ---------------------------------------------------------------

def dapple(w, h, rng):
    """Sunlight through foliage: broad soft patches plus a few round
    'sun coins', the little images of the sun that gaps in leaves cast.
    The photographer waited until the sun fell mostly on the leaf."""
    base = stretch(fbm(w, h, 90, 3, rng))
    mx, my = LEAF_MIDDLE
    light = []
    for y in range(h):
        for x in range(w):
            near = math.exp(-((x - mx) ** 2 + (y - my) ** 2) / (2 * 140.0 ** 2))
            light.append(smoothstep(0.44, 0.58, base[y * w + x] + 0.3 * near))
    for _ in range(22):
        cx, cy = rng.uniform(0, w), rng.uniform(0, h)
        r = rng.uniform(5, 14)
        for y in range(max(0, int(cy - r * 2)), min(h, int(cy + r * 2) + 1)):
            for x in range(max(0, int(cx - r * 2)), min(w, int(cx + r * 2) + 1)):
                d = math.hypot((x - cx) / 1.3, y - cy) / r
                i = y * w + x
                light[i] = max(light[i], smoothstep(1.0, 0.5, d))
    return blur(light, w, h, 2)


def expose(layers, sun, shadow):
    """Light, then a soft filmic shoulder and the sRGB curve: 0..255 floats."""
    w, h = layers.w, layers.h
    out = [[0.0] * (w * h) for _ in range(3)]
    ar, ag, ab = layers.albedo
    white = 2.2
    for i in range(w * h):
        s = sun[i] * (1.0 - shadow[i])
        d = max(layers.diffuse[i], 0.0)
        o = layers.occlusion[i]
        g = layers.gloss[i]
        glint = layers.sheen[i]
        for k, alb in enumerate((ar[i], ag[i], ab[i])):
            light = SKY_RGB[k] * o + SUN_RGB[k] * s * d * (0.5 + 0.5 * o)
            v = EXPOSURE * (alb * light + g * SUN_RGB[k] * s + glint * SKY_GLINT_RGB[k])
            v = v * (1.0 + v / (white * white)) / (1.0 + v)
            out[k][i] = 255.0 * clamp(v) ** (1 / 2.2)
    return out


def finish(rgb, w, h, rng):
    """Lens fall-off towards the corners and a little film grain."""
    for y in range(h):
        for x in range(w):
            dx, dy = (x - w / 2) / (w / 2), (y - h / 2) / (h / 2)
            vignette = 1.0 - 0.22 * (dx * dx + dy * dy) ** 1.2
            g = rng.gauss() * 2.2
            i = y * w + x
            for k in range(3):
                rgb[k][i] = clamp(rgb[k][i] * vignette + g, 0, 255)


# Each part of the scene draws from its own seed, so that retouching one
# part leaves the others exactly as they were.
SEED_STONES, SEED_LEAF_SHAPE, SEED_LEAF_COLOUR, SEED_LIGHT, SEED_DROPS = (
    11, 23, 5, 6, 71)
SEED_GRAIN = 59


def add_droplets(rgb, w, h, rng, leaf):
    """Water drops: a few on the leaf, away from its edge, and a few on the
    stones. Each is drawn as a small lens over the finished picture."""
    drops = []
    while len(drops) < 7:
        x, y = rng.uniform(0, w), rng.uniform(0, h)
        i = int(y) * w + int(x)
        if leaf.blade[i] > 0.99 and leaf.margin[i] < 0.1:
            drops.append((x, y, rng.uniform(2.8, 6.0)))
    while len(drops) < 13:
        x, y = rng.uniform(0, w), rng.uniform(0, h)
        if leaf.cover[int(y) * w + int(x)] == 0.0:
            drops.append((x, y, rng.uniform(2.0, 3.5)))
    for drop in drops:
        draw_droplet(rgb, w, h, *drop)


def draw_droplet(rgb, w, h, cx, cy, r):
    """Inside, the drop shows what lies under it upside down, darker at the
    rim that faces the light and brighter where it focuses the light on the
    far side; a small glint marks the sun; beside it, a soft shadow."""
    source = [list(c) for c in rgb]
    ax, ay = 0.63, 0.77   # away from the sun
    for y in range(max(0, int(cy - 2 * r)), min(h, int(cy + 2 * r) + 2)):
        for x in range(max(0, int(cx - 2 * r)), min(w, int(cx + 2 * r) + 2)):
            i = y * w + x
            dx, dy = x + 0.5 - cx, y + 0.5 - cy
            d = math.hypot(dx, dy) / r
            cover = clamp(r - d * r + 0.5)
            behind = math.hypot(dx - ax * r * 0.45, dy - ay * r * 0.45) / r
            shade = 1.0 - 0.35 * smoothstep(1.15, 0.7, behind) * (1.0 - cover)
            if cover <= 0.0:
                for k in range(3):
                    rgb[k][i] *= shade
                continue
            sx = min(w - 1, max(0, int(cx - dx * 0.6)))
            sy = min(h - 1, max(0, int(cy - dy * 0.6)))
            facing = (dx * ax + dy * ay) / (math.hypot(dx, dy) + 1e-9)
            rim = 1.0 - 0.55 * smoothstep(0.5, 1.0, d) * (0.5 - 0.5 * facing)
            focus = 70.0 * smoothstep(0.2, 0.8, facing) * smoothstep(0.95, 0.55, d)
            glint = smoothstep(0.32, 0.12, math.hypot(dx / r + 0.35, dy / r + 0.4))
            for k in range(3):
                inside = source[k][sy * w + sx] * 0.9 * rim + focus
                inside += (255.0 - inside) * glint
                rgb[k][i] += (clamp(inside, 0, 255) - rgb[k][i]) * cover


def make_photo():
    w, h = PHOTO_W, PHOTO_H
    leaf = Leaf(w, h, Rng(SEED_LEAF_SHAPE))
    layers = Layers(w, h)
    paint_pebbles(layers, Rng(SEED_STONES), leaf.cover)
    paint_leaf(layers, leaf, Rng(SEED_LEAF_COLOUR))
    shadow = blur(shift(leaf.cover, w, h, 6, 8), w, h, 3)
    shadow = [0.85 * s * (1.0 - c) for s, c in zip(shadow, leaf.cover)]
    rgb = expose(layers, dapple(w, h, Rng(SEED_LIGHT)), shadow)
    add_droplets(rgb, w, h, Rng(SEED_DROPS), leaf)
    finish(rgb, w, h, Rng(SEED_GRAIN))
    pixels = [(int(r + 0.5), int(g + 0.5), int(b + 0.5)) for r, g, b in zip(*rgb)]
    palette = median_cut(pixels, 256)
    indices = dither(w, h, pixels, palette, 0.5)
    write("leaf.bmp", bmp8_bytes(w, h, palette, indices))


def main():
    global OUT
    only = sys.argv[1:]
    if only[:1] == ["--out"] and len(only) >= 2:
        OUT = only[1]
        only = only[2:]
    if not only or "icon" in only:
        make_icons()
    if not only or "photo" in only:
        make_photo()


if __name__ == "__main__":
    main()
