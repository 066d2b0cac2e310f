"""Painters of the solid tiles: rock, bricks, metal and the like, the
slopes cut from them, and blocks that look breakable.

Every painter takes a 32x32 canvas (origin at its top-left corner) and
covers it completely: solid tiles are opaque. Patterns repeat every 32
pixels, so a tile joins itself seamlessly in every direction.
"""
import math

from .colours import ramp
from .noise import cell_edges, fractal_noise, hash01
from .canvas import ramp_at

TILE = 32

ROCK = ramp((112, 98, 96), shadow_depth=0.8, shine=0.35)
DEEP_ROCK = ramp((66, 58, 66), shadow_depth=0.8, shine=0.25)
BLUE_ROCK = ramp((84, 98, 124), shadow_depth=0.8, shine=0.35)
BRICK = ramp((134, 108, 88), shadow_depth=0.8, shine=0.35)
DARK_BRICK = ramp((88, 74, 78), shadow_depth=0.8, shine=0.3)
STEEL = ramp((116, 126, 142), shadow_depth=0.8, shine=0.5)
DARK_STEEL = ramp((70, 76, 92), shadow_depth=0.8, shine=0.45)
DIRT = ramp((118, 84, 56), shadow_depth=0.8, shine=0.3)
SANDSTONE = ramp((176, 146, 98), shadow_depth=0.75, shine=0.35)
ICE = ramp((150, 200, 230), shadow_depth=0.6, shine=0.7)
OBSIDIAN = ramp((50, 40, 70), shadow_depth=0.7, shine=0.5)
MOSS = ramp((70, 140, 56), shadow_depth=0.7, shine=0.4)
WOOD = ramp((146, 98, 54), shadow_depth=0.75, shine=0.35)
CRACK = (20, 12, 18)
EMBER = ramp((255, 120, 30), shadow_depth=0.5, shine=0.8)
CRYSTAL = ramp((110, 220, 240), shadow_depth=0.6, shine=0.8)
RUBY = ramp((220, 50, 80), shadow_depth=0.6, shine=0.7)
GOLD = ramp((240, 190, 60), shadow_depth=0.6, shine=0.8)


def fill(c, colour_at):
    c.paint((0, 0, TILE, TILE), colour_at)


# -- whole-tile patterns ------------------------------------------------------

def cobbles(c, stone, seed, stones=3, crevice=1.3):
    """Irregular stones with dark crevices, lit from above."""
    def at(u, v):
        d1, d2 = cell_edges(u, v, stones, TILE, seed)
        if d2 - d1 < crevice:
            return stone[0]
        rough = fractal_noise(u, v, TILE, seed + 3, octaves=2, base_cells=4)
        lit = 0.25 + 0.5 * rough + min(0.3, (d2 - d1) / 20.0)
        if d2 - d1 < crevice + 1.2:
            lit -= 0.25
        return ramp_at(stone, lit)
    fill(c, at)


def bricks(c, stone, seed, rows=4, length=16):
    """Courses of bricks, each a little different, with mortar lines."""
    height = TILE // rows

    def at(u, v):
        row = int(v) // height
        offset = (length // 2) * (row % 2)
        column = (int(u) + offset) // length
        x_in, y_in = (int(u) + offset) % length, int(v) % height
        if x_in == 0 or y_in == height - 1:
            return stone[0]
        shade = 0.3 + 0.3 * hash01(column % (TILE // length), row, seed)  # wraps with the tile
        shade += 0.2 * fractal_noise(u, v, TILE, seed, octaves=2, base_cells=8)
        if y_in == 0:
            shade += 0.35
        elif y_in == height - 2 or x_in == length - 1:
            shade -= 0.2
        return ramp_at(stone, shade)
    fill(c, at)


def plate(c, metal, seed, rivets=True, bevel=2):
    """A bevelled metal plate with rivets in its corners."""
    def at(u, v):
        x, y = int(u), int(v)
        if x < bevel or y < bevel:
            return metal[3]
        if x >= TILE - bevel or y >= TILE - bevel:
            return metal[1]
        return ramp_at(metal, 0.35 + 0.15 * fractal_noise(u, v, TILE, seed, 2, 4))
    fill(c, at)
    if rivets:
        for x, y in ((5, 5), (26, 5), (5, 26), (26, 26)):
            c.ellipse(x + 0.5, y + 0.5, 1.8, 1.8, metal)


def strata(c, stone, seed):
    """Packed earth in wavy layers with embedded pebbles."""
    def at(u, v):
        wave = 2.0 * math.sin((u / TILE) * 2 * math.pi + seed)
        layer = int((v + wave) // 6)
        shade = 0.25 + 0.35 * hash01(layer % 6, 0, seed) \
            + 0.25 * fractal_noise(u, v, TILE, seed, 2, 8)
        return ramp_at(stone, shade)
    fill(c, at)
    for i in range(4):
        x = 3 + 26 * hash01(i, 1, seed)
        y = 3 + 26 * hash01(i, 2, seed)
        c.ellipse(x, y, 2.2, 1.6, ROCK)


def smooth_block(c, stone, seed, shine=True):
    """A glassy or polished block: bevelled edges, a clouded face, a glint."""
    def at(u, v):
        x, y = int(u), int(v)
        if x < 2 or y < 2:
            return stone[4] if x + y > 1 else stone[3]
        if x > TILE - 3 or y > TILE - 3:
            return stone[1] if x < TILE - 1 and y < TILE - 1 else stone[0]
        return ramp_at(stone, 0.35 + 0.3 * fractal_noise(u, v, TILE, seed, 3, 2))
    fill(c, at)
    if shine:
        c.line((6, 14), (14, 6), 2, stone[4])
        c.line((9, 17), (17, 9), 1, stone[3])


# -- additions on top of a pattern -------------------------------------------

def grown_top(c, growth, seed, depth=5):
    """Moss or grass over the top edge, hanging down in tufts."""
    def at(u, v):
        hang = depth + 3.0 * hash01(int(u) // 3, 0, seed)
        if v >= hang:
            return None
        return growth[4] if v < 1.5 else ramp_at(growth, 0.7 - v / (hang * 1.6))
    c.paint((0, 0, TILE, depth + 3), at)


def lit_top(c, stone):
    """A bright lip along the top, for ledges that face the open air."""
    c.rect(0, 0, TILE, 2, stone[4])
    c.rect(0, 2, TILE, 3, stone[3])


def veins(c, mineral, seed, count=3):
    """Gems or ore showing in the rock."""
    for i in range(count):
        x = 6 + 20 * hash01(i, 3, seed)
        y = 6 + 20 * hash01(i, 4, seed)
        c.polygon([(x, y - 3.5), (x + 2.5, y), (x, y + 3.5), (x - 2.5, y)], mineral)
        c.ellipse(x - 0.5, y - 1, 0.8, 0.8, mineral[4])


def fossil(c, bone):
    c.ellipse(16, 16, 7, 7, bone, within=lambda u, v: (u - 16) ** 2 + (v - 16) ** 2 > 12)
    for a in range(0, 300, 40):
        r = math.radians(a)
        c.line((16 + 3 * math.cos(r), 16 + 3 * math.sin(r)),
               (16 + 7 * math.cos(r), 16 + 7 * math.sin(r)), 1, bone[1])


def cracks(c, colour, seed, glow=None):
    """Bold branching cracks from the middle: this block can be shot apart."""
    centre = (16 + 4 * (hash01(0, 0, seed) - 0.5), 16 + 4 * (hash01(1, 0, seed) - 0.5))
    for i in range(5):
        angle = (i / 5.0 + 0.15 * hash01(i, 5, seed)) * 2 * math.pi
        reach = 11 + 5 * hash01(i, 6, seed)
        bend = 3 * (hash01(i, 7, seed) - 0.5)
        mid = (centre[0] + math.cos(angle) * reach * 0.5 + bend,
               centre[1] + math.sin(angle) * reach * 0.5 - bend)
        end = (centre[0] + math.cos(angle) * reach, centre[1] + math.sin(angle) * reach)
        if glow:
            c.line(centre, mid, 3.2, glow[2])
            c.line(mid, end, 2.4, glow[2])
        c.line(centre, mid, 1.6, glow[4] if glow else colour)
        c.line(mid, end, 1.2, glow[3] if glow else colour)


def frame(c, colour, width=1):
    c.rect(0, 0, TILE, width, colour)
    c.rect(0, TILE - width, TILE, TILE, colour)
    c.rect(0, 0, width, TILE, colour)
    c.rect(TILE - width, 0, TILE, TILE, colour)


# -- slopes -------------------------------------------------------------------

def slope(c, body, high_left, seed, growth=None):
    """Rock below a diagonal surface: high on the left (the surface falls one
    pixel per column) or low on the left; the surface is lit or overgrown."""
    below = [None] * (TILE * TILE)
    inner = type(c)(TILE, TILE)
    body(inner, seed)
    for y in range(TILE):
        for x in range(TILE):
            surface = x if high_left else TILE - 1 - x
            if y >= surface:
                below[y * TILE + x] = inner.get(x, y)
    c.pixels = below
    top = growth or ROCK
    for x in range(TILE):
        surface = x if high_left else TILE - 1 - x
        for k, shade in enumerate((top[4], top[3], top[3], top[2])):
            if growth or k < 2:
                c.set(x, surface + k, shade)


# -- breakable blocks ---------------------------------------------------------

def crate(c, wood, seed, braced=True):
    def at(u, v):
        board = int(v) // 8
        shade = 0.35 + 0.25 * hash01(board, 0, seed) + 0.2 * fractal_noise(u, v, TILE, seed, 2, 8)
        return wood[0] if int(v) % 8 == 7 else ramp_at(wood, shade)
    fill(c, at)
    frame(c, wood[0], 1)
    c.rect(1, 1, TILE - 1, 3, wood[3])
    if braced:
        c.line((3, 3), (29, 29), 3, wood[1])
        c.line((3, 3), (29, 29), 1.5, wood[3])
    for x, y in ((3, 3), (28, 3), (3, 28), (28, 28)):
        c.ellipse(x + 0.5, y + 0.5, 1.2, 1.2, STEEL[3])


def barrel(c, wood, seed):
    fill(c, lambda u, v: wood[0])

    def at(u, v):
        across = (u - 16) / 15.0
        if abs(across) > 1:
            return None
        return ramp_at(wood, 0.75 - 0.55 * abs(across + 0.3) + 0.1 * hash01(int(u) // 4, 0, seed))
    c.paint((0, 0, TILE, TILE), at)
    for y in (5, 26):
        c.rect(1, y, TILE - 1, y + 2, STEEL[1])


def rubble(c, stone, seed):
    fill(c, lambda u, v: stone[0])
    for i in range(9):
        x = 4 + 24 * hash01(i, 8, seed)
        y = 4 + 24 * hash01(i, 9, seed)
        r = 4 + 3 * hash01(i, 10, seed)
        c.ellipse(x, y, r, r * 0.8, stone)


def cracked(body, seed, glow=None):
    """A breakable version of a pattern: bolder edges and cracks through it."""
    def painter(c):
        body(c, seed)
        frame(c, CRACK, 1)
        cracks(c, CRACK, seed, glow)
    return painter
