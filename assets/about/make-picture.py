#!/usr/bin/env python3
"""Draws the about box's picture: a computer on a blue gradient, 100 x 210 pixels, written as an
uncompressed 8-bit Windows bitmap with a 256-colour palette. Run it to make hakkinda.bmp again."""
import os
import struct

WIDTH, HEIGHT = 100, 210

# Palette: 0-191 the background gradient, the rest the few flat colours of the drawing.
palette = []
for i in range(192):
    t = i / 191
    palette.append((int(16 + 80 * t), int(40 + 120 * t), int(96 + 150 * t)))
flat = {
    "white": (255, 255, 255),
    "black": (0, 0, 0),
    "case": (192, 192, 192),
    "shade": (128, 128, 128),
    "screen": (0, 32, 64),
    "text": (120, 220, 255),
    "led": (0, 200, 0),
    "gold": (255, 200, 40),
}
index = {}
for name, rgb in flat.items():
    index[name] = len(palette)
    palette.append(rgb)
palette += [(0, 0, 0)] * (256 - len(palette))

pixels = [[min(191, y * 192 // HEIGHT) for _ in range(WIDTH)] for y in range(HEIGHT)]


def box(left, top, width, height, colour):
    for y in range(top, top + height):
        for x in range(left, left + width):
            pixels[y][x] = index[colour]


def outline(left, top, width, height, colour):
    for x in range(left, left + width):
        pixels[top][x] = pixels[top + height - 1][x] = index[colour]
    for y in range(top, top + height):
        pixels[y][left] = pixels[y][left + width - 1] = index[colour]


# Monitor with a quotation on its screen.
box(14, 40, 72, 56, "case")
outline(14, 40, 72, 56, "shade")
box(20, 46, 60, 42, "screen")
for row, length in enumerate((40, 28, 34, 22)):
    box(25, 51 + 8 * row, length, 2, "text")
box(66, 77, 9, 2, "gold")
box(46, 96, 8, 8, "shade")
box(32, 104, 36, 4, "case")
outline(32, 104, 36, 4, "shade")

# Keyboard.
box(10, 116, 80, 14, "case")
outline(10, 116, 80, 14, "shade")
for row in range(3):
    for key in range(9):
        box(13 + 8 * key, 118 + 4 * row, 6, 2, "white")

# Tower case with its drives and power light.
box(30, 140, 40, 56, "case")
outline(30, 140, 40, 56, "shade")
for top in (146, 154):
    box(36, top, 28, 5, "shade")
box(36, 166, 12, 2, "black")
box(60, 186, 4, 4, "led")


def bitmap():
    row_size = (WIDTH + 3) // 4 * 4
    image = bytearray()
    for y in reversed(range(HEIGHT)):  # bottom-up rows
        row = bytes(pixels[y])
        image += row + bytes(row_size - WIDTH)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    offset = 14 + 40 + len(colours)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 8, 0, len(image), 2835, 2835, 256, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(image), 0, 0, offset)
    return header + info + colours + image


here = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(here, "hakkinda.bmp"), "wb") as out:
    out.write(bitmap())
