"""The Windows build (make windows), unzipped into a scratch folder and played under Wine on a private Xvfb.

Wine reports the program's own exit status. Exits with 77 (skipped) when Wine or the zip is missing.
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time
import unittest
import zipfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "e2e"))
from harness import REPO, Game, Xvfb, _stop, armour, differing_pixels, find, native_pictures, shot  # noqa: E402
from test_sound import AUDIBLE, DISK, ears, heard_windows  # noqa: E402
from test_startup import break_map  # noqa: E402

ZIP = os.environ.get("CAVERN_WINDOWS_ZIP", "")
SECOND = 22050 * 4  # bytes of 16-bit stereo
WINE = {"WINEDEBUG": "-all", "WINEDLLOVERRIDES": "mscoree,mshtml=", "SDL_AUDIODRIVER": "dummy"}


def an_earlier_maze_picture(folder):
    with open(os.path.join(folder, "happy.txt"), "w") as f:
        f.write("hello?")


def cut_short(name):
    def prepare(folder):
        with open(os.path.join(folder, "data", name), "r+b") as f:
            f.truncate(100)
    return prepare


def replaced_by(name, make):
    def prepare(folder):
        path = os.path.join(folder, "data", name)
        os.remove(path)
        make(path)
    return prepare


BROKEN = {
    "a room file that ends early": break_map,
    "a missing animation file": replaced_by("AnimationData.txt", lambda path: None),
    "a folder in place of the room file": replaced_by("map.txt", os.mkdir),
    "a bitmap cut short": cut_short("healthbar.bmp"),
}


class WineGame(Game):
    """The zip's folder under Wine; stdout.txt and stderr.txt are the program's own, beside it."""

    def __enter__(self):
        self.folder = tempfile.mkdtemp(prefix="cavern-wine-")
        with zipfile.ZipFile(ZIP) as z:
            z.extractall(self.folder)
        self.folder = os.path.join(self.folder, os.path.basename(ZIP)[:-4])
        if self.prepare:
            self.prepare(self.folder)
        self.stdout = self.stderr = open(self.folder + ".wine.log", "wb")
        env = self.xvfb.env()
        env.update(WINE, WINEPREFIX=Wine.prefix, **self.extra_env)
        # Started from another folder, as a shortcut or a command line may: the game finds its own.
        self.process = subprocess.Popen(["wine", os.path.join(self.folder, "Cavern.exe")], cwd=Wine.prefix,
                                        env=env, stdout=self.stdout,
                                        stderr=subprocess.STDOUT, start_new_session=True)
        return self

    def __exit__(self, *exc):
        _stop(self.process)
        subprocess.run(["wineserver", "-k"], env=dict(os.environ, WINEPREFIX=Wine.prefix))
        self.stdout.close()
        shutil.rmtree(os.path.dirname(self.folder), ignore_errors=True)

    def said(self):
        """What the program wrote to its two files, without Windows' line ends."""
        text = ""
        for name in ("stdout.txt", "stderr.txt"):
            if os.path.exists(self.file(name)):
                with open(self.file(name), "rb") as f:
                    text += f.read().decode(errors="replace").replace("\r\n", "\n")
        return text

    def focus(self):
        subprocess.run(["xdotool", "search", "--sync", "--name", "^Cavern$", "windowfocus", "--sync"],
                       env=self.xvfb.env(), check=True, timeout=10)
        time.sleep(0.3)


def nearest_native_picture(picture, last):
    """The fewest pixels unlike one of the native passes 1 to last, judged roughly then exactly."""
    natives = native_pictures(1, last)
    grid = [(x, y) for y in range(0, 480, 4) for x in range(0, 640, 4)]

    def roughly(native):
        return sum(1 for x, y in grid if max(abs(u - v) for u, v in zip(picture.pixel(x, y), native.pixel(x, y))) > 24)
    rough = sorted(natives, key=roughly)
    return min(differing_pixels(picture, n) for n in rough[:3])


class Wine(unittest.TestCase):
    prefix = None

    @classmethod
    def setUpClass(cls):
        if not (shutil.which("wine") and os.path.exists(ZIP)):
            print("skipped: needs wine and the zip that make windows builds", file=sys.stderr)
            sys.exit(77)
        Wine.prefix = tempfile.mkdtemp(prefix="cavern-wineprefix-")
        env = dict(os.environ, WINEPREFIX=Wine.prefix, **WINE)
        # wineboot returns before the prefix is whole: until its helpers end, no window can be made.
        for command in (["wineboot", "-i"], ["wineserver", "-w"]):
            subprocess.run(command, env=env, check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                           timeout=120)

    @classmethod
    def tearDownClass(cls):
        subprocess.run(["wineserver", "-k"], env=dict(os.environ, WINEPREFIX=Wine.prefix))
        shutil.rmtree(Wine.prefix, ignore_errors=True)

    def test_the_zip_is_the_program_its_data_and_a_readme_and_needs_only_windows_own_libraries(self):
        with zipfile.ZipFile(ZIP) as z:
            names = {name.split("/", 1)[1] for name in z.namelist() if not name.endswith("/")}
        data = {os.path.relpath(os.path.join(d, f), REPO) for d, _, files in os.walk(os.path.join(REPO, "data"))
                for f in files}
        self.assertEqual(names, {"Cavern.exe", "README.txt"} | data)
        with tempfile.TemporaryDirectory() as folder:
            program = os.path.basename(ZIP)[:-4] + "/Cavern.exe"
            zipfile.ZipFile(ZIP).extract(program, folder)
            dump = subprocess.run(["x86_64-w64-mingw32-objdump", "-p", os.path.join(folder, program)],
                                  capture_output=True, text=True, check=True).stdout
        imports = {line.split(":")[1].strip().lower() for line in dump.splitlines() if "DLL Name:" in line}
        system = {name.lower() for name in os.listdir(os.path.join(Wine.prefix, "drive_c", "windows", "system32"))}
        self.assertTrue(imports and imports <= system, imports - system)

    def test_the_start_room_is_the_native_picture_and_keys_run_jump_fire_and_quit(self):
        with Xvfb() as x, Game(x) as native:
            self.assertTrue(native.first_picture(), native.output("stderr"))
            x.keys("key", "Escape")
            self.assertEqual(native.wait(), 0)
            with open(native.file("happy.txt"), "rb") as f:
                maze = f.read()
        with Xvfb() as x, WineGame(x, prepare=an_earlier_maze_picture) as game:
            self.assertTrue(game.first_picture(60), game.said())
            time.sleep(1.0)
            differing = nearest_native_picture(x.screenshot(), 100)
            print(f"pixels unlike the native picture's: {differing}", file=sys.stderr)
            self.assertLess(differing, 40)
            game.focus()
            start = x.screenshot()
            stand = find(start, armour)
            x.keys("keydown", "Right")
            ran, deadline = x.screenshot(), time.monotonic() + 4.0
            # A busy machine runs Wine slower: hold Right until the view has followed, or give up.
            while ran.difference(start) <= 0.3 and time.monotonic() < deadline:
                time.sleep(0.2)
                ran = x.screenshot()
            x.keys("keyup", "Right")
            self.assertGreater(ran.difference(start), 0.3, f"the view follows the player, from {stand}")
            time.sleep(0.5)
            stand = find(x.screenshot(), armour)
            x.keys("key", "space")
            heights = [find(x.screenshot(), armour)["y"] for _ in range(8)]
            self.assertLess(min(heights), stand["y"] - 20, f"the player jumps: {heights} from {stand}")
            time.sleep(1.5)
            fired = [x.keys("key", "Control_L") or time.sleep(0.15) or find(x.screenshot(), shot) for _ in range(3)]
            self.assertTrue(any(fired), "no shot on the screen")
            x.keys("key", "Escape")
            self.assertEqual(game.wait(), 0, game.said())
            self.assertEqual(sorted(os.listdir(game.folder)), ["Cavern.exe", "README.txt", "data", "happy.txt"],
                             "an empty stdout.txt or stderr.txt is left")
            with open(game.file("happy.txt"), "rb") as f:
                self.assertEqual(f.read(), maze)

    def test_broken_data_gives_the_linux_builds_line_and_a_failing_status(self):
        for name, prepare in BROKEN.items():
            with self.subTest(name), Xvfb() as x, Game(x, prepare=prepare) as native, \
                    WineGame(x, prepare=prepare) as game:
                self.assertEqual(native.wait(), 1)
                self.assertNotIn(game.wait(30), (None, 0))
                line = native.output("stderr")
                self.assertEqual(len(line.splitlines()), 1, line)
                self.assertEqual(game.said(), line)

    def test_a_shot_is_heard_through_the_disk_driver(self):
        # Classic SDL's disk driver waits 150 ms after each chunk unless told: a chunk is 23 ms.
        with Xvfb() as x, WineGame(x, env=dict(DISK, SDL_DISKAUDIODELAY="23")) as game:
            self.assertTrue(game.first_picture(60), game.said())
            game.focus()
            audio = game.file("audio.raw")
            time.sleep(2.0)
            before = os.path.getsize(audio)
            bed = [max(w) for w in heard_windows(*ears(audio, before - SECOND, before))]
            x.keys("key", "Control_L")
            time.sleep(1.0)
            after = [max(w) for w in heard_windows(*ears(audio, before))]
            print(f"loudest 50 ms, bed {max(bed):.0f}, after the shot {max(after):.0f}", file=sys.stderr)
            self.assertGreater(max(after), max(2 * max(bed), AUDIBLE), "no burst after the shot")


if __name__ == "__main__":
    unittest.main()
