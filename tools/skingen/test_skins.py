#!/usr/bin/env python3
"""Checks the generated skin set against what the controls need.

    python3 tools/skingen/test_skins.py [--skins DIR]     (or SKINS_DIR=DIR)

Without a folder the set is generated into a temporary one first. The
bitmaps are parsed here independently of the generator's own codec.
"""

import os
import re
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.dirname(os.path.dirname(HERE))
GENERATOR = os.path.join(HERE, "skingen.py")
SKINS = None          # set in main()
MAGENTA = (255, 0, 255, 255)   # as (R, G, B, A)


def listed():
    """{name: (source, width, height)} from the list the generator reads."""
    out = {}
    with open(os.path.join(HERE, "skins.tsv"), encoding="utf-8") as f:
        next(f)
        for line in f:
            if line.strip():
                src, name, w, h = line.rstrip("\n").split("\t")[:4]
                out[name] = (src, int(w), int(h))
    return out


PIECES = listed()


def path_of(name, root=None):
    src = PIECES[name][0]
    base = name.split("\\", 1)[1] if src == "file" else name + ".bmp"
    return os.path.join(root or SKINS, "resources" if src == "file" else "res", base)


class Bitmap:
    """A parsed 32-bit bitmap: header fields and pixels as (R, G, B, A),
    with `stored` rows in file order and `rows` top-down as displayed."""

    def __init__(self, data):
        self.data = data
        (self.magic, self.file_size, _, _, self.offset, self.info_size, self.w, self.h, self.planes,
         self.bpp, self.compression, self.image_size) = struct.unpack_from("<2sIHHIIiiHHII", data, 0)
        n, stride = abs(self.h), self.w * 4
        self.stored = []
        for r in range(n):
            row = data[self.offset + r * stride: self.offset + (r + 1) * stride]
            self.stored.append([(row[i + 2], row[i + 1], row[i], row[i + 3]) for i in range(0, stride, 4)])
        self.rows = self.stored[::-1] if self.h > 0 else self.stored

    def pixels(self):
        return [p for row in self.rows for p in row]

    def column(self, x):
        return [row[x] for row in self.rows]


_cache = {}


def bitmap(name):
    if name not in _cache:
        with open(path_of(name), "rb") as f:
            _cache[name] = Bitmap(f.read())
    return _cache[name]


def luminance(name, backdrop=0xD7):
    """Mean brightness of a piece blended over a grey backdrop (by default
    the middle of the windows' gradient)."""
    pixels = bitmap(name).pixels()
    return sum(0.3 * r + 0.59 * g + 0.11 * b + backdrop * (255 - a) / 255 for r, g, b, a in pixels) / len(pixels)


class ListedPieces(unittest.TestCase):
    """Every piece of the list, as the loaders will read it."""

    def test_every_piece_is_a_32_bit_bottom_up_bitmap_of_its_listed_size(self):
        for name, (_, w, h) in PIECES.items():
            with self.subTest(name):
                b = bitmap(name)
                self.assertEqual(b.magic, b"BM")
                self.assertEqual(b.file_size, len(b.data))
                self.assertEqual(b.info_size, 40)
                self.assertEqual((b.w, b.h), (w, h))
                self.assertEqual((b.planes, b.bpp, b.compression), (1, 32, 0))
                self.assertEqual(b.offset, 54)
                self.assertEqual(len(b.data), 54 + w * h * 4)

    def test_colour_channels_never_exceed_alpha(self):
        for name in PIECES:
            bad = [p for p in bitmap(name).pixels() if max(p[:3]) > p[3]]
            self.assertEqual(bad[:3], [], name)

    def test_every_piece_shows_something(self):
        for name in PIECES:
            self.assertTrue(any(p[3] for p in bitmap(name).pixels()), name)

    def test_output_folders_hold_exactly_the_listed_files(self):
        want_res = {n + ".bmp" for n, (s, _, _) in PIECES.items() if s == "resource"}
        want_files = {n.split("\\", 1)[1] for n, (s, _, _) in PIECES.items() if s == "file"}
        self.assertEqual(set(os.listdir(os.path.join(SKINS, "res"))), want_res)
        self.assertEqual(set(os.listdir(os.path.join(SKINS, "resources"))), want_files)

    def test_resource_script_names_every_resource_once_with_an_existing_path(self):
        with open(os.path.join(SKINS, "skins.rc"), encoding="ascii") as f:
            entries = re.findall(r'^(\S+) BITMAP "([^"]+)"$', f.read(), re.M)
        names = [n for n, _ in entries]
        self.assertEqual(sorted(names), sorted(n for n, (s, _, _) in PIECES.items() if s == "resource"))
        for name, path in entries:
            full = path if os.path.isabs(path) else os.path.join(SKINS, path)
            self.assertTrue(os.path.isfile(full), path)
            self.assertNotIn("\\", path)


def seamless_triples():
    """(left, centre, right) pieces of every stretchable skin, found by name."""
    triples = []
    for name in PIECES:
        if PIECES[name][0] == "resource" and name.endswith("_Center"):
            stem = name[:-len("Center")]
            if stem + "Left" in PIECES:
                triples.append((stem + "Left", name, stem + "Right"))
    files = {re.sub(r"^\d+(x\d+)?_", "", n.split("\\", 1)[1].replace(".png", "")): n
             for n, (s, _, _) in PIECES.items() if s == "file"}
    for key, name in files.items():
        if "_left." in key:
            centre, right = files.get(key.replace("_left.", "_center.")), files.get(key.replace("_left.", "_right."))
            if centre and right:
                triples.append((name, centre, right))
    return triples + [("HSlider_Left", "HSlider_Center_Line", "HSlider_Right")]


class Seams(unittest.TestCase):
    """A stretched skin repeats its centre column between the end pieces."""

    def test_the_stretchable_skins_are_all_found(self):
        # 18 resource skins with a _Center piece, 9 file skins, and the slider rail
        self.assertEqual(len(seamless_triples()), 18 + 9 + 1)

    def test_centre_column_equals_the_inner_columns_of_the_end_pieces(self):
        for left, centre, right in seamless_triples():
            with self.subTest(centre):
                lb, cb, rb = bitmap(left), bitmap(centre), bitmap(right)
                self.assertEqual(cb.w, 1)
                self.assertEqual(lb.column(lb.w - 1), cb.column(0), left)
                self.assertEqual(rb.column(0), cb.column(0), right)

    def test_vertical_slider_rail_meets_its_caps(self):
        top, rail, bottom = bitmap("VSlider_Top"), bitmap("VSlider_Center_Line"), bitmap("VSlider_Bottom")
        self.assertEqual(top.rows[-1], rail.rows[0])
        self.assertEqual(bottom.rows[0], rail.rows[0])


class Calendar(unittest.TestCase):
    """The calendar copies its background opaquely and keys out 0xFF00FF."""

    SIDES = ("Callendar_Background_Left", "Callendar_Background_Right")
    OPAQUE = SIDES + ("Callendar_Background_Center", "Callendar_Small_Field", "Callendar_Small_Selection",
                      "Callendar_Medium_Selection", "Callendar_Big_Selection", "Callendar_Button_Day_Background")

    def test_each_side_piece_has_exactly_58_magenta_pixels(self):
        for name in self.SIDES:
            self.assertEqual(sum(p == MAGENTA for p in bitmap(name).pixels()), 58, name)

    def test_magenta_appears_nowhere_else_in_the_set(self):
        for name in PIECES:
            if name not in self.SIDES:
                self.assertFalse(any(p[:3] == (255, 0, 255) for p in bitmap(name).pixels()), name)

    def test_magenta_rounds_the_four_outer_corners_alike(self):
        left, right = bitmap(self.SIDES[0]), bitmap(self.SIDES[1])
        key = [[p == MAGENTA for p in row] for row in left.rows]
        self.assertEqual(key, key[::-1], "top and bottom corners differ")
        self.assertEqual(key, [[p == MAGENTA for p in row][::-1] for row in right.rows])
        self.assertTrue(key[0][0] and not key[0][-1], "the corner is not at the outer edge")

    def test_opaquely_copied_pieces_are_fully_opaque(self):
        for name in self.OPAQUE:
            self.assertTrue(all(p[3] == 255 for p in bitmap(name).pixels()), name)

    def test_day_button_background_matches_the_calendar_behind_it(self):
        # Paint the day view's background as the calendar does and cut out
        # the day button's square at (125, 3).
        canvas = [[None] * 150 for _ in range(160)]

        def copy(name, x0, y0):
            for y, row in enumerate(bitmap(name).rows):
                canvas[y0 + y][x0:x0 + len(row)] = list(row)

        def blend(name, x0, y0):
            for y, row in enumerate(bitmap(name).rows):
                for x, s in enumerate(row):
                    d = canvas[y0 + y][x0 + x]
                    canvas[y0 + y][x0 + x] = tuple(s[i] + d[i] * (255 - s[3]) // 255 for i in range(4))
        copy("Callendar_Background_Left", 0, 0)
        for x in range(10, 140):
            copy("Callendar_Background_Center", x, 0)
        copy("Callendar_Background_Right", 140, 0)
        blend("Callendar_Field", 5, 3)
        copy("Callendar_Small_Field", 5, 22)
        got = bitmap("Callendar_Button_Day_Background").rows
        for y in range(22):
            for x in range(22):
                want = canvas[3 + y][125 + x]
                self.assertLessEqual(max(abs(a - b) for a, b in zip(got[y][x], want)), 2, (x, y))


class ClockHands(unittest.TestCase):
    """The clock hands its renderer the rows in memory (file) order: the
    first stored row must be the tip; the pivot lies where the clock puts it."""

    # name: (pivot distance below the tip, in rows)
    HANDS = {"AnalogClock_Hour_Hand": 71.5 - 18, "AnalogClock_Minute_Hand": 71.0 - 5,
             "AnalogClock_Second_Hand": 71.0 - 8.5}

    def coverage(self, row):
        return sum(p[3] for p in row)

    def test_tip_is_the_first_stored_row(self):
        for name in self.HANDS:
            b = bitmap(name)
            self.assertGreater(self.coverage(b.stored[0]), 0, name)
            self.assertLess(self.coverage(b.stored[0]), self.coverage(b.stored[int(self.HANDS[name])]), name)

    def test_hand_is_widest_at_its_pivot_and_narrow_at_its_tip(self):
        for name, pivot in self.HANDS.items():
            cover = [self.coverage(row) for row in bitmap(name).stored]
            self.assertGreaterEqual(cover[int(pivot)], 0.9 * max(cover), name)
            self.assertLess(cover[0], 0.5 * max(cover), name)

    def test_hand_and_face_are_centred_on_the_pivot_axis(self):
        for name in list(self.HANDS) + ["AnalogClock_Clock_Face"]:
            b = bitmap(name)
            for row in b.rows:
                self.assertEqual([p[3] for p in row], [p[3] for p in row[::-1]], name)


class States(unittest.TestCase):
    """Pressed looks are sunk (darker), hovered looks lighter, disabled icons grey."""

    PRESSED = [("Button_Normal_Center", "Button_Normal_Clicked_Center"),
               ("Button_Round_Center", "Button_Round_Clicked_Center"),
               ("Button_Green_Center", "Button_Green_Clicked_Center"),
               ("Button_Red_Center", "Button_Red_Clicked_Center"),
               # the round icon style shows "Button_Round" while pressed
               ("Button_Clicked_Round", "Button_Round"),
               ("ComboBox_Center", "ComboBox_Clicked_Center"),
               ("HScrollBar_Left_Button", "HScrollBar_Clicked_Left_Button"),
               ("SpinBox_Up", "SpinBox_Clicked_Up", 0xFF),     # over the white field
               ("resources\\1x20_button_modern_center.bmp", "resources\\1x20_button_modern_clicked_center.bmp")]
    HOVERED = [("GripButton_Grip", "GripButton_Hovered_Grip"),
               ("ScheduleViewer_Green_Line", "ScheduleViewer_Hovered_Green_Line"),
               ("ScheduleViewer_Blue_Line", "ScheduleViewer_Hovered_Blue_Line"),
               ("resources\\1x20_button_modern_center.bmp", "resources\\1x20_button_modern_hovered_center.bmp"),
               ("resources\\1x20_comboBox_center.bmp", "resources\\1x20_comboBox_hovered_center.bmp")]

    def test_pressed_pieces_are_darker(self):
        for normal, pressed, *backdrop in self.PRESSED:
            self.assertLess(luminance(pressed, *backdrop), luminance(normal, *backdrop) - 5, pressed)

    def test_hovered_pieces_are_lighter(self):
        for normal, hovered in self.HOVERED:
            self.assertGreater(luminance(hovered), luminance(normal) + 5, hovered)

    def test_disabled_icons_are_grey_twins_of_coloured_icons(self):
        greys = [n for n in PIECES if re.match(r"(?i)button_gray_", n)]
        self.assertEqual(len(greys), 8)
        for name in greys:
            self.assertTrue(all(p[0] == p[1] == p[2] for p in bitmap(name).pixels()), name)
        for name in PIECES:
            if re.match(r"Button_\w+_Icon$", name) and "Gray" not in name:
                self.assertTrue(any(len(set(p[:3])) > 1 for p in bitmap(name).pixels()), name)


class Generator(unittest.TestCase):
    """Runs the generator itself."""

    def run_generator(self, out, *extra):
        res = subprocess.run([sys.executable, GENERATOR, "--out", out, *extra],
                             capture_output=True, text=True)
        self.assertEqual(res.returncode, 0, res.stderr)
        return res.stdout

    def snapshot(self, root):
        out = {}
        for folder, _, files in os.walk(root):
            for f in files:
                p = os.path.join(folder, f)
                with open(p, "rb") as fh:
                    out[os.path.relpath(p, root)] = (fh.read(), os.stat(p).st_mtime_ns)
        return out

    def test_two_runs_give_identical_bytes_and_the_second_rewrites_nothing(self):
        with tempfile.TemporaryDirectory() as a, tempfile.TemporaryDirectory() as b:
            self.run_generator(a)
            self.run_generator(b)
            first = self.snapshot(a)
            self.assertEqual({k: v[0] for k, v in first.items()},
                             {k: v[0] for k, v in self.snapshot(b).items()})
            self.assertIn("0 file(s) written", self.run_generator(a))
            self.assertEqual(first, self.snapshot(a))

    def test_absolute_resource_paths_on_request(self):
        with tempfile.TemporaryDirectory() as a:
            self.run_generator(a, "--rc-abs")
            with open(os.path.join(a, "skins.rc")) as f:
                paths = re.findall(r'BITMAP "([^"]+)"', f.read())
            self.assertEqual(len(paths), sum(s == "resource" for s, _, _ in PIECES.values()))
            self.assertTrue(all(os.path.isabs(p) and os.path.isfile(p) for p in paths))


class Raster(unittest.TestCase):
    """The drawing library the pieces are built with."""

    def setUp(self):
        sys.path.insert(0, HERE)
        import raster
        self.r = raster

    def test_edge_pixels_get_their_covered_area(self):
        c = self.r.Canvas(3, 1).fill(self.r.Rect(0, 0, 1.5, 1), self.r.rgb(0xFFFFFF))
        self.assertEqual([c.get(x, 0)[3] for x in range(3)], [1.0, 0.5, 0.0])

    def test_over_composites_premultiplied_colours(self):
        c = self.r.Canvas(1, 1)
        c.fill(self.r.Rect(0, 0, 1, 1), self.r.rgb(0xFF0000, 0.5))
        c.fill(self.r.Rect(0, 0, 1, 1), self.r.rgb(0x0000FF, 0.5))
        self.assertEqual(c.get(0, 0), (0.25, 0.0, 0.5, 0.75))

    def test_bitmaps_store_the_bottom_row_first_and_read_back_top_down(self):
        c = self.r.Canvas(2, 3).fill(self.r.Rect(0, 0, 2, 1), self.r.rgb(0x102030))
        data = self.r.bmp_bytes(c.bgra_rows(), 2)
        b = Bitmap(data)
        self.assertEqual(b.stored[-1][0], (0x10, 0x20, 0x30, 255))
        self.assertEqual(b.stored[0][0], (0, 0, 0, 0))
        self.assertEqual(self.r.read_bmp(data)[2], c.bgra_rows())

    def test_png_chunks_are_well_formed(self):
        import zlib
        data = self.r.png_bytes(3, 2, [bytes(9), bytes(range(9))])
        self.assertEqual(data[:8], b"\x89PNG\r\n\x1a\n")
        pos, tags = 8, []
        while pos < len(data):
            n, tag = struct.unpack_from(">I4s", data, pos)
            body = data[pos + 8:pos + 8 + n]
            self.assertEqual(struct.unpack_from(">I", data, pos + 8 + n)[0], zlib.crc32(tag + body) & 0xFFFFFFFF)
            if tag == b"IDAT":
                self.assertEqual(zlib.decompress(body), b"\x00" + bytes(9) + b"\x00" + bytes(range(9)))
            tags.append(tag)
            pos += 12 + n
        self.assertEqual(tags, [b"IHDR", b"IDAT", b"IEND"])

    def test_a_strip_whose_centre_differs_from_its_ends_is_refused(self):
        import kit
        strip = self.r.Canvas(5, 4).fill(self.r.Rect(0, 0, 5, 4),
                                         self.r.hgrad(0, 5, self.r.rgb(0x000000), self.r.rgb(0xFFFFFF)))
        with self.assertRaises(ValueError):
            kit.split3(strip, 2)

    def test_unknown_or_missized_pieces_stop_the_generator(self):
        import skingen
        with self.assertRaises(KeyError):
            skingen.render("No_Such_Piece", 1, 1)
        with self.assertRaises(ValueError):
            skingen.render("Button_Normal_Left", 9, 21)


class MenuResource(unittest.TestCase):
    """The context menu that the text controls load as resource 200."""

    def test_menu_200_holds_the_edit_commands_in_order(self):
        with open(os.path.join(REPO, "resources", "menu.rc"), encoding="ascii") as f:
            text = f.read()
        self.assertRegex(text, r"(?m)^200\s+MENU\b")
        self.assertRegex(text, r'POPUP\s+"MyMenu"')
        items = re.findall(r'MENUITEM\s+(?:"([^"]*)",\s*(\d+)|(SEPARATOR))', text)
        got = [(cap, int(num)) if not sep else "-" for cap, num, sep in items]
        self.assertEqual(got, [("Cut", 201), ("Copy", 202), ("Paste", 203), ("Delete", 204), "-",
                               ("Select All", 205)])


def main():
    global SKINS
    argv = sys.argv[1:]
    if "--skins" in argv:
        i = argv.index("--skins")
        SKINS = argv[i + 1]
        del argv[i:i + 2]
    SKINS = SKINS or os.environ.get("SKINS_DIR")
    tmp = None
    if not SKINS:
        tmp = SKINS = tempfile.mkdtemp(prefix="skins-")
        subprocess.run([sys.executable, GENERATOR, "--out", SKINS, "-q"], check=True)
    try:
        prog = unittest.main(argv=[sys.argv[0]] + argv, exit=False, verbosity=1)
    finally:
        if tmp:
            shutil.rmtree(tmp)
    result = prog.result
    failed = len(result.failures) + len(result.errors)
    print("%d passed, %d failed" % (result.testsRun - failed, failed))
    return 1 if failed or not result.wasSuccessful() else 0


if __name__ == "__main__":
    sys.exit(main())
