"""The sign over the paused game: "PAUSED" in the key legend's letters, twice their size, on the
legend's framed dark panel."""
from .canvas import Canvas
from .hud import frame
from .key_legend import GLYPH_HEIGHT, GLYPH_WIDTH, GLYPHS, PANEL, WORDS

WIDTH, HEIGHT = 128, 32  # drawn 1:1 at the middle of the screen, over the legend
SCALE = 2                # screen pixels to a letter's pixel
TEXT = "PAUSED"


def pause_sign():
    sign = Canvas(WIDTH, HEIGHT, fill=PANEL)
    frame(sign)
    advance = (GLYPH_WIDTH + 1) * SCALE
    left = (WIDTH - len(TEXT) * advance + SCALE) // 2
    top = (HEIGHT - GLYPH_HEIGHT * SCALE) // 2
    for index, character in enumerate(TEXT):
        for row, line in enumerate(GLYPHS[character]):
            for col, mark in enumerate(line):
                if mark == "#":
                    x, y = left + index * advance + col * SCALE, top + row * SCALE
                    sign.rect(x, y, x + SCALE, y + SCALE, WORDS)
    return sign
