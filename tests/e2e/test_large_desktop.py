"""What a player sees on a desktop larger than the game's 640 x 480 mode, under
a real window manager: the whole picture, 4:3, as large as the screen allows,
centred and sharp, in a window named for its launcher that Alt+F4 closes.

The game is started as a player starts it: through the launcher, with none of
the SDL settings that the other end-to-end tests add.
"""
import math
import os
import shutil
import subprocess
import tempfile
import time
import unittest

from harness import GAME, HEIGHT, REPO, WIDTH, Game, Picture, Xvfb, _stop

LAUNCHER = os.environ.get("CAVERN_LAUNCHER", "")
LARGE = (1920, 1080)
SETTLE = 3.0        # seconds: the player has landed and the view stands still
SAME_PICTURE = 0.05  # share of pixels that may differ: the standing figure breathes
BRIGHT = 16          # a channel above this is picture, not the black around it
BLURRED = 0.05       # share of game pixels whose block may vary: smoothing gives 0.28


class Desktop(Xvfb):
    """A private X server with openbox managing its windows."""

    def __enter__(self):
        super().__enter__()
        self.manager = subprocess.Popen(["openbox"], env=self.env(), stdout=subprocess.DEVNULL,
                                        stderr=subprocess.PIPE, text=True)
        # Its theme is named once it has started up whole, as on a player's desktop.
        while "_OB_THEME(" not in self.run("xprop", "-root", "_OB_THEME"):
            if self.manager.poll() is not None:
                raise RuntimeError(f"openbox ended with status {self.manager.returncode}: {self.manager.stderr.read()}")
            time.sleep(0.05)
        return self

    def __exit__(self, *exc):
        _stop(self.manager)
        super().__exit__(*exc)

    def player_env(self, home):
        env = {k: v for k, v in self.env().items() if not k.startswith("SDL12COMPAT_")}
        env.update(HOME=home, XDG_STATE_HOME=os.path.join(home, "state"))
        return env

    def run(self, *command):
        return subprocess.run(command, env=self.env(), capture_output=True, text=True).stdout


def installed_launcher(prefix):
    """The launcher laid out in a prefix as installing lays it out, around this build's game."""
    for folder in ("bin", "lib/games/cavern", "share/cavern"):
        os.makedirs(os.path.join(prefix, folder))
    launcher = os.path.join(prefix, "bin", "cavern")
    shutil.copy(LAUNCHER, launcher)
    os.symlink(os.path.abspath(GAME), os.path.join(prefix, "lib", "games", "cavern", "cavern"))
    os.symlink(os.path.join(REPO, "data"), os.path.join(prefix, "share", "cavern", "data"))
    return launcher


def play_on_desktop(command, width, height):
    """Starts the game with command on a desktop, then closes it with Alt+F4: the
    settled screen, the window's class and title, and the game's exit status."""
    with Desktop(width, height) as desktop, tempfile.TemporaryDirectory(prefix="cavern-desktop-") as home:
        game = subprocess.Popen(command(home), env=desktop.player_env(home),
                                stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        try:
            deadline = time.time() + 30
            while desktop.screenshot().non_black_share() < 0.2 and game.poll() is None and time.time() < deadline:
                time.sleep(0.05)
            time.sleep(SETTLE)
            if game.poll() is not None:
                raise AssertionError(game.stderr.read().decode(errors="replace"))
            picture = desktop.screenshot()
            window = desktop.run("xdotool", "search", "--class", "cavern").split()
            names = desktop.run("xprop", "-id", window[0], "WM_CLASS", "WM_NAME") if window else ""
            status = close_with_alt_f4(desktop, game, window)
        finally:
            _stop(game)
            game.stderr.close()
        return picture, names, status


def close_with_alt_f4(desktop, game, window):
    """The game's status after Alt+F4. openbox closes the focused window, and a
    window can open without focus as on any desktop, so it is clicked to the
    front first, and a second press follows a missed one as a player's would."""
    for _ in range(3):
        if window:
            desktop.run("xdotool", "windowactivate", "--sync", window[0])
        desktop.run("xdotool", "key", "alt+F4")
        try:
            return game.wait(5)
        except subprocess.TimeoutExpired:
            pass
    raise AssertionError(f"Alt+F4 left the game running; openbox's status: {desktop.manager.poll()}")


def picture_box(picture):
    """Left, top, right and bottom of everything not black on the screen."""
    lit_rows = [y for y in range(picture.height) if row_lit(picture, y)]
    columns = [x for x in range(picture.width) if column_lit(picture, x, lit_rows)]
    return columns[0], lit_rows[0], columns[-1] + 1, lit_rows[-1] + 1


def row_lit(picture, y):
    row = picture.raw[y * picture.width * 3:(y + 1) * picture.width * 3]
    return max(row) > BRIGHT


def column_lit(picture, x, rows):
    return any(max(picture.pixel(x, y)) > BRIGHT for y in rows[::8])


# Where a game pixel is read on the screen: the first screen pixel of its
# scaled block, or the block's centre. Nearest-neighbour scaling gives both the
# same colour; smoothing blends the first with the neighbouring game pixels.
def first(i, scale):
    return math.ceil(i * scale - 0.5)


def centre(i, scale):
    return math.floor((i + 0.5) * scale)


def game_pixels(picture, box, where):
    """The picture inside box read back as WIDTH x HEIGHT game pixels."""
    left, top, right, _ = box
    scale = (right - left) / WIDTH
    raw = b"".join(bytes(picture.pixel(left + where(x, scale), top + where(y, scale)))
                   for y in range(HEIGHT) for x in range(WIDTH))
    return Picture(raw, WIDTH, HEIGHT)


def changed_share(a, b):
    return sum(1 for i in range(0, len(a.raw), 3) if a.raw[i:i + 3] != b.raw[i:i + 3]) / (a.width * a.height)


def expected_box(width, height):
    """The whole picture scaled to fill the screen's height, or its width where that binds."""
    scale = min(width / WIDTH, height / HEIGHT)
    w, h = round(WIDTH * scale), round(HEIGHT * scale)
    return (width - w) // 2, (height - h) // 2, (width - w) // 2 + w, (height - h) // 2 + h


class LargeDesktop(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with Xvfb() as x, Game(x) as game:
            game.first_picture()
            time.sleep(SETTLE)
            cls.reference = x.screenshot()
        cls.large, cls.names, cls.status = play_on_desktop(
            lambda home: [installed_launcher(os.path.join(home, "usr"))], *LARGE)

    def test_the_whole_picture_fills_the_height_4_to_3_and_centred(self):
        self.assertEqual(picture_box(self.large), expected_box(*LARGE))

    def test_the_picture_is_the_games_whole_picture_with_sharp_pixels(self):
        box = expected_box(*LARGE)
        centres = game_pixels(self.large, box, centre)
        self.assertGreater(self.reference.non_black_share(), 0.2)
        self.assertLess(self.reference.difference(centres), SAME_PICTURE)
        self.assertLess(changed_share(game_pixels(self.large, box, first), centres), BLURRED)

    def test_the_window_is_named_for_its_launcher_and_alt_f4_ends_the_game_with_status_0(self):
        self.assertIn('WM_CLASS(STRING) = "cavern", "cavern"', self.names)
        self.assertIn('WM_NAME(STRING) = "Cavern"', self.names)
        self.assertEqual(self.status, 0)


if __name__ == "__main__":
    unittest.main()
