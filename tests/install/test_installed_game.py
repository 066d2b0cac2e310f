"""The game installed into a scratch prefix: where everything lands, the
launcher, and the files that desktops read."""
import os
import shutil
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "e2e"))
from harness import Game, Xvfb  # noqa: E402
from launch import NO_VIDEO, SDL_FAILURE, STATE_FAILURE, Home, tree  # noqa: E402

BUILD = os.environ["CAVERN_BUILD_DIR"]
PREFIX = os.environ["CAVERN_INSTALL_PREFIX"]
LAUNCHER = os.environ["CAVERN_GAME"]
DATA = os.path.join(PREFIX, "share", "cavern", "data")
APP_ID = "org.example.cavern"
ICON_SIZES = (16, 32, 48, 64, 128, 256)


def setUpModule():
    shutil.rmtree(PREFIX, ignore_errors=True)
    subprocess.run([os.environ["CMAKE_COMMAND"], "--install", BUILD, "--prefix", PREFIX],
                   check=True, capture_output=True)


def installed(*parts):
    return os.path.join(PREFIX, *parts)


class InstalledTree(unittest.TestCase):
    def test_everything_is_where_the_launcher_and_desktops_look(self):
        for path in ("bin/cavern", "lib/games/cavern/cavern"):
            self.assertTrue(os.access(installed(path), os.X_OK), path)
        for path in ["share/cavern/data/" + name for name in ("contents.txt", "map.txt", "AnimationData.txt")] + [
                f"share/applications/{APP_ID}.desktop", f"share/metainfo/{APP_ID}.metainfo.xml",
                "share/man/man6/cavern.6", "share/doc/cavern/copyright"]:
            self.assertTrue(os.path.isfile(installed(path)), path)
        with open(installed("bin", "cavern")) as f:
            self.assertEqual(f.readline(), "#!/bin/sh\n")
        with open(installed("share", "applications", APP_ID + ".desktop")) as f:
            self.assertIn(f"\nExec={installed('bin', 'cavern')}\n", f.read(), "the menu finds it whatever PATH holds")

    def test_each_icon_is_a_square_png_of_its_size_showing_the_figure(self):
        for size in ICON_SIZES:
            path = installed("share", "icons", "hicolor", f"{size}x{size}", "apps", APP_ID + ".png")
            facts = subprocess.run(["identify", "-format", "%m %w %h %A", path],
                                   check=True, capture_output=True, text=True).stdout.split()
            self.assertEqual(facts[:3], ["PNG", str(size), str(size)], path)
            self.assertIn(facts[3].lower(), ("blend", "true"), path)  # has an alpha channel
            cover = float(subprocess.run(["convert", path, "-alpha", "extract", "-format", "%[fx:mean]", "info:"],
                                         check=True, capture_output=True, text=True).stdout)
            self.assertTrue(0.1 < cover < 0.8, f"{path}: {cover:.2f} of the icon is covered")

    def test_desktop_entry_metadata_and_manual_page_pass_their_validators(self):
        for command in (["desktop-file-validate", installed("share", "applications", APP_ID + ".desktop")],
                        ["appstreamcli", "validate-tree", "--no-net", "--pedantic", "--no-color", PREFIX],
                        ["groff", "-man", "-Tutf8", "-ww", "-z", installed("share", "man", "man6", "cavern.6")]):
            result = subprocess.run(command, capture_output=True, text=True)
            self.assertEqual(result.returncode, 0, result.stdout + result.stderr)
            self.assertNotIn("warning", (result.stdout + result.stderr).lower(), command[0])


class Launcher(unittest.TestCase):
    def test_the_game_runs_in_the_players_state_folder_and_writes_nothing_under_the_prefix(self):
        before = tree(PREFIX)
        with Home() as home, Xvfb() as x:
            state = home.path("state")
            with Game(x, data=False, env={"HOME": home.home, "XDG_STATE_HOME": state}) as game:
                self.assertTrue(game.first_picture(), game.output("stderr"))
                x.keys("key", "Escape")
                self.assertEqual(game.wait(), 0, game.output("stderr"))
                self.assertFalse(os.path.exists(game.file("happy.txt")))
            folder = os.path.join(state, "cavern")
            self.assertEqual(sorted(os.listdir(folder)), ["data", "happy.txt"])
            self.assertGreater(os.path.getsize(os.path.join(folder, "happy.txt")), 0)
            self.assertEqual(os.readlink(os.path.join(folder, "data")), DATA)
        self.assertEqual(tree(PREFIX), before)

    def test_help_and_version_answer_without_starting_the_game(self):
        for option, answer in (("--help", r"^Usage: cavern "), ("--version", r"^cavern \d+\.\d+\.\d+\n$")):
            with self.subTest(option), Home() as home:
                result = subprocess.run([LAUNCHER, option], env=home.env(), capture_output=True, text=True)
                self.assertEqual(result.returncode, 0)
                self.assertRegex(result.stdout, answer)
                self.assertFalse(os.path.exists(home.default_state()))

    def test_a_state_folder_that_cannot_be_made_is_named_and_fails(self):
        with Home() as home:
            blocker = home.path("a-file")
            with open(blocker, "w") as f:
                f.write("not a folder\n")
            foreign = home.path("foreign", "cavern")
            os.makedirs(foreign)
            os.chown(foreign, os.getuid() + 1, -1)
            for mode in (0o775, 0o757):
                os.makedirs(home.path(f"{mode:o}", "cavern"))
                os.chmod(home.path(f"{mode:o}", "cavern"), mode)
            shared = "can be written by others; make it yours alone with: chmod go-w " + home.path("{}", "cavern")
            cases = {
                "state home is a file": (blocker, "a-file/cavern", STATE_FAILURE),
                "state home lies under a file": (os.path.join(blocker, "state"), "a-file/state/cavern", STATE_FAILURE),
                "state folder of another user": (home.path("foreign"), "foreign/cavern", "not a folder of your own"),
                "group-writable state folder": (home.path("775"), "775/cavern", shared.format(775)),
                "world-writable state folder": (home.path("757"), "757/cavern", shared.format(757)),
                "relative home": (None, "(relative/home)", "HOME is a relative path"),
            }
            for name, (state_home, shown, problem) in cases.items():
                with self.subTest(name):  # HOME matters only without a state home
                    result = home.run(LAUNCHER, state_home, {**NO_VIDEO, "HOME": "relative/home"})
                    self.assertEqual(result.returncode, 1)
                    self.assertIn(problem, result.stderr)
                    self.assertIn(shown, result.stderr)
                    self.assertNotIn(SDL_FAILURE, result.stdout)  # the game never started

    def test_the_launcher_links_the_data_into_the_state_folder_and_hands_back_the_games_status(self):
        elsewhere = os.path.join(BUILD, "no-such-install", "share", "cavern", "data")
        # (state home, a link there before, run through a link to the launcher, the folder's mode before)
        cases = {"no link yet": (None, None, False, None), "a stale link": (None, elsewhere, False, None),
                 "a link to another install": (None, os.path.dirname(DATA), False, None),
                 "an empty state home": ("", None, False, None),
                 "a relative state home": ("relative/state", None, False, None),
                 "a launcher reached through a link": (None, None, True, None),
                 "a sticky folder others can write to": (None, None, False, 0o1777)}
        self.addCleanup(os.umask, os.umask(0o002))  # a user's private group may write, as on Debian
        for name, (state_home, old_target, linked, mode) in cases.items():
            with self.subTest(name), Home() as home:
                link = os.path.join(home.default_state(), "data")
                if old_target or mode:
                    os.makedirs(home.default_state())
                    os.chmod(home.default_state(), mode or 0o755)
                if old_target:
                    os.symlink(old_target, link)
                launcher = LAUNCHER
                if linked:
                    launcher = home.path("cavern")
                    os.symlink(LAUNCHER, launcher)
                result = home.run(launcher, state_home)
                self.assertEqual(os.readlink(link), DATA)
                self.assertEqual(result.returncode, 1)  # the game's own failure
                self.assertTrue(result.stdout.startswith(SDL_FAILURE), result.stdout + result.stderr)
                self.assertEqual(os.listdir(home.path("elsewhere")), [])

    def test_something_else_called_data_in_the_state_folder_is_left_alone(self):
        with Home() as home:
            own = os.path.join(home.default_state(), "data")
            os.makedirs(own)
            with open(os.path.join(own, "notes.txt"), "w") as f:
                f.write("mine\n")
            result = home.run(LAUNCHER)
            self.assertEqual(result.returncode, 1)
            self.assertIn("in the way", result.stderr)
            self.assertEqual(os.listdir(own), ["notes.txt"])
            self.assertNotIn(SDL_FAILURE, result.stdout)


if __name__ == "__main__":
    unittest.main()
