"""Painters of the see-through tiles: one-way platforms, ladders, and the
decorations that do not block (drawn small or dark, with the background
showing around them, so they never pass for walls)."""
import math

from .colours import mix, ramp
from .noise import hash01
from .tile_solids import DARK_STEEL, ROCK, STEEL, TILE, WOOD

ROPE = ramp((196, 170, 110), shadow_depth=0.6, shine=0.4)
BONE = ramp((224, 214, 190), shadow_depth=0.6, shine=0.5)
MUSHROOM = ramp((200, 70, 120), shadow_depth=0.6, shine=0.6)
GLOW_SHROOM = ramp((90, 240, 180), shadow_depth=0.5, shine=0.8)
FLAME = ramp((255, 170, 40), shadow_depth=0.4, shine=0.9)
LEAF = ramp((80, 160, 70), shadow_depth=0.6, shine=0.5)
WEB = (200, 200, 210)
WATER = ramp((90, 160, 230), shadow_depth=0.5, shine=0.8)
BACKDROP_DIM = (24, 20, 34)  # what background walls are mixed towards


# -- one-way platforms: a board on top, nothing solid below ----------------------

def plank(c, wood, left_end, right_end, seed):
    """Boards along the top 9 rows, with posts under open ends."""
    x0 = 2 if left_end else 0
    x1 = TILE - 2 if right_end else TILE
    c.rect(x0, 0, x1, 9, wood[2])
    c.rect(x0, 0, x1, 2, wood[4])
    c.rect(x0, 7, x1, 9, wood[0])
    for x in range(x0, x1):
        if int(x + 7 * hash01(0, 0, seed)) % 16 == 0:
            c.rect(x, 2, x + 1, 7, wood[0])
    for end, x in ((left_end, 4), (right_end, TILE - 7)):
        if end:
            c.rect(x, 9, x + 3, 20, wood[1])
            c.line((x + 1.5, 19), (x + 1.5 + (6 if x < 16 else -6), 12), 2, wood[1])
    c.ellipse(9, 4.5, 1, 1, STEEL[3])
    c.ellipse(23, 4.5, 1, 1, STEEL[3])


def girder(c, metal, left_end, right_end):
    """A steel girder walkway: flanges and a zigzag web."""
    x0 = 2 if left_end else 0
    x1 = TILE - 2 if right_end else TILE
    c.rect(x0, 0, x1, 3, metal[4])
    c.rect(x0, 3, x1, 4, metal[2])
    c.rect(x0, 10, x1, 12, metal[1])
    for x in range(x0, x1, 8):
        c.line((x, 4), (min(x1, x + 4), 10), 1.5, metal[2])
        c.line((min(x1, x + 4), 10), (min(x1, x + 8), 4), 1.5, metal[2])


def grating(c, metal):
    c.rect(0, 0, TILE, 6, metal[1])
    for x in range(0, TILE, 4):
        c.rect(x, 0, x + 2, 6, metal[3])
    c.rect(0, 0, TILE, 1, metal[4])
    c.rect(0, 6, TILE, 8, metal[0])


def ledge(c, stone, seed):
    """A stone shelf: a slab on top tapering into a bracket below."""
    c.polygon([(0, 0), (TILE, 0), (TILE, 8), (24, 12), (8, 12), (0, 8)], stone)
    c.rect(0, 0, TILE, 2, stone[4])
    c.rect(0, 2, TILE, 3, stone[3])
    c.line((8, 12), (24, 12), 1, stone[0])
    c.ellipse(16, 6, 2, 1.5, stone[1])


def rope_bridge(c):
    c.line((0, 1), (TILE, 1), 1.5, ROPE[3])
    for x in range(1, TILE, 6):
        c.rect(x, 2, x + 5, 7, WOOD[2])
        c.rect(x, 2, x + 5, 3, WOOD[4])
    c.line((0, 7.5), (TILE, 7.5), 1.2, ROPE[1])


def mushroom_cap(c):
    c.rect(13, 6, 19, TILE, BONE[2])
    c.ellipse(16, 6, 16, 7, MUSHROOM, within=lambda u, v: v < 8.5)
    for x in (7, 16, 25):
        c.ellipse(x, 3, 1.8, 1.2, BONE[4])


# -- ladders ----------------------------------------------------------------

def ladder(c, rails, rungs, rope=False):
    """Two rails and rungs every 8 pixels; open between them."""
    for x in (5, TILE - 8):
        if rope:
            c.line((x + 1.5, 0), (x + 1.5, TILE), 2, rails[2])
            for y in range(0, TILE, 4):
                c.rect(x + 1, y, x + 2, y + 2, rails[1])
        else:
            c.rect(x, 0, x + 3, TILE, rails[2])
            c.rect(x, 0, x + 1, TILE, rails[4])
            c.rect(x + 2, 0, x + 3, TILE, rails[0])
    for y in range(4, TILE, 8):
        c.rect(8, y, TILE - 8, y + 2, rungs[2])
        c.rect(8, y, TILE - 8, y + 1, rungs[4])


def ladder_top(c):
    """The ladder's rails rising through a landing board one can stand on."""
    ladder(c, WOOD, WOOD)
    c.rect(0, 0, TILE, 7, WOOD[2])
    c.rect(0, 0, TILE, 2, WOOD[4])
    c.rect(0, 6, TILE, 8, WOOD[0])
    for x in (5, TILE - 8):
        c.rect(x, -1, x + 3, 2, WOOD[1])
    c.ellipse(16, 3.5, 1.5, 1.5, STEEL[3])


# -- decorations ----------------------------------------------------------------

def stalactite(c, stone, seed, big=True):
    width = 10 if big else 6
    length = 26 if big else 14
    x = 16 + 4 * (hash01(0, 1, seed) - 0.5)
    c.polygon([(x - width / 2, 0), (x + width / 2, 0), (x + 1, length), (x - 1, length)], stone)
    c.line((x - width / 4, 0), (x - 0.5, length - 4), 1, stone[3])
    if big:
        c.polygon([(x + 5, 0), (x + 9, 0), (x + 7, 10)], stone)


def stalagmite(c, stone, seed):
    x = 16 + 4 * (hash01(0, 2, seed) - 0.5)
    c.polygon([(x - 8, TILE), (x + 8, TILE), (x + 1, 6), (x - 1, 6)], stone)
    c.line((x - 4, TILE - 1), (x - 0.5, 9), 1, stone[3])
    c.polygon([(x + 6, TILE), (x + 12, TILE), (x + 9, 20)], stone)


def vines(c, leaves, seed, strands=3):
    for i in range(strands):
        x = 4 + (24.0 / max(1, strands - 1)) * i + 2 * hash01(i, 3, seed)
        length = 14 + 16 * hash01(i, 4, seed)
        for y in range(0, int(length), 2):
            sway = 1.5 * math.sin(y / 4.0 + i)
            c.rect(x + sway, y, x + sway + 1.5, y + 2, leaves[2])
            if y % 6 == 2:
                c.ellipse(x + sway + (2 if y % 12 == 2 else -1), y + 1, 2, 1.3, leaves[3])


def cobweb(c):
    for a in range(0, 91, 18):
        r = math.radians(a)
        c.line((0, 0), (30 * math.cos(r), 30 * math.sin(r)), 0.8, WEB)
    for k in (8, 15, 23):
        points = [(k * math.cos(math.radians(a)), k * math.sin(math.radians(a))) for a in range(0, 91, 18)]
        for p, q in zip(points, points[1:]):
            c.line(p, q, 0.8, WEB)


def chain(c, metal):
    for y in range(0, TILE, 6):
        c.ellipse(16, y + 2.5, 2, 3, metal, within=lambda u, v, y=y: abs(v - y - 2.5) > 1 or abs(u - 16) > 0.8)


def torch(c):
    c.rect(14, 16, 18, 28, WOOD[1])
    c.rect(12, 14, 20, 17, STEEL[2])
    c.ellipse(16, 9, 4.5, 7, FLAME)
    c.ellipse(16, 11, 2, 3.5, FLAME[4])


def rocks(c, stone, seed):
    for i in range(3):
        x = 6 + 20 * hash01(i, 5, seed)
        r = 3 + 3 * hash01(i, 6, seed)
        c.ellipse(x, TILE - r * 0.7, r, r * 0.7, stone)


def mushrooms(c, cap, seed, glow=False):
    for i in range(3):
        x = 6 + 20 * hash01(i, 7, seed)
        h = 6 + 8 * hash01(i, 8, seed)
        c.rect(x - 1, TILE - h, x + 1, TILE, BONE[2])
        c.ellipse(x, TILE - h, 4 + (2 if glow else 1), 3, cap, within=lambda u, v, t=TILE - h: v <= t + 0.5)
        if glow:
            c.ellipse(x - 1, TILE - h - 1, 1, 0.8, cap[4])


def bones(c):
    c.capsule((4, 29), (20, 27), 1.5, 1.5, BONE)
    c.ellipse(4, 29, 2.2, 2, BONE)
    c.ellipse(20, 27, 2.2, 2, BONE)
    c.ellipse(24, 24, 5, 4.5, BONE)                     # skull
    c.ellipse(25.5, 24, 1.3, 1.5, BONE[0])
    c.ellipse(22.5, 24, 1.3, 1.5, BONE[0])
    c.rect(22, 27, 27, 29, BONE[1])


def grass(c, leaves, seed):
    for i in range(8):
        x = 2 + 28 * hash01(i, 9, seed)
        h = 5 + 7 * hash01(i, 10, seed)
        c.line((x, TILE), (x + 2 * (hash01(i, 11, seed) - 0.5) * 3, TILE - h), 1.3, leaves[2 + i % 2])


def roots(c, wood, seed):
    for i in range(3):
        x = 6 + 20 * hash01(i, 12, seed)
        previous = (x, 0)
        for k in range(1, 6):
            point = (x + 4 * (hash01(i, k, seed) - 0.5), k * 5)
            c.line(previous, point, 2.2 - k * 0.3, wood[1])
            previous = point


def crystal_cluster(c, mineral, seed, size=1.0):
    for i, lean in enumerate((-0.35, 0.0, 0.4)):
        h = (10 + 8 * hash01(i, 13, seed)) * size
        x = 16 + (i - 1) * 6 * size
        tip = (x + lean * h, TILE - h)
        c.polygon([(x - 3 * size, TILE), (x + 3 * size, TILE), (tip[0] + 1, tip[1]), (tip[0] - 1, tip[1])], mineral)
        c.line((x - 1, TILE - 1), tip, 1, mineral[4])


def grate_window(c, metal):
    c.rect(4, 4, 28, 28, (16, 12, 22))
    for x in range(8, 26, 5):
        c.rect(x, 4, x + 2, 28, metal[1])
    c.rect(4, 4, 28, 6, metal[3])
    c.rect(4, 26, 28, 28, metal[1])
    c.rect(4, 4, 6, 28, metal[2])
    c.rect(26, 4, 28, 28, metal[1])


def lamp(c):
    c.line((16, 0), (16, 12), 1.2, STEEL[1])
    c.polygon([(10, 18), (22, 18), (19, 12), (13, 12)], DARK_STEEL)
    c.ellipse(16, 19, 4, 2.5, FLAME)


def pipe(c, metal, horizontal=True, corner=False):
    if corner:
        c.capsule((16, 32), (16, 16), 5, 5, metal)
        c.capsule((16, 16), (32, 16), 5, 5, metal)
        return
    a, b = ((0, 16), (32, 16)) if horizontal else ((16, 0), (16, 32))
    c.capsule(a, b, 5, 5, metal, round_ends=False)
    for t in (8, 24):
        p = (t, 16) if horizontal else (16, t)
        c.ellipse(p[0], p[1], 2.5 if horizontal else 6.5, 6.5 if horizontal else 2.5, metal[1])


def sign(c):
    c.rect(15, 14, 17, TILE, WOOD[1])
    c.polygon([(4, 6), (22, 6), (28, 11), (22, 16), (4, 16)], WOOD)
    c.line((8, 11), (20, 11), 1.5, WOOD[0])


def back_wall(body, seed):
    """A wall behind the play: painted from a solid pattern, then sunk into
    the dark with ragged holes so it cannot be taken for a solid wall."""
    def painter(c):
        body(c, seed)
        c.pixels = [mix(p, BACKDROP_DIM, 0.62) for p in c.pixels]
        holes = [(32 * hash01(i, 14, seed), 32 * hash01(i, 15, seed), 3 + 3 * hash01(i, 16, seed))
                 for i in range(5)]
        for y in range(TILE):
            for x in range(TILE):
                if any(((x + 0.5 - hx) / r) ** 2 + ((y + 0.5 - hy) / 2.5) ** 2 < 1 for hx, hy, r in holes):
                    c.set(x, y, None)
    return painter


def beam(c, wood, vertical=True, horizontal=False):
    dim = [mix(w, BACKDROP_DIM, 0.45) for w in wood]
    if vertical:
        c.rect(11, 0, 21, TILE, dim[2])
        c.rect(11, 0, 13, TILE, dim[3])
        c.rect(19, 0, 21, TILE, dim[1])
    if horizontal:
        c.rect(0, 11, TILE, 21, dim[2])
        c.rect(0, 11, TILE, 13, dim[3])
        c.rect(0, 19, TILE, 21, dim[1])


def drip(c, seed):
    x = 10 + 12 * hash01(0, 17, seed)
    c.polygon([(x - 3, 0), (x + 3, 0), (x, 6)], ROCK)
    for y in (10, 20):
        c.ellipse(x, y, 1.2, 2, WATER)


def fern(c, leaves):
    for side in (-1, 1):
        for k in range(4):
            base = (16, TILE - 2 - k * 5)
            c.line(base, (16 + side * (10 - k * 2), base[1] - 4), 1.4, leaves[2 + (k % 2)])
    c.line((16, TILE), (16, 10), 1.4, leaves[1])


def flowers(c, seed):
    grass(c, LEAF, seed)
    for i in range(3):
        x = 5 + 22 * hash01(i, 18, seed)
        y = TILE - 7 - 6 * hash01(i, 19, seed)
        c.ellipse(x, y, 2, 2, [(120, 40, 90), (200, 70, 150), (240, 120, 200), (255, 170, 230), (255, 220, 245)])
        c.ellipse(x, y, 0.8, 0.8, (255, 230, 80))


def lantern(c, light):
    c.line((16, 0), (16, 8), 1.2, STEEL[1])
    c.rect(11, 8, 21, 10, DARK_STEEL[2])
    c.rect(12, 10, 20, 20, light[3])
    c.rect(14, 12, 18, 18, light[4])
    c.rect(12, 10, 14, 20, DARK_STEEL[1])
    c.rect(18, 10, 20, 20, DARK_STEEL[1])
    c.rect(11, 20, 21, 22, DARK_STEEL[2])


def cave_mouth(c, seed):
    c.ellipse(16, 18, 13, 11, [(6, 4, 10)] * 5)
    c.ellipse(16, 18, 13, 11, (30, 24, 36), within=lambda u, v: (u - 16) ** 2 / 169.0 + (v - 18) ** 2 / 121.0 > 0.7)
