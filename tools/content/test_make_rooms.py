"""The room compiler on small room folders written for each test."""
import os
import shutil
import tempfile
import unittest

import make_rooms

LEGEND = """A legend for the tests.
'.'   0  open air
'#'   8  rock
'-'  74  plank
"""
CLOSED = ["#" * 20] * 20


def room_text(doors, grid, spawns=()):
    lines = ["name: test", "doors: " + doors] + ["spawn %s: %s" % spawn for spawn in spawns]
    return "\n".join(lines + ["grid:"] + list(grid)) + "\n"


class RoomCompilerTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="rooms-")
        self.addCleanup(shutil.rmtree, self.folder)
        self.write("legend.txt", LEGEND)

    def write(self, name, text):
        with open(os.path.join(self.folder, name), "w") as out:
            out.write(text)

    def compiled_tokens(self):
        return make_rooms.compile_rooms(self.folder).split()

    def test_markers_become_spawns_standing_on_the_cell_below(self):
        grid = ["." * 20] * 20
        grid = grid[:5] + ["...a" + "." * 14 + "b."] + ["#" * 20] + grid[7:]
        self.write("r.room", room_text("left right", grid, [("a", "ledge-walker right"),
                                                             ("b", "standing-shooter left")]))
        tokens = self.compiled_tokens()
        self.assertEqual(tokens[0], "1")
        self.assertEqual(tokens[1 + 5 * 20 + 3], "0")  # a marker's own cell is open air
        self.assertEqual(tokens[1 + 6 * 20], "8")
        self.assertEqual(tokens[401:405], ["3", "0", "0", "0"])
        self.assertEqual(tokens[405:], ["2", "112", "191", "0", "4", "592", "191", "1", "17"])

    def test_templates_come_in_mask_order_then_file_name_order(self):
        for name, doors, fill in (("a.room", "right up", "#"), ("b.room", "right left", "#"),
                                  ("c.room", "right up", "-")):
            self.write(name, room_text(doors, [fill * 20] * 20))
        tokens = self.compiled_tokens()
        masks_and_first_tiles = [(tokens[1 + i * 405 + 400], tokens[1 + i * 405]) for i in range(3)]
        self.assertEqual(masks_and_first_tiles, [("3", "8"), ("5", "8"), ("5", "74")])

    def test_every_token_is_followed_by_white_space(self):
        self.write("a.room", room_text("none", CLOSED))
        text = make_rooms.compile_rooms(self.folder)
        self.assertTrue(text.endswith("\n"))
        self.assertEqual(len(text.split()), 1 + 405)

    def test_bad_rooms_are_refused_with_their_file_and_place(self):
        cases = {
            "a character outside the legend": (room_text("none", CLOSED[:3] + ["#" * 19 + "?"] + CLOSED[4:]),
                                              r"row 3, column 19: '\?' is not in the legend"),
            "a short grid line": (room_text("none", CLOSED[:2] + ["#" * 19] + CLOSED[3:]),
                                  "exactly 20 lines of 20 characters"),
            "a spawn without its marker": (room_text("none", CLOSED, [("a", "bouncer left")]),
                                           "spawn a has no marker"),
            "an enemy without a picture": (room_text("none", CLOSED, [("a", "dragon left")]),
                                           "needs an enemy"),
            "an unknown door": (room_text("sideways", CLOSED), "unknown door 'sideways'"),
        }
        for case, (text, message) in cases.items():
            with self.subTest(case):
                self.write("bad.room", text)
                with self.assertRaisesRegex(make_rooms.RoomError, r"bad\.room.*" + message):
                    make_rooms.compile_rooms(self.folder)


if __name__ == "__main__":
    unittest.main()
