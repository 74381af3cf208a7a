#!/usr/bin/env python3
"""Draws the two greyscale pictures of the print-out's title block and writes them as JPEG
(through cjpeg, Debian's libjpeg-turbo-progs):

  coat-of-arms.jpg   60 x 62 px  the town's arms: a shield with a wavy river bar and a
                                 blackthorn (kökény) sprig of three berries, under a crown
  quality-mark.jpg   90 x 62 px  a quality-management certification mark: a ring with a tick,
                                 and the lettering "ISO 9001" beside it

Every shape is a point-in-shape test, sampled 4 x 4 per pixel for smooth edges."""
import math
import subprocess
import sys
from pathlib import Path

SAMPLES = 4


def render(width, height, layers):
    """layers: (grey 0-255, inside(x, y)) painted in order over white."""
    rows = []
    for py in range(height):
        row = bytearray()
        for px in range(width):
            total = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    x = px + (sx + 0.5) / SAMPLES
                    y = py + (sy + 0.5) / SAMPLES
                    grey = 255
                    for shade, inside in layers:
                        if inside(x, y):
                            grey = shade
                    total += grey
            row.append(round(total / SAMPLES**2))
        rows.append(bytes(row))
    return rows


def write_jpeg(path, width, height, rows):
    pgm = b"P5\n%d %d\n255\n" % (width, height) + b"".join(rows)
    jpeg = subprocess.run(["cjpeg", "-grayscale", "-quality", "92", "-optimize"], input=pgm,
                          capture_output=True, check=True).stdout
    Path(path).write_bytes(jpeg)


def circle(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def ring(cx, cy, r_out, r_in):
    return lambda x, y: r_in * r_in <= (x - cx) ** 2 + (y - cy) ** 2 <= r_out * r_out


def segment(x0, y0, x1, y1, half_width):
    def inside(x, y):
        dx, dy = x1 - x0, y1 - y0
        t = max(0.0, min(1.0, ((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy)))
        return (x - x0 - t * dx) ** 2 + (y - y0 - t * dy) ** 2 <= half_width**2
    return inside


def strokes(points_list, half_width):
    parts = [segment(*a, *b, half_width) for points in points_list for a, b in zip(points, points[1:])]
    return lambda x, y: any(p(x, y) for p in parts)


def shield(left, top, right, bottom):
    """A heater shield: straight sides down to mid-height, then arcs meeting at the point."""
    mid = (left + right) / 2
    straight = top + (bottom - top) * 0.45
    radius = right - left

    def inside(x, y):
        if y < top or x < left or x > right:
            return False
        if y <= straight:
            return True
        # Two arcs centred on the opposite side meet at the bottom point.
        return (x - right) ** 2 + (y - straight) ** 2 <= radius**2 and (x - left) ** 2 + (
            y - straight) ** 2 <= radius**2 and y <= bottom
    return inside, mid


def coat_of_arms():
    w, h = 60, 62
    outer, mid = shield(8, 14, 52, 60)
    inner, _ = shield(10.5, 16.5, 49.5, 57.5)
    river = lambda x, y: abs(y - (38 + 2.2 * math.sin((x - 10) / 39 * 2 * math.pi * 1.5))) <= 2.6
    crown_base = lambda x, y: 17 <= x <= 43 and 9 <= y <= 12.5
    crown_points = lambda x, y: 17 <= x <= 43 and 2.5 <= y <= 9 and (
        abs(x - 19) + (y - 2.5) * 0.35 <= 2.6 or abs(x - 30) + (y - 2.5) * 0.35 <= 2.8
        or abs(x - 41) + (y - 2.5) * 0.35 <= 2.6 or y >= 6.5)
    sprig = strokes([[(30, 33), (30, 22)], [(30, 28), (24, 23)], [(30, 26), (36, 21)]], 0.9)
    berries = lambda x, y: any(circle(cx, cy, 2.9)(x, y) for cx, cy in ((30, 20.5), (23, 21.5), (37, 19.5)))
    leaf = lambda x, y: ((x - 34) / 4.2) ** 2 + ((y - 29) / 1.8) ** 2 <= 1
    return w, h, [
        (40, outer), (235, inner),
        (150, lambda x, y: inner(x, y) and y >= 41.5),  # the lower field, shaded
        (60, lambda x, y: inner(x, y) and river(x, y)),
        (70, sprig), (90, leaf), (25, berries),
        (50, crown_base), (50, crown_points),
    ]


# Strokes of the capital letters and digits used, in a 4 x 7 box.
GLYPHS = {
    "I": [[(2, 0), (2, 7)]],
    "S": [[(4, 1), (3, 0), (1, 0), (0, 1), (0, 2.5), (4, 4.5), (4, 6), (3, 7), (1, 7), (0, 6)]],
    "O": [[(1, 0), (3, 0), (4, 1), (4, 6), (3, 7), (1, 7), (0, 6), (0, 1), (1, 0)]],
    "9": [[(4, 3.5), (1, 3.5), (0, 2.5), (0, 1), (1, 0), (3, 0), (4, 1), (4, 6), (3, 7), (0.5, 7)]],
    "0": [[(1, 0), (3, 0), (4, 1), (4, 6), (3, 7), (1, 7), (0, 6), (0, 1), (1, 0)]],
    "1": [[(1, 1.5), (2.5, 0), (2.5, 7)]],
}


def lettering(text, left, top, scale, half_width):
    paths = []
    x = left
    for ch in text:
        if ch != " ":
            paths += [[(x + px * scale, top + py * scale) for px, py in path] for path in GLYPHS[ch]]
        x += 6 * scale
    return strokes(paths, half_width)


def quality_mark():
    w, h = 90, 62
    tick = strokes([[(17, 31), (25, 39), (41, 21)]], 2.6)
    return w, h, [
        (30, ring(29, 31, 25, 21.5)),
        (120, ring(29, 31, 19, 17.5)),
        (20, tick),
        (30, lettering("ISO", 58, 14, 1.55, 0.85)),
        (30, lettering("9001", 56, 33, 1.35, 0.8)),
        (90, lambda x, y: 57 <= x <= 86 and 47.5 <= y <= 49),
    ]


def main():
    out = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).parent
    for name, (w, h, layers) in (("coat-of-arms.jpg", coat_of_arms()), ("quality-mark.jpg", quality_mark())):
        write_jpeg(out / name, w, h, render(w, h, layers))


if __name__ == "__main__":
    main()
