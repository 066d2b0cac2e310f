"""The shipped pictures: the form the game's reader needs, the sizes world
setup cuts, and pictures that match what the game does with them."""
import os
import struct
import unittest

from generated import bitmap, contents, luminance, output_folder, read_file

from art.bmp import encode_bmp
from art.skins import PART_BLOCK
from animation.skeleton import BONES, PARTS, SMALL_PARTS, kind_of

# Collision class of every tile code, as the game's table has it.
CONV = [
    0, 0, 0, 9, 9, 9, 3, 2, 1, 1, 1, 1, 1, 1, 1, 1,
    0, 0, 0, 9, 9, 9, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
    8, 9, 9, 9, 9, 9, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
    0, 9, 9, 7, 7, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1,
    3, 2, 0, 7, 7, 5, 0, 0, 0, 6, 6, 6, 6, 6, 6, 6,
    1, 1, 1, 1, 1, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0,
    1, 1, 1, 1, 1, 4, 6, 0, 0, 6, 0, 0, 0, 0, 0, 0,
    1, 1, 1, 1, 1, 4, 0, 0, 0, 0, 0, 0, 6, 6, 6, 6,
]
SOLID, SLOPE_DOWN, SLOPE_UP, LADDER, LADDER_TOP, PLATFORM, INERT, BREAKABLE = 1, 2, 3, 4, 5, 6, 7, (8, 9)
TILE = 32
# Wall codes painted as continuous rock and earth: they must join themselves unseen.
SEAMLESS_FILLS = (8, 9, 11, 53, 80, 81, 96)
FIXED_PICTURES = ("healthbar.bmp", "itembar.bmp", "bossbar.bmp", "emptybar.bmp", "projectiles/bullet.bmp")
SPAWNED_TYPES = (4, 7, 8, 13, 14, 16, 17)


def skin_paths():
    return ["%s/skin.bmp" % name for name in contents()[0]]


def scenery_paths():
    return ["%s/%s.bmp" % (name, picture) for name in contents()[1] for picture in ("background", "tiles")]


def projectile_paths():
    return ["projectiles/%s.bmp" % name for name in contents()[2]]


def all_pictures():
    return skin_paths() + scenery_paths() + projectile_paths() + list(FIXED_PICTURES)


def is_power_of_two(n):
    return n > 0 and n & (n - 1) == 0


def cell_pixels(atlas, code):
    x0, y0 = (code & 15) * TILE, (code >> 4) * TILE
    return [[atlas.opaque(x0 + x, y0 + y) for x in range(TILE)] for y in range(TILE)]


class BitmapForm(unittest.TestCase):
    def test_every_picture_has_the_form_the_reader_takes(self):
        for path in all_pictures():
            with self.subTest(path=path):
                data = read_file(path)
                b = bitmap(path)
                self.assertEqual(data[:2], b"BM")
                self.assertEqual((b.bits, b.compression), (8, 0))
                self.assertTrue(1 <= b.colour_count <= 256)
                self.assertEqual(b.width % 4, 0, "rows would need padding the reader skips")
                self.assertGreater(b.height, 0)
                self.assertEqual(struct.unpack_from("<I", data, 10)[0], 54 + 4 * b.colour_count)
                self.assertEqual(len(data), 54 + 4 * b.colour_count + b.width * b.height)
                used = {i for row in b.indices for i in row}
                self.assertLess(max(used), b.colour_count, "an index past the palette shows white")

    def test_sizes_are_those_world_setup_cuts(self):
        expected = {path: (64, 1024) for path in skin_paths()}
        expected.update({path: (64, 64) for path in projectile_paths()})
        for path in scenery_paths():
            expected[path] = (640, 640) if path.endswith("background.bmp") else (512, 256)
        for path, size in expected.items():
            with self.subTest(path=path):
                b = bitmap(path)
                self.assertEqual((b.width, b.height), size)

    def test_whole_file_textures_have_power_of_two_sides(self):
        for path in FIXED_PICTURES:
            with self.subTest(path=path):
                b = bitmap(path)
                self.assertTrue(is_power_of_two(b.width) and is_power_of_two(b.height))

    def test_cut_out_pictures_carry_the_transparent_key(self):
        for path in skin_paths() + projectile_paths() + [p for p in scenery_paths() if "tiles" in p]:
            with self.subTest(path=path):
                self.assertIn((255, 0, 255), bitmap(path).palette)

    def test_background_and_bars_are_opaque(self):
        for path in [p for p in scenery_paths() if "background" in p] + list(FIXED_PICTURES[:4]):
            with self.subTest(path=path):
                b = bitmap(path)
                self.assertTrue(all(b.opaque(x, y) for y in range(b.height) for x in range(b.width)))


class Writer(unittest.TestCase):
    def test_refuses_pictures_the_reader_would_misread(self):
        for width, height, colours in ((6, 2, 1), (4, 0, 1), (20, 20, 257)):
            pixels = [(i % 256, i // 256, 0) for i in range(colours)]
            pixels += [pixels[0]] * (width * height - len(pixels))
            with self.subTest(width=width, height=height, colours=colours):
                with self.assertRaises(ValueError):
                    encode_bmp(width, height, pixels)


class ContentList(unittest.TestCase):
    def test_counts_and_names_fit_the_loader(self):
        skins, scenery, projectiles = contents()
        self.assertEqual(len(skins), 18)
        self.assertGreaterEqual(len(scenery), 1)
        self.assertGreaterEqual(len(projectiles), 1)
        for name in skins + scenery + projectiles:
            self.assertLessEqual(len(name), 234)
        for path in all_pictures():
            self.assertTrue(os.path.isfile(os.path.join(output_folder(), path)), path)


class Skins(unittest.TestCase):
    def blocks(self, path):
        b = bitmap(path)
        return [[[b.opaque(x, 64 * k + y) for x in range(64)] for y in range(64)] for k in range(16)]

    def test_every_part_is_drawn_and_kept_inside_its_block(self):
        for path in skin_paths():
            for part, block in enumerate(self.blocks(path)):
                with self.subTest(skin=path, part=PARTS[part]):
                    self.assertTrue(any(any(row) for row in block), "empty part")
                    edge = block[0] + block[63] + [row[0] for row in block] + [row[63] for row in block]
                    self.assertFalse(any(edge), "part cut off at its block's edge")

    def test_every_part_reaches_the_joints_it_shares(self):
        for path in skin_paths():
            blocks = self.blocks(path)
            for part, name in enumerate(PARTS):
                bone = BONES[kind_of(name)]
                block = blocks[PART_BLOCK[part]]
                for x, y in [bone.pivot] + list(bone.joints.values()):
                    near = [block[32 + y + dy][32 + x + dx] for dy in (-1, 0) for dx in (-1, 0)]
                    with self.subTest(skin=path, part=name, point=(x, y)):
                        self.assertTrue(any(near), "a gap would open at this joint")

    def test_parts_lent_to_the_player_by_placed_enemies_are_small(self):
        for enemy in SPAWNED_TYPES:
            if enemy >= 16:
                continue
            with self.subTest(enemy=enemy):
                self.assertTrue(PARTS[enemy] in SMALL_PARTS or PARTS[enemy] == "gun")
                block = self.blocks(skin_paths()[enemy])[PART_BLOCK[enemy]]
                covered = sum(sum(row) for row in block)
                self.assertLess(covered, 64 * 64 // 6)

    def test_placed_enemies_look_different_from_each_other_and_the_player(self):
        def main_colour(skin, part):
            b = bitmap(skin_paths()[skin])
            k = PART_BLOCK[part]
            colours = [b.colour(x, 64 * k + y) for y in range(64) for x in range(64)]
            colours = [c for c in colours if c is not None]
            return max(set(colours), key=colours.count)
        chest = PARTS.index("chest")
        looks = {enemy: main_colour(enemy, chest) for enemy in SPAWNED_TYPES}
        looks["player"] = main_colour(chest, chest)
        self.assertEqual(len(set(looks.values())), len(looks), looks)


class TileAtlas(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.atlas = bitmap([p for p in scenery_paths() if "tiles" in p][0])

    def cells(self, classes):
        return [code for code in range(1, 128) if CONV[code] in classes]

    def test_walls_and_breakable_blocks_are_opaque(self):
        for code in self.cells((SOLID,) + BREAKABLE):
            with self.subTest(code=code):
                self.assertTrue(all(all(row) for row in cell_pixels(self.atlas, code)))

    def test_slopes_are_solid_exactly_below_their_walking_surface(self):
        for code in self.cells((SLOPE_DOWN, SLOPE_UP)):
            cell = cell_pixels(self.atlas, code)
            for x in range(TILE):
                surface = x if CONV[code] == SLOPE_DOWN else TILE - 1 - x
                with self.subTest(code=code, column=x):
                    self.assertEqual([cell[y][x] for y in range(TILE)],
                                     [y >= surface for y in range(TILE)])

    def test_platforms_are_boards_with_open_space_below(self):
        for code in self.cells((PLATFORM, LADDER_TOP)):
            cell = cell_pixels(self.atlas, code)
            with self.subTest(code=code):
                self.assertGreaterEqual(sum(cell[1]), TILE * 3 // 4, "no board along the top")
                self.assertLess(sum(sum(row) for row in cell[16:]), TILE * 16 // 2)

    def test_ladders_have_rails_all_the_way_and_gaps_between_rungs(self):
        for code in self.cells((LADDER, LADDER_TOP)):
            cell = cell_pixels(self.atlas, code)
            with self.subTest(code=code):
                self.assertTrue(all(any(row[:16]) and any(row[16:]) for row in cell[8:]))
                self.assertTrue(any(not row[16] for row in cell))

    def test_filling_walls_join_themselves_without_a_seam(self):
        def column_step(code, a, b):
            x0, y0 = (code & 15) * TILE, (code >> 4) * TILE
            return sum(abs(luminance(self.atlas.colour(x0 + a, y0 + y)) -
                           luminance(self.atlas.colour(x0 + b, y0 + y))) for y in range(TILE)) / TILE
        for code in SEAMLESS_FILLS:
            inside = sum(column_step(code, x, x + 1) for x in range(TILE - 1)) / (TILE - 1)
            with self.subTest(code=code):
                self.assertLessEqual(column_step(code, TILE - 1, 0), 2.5 * inside + 4)

    def mean_luminance(self, code):
        x0, y0 = (code & 15) * TILE, (code >> 4) * TILE
        lit = [luminance(self.atlas.colour(x0 + x, y0 + y)) for y in range(TILE) for x in range(TILE)
               if self.atlas.opaque(x0 + x, y0 + y)]
        return sum(lit) / len(lit)

    def test_cells_that_block_nothing_are_props_not_walls(self):
        walls = sum(self.mean_luminance(c) for c in self.cells((SOLID,))) / len(self.cells((SOLID,)))
        for code in self.cells((0, INERT)):
            cell = cell_pixels(self.atlas, code)
            covered = sum(sum(row) for row in cell)
            with self.subTest(code=code):
                self.assertGreater(covered, 0, "nothing drawn")
                self.assertLess(covered, TILE * TILE * 9 // 10, "as solid as a wall")
                if covered > TILE * TILE // 2:
                    self.assertLess(self.mean_luminance(code), 0.7 * walls, "a wall-like prop must be dim")

    def test_background_is_darker_than_the_walls_in_front_of_it(self):
        walls = [luminance(self.atlas.colour((c & 15) * TILE + x, (c >> 4) * TILE + y))
                 for c in self.cells((SOLID,)) for y in range(0, TILE, 4) for x in range(0, TILE, 4)]
        back = bitmap([p for p in scenery_paths() if "background" in p][0])
        behind = [luminance(back.colour(x, y)) for y in range(0, 640, 8) for x in range(0, 640, 8)]
        self.assertLess(sum(behind) / len(behind), 0.6 * sum(walls) / len(walls))
        self.assertLess(max(behind) - min(behind), 80, "too much contrast to stay behind")


class Background(unittest.TestCase):
    def test_it_joins_itself_without_a_seam(self):
        back = bitmap([p for p in scenery_paths() if "background" in p][0])

        def step(a, b):
            return sum(abs(luminance(a[i]) - luminance(b[i])) for i in range(len(a))) / len(a)
        # the wall is painted in 2x2 dabs: compare the seam with steps between dabs
        column = [[back.colour(x, y) for y in range(640)] for x in (0, 1, 2, 637, 638, 639)]
        row = [[back.colour(x, y) for x in range(640)] for y in (0, 1, 2, 637, 638, 639)]
        for lines in (column, row):
            inside = (step(lines[1], lines[2]) + step(lines[3], lines[4])) / 2.0
            self.assertLessEqual(step(lines[5], lines[0]), 2.0 * inside + 1.0)


class HudAndShots(unittest.TestCase):
    def test_full_health_segment_is_bright_and_the_empty_one_dark(self):
        full, empty = bitmap("healthbar.bmp"), bitmap("emptybar.bmp")
        centre = (full.width // 2, full.height // 2)
        bright, dark = full.colour(*centre), empty.colour(*centre)
        self.assertGreater(luminance(bright), 2 * luminance(dark))
        self.assertGreater(bright[1], max(bright[0], bright[2]), "full health should read green")

    def test_shot_is_small_centred_and_flies_right(self):
        for path in projectile_paths():
            shot = bitmap(path)
            lit = [(x, y) for y in range(64) for x in range(64) if shot.opaque(x, y)]
            xs, ys = [p[0] for p in lit], [p[1] for p in lit]
            with self.subTest(path=path):
                self.assertTrue(10 <= max(xs) - min(xs) + 1 <= 20)
                self.assertLessEqual(max(ys) - min(ys) + 1, 12)
                self.assertLess(abs((max(xs) + min(xs)) / 2.0 - 31.5), 4)
                self.assertLess(abs((max(ys) + min(ys)) / 2.0 - 31.5), 2)
                hottest = max(lit, key=lambda p: luminance(shot.colour(*p)))
                self.assertGreater(hottest[0], 32, "the bright head should lead, on the right")


if __name__ == "__main__":
    unittest.main()
