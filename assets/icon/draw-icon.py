#!/usr/bin/env python3
"""Draws the program's icon from one list of shapes and writes it twice, so that both agree:

  ktv3815.svg         the vector drawing, 256 x 256 units
  ktv3815-<n>.png     RGBA pictures of n x n px, n = 16, 22, 24, 32, 48, 64, 128, 256

The picture: a form sheet with a folded corner, the orange header bar of the program's window
sections, three rows of labels and input lines, and in front a blackthorn (kökény) sprig, the
charge of the town's arms on the print-out. Every shape is a point-in-shape test, sampled 4 x 4
per pixel for smooth edges; only the standard library is needed."""
import math
import struct
import sys
import zlib
from pathlib import Path

DESIGN = 256  # units of the drawing; one pixel of the 256 px picture
SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
SAMPLES = 4

INK = (79, 80, 69)  # the dark grey of the plain header bar captions, RGB #4F5045
PAPER = (255, 253, 246)
FOLD = (226, 219, 190)
LABEL = (150, 142, 118)
INPUT = (234, 229, 207)  # the content panel, RGB #EAE5CF
HEADER_TOP = (251, 230, 148)  # the highlighted header bar, RGB #FBE694 to #EE9515
HEADER_BOTTOM = (238, 149, 21)
BERRY = (62, 58, 110)
SHINE = (196, 200, 240)
LEAF = (86, 140, 60)
STEM = (92, 70, 46)


def hex_colour(rgb):
    return "#%02X%02X%02X" % rgb


class Shape:
    """A filled area: inside(x, y) for the pictures, svg() for the drawing, box for speed."""

    def __init__(self, colour, alpha=1.0):
        self.colour, self.alpha = colour, alpha

    def colour_at(self, x, y):
        return self.colour

    def paint(self):
        opacity = "" if self.alpha == 1.0 else ' fill-opacity="%g"' % self.alpha
        return 'fill="%s"%s' % (hex_colour(self.colour), opacity)


class Polygon(Shape):
    def __init__(self, points, colour, alpha=1.0):
        super().__init__(colour, alpha)
        self.points = points
        xs, ys = [p[0] for p in points], [p[1] for p in points]
        self.box = (min(xs), min(ys), max(xs), max(ys))

    def inside(self, x, y):
        crossings = False
        for (x0, y0), (x1, y1) in zip(self.points, self.points[1:] + self.points[:1]):
            if (y0 > y) != (y1 > y) and x < x0 + (y - y0) * (x1 - x0) / (y1 - y0):
                crossings = not crossings
        return crossings

    def svg(self):
        return '<polygon points="%s" %s/>' % (" ".join("%g,%g" % p for p in self.points), self.paint())


class Rect(Polygon):
    def __init__(self, left, top, right, bottom, colour):
        super().__init__([(left, top), (right, top), (right, bottom), (left, bottom)], colour)

    def svg(self):
        left, top, right, bottom = self.box
        return '<rect x="%g" y="%g" width="%g" height="%g" %s/>' % (left, top, right - left, bottom - top,
                                                                  self.paint())


class VerticalGradientRect(Rect):
    def colour_at(self, x, y):
        t = min(1.0, max(0.0, (y - self.box[1]) / (self.box[3] - self.box[1])))
        return tuple(round(a + (b - a) * t) for a, b in zip(HEADER_TOP, HEADER_BOTTOM))

    def paint(self):
        return 'fill="url(#header)"'

    @staticmethod
    def definition():
        return ('<defs><linearGradient id="header" x1="0" y1="0" x2="0" y2="1">'
                '<stop offset="0" stop-color="%s"/><stop offset="1" stop-color="%s"/>'
                '</linearGradient></defs>' % (hex_colour(HEADER_TOP), hex_colour(HEADER_BOTTOM)))


class Ellipse(Shape):
    """Radii rx, ry, turned clockwise by degrees about its centre."""

    def __init__(self, cx, cy, rx, ry, degrees, colour):
        super().__init__(colour)
        self.cx, self.cy, self.rx, self.ry, self.degrees = cx, cy, rx, ry, degrees
        r = max(rx, ry)
        self.box = (cx - r, cy - r, cx + r, cy + r)

    def inside(self, x, y):
        a = math.radians(self.degrees)
        dx, dy = x - self.cx, y - self.cy
        u = dx * math.cos(a) + dy * math.sin(a)
        v = -dx * math.sin(a) + dy * math.cos(a)
        return (u / self.rx) ** 2 + (v / self.ry) ** 2 <= 1

    def svg(self):
        if self.rx == self.ry:
            return '<circle cx="%g" cy="%g" r="%g" %s/>' % (self.cx, self.cy, self.rx, self.paint())
        return '<ellipse cx="%g" cy="%g" rx="%g" ry="%g" transform="rotate(%g %g %g)" %s/>' % (
            self.cx, self.cy, self.rx, self.ry, self.degrees, self.cx, self.cy, self.paint())


def circle(cx, cy, r, colour):
    return Ellipse(cx, cy, r, r, 0, colour)


class Stroke(Shape):
    """A polyline of the given width with round joins and caps; closed joins the ends."""

    def __init__(self, points, width, colour, closed=False):
        super().__init__(colour)
        self.points, self.half, self.closed = points, width / 2, closed
        self.segments = list(zip(points, points[1:] + (points[:1] if closed else [])))
        xs, ys = [p[0] for p in points], [p[1] for p in points]
        self.box = (min(xs) - self.half, min(ys) - self.half, max(xs) + self.half, max(ys) + self.half)

    def inside(self, x, y):
        for (x0, y0), (x1, y1) in self.segments:
            dx, dy = x1 - x0, y1 - y0
            t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
            if (x - x0 - t * dx) ** 2 + (y - y0 - t * dy) ** 2 <= self.half**2:
                return True
        return False

    def svg(self):
        return '<%s points="%s" fill="none" stroke="%s" stroke-width="%g" stroke-linejoin="round" ' \
               'stroke-linecap="round"/>' % ("polygon" if self.closed else "polyline",
                                            " ".join("%g,%g" % p for p in self.points),
                                            hex_colour(self.colour), self.half * 2)


def drawing():
    """The shapes, painted in order."""
    sheet = [(48, 16), (168, 16), (212, 60), (212, 240), (48, 240)]
    shapes = [
        Polygon([(x + 6, y + 6) for x, y in sheet], (0, 0, 0), 0.22),  # shadow
        Polygon(sheet, PAPER),
        Polygon([(168, 16), (168, 60), (212, 60)], FOLD),
        Stroke([(168, 16), (168, 60), (212, 60)], 8, INK),
        Stroke(sheet, 10, INK, closed=True),
        VerticalGradientRect(66, 74, 194, 106, None),
    ]
    for top in (126, 160, 194):
        shapes += [Rect(66, top + 4, 100, top + 14, LABEL), Rect(108, top, 194, top + 18, INPUT),
                   Stroke([(108, top + 18), (194, top + 18)], 4, LABEL)]
    # The sprig at the bottom right, over the sheet's edge: stems, two leaves, three berries.
    shapes += [
        Ellipse(150, 222, 24, 10, 15, LEAF), Ellipse(232, 160, 22, 9, -70, LEAF),
        Stroke([(170, 226), (196, 214)], 6, STEM), Stroke([(224, 184), (230, 170)], 6, STEM),
        circle(176, 190, 20, BERRY), circle(222, 190, 20, BERRY), circle(198, 216, 22, BERRY),
        circle(169, 183, 5, SHINE), circle(215, 183, 5, SHINE), circle(190, 208, 5.5, SHINE),
    ]
    return shapes


def write_svg(path, shapes):
    body = "\n".join("  " + s.svg() for s in shapes)
    path.write_text('<?xml version="1.0" encoding="UTF-8"?>\n'
                    '<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n'
                    '  %s\n%s\n</svg>\n' % (DESIGN, DESIGN, DESIGN, DESIGN, VerticalGradientRect.definition(), body))


def render(size, shapes):
    """RGBA rows; colours are averaged premultiplied by their coverage."""
    scale = DESIGN / size
    rows = []
    for py in range(size):
        row = bytearray()
        for px in range(size):
            sum_r = sum_g = sum_b = sum_a = 0.0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = (px + (sx + 0.5) / SAMPLES) * scale
                    y = (py + (sy + 0.5) / SAMPLES) * scale
                    r = g = b = a = 0.0
                    for s in shapes:
                        left, top, right, bottom = s.box
                        if left <= x <= right and top <= y <= bottom and s.inside(x, y):
                            cr, cg, cb = s.colour_at(x, y)
                            k = s.alpha
                            r, g, b, a = cr * k + r * (1 - k), cg * k + g * (1 - k), cb * k + b * (1 - k), \
                                k + a * (1 - k)
                    sum_r, sum_g, sum_b, sum_a = sum_r + r, sum_g + g, sum_b + b, sum_a + a
            n = SAMPLES * SAMPLES
            if sum_a == 0:
                row += bytes(4)
            else:
                row += bytes((round(sum_r / sum_a), round(sum_g / sum_a), round(sum_b / sum_a), round(255 * sum_a / n)))
        rows.append(bytes(row))
    return rows


def write_png(path, size, rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)  # 8-bit RGBA
    pixels = zlib.compress(b"".join(b"\0" + row for row in rows), 9)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", pixels) + chunk(b"IEND", b""))


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent
    shapes = drawing()
    write_svg(out / "ktv3815.svg", shapes)
    for size in SIZES:
        write_png(out / ("ktv3815-%d.png" % size), size, render(size, shapes))


if __name__ == "__main__":
    main()
