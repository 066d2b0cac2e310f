"""Preview pictures of the generated content, for looking at, not shipping.

  python3 -m tools.content.art.preview DATA_FOLDER OUTPUT_FOLDER

Writes atlas.png (the tile atlas), figures.png
(the player and every enemy type in their animations, drawn as the game
draws them: 64x64 parts at half size, turned, linearly filtered and
alpha-tested), room.png (a made-up room with figures in it) and, when the
folder holds a map.txt, rooms.png (every room template at half size).
"""
import math
import os
import sys

from ..animation.reader import read_animations
from .bmp import decode_bmp
from .content_list import parse_contents
from .png import write_png
from .skins import PART_BLOCK

TRANSPARENT = (68.0, 68.0, 68.0, 0.0)  # what the game makes of magenta
ALPHA_CUT = 0.1 * 255
FIGURE_SCALE = 0.5


def load_bmp(path):
    with open(path, "rb") as f:
        return decode_bmp(f.read())


def block_texture(pixels, block):
    """RGBA texels of one 64x64 block of a 64-wide skin."""
    rows = pixels[block * 4096:(block + 1) * 4096]
    return [TRANSPARENT if c is None else (float(c[0]), float(c[1]), float(c[2]), 255.0)
            for c in rows]


def sample(texture, s, t):
    """Bilinear sample at texel coordinates, repeating like the game's textures."""
    s -= 0.5
    t -= 0.5
    x0, y0 = int(math.floor(s)), int(math.floor(t))
    fx, fy = s - x0, t - y0
    out = [0.0, 0.0, 0.0, 0.0]
    for dy, wy in ((0, 1 - fy), (1, fy)):
        for dx, wx in ((0, 1 - fx), (1, fx)):
            texel = texture[((y0 + dy) % 64) * 64 + (x0 + dx) % 64]
            w = wx * wy
            for k in range(4):
                out[k] += texel[k] * w
    return out


class Image:
    def __init__(self, width, height, colour):
        self.width, self.height = width, height
        self.pixels = [colour] * (width * height)

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = colour

    def blit(self, pixels, width, height, x0, y0, zoom=1, key=None):
        for y in range(height * zoom):
            for x in range(width * zoom):
                c = pixels[(y // zoom) * width + x // zoom]
                if c is not None and c != key:
                    self.put(x0 + x, y0 + y, c)

    def zoomed(self, zoom):
        big = Image(self.width * zoom, self.height * zoom, (0, 0, 0))
        big.blit(self.pixels, self.width, self.height, 0, 0, zoom)
        return big

    def save(self, path):
        write_png(path, self.width, self.height, self.pixels)


def draw_figure(image, textures, joints, anchor, mirrored):
    """The game's figure drawing: each part square turned about its centre."""
    for texture, (jx, jy, angle) in zip(textures, joints):
        a = math.radians(angle * 60.0)
        cos_a, sin_a = math.cos(a), math.sin(a)
        sign = -1.0 if mirrored else 1.0
        cx = anchor[0] + sign * jx * FIGURE_SCALE
        cy = anchor[1] + jy * FIGURE_SCALE
        reach = 32 * FIGURE_SCALE * 1.5
        for y in range(int(cy - reach), int(cy + reach) + 1):
            for x in range(int(cx - reach), int(cx + reach) + 1):
                # back from the screen to the part's own square
                qx = sign * (x + 0.5 - cx) / FIGURE_SCALE
                qy = (y + 0.5 - cy) / FIGURE_SCALE
                u = qx * cos_a + qy * sin_a
                v = -qx * sin_a + qy * cos_a
                if abs(u) >= 32 or abs(v) >= 32:
                    continue
                r, g, b, alpha = sample(texture, u + 32, v + 32)
                if alpha > ALPHA_CUT:
                    image.put(x, y, (int(r), int(g), int(b)))


def figure_textures(skins, who):
    """The 16 part textures of the player (who = None) or an enemy type."""
    textures = []
    for part in range(16):
        skin = skins[(part if who is None else who) % len(skins)]
        textures.append(block_texture(skin, PART_BLOCK[part]))
    return textures


PLAYER_SHOWS = [(0, 0), (0, 5), (1, 0), (1, 2), (1, 4), (1, 6), (14, 0), (14, 3), (14, 6),
                (13, 0), (10, 0), (12, 0), (6, 0), (7, 2), (8, 2), (18, 2), (19, 2), (20, 2),
                (21, 2), (22, 2), (23, 0), (24, 0), (24, 4), (29, 2), (30, 2), (31, 2), (32, 2),
                (33, 2), (2, 0), (2, 4)]
ENEMY_SHOWS = [(41, 0), (1, 0), (1, 2), (1, 4), (1, 6), (13, 0), (50, 0), (50, 4), (37, 0),
               (37, 1), (37, 2), (37, 3), (4, 2), (5, 2), (0, 0), (15, 2), (16, 2), (17, 2),
               (2, 0), (2, 4), (54, 0), (54, 2), (66, 0), (66, 2), (66, 4), (66, 5)]


def figures_sheet(skins, animations, who_list, cell=44, tall=80):
    rows = len(who_list)
    columns = max(len(PLAYER_SHOWS), len(ENEMY_SHOWS))
    image = Image(columns * cell, rows * tall, (58, 62, 74))
    for row, who in enumerate(who_list):
        textures = figure_textures(skins, who)
        shows = PLAYER_SHOWS if who is None else ENEMY_SHOWS
        base_y = row * tall + tall - 8
        for column, (anim, frame) in enumerate(shows):
            x0 = column * cell
            for x in range(x0, x0 + cell):
                image.put(x, base_y + 1, (30, 30, 36))
            if column % 2:
                for y in range(base_y - tall + 8, base_y + 1):
                    image.put(x0, y, (66, 70, 84))
            draw_figure(image, textures, animations[anim].frames[frame],
                        (x0 + cell / 2.0, base_y), mirrored=False)
    return image


def atlas_sheet(atlas, zoom=2):
    width, height, pixels = atlas
    image = Image(width, height, (255, 0, 255))
    image.blit(pixels, width, height, 0, 0)
    for y in range(height):
        for x in range(width):
            if pixels[y * width + x] is None:
                checker = ((x // 4) + (y // 4)) % 2
                image.put(x, y, (90, 90, 100) if checker else (120, 120, 130))
    return image.zoomed(zoom)


def room_tiles(background, atlas, tiles):
    """A room as the game draws it: the background, then every tile."""
    image = Image(640, 640, (0, 0, 0))
    image.blit(background[2], 640, 640, 0, 0)
    _, _, atlas_pixels = atlas
    for row, line in enumerate(tiles):
        for column, code in enumerate(line):
            if code == 0:
                continue
            ax, ay = (code & 15) * 32, (code >> 4) * 32
            cell = [atlas_pixels[(ay + y) * 512 + ax + x] for y in range(32) for x in range(32)]
            image.blit(cell, 32, 32, column * 32, row * 32)
    return image


def room_picture(background, atlas, tiles, skins, animations):
    image = room_tiles(background, atlas, tiles)
    hero = figure_textures(skins, None)
    draw_figure(image, hero, animations[0].frames[0], (15 + 200, 32 * 15 - 1), False)
    draw_figure(image, hero, animations[1].frames[2], (15 + 280, 32 * 15 - 1), True)
    for i, who in enumerate((4, 7, 17)):
        draw_figure(image, figure_textures(skins, who), animations[41 if who == 17 else 1].frames[0],
                    (380 + 60 * i, 32 * 15 - 1), True)
    for i, who in enumerate((8, 13, 14, 16)):
        draw_figure(image, figure_textures(skins, who), animations[50].frames[0],
                    (120 + 110 * i, 200), i % 2 == 1)
    return image


SAMPLE_ROOM = [
    [8] * 20,
    [8, 12, 12, 12, 12, 12, 12, 12, 12, 0, 0, 12, 12, 12, 12, 12, 12, 12, 12, 8],
    [8, 0, 1, 0, 0, 86, 0, 0, 0, 0, 0, 0, 0, 88, 0, 0, 2, 0, 0, 8],
    [8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8],
    [8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8],
    [8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8],
    [8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8],
    [8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 8],
    [8, 73, 74, 75, 0, 0, 0, 0, 0, 0, 69, 0, 0, 0, 0, 124, 125, 126, 127, 8],
    [8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 85, 0, 0, 0, 0, 0, 0, 0, 0, 8],
    [11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 101, 0, 0, 0, 0, 0, 0, 0, 0, 8],
    [11, 0, 0, 0, 0, 0, 0, 0, 0, 0, 117, 0, 0, 0, 0, 0, 0, 0, 0, 8],
    [11, 0, 51, 0, 0, 0, 0, 0, 0, 0, 85, 0, 0, 0, 0, 67, 0, 0, 0, 8],
    [11, 6, 52, 0, 0, 0, 0, 0, 0, 0, 85, 0, 0, 0, 0, 68, 0, 0, 32, 33],
    [9, 10, 7, 0, 0, 0, 0, 0, 0, 0, 85, 0, 0, 0, 0, 0, 64, 65, 34, 35],
    [10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10, 10],
    [8, 8, 8, 9, 8, 8, 8, 8, 13, 8, 8, 8, 8, 8, 8, 8, 9, 8, 8, 8],
    [22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 38, 39, 40, 41, 42, 43, 44, 45, 46, 47],
    [53, 54, 55, 56, 57, 58, 59, 60, 61, 62, 63, 80, 81, 82, 83, 84, 96, 97, 98, 99],
    [100, 112, 113, 114, 115, 116, 3, 4, 5, 19, 20, 21, 36, 37, 49, 50, 14, 15, 15, 15],
]


def read_templates(data):
    """The tile grids of every room template in map.txt."""
    with open(os.path.join(data, "map.txt")) as f:
        words = f.read().split()
    count, i, grids = int(words[0]), 1, []
    for _ in range(count):
        codes = [int(w) for w in words[i:i + 400]]
        grids.append([codes[r * 20:(r + 1) * 20] for r in range(20)])
        spawns = int(words[i + 404])
        i += 405 + 4 * spawns
    return grids


def templates_sheet(background, atlas, grids, columns=6):
    """Every room template at half size."""
    rows = (len(grids) + columns - 1) // columns
    sheet = Image(columns * 324, rows * 324, (0, 0, 0))
    for n, grid in enumerate(grids):
        room = room_tiles(background, atlas, grid)
        half = [room.pixels[(2 * y) * 640 + 2 * x] for y in range(320) for x in range(320)]
        sheet.blit(half, 320, 320, (n % columns) * 324, (n // columns) * 324)
    return sheet


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: python3 -m tools.content.art.preview DATA_FOLDER OUTPUT_FOLDER\n")
        return 2
    data, out = argv[1], argv[2]
    os.makedirs(out, exist_ok=True)
    with open(os.path.join(data, "contents.txt")) as f:
        skin_names, scenery, _ = parse_contents(f.read())
    skins = [load_bmp(os.path.join(data, name, "skin.bmp"))[2] for name in skin_names]
    with open(os.path.join(data, "AnimationData.txt")) as f:
        _, animations = read_animations(f.read())
    atlas = load_bmp(os.path.join(data, scenery[0], "tiles.bmp"))
    background = load_bmp(os.path.join(data, scenery[0], "background.bmp"))
    atlas_sheet(atlas).save(os.path.join(out, "atlas.png"))
    spawned = [None, 4, 7, 8, 13, 14, 16, 17]
    figures_sheet(skins, animations, spawned).zoomed(2).save(os.path.join(out, "figures.png"))
    others = [t for t in range(18) if t not in spawned]
    figures_sheet(skins, animations, others).zoomed(2).save(os.path.join(out, "figures_unused.png"))
    room_picture(background, atlas, SAMPLE_ROOM, skins, animations).save(os.path.join(out, "room.png"))
    if os.path.exists(os.path.join(data, "map.txt")):
        templates_sheet(background, atlas, read_templates(data)).save(os.path.join(out, "rooms.png"))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
