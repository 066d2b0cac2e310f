"""The .deb that CPack makes: lintian's verdict, dependencies found by
dpkg-shlibdeps, Debian's layout for games, and an unpacked copy that runs."""
import os
import re
import subprocess
import tempfile
import unittest

from launch import SDL_FAILURE, Home, make_package

package = None
scratch = None


def setUpModule():
    global package, scratch
    scratch = tempfile.TemporaryDirectory(prefix="cavern-deb-")
    package = make_package(scratch.name)


def tearDownModule():
    scratch.cleanup()


def control_field(name):
    return subprocess.run(["dpkg-deb", "--field", package, name], check=True, capture_output=True,
                          text=True).stdout.strip()


class DebianPackage(unittest.TestCase):
    def test_lintian_reports_neither_an_error_nor_a_warning(self):
        result = subprocess.run(["lintian", "--tag-display-limit", "0", package], capture_output=True, text=True)
        self.assertEqual(re.findall(r"^[EW]: .*", result.stdout, re.MULTILINE), [])

    def test_dependencies_come_from_the_libraries_the_game_links(self):
        depends = control_field("Depends")
        # Found by dpkg-shlibdeps in the game's links, but libgl1, which SDL opens itself, and
        # the SDL that the game is tested with.
        for library in (r"libc6 \(>= ", r"libsdl1\.2-compat-shim \(>= 1\.2\.60\)", r"libopengl0",
                        r"libstdc\+\+6 \(>= ", r"libgl1"):
            self.assertRegex(depends, library)

    def test_the_command_manual_page_and_change_log_follow_debians_rules_for_games(self):
        listing = subprocess.run(["dpkg-deb", "--contents", package], check=True, capture_output=True,
                                 text=True).stdout
        paths = {line.split()[5].rstrip("/") for line in listing.splitlines()}
        for path in ("./usr/games/cavern", "./usr/lib/games/cavern/cavern", "./usr/share/man/man6/cavern.6.gz",
                     "./usr/share/doc/cavern/changelog.gz", "./usr/share/doc/cavern/copyright",
                     "./usr/share/cavern/data/contents.txt"):
            self.assertIn(path, paths)
        self.assertFalse(any(path.startswith("./usr/bin") for path in paths))
        self.assertEqual(control_field("Section"), "games")

    def test_the_unpacked_launcher_finds_the_packaged_game_and_data(self):
        with Home() as home:
            root = home.path("root")
            subprocess.run(["dpkg-deb", "--extract", package, root], check=True)
            result = home.run(os.path.join(root, "usr", "games", "cavern"))
            self.assertTrue(result.stdout.startswith(SDL_FAILURE), result.stdout + result.stderr)
            self.assertEqual(result.returncode, 1)
            link = os.path.join(home.default_state(), "data")
            self.assertEqual(os.readlink(link), os.path.join(root, "usr", "share", "cavern", "data"))
            with open(os.path.join(root, "usr", "share", "applications", "org.example.cavern.desktop")) as f:
                self.assertIn("\nExec=cavern\n", f.read(), "the command on every PATH, named alone")


if __name__ == "__main__":
    unittest.main()
