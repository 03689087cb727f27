"""Building blocks shared by the two themes: bevelled bodies, glyphs,
three-piece splitting and the piece registry."""

import functools

from raster import (Canvas, Offset, Outline, Polygon, Polyline, Rect,
                    RoundRect, grey, rgb, vgrad)

PIECES = {}          # name -> function(w, h) -> Canvas


def piece(*names):
    """Registers one drawing function under one or more piece names."""
    def deco(fn):
        for n in names:
            PIECES[n] = fn
        return fn
    return deco


def register(name, fn):
    PIECES[name] = fn


# ---------------------------------------------------------------- palettes
# A palette describes a bevelled body: outline, the four stops of a glossy
# fill (top, above the middle, below the middle, bottom) and the strength of
# the inner top highlight.

def palette(edge, t0, t1, b0, b1, shine=0.75, shade=0.0):
    return dict(edge=rgb(edge), stops=(rgb(t0), rgb(t1), rgb(b0), rgb(b1)),
                shine=shine, shade=shade)


LIGHT = palette(0x3A3A3A, 0xFDFDFD, 0xEFEFEF, 0xE2E2E2, 0xD2D2D2)
LIGHT_DOWN = palette(0x2E2E2E, 0xB2B2B2, 0xBEBEBE, 0xC6C6C6, 0xD4D4D4, shine=0.0, shade=0.30)
GREEN = palette(0x1D5716, 0x86D970, 0x62C24B, 0x47AA37, 0x2F8C23, shine=0.55)
GREEN_DOWN = palette(0x17450F, 0x2A7A1F, 0x32862A, 0x3A922F, 0x47A23A, shine=0.0, shade=0.35)
RED = palette(0x741610, 0xF3867D, 0xE4534A, 0xD1362C, 0xB0231B, shine=0.55)
RED_DOWN = palette(0x5E100B, 0xA01D16, 0xAE241C, 0xBB2C23, 0xC9372D, shine=0.0, shade=0.35)
FIELD = palette(0x6E6E6E, 0xF4F4F4, 0xFBFBFB, 0xFFFFFF, 0xFFFFFF, shine=0.0, shade=0.16)


def body(c, shape, inner, pal, y0, y1, rim=None):
    """Draws a bevelled body: outline `shape`, fill `inner` with the palette's
    glossy ramp between rows y0 and y1, then a highlight or an inner shadow
    along the edge of `rim` (default: `inner`)."""
    t0, t1, b0, b1 = pal["stops"]
    rim = inner if rim is None else rim
    c.fill(shape, pal["edge"])
    c.fill(inner, vgrad(y0, y1, (0.0, t0), (0.48, t1), (0.52, b0), (1.0, b1)))
    if pal["shine"]:
        c.fill(Outline(rim, 1.0) & inner, vgrad(y0, y1, (0.0, grey(255, pal["shine"])),
                                                (0.5, grey(255, 0.0)), (1.0, grey(255, 0.18))))
    if pal["shade"]:
        c.fill(Outline(rim, 1.6) & inner, vgrad(y0, (y0 + y1) / 2, grey(0, pal["shade"]), grey(0, 0.0)))
    return c


def pill_strip(w, h, r, pal, inset=1.0, side_rim=True):
    """A full-height rounded body spanning the canvas, for three-piece skins.
    Without side_rim the highlight runs along the top and bottom only, which
    narrow end pieces need to stay equal to the centre column."""
    c = Canvas(w, h)
    outer = RoundRect(0, 0, w, h, r)
    inner = RoundRect(inset, inset, w - inset, h - inset, max(r - inset, 0))
    rim = None if side_rim else Rect(-8, inset, w + 8, h - inset)
    return body(c, outer, inner, pal, inset, h - inset, rim)


def split3(strip, side):
    """Cuts a (2*side + 1)-wide strip into left, centre and right pieces and
    checks that the centre column repeats seamlessly against both ends."""
    assert strip.w == 2 * side + 1, (strip.w, side)
    left = strip.crop(0, 0, side, strip.h)
    centre = strip.crop(side, 0, 1, strip.h)
    right = strip.crop(side + 1, 0, side, strip.h)
    if left.crop(side - 1, 0, 1, strip.h).px != centre.px or right.crop(0, 0, 1, strip.h).px != centre.px:
        raise ValueError("end pieces do not meet the centre column seamlessly")
    return left, centre, right


def three_piece(prefix, suffixes, side, make_strip):
    """Registers prefix+Left/Center/Right pieces cut from one strip."""
    strip = functools.lru_cache(maxsize=None)(lambda h: split3(make_strip(2 * side + 1, h), side))
    for part, idx in zip(suffixes, range(3)):
        register(prefix + part, lambda w, h, i=idx: strip(h)[i])


# ---------------------------------------------------------------- glyphs

def triangle(cx, cy, size, direction, round_=0.35):
    """A solid triangle arrow pointing 'left', 'right', 'up' or 'down',
    size = length along the pointing axis."""
    half = size * 0.9
    pts = {"left": [(cx - size / 2, cy), (cx + size / 2, cy - half), (cx + size / 2, cy + half)],
           "right": [(cx + size / 2, cy), (cx - size / 2, cy - half), (cx - size / 2, cy + half)],
           "up": [(cx, cy - size / 2), (cx + half, cy + size / 2), (cx - half, cy + size / 2)],
           "down": [(cx, cy + size / 2), (cx - half, cy - size / 2), (cx + half, cy - size / 2)]}
    shrunk = [(x + (cx - x) * 0.12, y + (cy - y) * 0.12) for x, y in pts[direction]]
    return Offset(Polygon(shrunk), round_)


def chevron(cx, cy, w, h, direction, width):
    """An open chevron (two strokes) pointing down or up."""
    s = 1 if direction == "down" else -1
    return Polyline([(cx - w / 2, cy - s * h / 2), (cx, cy + s * h / 2), (cx + w / 2, cy - s * h / 2)], width)


def desaturate(c, lift=0.45, keep=0.5, fade=0.85):
    """Disabled look: grey of the luminance, pulled toward a mid grey."""
    def fn(r, g, b, a):
        lum = 0.3 * r + 0.59 * g + 0.11 * b
        v = lift + (lum - lift) * keep
        return v, v, v, a * fade
    return c.mapped(fn)


def opaque_over(c, colour):
    """Flattens a canvas onto a solid colour (for pieces copied without alpha)."""
    base = Canvas(c.w, c.h)
    base.fill(Rect(0, 0, c.w, c.h), colour)
    return base.draw(c, 0, 0)
