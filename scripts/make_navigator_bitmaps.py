#!/usr/bin/env python3
"""Draws the record navigator's nine button pictures into assets/Btn.

Each file is a 24-bit Windows bitmap of two 16 x 16 squares side by side: the picture of the
enabled button, then that of the disabled one (grey, with a white shadow). The background is
magenta; the program makes the colour of the bottom-left pixel see-through.
Run: python3 scripts/make_navigator_bitmaps.py
"""
import math
import os
import struct

SIZE = 16
BACKGROUND = (255, 0, 255)
FACE = (0, 102, 68)       # dark green
LIGHT = (90, 190, 120)    # its highlight along the upper edges
GREY = (128, 128, 128)
WHITE = (255, 255, 255)


def inside_polygon(px, py, points):
    hit = False
    j = len(points) - 1
    for i in range(len(points)):
        xi, yi = points[i]
        xj, yj = points[j]
        if (yi > py) != (yj > py) and px < (xj - xi) * (py - yi) / (yj - yi) + xi:
            hit = not hit
        j = i
    return hit


def near_segment(px, py, a, b, width):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / float(dx * dx + dy * dy)))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy)) <= width / 2.0


def shape(polygons=(), segments=(), width=2.4):
    def covers(x, y):
        px, py = x + 0.5, y + 0.5
        return any(inside_polygon(px, py, p) for p in polygons) or \
            any(near_segment(px, py, a, b, width) for a, b in segments)
    return covers


def rect(x, y, w, h):
    return [(x, y), (x + w, y), (x + w, y + h), (x, y + h)]


PICTURES = {
    "first.bmp": shape([rect(3, 3, 2, 10), [(13, 3), (13, 13), (6, 8)]]),
    "previous.bmp": shape([[(11, 3), (11, 13), (4, 8)]]),
    "Next.bmp": shape([[(5, 3), (5, 13), (12, 8)]]),
    "Last.bmp": shape([[(3, 3), (3, 13), (10, 8)], rect(11, 3, 2, 10)]),
    "Insert.bmp": shape([rect(7, 2, 2, 12), rect(2, 7, 12, 2)]),
    "Delete.bmp": shape([rect(2, 7, 12, 2)]),
    "Edit.bmp": shape([[(2, 12), (14, 12), (8, 5)]]),
    "Post.bmp": shape(segments=[((3, 8), (6.5, 11.5)), ((6.5, 11.5), (13, 4))]),
    "Cancel.bmp": shape(segments=[((4, 4), (12, 12)), ((12, 4), (4, 12))]),
}


def picture(covers):
    rows = [[BACKGROUND] * (2 * SIZE) for _ in range(SIZE)]
    for y in range(SIZE):
        for x in range(SIZE):
            if covers(x, y):
                lit = not covers(x, y - 1) or not covers(x - 1, y)
                rows[y][x] = LIGHT if lit else FACE
    for y in range(SIZE):
        for x in range(SIZE):
            if covers(x, y):
                rows[y][SIZE + x] = GREY
            elif x > 0 and y > 0 and covers(x - 1, y - 1):
                rows[y][SIZE + x] = WHITE
    return rows


def write_bmp(path, rows):
    height, width = len(rows), len(rows[0])
    stride = (width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(rows):  # bottom-up
        line = bytearray()
        for r, g, b in row:
            line += bytes((b, g, r))
        pixels += line + bytes(stride - len(line))
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(pixels), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + pixels)


def main():
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "assets", "Btn")
    os.makedirs(folder, exist_ok=True)
    for name, covers in PICTURES.items():
        write_bmp(os.path.join(folder, name), picture(covers))


if __name__ == "__main__":
    main()
