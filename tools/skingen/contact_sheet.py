#!/usr/bin/env python3
"""Contact sheet of the generated skin set, read back from the BMP files.

    contact_sheet.py --skins DIR --out sheet.png [--only REGEX] [--no-preview]

Every listed piece is shown enlarged (nearest neighbour) on a checkerboard
and labelled; a second part assembles the pieces the way the controls paint
them, on the windows' grey gradient, so seams and proportions can be judged.
"""

import argparse
import math
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

from raster import Canvas, Rect, from_bgra_rows, hgrad, png_bytes, read_bmp, rgb  # noqa: E402
from skingen import output_path, read_list  # noqa: E402

# 5 x 7 capitals, digits and the punctuation of the piece names.
FONT = {
    "A": "0E11111F111111", "B": "1E11111E11111E", "C": "0E11101010110E", "D": "1E11111111111E",
    "E": "1F10101E10101F", "F": "1F10101E101010", "G": "0E11101711110F", "H": "1111111F111111",
    "I": "0E04040404040E", "J": "0702020202120C", "K": "11121418141211", "L": "1010101010101F",
    "M": "111B1515111111", "N": "11111915131111", "O": "0E11111111110E", "P": "1E11111E101010",
    "Q": "0E11111115120D", "R": "1E11111E141211", "S": "0F10100E01011E", "T": "1F040404040404",
    "U": "1111111111110E", "V": "11111111110A04", "W": "1111111515150A", "X": "11110A040A1111",
    "Y": "1111110A040404", "Z": "1F01020408101F", "0": "0E11131519110E", "1": "040C040404040E",
    "2": "0E11010204081F", "3": "1F02040201110E", "4": "02060A121F0202", "5": "1F101E0101110E",
    "6": "0608101E11110E", "7": "1F010204080808", "8": "0E11110E11110E", "9": "0E11110F01020C",
    "_": "0000000000001F", ".": "00000000000C0C", "-": "0000001F000000", "\\": "00100804020100",
    "/": "00010204081000", "(": "02040808080402", ")": "08040202020408", ":": "000C0C000C0C00",
    " ": "00000000000000", ",": "00000000080408",
}

PAD, LABEL_SCALE, MAX_W = 12, 2, 1640
INK, PAPER = (40, 40, 40), (250, 250, 250)


class Sheet:
    """An RGB picture grown row by row."""

    def __init__(self, w):
        self.w, self.rows = w, []

    def ensure(self, h):
        while len(self.rows) < h:
            self.rows.append(bytearray(PAPER * self.w))

    def put(self, x, y, c):
        if 0 <= x < self.w:
            self.ensure(y + 1)
            self.rows[y][x * 3:x * 3 + 3] = bytes(c)

    def rect(self, x, y, w, h, c):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.put(xx, yy, c)

    def text(self, x, y, s, scale=LABEL_SCALE, colour=INK):
        for ch in s.upper():
            glyph = FONT.get(ch, FONT[" "])
            for row in range(7):
                bits = int(glyph[row * 2:row * 2 + 2], 16)
                for col in range(5):
                    if bits & (0x10 >> col):
                        self.rect(x + col * scale, y + row * scale, scale, scale, colour)
            x += 6 * scale

    def image(self, x, y, canvas, scale, checker=True):
        """Composites a premultiplied canvas over a checkerboard (or paper)."""
        for py in range(canvas.h):
            for px in range(canvas.w):
                r, g, b, a = canvas.get(px, py)
                for sy in range(scale):
                    for sx in range(scale):
                        X, Y = x + px * scale + sx, y + py * scale + sy
                        if checker:
                            bg = 186 if ((X - x) // 6 + (Y - y) // 6) % 2 else 154
                        else:
                            bg = PAPER[0]
                        self.put(X, Y, tuple(int(round(255 * (v + bg / 255 * (1 - a)))) for v in (r, g, b)))

    def png(self):
        return png_bytes(self.w, len(self.rows), self.rows)


def text_width(s, scale=LABEL_SCALE):
    return len(s) * 6 * scale


def wrap(label, width_chars):
    lines, cur = [], ""
    for part in re.split(r"(?<=[_\\.])", label):
        if cur and len(cur) + len(part) > width_chars:
            lines.append(cur)
            cur = ""
        cur += part
    return lines + [cur]


def load(skins, src, name):
    w, _, rows = read_bmp(open(os.path.join(skins, output_path(src, name)), "rb").read())
    return from_bgra_rows(rows, w)


# ---------------------------------------------------------------- the pieces, one by one

def piece_section(sheet, y, skins, rows):
    groups = {}
    for src, name, w, h, used in rows:
        groups.setdefault((src, used.split(",")[0].split("(")[0].strip()), []).append((src, name, w, h))
    for (src, title), items in groups.items():
        sheet.text(PAD, y, "%s: %s" % ("resources" if src == "resource" else "files", title), 3)
        y += 7 * 3 + 10
        x, line_h = PAD, 0
        for src_, name, w, h in items:
            scale = 4 if max(w, h) <= 80 else 2
            label = name.split("\\")[-1]
            label = label[:-4] if label.endswith(".bmp") else label
            lines = wrap(label, 22)
            cell_w = max(w * scale, max(text_width(s) for s in lines))
            cell_h = h * scale + 6 + len(lines) * 16
            if x + cell_w > sheet.w - PAD:
                x, y, line_h = PAD, y + line_h + PAD, 0
            sheet.image(x, y, load(skins, src_, name), scale)
            for i, s in enumerate(lines):
                sheet.text(x, y + h * scale + 6 + i * 16, s)
            x += cell_w + 2 * PAD
            line_h = max(line_h, cell_h)
        y += line_h + 3 * PAD
    return y


# ---------------------------------------------------------------- assembled like the controls paint them

class Board:
    """A window-coloured canvas that pieces are blended onto by name."""

    def __init__(self, skins, w, h):
        self.skins, self.c = skins, Canvas(w, h)
        self.c.fill(Rect(0, 0, w, h), hgrad(0, w, rgb(0xC8C8C8), rgb(0xE6E6E6)))

    def get(self, name):
        return load(self.skins, "file" if name.startswith("resources\\") else "resource", name)

    def put(self, name, x, y):
        self.c.draw(self.get(name), x, y)

    def strip(self, left, centre, right, x, y, w):
        lp = self.get(left)
        self.put(left, x, y)
        for i in range(lp.w, w - lp.w):
            self.put(centre, x + i, y)
        self.put(right, x + w - lp.w, y)

    def hand(self, name, angle, pivot_y, at):
        """Rotates a clock hand as the clock does: rows in file (memory)
        order, so the first stored row is the top of the picture."""
        img = self.get(name).flipped_v()
        a = math.radians(angle)
        cs, sn = math.cos(a), math.sin(a)
        for Y in range(143):
            for X in range(143):
                x, y = X + 0.5 - 71.5, Y + 0.5 - pivot_y
                u = x * cs + y * sn - at[0]
                v = -x * sn + y * cs + pivot_y - at[1]
                p = bilinear(img, u - 0.5, v - 0.5)
                if p[3] > 0:
                    d = self.c.get(X + self.ox, Y + self.oy)
                    self.c.put(X + self.ox, Y + self.oy, tuple(p[i] + d[i] * (1 - p[3]) for i in range(4)))


def bilinear(img, u, v):
    x0, y0 = math.floor(u), math.floor(v)
    fx, fy = u - x0, v - y0
    out = [0.0] * 4
    for dx, dy, k in ((0, 0, (1 - fx) * (1 - fy)), (1, 0, fx * (1 - fy)), (0, 1, (1 - fx) * fy), (1, 1, fx * fy)):
        x, y = x0 + dx, y0 + dy
        if 0 <= x < img.w and 0 <= y < img.h and k > 0:
            p = img.get(x, y)
            for i in range(4):
                out[i] += p[i] * k
    return out


R = "resources\\"


def double_button(b, pre, x, y, first_selected, half=40, cap=7, names=None):
    n = names or {k: pre + k for k in ("Left", "Right", "Center", "Clicked_Left", "Clicked_Right",
                                       "Clicked_Center", "Center_Line")}
    W = 2 * half + 1
    b.put(n["Clicked_Left"] if first_selected else n["Left"], x, y)
    for xx in range(cap, half):
        b.put(n["Clicked_Center"] if first_selected else n["Center"], x + xx, y)
    b.put(n["Center_Line"], x + half, y)
    for xx in range(half + 1, W - cap):
        b.put(n["Center"] if first_selected else n["Clicked_Center"], x + xx, y)
    b.put(n["Right"] if first_selected else n["Clicked_Right"], x + W - cap, y)


def spin_box(b, n, x, y, W, side, height, resource):
    """n: left, right, centre, up, down, line, hline pieces (spin box paint steps 2 to 9)."""
    b.put(n[0], x, y)
    for xx in list(range(side, W - 17)) + [W - 17 + k for k in range(1, 17 - side)]:
        b.put(n[2], x + xx, y)
    b.put(n[5], x + W - 17, y)
    b.put(n[1], x + W - side, y)
    hl = b.get(n[6])
    span, hy = (14, 10) if resource else (17, height // 2)
    for k in range(span):
        b.c.draw(hl.crop(min(k * 13 // span, 12), 0, 1, 1), x + W - 17 + k, y + hy)
    if resource:
        b.put(n[3], x + W - 16, y + 2)
        b.put(n[4], x + W - 16, y + 11)
    else:
        top = (height - 16) // 2
        b.put(n[3], x + W - 13 - side, y + top)
        b.put(n[4], x + W - 13 - side, y + top + 9)


def combo_box(b, n, x, y, W, side, height, button, icon=None):
    """n: left, right, centre, button, line (combo box paint steps 2 to 7)."""
    b.put(n[0], x, y)
    for xx in range(side, W - side):
        if xx != W - 17:
            b.put(n[2], x + xx, y)
    b.put(n[1], x + W - side, y)
    b.put(n[3], x + W - side // 2 - button[0], y + (height - button[1]) // 2)
    b.put(n[4], x + W - 17, y)
    if icon:
        ic = b.get(icon)
        b.put(icon, x + side, y + (height - ic.h) // 2)


def h_scroll(b, n, x, y, W, arrow, grip, pressed=False):
    """n: first, first pressed, second, second pressed, track, grip, border, grip pressed."""
    g0, gl = grip
    b.put(n[1] if pressed else n[0], x, y)
    for xx in range(arrow, W - arrow):
        b.put(n[4], x + xx, y)
    b.put(n[6], x + g0, y)
    b.put(n[6], x + g0 + gl, y)
    for xx in range(g0 + 1, g0 + gl):
        b.put(n[7] if pressed else n[5], x + xx, y)
    b.put(n[2], x + W - arrow - 1, y)


def v_scroll(b, n, x, y, H, arrow, grip, pressed=False):
    g0, gl = grip
    b.put(n[0], x, y)
    for yy in range(arrow, H - arrow):
        b.put(n[4], x, y + yy)
    b.put(n[6], x, y + g0)
    b.put(n[6], x, y + g0 + gl)
    for yy in range(g0 + 1, g0 + gl):
        b.put(n[7] if pressed else n[5], x, y + yy)
    b.put(n[3] if pressed else n[2], x, y + H - arrow)


def scroll_names(pre, parts):
    return [pre + p for p in parts]


def preview(skins):
    b = Board(skins, 800, 560)
    put, strip = b.put, b.strip
    # push buttons (normal row, pressed row), colour labels, text edit
    for i, style in enumerate(("Normal", "Round", "Green", "Red")):
        for row, st in enumerate(("", "Clicked_")):
            p = "Button_%s_%s" % (style, st)
            strip(p + "Left", p + "Center", p + "Right", 10 + 100 * i, 10 + 30 * row, 90)
    for i, colour in enumerate(("Green", "Red", "Gray")):
        p = "Label_%s_" % colour
        strip(p + "Left", p + "Center", p + "Right", 10 + 100 * i, 70, 90)
    strip("TextEdit_Left", "TextEdit_Center", "TextEdit_Right", 310, 75, 90)
    # round icon buttons: at rest, pressed (icon one pixel lower), disabled
    icons = ["Delete", "Add", "Schedule", "CountDown", "Task", "Cross", "Refresh", "Callendar"]
    greys = ["Button_Gray_%s_Icon" % n for n in icons[:6]] + ["Button_Gray_Refresh_Button",
                                                              "BUTTON_GRAY_CALLENDAR_ICON"]
    for i, n in enumerate(icons):
        x = 10 + 26 * i
        for row, (face, icon, dy) in enumerate((("Button_Clicked_Round", "Button_%s_Icon" % n, 3),
                                               ("Button_Round", "Button_%s_Icon" % n, 4),
                                               ("Button_Clicked_Round", greys[i], 3))):
            put(face, x, 110 + 26 * row)
            put(icon, x + 4, 110 + 26 * row + dy)
    # double buttons, grip, check boxes and radio buttons
    double_button(b, "DoubleButton_", 230, 110, True)
    double_button(b, "DoubleButton_", 230, 138, False)
    put("GripButton_Grip", 330, 112)
    put("GripButton_Hovered_Grip", 330, 126)
    for i, st in enumerate(("Checked", "Hovered_Checked", "Unchecked", "Hovered_Unchecked")):
        put("CheckBox_" + st, 330 + 14 * i, 142)
        put("RadioButton_" + st, 330 + 14 * i, 158)
    # spin box and combo boxes with the resource geometry
    spin_box(b, ["SpinBox_Left", "SpinBox_Right", "SpinBox_Center", "SpinBox_Up", "SpinBox_Clicked_Down",
                 "SpinBox_Center_Line", "SpinBox_Horizontal_Line"], 400, 110, 60, 8, 23, True)
    for row, pre in enumerate(("ComboBox_", "ComboBox_Clicked_")):
        combo_box(b, [pre + "Left", pre + "Right", pre + "Center",
                      "ComboBox_Clicked_Button" if row else "ComboBox_Button", "ComboBox_Vertical_Line"],
                  480, 110 + 30 * row, 110, 6, 23, (13, 17),
                  "Language_ComboBox_English" if row == 0 else "Task_ComboBox_Shut_Down")
    # drop-down list rows: flags and task icons on white
    b.c.fill(Rect(600, 110, 700, 250), rgb(0xFFFFFF))
    for i, n in enumerate(["English", "Polish", "Japanese", "German", "Russian"]):
        put("Language_ComboBox_" + n, 605, 110 + 20 * i + 5)
    for i, n in enumerate(["Lock", "Logoff", "Sleep", "Restart", "Hibernate", "Hybrid_Shut_Down", "Shut_Down"]):
        put("Task_ComboBox_" + n, 655, 110 + 20 * i + 4)
    # scroll bars, idle and pressed
    hs = scroll_names("HScrollBar_", ["Left_Button", "Clicked_Left_Button", "Right_Button",
                                      "Clicked_Right_Button", "Center", "Grip", "Grip_Border", "Clicked_Grip"])
    vs = scroll_names("VScrollBar_", ["Up_Button", "Clicked_Up_Button", "Down_Button",
                                      "Clicked_Down_Button", "Center", "Grip", "Grip_Border", "Clicked_Grip"])
    h_scroll(b, hs, 10, 200, 220, 18, (17, 50))
    h_scroll(b, hs, 10, 226, 220, 18, (90, 60), pressed=True)
    v_scroll(b, vs, 720, 100, 150, 18, (40, 50))
    v_scroll(b, vs, 746, 100, 150, 18, (17, 50), pressed=True)
    # sliders: 10 and 6 positions
    W, x0, y0 = 257, 10, 260
    put("HSlider_Left", x0, y0 + 1)
    for i in range(W - 18):
        put("HSlider_Center_Line", x0 + 9 + i, y0 + 1)
    for i in range(9):
        b.c.draw(b.get("HSlider_Vertical_Line").crop(0, 0, 1, 15), x0 + 28 + 25 * i, y0 + 1)
    put("HSlider_Right", x0 + W - 9, y0 + 1)
    for i in range(W - 16):
        put("HSlider_Vertical_Bkg", x0 + 8 + i, y0 + 17)
    put("HSlider_Grip", x0 + 25 * 3 + 13, y0)
    H, x0, y0 = 157, 300, 200
    put("VSlider_Top", x0, y0 + 1)
    for i in range(H - 18):
        put("VSlider_Center_Line", x0, y0 + 9 + i)
    for i in range(5):
        b.c.draw(b.get("VSlider_Horizontal_Line").crop(0, 0, 15, 1), x0, y0 + 28 + 25 * i)
    put("VSlider_Bottom", x0, y0 + H - 9)
    for i in range(H - 16):
        put("VSlider_Horizontal_Bkg", x0 + 17, y0 + 8 + i)
    put("VSlider_Grip", x0, y0 + 25 * 2 + 13)
    # schedule viewers (288 x 24): the demonstration's three blocks, one hovered; a whole-span block
    for row in range(2):
        sx, sy = 10, 300 + 30 * row
        put("ScheduleViewer_LeftRight", sx, sy)
        put("ScheduleViewer_LeftRight", sx + 287, sy)
        for col in range(286):
            put("ScheduleViewer_Hour_Line" if col and col % 47 == 0 else "ScheduleViewer_Center_Line",
                sx + col + 1, sy)
    for (s, e), hov in (((24, 95), False), ((119, 167), True), ((215, 262), False)):
        for xx in range(s, e):
            put("ScheduleViewer_Hovered_Green_Line" if hov else "ScheduleViewer_Green_Line", 10 + xx, 300)
    for xx in range(1, 287):
        put("ScheduleViewer_Blue_Line", 10 + xx, 330)
    # the modern file set: button with icon, combo box, check and radio in three states
    for row, st in enumerate(("", "hovered_", "clicked_")):
        y = 380 + 26 * row
        strip(R + "2x20_button_modern_%sleft.bmp" % st, R + "1x20_button_modern_%scenter.bmp" % st,
              R + "2x20_button_modern_%sright.bmp" % st, 10, y, 100)
        put(R + "18_play_icon.bmp", 10 + 41, y + 1)
        button = R + ("6x18_comboBox_button.bmp" if not st else "16x18_comboBox_%sbutton.bmp" % st)
        combo_box(b, [R + "2x20_comboBox_%sleft.bmp" % st, R + "2x20_comboBox_%sright.bmp" % st,
                      R + "1x20_comboBox_%scenter.bmp" % st, button, R + "1x20_comboBox_%svertical_line.bmp" % st],
                  120, y, 110, 2, 20, (16, 18), "Language_ComboBox_German")
        pressed = "hovered_" if st else ""
        put(R + "11_checkBox_%schecked.bmp" % pressed, 240, y + 4)
        put(R + "11_checkBox_%sunchecked.bmp" % pressed, 256, y + 4)
        put(R + "11_radio_button_%schecked.bmp" % pressed, 272, y + 4)
        put(R + "11_radio_button_%sunchecked.bmp" % pressed, 288, y + 4)
    files = {"Left": "2x20_doublebutton_left.png.bmp", "Right": "2x20_doublebutton_right.bmp",
             "Center": "1x20_doublebutton_center.bmp", "Clicked_Left": "2x20_doublebutton_clicked_left.bmp",
             "Clicked_Right": "2x20_doublebutton_clicked_right.bmp",
             "Clicked_Center": "1x20_doublebutton_clicked_center.bmp",
             "Center_Line": "1x20_doublebutton_center_line.bmp"}
    double_button(b, "", 310, 380, True, cap=2, names={k: R + v for k, v in files.items()})
    spin_box(b, [R + n for n in ("2x19_spinbox_left.bmp", "2x19_spinbox_right.bmp", "2x19_spinbox_center.bmp",
                                 "13x8_spinbox_up.bmp", "13x8_spinbox_clicked_down.bmp",
                                 "1x19_spinbox_center_line.bmp", "13x1_spinbox_horizontal_line.bmp")],
             310, 406, 60, 2, 19, False)
    mh = [R + "13_hscroll_%s.bmp" % p for p in ("left_button", "clicked_left_button", "right_button",
                                                 "clicked_right_button")] + \
        [R + "1x13_hscroll_%s.bmp" % p for p in ("center", "grip", "grip_border", "clicked_grip")]
    mv = [R + "13_vscroll_%s.bmp" % p for p in ("up_button", "clicked_up_button", "down_button",
                                                 "clicked_down_button")] + \
        [R + "13x1_vscroll_%s.bmp" % p for p in ("center", "grip", "grip_border", "clicked_grip")]
    h_scroll(b, mh, 10, 462, 220, 13, (12, 60))
    h_scroll(b, mh, 10, 482, 220, 13, (90, 60), pressed=True)
    v_scroll(b, mv, 400, 380, 150, 13, (30, 50))
    v_scroll(b, mv, 420, 380, 150, 13, (60, 50), pressed=True)
    # calendar with a selected day; colour-keyed corners shown as see-through
    cx, cy = 450, 260
    put("Callendar_Background_Left", cx, cy)
    for xx in range(10, 140):
        put("Callendar_Background_Center", cx + xx, cy)
    put("Callendar_Background_Right", cx + 140, cy)
    put("Callendar_Field", cx + 5, cy + 3)
    put("Callendar_Small_Field", cx + 5, cy + 22)
    put("Callendar_Arrow_Left", cx + 10, cy + 148)
    put("Callendar_Arrow_Right", cx + 125, cy + 148)
    put("Callendar_Small_Selection", cx + 20 * 2 + 6, cy + 18 * 2 + 40)
    put("Callendar_Button_Day_Background", cx + 125, cy + 3)
    put("Button_Clicked_Round", cx + 125, cy + 3)
    put("Button_Callendar_Icon", cx + 129, cy + 6)
    for yy in range(160):
        for xx in range(150):
            if b.c.get(cx + xx, cy + yy) == (1.0, 0.0, 1.0, 1.0):
                b.c.put(cx + xx, cy + yy, (0.55, 0.6, 0.7, 1.0))
    # the clock at 10:08:30, hands rotated about their pivots
    b.ox, b.oy = 620, 270
    put("AnalogClock_Clock_Face", b.ox, b.oy)
    sec = 30
    b.hand("AnalogClock_Hour_Hand", (10 + 8 / 60 + sec / 3600) / 12 * 360, 71.5, (-2, 18))
    b.hand("AnalogClock_Minute_Hand", (8 + sec / 60) / 60 * 360, 71.0, (-3, 5))
    b.hand("AnalogClock_Second_Hand", sec / 60 * 360, 71.0, (-3, 8.5))
    return b.c


def main(argv=None):
    ap = argparse.ArgumentParser(description="Contact sheet of the generated skin pieces.")
    ap.add_argument("--skins", required=True, help="folder written by skingen.py")
    ap.add_argument("--out", required=True, help="PNG file to write")
    ap.add_argument("--only", help="regular expression: show only matching piece names")
    ap.add_argument("--no-preview", action="store_true", help="leave out the assembled controls")
    args = ap.parse_args(argv)
    rows = []
    with open(os.path.join(HERE, "skins.tsv"), encoding="utf-8") as f:
        next(f)
        for line in f:
            if line.strip():
                src, name, w, h, used = line.rstrip("\n").split("\t")[:5]
                if not args.only or re.search(args.only, name):
                    rows.append((src, name, int(w), int(h), used))
    assert {r[1] for r in rows} <= {n for _, n, _, _ in read_list()}
    sheet = Sheet(MAX_W)
    y = PAD
    if not args.no_preview and not args.only:
        sheet.text(PAD, y, "assembled as the controls paint them (2x)", 3)
        y += 31
        board = preview(args.skins)
        sheet.image(PAD, y, board, 2, checker=False)
        y += board.h * 2 + 3 * PAD
    piece_section(sheet, y, args.skins, rows)
    with open(args.out, "wb") as f:
        f.write(sheet.png())
    print(args.out)
    return 0


if __name__ == "__main__":
    sys.exit(main())
