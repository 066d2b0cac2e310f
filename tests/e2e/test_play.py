"""The real game under Xvfb: what a player sees and does in the first seconds.

Pass timing under a real X server is not exact, so the checks measure the picture:
where the player's blue armour is, how much of the view has changed, and which
colours appear, never whole pictures pixel by pixel.
"""
import time
import unittest

from harness import Game, Xvfb

PASS = 0.05  # seconds per pass, at the least


def armour(p):
    return p[2] > p[0] + 60 and p[2] > p[1] + 30 and p[2] > 120


def find(picture, test, step=2):
    """Count, middle and top/bottom rows of the pixels that pass a colour test."""
    points = [(x, y) for y in range(0, picture.height, step) for x in range(0, picture.width, step)
              if test(picture.pixel(x, y))]
    if not points:
        return None
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return {"count": len(points), "x": sum(xs) / len(xs), "y": sum(ys) / len(ys), "top": min(ys), "bottom": max(ys)}


class FirstSeconds(unittest.TestCase):
    """One game for the whole class: it starts, lands, and is played a little."""

    @classmethod
    def setUpClass(cls):
        cls.x = Xvfb().__enter__()
        cls.game = Game(cls.x).__enter__()
        first = cls.game.first_picture()
        if not first:
            raise RuntimeError("the game drew nothing: " + cls.game.output("stderr"))
        # The figure's height on the screen, picture by picture, while it falls from the
        # start point (18 passes) and stands. The view follows the fall in steps, so the
        # figure first rises on the screen, then drops onto the floor.
        cls.heights = [found["y"] for found in [find(first, armour)] if found]
        deadline = time.time() + 40 * PASS
        while time.time() < deadline:
            found = find(cls.x.screenshot(), armour)
            if found:
                cls.heights.append(found["y"])

    @classmethod
    def tearDownClass(cls):
        cls.game.__exit__(None, None, None)
        cls.x.__exit__(None, None, None)

    def player(self):
        found = find(self.x.screenshot(), armour)
        self.assertIsNotNone(found, "the player's figure is not on the screen")
        return found

    def test_1_the_start_room_and_a_full_health_bar_are_shown_and_the_player_lands(self):
        picture = self.x.screenshot()
        self.assertGreater(picture.non_black_share(), 0.9)
        bar = {picture.pixel(8 * segment + 4, 24) for segment in range(10)}
        self.assertEqual(len(bar), 1, "ten segments alike: the bar is full")
        self.assertGreater(max(bar.pop()), 40)
        landed = self.player()
        self.assertGreater(len(self.heights), 3, "the player's figure was seen while it fell")
        self.assertGreater(landed["y"] - min(self.heights), 20, "the player fell")
        time.sleep(10 * PASS)
        self.assertAlmostEqual(self.player()["y"], landed["y"], delta=4, msg="the player stays on the floor")

    def test_2_space_jumps(self):
        standing = self.player()
        self.x.keys("key", "space")
        time.sleep(8 * PASS)
        self.assertGreater(standing["y"] - self.player()["y"], 50, "the player rose")
        time.sleep(45 * PASS)
        self.assertAlmostEqual(self.player()["y"], standing["y"], delta=4, msg="and came down again")

    def test_3_holding_right_walks_through_the_door_into_the_next_room(self):
        start = self.x.screenshot()
        me = self.player()
        self.x.keys("keydown", "Right")
        time.sleep(20 * PASS)
        walking = self.x.screenshot()
        self.assertGreater(walking.difference(start), 0.3, "the view follows the player")
        time.sleep(100 * PASS)
        self.x.keys("keyup", "Right")
        time.sleep(10 * PASS)
        there = self.x.screenshot()
        self.assertGreater(there.difference(start), 0.3, "another room fills the view")
        self.assertGreater(there.difference(start, 0, 400, 640, 480), 0.6, "with another floor")
        self.assertAlmostEqual(self.player()["x"], me["x"], delta=160, msg="with the player in it")


if __name__ == "__main__":
    unittest.main()
