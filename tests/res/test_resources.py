#!/usr/bin/env python3
"""Checks the compiled resources and the images: run `python3 res/test_resources.py`.

Compiles kvizar.rc with the cross resource compiler, reads the binary .res back and compares each
dialog template and the menu with what the program expects, control by control and style bit by
style bit, since the compiler's default styles are easy to get wrong. (The manifests are read out of
the built exes by test_exes.py.)
"""

import os
import shutil
import struct
import subprocess
import sys
import tempfile
import unittest

# The resources checked live in res/ at the root of the tree.
HERE = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "res")
sys.dont_write_bytecode = True
sys.path.insert(0, HERE)
import make_images  # noqa: E402

WINDRES = os.environ.get("WINDRES", "i686-w64-mingw32-windres")
# The build's res folder: the manifest is made there from kvizar.manifest.in.
BUILT_RES = os.environ["BUILT_RES"]

RT_BITMAP, RT_MENU, RT_DIALOG, RT_GROUP_ICON, RT_VERSION = 2, 4, 5, 14, 16
WS_CHILD, WS_VISIBLE, WS_DISABLED = 0x40000000, 0x10000000, 0x08000000
WS_BORDER, WS_VSCROLL, WS_GROUP, WS_TABSTOP = 0x00800000, 0x00200000, 0x00020000, 0x00010000
# WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME, and DS_SETFONT for the FONT statement.
DIALOG_STYLE = 0x80000000 | 0x00C00000 | 0x00080000 | 0x80 | 0x40

# Control kinds: window class and the style bits beside WS_CHILD | WS_VISIBLE.
EDIT = ("edit", 0x80 | WS_BORDER | WS_TABSTOP)  # ES_AUTOHSCROLL
NUMBER = ("edit", 0x2000 | 0x80 | WS_BORDER | WS_TABSTOP)  # ES_NUMBER too
DEFAULT = ("button", 0x1 | WS_TABSTOP)  # BS_DEFPUSHBUTTON
PUSH = ("button", WS_TABSTOP)
DISABLED = ("button", WS_DISABLED | WS_TABSTOP)
FIRST_RADIO = ("button", 0x9 | WS_GROUP | WS_TABSTOP)  # BS_AUTORADIOBUTTON
RADIO = ("button", 0x9 | WS_TABSTOP)
FIRST_OPTION = ("button", 0x2000 | 0x9 | WS_GROUP | WS_TABSTOP)  # with BS_MULTILINE
OPTION = ("button", 0x2000 | 0x9 | WS_TABSTOP)
LABEL = ("static", WS_GROUP)
CENTRED = ("static", 0x1 | WS_GROUP)
RIGHT = ("static", 0x2 | WS_GROUP)
LINE = ("static", 0x10)  # SS_ETCHEDHORZ
FRAME = ("static", 0x12)  # SS_ETCHEDFRAME
# LBS_NOTIFY | LBS_SORT | LBS_NOINTEGRALHEIGHT
LIST = ("listbox", 0x1 | 0x2 | 0x100 | WS_VSCROLL | WS_BORDER | WS_TABSTOP)

CREATE_SHEET = [
    (1000, EDIT, "", (7, 18, 242, 14)), (1001, EDIT, "", (7, 55, 109, 14)),
    (1005, EDIT, "", (7, 86, 109, 14)), (1006, EDIT, "", (144, 55, 105, 14)),
    (1007, EDIT, "", (144, 86, 105, 14)),
    (1008, FIRST_RADIO, "První", (83, 125, 33, 10)), (1009, RADIO, "Druhá", (83, 138, 35, 10)),
    (1010, RADIO, "Třetí", (154, 125, 31, 10)), (1011, RADIO, "Čtvrtá", (154, 137, 35, 10)),
    (1002, PUSH, "Další otázka...", (237, 159, 54, 14)),
    (1004, DISABLED, "Předchozí otázka...", (158, 159, 69, 14)),
    (2, PUSH, "Storno", (7, 159, 50, 14)), (-1, LINE, "", (7, 153, 284, 1)),
    (-1, LABEL, "Text otázky:", (7, 7, 40, 8)), (1012, LABEL, "Otázka č. 1", (73, 165, 62, 8)),
    (-1, LABEL, "První možnost:", (7, 44, 48, 8)), (-1, LABEL, "Druhá možnost:", (7, 75, 50, 8)),
    (-1, LABEL, "Třetí možnost:", (144, 44, 46, 8)), (-1, LABEL, "Čtvrtá možnost:", (144, 75, 50, 8)),
    (-1, LABEL, "Správná odpověď:", (116, 112, 61, 8)),
]

EDIT_SHEET = [
    (2, PUSH, "Storno", (7, 166, 50, 14)), (1002, PUSH, "Další otázka...", (243, 166, 60, 14)),
    (1024, DISABLED, "Předchozí otázka...", (162, 166, 71, 14)),
    (1012, LABEL, "Otázka č. 1", (70, 172, 52, 8)), (-1, LINE, "", (7, 159, 296, 1)),
    (1000, EDIT, "", (7, 18, 242, 14)), (1001, EDIT, "", (7, 55, 139, 14)),
    (1005, EDIT, "", (7, 86, 138, 14)), (1006, EDIT, "", (161, 55, 142, 14)),
    (1007, EDIT, "", (161, 86, 142, 14)),
    (1008, FIRST_RADIO, "První", (83, 125, 33, 10)), (1009, RADIO, "Druhá", (83, 138, 35, 10)),
    (1010, RADIO, "Třetí", (154, 125, 31, 10)), (1011, RADIO, "Čtvrtá", (154, 137, 35, 10)),
    (-1, LABEL, "Text otázky:", (7, 7, 40, 8)), (-1, LABEL, "První možnost:", (7, 44, 48, 8)),
    (-1, LABEL, "Druhá možnost:", (7, 75, 50, 8)), (-1, LABEL, "Třetí možnost:", (161, 44, 46, 8)),
    (-1, LABEL, "Čtvrtá možnost:", (161, 75, 50, 8)), (-1, LABEL, "Správná odpověď:", (107, 110, 61, 8)),
]

NOT_AVAILABLE = "- není k dispozici -"

DIALOGS = {
    137: ("Vytvořit nový test", (186, 90), [
        (1000, EDIT, "", (7, 19, 172, 14)), (1001, NUMBER, "", (57, 42, 40, 14)),
        (1, DEFAULT, "OK", (35, 69, 50, 14)), (2, PUSH, "Storno", (101, 69, 50, 14)),
        (-1, LABEL, "Jméno testu:", (7, 7, 41, 8)), (-1, LABEL, "Počet otázek:", (7, 44, 45, 8))]),
    139: ("Vytvoření nového testu", (298, 180), CREATE_SHEET),
    140: ("Spustit test", (186, 110), [
        (-1, LABEL, "Vyberte test, který chcete spustit:", (7, 7, 106, 8)),
        (1013, LIST, "", (7, 20, 172, 61)),
        (1, DEFAULT, "OK", (43, 89, 50, 14)), (2, PUSH, "Storno", (103, 89, 50, 14))]),
    141: ("Kvizar 2004 - beze jména", (317, 153), [
        (1008, FIRST_OPTION, NOT_AVAILABLE, (20, 56, 138, 35)),
        (1009, OPTION, NOT_AVAILABLE, (20, 91, 138, 35)),
        (1010, OPTION, NOT_AVAILABLE, (158, 58, 152, 33)),
        (1011, OPTION, NOT_AVAILABLE, (158, 91, 152, 33)),
        (1002, PUSH, "Další otázka...", (255, 132, 55, 14)), (2, PUSH, "Storno", (7, 132, 50, 14)),
        (-1, LINE, "", (7, 127, 303, 1)),
        (1012, CENTRED, "Chyba: otázka není k dispodizi!", (20, 13, 274, 32)),
        (1016, LABEL, "Otázka č. 1", (71, 138, 47, 8)), (1015, LABEL, "Zbývá: 0", (134, 138, 48, 8)),
        (1014, LABEL, "Celkem: 1", (188, 138, 48, 8)), (-1, FRAME, "", (10, 7, 300, 43))]),
    142: ("Výsledky testu", (210, 170), [
        (1, DEFAULT, "OK", (88, 149, 50, 14)), (1017, LABEL, "Název testu:", (38, 41, 124, 8)),
        (1014, LABEL, "Počet otázek:", (21, 57, 81, 8)),
        (1019, LABEL, "Dobře zodpovězených:", (21, 70, 120, 8)),
        (1018, LABEL, "Špatně zodpovězených:", (21, 83, 115, 8)), (1020, RIGHT, "0", (138, 57, 37, 8)),
        (1021, RIGHT, "0", (138, 70, 37, 8)), (1022, RIGHT, "0", (138, 83, 37, 8))]),
    143: ("Editovat test", (186, 105), [
        (-1, LABEL, "Vyberte test, který chete upravit:", (7, 7, 103, 8)), (1013, LIST, "", (7, 20, 172, 56)),
        (1, DEFAULT, "OK", (47, 84, 50, 14)), (2, PUSH, "Storno", (105, 84, 50, 14))]),
    144: ("Editace testu", (310, 187), EDIT_SHEET),
}

CLASS_ORDINALS = {0x80: "button", 0x81: "edit", 0x82: "static", 0x83: "listbox"}


def version_strings(data):
    """The string tables of a VS_VERSIONINFO block: {language block: {name: value}}."""
    def node(pos):
        length, value_length, kind = struct.unpack_from("<HHH", data, pos)
        end = data.index(b"\0\0", pos + 6)
        while (end - pos - 6) % 2:
            end = data.index(b"\0\0", end + 1)
        key = data[pos + 6:end].decode("utf-16-le")
        value_at = (end + 2 + 3) & ~3
        value = data[value_at:value_at + value_length * 2].decode("utf-16-le").rstrip("\0") if kind == 1 else None
        child = (value_at + (value_length * 2 if kind == 1 else value_length) + 3) & ~3
        children = []
        while child < pos + length:
            children.append(node(child))
            child = (child + struct.unpack_from("<H", data, child)[0] + 3) & ~3
        return key, value, children

    key, _, children = node(0)
    assert key == "VS_VERSION_INFO", key
    return {table: {name: value for name, value, _ in strings}
            for block, _, tables in children if block == "StringFileInfo"
            for table, _, strings in tables}


class Reader:
    """Little-endian reads from a resource's bytes."""

    def __init__(self, data, pos=0):
        self.data, self.pos = data, pos

    def take(self, fmt):
        values = struct.unpack_from("<" + fmt, self.data, self.pos)
        self.pos += struct.calcsize("<" + fmt)
        return values if len(values) > 1 else values[0]

    def sz_or_ord(self):
        if self.take("H") == 0xFFFF:
            return self.take("H")
        self.pos -= 2
        end = self.pos
        while struct.unpack_from("<H", self.data, end)[0]:
            end += 2
        text = self.data[self.pos:end].decode("utf-16-le")
        self.pos = end + 2
        return text

    def align(self):
        self.pos = (self.pos + 3) & ~3


def read_res(path):
    """{(type, name): data} of a 32-bit .res file."""
    with open(path, "rb") as f:
        data = f.read()
    resources, pos = {}, 0
    while pos < len(data):
        r = Reader(data, pos)
        size, header = r.take("II")
        key = (r.sz_or_ord(), r.sz_or_ord())
        resources[key] = data[pos + header:pos + header + size]
        pos = (pos + header + size + 3) & ~3
    return resources


def read_dialogex(data):
    r = Reader(data)
    version, signature, _, ex_style, style, count = r.take("HHIIIH")
    assert (version, signature) == (1, 0xFFFF), "not a DIALOGEX template"
    rect = r.take("hhhh")
    menu, klass, caption = r.sz_or_ord(), r.sz_or_ord(), r.sz_or_ord()
    point, weight, italic, charset = r.take("HHBB")
    face = r.sz_or_ord()
    controls = []
    for _ in range(count):
        r.align()
        _, ex, cstyle, x, y, w, h, cid = r.take("IIIhhhhi")
        cls = r.sz_or_ord()
        text = r.sz_or_ord()
        extra = r.take("H")
        r.pos += extra
        cls = CLASS_ORDINALS.get(cls, cls.lower() if isinstance(cls, str) else cls)
        controls.append((cid, (cls, cstyle), text, (x, y, w, h), ex))
    return dict(style=style, ex_style=ex_style, rect=rect, menu=menu, klass=klass, caption=caption,
                font=(point, weight, italic, face), controls=controls)


class CompiledResources(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.mkdtemp()
        res = os.path.join(cls.tmp, "kvizar.res")
        run = subprocess.run([WINDRES, "-I", HERE, "-I", BUILT_RES, os.path.join(HERE, "kvizar.rc"), "-O", "res", "-o", res],
                             capture_output=True, text=True)
        cls.compiler_output = run.stdout + run.stderr
        if run.returncode != 0:
            raise AssertionError("windres failed:\n" + cls.compiler_output)
        cls.res = read_res(res)

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.tmp)

    def test_compiles_without_a_word(self):
        self.assertEqual(self.compiler_output, "")

    def test_every_dialog_is_laid_out_control_by_control(self):
        for number, (caption, size, expected) in DIALOGS.items():
            with self.subTest(dialog=number):
                dialog = read_dialogex(self.res[(RT_DIALOG, number)])
                self.assertEqual(dialog["caption"], caption)
                self.assertEqual(dialog["rect"], (0, 0) + size)
                self.assertEqual(dialog["style"], DIALOG_STYLE)
                self.assertEqual(dialog["ex_style"], 0)
                self.assertEqual((dialog["menu"], dialog["klass"]), ("", ""))
                self.assertEqual(dialog["font"], (8, 0, 0, "MS Sans Serif"))
                self.assertEqual(len(dialog["controls"]), len(expected))
                for position, (got, want) in enumerate(zip(dialog["controls"], expected)):
                    cid, (cls, style), text, rect = want
                    self.assertEqual(got, (cid, (cls, WS_CHILD | WS_VISIBLE | style), text, rect, 0),
                                     "control %d in template order" % position)

    def test_menu_holds_the_single_command(self):
        r = Reader(self.res[(RT_MENU, 128)])
        self.assertEqual(r.take("HH"), (0, 0))
        flags, command = r.take("HH")
        self.assertEqual((flags, command, r.sz_or_ord()), (0x80, 0xFFFF, "Soubor"))  # MF_END
        self.assertEqual(r.pos, len(r.data))

    def test_icon_group_names_16_colour_images_for_each_scale(self):
        r = Reader(self.res[(RT_GROUP_ICON, 128)])
        self.assertEqual(r.take("HHH"), (0, 1, len(make_images.ICON_SIZES)))
        sizes = []
        for _ in make_images.ICON_SIZES:
            width, height, colours, _, planes, bits = r.take("BBBBHH")
            r.take("IH")  # the image's size and number
            self.assertEqual((width, colours, planes, bits), (height, 16, 1, 4))
            sizes.append(width)
        self.assertEqual(sizes, list(make_images.ICON_SIZES))

    def test_bitmaps_come_from_the_right_files(self):
        # The 100 % picture keeps its number; the larger ones lie 100, 200 and 300 above it.
        for steps, suffix in enumerate(("", "-125", "-150", "-200")):
            for number, name in ((131, "quit"), (134, "run"), (135, "new"), (136, "edit")):
                with self.subTest(bitmap=number + 100 * steps), \
                        open(os.path.join(HERE, name + suffix + ".bmp"), "rb") as f:
                    self.assertEqual(self.res[(RT_BITMAP, number + 100 * steps)], f.read()[14:])

    def test_version_names_the_product_in_czech_and_english(self):
        tables = version_strings(self.res[(RT_VERSION, 1)])
        self.assertEqual(set(tables), {"040504B0", "040904B0"})
        for table in tables.values():
            self.assertEqual(table["ProductName"], "Kvizar 2004")
            self.assertEqual(table["FileVersion"], "1.0.0.0")
            self.assertEqual(table["ProductVersion"], "1.0.0.0")
            self.assertEqual(table["OriginalFilename"], "kvizar.exe")
        self.assertIn("testů", tables["040504B0"]["FileDescription"])
        self.assertIn("tests", tables["040904B0"]["FileDescription"])


class Images(unittest.TestCase):
    def read(self, name):
        with open(os.path.join(HERE, name), "rb") as f:
            return f.read()

    def test_button_pictures_are_square_8_bit_with_full_colour_tables_at_each_scale(self):
        for suffix, side in make_images.SCALES.items():
            pictures = []
            for name in make_images.PICTURES:
                with self.subTest(picture=name + suffix):
                    data = self.read(name + suffix + ".bmp")
                    magic, size, _, _, offset = struct.unpack_from("<2sIHHI", data)
                    header = struct.unpack_from("<IiiHHIIiiII", data, 14)
                    self.assertEqual((magic, size, offset), (b"BM", len(data), 14 + 40 + 256 * 4))
                    self.assertEqual(header[:6], (40, side, side, 1, 8, 0))  # bottom-up, BI_RGB
                    self.assertIn(header[9], (0, 256))
                    stride = (side + 3) & ~3
                    self.assertEqual(len(data) - offset, stride * side)
                    pixels = data[offset:]
                    face = data[54 + 4 * pixels[0]:54 + 4 * pixels[0] + 3]
                    self.assertEqual(face, bytes(reversed(make_images.FACE)), "corner shows the button face")
                    self.assertGreater(len(set(pixels)), 5, "a picture, not a blank")
                    pictures.append(pixels)
            self.assertEqual(len(set(pictures)), 4, "four different pictures")

    def test_icon_holds_a_masked_16_colour_image_for_each_scale(self):
        data = self.read("kvizar.ico")
        self.assertEqual(struct.unpack_from("<HHH", data), (0, 1, len(make_images.ICON_SIZES)))
        end = 6 + 16 * len(make_images.ICON_SIZES)
        for n, side in enumerate(make_images.ICON_SIZES):
            with self.subTest(icon=side):
                w, h, colours, _, planes, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * n)
                self.assertEqual((w, h, colours, planes, bits, offset), (side, side, 16, 1, 4, end))
                end = offset + size
                header = struct.unpack_from("<IiiHHI", data, offset)
                self.assertEqual(header, (40, side, 2 * side, 1, 4, 0))  # colour image and mask stacked
                palette = [tuple(data[offset + 40 + 4 * i:offset + 43 + 4 * i][::-1]) for i in range(16)]
                self.assertEqual(palette, make_images.VGA)
                xor_row, mask_row = (side // 2 + 3) & ~3, (side // 8 + 3) & ~3
                xor = data[offset + 40 + 64:offset + 40 + 64 + xor_row * side]
                mask = data[offset + 40 + 64 + xor_row * side:end]
                self.assertEqual(len(mask), mask_row * side)
                for y in range(side):
                    for x in range(side):
                        clear = mask[y * mask_row + x // 8] >> (7 - x % 8) & 1
                        colour = xor[y * xor_row + x // 2] >> (4 if x % 2 == 0 else 0) & 0xF
                        if clear:
                            self.assertEqual(colour, 0, "a see-through pixel must be black in the colour image")
                middle = side // 2 * mask_row + side // 2 // 8
                self.assertEqual(mask[0] >> 7, 1, "the corner lets the desktop through")
                self.assertEqual(mask[middle] >> (7 - side // 2 % 8) & 1, 0, "the middle is solid")
        self.assertEqual(end, len(data))

    def test_committed_images_are_what_the_script_draws(self):
        for name, data in make_images.outputs().items():
            with self.subTest(picture=name):
                self.assertEqual(self.read(name), data)


if __name__ == "__main__":
    unittest.main()
