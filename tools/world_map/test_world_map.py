"""world-map on the shipped data/: the picture's size, its start mark, spawn marks and dimmed closed cells.

Run by CTest with WORLD_MAP (the program) and CONTENT_ROOT (the folder that holds
data/) in the environment.
"""
import os
import shutil
import struct
import subprocess
import tempfile
import unittest
import zlib

WORLD_MAP = os.environ.get("WORLD_MAP", "")
CONTENT_ROOT = os.environ.get("CONTENT_ROOT", "")

SHRINK = 8              # world pixels per map pixel
FIRST_ROOM = (19, 18)   # the fixed maze lies in rooms 19..32 across, 18..27 down
ROOMS = (14, 10)
START = (16320, 16320)  # the player's top-left corner at the start
START_TEMPLATE = (3, 1)  # the start room's template: mask 3, the second of them
MARK_COLOURS = {4: (245, 130, 48), 7: (210, 245, 60), 8: (240, 50, 230), 13: (255, 225, 25),
                14: (230, 25, 75), 16: (70, 240, 240), 17: (0, 130, 200)}


def paeth(a, b, c):
    p = a + b - c
    pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
    return a if pa <= pb and pa <= pc else b if pb <= pc else c


def read_png(path):
    """(width, height, rows of RGB bytes) of an 8-bit RGB PNG."""
    with open(path, "rb") as png:
        data = png.read()
    assert data[:8] == b"\x89PNG\r\n\x1a\n"
    at, idat = 8, b""
    while at < len(data):
        length, kind = struct.unpack_from(">I4s", data, at)
        body = data[at + 8:at + 8 + length]
        if kind == b"IHDR":
            width, height, depth, colour_type = struct.unpack_from(">IIBB", body)
            assert depth == 8 and colour_type in (2, 6)
            size = 3 if colour_type == 2 else 4
        elif kind == b"IDAT":
            idat += body
        at += 12 + length
    raw, stride, rows = zlib.decompress(idat), width * size, []
    previous = bytearray(stride)
    for y in range(height):
        kind, line = raw[y * (stride + 1)], bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        for x in range(stride):
            left = line[x - size] if x >= size else 0
            up, up_left = previous[x], previous[x - size] if x >= size else 0
            line[x] = (line[x] + (0, left, up, (left + up) // 2, paeth(left, up, up_left))[kind]) & 0xff
        rows.append(bytearray(b for i, b in enumerate(line) if i % size < 3))  # red, green, blue
        previous = line
    return width, height, rows


def start_room_spawns():
    with open(os.path.join(CONTENT_ROOT, "data", "map.txt")) as map_file:
        tokens = [int(t) for t in map_file.read().split()]
    at, seen = 1, {}
    for _ in range(tokens[0]):
        mask, count = tokens[at + 400], tokens[at + 404]
        spawns = [tokens[at + 405 + 4 * i:at + 409 + 4 * i] for i in range(count)]
        seen[mask] = seen.get(mask, -1) + 1
        if (mask, seen[mask]) == START_TEMPLATE:
            return spawns
        at += 405 + 4 * count
    raise AssertionError("no start template")


@unittest.skipUnless(WORLD_MAP and CONTENT_ROOT, "needs WORLD_MAP and CONTENT_ROOT")
class WorldMapTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.folder = tempfile.mkdtemp(prefix="world-map-")
        picture = os.path.join(cls.folder, "map.png")
        cls.result = subprocess.run([WORLD_MAP, CONTENT_ROOT, picture], capture_output=True, text=True, timeout=300)
        cls.width, cls.height, cls.rows = read_png(picture) if cls.result.returncode == 0 else (0, 0, [])

    @classmethod
    def tearDownClass(cls):
        shutil.rmtree(cls.folder)

    def pixel(self, world_x, world_y, dx=0, dy=0):
        x = (world_x - FIRST_ROOM[0] * 640) // SHRINK + dx
        y = (world_y - FIRST_ROOM[1] * 640) // SHRINK + dy
        return tuple(self.rows[y][3 * x:3 * x + 3])

    def test_the_picture_holds_the_maze_and_no_more(self):
        self.assertEqual(self.result.returncode, 0, self.result.stderr)
        self.assertEqual((self.width, self.height), (ROOMS[0] * 640 // SHRINK, ROOMS[1] * 640 // SHRINK))

    def test_the_start_is_marked_white_with_an_outline(self):
        self.assertEqual(self.pixel(*START, dx=1, dy=1), (255, 255, 255))
        self.assertEqual(self.pixel(*START, dx=-1, dy=-1), (0, 0, 0))

    def test_spawn_points_are_marked_in_their_type_colour(self):
        for x, y, facing, enemy_type in start_room_spawns():
            with self.subTest(enemy_type=enemy_type):
                # The box of an enemy stands 60 high above the middle of its feet.
                mark = self.pixel(25 * 640 + x - 15, 25 * 640 + y - 60, dx=1, dy=1)
                self.assertEqual(mark, MARK_COLOURS[enemy_type])

    def test_closed_cells_are_dimmed(self):
        # Room (19, 18) is rock outside the maze: drawn at a third of its brightness.
        brightest = max(max(row[:3 * 640 // SHRINK]) for row in self.rows[:640 // SHRINK])
        self.assertLessEqual(brightest, 255 // 3)
        self.assertGreater(brightest, 0)


if __name__ == "__main__":
    unittest.main()
