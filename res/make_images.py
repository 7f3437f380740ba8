#!/usr/bin/env python3
"""Draws the main panel's four button pictures and the application icon.

Run from anywhere; writes quit.bmp, run.bmp, new.bmp, edit.bmp and kvizar.ico beside this script,
and each button picture again for the larger display scales as NAME-125.bmp, NAME-150.bmp and
NAME-200.bmp. The button pictures are 52 x 52 at 100 % (65, 78 and 104 pixels square at 125, 150
and 200 %), 8 bits per pixel with a full 256-entry colour table, because the image button blits
them unchanged; the icon holds the same drawing at 16, 24, 32 and 48 pixels, in the 16 VGA colours.
Every shape is given in the pixels of the 100 % picture and drawn anew at each size, so a larger
picture is as sharp as the small one, not the small one stretched.
"""

import math
import os
import struct

# The panel behind the buttons is erased in the system button-face colour; the pictures are blitted
# opaque, so their background is the face colour that Wine and current Windows use.
FACE = (240, 240, 240)
OUTLINE = (48, 48, 48)
WHITE = (255, 255, 255)
SHADOW = (170, 170, 170)
TEXT_GREY = (140, 140, 140)
FOLD = (208, 208, 208)


class Canvas:
    """An RGB raster with a few filled shapes; a pixel is covered when its centre is inside.

    Shapes are given in design units, the pixels of the picture at 100 %; the raster has size
    design units at that scale, so size / design pixels per unit."""

    def __init__(self, design, background, size=None):
        self.width = self.height = size or design
        self.scale = self.width / design
        # An outline stays as thick as at 100 %: one design pixel, at least one pixel.
        self.outline = max(1, round(self.scale))
        self.rows = [[background] * self.width for _ in range(self.height)]

    def fill(self, inside, colour, outline=None):
        """Paints every pixel whose centre is inside; outline takes those on the shape's edge."""
        k = self.scale
        covered = {(x, y) for y in range(self.height) for x in range(self.width)
                   if inside((x + 0.5) / k, (y + 0.5) / k)}
        t = self.outline
        for x, y in covered:
            edge = any(n not in covered for d in range(1, t + 1)
                       for n in ((x - d, y), (x + d, y), (x, y - d), (x, y + d)))
            self.rows[y][x] = outline if outline and edge else colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fills the design pixels x0..x1, y0..y1 inclusive."""
        k = self.scale
        for y in range(self.height):
            for x in range(self.width):
                if x0 <= (x + 0.5) / k < x1 + 1 and y0 <= (y + 0.5) / k < y1 + 1:
                    self.rows[y][x] = colour

    def line(self, a, b, colour, width=1.0):
        """A stroke of the given width between pixel centres a and b, with round ends."""
        (ax, ay), (bx, by) = (a[0] + 0.5, a[1] + 0.5), (b[0] + 0.5, b[1] + 0.5)
        dx, dy = bx - ax, by - ay
        length2 = dx * dx + dy * dy or 1.0
        reach2 = (width / 2.0) ** 2 + 0.01

        def inside(px, py):
            t = min(max(((px - ax) * dx + (py - ay) * dy) / length2, 0.0), 1.0)
            ex, ey = px - (ax + t * dx), py - (ay + t * dy)
            return ex * ex + ey * ey <= reach2

        self.fill(inside, colour)

    def polygon(self, points, colour, outline=None):
        """A polygon in pixel-edge coordinates (even-odd rule), with a one-pixel outline inside it."""

        def inside(px, py):
            hit = False
            for (x0, y0), (x1, y1) in zip(points, points[1:] + points[:1]):
                if (y0 > py) != (y1 > py) and px < x0 + (py - y0) * (x1 - x0) / (y1 - y0):
                    hit = not hit
            return hit

        self.fill(inside, colour, outline)

    def disc(self, cx, cy, radius, colour, thickness=None, arc=None):
        """A disc, or a ring of the given thickness; arc limits it to angles (degrees, y down)."""

        def inside(px, py):
            d = math.hypot(px - cx, py - cy)
            if d > radius or (thickness and d < radius - thickness):
                return False
            if arc:
                angle = math.degrees(math.atan2(py - cy, px - cx)) % 360
                return (angle - arc[0]) % 360 <= (arc[1] - arc[0]) % 360
            return True

        self.fill(inside, colour)


def sheet(c, x0, y0, x1, y1, fold=7, lines=True):
    """A sheet of paper with a dog-eared top-right corner, a shadow and ruled text lines."""
    shape = [(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)]
    c.polygon([(x + 2, y + 2) for x, y in shape], SHADOW)
    c.polygon(shape, WHITE, OUTLINE)
    c.polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)], FOLD, OUTLINE)
    if lines:
        for y in range(y0 + fold + 5, y1 - 3, 5):
            c.rect(x0 + 4, y, x1 - 5, y, TEXT_GREY)


def star(c, cx, cy, outer, inner, colour, outline):
    points = []
    for k in range(10):
        r = outer if k % 2 == 0 else inner
        a = math.radians(-90 + 36 * k)
        points.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    c.polygon(points, colour, outline)


def draw_run(size=52):
    """A checked answer sheet with a green "play" arrow over it."""
    c = Canvas(52, FACE, size)
    sheet(c, 5, 3, 33, 46, lines=False)
    for row, y in enumerate((12, 22, 32)):
        c.rect(8, y, 14, y + 6, OUTLINE)
        c.rect(9, y + 1, 13, y + 5, WHITE)
        c.rect(18, y + 3, 28, y + 3, TEXT_GREY)
        if row < 2:
            c.line((10, y + 3), (11, y + 5), (0, 140, 0), 1.7)
            c.line((11, y + 5), (16, y - 1), (0, 140, 0), 1.7)
    c.polygon([(25, 22), (48, 35), (25, 48)], (40, 180, 40), (0, 80, 0))
    c.line((28, 28), (28, 42), (150, 230, 150), 1.5)
    return c


def draw_new(size=52):
    """A blank sheet with a yellow star: something new."""
    c = Canvas(52, FACE, size)
    sheet(c, 6, 3, 36, 46)
    star(c, 36, 35, 14, 6, (255, 215, 0), (150, 100, 0))
    return c


def draw_edit(size=52):
    """A written sheet with a pencil over it."""
    c = Canvas(52, FACE, size)
    sheet(c, 5, 3, 35, 46)
    tip, back = (18.0, 47.0), (47.0, 18.0)
    ux, uy = (back[0] - tip[0]), (back[1] - tip[1])
    length = math.hypot(ux, uy)
    ux, uy = ux / length, uy / length
    nx, ny = -uy, ux

    def band(t0, t1, half0, half1):
        return [(tip[0] + ux * t0 + nx * half0, tip[1] + uy * t0 + ny * half0),
                (tip[0] + ux * t1 + nx * half1, tip[1] + uy * t1 + ny * half1),
                (tip[0] + ux * t1 - nx * half1, tip[1] + uy * t1 - ny * half1),
                (tip[0] + ux * t0 - nx * half0, tip[1] + uy * t0 - ny * half0)]

    c.polygon(band(0, 9, 0.01, 4.5), (235, 200, 150), OUTLINE)  # sharpened wood
    c.polygon(band(0, 3, 0.01, 1.6), (40, 40, 40))  # lead
    c.polygon(band(9, 31, 4.5, 4.5), (250, 200, 20), OUTLINE)  # painted body
    c.polygon(band(9, 31, 1.0, 1.0), (255, 235, 120))  # its highlight
    c.polygon(band(31, 35, 4.5, 4.5), (180, 180, 190), OUTLINE)  # ferrule
    c.polygon(band(35, length, 4.5, 4.5), (235, 120, 130), OUTLINE)  # eraser
    return c


def draw_quit(size=52):
    """A red stop disc with a white cross."""
    c = Canvas(52, FACE, size)
    c.disc(27, 27, 22, SHADOW)
    c.disc(26, 26, 22, (120, 0, 0))
    c.disc(26, 26, 20, (220, 30, 30))
    c.disc(26, 26, 17, (240, 90, 90), thickness=2, arc=(200, 250))
    c.line((17, 17), (34, 34), WHITE, 5.5)
    c.line((34, 17), (17, 34), WHITE, 5.5)
    return c


def bmp_8bit(c):
    """Windows bitmap, 8 bits per pixel, BI_RGB, all 256 colour-table entries written."""
    palette = sorted({p for row in c.rows for p in row})
    assert len(palette) <= 256, "too many colours for an 8-bit picture"
    index = {p: i for i, p in enumerate(palette)}
    palette += [(0, 0, 0)] * (256 - len(palette))
    stride = (c.width + 3) & ~3
    pixels = b"".join(bytes(index[p] for p in row).ljust(stride, b"\0") for row in reversed(c.rows))
    table = b"".join(struct.pack("<4B", b, g, r, 0) for r, g, b in palette)
    offset = 14 + 40 + len(table)
    header = struct.pack("<IiiHHIIiiII", 40, c.width, c.height, 1, 8, 0, len(pixels), 2835, 2835, 256, 256)
    return struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset) + header + table + pixels


VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
       (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
       (255, 0, 255), (0, 255, 255), (255, 255, 255)]
CLEAR = None  # icon pixels that let the desktop show through


def draw_icon(size=32):
    """A quiz sheet with a blue question mark, in the VGA colours only."""
    c = Canvas(32, CLEAR, size)
    shape = [(4, 1), (21, 1), (27, 7), (27, 30), (4, 30)]
    c.polygon([(x + 2, y + 1) for x, y in shape], (128, 128, 128))
    c.polygon(shape, (255, 255, 255), (0, 0, 0))
    c.polygon([(21, 1), (21, 7), (27, 7)], (192, 192, 192), (0, 0, 0))
    c.disc(15.5, 11.5, 6.5, (0, 0, 128), thickness=3.2, arc=(180, 90))
    c.line((15, 17), (15, 20), (0, 0, 128), 3.2)
    c.rect(14, 23, 16, 25, (0, 0, 128))
    return c


def ico_4bit(canvases):
    """Icon file of 16-colour images, one a canvas: each a colour bitmap, then the AND
    transparency mask, every row padded to four bytes."""
    images = []
    for c in canvases:
        xor, mask = b"", b""
        for row in reversed(c.rows):
            nibbles = [VGA.index(p) if p is not CLEAR else 0 for p in row]
            xor += bytes(nibbles[x] << 4 | nibbles[x + 1] for x in range(0, c.width, 2)).ljust(
                (c.width // 2 + 3) & ~3, b"\0")
            bits = "".join("1" if p is CLEAR else "0" for p in row)
            mask += int(bits, 2).to_bytes(c.width // 8, "big").ljust((c.width // 8 + 3) & ~3, b"\0")
        header = struct.pack("<IiiHHIIiiII", 40, c.width, c.height * 2, 1, 4, 0, len(xor) + len(mask), 0, 0, 0, 0)
        images.append(header + b"".join(struct.pack("<4B", b, g, r, 0) for r, g, b in VGA) + xor + mask)
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for c, image in zip(canvases, images):
        directory += struct.pack("<BBBBHHII", c.width, c.height, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


# The button pictures' sizes by display scale, for the file names; 100 % has none.
SCALES = {"": 52, "-125": 65, "-150": 78, "-200": 104}
ICON_SIZES = (16, 24, 32, 48)
PICTURES = {"quit": draw_quit, "run": draw_run, "new": draw_new, "edit": draw_edit}


def outputs():
    """Every file the script writes, by name."""
    files = {name + suffix + ".bmp": bmp_8bit(draw(size))
             for suffix, size in SCALES.items() for name, draw in PICTURES.items()}
    files["kvizar.ico"] = ico_4bit([draw_icon(size) for size in ICON_SIZES])
    return files


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, data in outputs().items():
        with open(os.path.join(here, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
