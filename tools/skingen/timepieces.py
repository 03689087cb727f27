"""Analog clock, calendar and schedule viewer pieces."""

import functools

from kit import LIGHT, body, opaque_over, register, triangle
from raster import (Canvas, Circle, Line, Offset, Outline, Polygon, Rect, RoundRect,
                    grey, polar, rgb, vgrad)

# ---------------------------------------------------------------- analog clock
# The control rotates each hand about a pivot and places the image so that
# (hand image coordinates, y down from the tip):
#   hour   5 x 54, image top at 18,  pivot y 71.5 -> pivot 53.5 rows below the top
#   minute 7 x 70, image top at 5,   pivot y 71.0 -> 66.0
#   second 7 x 77, image top at 8.5, pivot y 71.0 -> 62.5 (14.5 px tail)
# and the face's centre is the pivot (71.5, 71.5) of the 143 x 143 control.
# Each hand is drawn on its own centre column, tip in row 0.

FACE_C = 71.5
HAND_DARK = rgb(0x262626)


def clock_face():
    c = Canvas(143, 143)
    cx = cy = FACE_C
    c.fill(Circle(cx, cy + 0.8, 71.2), grey(0, 0.18))
    c.fill(Circle(cx, cy, 71.0), vgrad(0, 143, rgb(0x5A5A5A), rgb(0x262626)))
    c.fill(Circle(cx, cy, 69.8), vgrad(1, 142, rgb(0xF4F4F4), rgb(0xB4B4B4), rgb(0x9A9A9A)))
    c.fill(Circle(cx, cy, 67.0), rgb(0x6A6A6A))
    c.fill(Circle(cx, cy, 66.2), vgrad(5, 138, rgb(0xF2F2F2), rgb(0xFFFFFF)))
    c.fill(Outline(Circle(cx, cy, 66.2), 3.0), vgrad(5, 40, grey(0, 0.14), grey(0, 0.0)))
    for i in range(60):
        p0 = polar(cx, cy, 63.6, i * 6)
        if i % 5:
            c.fill(Line(*p0, *polar(cx, cy, 60.4, i * 6), 1.1), rgb(0x7A7A7A))
        else:
            inner = 53.0 if i % 15 == 0 else 55.5
            c.fill(Line(*p0, *polar(cx, cy, inner, i * 6), 3.2 if i % 15 == 0 else 2.4), rgb(0x2E2E2E))
    c.fill(Circle(cx, cy, 3.0), rgb(0x2E2E2E))
    return c


def tapered(cx, y_tip, y_base, w_tip, w_base):
    return Polygon([(cx - w_tip / 2, y_tip), (cx + w_tip / 2, y_tip),
                    (cx + w_base / 2, y_base), (cx - w_base / 2, y_base)])


def hour_hand():
    c = Canvas(5, 54)
    shape = tapered(2.5, 1.4, 54.0, 2.4, 4.6) | Circle(2.5, 1.4, 1.2) | Circle(2.5, 53.5, 2.3)
    c.fill(shape, HAND_DARK)
    c.fill(Line(2.5, 4, 2.5, 46, 0.7), grey(255, 0.16))
    return c


def minute_hand():
    c = Canvas(7, 70)
    shape = tapered(3.5, 1.0, 66.0, 1.8, 3.8) | Circle(3.5, 1.0, 0.9) | Circle(3.5, 66.0, 3.4)
    c.fill(shape, HAND_DARK)
    c.fill(Circle(3.5, 66.0, 1.1), rgb(0x8A8A8A))
    return c


def second_hand():
    c = Canvas(7, 77)
    red = rgb(0xD0302A)
    shape = (Line(3.5, 0.4, 3.5, 70, 1.3) | Circle(3.5, 62.5, 2.6) |
             RoundRect(2.3, 66.5, 4.7, 76.9, 1.2))
    c.fill(shape, red)
    c.fill(Circle(3.5, 62.5, 1.0), rgb(0xF2C0BC))
    return c


# The clock hands its renderer the rows in memory order, and a bottom-up
# bitmap keeps its bottom row first in memory: store each hand upside down
# so that the tip is the first row of the file.
register("AnalogClock_Clock_Face", lambda w, h: clock_face())
register("AnalogClock_Hour_Hand", lambda w, h: hour_hand().flipped_v())
register("AnalogClock_Minute_Hand", lambda w, h: minute_hand().flipped_v())
register("AnalogClock_Second_Hand", lambda w, h: second_hand().flipped_v())


# ---------------------------------------------------------------- calendar
# The calendar is a colour-keyed 150 x 160 window: its background is copied
# opaquely and 0xFF00FF pixels become see-through. The outer corners are made
# of exactly MAGENTA_PER_CORNER magenta pixels each (58 per side piece). The
# body is one flat colour wherever the opaque selection pieces are copied.

CAL_W, CAL_H, SIDE = 150, 160, 10
MAGENTA_PER_CORNER = 29
BODY = rgb(0xF4F4F4)
BORDER = rgb(0x323232)
MAGENTA = (1.0, 0.0, 1.0, 1.0)


def corner_radius():
    """The smallest radius (in 1/100 px) whose corner holds exactly
    MAGENTA_PER_CORNER pixel centres outside the arc, all left of the
    piece's inner column."""
    for r100 in range(500, 2000):
        r = r100 / 100
        cells = corner_cells(r)
        if len(cells) == MAGENTA_PER_CORNER and max(x for x, _ in cells) < SIDE - 1:
            return r
    raise ValueError("no corner radius gives the wanted magenta count")


def corner_cells(r):
    n = int(r) + 1
    return [(x, y) for y in range(n) for x in range(n)
            if x + 0.5 < r and y + 0.5 < r and ((x + 0.5 - r) ** 2 + (y + 0.5 - r) ** 2) ** 0.5 > r]


@functools.lru_cache(maxsize=None)
def calendar_panel():
    """The whole window background with the title bar, as the calendar paints it."""
    r = corner_radius()
    c = Canvas(CAL_W, CAL_H)
    c.fill(Rect(0, 0, CAL_W, CAL_H), BORDER)
    c.fill(RoundRect(1, 1, CAL_W - 1, CAL_H - 1, r - 1),
           vgrad(1, 24, rgb(0xFDFDFD), BODY))
    for x, y in corner_cells(r):
        for px, py in ((x, y), (CAL_W - 1 - x, y), (x, CAL_H - 1 - y), (CAL_W - 1 - x, CAL_H - 1 - y)):
            c.put(px, py, MAGENTA)
    return c


@functools.lru_cache(maxsize=None)
def calendar_sides():
    """Left, centre and right background pieces. The corner arcs reach a
    fraction of a pixel past the side pieces; the straight centre column is
    used for the pieces' inner columns so that the background stays continuous."""
    panel = calendar_panel()
    centre = panel.crop(CAL_W // 2, 0, 1, CAL_H)
    left = panel.crop(0, 0, SIDE, CAL_H).draw(centre, SIDE - 1, 0)
    right = panel.crop(CAL_W - SIDE, 0, SIDE, CAL_H).draw(centre, 0, 0)
    return left, centre, right


def title_field():
    """140 x 19 at (5, 3): month and year titles; the round day button sits at x 125."""
    c = Canvas(140, 19)
    shape = RoundRect(0, 0, 119, 19, 5)
    body(c, shape, RoundRect(1, 1, 118, 18, 4),
         dict(LIGHT, edge=rgb(0x9A9A9A)), 1, 18)
    c.fill(Rect(84, 4, 85, 15), rgb(0xB4B4B4))
    return c


def weekday_bar():
    """140 x 13 copied at (5, 22). The round day button (a child window at
    125..146 x 3..24) covers its top-right corner, so the bar steps down
    there and the button's background square shows plain body around it."""
    c = Canvas(140, 13)
    shape = RoundRect(0, 0, 119, 13, 3) | RoundRect(0, 3, 140, 13, 3)
    c.fill(shape, rgb(0xB4B4B4))
    c.fill(Offset(shape, -1), vgrad(1, 12, rgb(0xE2E2E2), rgb(0xD2D2D2)))
    return opaque_over(c, BODY)


def selection(w, h):
    c = Canvas(w, h)
    body(c, RoundRect(0, 0, w, h, 3), RoundRect(1, 1, w - 1, h - 1, 2),
         dict(LIGHT, edge=rgb(0x6A6A6A)), 1, h - 1)
    return opaque_over(c, BODY)


def calendar_arrow(direction):
    c = Canvas(14, 9)
    c.fill(triangle(7, 4.5, 6.0, direction), rgb(0x4A4A4A))
    return c


def day_button_background():
    """What the calendar shows behind its round day button at (125, 3)."""
    panel = calendar_panel().crop(0, 0, CAL_W, CAL_H)
    left, centre, right = calendar_sides()
    panel.draw(left, 0, 0).draw(right, CAL_W - SIDE, 0)
    panel.draw(title_field(), 5, 3).draw(weekday_bar(), 5, 22)
    return panel.crop(125, 3, 22, 22)


register("Callendar_Background_Left", lambda w, h: calendar_sides()[0])
register("Callendar_Background_Center", lambda w, h: calendar_sides()[1])
register("Callendar_Background_Right", lambda w, h: calendar_sides()[2])
register("Callendar_Field", lambda w, h: title_field())
register("Callendar_Small_Field", lambda w, h: weekday_bar())
register("Callendar_Arrow_Left", lambda w, h: calendar_arrow("left"))
register("Callendar_Arrow_Right", lambda w, h: calendar_arrow("right"))
register("Callendar_Small_Selection", selection)
register("Callendar_Medium_Selection", selection)
register("Callendar_Big_Selection", selection)
register("Callendar_Button_Day_Background", lambda w, h: day_button_background())


# ---------------------------------------------------------------- schedule viewer
# The viewer paints no background: its 1 x 24 columns are opaque, and the
# entries are blended over them between the track's borders.

TRACK_EDGE = rgb(0x3A3A3A)


def track_column(divider):
    c = Canvas(1, 24)
    c.fill(Rect(0, 0, 1, 24), TRACK_EDGE)
    c.fill(Rect(0, 1, 1, 23), vgrad(1, 23, rgb(0xE4E4E4), rgb(0xF8F8F8)))
    c.fill(Rect(0, 1, 1, 3), vgrad(1, 3, grey(0, 0.16), grey(0, 0.0)))
    if divider:
        c.fill(Rect(0, 3, 1, 21), rgb(0xA4A4A4))
    return c


def border_column():
    c = Canvas(1, 24)
    c.fill(Rect(0, 0, 1, 24), rgb(0xB4B4B4))
    c.fill(Rect(0, 1, 1, 23), TRACK_EDGE)
    return c


def lighter(colour):
    return tuple(min(1.0, v * 1.2 + 0.1) for v in colour[:3]) + (colour[3],)


def entry_column(top, bottom, hovered):
    c = Canvas(1, 24)
    if hovered:
        top, bottom = lighter(top), lighter(bottom)
    c.fill(Rect(0, 3, 1, 21), vgrad(3, 21, top, bottom))
    c.fill(Rect(0, 3, 1, 4), grey(255, 0.45))
    c.fill(Rect(0, 20, 1, 21), grey(0, 0.18))
    return c


GREEN_TOP, GREEN_BOTTOM = rgb(0x6CC45A), rgb(0x35922A)
BLUE_TOP, BLUE_BOTTOM = rgb(0x6AA6E8), rgb(0x2E6BB8)

register("ScheduleViewer_LeftRight", lambda w, h: border_column())
register("ScheduleViewer_Center_Line", lambda w, h: track_column(False))
register("ScheduleViewer_Hour_Line", lambda w, h: track_column(True))
register("ScheduleViewer_Green_Line", lambda w, h: entry_column(GREEN_TOP, GREEN_BOTTOM, False))
register("ScheduleViewer_Hovered_Green_Line", lambda w, h: entry_column(GREEN_TOP, GREEN_BOTTOM, True))
register("ScheduleViewer_Blue_Line", lambda w, h: entry_column(BLUE_TOP, BLUE_BOTTOM, False))
register("ScheduleViewer_Hovered_Blue_Line", lambda w, h: entry_column(BLUE_TOP, BLUE_BOTTOM, True))
