"""The key legend the game shows in the start room: each key as a shaded key cap
beside what it does, in a 5 x 7 pixel lettering, on a framed dark panel."""
from .canvas import Canvas
from .colours import ramp
from .hud import frame

WIDTH, HEIGHT = 128, 64  # drawn 1:1 at the top right of the screen
LINE = 12                # pixels from one line to the next
ACTION_X = 50            # where the words start

# The keys of each line and what they do: the same as the launcher's help, the manual and the README.
LINES = (
    (("<", ">"), "RUN"),
    (("^", "v"), "CLIMB, AIM"),
    (("SPACE",), "JUMP"),
    (("L CTRL",), "FIRE"),
    (("ESC",), "QUIT"),
)

PANEL = (28, 24, 38)
CAP = ramp((170, 165, 180), shadow_depth=0.6, shine=0.6)
INK = (20, 16, 28)
WORDS = (240, 226, 190)

# 5 x 7 letters, '#' drawn; '<', '>', '^' and 'v' are the arrows.
GLYPHS = {
    "A": (".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"),
    "B": ("####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."),
    "C": (".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."),
    "D": ("####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."),
    "E": ("#####", "#....", "#....", "####.", "#....", "#....", "#####"),
    "F": ("#####", "#....", "#....", "####.", "#....", "#....", "#...."),
    "I": (".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."),
    "J": ("..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."),
    "L": ("#....", "#....", "#....", "#....", "#....", "#....", "#####"),
    "M": ("#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"),
    "N": ("#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#", "#...#"),
    "P": ("####.", "#...#", "#...#", "####.", "#....", "#....", "#...."),
    "Q": (".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"),
    "R": ("####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"),
    "S": (".####", "#....", "#....", ".###.", "....#", "....#", "####."),
    "T": ("#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."),
    "U": ("#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."),
    ",": (".....", ".....", ".....", ".....", "..##.", "...#.", "..#.."),
    " ": (".....",) * 7,
    "<": (".....", "..#..", ".#...", "#####", ".#...", "..#..", "....."),
    ">": (".....", "..#..", "...#.", "#####", "...#.", "..#..", "....."),
    "^": ("..#..", ".###.", "#.#.#", "..#..", "..#..", "..#..", "....."),
    "v": (".....", "..#..", "..#..", "..#..", "#.#.#", ".###.", "..#.."),
}
GLYPH_WIDTH, GLYPH_HEIGHT = 5, 7


def text_width(text):
    return len(text) * (GLYPH_WIDTH + 1) - 1


def letter(canvas, x, y, text, colour):
    for character in text:
        for row, line in enumerate(GLYPHS[character]):
            for col, mark in enumerate(line):
                if mark == "#":
                    canvas.set(x + col, y + row, colour)
        x += GLYPH_WIDTH + 1


def key_cap(canvas, x, y, label):
    """A key seen from above: a dark rim, a light top edge, a shaded face; its width."""
    width = text_width(label) + 6
    height = GLYPH_HEIGHT + 4
    canvas.rect(x, y, x + width, y + height, CAP[0])
    canvas.rect(x + 1, y + 1, x + width - 1, y + height - 1, CAP[1])
    canvas.rect(x + 1, y + 1, x + width - 1, y + height - 2, CAP[3])
    canvas.rect(x + 2, y + 2, x + width - 2, y + height - 2, CAP[2])
    letter(canvas, x + 3, y + 2, label, INK)
    return width


def key_legend():
    legend = Canvas(WIDTH, HEIGHT, fill=PANEL)
    frame(legend)
    for number, (keys, action) in enumerate(LINES):
        y = 3 + number * LINE
        x = 3
        for key in keys:
            x += key_cap(legend, x, y, key) + 2
        letter(legend, ACTION_X, y + 2, action, WORDS)
    return legend
