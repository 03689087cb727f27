"""The resource theme: light grey bevelled controls with a crisp dark outline
that sit on the windows' 0xC8C8C8..0xE6E6E6 gradient."""

from kit import (FIELD, GREEN, GREEN_DOWN, LIGHT, LIGHT_DOWN, RED, RED_DOWN,
                 body, palette, piece, pill_strip, register,
                 three_piece, triangle)
from raster import (Canvas, Circle, Outline, Polyline, Rect, RoundRect,
                    grey, rgb, vgrad, hgrad)

INK = rgb(0x2B2B2B)           # glyphs on light bodies
GROOVE = palette(0x6A6A6A, 0xB4B4B4, 0xBCBCBC, 0xC4C4C4, 0xCECECE, shine=0.0, shade=0.22)
LABEL_GREY = palette(0x7A7A7A, 0xFAFAFA, 0xEDEDED, 0xE1E1E1, 0xD3D3D3, shine=0.8)

# ---------------------------------------------------------------- push buttons and labels

for prefix, side, h_r, pal in (("Button_Normal_", 8, 3.5, LIGHT),
                               ("Button_Normal_Clicked_", 8, 3.5, LIGHT_DOWN),
                               ("Button_Round_", 11, 9.5, LIGHT),
                               ("Button_Round_Clicked_", 11, 9.5, LIGHT_DOWN),
                               ("Button_Green_", 7, 4.5, GREEN),
                               ("Button_Green_Clicked_", 7, 4.5, GREEN_DOWN),
                               ("Button_Red_", 7, 4.5, RED),
                               ("Button_Red_Clicked_", 7, 4.5, RED_DOWN),
                               ("Label_Green_", 8, 7.0, GREEN),
                               ("Label_Red_", 8, 7.0, RED),
                               ("Label_Gray_", 8, 7.0, LABEL_GREY),
                               ("TextEdit_", 8, 3.0, FIELD),
                               ("DoubleButton_", 7, 6.0, LIGHT),
                               ("DoubleButton_Clicked_", 7, 6.0, LIGHT_DOWN),
                               ("ComboBox_", 6, 3.5, LIGHT),
                               ("ComboBox_Clicked_", 6, 3.5, LIGHT_DOWN),
                               ("SpinBox_", 8, 3.0, FIELD)):
    three_piece(prefix, ("Left", "Center", "Right"), side,
                lambda w, h, r=h_r, p=pal: pill_strip(w, h, r, p))


def round_face(pressed):
    c = Canvas(22, 22)
    if pressed:                 # sunk: no drop shadow, light catches the lower rim
        body(c, Circle(11, 11, 10.5), Circle(11, 11, 9.5), LIGHT_DOWN, 1.5, 20.5)
        return c.fill(Outline(Circle(11, 11, 9.5), 1.0), vgrad(11, 20.5, grey(255, 0.0), grey(255, 0.6)))
    c.fill(Circle(11, 11.8, 10.6), grey(0, 0.16))
    return body(c, Circle(11, 11, 10.5), Circle(11, 11, 9.5), LIGHT, 1.5, 20.5)


# The round icon style shows "Button_Clicked_Round" at rest and hover and
# "Button_Round" while pressed (and sinks its icon by a pixel then), so the
# pictures follow that use rather than the names.
register("Button_Clicked_Round", lambda w, h: round_face(False))
register("Button_Round", lambda w, h: round_face(True))


@piece("DoubleButton_Center_Line")
def double_divider(w, h):
    return Canvas(w, h).fill(Rect(0, 0, 1, h), LIGHT["edge"])


# ---------------------------------------------------------------- grip button

def grip(hovered):
    c = Canvas(36, 6)
    pal = palette(0x5A5A5A, 0xFFFFFF, 0xF2F2F2, 0xE6E6E6, 0xD8D8D8) if hovered else \
        palette(0x7A7A7A, 0xC4C4C4, 0xBABABA, 0xB0B0B0, 0xA4A4A4, shine=0.35)
    body(c, RoundRect(0, 0, 36, 6, 3), RoundRect(1, 1, 35, 5, 2), pal, 1, 5)
    dot = rgb(0x4A4A4A) if hovered else rgb(0x5E5E5E)
    for i in range(5):
        c.fill(Circle(10 + 4 * i, 3, 0.85), dot)
    return c


register("GripButton_Grip", lambda w, h: grip(False))
register("GripButton_Hovered_Grip", lambda w, h: grip(True))


# ---------------------------------------------------------------- check box and radio button
# The "hovered" pictures are shown while the box is pressed and when the
# control is disabled, so they read as a pressed-in, greyed box.

def check_box(checked, pressed):
    c = Canvas(10, 10)
    pal = palette(0x4E4E4E, 0xC4C4C4, 0xCACACA, 0xD0D0D0, 0xD8D8D8, shine=0.0, shade=0.2) if pressed \
        else palette(0x4E4E4E, 0xE6E6E6, 0xF2F2F2, 0xFAFAFA, 0xFFFFFF, shine=0.0, shade=0.12)
    body(c, RoundRect(0, 0, 10, 10, 2), RoundRect(1, 1, 9, 9, 1), pal, 1, 9)
    if checked:
        c.fill(Polyline([(2.4, 5.0), (4.2, 7.0), (7.7, 2.7)], 1.7),
               rgb(0x6E6E6E) if pressed else INK)
    return c


def radio(checked, pressed):
    c = Canvas(10, 10)
    pal = palette(0x4E4E4E, 0xC4C4C4, 0xCACACA, 0xD0D0D0, 0xD8D8D8, shine=0.0, shade=0.2) if pressed \
        else palette(0x4E4E4E, 0xE6E6E6, 0xF2F2F2, 0xFAFAFA, 0xFFFFFF, shine=0.0, shade=0.12)
    body(c, Circle(5, 5, 5), Circle(5, 5, 4), pal, 1, 9)
    if checked:
        dot = rgb(0x6E6E6E) if pressed else INK
        c.fill(Circle(5, 5, 2.3), dot)
        c.fill(Circle(4.4, 4.3, 0.9), grey(255, 0.35))
    return c


for kind, fn in (("CheckBox_", check_box), ("RadioButton_", radio)):
    register(kind + "Checked", lambda w, h, f=fn: f(True, False))
    register(kind + "Hovered_Checked", lambda w, h, f=fn: f(True, True))
    register(kind + "Unchecked", lambda w, h, f=fn: f(False, False))
    register(kind + "Hovered_Unchecked", lambda w, h, f=fn: f(False, True))


# ---------------------------------------------------------------- scroll bars
# Drawn horizontally; the vertical pieces are the same pictures transposed.

def scroll_arrow(pressed, w=18, h=21):
    """The left arrow button: rounded outer corners, flush against the track."""
    c = Canvas(w, h)
    body(c, RoundRect(0, 0, w + 5, h, 4), RoundRect(1, 1, w + 4, h - 1, 3),
         LIGHT_DOWN if pressed else LIGHT, 1, h - 1)
    c.fill(Rect(w - 1, 1, w, h - 1), rgb(0x7A7A7A))
    d = 1 if pressed else 0
    c.fill(triangle(w / 2 - 0.5 + d, h / 2 + d, 6.0, "left"), INK)
    return c


def scroll_track(w=1, h=21):
    c = Canvas(w, h)
    c.fill(Rect(0, 0, w, h), rgb(0x6A6A6A))
    c.fill(Rect(0, 1, w, h - 1), vgrad(1, h - 1, rgb(0xB8B8B8), rgb(0xD8D8D8)))
    c.fill(Rect(0, 1, w, 3), vgrad(1, 3, grey(0, 0.18), grey(0, 0.0)))
    return c


def scroll_grip(pressed, border, h=21):
    """One column of the grip; the border columns are darker and a little
    shorter, which rounds the grip's ends."""
    c = Canvas(1, h)
    top, bot = 4, h - 4
    if border:
        c.fill(Rect(0, top + 1, 1, bot - 1), rgb(0x3A3A3A))
        c.fill(Rect(0, top, 1, top + 1), rgb(0x3A3A3A, 0.45))
        c.fill(Rect(0, bot - 1, 1, bot), rgb(0x3A3A3A, 0.45))
        return c
    pal = LIGHT_DOWN if pressed else LIGHT
    return body(c, Rect(0, top, 1, bot), Rect(0, top + 1, 1, bot - 1), pal, top + 1, bot - 1)


H_SCROLL = {
    "Left_Button": lambda: scroll_arrow(False),
    "Clicked_Left_Button": lambda: scroll_arrow(True),
    "Right_Button": lambda: scroll_arrow(False).flipped_h(),
    "Clicked_Right_Button": lambda: scroll_arrow(True).flipped_h(),
    "Center": scroll_track,
    "Grip": lambda: scroll_grip(False, False),
    "Grip_Border": lambda: scroll_grip(False, True),
    "Clicked_Grip": lambda: scroll_grip(True, False),
}
V_NAMES = {"Left_Button": "Up_Button", "Clicked_Left_Button": "Clicked_Up_Button",
           "Right_Button": "Down_Button", "Clicked_Right_Button": "Clicked_Down_Button"}
for part, make in H_SCROLL.items():
    register("HScrollBar_" + part, lambda w, h, m=make: m())
    register("VScrollBar_" + V_NAMES.get(part, part), lambda w, h, m=make: m().transposed())


# ---------------------------------------------------------------- sliders
# The horizontal slider draws its rail pieces one pixel lower than its grip,
# the vertical one does not, so the groove sits at a different offset in
# each piece set to run through the middle of the grip (19 px, centre 9.5).

def slider_groove(w, h, centre, cap):
    c = Canvas(w, h)
    x0 = 3 if cap else -4
    shape = RoundRect(x0, centre - 2.5, w + 4, centre + 2.5, 2.5)
    return body(c, shape, RoundRect(x0 + 1, centre - 1.5, w + 3, centre + 1.5, 1.5),
                GROOVE, centre - 1.5, centre + 1.5)


def slider_tick(w, h, centre):
    c = Canvas(w, h)
    c.fill(Rect(0, centre + 4, 1, centre + 6.5), rgb(0x7E7E7E))
    c.fill(Rect(0, centre - 6.5, 1, centre - 4), rgb(0x7E7E7E))
    return c


def slider_grip(w=5, h=19):
    c = Canvas(w, h)
    body(c, RoundRect(0, 0, w, h, 2.5), RoundRect(1, 1, w - 1, h - 1, 1.5), LIGHT, 1, h - 1)
    return c


def slider_band(w, h):
    c = Canvas(w, h)
    c.fill(Rect(0, 0, w, h), vgrad(0, h, grey(255, 0.26), grey(255, 0.08)))
    return c


def slider_set(centre):
    return {"start": lambda: slider_groove(9, 18, centre, True),
            "end": lambda: slider_groove(9, 18, centre, True).flipped_h(),
            "rail": lambda: slider_groove(1, 18, centre, False),
            "tick": lambda: slider_tick(1, 18, centre),
            "grip": slider_grip,
            "band": lambda: slider_band(1, 11)}


for names, centre, turn in ((("HSlider_Left", "HSlider_Right", "HSlider_Center_Line",
                              "HSlider_Vertical_Line", "HSlider_Grip", "HSlider_Vertical_Bkg"), 8.5, False),
                            (("VSlider_Top", "VSlider_Bottom", "VSlider_Center_Line",
                              "VSlider_Horizontal_Line", "VSlider_Grip", "VSlider_Horizontal_Bkg"), 9.5, True)):
    parts = slider_set(centre)
    for name, key in zip(names, ("start", "end", "rail", "tick", "grip", "band")):
        register(name, lambda w, h, m=parts[key], t=turn: m().transposed() if t else m())


# ---------------------------------------------------------------- spin box
# Arrows 13 x 8 at (W - 16, 2) and (W - 16, 11) over the white field; a
# separator column at W - 17 and a line at y = 10 between the arrows.

def spin_arrow(up, pressed):
    c = Canvas(13, 8)
    if pressed:
        c.fill(RoundRect(0.5, 0, 12.5, 8, 2), vgrad(0, 8, rgb(0xBDBDBD), rgb(0xD6D6D6)))
    d = 0.5 if pressed else 0
    c.fill(triangle(6.5 + d, 4 + d, 4.0, "up" if up else "down"), INK)
    return c


register("SpinBox_Up", lambda w, h: spin_arrow(True, False))
register("SpinBox_Clicked_Up", lambda w, h: spin_arrow(True, True))
register("SpinBox_Down", lambda w, h: spin_arrow(False, False))
register("SpinBox_Clicked_Down", lambda w, h: spin_arrow(False, True))
register("SpinBox_Center_Line", lambda w, h: Canvas(w, h).fill(
    Rect(0, 2, 1, h - 2), vgrad(2, h - 2, rgb(0xB0B0B0, 0.3), rgb(0xA0A0A0), rgb(0xB0B0B0, 0.3))))
register("SpinBox_Horizontal_Line", lambda w, h: Canvas(w, h).fill(
    Rect(0, 0, w, 1), hgrad(0, w, rgb(0xA8A8A8), rgb(0xA8A8A8, 0.55))))


# ---------------------------------------------------------------- combo box
# The drop-down button (13 x 17) is drawn at (W - 16, 3), right of the
# separator column at W - 17.

def combo_button(pressed):
    c = Canvas(13, 17)
    d = 1 if pressed else 0
    c.fill(triangle(6.5, 8.5 + d, 4.0, "down"), INK)
    return c


register("ComboBox_Button", lambda w, h: combo_button(False))
register("ComboBox_Clicked_Button", lambda w, h: combo_button(True))
register("ComboBox_Vertical_Line", lambda w, h: Canvas(w, h).fill(
    Rect(0, 3, 1, h - 3), vgrad(3, h - 3, rgb(0x8A8A8A, 0.2), rgb(0x7A7A7A), rgb(0x8A8A8A, 0.2))))
