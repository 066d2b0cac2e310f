"""A game pad in the real game, played by a stand-in for SDL's joystick calls, and the pause: on
the pad's Start, and under a window manager when the game is minimised."""
import os
import subprocess
import time
import unittest

from harness import Game, Xvfb, _stop
from test_large_desktop import Desktop

STAND_IN = os.environ.get("CAVERN_PAD_STAND_IN", "")
SETTLE = 3.0        # seconds: the player has landed from the start point
SAME_PICTURE = 0.02  # share of pixels that may differ while nothing moves: the figure breathes
MOVED = 0.05
JUMP, SHOT = 8, 0   # the effects, in the order the game loads them
REST, PUSHED = 6554, 22938  # a fifth and seven tenths of the stick's travel
A, B, X, BACK, START, LEFT = 0, 1, 2, 4, 6, 13
PLAYING_FPS, PAUSED_FPS = 5, 2  # a pass is 50 ms and its work, slower on a busy machine; paused, 1 a second


class PlayedGame(Game):
    """The real game with the stand-in preloaded, its pad state and notes in the game's folder."""

    def __init__(self, xvfb):
        super().__init__(xvfb, env={"LD_PRELOAD": STAND_IN, "PAD_STATE": "pad.txt", "PAD_NOTES": "notes.txt"})

    def pad(self, present=1, buttons=(), x=0, y=0):
        line = " ".join(str(v) for v in [present] + [int(b in buttons) for b in range(16)] + [x, y])
        with open(self.file("pad.tmp"), "w") as f:
            f.write(line + "\n")
        os.replace(self.file("pad.tmp"), self.file("pad.txt"))

    def press(self, *buttons, hold=0.2):
        self.pad(buttons=buttons)
        time.sleep(hold)
        self.pad()
        time.sleep(0.3)

    def notes(self):
        if not os.path.exists(self.file("notes.txt")):
            return []
        with open(self.file("notes.txt")) as f:
            return f.read().splitlines()

    def frames_per_second(self, seconds=2.0):
        before = self.notes().count("swap")
        time.sleep(seconds)
        return (self.notes().count("swap") - before) / seconds

    def cpu_seconds(self):
        with open(f"/proc/{self.process.pid}/stat") as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


def effects(notes):
    """The jumps and shots heard, leaving out where the shots land."""
    return [int(n.split()[1]) for n in notes if n in (f"effect {JUMP}", f"effect {SHOT}")]


class Pad(unittest.TestCase):
    def test_the_pad_runs_jumps_fires_pauses_and_quits_and_a_resting_stick_does_nothing(self):
        with Xvfb() as x, PlayedGame(x) as game:
            game.pad(x=REST, y=REST)
            self.assertTrue(game.first_picture(), game.output("stderr"))
            time.sleep(SETTLE)
            heard = len(game.notes())
            still = x.screenshot()
            time.sleep(1.0)
            self.assertLess(x.screenshot().difference(still), SAME_PICTURE, "a resting stick moves nothing")
            game.pad(x=PUSHED, y=REST)
            time.sleep(1.0)
            game.pad()
            self.assertGreater(x.screenshot().difference(still), MOVED, "the stick runs")
            game.press(A)
            game.press(X)
            game.press(B)
            self.assertEqual(effects(game.notes()[heard:]), [JUMP, SHOT, SHOT])
            time.sleep(1.0)
            stood = x.screenshot()
            game.press(LEFT, hold=1.0)
            self.assertGreater(x.screenshot().difference(stood), MOVED, "the d-pad runs")

            game.press(START)
            paused = x.screenshot()
            self.assertEqual((paused.pixel(286, 234), paused.pixel(320, 240)), ((240, 226, 190), (28, 24, 38)),
                             "the sign's letters and panel at the middle")
            self.assertLessEqual(game.frames_per_second(), PAUSED_FPS)
            game.pad(x=PUSHED)
            time.sleep(1.0)
            self.assertLess(x.screenshot().difference(paused), SAME_PICTURE, "nothing moves while paused")
            game.pad()
            game.press(START)
            self.assertGreaterEqual(game.frames_per_second(), PLAYING_FPS)

            game.press(BACK, hold=0.5)
            self.assertIsNone(game.wait(0.5), "Back let go of early goes on")
            game.pad(buttons=(BACK,))
            self.assertEqual(game.wait(3.0), 0, "Back held for a second quits")

    def test_a_pad_plugged_in_later_is_found_and_one_pulled_out_lets_go(self):
        with Xvfb() as x, PlayedGame(x) as game:
            game.pad(present=0)
            self.assertTrue(game.first_picture(), game.output("stderr"))
            time.sleep(SETTLE)
            game.pad(x=PUSHED)
            time.sleep(2.5)
            before = x.screenshot()
            time.sleep(0.5)
            self.assertGreater(x.screenshot().difference(before), MOVED, "found within two seconds, it runs")
            game.pad(present=0, x=PUSHED)
            time.sleep(0.5)
            pulled = x.screenshot()
            time.sleep(1.0)
            self.assertLess(x.screenshot().difference(pulled), SAME_PICTURE, "pulled out, it holds nothing")


class Pause(unittest.TestCase):
    def test_a_game_left_for_another_window_or_minimised_stops_and_sleeps_and_plays_on_when_back(self):
        for way in ("another window in front", "minimised"):
            with self.subTest(way), Desktop(640, 480) as desktop, PlayedGame(desktop) as game:
                self.assertTrue(game.first_picture(), game.output("stderr"))
                window = desktop.run("xdotool", "search", "--class", "cavern").split()[0]
                desktop.run("xdotool", "windowactivate", "--sync", window)
                time.sleep(SETTLE)
                self.assertGreaterEqual(game.frames_per_second(), PLAYING_FPS)
                desktop.keys("keydown", "Right")
                time.sleep(0.5)
                if way == "minimised":
                    desktop.run("xdotool", "windowminimize", "--sync", window)
                    other = None
                else:
                    other = subprocess.Popen(["xmessage", "-center", "in front"], env=desktop.env())
                    time.sleep(1.0)
                    desktop.run("xdotool", "search", "--sync", "--class", "xmessage", "windowactivate", "--sync")
                time.sleep(0.5)
                cpu, start = game.cpu_seconds(), time.time()
                fps = game.frames_per_second(4.0)
                share = (game.cpu_seconds() - cpu) / (time.time() - start)
                print(f"{way}: {fps:.2f} frames a second, {100 * share:.2f} % of a core")
                self.assertLessEqual(fps, PAUSED_FPS)
                self.assertLess(share, 0.02)
                desktop.keys("keyup", "Right")
                desktop.run("xdotool", "windowactivate", "--sync", window)
                _stop(other)
                time.sleep(0.5)
                back = desktop.screenshot()
                time.sleep(1.0)
                self.assertLess(desktop.screenshot().difference(back), SAME_PICTURE, "the player stands")
                desktop.keys("keydown", "Right")
                time.sleep(1.0)
                desktop.keys("keyup", "Right")
                self.assertGreater(desktop.screenshot().difference(back), MOVED, "and plays on")


if __name__ == "__main__":
    unittest.main()
