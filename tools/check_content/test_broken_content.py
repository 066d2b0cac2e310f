"""check-content on broken copies of the shipped data/: each copy must fail with its own line.

Run by CTest with CHECK_CONTENT (the checker program) and CONTENT_ROOT (the folder
that holds data/) in the environment.
"""
import os
import re
import shutil
import subprocess
import tempfile
import unittest

CHECKER = os.environ.get("CHECK_CONTENT", "")
CONTENT_ROOT = os.environ.get("CONTENT_ROOT", "")

ROOM_TILES = 20
WALL, EMPTY, PLATFORM, LADDER, LADDER_TOP = 8, 0, 74, 85, 69
START_TEMPLATE = (3, 1)  # the template the fixed maze gives the start room (25, 25)


class RoomTemplate:
    def __init__(self, tokens):
        self.tiles = [int(t) for t in tokens[:400]]
        self.head = [int(t) for t in tokens[400:404]]  # mask, reserved value, two flags
        count = int(tokens[404])
        self.spawns = [[int(t) for t in tokens[405 + 4 * i:409 + 4 * i]] for i in range(count)]
        self.size = 405 + 4 * count

    @property
    def mask(self):
        return self.head[0]

    def tile(self, row, col):
        return self.tiles[row * ROOM_TILES + col]

    def set_tile(self, row, col, code):
        self.tiles[row * ROOM_TILES + col] = code

    def text(self):
        rows = [" ".join(map(str, self.tiles[r * ROOM_TILES:(r + 1) * ROOM_TILES])) for r in range(ROOM_TILES)]
        return "\n".join(rows + [" ".join(map(str, self.head)), str(len(self.spawns))] +
                         [" ".join(map(str, spawn)) for spawn in self.spawns]) + "\n"


def read_map(path):
    with open(path) as map_file:
        tokens = map_file.read().split()
    templates, at = [], 1
    for _ in range(int(tokens[0])):
        templates.append(RoomTemplate(tokens[at:]))
        at += templates[-1].size
    return templates


def write_map(path, templates):
    with open(path, "w") as out:
        out.write("%d\n" % len(templates) + "".join(t.text() for t in templates))


def template(templates, mask, number):
    return [t for t in templates if t.mask == mask][number]


# Each breakage changes the templates (or the folder) and names the line it must cause.
def close_a_side_door(templates, folder):
    template(templates, 3, 0).set_tile(14, 0, WALL)
    return r"mask 3 template 0: left edge, row 14, column 0: tile 8 \(class 1\) where its doors want an opening"


def lift_a_walker(templates, folder):
    for room in templates:
        for i, spawn in enumerate(room.spawns):
            if spawn[3] == 4:
                spawn[1] -= 64
                return r"spawn %d \(type 4 at %d, %d\): a walker or stander whose feet are not on a floor cell" % (
                    i, spawn[0], spawn[1])
    raise AssertionError("no ledge walker in the shipped rooms")


def bury_a_hoverer(templates, folder):
    for room in templates:
        for i, spawn in enumerate(room.spawns):
            if spawn[3] == 14:
                room.set_tile(spawn[1] // 32, spawn[0] // 32, WALL)
                return r"spawn %d \(type 14 at .*\): the enemy's box overlaps the solid cell" % i
    raise AssertionError("no hovering shooter in the shipped rooms")


def use_an_undrawn_type(templates, folder):
    next(room for room in templates if room.spawns).spawns[0][3] = 3
    return r"\(type 3 at .*\): not one of the enemy types drawn for rooms"


def use_a_type_without_behaviour(templates, folder):
    next(room for room in templates if room.spawns).spawns[0][3] = 20
    return r"data/map.txt: .*enemy type"


def use_a_tile_code_out_of_range(templates, folder):
    template(templates, 5, 0).set_tile(5, 5, 200)
    return r"data/map.txt: .*tile code"


def drop_a_door_mask(templates, folder):
    template(templates, 14, 0).head[0] = 13
    return r"data/map.txt: .*no template has door mask 14"


def open_a_closed_cell(templates, folder):
    template(templates, 0, 0).set_tile(5, 6, EMPTY)
    return r"mask 0 template 0: row 5, column 6: tile 0 is not rock"


def wall_in_a_climb(templates, folder):
    template(templates, 4, 0).set_tile(14, 9, WALL)
    return r"mask 4 template 0: the ladder at row \d+, column 10 cannot be climbed"


def block_the_start_hall(templates, folder):
    room = template(templates, *START_TEMPLATE)
    for row in range(2, 17):
        room.set_tile(row, 15, WALL)
    return r"room \(26, 25\), mask 6 template \d: the player cannot get there from the start"


def take_away_a_dead_end_ladder(templates, folder):
    # (22, 27) is the foot of a column of three rooms: one can drop in but no more climb out.
    room = template(templates, 4, 0)
    for row in range(1, 17):
        room.set_tile(row, 10, EMPTY)
    return r"room \(22, 27\), mask 4 template 0: the player cannot get back from there to the start room"


def take_away_the_rungs(templates, folder):
    # Without a platform to stop it, a jump off a long ladder falls fast enough to sink into a floor.
    for room in templates:
        for row in range(1, 17):
            if room.tile(row, 10) == LADDER_TOP:
                room.set_tile(row, 10, LADDER)
                for col in (8, 9, 11):
                    room.set_tile(row, col, EMPTY)
    return r"the player can end up inside a wall at \(\d+, \d+\)"


def arm_the_start_hall(templates, folder):
    template(templates, *START_TEMPLATE).spawns.append([400, 543, 1, 17])
    return r"room \(25, 25\), mask 3 template 1: the start room holds a shooter \(spawn \d+, type 17\)"


def raise_the_start_floor(templates, folder):
    room = template(templates, *START_TEMPLATE)
    for col in range(8, 13):
        room.set_tile(13, col, PLATFORM)
    return r"room \(25, 25\), mask 3 template 1: the player lands after \d+ passes"


def lose_the_tile_atlas(templates, folder):
    with open(os.path.join(folder, "data", "contents.txt")) as contents:
        words = contents.read().split()
    atlas = os.path.join(folder, "data", words[int(words[0]) + 2], "tiles.bmp")
    os.remove(atlas)
    return re.escape(os.path.basename(os.path.dirname(atlas)) + "/tiles.bmp")


BREAKAGES = [
    close_a_side_door, lift_a_walker, bury_a_hoverer, use_an_undrawn_type, use_a_type_without_behaviour,
    use_a_tile_code_out_of_range, drop_a_door_mask, open_a_closed_cell, wall_in_a_climb, block_the_start_hall,
    take_away_a_dead_end_ladder, take_away_the_rungs, arm_the_start_hall, raise_the_start_floor,
    lose_the_tile_atlas,
]


def run_checker(folder):
    result = subprocess.run([CHECKER, folder], capture_output=True, text=True, timeout=300)
    return result.returncode, result.stderr


@unittest.skipUnless(CHECKER and CONTENT_ROOT, "needs CHECK_CONTENT and CONTENT_ROOT")
class BrokenContentTest(unittest.TestCase):
    def copy_of_data(self):
        folder = tempfile.mkdtemp(prefix="broken-content-")
        self.addCleanup(shutil.rmtree, folder)
        shutil.copytree(os.path.join(CONTENT_ROOT, "data"), os.path.join(folder, "data"))
        return folder

    def test_the_shipped_copy_passes(self):
        status, errors = run_checker(self.copy_of_data())
        self.assertEqual((status, errors), (0, ""))

    def test_each_breakage_fails_with_its_line(self):
        for breakage in BREAKAGES:
            with self.subTest(breakage.__name__):
                folder = self.copy_of_data()
                map_path = os.path.join(folder, "data", "map.txt")
                templates = read_map(map_path)
                expected = breakage(templates, folder)
                write_map(map_path, templates)
                status, errors = run_checker(folder)
                self.assertNotEqual(status, 0, errors)
                self.assertRegex(errors, expected)


if __name__ == "__main__":
    unittest.main()
