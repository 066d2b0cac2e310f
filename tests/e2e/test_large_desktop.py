"""On a screen larger than the game's 640 x 480 mode, the picture is shown whole.

The game is started as a player starts it: through the installed launcher, with
a player's environment (without the SDL setting that the other end-to-end tests
add), so this checks the set-up as it comes.
"""
import os
import re
import shutil
import subprocess
import tempfile
import unittest

from harness import GAME, HEIGHT, REPO, WIDTH, Picture, Xvfb, _stop

LARGE = (1920, 1080)
SETTLE = 3.0         # seconds: the player has landed and the view stands still
SAME_PICTURE = 0.05  # share of pixels that may differ: the standing figure breathes
WINDOW = re.compile(r'"cavern"\)\s+(\d+)x(\d+)\+(-?\d+)\+(-?\d+)')


def installed_launcher(prefix):
    """The launcher laid out in a prefix as installing lays it out, around this build's game."""
    for folder in ("bin", "lib/cavern", "share/cavern"):
        os.makedirs(os.path.join(prefix, folder))
    launcher = os.path.join(prefix, "bin", "cavern")
    shutil.copy(os.path.join(REPO, "packaging", "cavern.sh"), launcher)
    os.symlink(os.path.abspath(GAME), os.path.join(prefix, "lib", "cavern", "cavern"))
    os.symlink(os.path.join(REPO, "data"), os.path.join(prefix, "share", "cavern", "data"))
    return launcher


def settled_picture(width, height):
    """The whole screen, and the game window's geometry, once the start room is still."""
    with Xvfb(width, height) as x, tempfile.TemporaryDirectory(prefix="cavern-desktop-") as prefix:
        env = {k: v for k, v in x.env().items() if not k.startswith("SDL12COMPAT_")}
        env.update(HOME=prefix, XDG_STATE_HOME=os.path.join(prefix, "state"))
        game = subprocess.Popen([installed_launcher(prefix)], env=env, stdout=subprocess.DEVNULL,
                                stderr=subprocess.PIPE)
        try:
            game.wait(SETTLE)
            raise AssertionError(game.stderr.read().decode(errors="replace"))
        except subprocess.TimeoutExpired:
            pass
        tree = subprocess.run(["xwininfo", "-root", "-tree"], env=x.env(), capture_output=True, text=True).stdout
        picture = x.screenshot()
        _stop(game)
        found = WINDOW.search(tree)
        return picture, tuple(int(v) for v in found.groups()) if found else None


def crop(picture, left, top, width, height):
    rows = (picture.raw[((top + y) * picture.width + left) * 3:((top + y) * picture.width + left + width) * 3]
            for y in range(height))
    return Picture(b"".join(rows), width, height)


def non_black(picture, x0, y0, x1, y1):
    return picture.non_black_share(x0, y0, x1, y1) * (x1 - x0) * (y1 - y0) if x1 > x0 and y1 > y0 else 0


class LargeDesktop(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.reference, _ = settled_picture(WIDTH, HEIGHT)
        cls.large, cls.window = settled_picture(*LARGE)

    def setUp(self):
        self.assertIsNotNone(self.window, "no game window")

    def test_the_window_is_the_games_size_and_lies_wholly_on_the_screen(self):
        width, height, left, top = self.window
        self.assertEqual((width, height), (WIDTH, HEIGHT))
        self.assertTrue(0 <= left <= LARGE[0] - width and 0 <= top <= LARGE[1] - height, self.window)

    def test_the_window_shows_the_whole_picture_unscaled(self):
        _, _, left, top = self.window
        self.assertGreater(self.reference.non_black_share(), 0.2)
        self.assertLess(self.reference.difference(crop(self.large, left, top, WIDTH, HEIGHT)), SAME_PICTURE)

    def test_nothing_is_drawn_around_the_window(self):
        width, height, left, top = self.window
        right, bottom = left + width, top + height
        around = [(0, 0, LARGE[0], top), (0, bottom, LARGE[0], LARGE[1]),
                  (0, top, left, bottom), (right, top, LARGE[0], bottom)]
        self.assertEqual(sum(non_black(self.large, *band) for band in around), 0)


if __name__ == "__main__":
    unittest.main()
