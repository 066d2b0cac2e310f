"""The build's own tools: the content checker on broken copies of data/, the world map,
the room compiler and the generated sounds. Run by CTest with CHECK_CONTENT, WORLD_MAP and
CONTENT_ROOT set, from the repository root."""
import math
import os
import re
import shutil
import struct
import subprocess
import tempfile
import unittest
import wave

from tools.content import make_rooms
from tools.content.animation.sequences import animation_table
from tools.content.art.bmp import MAGENTA, write_bmp
from tools.content.sound.effects import EFFECTS, LOUDNESS_DBFS, PEAK_LIMIT_DBFS
from tools.content.sound.synth import loudest_window_rms

ROOT = os.environ.get("CONTENT_ROOT", "")

WALL, EMPTY, PLATFORM, LADDER, LADDER_TOP, STALAGMITE, LAMP, TORCH = 8, 0, 74, 85, 69, 51, 88, 18
START = (3, 1)  # the template of the start room (25, 25): mask 3, the second


class Templates(list):
    """The templates of map.txt, and the data folder they were read from."""

    def __init__(self, data):
        super().__init__()
        self.data = data


class Template:
    """One room template of map.txt as a list of tokens: 400 tiles, four header numbers, spawns."""

    def __init__(self, tokens):
        count = int(tokens[404])
        self.tokens = tokens[:405 + 4 * count]
        self.spawns = [self.tokens[405 + 4 * i:409 + 4 * i] for i in range(count)]

    def set(self, row, col, code):
        self.tokens[row * 20 + col] = str(code)


def spawn_of_type(templates, kind):
    return next(s for t in templates for s in t.spawns if s[3] == str(kind))


def of_mask(templates, mask, number=0):
    return [t for t in templates if t.tokens[400] == str(mask)][number]


def fill_column(template, col, rows, code):
    for row in rows:
        template.set(row, col, code)


def plump_shot(templates):
    """A 20 x 14 block in the middle of the shot picture: turned, it covers 70 % of itself."""
    pixels = [(255, 160, 40) if 22 <= x < 42 and 25 <= y < 39 else MAGENTA for y in range(64) for x in range(64)]
    write_bmp(os.path.join(templates.data, "projectiles", "spark.bmp"), 64, 64, pixels)


def arrival(door):
    return r"\(type 8 at .*\): the enemy's box comes within 64 pixels of where the player arrives through " + door


# Each breakage changes the templates and gives the line the checker must then print (None: it passes).
BREAKAGES = {
    "a side door closed": (lambda ts: of_mask(ts, 3).set(14, 0, WALL),
                           r"mask 3 template 0: left edge, row 14, column 0: tile 8 \(class 1\) where its doors want"),
    "a walker in the air": (lambda ts: spawn_of_type(ts, 4).__setitem__(1, str(int(spawn_of_type(ts, 4)[1]) - 64)),
                            r"type 4 at .*: a walker or stander whose feet are not on a floor cell"),
    "a type no room may hold": (lambda ts: next(t for t in ts if t.spawns).spawns[0].__setitem__(3, "3"),
                                r"\(type 3 at .*\): not one of the enemy types drawn for rooms"),
    "a door mask missing": (lambda ts: of_mask(ts, 14).tokens.__setitem__(400, "13"),
                            r"data/map.txt: .*no template has door mask 14"),
    "a closed room opened": (lambda ts: of_mask(ts, 0).set(5, 6, EMPTY), r"row 5, column 6: tile 0 is not rock"),
    "a ladder walled in": (lambda ts: of_mask(ts, 4).set(14, 9, WALL),
                           r"mask 4 template 0: the ladder at row \d+, column 10 cannot be climbed"),
    "the start hall blocked": (lambda ts: fill_column(of_mask(ts, *START), 15, range(2, 17), WALL),
                               r"room \(26, 25\), mask 6 template \d: the player cannot get there from the start"),
    "a dead end": (lambda ts: fill_column(of_mask(ts, 4), 10, range(1, 17), EMPTY),
                   r"room \(22, 27\), mask 4 template 0: the player cannot get back from there to the start room"),
    "a shooter in the start room": (lambda ts: of_mask(ts, *START).spawns.append(["400", "543", "1", "17"]),
                                    r"room \(25, 25\), mask 3 template 1: the start room holds a shooter"),
    "the start floor raised": (lambda ts: [of_mask(ts, *START).set(13, c, PLATFORM) for c in range(8, 13)],
                               r"room \(25, 25\), mask 3 template 1: the player lands after \d+ passes"),
    # An enemy where the player comes in: 63 pixels from a side door's opening; over the top of the
    # ladder up, which the player stands on; and under the door above, over the first floor.
    "by the left door": (lambda ts: of_mask(ts, 2).spawns.append(["110", "543", "0", "8"]), arrival("the left door")),
    "by the right door": (lambda ts: of_mask(ts, 1).spawns.append(["530", "543", "0", "8"]),
                          arrival("the right door")),
    "by the ladder up": (lambda ts: of_mask(ts, 8).spawns.append(["380", "450", "0", "8"]), arrival("the door below")),
    "under the door above": (lambda ts: of_mask(ts, 4).spawns.append(["320", "300", "0", "8"]),
                             arrival("the door above")),
    "a stalagmite in the air": (lambda ts: of_mask(ts, 3).set(8, 9, STALAGMITE),
                                r"mask 3 template 0: row 8, column 9: tile 51 floats"),
    "a lamp hanging from nothing": (lambda ts: of_mask(ts, 3).set(5, 9, LAMP),
                                    r"mask 3 template 0: row 5, column 9: tile 88 floats"),
    "torches on the walls beside them": (lambda ts: [of_mask(ts, 3).set(8, c, TORCH) for c in (2, 17)], None),
    "a shot with a way up": (plump_shot, r"data/projectiles/spark.bmp: turned by 90 degrees, its outline covers 70 %"),
}


class ContentChecker(unittest.TestCase):
    def check(self, breakage=None):
        folder = tempfile.mkdtemp(prefix="content-")
        self.addCleanup(shutil.rmtree, folder)
        shutil.copytree(os.path.join(ROOT, "data"), os.path.join(folder, "data"))
        path = os.path.join(folder, "data", "map.txt")
        tokens, templates = open(path).read().split(), Templates(os.path.join(folder, "data"))
        while len(templates) < int(tokens[0]):
            templates.append(Template(tokens[1 + sum(len(t.tokens) for t in templates):]))
        if breakage:
            breakage(templates)
        for t in templates:  # spawns added to a template are counted and written after it
            t.tokens = t.tokens[:404] + [str(len(t.spawns))] + [word for s in t.spawns for word in s]
        with open(path, "w") as out:
            out.write(" ".join([tokens[0]] + [word for t in templates for word in t.tokens]) + "\n")
        done = subprocess.run([os.environ["CHECK_CONTENT"], folder], capture_output=True, text=True, timeout=300)
        return done.returncode, done.stderr

    def test_the_shipped_content_passes_and_each_breakage_fails_with_its_line(self):
        self.assertEqual(self.check(), (0, ""))
        for name, (breakage, line) in BREAKAGES.items():
            with self.subTest(name):
                status, errors = self.check(breakage)
                if line is None:
                    self.assertEqual((status, errors), (0, ""))
                    continue
                self.assertNotEqual(status, 0, errors)
                self.assertRegex(errors, line)


class WorldMap(unittest.TestCase):
    def test_the_picture_holds_the_maze_and_no_more(self):
        with tempfile.TemporaryDirectory() as folder:
            picture = os.path.join(folder, "map.png")
            done = subprocess.run([os.environ["WORLD_MAP"], ROOT, picture], capture_output=True, text=True)
            self.assertEqual(done.returncode, 0, done.stderr)
            with open(picture, "rb") as f:
                header = f.read(24)
        # The fixed maze spans 14 x 10 rooms, drawn at one pixel per 8.
        self.assertEqual(struct.unpack(">II", header[16:24]), (14 * 640 // 8, 10 * 640 // 8))


class AnimationNumbers(unittest.TestCase):
    def test_the_game_names_every_index_as_the_generator_does(self):
        with open(os.path.join(ROOT, "content", "animation_numbers.h")) as header:
            names = re.findall(r"^    Anim(\w+),", header.read(), re.M)
        wanted = ["".join(word.capitalize() for word in name.split("_")) for _, name, _, _ in animation_table()]
        self.assertEqual(names, wanted)


class SoundEffects(unittest.TestCase):
    def test_every_effect_is_short_click_free_and_as_loud_as_the_others(self):
        for name, _ in EFFECTS:
            with self.subTest(name), wave.open(os.path.join(ROOT, "data", "sounds", name + ".wav")) as f:
                self.assertEqual((f.getnchannels(), f.getsampwidth()), (1, 2))
                self.assertLess(f.getnframes(), f.getframerate())
                raw = f.readframes(f.getnframes())
                samples = [s / 32767 for s in struct.unpack("<%dh" % (len(raw) // 2), raw)]
                self.assertEqual((samples[0], samples[-1]), (0, 0), "faded in and out")
                self.assertLessEqual(20 * math.log10(max(map(abs, samples))), PEAK_LIMIT_DBFS + 0.01)
                self.assertGreater(20 * math.log10(loudest_window_rms(samples)), LOUDNESS_DBFS - 4)


class RoomCompiler(unittest.TestCase):
    def compile(self, text):
        folder = tempfile.mkdtemp(prefix="rooms-")
        self.addCleanup(shutil.rmtree, folder)
        for name, contents in (("legend.txt", "'.' 0 air\n'#' 8 rock\n"), ("a.room", text)):
            with open(os.path.join(folder, name), "w") as out:
                out.write(contents)
        return make_rooms.compile_rooms(folder).split()

    def room(self, doors, spawns="", marker_row=None):
        grid = ["#" * 20] * 20
        if marker_row is not None:
            grid = grid[:marker_row] + ["#" * 3 + "a" + "." * 16] + grid[marker_row + 1:]
        return "name: t\ndoors: %s\n%sgrid:\n%s\n" % (doors, spawns, "\n".join(grid))

    def test_markers_become_spawns_standing_on_the_cell_below(self):
        tokens = self.compile(self.room("left right", "spawn a: bouncer left\n", 5))
        self.assertEqual(tokens[1 + 5 * 20 + 3] + tokens[1 + 6 * 20], "08")
        self.assertEqual(tokens[401:], ["3", "0", "0", "0", "1", "112", "191", "1", "13"])

    def test_bad_rooms_are_refused_with_their_file_and_place(self):
        for text, message in ((self.room("sideways"), "unknown door 'sideways'"),
                              (self.room("none", "spawn a: bouncer left\n"), "spawn a has no marker"),
                              (self.room("none").replace("#\n", "?\n", 1), r"row 0, column 19: '\?' is not in")):
            with self.subTest(message):
                with self.assertRaisesRegex(make_rooms.RoomError, r"a\.room.*" + message):
                    self.compile(text)


if __name__ == "__main__":
    unittest.main()
