"""Icons: the eight round-button icons and their disabled twins, the
language flags, the task icons and the question mark."""

from kit import desaturate, register
from raster import (Arc, Canvas, Circle, Line, Offset, Outline, Polygon,
                    Polyline, Rect, RoundRect, Union, grey, linear, polar, rgb,
                    vgrad)

DARK = rgb(0x2E2E2E)
BLUE, BLUE_DARK = rgb(0x3C7FD0), rgb(0x1E4F8F)
GREEN, GREEN_DARK = rgb(0x3DAA4A), rgb(0x1C6A27)
RED, RED_DARK = rgb(0xD8463C), rgb(0x8A1C15)
AMBER, AMBER_DARK = rgb(0xF0A73A), rgb(0x9A5E0C)


def outlined(c, shape, fill, edge, width=0.9):
    """Fills a shape over a slightly grown copy of itself in a darker colour,
    which keeps small icons legible on any ground."""
    c.fill(Offset(shape, width), edge)
    c.fill(shape, fill)
    return c


def arrow_head(x, y, deg, size):
    """A triangle whose tip is at (x, y), pointing along deg (clockwise from up)."""
    tip = (x, y)
    back = polar(x, y, size, deg + 180)
    left = polar(*back, size * 0.62, deg - 90)
    right = polar(*back, size * 0.62, deg + 90)
    return Polygon([tip, left, right])


# ---------------------------------------------------------------- round button icons (14 x 14)

def icon_delete():
    c = Canvas(14, 14)
    can = Polygon([(3.2, 4.6), (10.8, 4.6), (10.0, 12.8), (4.0, 12.8)])
    outlined(c, can, linear(3, 0, 11, 0, rgb(0xE86A60), rgb(0xB8322A)), RED_DARK)
    for x in (5.6, 7.0, 8.4):
        c.fill(Line(x, 6.3, x, 11.3, 0.7), grey(255, 0.55))
    outlined(c, RoundRect(2.2, 2.6, 11.8, 4.1, 0.6), rgb(0xD8463C), RED_DARK, 0.7)
    c.fill(RoundRect(5.4, 1.2, 8.6, 2.8, 0.6), RED_DARK)
    return c


def icon_add():
    c = Canvas(14, 14)
    plus = Polyline([(7, 2), (7, 12)], 3.0) | Polyline([(2, 7), (12, 7)], 3.0)
    return outlined(c, plus, vgrad(2, 12, rgb(0x6CCB6C), rgb(0x2E9A3A)), GREEN_DARK)


def icon_cross():
    c = Canvas(14, 14)
    x = Polyline([(3, 3), (11, 11)], 2.8) | Polyline([(11, 3), (3, 11)], 2.8)
    return outlined(c, x, vgrad(3, 11, rgb(0xEE6A5E), rgb(0xC02E24)), RED_DARK)


def icon_schedule():
    c = Canvas(14, 14)
    c.fill(Circle(7, 7, 6.3), BLUE_DARK)
    c.fill(Circle(7, 7, 5.2), vgrad(2, 12, rgb(0xFFFFFF), rgb(0xE2ECF8)))
    for deg in range(0, 360, 90):
        c.fill(Line(*polar(7, 7, 4.0, deg), *polar(7, 7, 4.9, deg), 0.9), BLUE_DARK)
    c.fill(Polyline([(7, 3.6), (7, 7), (9.6, 8.5)], 1.2), DARK)
    c.fill(Circle(7, 7, 0.9), RED)
    return c


def icon_countdown():
    c = Canvas(14, 14)
    glass = Polygon([(3.6, 2.4), (10.4, 2.4), (7.7, 7.0), (10.4, 11.6), (3.6, 11.6), (6.3, 7.0)])
    c.fill(Offset(glass, 0.7), rgb(0x5A5A5A))
    c.fill(glass, vgrad(2, 12, rgb(0xEAF2FA), rgb(0xC8D8EA)))
    c.fill(Polygon([(5.0, 4.0), (9.0, 4.0), (7.0, 6.6)]), AMBER)
    c.fill(Polygon([(7.0, 8.6), (9.6, 11.3), (4.4, 11.3)]), AMBER)
    c.fill(Line(7, 6.5, 7, 10, 0.6), AMBER)
    for y in (1.8, 12.2):
        c.fill(RoundRect(2.4, y - 0.9, 11.6, y + 0.9, 0.8), rgb(0x7A4F24))
    return c


def icon_task():
    c = Canvas(14, 14)
    outlined(c, RoundRect(2.2, 1.8, 11.8, 13.2, 1.2), rgb(0xC89B5A), rgb(0x7A5524), 0.7)
    c.fill(Rect(3.6, 3.4, 10.4, 12.0), rgb(0xFFFFFF))
    c.fill(RoundRect(4.8, 0.9, 9.2, 3.6, 0.8), rgb(0x5A5A5A))
    c.fill(Polyline([(4.6, 7.6), (6.3, 9.6), (9.6, 5.2)], 1.6), rgb(0x2E9A3A))
    return c


def circular_arrow(cx, cy, r, start, end, width, head):
    """An arc running clockwise from start to end (degrees) with an arrow
    head whose base sits on the arc's end."""
    tip = polar(*polar(cx, cy, r, end), head, end + 90)
    return Arc(cx, cy, r, start, end, width) | arrow_head(*tip, end + 90, head)


def round_arrow_icon(shadow, top, bottom):
    """The refresh and restart icons: one clockwise arrow, two colourings."""
    c = Canvas(14, 14)
    shape = circular_arrow(7, 7.2, 4.4, 60, 320, 2.0, 3.6)
    c.fill(Offset(shape, 0.6), shadow)
    c.fill(shape, vgrad(2, 12, top, bottom))
    return c


def icon_refresh():
    return round_arrow_icon(BLUE_DARK, rgb(0x6AA8EA), rgb(0x2F6FBF))


def icon_calendar():
    c = Canvas(14, 14)
    outlined(c, RoundRect(1.6, 2.4, 12.4, 12.8, 1.4), rgb(0xFFFFFF), rgb(0x5A5A5A), 0.8)
    c.fill(Rect(1.6, 3.2, 12.4, 5.6) & RoundRect(1.6, 2.4, 12.4, 12.8, 1.4), RED)
    for x in (4.4, 9.6):
        c.fill(RoundRect(x - 0.7, 1.0, x + 0.7, 4.2, 0.6), DARK)
    for row in range(2):
        for col in range(3):
            c.fill(Rect(3.4 + 2.6 * col, 7.0 + 2.5 * row, 4.9 + 2.6 * col, 8.4 + 2.5 * row),
                   rgb(0x8A8A8A) if (row, col) != (1, 1) else RED)
    return c


for names, fn in ((("Button_Delete_Icon", "Button_Gray_Delete_Icon"), icon_delete),
                  (("Button_Add_Icon", "Button_Gray_Add_Icon"), icon_add),
                  (("Button_Schedule_Icon", "Button_Gray_Schedule_Icon"), icon_schedule),
                  (("Button_CountDown_Icon", "Button_Gray_CountDown_Icon"), icon_countdown),
                  (("Button_Task_Icon", "Button_Gray_Task_Icon"), icon_task),
                  (("Button_Cross_Icon", "Button_Gray_Cross_Icon"), icon_cross),
                  (("Button_Refresh_Icon", "Button_Gray_Refresh_Button"), icon_refresh),
                  (("Button_Callendar_Icon", "BUTTON_GRAY_CALLENDAR_ICON"), icon_calendar)):
    register(names[0], lambda w, h, f=fn: f())
    register(names[1], lambda w, h, f=fn: desaturate(f()))


# ---------------------------------------------------------------- flags (16 x 11)

def flag(draw):
    c = Canvas(16, 11)
    draw(c)
    c.fill(Rect(0, 0, 16, 5.5), vgrad(0, 5.5, grey(255, 0.22), grey(255, 0.0)))
    c.fill(Outline(Rect(0, 0, 16, 11), 1.0), grey(0, 0.32))
    return c


def bands(*colours):
    def draw(c):
        n = len(colours)
        for i, col in enumerate(colours):
            c.fill(Rect(0, 11 * i / n, 16, 11 * (i + 1) / n), rgb(col))
    return draw


def union_jack(c):
    c.fill(Rect(0, 0, 16, 11), rgb(0x012169))
    diag = Line(0, 0, 16, 11, 2.6) | Line(16, 0, 0, 11, 2.6)
    c.fill(diag, rgb(0xFFFFFF))
    c.fill(Line(0, 0, 16, 11, 0.9) | Line(16, 0, 0, 11, 0.9), rgb(0xC8102E))
    c.fill(Rect(6.0, 0, 10.0, 11) | Rect(0, 3.5, 16, 7.5), rgb(0xFFFFFF))
    c.fill(Rect(6.9, 0, 9.1, 11) | Rect(0, 4.4, 16, 6.6), rgb(0xC8102E))


def japan(c):
    c.fill(Rect(0, 0, 16, 11), rgb(0xF8F8F8))
    c.fill(Circle(8, 5.5, 3.2), rgb(0xBC002D))


register("Language_ComboBox_English", lambda w, h: flag(union_jack))
register("Language_ComboBox_Polish", lambda w, h: flag(bands(0xF6F6F6, 0xDC143C)))
register("Language_ComboBox_Japanese", lambda w, h: flag(japan))
register("Language_ComboBox_German", lambda w, h: flag(bands(0x141414, 0xDD0000, 0xFFCE00)))
register("Language_ComboBox_Russian", lambda w, h: flag(bands(0xF6F6F6, 0x0039A6, 0xD52B1E)))


# ---------------------------------------------------------------- task icons (14 x 14)

def task_lock():
    c = Canvas(14, 14)
    shackle = Arc(7, 5.2, 2.9, 270, 90, 1.5) | Line(4.1, 5.2, 4.1, 7, 1.5) | Line(9.9, 5.2, 9.9, 7, 1.5)
    c.fill(shackle, rgb(0x7A7A7A))
    outlined(c, RoundRect(2.4, 6.4, 11.6, 13.0, 1.3),
             vgrad(6, 13, rgb(0xF7D36A), rgb(0xD39A22)), rgb(0x8A6010), 0.7)
    c.fill(Circle(7, 9.0, 1.1) | Line(7, 9.2, 7, 11.3, 0.9), rgb(0x5A3E08))
    return c


def task_logoff():
    c = Canvas(14, 14)
    c.fill(Polyline([(8.2, 4.0), (8.2, 1.8), (2.2, 1.8), (2.2, 12.2), (8.2, 12.2), (8.2, 10.0)], 1.4),
           rgb(0x6A6A6A))
    c.fill(Line(5.0, 7, 10.5, 7, 1.8), BLUE)
    c.fill(arrow_head(13.2, 7, 90, 4.2), BLUE)
    return c


def task_sleep():
    c = Canvas(14, 14)
    moon = Circle(6.4, 7.4, 5.2) - Circle(9.0, 5.4, 4.2)
    outlined(c, moon, vgrad(2, 13, rgb(0xFFE27A), rgb(0xE7A92A)), rgb(0x9A6A10), 0.7)
    c.fill(Polyline([(9.2, 1.6), (12.2, 1.6), (9.2, 4.6), (12.2, 4.6)], 0.9), BLUE_DARK)
    return c


def power(colour, edge):
    c = Canvas(14, 14)
    sym = Arc(7, 7.6, 4.8, 35, 325, 1.9) | Line(7, 1.6, 7, 7.0, 1.9)
    c.fill(Offset(sym, 0.6), edge)
    c.fill(sym, colour)
    return c


def task_restart():
    return round_arrow_icon(GREEN_DARK, rgb(0x6CCB6C), rgb(0x2E9A3A))


def task_hibernate():
    c = Canvas(14, 14)
    flake = []
    for deg in (0, 60, 120):
        p0, p1 = polar(7, 7, 5.6, deg), polar(7, 7, 5.6, deg + 180)
        flake.append(Line(*p0, *p1, 1.3))
        for end in (deg, deg + 180):
            tip = polar(7, 7, 3.6, end)
            for side in (-45, 45):
                flake.append(Line(*tip, *polar(*tip, 1.9, end + side), 1.0))
    shape = Union(*flake)
    c.fill(Offset(shape, 0.5), rgb(0x1E4F8F, 0.7))
    c.fill(shape, rgb(0x7FC3F5))
    return c


def task_hybrid():
    c = power(AMBER, AMBER_DARK)
    moon = Circle(11.2, 11.4, 2.6) - Circle(12.4, 10.4, 2.1)
    c.fill(Offset(moon, 0.6), rgb(0xFFFFFF))
    c.fill(moon, BLUE_DARK)
    return c


register("Task_ComboBox_Lock", lambda w, h: task_lock())
register("Task_ComboBox_Logoff", lambda w, h: task_logoff())
register("Task_ComboBox_Sleep", lambda w, h: task_sleep())
register("Task_ComboBox_Restart", lambda w, h: task_restart())
register("Task_ComboBox_Hibernate", lambda w, h: task_hibernate())
register("Task_ComboBox_Hybrid_Shut_Down", lambda w, h: task_hybrid())
register("Task_ComboBox_Shut_Down", lambda w, h: power(RED, RED_DARK))


# ---------------------------------------------------------------- question mark (32 x 32)

def question_mark():
    c = Canvas(32, 32)
    c.fill(Circle(16, 16.8, 15.2), grey(0, 0.2))
    c.fill(Circle(16, 16, 15.5), rgb(0x1B4F8E))
    c.fill(Circle(16, 16, 14.5), vgrad(2, 30, rgb(0x6AAAF0), rgb(0x2A6CC0)))
    gloss = Circle(16, 16, 13.6) & Circle(16, 27, 20)
    c.fill(gloss - Circle(16, 40, 24), vgrad(2, 14, grey(255, 0.5), grey(255, 0.05)))
    mark = Arc(16, 12.2, 4.6, 295, 165, 3.2) | Polyline([polar(16, 12.2, 4.6, 165), (16, 17.6), (16, 19.4)], 3.2)
    c.fill(Offset(mark, 0.8), rgb(0x1B4F8E, 0.45))
    c.fill(mark, rgb(0xFFFFFF))
    c.fill(Circle(16, 24.2, 1.9), rgb(0xFFFFFF))
    return c


register("Round_Question_Mark", lambda w, h: question_mark())
