"""The site that make web builds, played in headless Chromium.

The browser's passes are not timed exactly, so a picture is compared with the
native renderer's pictures of the passes the page drew while it was taken.
Exits with 77 (skipped) when Chromium, ImageMagick or the built site is missing.
"""
import os
import shutil
import sys
import time
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))), "bench"))
from browser import CHROMIUM, Browser, Site  # noqa: E402
from harness import armour, differing_pixels, find, native_pictures, shot  # noqa: E402

SITE = os.environ.get("CAVERN_WEB_SITE", "")
PASS = 0.05
CANVAS = "(r => ({x: r.x, y: r.y, width: r.width, height: r.height}))(Module.canvas.getBoundingClientRect())"
FRAMES = "typeof Module == 'object' && Module.frames"


class InTheBrowser(unittest.TestCase):
    """One page for the whole class, at a window where the picture is shown at 640 x 480."""

    @classmethod
    def setUpClass(cls):
        cls.site = Site(SITE).__enter__()
        cls.browser = Browser(640, 600).__enter__()
        cls.browser.open(cls.site.url)
        if not cls.browser.wait_for(FRAMES + " >= 40"):
            raise RuntimeError(f"the game drew no 40 passes: {cls.browser.problems}")

    @classmethod
    def tearDownClass(cls):
        cls.browser.__exit__(None, None, None)
        cls.site.__exit__(None, None, None)

    def picture(self):
        """The canvas as shown, and the first and last passes the page drew meanwhile."""
        first = self.browser.evaluate(FRAMES)
        picture = self.browser.screenshot(self.browser.evaluate(CANVAS))
        return picture, first, self.browser.evaluate(FRAMES)

    def test_1_the_start_room_is_the_native_picture(self):
        picture, first, last = self.picture()
        differences = [differing_pixels(picture, native) for native in native_pictures(first, last)]
        print(f"pixels unlike the native picture's, passes {first} to {last}: {differences}", file=sys.stderr)
        self.assertLess(min(differences), 40)

    def test_2_a_run_right_and_a_shot_move_the_view_and_draw_a_projectile(self):
        start = self.picture()[0]
        self.browser.key("Right", True)
        time.sleep(20 * PASS)
        self.browser.key("Right", False)
        for _ in range(3):  # a slow screenshot may come after the shot has left the view
            self.browser.key("Control", True)
            self.browser.key("Control", False)
            time.sleep(3 * PASS)
            there = self.picture()[0]
            flying, me = find(there, shot), find(there, armour)
            if flying:
                break
        self.assertGreater(there.difference(start), 0.3, "the view follows the player")
        self.assertIsNotNone(flying, "no shot on the screen")
        self.assertGreater(flying["x"], me["x"], "the shot flies the way the player ran")

    def test_3_the_picture_is_the_largest_4_by_3_that_fits(self):
        for width, height in ((1280, 800), (700, 1000)):
            self.browser.call("Emulation.setDeviceMetricsOverride", session=True, width=width, height=height,
                              deviceScaleFactor=1, mobile=False)
            canvas = self.browser.evaluate(CANVAS)
            stage = self.browser.evaluate("document.getElementById('stage').clientHeight")
            self.assertAlmostEqual(canvas["width"] * 3, canvas["height"] * 4, delta=4)
            self.assertTrue(round(canvas["width"]) == width or round(canvas["height"]) == stage, (width, height))

    def test_3a_the_bed_loops_on_the_channel_after_the_effects(self):
        self.assertTrue(self.browser.evaluate("SDL.channels[14].audio.loop && SDL.channels[14].volume == 1"))

    def test_4_no_console_or_gl_errors(self):
        self.assertEqual(self.browser.evaluate("Module.ctx.getError()"), 0)
        self.assertEqual(self.browser.problems, [])

    def test_4a_a_scripted_pad_runs_and_fires_escape_pauses_and_play_again_starts_anew(self):
        pad = "window.pad = {axes: [0.8, 0], buttons: [...Array(16)].map(() => ({pressed: false}))}"
        self.browser.evaluate(pad + "; navigator.getGamepads = () => [null, pad]")
        start = self.picture()[0]
        time.sleep(20 * PASS)
        self.browser.evaluate("pad.axes[0] = 0")
        self.assertGreater(self.picture()[0].difference(start), 0.3, "the stick runs")
        fired = [self.browser.evaluate(f"pad.buttons[2].pressed = {down}") or time.sleep(3 * PASS) or
                 find(self.picture()[0], shot) for down in ("true", "false") * 3]  # one may come too late
        self.assertTrue(any(fired), "X fires")
        frames = [self.browser.key("Escape", down) or time.sleep(1.0) or self.browser.evaluate(FRAMES)
                  for down in (True, False, False, True, False)]
        self.assertLessEqual(frames[2] - frames[1], 2, "Escape pauses")
        self.assertGreater(frames[4] - frames[3], 10, "and plays on")
        self.browser.evaluate("pad.buttons[8].pressed = true")
        self.assertTrue(self.browser.wait_for("!document.getElementById('again').hidden", 10), "Back held ends")
        self.browser.evaluate("pad.buttons[8].pressed = false; document.getElementById('again').click()")
        self.assertTrue(self.browser.wait_for(FRAMES + f" > {frames[4] + 40}", 20), "Play again plays")

    def test_5_without_webgl_the_page_says_so(self):
        self.browser.call("Page.addScriptToEvaluateOnNewDocument", session=True,
                          source="HTMLCanvasElement.prototype.getContext = () => null;")
        self.browser.open(self.site.url)
        self.assertTrue(self.browser.wait_for("document.getElementById('message')?.textContent.includes('WebGL')"))


if __name__ == "__main__":
    missing = [name for name, there in (("chromium", CHROMIUM), ("ImageMagick's convert", shutil.which("convert")),
                                        ("the site (make web)", os.path.isfile(os.path.join(SITE, "index.html"))))
               if not there]
    if missing:
        print("web tests skipped, missing: " + ", ".join(missing), file=sys.stderr)
        sys.exit(77)
    unittest.main(verbosity=2)
