"""The file theme of the third demonstration window: flat, dark charcoal
pieces with white captions and a blue accent for the selected and pressed
states. The files are named by their exact file name under resources/."""

from kit import body, chevron, palette, pill_strip, register, split3, triangle
from raster import (Canvas, Circle, Offset, Outline, Polygon, Polyline, Rect,
                    RoundRect, grey, rgb, vgrad)

DARK = palette(0x1A1A1A, 0x4C4C4C, 0x424242, 0x3A3A3A, 0x323232, shine=0.16)
HOVER = palette(0x1A1A1A, 0x5E5E5E, 0x545454, 0x4A4A4A, 0x424242, shine=0.2)
PRESSED = palette(0x141414, 0x262626, 0x2A2A2A, 0x2E2E2E, 0x343434, shine=0.0, shade=0.35)
ACCENT = palette(0x123F6E, 0x4D9BEA, 0x3B88DA, 0x2F7BCE, 0x276DBB, shine=0.25)
ACCENT_HOVER = palette(0x123F6E, 0x6AAEF0, 0x58A0E6, 0x4A92DC, 0x3E84CF, shine=0.3)
WELL = palette(0x1A1A1A, 0x2A2A2A, 0x2E2E2E, 0x323232, 0x363636, shine=0.0, shade=0.3)
GLYPH = rgb(0xDCDCDC)
LINE = rgb(0x5C5C5C)


def strip_pieces(names, side, pal):
    """Registers left/right/centre files of one 20-ish px high strip; a
    radius of 1 keeps the rounding inside the 2 px end pieces."""
    cache = {}

    def get(h, i):
        if h not in cache:
            cache[h] = split3(pill_strip(2 * side + 1, h, 1.0, pal, side_rim=False), side)
        return cache[h][i]
    for name, idx in zip(names, (0, 1, 2)):
        register(name, lambda w, h, i=idx: get(h, i))


R = "resources\\"
for stem, pal in (("button_modern", DARK), ("button_modern_hovered", HOVER),
                  ("button_modern_clicked", PRESSED), ("doublebutton", DARK),
                  ("doublebutton_clicked", ACCENT), ("comboBox", DARK),
                  ("comboBox_hovered", HOVER), ("comboBox_clicked", PRESSED)):
    left = R + "2x20_%s_left.bmp" % stem
    # One file of the double button carries a stray extension in its fixed name.
    left = left.replace("doublebutton_left.bmp", "doublebutton_left.png.bmp")
    strip_pieces([left, R + "1x20_%s_center.bmp" % stem, R + "2x20_%s_right.bmp" % stem], 2, pal)
strip_pieces([R + "2x19_spinbox_left.bmp", R + "2x19_spinbox_center.bmp",
              R + "2x19_spinbox_right.bmp"], 2, WELL)


def vline(h, colour, inset):
    return Canvas(1, h).fill(Rect(0, inset, 1, h - inset), colour)


register(R + "1x20_doublebutton_center_line.bmp", lambda w, h: vline(h, rgb(0x1A1A1A), 0))
register(R + "1x20_comboBox_vertical_line.bmp", lambda w, h: vline(h, LINE, 4))
register(R + "1x20_comboBox_hovered_vertical_line.bmp", lambda w, h: vline(h, rgb(0x6E6E6E), 4))
register(R + "1x20_comboBox_clicked_vertical_line.bmp", lambda w, h: vline(h, rgb(0x4A4A4A), 4))
register(R + "1x19_spinbox_center_line.bmp", lambda w, h: vline(h, LINE, 3))
register(R + "13x1_spinbox_horizontal_line.bmp", lambda w, h: Canvas(w, h).fill(Rect(0, 0, w, 1), LINE))


# ---------------------------------------------------------------- combo box button (16 x 18)
# Drawn at (W - 17, 1) with the separator column over its first column.

def combo_button(state):
    c = Canvas(16, 18)
    if state == "clicked":
        c.fill(RoundRect(2, 1, 15, 17, 2), vgrad(1, 17, rgb(0x2F7BCE), rgb(0x276DBB)))
    elif state == "hovered":
        c.fill(RoundRect(2, 1, 15, 17, 2), grey(255, 0.08))
    colour = rgb(0xFFFFFF) if state != "normal" else GLYPH
    c.fill(chevron(8.5, 9.2, 6.4, 3.4, "down", 1.6), colour)
    return c


register(R + "6x18_comboBox_button.bmp", lambda w, h: combo_button("normal"))
register(R + "16x18_comboBox_hovered_button.bmp", lambda w, h: combo_button("hovered"))
register(R + "16x18_comboBox_clicked_button.bmp", lambda w, h: combo_button("clicked"))


# ---------------------------------------------------------------- spin box arrows (13 x 8)

def spin_arrow(up, pressed):
    c = Canvas(13, 8)
    if pressed:
        c.fill(RoundRect(1, 0, 12, 8, 2), rgb(0x2F7BCE))
    c.fill(triangle(6.5, 4, 3.6, "up" if up else "down"), rgb(0xFFFFFF) if pressed else GLYPH)
    return c


for nm, up, pressed in (("13x8_spinbox_up", True, False), ("13x8_spinbox_clicked_up", True, True),
                        ("13x8_spinbox_down", False, False), ("13x8_spinbox_clicked_down", False, True)):
    register(R + nm + ".bmp", lambda w, h, u=up, p=pressed: spin_arrow(u, p))


# ---------------------------------------------------------------- scroll bars (13 px)

def scroll_button(direction, pressed):
    c = Canvas(13, 13)
    body(c, RoundRect(0, 0, 13, 13, 2), RoundRect(1, 1, 12, 12, 1), ACCENT if pressed else DARK, 1, 12)
    c.fill(chevron(6.5, 6.5, 5.6, 2.8, "up", 1.5), rgb(0xFFFFFF) if pressed else GLYPH)
    turns = {"up": lambda x: x, "down": lambda x: x.flipped_v(),
             "left": lambda x: x.transposed(), "right": lambda x: x.transposed().flipped_h()}
    return turns[direction](c)


def scroll_track():
    c = Canvas(1, 13)
    c.fill(Rect(0, 0, 1, 13), rgb(0x1A1A1A))
    c.fill(Rect(0, 1, 1, 12), vgrad(1, 12, rgb(0x262626), rgb(0x303030)))
    return c


def scroll_grip(kind):
    c = Canvas(1, 13)
    if kind == "border":
        c.fill(Rect(0, 3, 1, 10), rgb(0x7A7A7A, 0.8))
        return c
    colours = (rgb(0x2F7BCE), rgb(0x5AA2EE)) if kind == "clicked" else (rgb(0x6A6A6A), rgb(0x8A8A8A))
    c.fill(Rect(0, 2, 1, 11), colours[0])
    c.fill(Rect(0, 2, 1, 3), colours[1])
    return c


for axis, (first, second) in (("v", ("up", "down")), ("h", ("left", "right"))):
    names = {"13_%sscroll_%s_button" % (axis, first): (first, False),
             "13_%sscroll_clicked_%s_button" % (axis, first): (first, True),
             "13_%sscroll_%s_button" % (axis, second): (second, False),
             "13_%sscroll_clicked_%s_button" % (axis, second): (second, True)}
    for nm, (d, p) in names.items():
        register(R + nm + ".bmp", lambda w, h, d=d, p=p: scroll_button(d, p))
    size = "13x1" if axis == "v" else "1x13"
    turn = (lambda x: x.transposed()) if axis == "v" else (lambda x: x)
    register(R + size + "_%sscroll_center.bmp" % axis, lambda w, h, t=turn: t(scroll_track()))
    for kind, nm in (("normal", "grip"), ("border", "grip_border"), ("clicked", "clicked_grip")):
        register(R + size + "_%sscroll_%s.bmp" % (axis, nm), lambda w, h, t=turn, k=kind: t(scroll_grip(k)))


# ---------------------------------------------------------------- check box and radio button (11 x 11)
# As in the resource theme, the "hovered" pictures show the pressed (and
# disabled) look: here a lighter accent.

def check_box(checked, pressed):
    c = Canvas(11, 11)
    pal = (ACCENT_HOVER if pressed else ACCENT) if checked else (HOVER if pressed else WELL)
    body(c, RoundRect(0, 0, 11, 11, 2), RoundRect(1, 1, 10, 10, 1), pal, 1, 10)
    if checked:
        c.fill(Polyline([(2.7, 5.6), (4.6, 7.7), (8.4, 3.2)], 1.7), rgb(0xFFFFFF))
    return c


def radio(checked, pressed):
    c = Canvas(11, 11)
    body(c, Circle(5.5, 5.5, 5.5), Circle(5.5, 5.5, 4.5), HOVER if pressed else WELL, 1, 10)
    if checked:
        c.fill(Circle(5.5, 5.5, 2.6), rgb(0x6AAEF0) if pressed else rgb(0x3B88DA))
        c.fill(Circle(4.9, 4.8, 0.9), grey(255, 0.55))
    return c


for stem, fn in (("checkBox", check_box), ("radio_button", radio)):
    register(R + "11_%s_checked.bmp" % stem, lambda w, h, f=fn: f(True, False))
    register(R + "11_%s_hovered_checked.bmp" % stem, lambda w, h, f=fn: f(True, True))
    register(R + "11_%s_unchecked.bmp" % stem, lambda w, h, f=fn: f(False, False))
    register(R + "11_%s_hovered_unchecked.bmp" % stem, lambda w, h, f=fn: f(False, True))


# ---------------------------------------------------------------- play icon (18 x 18)

def play_icon():
    c = Canvas(18, 18)
    c.fill(Outline(Circle(9, 9, 8.4), 1.4), grey(255, 0.85))
    tri = Offset(Polygon([(7.0, 5.4), (12.6, 9.0), (7.0, 12.6)]), 0.5)
    c.fill(tri, vgrad(5, 13, rgb(0x7EE08A), rgb(0x3DB04E)))
    return c


register(R + "18_play_icon.bmp", lambda w, h: play_icon())

