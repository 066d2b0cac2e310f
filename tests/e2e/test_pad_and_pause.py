"""A pad played into the real game by a stand-in for SDL's joystick calls, and the pause under a window manager."""
import os
import subprocess
import time
import unittest

from harness import Game, Xvfb, _stop
from test_large_desktop import Desktop

SETTLE = 3.0         # seconds: the player has landed from the start point
SAME, MOVED = 0.002, 0.004  # shares of pixels that differ: a breathing figure 0.001, a jump 0.006
REST, PUSHED = 6554, 22938  # a fifth and seven tenths of the stick's travel
A, BACK, START = 0, 4, 6
PLAYING_FPS, PAUSED_FPS = 5, 2  # a pass is 50 ms and its work, slower on a busy machine; paused, 1 a second


class PlayedGame(Game):
    def __init__(self, xvfb):
        preload = os.environ["CAVERN_PAD_STAND_IN"] + " " + os.environ["CAVERN_SWAP_PROBE"]
        super().__init__(xvfb, env={"LD_PRELOAD": preload, "PAD_STATE": "pad.txt", "SWAP_PROBE_FILE": "swaps.txt"})

    def pad(self, present=1, buttons=(), x=0, y=0, hold=0):
        with open(self.file("pad.tmp"), "w") as f:
            f.write(" ".join(str(v) for v in [present] + [int(b in buttons) for b in range(16)] + [x, y]))
        os.replace(self.file("pad.tmp"), self.file("pad.txt"))
        if hold:
            time.sleep(hold)
            self.pad()
            time.sleep(0.1)  # a jump is still in the air

    def sample(self, seconds):  # frames a second and the share of a core
        def count():
            with open(self.file("swaps.txt")) as f, open(f"/proc/{self.process.pid}/stat") as stat:
                ticks = stat.read().rsplit(")", 1)[1].split()[11:13]
                return len(f.readlines()), sum(int(t) for t in ticks) / os.sysconf("SC_CLK_TCK")
        (swaps, cpu), start = count(), time.time()
        time.sleep(seconds)
        (swaps_after, cpu_after), spent = count(), time.time() - start
        return (swaps_after - swaps) / spent, (cpu_after - cpu) / spent


class PadAndPause(unittest.TestCase):
    def assertPicture(self, screen, before, changes, why):
        share = screen.screenshot().difference(before)
        (self.assertGreater if changes else self.assertLess)(share, MOVED if changes else SAME, why)

    def test_a_pad_plugged_in_later_runs_jumps_pauses_and_quits_and_a_resting_stick_does_nothing(self):
        with Xvfb() as x, PlayedGame(x) as game:
            game.pad(present=0)
            self.assertTrue(game.first_picture(), game.output("stderr"))
            time.sleep(SETTLE)
            game.pad(x=REST, y=REST)
            time.sleep(2.5)  # found within two seconds
            for name, move, changes in (("a resting stick", {"x": REST, "y": REST}, False),
                                        ("the stick", {"x": PUSHED}, True), ("A", {"buttons": (A,)}, True)):
                time.sleep(1.0)
                before = x.screenshot()
                game.pad(**move, hold=0.3)
                self.assertPicture(x, before, changes, name)
            game.pad(buttons=(START,), hold=0.2)
            paused = x.screenshot()
            self.assertEqual((paused.pixel(286, 200), paused.pixel(320, 193)), ((240, 226, 190), (28, 24, 38)),
                             "the pause sign's letters and panel at the middle")
            self.assertLessEqual(game.sample(2.0)[0], PAUSED_FPS)
            game.pad(buttons=(START,), hold=0.2)
            self.assertGreaterEqual(game.sample(2.0)[0], PLAYING_FPS)
            game.pad(buttons=(BACK,))
            self.assertEqual(game.wait(3.0), 0, "Back held for a second quits")

    def test_a_game_left_for_another_window_or_minimised_stops_and_sleeps_and_plays_on_when_back(self):
        for way in ("another window in front", "minimised"):
            with self.subTest(way), Desktop(640, 480) as desktop, PlayedGame(desktop) as game:
                self.assertTrue(game.first_picture(), game.output("stderr"))
                window = desktop.run("xdotool", "search", "--class", "cavern").split()[0]
                desktop.run("xdotool", "windowactivate", "--sync", window)
                time.sleep(SETTLE)
                desktop.keys("keydown", "Right")
                time.sleep(0.5)
                other = None if way == "minimised" else subprocess.Popen(["xmessage", "in front"], env=desktop.env())
                desktop.run("xdotool", *(["windowminimize", "--sync", window] if way == "minimised" else
                                         ["search", "--sync", "--class", "xmessage", "windowactivate", "--sync"]))
                time.sleep(0.5)
                fps, share = game.sample(4.0)
                print(f"{way}: {fps:.2f} frames a second, {100 * share:.2f} % of a core")
                self.assertLessEqual(fps, 0 if way == "minimised" else PAUSED_FPS, "minimised, nothing is drawn")
                self.assertLess(share, 0.02)
                desktop.keys("keyup", "Right")
                desktop.run("xdotool", "windowactivate", "--sync", window)
                _stop(other)
                self.assertGreaterEqual(game.sample(1.0)[0], PLAYING_FPS, "back, it plays on")
                back = desktop.screenshot()
                time.sleep(1.0)
                self.assertPicture(desktop, back, False, "the player stands, let go of")
                desktop.keys("keydown", "Right")
                time.sleep(1.0)
                desktop.keys("keyup", "Right")
                self.assertPicture(desktop, back, True, "and runs again")


if __name__ == "__main__":
    unittest.main()
