"""The tile atlas: 16 x 8 cells of 32 x 32, cell c at column c & 15, row
c >> 4. Each code's picture matches what the game does with it: walls and
breakable blocks are opaque (breakables cracked), slopes are solid below
their diagonal, platforms are boards with open space below, ladders are
open between rails, and codes that block nothing are small or dim props.
"""
from functools import partial as with_args

from .canvas import Canvas
from . import tile_props as props
from . import tile_solids as solids
from .tile_solids import (BLUE_ROCK, BRICK, CRYSTAL, DARK_BRICK, DARK_STEEL, DEEP_ROCK, DIRT, EMBER, GOLD, ICE, MOSS,
                          OBSIDIAN, ROCK, RUBY, SANDSTONE, STEEL, TILE, WOOD)

ATLAS_COLUMNS, ATLAS_ROWS = 16, 8
ATLAS_WIDTH, ATLAS_HEIGHT = ATLAS_COLUMNS * TILE, ATLAS_ROWS * TILE


def layers(*painters):
    """One painter made of several, painted in order."""
    def painter(c):
        for paint in painters:
            paint(c)
    return painter


def rock(seed, stone=ROCK):
    return with_args(solids.cobbles, stone=stone, seed=seed)


def brick(seed, stone=BRICK, rows=4, length=16):
    return with_args(solids.bricks, stone=stone, seed=seed, rows=rows, length=length)


def metal(seed, sheet=STEEL, rivets=True):
    return with_args(solids.plate, metal=sheet, seed=seed, rivets=rivets)


def mossy(seed):
    return with_args(solids.grown_top, growth=MOSS, seed=seed)


def lip(stone):
    return with_args(solids.lit_top, stone=stone)


def seeded(body, stone):
    """A pattern taking (canvas, seed), as cracked() and slope() want it."""
    return lambda c, seed: body(c, stone, seed)


def hazard(c):
    solids.plate(c, DARK_STEEL, 5, rivets=False)
    for x in range(-32, 32, 8):
        c.polygon([(x, 26), (x + 4, 26), (x + 10, 6), (x + 6, 6)], GOLD)
    c.rect(0, 4, TILE, 6, DARK_STEEL[0])
    c.rect(0, 26, TILE, 28, DARK_STEEL[0])


def slots(c):
    solids.plate(c, STEEL, 6, rivets=False)
    for y in (8, 14, 20):
        c.rect(6, y, 26, y + 3, DARK_STEEL[0])


def lights(c):
    solids.plate(c, DARK_STEEL, 7)
    c.rect(8, 10, 24, 22, DARK_STEEL[0])
    for i, colour in enumerate(((80, 255, 120), (255, 200, 60), (255, 70, 60))):
        c.ellipse(12 + i * 4, 16, 1.5, 1.5, colour)


def girder_block(c):
    solids.plate(c, DARK_STEEL, 8, rivets=False)
    c.line((3, 3), (29, 29), 3, STEEL[3])
    c.line((29, 3), (3, 29), 3, STEEL[3])


ATLAS = {
    # row 0: cave rock, its slopes and cracked blocks
    1: with_args(props.vines, leaves=MOSS, seed=1),
    2: with_args(props.stalactite, stone=ROCK, seed=2),
    3: solids.cracked(seeded(solids.cobbles, ROCK), 3),
    4: solids.cracked(seeded(solids.cobbles, ROCK), 4),
    5: with_args(solids.rubble, stone=ROCK, seed=5),
    6: with_args(solids.slope, body=seeded(solids.cobbles, ROCK), high_left=False, seed=6,
                 growth=MOSS),
    7: with_args(solids.slope, body=seeded(solids.cobbles, ROCK), high_left=True, seed=7,
                 growth=MOSS),
    8: rock(8),
    9: rock(9),
    10: layers(rock(8), mossy(10)),
    11: rock(11, DEEP_ROCK),
    12: layers(rock(8), lip(ROCK)),
    13: layers(rock(9), with_args(solids.veins, mineral=CRYSTAL, seed=13)),
    14: layers(rock(8), with_args(solids.veins, mineral=GOLD, seed=14)),
    15: layers(rock(9), with_args(solids.fossil, bone=props.BONE)),
    # row 1: props, crates and bricks
    16: props.cobweb,
    17: with_args(props.chain, metal=STEEL),
    18: props.torch,
    19: with_args(solids.crate, wood=WOOD, seed=19),
    20: with_args(solids.crate, wood=WOOD, seed=20, braced=False),
    21: with_args(solids.barrel, wood=WOOD, seed=21),
    22: brick(22),
    23: brick(23),
    24: layers(brick(22), mossy(24)),
    25: layers(brick(23), lip(BRICK)),
    26: brick(26, DARK_BRICK),
    27: brick(27, DARK_BRICK),
    28: brick(28, rows=2, length=32),
    29: brick(29, DARK_BRICK, rows=2, length=32),
    30: layers(brick(26, DARK_BRICK), lip(DARK_BRICK)),
    31: layers(brick(23), with_args(props.vines, leaves=MOSS, seed=31, strands=2)),
    # row 2: the one class-8 block, cracked blocks, metal
    32: solids.cracked(seeded(solids.cobbles, DEEP_ROCK), 32, glow=EMBER),
    33: solids.cracked(seeded(solids.bricks, BRICK), 33),
    34: solids.cracked(seeded(solids.bricks, DARK_BRICK), 34),
    35: solids.cracked(seeded(solids.smooth_block, CRYSTAL), 35),
    36: solids.cracked(seeded(solids.smooth_block, ICE), 36),
    37: solids.cracked(seeded(solids.plate, DARK_STEEL), 37),
    38: metal(38),
    39: metal(39, rivets=False),
    40: metal(40, DARK_STEEL),
    41: hazard,
    42: slots,
    43: layers(metal(43), with_args(props.pipe, metal=DARK_STEEL)),
    44: lights,
    45: metal(45, DARK_STEEL, rivets=False),
    46: girder_block,
    47: layers(metal(47), lip(STEEL)),
    # row 3: floor props, earth, ore, ice, sandstone, obsidian
    48: with_args(props.rocks, stone=ROCK, seed=48),
    49: solids.cracked(seeded(solids.bricks, SANDSTONE), 49),
    50: solids.cracked(seeded(solids.strata, DIRT), 50),
    51: with_args(props.stalagmite, stone=ROCK, seed=51),
    52: with_args(props.mushrooms, cap=props.MUSHROOM, seed=52),
    53: with_args(solids.strata, stone=DIRT, seed=53),
    54: layers(with_args(solids.strata, stone=DIRT, seed=54), with_args(props.roots, wood=WOOD, seed=54)),
    55: layers(with_args(solids.strata, stone=DIRT, seed=53), with_args(solids.grown_top, growth=props.LEAF, seed=55)),
    56: layers(with_args(solids.strata, stone=DIRT, seed=56), with_args(solids.veins, mineral=GOLD, seed=56)),
    57: layers(rock(9), with_args(solids.veins, mineral=RUBY, seed=57)),
    58: with_args(solids.smooth_block, stone=ICE, seed=58),
    59: with_args(solids.smooth_block, stone=ICE, seed=59, shine=False),
    60: brick(60, SANDSTONE),
    61: brick(61, SANDSTONE, rows=2, length=32),
    62: with_args(solids.smooth_block, stone=OBSIDIAN, seed=62),
    63: layers(with_args(solids.smooth_block, stone=OBSIDIAN, seed=63, shine=False),
               with_args(solids.veins, mineral=CRYSTAL, seed=63)),
    # row 4: blue-rock slopes, floor props, the ladder top, platforms
    64: with_args(solids.slope, body=seeded(solids.cobbles, BLUE_ROCK), high_left=False, seed=64),
    65: with_args(solids.slope, body=seeded(solids.cobbles, BLUE_ROCK), high_left=True, seed=65),
    66: with_args(props.mushrooms, cap=props.GLOW_SHROOM, seed=66, glow=True),
    67: with_args(props.crystal_cluster, mineral=CRYSTAL, seed=67),
    68: props.bones,
    69: props.ladder_top,
    70: with_args(props.grass, leaves=props.LEAF, seed=70),
    71: with_args(props.roots, wood=WOOD, seed=71),
    72: props.sign,
    73: with_args(props.plank, wood=WOOD, left_end=True, right_end=False, seed=73),
    74: with_args(props.plank, wood=WOOD, left_end=False, right_end=False, seed=74),
    75: with_args(props.plank, wood=WOOD, left_end=False, right_end=True, seed=75),
    76: with_args(props.plank, wood=WOOD, left_end=True, right_end=True, seed=76),
    77: with_args(props.ledge, stone=ROCK, seed=77),
    78: with_args(props.grating, metal=STEEL),
    79: props.rope_bridge,
    # row 5: blue rock, the wooden ladder, hanging and background props
    80: rock(80, BLUE_ROCK),
    81: rock(81, BLUE_ROCK),
    82: layers(rock(80, BLUE_ROCK), with_args(solids.veins, mineral=CRYSTAL, seed=82)),
    83: layers(rock(81, BLUE_ROCK), lip(BLUE_ROCK)),
    84: layers(rock(80, BLUE_ROCK), mossy(84)),
    85: with_args(props.ladder, rails=WOOD, rungs=WOOD),
    86: with_args(props.crystal_cluster, mineral=CRYSTAL, seed=86, size=0.6),
    87: with_args(props.grate_window, metal=STEEL),
    88: props.lamp,
    89: with_args(props.pipe, metal=STEEL),
    90: with_args(props.pipe, metal=STEEL, horizontal=False),
    91: with_args(props.pipe, metal=STEEL, corner=True),
    92: with_args(props.vines, leaves=MOSS, seed=92, strands=2),
    93: with_args(props.stalactite, stone=ROCK, seed=93, big=False),
    94: props.back_wall(seeded(solids.cobbles, ROCK), 94),
    95: props.back_wall(seeded(solids.bricks, BRICK), 95),
    # row 6: deep rock, the metal ladder, more props and background walls
    96: rock(96, DEEP_ROCK),
    97: layers(rock(96, DEEP_ROCK), mossy(97)),
    98: layers(rock(11, DEEP_ROCK), lip(DEEP_ROCK)),
    99: with_args(solids.strata, stone=DIRT, seed=99),
    100: layers(brick(60, SANDSTONE), lip(SANDSTONE)),
    101: with_args(props.ladder, rails=STEEL, rungs=STEEL),
    102: props.mushroom_cap,
    103: with_args(props.cave_mouth, seed=103),
    104: with_args(props.rocks, stone=DEEP_ROCK, seed=104),
    105: with_args(props.ledge, stone=BLUE_ROCK, seed=105),
    106: props.back_wall(seeded(solids.bricks, DARK_BRICK), 106),
    107: props.back_wall(seeded(solids.cobbles, DEEP_ROCK), 107),
    108: with_args(props.beam, wood=WOOD),
    109: with_args(props.beam, wood=WOOD, vertical=False, horizontal=True),
    110: with_args(props.beam, wood=WOOD, horizontal=True),
    111: props.back_wall(seeded(solids.plate, STEEL), 111),
    # row 7: sandstone, steel, the rope ladder, props, girder walkways
    112: with_args(solids.smooth_block, stone=SANDSTONE, seed=112, shine=False),
    113: brick(113, SANDSTONE),
    114: layers(brick(26, DARK_BRICK), mossy(114)),
    115: layers(metal(115, DARK_STEEL), lip(DARK_STEEL)),
    116: layers(rock(96, DEEP_ROCK), with_args(solids.fossil, bone=props.BONE)),
    117: with_args(props.ladder, rails=props.ROPE, rungs=WOOD, rope=True),
    118: with_args(props.drip, seed=118),
    119: with_args(props.fern, leaves=props.LEAF),
    120: with_args(props.flowers, seed=120),
    121: with_args(props.crystal_cluster, mineral=RUBY, seed=121, size=0.6),
    122: with_args(props.lantern, light=props.FLAME),
    123: with_args(props.lantern, light=props.GLOW_SHROOM),
    124: with_args(props.girder, metal=STEEL, left_end=True, right_end=False),
    125: with_args(props.girder, metal=STEEL, left_end=False, right_end=False),
    126: with_args(props.girder, metal=STEEL, left_end=False, right_end=True),
    127: with_args(props.girder, metal=STEEL, left_end=True, right_end=True),
}


def paint_tile(code):
    cell = Canvas(TILE, TILE)
    if code in ATLAS:
        ATLAS[code](cell)
    return cell


def make_atlas():
    """The whole atlas as a canvas; cell 0 (never drawn) stays empty."""
    atlas = Canvas(ATLAS_WIDTH, ATLAS_HEIGHT)
    for code in range(ATLAS_COLUMNS * ATLAS_ROWS):
        atlas.paste(paint_tile(code), (code & 15) * TILE, (code >> 4) * TILE)
    return atlas
