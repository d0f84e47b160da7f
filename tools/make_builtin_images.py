#!/usr/bin/env python3
"""Draws the client's seven built-in images and writes them as 8-bit RGBA PNGs.

    tools/make_builtin_images.py [OUTPUT_DIR]      (default: resources/)

Everything is drawn here from simple shapes (strokes, arcs, polygons, discs),
with 4 x 4 supersampling for smooth edges, so the images need no other
program and come out the same on every run.
"""

import math
import os
import struct
import sys
import zlib

SS = 4  # samples per pixel along each axis


# ---------------------------------------------------------------- PNG output

def write_png(path, width, height, pixels):
    """pixels: rows of (r, g, b, a) tuples."""
    raw = bytearray()
    for row in pixels:
        raw.append(0)
        for r, g, b, a in row:
            raw += bytes((r, g, b, a))

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xffffffff)

    header = struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0)
    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
    png += chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b"")
    with open(path, "wb") as f:
        f.write(png)


# ---------------------------------------------------------------- shapes

def seg_dist(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    L = dx * dx + dy * dy
    t = 0.0 if L == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / L))
    cx, cy = ax + t * dx, ay + t * dy
    return math.hypot(px - cx, py - cy)


def arc_points(cx, cy, r, a0, a1, steps=24):
    """Points of an arc, angles in degrees, 0 = right, 90 = down (screen)."""
    pts = []
    for i in range(steps + 1):
        a = math.radians(a0 + (a1 - a0) * i / steps)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


class Stroke:
    """A polyline of the given thickness."""

    def __init__(self, points, width):
        self.points = points
        self.half = width / 2.0
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        self.box = (min(xs) - self.half - 2, min(ys) - self.half - 2,
                    max(xs) + self.half + 2, max(ys) + self.half + 2)

    def distance(self, x, y):
        best = 1e9
        pts = self.points
        for i in range(len(pts) - 1):
            d = seg_dist(x, y, pts[i][0], pts[i][1], pts[i + 1][0], pts[i + 1][1])
            if d < best:
                best = d
        return best - self.half

    def inside(self, x, y, grow=0.0):
        b = self.box
        if x < b[0] - grow or y < b[1] - grow or x > b[2] + grow or y > b[3] + grow:
            return False
        return self.distance(x, y) <= grow


class Polygon:
    def __init__(self, points):
        self.points = points

    def inside(self, x, y, grow=0.0):
        pts = self.points
        odd = False
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                odd = not odd
            j = i
        if odd or grow <= 0:
            return odd
        for i in range(len(pts)):
            a, b = pts[i - 1], pts[i]
            if seg_dist(x, y, a[0], a[1], b[0], b[1]) <= grow:
                return True
        return False


class Disc:
    def __init__(self, cx, cy, r):
        self.cx, self.cy, self.r = cx, cy, r

    def inside(self, x, y, grow=0.0):
        return math.hypot(x - self.cx, y - self.cy) <= self.r + grow


class Ring:
    def __init__(self, cx, cy, r, width):
        self.cx, self.cy, self.r, self.half = cx, cy, r, width / 2.0

    def inside(self, x, y, grow=0.0):
        return abs(math.hypot(x - self.cx, y - self.cy) - self.r) <= self.half + grow


class Canvas:
    def __init__(self, width, height):
        self.w, self.h = width, height
        self.px = [[(0.0, 0.0, 0.0, 0.0) for _ in range(width)] for _ in range(height)]

    def paint(self, shapes, color, grow=0.0, box=None):
        """Composites shapes (union) in color over the canvas.  color is an
        (r, g, b) tuple or a function (x, y) -> (r, g, b)."""
        x0, y0, x1, y1 = box if box else (0, 0, self.w, self.h)
        for y in range(max(0, y0), min(self.h, y1)):
            for x in range(max(0, x0), min(self.w, x1)):
                hits = 0
                for sy in range(SS):
                    fy = y + (sy + 0.5) / SS
                    for sx in range(SS):
                        fx = x + (sx + 0.5) / SS
                        for s in shapes:
                            if s.inside(fx, fy, grow):
                                hits += 1
                                break
                if hits:
                    c = color(x, y) if callable(color) else color
                    self.over(x, y, c, hits / (SS * SS))

    def over(self, x, y, c, a):
        r, g, b, da = self.px[y][x]
        oa = a + da * (1 - a)
        if oa <= 0:
            return
        mix = [(c[i] * a + (r, g, b)[i] * da * (1 - a)) / oa for i in range(3)]
        self.px[y][x] = (mix[0], mix[1], mix[2], oa)

    def rows(self):
        out = []
        for row in self.px:
            out.append([(int(round(r)), int(round(g)), int(round(b)), int(round(a * 255)))
                        for r, g, b, a in row])
        return out


def vertical_ramp(top_y, bottom_y, top, bottom):
    def f(x, y):
        t = max(0.0, min(1.0, (y - top_y) / float(bottom_y - top_y)))
        return tuple(top[i] + (bottom[i] - top[i]) * t for i in range(3))
    return f


# ---------------------------------------------------------------- the logo

def logo_strokes():
    """The word "Veymoor" as pen strokes: cap height 8..32, x-height 16..32."""
    w = 3.4
    s = []
    x = 14
    # V
    s.append(Stroke([(x, 7), (x + 10, 32), (x + 20, 7)], w))
    s.append(Stroke([(x - 4, 7), (x + 4, 7)], 2.0))
    s.append(Stroke([(x + 16, 7), (x + 24, 7)], 2.0))
    x += 27
    # e
    s.append(Stroke(arc_points(x + 8, 24, 8, 0, -320), w))
    s.append(Stroke([(x, 24), (x + 16, 24)], 2.6))
    x += 21
    # y
    s.append(Stroke([(x, 16), (x + 8, 32)], w))
    s.append(Stroke([(x + 16, 16), (x + 6, 35.5), (x + 3, 38), (x - 1, 38)], w))
    x += 22
    # m
    s.append(Stroke([(x, 16), (x, 32)], w))
    s.append(Stroke(arc_points(x + 6, 22, 6, 180, 360) + [(x + 12, 32)], w))
    s.append(Stroke(arc_points(x + 18, 22, 6, 180, 360) + [(x + 24, 32)], w))
    x += 31
    # o o
    for _ in range(2):
        s.append(Ring(x + 8, 24, 8, w))
        x += 21
    # r
    s.append(Stroke([(x, 16), (x, 32)], w))
    s.append(Stroke(arc_points(x + 9, 25, 9, 200, 290), w))
    return s


def draw_logo():
    c = Canvas(192, 43)
    strokes = logo_strokes()
    # A thin rule under the word, ending in two small diamonds.
    rule = [Stroke([(8, 41), (184, 41)], 1.2)]
    diamonds = [Polygon([(4, 41), (8, 38), (12, 41), (8, 44)]),
                Polygon([(180, 41), (184, 38), (188, 41), (184, 44)])]
    c.paint(strokes + rule + diamonds, (24, 12, 0), grow=1.3)
    c.paint(rule + diamonds, (150, 110, 50))
    c.paint(strokes, vertical_ramp(7, 40, (255, 236, 160), (196, 120, 32)))
    return c


# ---------------------------------------------------------------- the icons

def draw_lock():
    c = Canvas(21, 21)
    shackle = [Stroke(arc_points(10.5, 8, 5, 180, 360) + [(15.5, 10)], 2.4),
               Stroke([(5.5, 8), (5.5, 10)], 2.4)]
    body = [Polygon([(3, 9.5), (18, 9.5), (18, 19.5), (3, 19.5)])]
    c.paint(shackle + body, (16, 16, 16), grow=1.0)
    c.paint(shackle, vertical_ramp(2, 11, (236, 236, 236), (150, 150, 160)))
    c.paint(body, vertical_ramp(9, 20, (250, 214, 96), (176, 112, 24)))
    c.paint([Disc(10.5, 13.2, 1.7), Polygon([(9.6, 13.5), (11.4, 13.5), (11.9, 17.5), (9.1, 17.5)])],
            (40, 24, 8))
    return c


def draw_not_wielding():
    """A short sword, struck through."""
    c = Canvas(17, 17)
    blade = [Polygon([(3, 14), (4.5, 15.5), (14.5, 5.5), (15.5, 1.5), (11.5, 2.5)])]
    guard = [Stroke([(2.5, 10.5), (6.5, 14.5)], 1.8)]
    grip = [Stroke([(1.5, 15.5), (3.5, 13.5)], 1.8)]
    c.paint(blade + guard + grip, (0, 0, 0), grow=0.8)
    c.paint(blade, vertical_ramp(1, 15, (240, 240, 250), (140, 150, 170)))
    c.paint(guard + grip, (176, 120, 48))
    slash = [Ring(8.5, 8.5, 6.8, 1.9), Stroke([(3.7, 13.3), (13.3, 3.7)], 1.9)]
    c.paint(slash, (0, 0, 0), grow=0.6)
    c.paint(slash, (232, 32, 32))
    return c


def draw_asleep():
    """A crescent moon with a small z."""
    c = Canvas(17, 17)

    class Crescent:
        def inside(self, x, y, grow=0.0):
            return (math.hypot(x - 7, y - 9.5) <= 6.5 + grow
                    and math.hypot(x - 10, y - 7) >= 5.2 - grow)

    moon = [Crescent()]
    z = [Stroke([(10, 1.5), (15, 1.5), (10, 6.5), (15, 6.5)], 1.5)]
    c.paint(moon + z, (0, 0, 0), grow=0.8)
    c.paint(moon, vertical_ramp(3, 16, (250, 246, 200), (210, 190, 110)))
    c.paint(z, (170, 200, 255))
    return c


def draw_burning_hands():
    """A flame."""
    c = Canvas(17, 17)
    outer = [Polygon([(8.5, 0.8), (11, 4.5), (13.8, 7.5), (14.5, 11), (12.8, 14.8), (8.5, 16.4),
                      (4.2, 14.8), (2.5, 11), (3.5, 7.5), (5.2, 9), (5.8, 5.5)])]
    inner = [Polygon([(8.8, 6), (10.8, 9.5), (11.5, 12.2), (10.2, 14.6), (8.5, 15.2), (6.8, 14.6),
                      (5.6, 12.4), (6.5, 10.2), (7.4, 11)])]
    c.paint(outer, (40, 0, 0), grow=0.8)
    c.paint(outer, vertical_ramp(1, 16, (255, 96, 16), (200, 24, 0)))
    c.paint(inner, vertical_ramp(6, 15, (255, 220, 60), (255, 250, 200)))
    return c


def draw_shocking_grasp():
    """A lightning bolt with a spark."""
    c = Canvas(17, 17)
    bolt = [Polygon([(10.5, 0.5), (3.5, 9.5), (8, 9.5), (5.5, 16.5), (13.5, 6.5), (9, 6.5), (11.8, 0.5)])]
    c.paint(bolt, (0, 16, 48), grow=0.9)
    c.paint(bolt, vertical_ramp(0, 17, (230, 245, 255), (80, 160, 255)))
    sparks = [Stroke([(13.5, 11), (15.5, 11)], 1.0), Stroke([(14.5, 10), (14.5, 12)], 1.0),
              Stroke([(1.5, 3), (3.5, 3)], 1.0), Stroke([(2.5, 2), (2.5, 4)], 1.0)]
    c.paint(sparks, (200, 230, 255))
    return c


def draw_sickening_touch():
    """A green drop with rising bubbles."""
    c = Canvas(17, 17)
    drop = [Polygon([(7.5, 2)] + arc_points(7.5, 11, 5.2, -30, 210, 20))]
    bubbles = [Disc(13.2, 5.5, 1.7), Disc(14.2, 1.8, 1.1), Disc(12.2, 10, 1.0)]
    c.paint(drop + bubbles, (0, 24, 0), grow=0.8)
    c.paint(drop, vertical_ramp(2, 16, (170, 240, 90), (40, 130, 20)))
    c.paint(bubbles, (150, 220, 80))
    c.paint([Disc(5.8, 10.5, 1.3)], (230, 255, 200))
    return c


IMAGES = [
    ("logo.png", draw_logo),
    ("lock.png", draw_lock),
    ("status_not_wielding.png", draw_not_wielding),
    ("status_asleep.png", draw_asleep),
    ("status_burning_hands.png", draw_burning_hands),
    ("status_shocking_grasp.png", draw_shocking_grasp),
    ("status_sickening_touch.png", draw_sickening_touch),
]


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(__file__), "..", "resources")
    os.makedirs(out, exist_ok=True)
    for name, draw in IMAGES:
        canvas = draw()
        write_png(os.path.join(out, name), canvas.w, canvas.h, canvas.rows())
        print(name)


if __name__ == "__main__":
    main()
