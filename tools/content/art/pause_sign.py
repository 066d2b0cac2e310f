"""The sign over the paused game: "PAUSED" in large pixel letters on a framed dark panel."""
from .canvas import Canvas
from .hud import frame

WIDTH, HEIGHT = 128, 32  # drawn 1:1 at the middle of the screen
SCALE = 2                # screen pixels to a letter's pixel

PANEL = (28, 24, 38)
WORDS = (240, 226, 190)

# 5 x 7 letters, '#' drawn.
LETTERS = {
    "P": ("####.", "#...#", "#...#", "####.", "#....", "#....", "#...."),
    "A": (".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"),
    "U": ("#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."),
    "S": (".####", "#....", "#....", ".###.", "....#", "....#", "####."),
    "E": ("#####", "#....", "#....", "####.", "#....", "#....", "#####"),
    "D": ("####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."),
}
LETTER_WIDTH, LETTER_HEIGHT = 5, 7
TEXT = "PAUSED"


def pause_sign():
    sign = Canvas(WIDTH, HEIGHT, fill=PANEL)
    frame(sign)
    advance = (LETTER_WIDTH + 1) * SCALE
    left = (WIDTH - len(TEXT) * advance + SCALE) // 2
    top = (HEIGHT - LETTER_HEIGHT * SCALE) // 2
    for index, character in enumerate(TEXT):
        for row, line in enumerate(LETTERS[character]):
            for col, mark in enumerate(line):
                if mark == "#":
                    x, y = left + index * advance + col * SCALE, top + row * SCALE
                    sign.rect(x, y, x + SCALE, y + SCALE, WORDS)
    return sign
