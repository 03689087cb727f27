"""A tiny premultiplied-alpha rasteriser for the skin pieces.

Shapes are signed-distance functions (negative inside, 1-Lipschitz), which
lets a pixel far from every edge be decided with one evaluation; only pixels
near an edge are supersampled (SS x SS) to get anti-aliased coverage.
Paints map a pixel centre to a straight-alpha colour. Pixels are stored as
premultiplied floats (0..1) and composited with "over".

Also here: reading and writing 32-bit BMP files and writing PNG files, so
the generator, the contact sheet and nothing else share one codec.
"""

import math
import struct
import zlib

SS = 4                      # supersampling per axis on edge pixels
_EDGE = 0.7072              # half a pixel diagonal: beyond it a pixel is all in or all out
_SUB = [(i + 0.5) / SS - 0.5 for i in range(SS)]


# ---------------------------------------------------------------- colours

def rgb(hexval, a=1.0):
    """0xRRGGBB (and alpha 0..1) -> straight (r, g, b, a) floats 0..1."""
    return (((hexval >> 16) & 255) / 255.0, ((hexval >> 8) & 255) / 255.0,
            (hexval & 255) / 255.0, a)


def grey(v, a=1.0):
    return (v / 255.0, v / 255.0, v / 255.0, a)


def mix(c0, c1, t):
    return tuple(a + (b - a) * t for a, b in zip(c0, c1))


# ---------------------------------------------------------------- paints

def solid(c):
    return lambda x, y: c


def _ramp(stops, t):
    if t <= stops[0][0]:
        return stops[0][1]
    for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
        if t <= t1:
            return mix(c0, c1, (t - t0) / (t1 - t0) if t1 > t0 else 1.0)
    return stops[-1][1]


def linear(x0, y0, x1, y1, *stops):
    """Gradient along the line p0 -> p1; stops are (t, colour) or colours spread evenly."""
    if not isinstance(stops[0][1], tuple):          # plain colours: spread evenly
        n = len(stops) - 1
        stops = tuple((i / n, c) for i, c in enumerate(stops))
    dx, dy = x1 - x0, y1 - y0
    ll = dx * dx + dy * dy or 1.0
    return lambda x, y: _ramp(stops, ((x - x0) * dx + (y - y0) * dy) / ll)


def vgrad(y0, y1, *stops):
    return linear(0.0, y0, 0.0, y1, *stops)


def hgrad(x0, x1, *stops):
    return linear(x0, 0.0, x1, 0.0, *stops)


def radial(cx, cy, r, *stops):
    n = len(stops) - 1
    st = tuple((i / n, c) for i, c in enumerate(stops))
    return lambda x, y: _ramp(st, math.hypot(x - cx, y - cy) / r)


# ---------------------------------------------------------------- shapes

class Shape:
    """bbox = (x0, y0, x1, y1) in pixel-edge coordinates; sd(x, y) signed distance."""
    bbox = (0.0, 0.0, 0.0, 0.0)

    def sd(self, x, y):
        raise NotImplementedError

    def __or__(self, other):
        return Union(self, other)

    def __and__(self, other):
        return Intersect(self, other)

    def __sub__(self, other):
        return Subtract(self, other)


class Circle(Shape):
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r
        self.bbox = (cx - r, cy - r, cx + r, cy + r)

    def sd(self, x, y):
        return math.hypot(x - self.cx, y - self.cy) - self.r


class RoundRect(Shape):
    def __init__(self, x0, y0, x1, y1, r=0.0):
        self.bbox = (x0, y0, x1, y1)
        self.r = min(r, (x1 - x0) / 2, (y1 - y0) / 2)
        self.cx, self.cy = (x0 + x1) / 2, (y0 + y1) / 2
        self.hx, self.hy = (x1 - x0) / 2 - self.r, (y1 - y0) / 2 - self.r

    def sd(self, x, y):
        qx = abs(x - self.cx) - self.hx
        qy = abs(y - self.cy) - self.hy
        out = math.hypot(max(qx, 0.0), max(qy, 0.0))
        return out + min(max(qx, qy), 0.0) - self.r


def Rect(x0, y0, x1, y1):
    return RoundRect(x0, y0, x1, y1, 0.0)


def _seg_dist(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    ll = dx * dx + dy * dy
    t = 0.0 if ll == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / ll))
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


class Polyline(Shape):
    """A stroked open path of the given width with round joins and caps."""

    def __init__(self, points, width):
        self.pts, self.hw = list(points), width / 2
        xs, ys = [p[0] for p in self.pts], [p[1] for p in self.pts]
        self.bbox = (min(xs) - self.hw, min(ys) - self.hw, max(xs) + self.hw, max(ys) + self.hw)

    def sd(self, x, y):
        p = self.pts
        return min(_seg_dist(x, y, *p[i], *p[i + 1]) for i in range(len(p) - 1)) - self.hw


def Line(x0, y0, x1, y1, width):
    return Polyline([(x0, y0), (x1, y1)], width)


class Polygon(Shape):
    """Filled polygon (even-odd rule) with an exact distance to its edges."""

    def __init__(self, points):
        self.pts = list(points)
        xs, ys = [p[0] for p in self.pts], [p[1] for p in self.pts]
        self.bbox = (min(xs), min(ys), max(xs), max(ys))

    def sd(self, x, y):
        p, n = self.pts, len(self.pts)
        d, inside = 1e9, False
        for i in range(n):
            ax, ay = p[i]
            bx, by = p[i - 1]
            d = min(d, _seg_dist(x, y, ax, ay, bx, by))
            if (ay > y) != (by > y) and x < (bx - ax) * (y - ay) / (by - ay) + ax:
                inside = not inside
        return -d if inside else d


class Arc(Shape):
    """Stroke of a circular arc, angles in degrees clockwise from 12 o'clock."""

    def __init__(self, cx, cy, r, a0, a1, width):
        self.cx, self.cy, self.r, self.hw = cx, cy, r, width / 2
        self.a0, self.span = a0 % 360, (a1 - a0) % 360 or 360
        e = r + self.hw
        self.bbox = (cx - e, cy - e, cx + e, cy + e)
        self.ends = [polar(cx, cy, r, a) for a in (a0, a1)]

    def sd(self, x, y):
        ang = (math.degrees(math.atan2(x - self.cx, self.cy - y)) - self.a0) % 360
        if ang <= self.span:
            return abs(math.hypot(x - self.cx, y - self.cy) - self.r) - self.hw
        return min(math.hypot(x - ex, y - ey) for ex, ey in self.ends) - self.hw


def polar(cx, cy, r, deg):
    """Point at angle deg (clockwise from 12 o'clock) on a circle."""
    a = math.radians(deg)
    return (cx + r * math.sin(a), cy - r * math.cos(a))


class Union(Shape):
    def __init__(self, *shapes):
        self.shapes = shapes
        bb = [s.bbox for s in shapes]
        self.bbox = (min(b[0] for b in bb), min(b[1] for b in bb),
                     max(b[2] for b in bb), max(b[3] for b in bb))

    def sd(self, x, y):
        return min(s.sd(x, y) for s in self.shapes)


class Intersect(Shape):
    def __init__(self, a, b):
        self.a, self.b = a, b
        self.bbox = (max(a.bbox[0], b.bbox[0]), max(a.bbox[1], b.bbox[1]),
                     min(a.bbox[2], b.bbox[2]), min(a.bbox[3], b.bbox[3]))

    def sd(self, x, y):
        return max(self.a.sd(x, y), self.b.sd(x, y))


class Subtract(Shape):
    def __init__(self, a, b):
        self.a, self.b, self.bbox = a, b, a.bbox

    def sd(self, x, y):
        return max(self.a.sd(x, y), -self.b.sd(x, y))


class Offset(Shape):
    """Grows (d > 0) or shrinks (d < 0) a shape."""

    def __init__(self, s, d):
        self.s, self.d = s, d
        b = s.bbox
        self.bbox = (b[0] - d, b[1] - d, b[2] + d, b[3] + d)

    def sd(self, x, y):
        return self.s.sd(x, y) - self.d


class Outline(Shape):
    """A band of the given width inside a shape's edge."""

    def __init__(self, s, width=1.0):
        self.s, self.w, self.bbox = s, width, s.bbox

    def sd(self, x, y):
        d = self.s.sd(x, y)
        return max(d, -d - self.w)


class Transformed(Shape):
    """A shape rotated by deg (clockwise) about (cx, cy), then moved by (dx, dy)."""

    def __init__(self, s, deg=0.0, cx=0.0, cy=0.0, dx=0.0, dy=0.0):
        self.s, self.cx, self.cy, self.dx, self.dy = s, cx, cy, dx, dy
        a = math.radians(deg)
        self.c, self.sn = math.cos(a), math.sin(a)
        x0, y0, x1, y1 = s.bbox
        corners = [self._fwd(px, py) for px in (x0, x1) for py in (y0, y1)]
        self.bbox = (min(p[0] for p in corners), min(p[1] for p in corners),
                     max(p[0] for p in corners), max(p[1] for p in corners))

    def _fwd(self, x, y):
        x, y = x - self.cx, y - self.cy
        return (self.cx + x * self.c - y * self.sn + self.dx,
                self.cy + x * self.sn + y * self.c + self.dy)

    def sd(self, x, y):
        x, y = x - self.dx - self.cx, y - self.dy - self.cy
        return self.s.sd(self.cx + x * self.c + y * self.sn, self.cy - x * self.sn + y * self.c)


# ---------------------------------------------------------------- canvas

class Canvas:
    """w x h premultiplied RGBA floats, row 0 at the top."""

    def __init__(self, w, h):
        self.w, self.h = w, h
        self.px = [0.0] * (w * h * 4)

    # -- drawing
    def coverage(self, shape, x, y):
        cx, cy = x + 0.5, y + 0.5
        d = shape.sd(cx, cy)
        if d <= -_EDGE:
            return 1.0
        if d >= _EDGE:
            return 0.0
        hit = 0
        for oy in _SUB:
            for ox in _SUB:
                # samples on an edge count as inside on both sides of a
                # mirrored shape, whatever the rounding of its distance
                if shape.sd(cx + ox, cy + oy) < 1e-9:
                    hit += 1
        return hit / (SS * SS)

    def fill(self, shape, paint, opacity=1.0):
        if isinstance(paint, tuple):
            paint = solid(paint)
        x0, y0, x1, y1 = shape.bbox
        px = self.px
        for y in range(max(0, int(math.floor(y0)) - 1), min(self.h, int(math.ceil(y1)) + 1)):
            for x in range(max(0, int(math.floor(x0)) - 1), min(self.w, int(math.ceil(x1)) + 1)):
                cov = self.coverage(shape, x, y)
                if cov <= 0.0:
                    continue
                r, g, b, a = paint(x + 0.5, y + 0.5)
                k = a * cov * opacity
                if k <= 0.0:
                    continue
                i = (y * self.w + x) * 4
                inv = 1.0 - k
                px[i] = r * k + px[i] * inv
                px[i + 1] = g * k + px[i + 1] * inv
                px[i + 2] = b * k + px[i + 2] * inv
                px[i + 3] = k + px[i + 3] * inv
        return self

    def fill_all(self, paint):
        return self.fill(Rect(0, 0, self.w, self.h), paint)

    def get(self, x, y):
        i = (y * self.w + x) * 4
        return tuple(self.px[i:i + 4])

    def put(self, x, y, premul):
        i = (y * self.w + x) * 4
        self.px[i:i + 4] = list(premul)

    # -- whole-canvas operations, each returning a new canvas
    def crop(self, x0, y0, w, h):
        out = Canvas(w, h)
        for y in range(h):
            for x in range(w):
                out.put(x, y, self.get(x0 + x, y0 + y))
        return out

    def transposed(self):
        out = Canvas(self.h, self.w)
        for y in range(self.h):
            for x in range(self.w):
                out.put(y, x, self.get(x, y))
        return out

    def flipped_h(self):
        out = Canvas(self.w, self.h)
        for y in range(self.h):
            for x in range(self.w):
                out.put(self.w - 1 - x, y, self.get(x, y))
        return out

    def flipped_v(self):
        out = Canvas(self.w, self.h)
        for y in range(self.h):
            out.px[y * self.w * 4:(y + 1) * self.w * 4] = \
                self.px[(self.h - 1 - y) * self.w * 4:(self.h - y) * self.w * 4]
        return out

    def draw(self, other, dx, dy):
        """Composites another canvas over this one at (dx, dy)."""
        for y in range(other.h):
            for x in range(other.w):
                tx, ty = x + dx, y + dy
                if 0 <= tx < self.w and 0 <= ty < self.h:
                    s = other.get(x, y)
                    d = self.get(tx, ty)
                    inv = 1.0 - s[3]
                    self.put(tx, ty, tuple(s[c] + d[c] * inv for c in range(4)))
        return self

    def mapped(self, fn):
        """Applies fn(r, g, b, a) -> (r, g, b, a) to straight colours."""
        out = Canvas(self.w, self.h)
        for i in range(0, len(self.px), 4):
            r, g, b, a = self.px[i:i + 4]
            if a <= 0.0:
                continue
            r, g, b, a2 = fn(r / a, g / a, b / a, a)
            out.px[i:i + 4] = [r * a2, g * a2, b * a2, a2]
        return out

    # -- 8-bit export
    def bgra_rows(self):
        """Top-down rows of premultiplied B, G, R, A bytes (colour <= alpha)."""
        rows = []
        for y in range(self.h):
            row = bytearray(self.w * 4)
            for x in range(self.w):
                i = (y * self.w + x) * 4
                r, g, b, a = self.px[i:i + 4]
                a8 = _byte(a)
                row[x * 4:x * 4 + 4] = bytes((min(_byte(b), a8), min(_byte(g), a8),
                                              min(_byte(r), a8), a8))
            rows.append(bytes(row))
        return rows


def _byte(v):
    return 0 if v <= 0.0 else 255 if v >= 1.0 else int(v * 255.0 + 0.5)


def from_bgra_rows(rows, w):
    c = Canvas(w, len(rows))
    for y, row in enumerate(rows):
        for x in range(w):
            b, g, r, a = row[x * 4:x * 4 + 4]
            c.put(x, y, (r / 255.0, g / 255.0, b / 255.0, a / 255.0))
    return c


# ---------------------------------------------------------------- files

def bmp_bytes(rows, w):
    """32-bit BI_RGB bitmap, bottom-up: rows[-1] is stored first."""
    h = len(rows)
    data = b"".join(reversed(rows))
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 32, 0, len(data), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(data), 0, 0, 14 + len(info))
    return head + info + data


def read_bmp(data):
    """-> (w, h, top-down BGRA rows) of a 32-bit BI_RGB bitmap."""
    if data[:2] != b"BM":
        raise ValueError("not a bitmap")
    off = struct.unpack_from("<I", data, 10)[0]
    _, w, h, _, bpp, comp = struct.unpack_from("<IiiHHI", data, 14)
    if bpp != 32 or comp != 0:
        raise ValueError("not a 32-bit BI_RGB bitmap")
    stride, n = w * 4, abs(h)
    rows = [data[off + i * stride: off + (i + 1) * stride] for i in range(n)]
    return w, n, (rows[::-1] if h > 0 else rows)


def png_bytes(w, h, rgb_rows):
    """8-bit RGB PNG from top-down rows of R, G, B bytes."""
    def chunk(tag, body):
        return (struct.pack(">I", len(body)) + tag + body +
                struct.pack(">I", zlib.crc32(tag + body) & 0xFFFFFFFF))
    raw = b"".join(b"\x00" + bytes(r) for r in rgb_rows)
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", w, h, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))
