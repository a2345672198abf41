#!/usr/bin/env python3
"""Draws the button bitmaps of res/ as 16-colour, 4-bit, uncompressed device-independent bitmaps.

Run it by hand after changing a drawing (python3 res/tools/make_bitmaps.py); the build only
compiles the .bmp files it wrote. The output is byte-for-byte the same on every run.

Faces (46 x 21) are drawn for transparent blitting: the image is black outside the face and
the mask is white there and black on the face, so that SRCAND with the mask and SRCPAINT with
the image leave the background around the clipped corners untouched.
"""

import pathlib
import struct

# The standard 16-colour palette, in its usual order, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, DARK_GREY, LIGHT_GREY, WHITE = 0, 8, 7, 15

FACE_SIZE = (46, 21)
DROPDOWN_SIZE = (16, 23)

# Capital letters of the face labels, 5 x 7 pixels, one string per row.
FONT = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "C": [".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "H": ["#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "L": ["#....", "#....", "#....", "#....", "#....", "#....", "#####"],
    "N": ["#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"],
    "P": ["####.", "#...#", "#...#", "####.", "#....", "#....", "#...."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".####", "#....", "#....", ".###.", "....#", "....#", "####."],
}
GLYPH_WIDTH, GLYPH_HEIGHT, GLYPH_GAP = 5, 7, 1

# Resource file name stem and label of each button face.
FACES = [
    ("bcan", "CANCEL"),
    ("bhelp", "HELP"),
    ("bkensaku", "SEARCH"),
    ("bzenhyouji", "ALL"),
]


class Canvas:
    """A width x height grid of palette indices, row 0 at the top."""

    def __init__(self, size, colour):
        self.width, self.height = size
        self.pixels = [[colour] * self.width for _ in range(self.height)]

    def set(self, x, y, colour):
        self.pixels[y][x] = colour

    def fill(self, left, top, right, bottom, colour):
        """Fills the rectangle from (left, top) up to, not including, (right, bottom)."""
        for y in range(top, bottom):
            for x in range(left, right):
                self.pixels[y][x] = colour

    def frame(self, inset, top_left, bottom_right):
        """A one-pixel frame `inset` pixels inside the edge, in two colours as 3-D edges are."""
        left, top = inset, inset
        right, bottom = self.width - 1 - inset, self.height - 1 - inset
        self.fill(left, top, right, top + 1, top_left)
        self.fill(left, top, left + 1, bottom, top_left)
        self.fill(left, bottom, right + 1, bottom + 1, bottom_right)
        self.fill(right, top, right + 1, bottom + 1, bottom_right)


def corner_cut(x, y, width, height):
    """Whether (x, y) lies in one of the clipped corners of a face (two pixels on each edge)."""
    dx = min(x, width - 1 - x)
    dy = min(y, height - 1 - y)
    return dx + dy < 2


def clip_corners(canvas, colour):
    for y in range(canvas.height):
        for x in range(canvas.width):
            if corner_cut(x, y, canvas.width, canvas.height):
                canvas.set(x, y, colour)


def draw_text(canvas, text, offset, colour):
    """Draws `text` centred on the canvas, moved by `offset` pixels right and down."""
    text_width = len(text) * (GLYPH_WIDTH + GLYPH_GAP) - GLYPH_GAP
    left = (canvas.width - text_width) // 2 + offset
    top = (canvas.height - GLYPH_HEIGHT) // 2 + offset
    for index, letter in enumerate(text):
        glyph_left = left + index * (GLYPH_WIDTH + GLYPH_GAP)
        for row, line in enumerate(FONT[letter]):
            for column, mark in enumerate(line):
                if mark == "#":
                    canvas.set(glyph_left + column, top + row, colour)


def raised(size):
    """A light-grey face lit from the top left: white and light edges, grey and black shadow."""
    canvas = Canvas(size, LIGHT_GREY)
    canvas.frame(0, WHITE, BLACK)
    canvas.frame(1, LIGHT_GREY, DARK_GREY)
    return canvas


def sunken(size):
    """A pressed face: the shadow moves to the top left, the light to the bottom right."""
    canvas = Canvas(size, LIGHT_GREY)
    canvas.frame(0, BLACK, WHITE)
    canvas.frame(1, DARK_GREY, LIGHT_GREY)
    return canvas


def face(label, pressed):
    # A pressed face's label moves one pixel right and down, as a pushed button's text does.
    canvas = sunken(FACE_SIZE) if pressed else raised(FACE_SIZE)
    draw_text(canvas, label, 1 if pressed else 0, BLACK)
    clip_corners(canvas, BLACK)
    return canvas


def face_mask():
    canvas = Canvas(FACE_SIZE, BLACK)
    clip_corners(canvas, WHITE)
    return canvas


def draw_arrow(canvas, offset, colour):
    """A downward triangle seven pixels wide and four high, centred, moved by `offset`."""
    centre = canvas.width // 2 - 1 + offset
    top = (canvas.height - 4) // 2 + offset
    for row in range(4):
        half = 3 - row
        canvas.fill(centre - half, top + row, centre + half + 1, top + row + 1, colour)


def dropdown(state):
    if state == "pressed":
        canvas = sunken(DROPDOWN_SIZE)
        draw_arrow(canvas, 1, BLACK)
    elif state == "disabled":
        # Disabled glyphs are etched: a white copy one pixel down and right under a grey one.
        canvas = raised(DROPDOWN_SIZE)
        draw_arrow(canvas, 1, WHITE)
        draw_arrow(canvas, 0, DARK_GREY)
    else:
        canvas = raised(DROPDOWN_SIZE)
        draw_arrow(canvas, 0, BLACK)
    return canvas


def bitmap_file(canvas):
    """The canvas as a .bmp file: file header, BITMAPINFOHEADER, palette, bottom-up rows."""
    stride = (canvas.width * 4 + 31) // 32 * 4
    rows = bytearray()
    for line in reversed(canvas.pixels):
        padded = line + [0] * (stride * 2 - len(line))
        rows += bytes(high << 4 | low for high, low in zip(padded[0::2], padded[1::2]))
    palette = b"".join(struct.pack("<BBBB", blue, green, red, 0) for red, green, blue in PALETTE)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 4, 0, len(rows), 0, 0,
                       len(PALETTE), 0)
    offset = 14 + len(info) + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    return header + info + palette + bytes(rows)


def main():
    folder = pathlib.Path(__file__).resolve().parent.parent
    images = {}
    for stem, label in FACES:
        images[stem + "_up"] = face(label, pressed=False)
        images[stem + "_down"] = face(label, pressed=True)
        images[stem + "_mask"] = face_mask()
    for state in ("pressed", "disabled", "normal"):
        images["dropdown_" + state] = dropdown(state)
    for name, canvas in images.items():
        (folder / (name + ".bmp")).write_bytes(bitmap_file(canvas))


if __name__ == "__main__":
    main()
