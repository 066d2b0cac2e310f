"""The .deb installed with apt into a clean Debian 12 root, as a player installs
it, then played from there on a desktop with a window manager."""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "e2e"))
from test_large_desktop import LARGE, expected_box, picture_box, play_on_desktop  # noqa: E402
from launch import make_package  # noqa: E402

# The minimal Debian 12 that ../shared/tools/fresh-debian-check makes and keeps.
CLEAN_ROOT = os.environ.get("CAVERN_CLEAN_ROOT", os.path.expanduser("~/.cache/fresh-debian12.tar"))
SHARED = ("proc", "sys", "dev", "dev/pts")


class CleanRoot:
    """The clean root unpacked into a scratch folder, with the host's kernel files and devices."""

    def __enter__(self):
        self.scratch = tempfile.mkdtemp(prefix="cavern-fresh-")
        self.path = os.path.join(self.scratch, "fs")
        self.mounted = []
        os.makedirs(self.path)
        subprocess.run(["tar", "--numeric-owner", "-xpf", CLEAN_ROOT, "-C", self.path], check=True)
        shutil.copy("/etc/resolv.conf", os.path.join(self.path, "etc", "resolv.conf"), follow_symlinks=True)
        for folder in SHARED:
            target = os.path.join(self.path, folder)
            subprocess.run(["mount", "--bind", "/" + folder, target], check=True)
            self.mounted.append(target)
        return self

    def __exit__(self, *exc):
        for target in reversed(self.mounted):
            subprocess.run(["umount", "-l", target])
        shutil.rmtree(self.scratch, ignore_errors=True)

    def run(self, *command):
        return subprocess.run(["chroot", self.path, "env", "-i", "PATH=/usr/sbin:/usr/bin:/sbin:/bin",
                               "DEBIAN_FRONTEND=noninteractive", *command], capture_output=True, text=True)


@unittest.skipUnless(os.geteuid() == 0 and os.path.isfile(CLEAN_ROOT),
                     "needs root and a clean Debian 12 root in " + CLEAN_ROOT)
class PackageOnCleanDebian(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.root = CleanRoot().__enter__()
        cls.addClassCleanup(cls.root.__exit__)
        make_package(os.path.join(cls.root.path, "tmp"))
        package = "/tmp/" + next(n for n in os.listdir(os.path.join(cls.root.path, "tmp")) if n.endswith(".deb"))
        for step in (["apt-get", "update", "-q"], ["apt-get", "install", "-y", "-q", package]):
            result = cls.root.run(*step)
            assert result.returncode == 0, result.stdout + result.stderr
        cls.large, cls.names, cls.status = play_on_desktop(
            lambda home: ["chroot", cls.root.path, "env", "HOME=/root", "XDG_STATE_HOME=/root/.local/state",
                          "/usr/games/cavern"], *LARGE)

    def test_apt_brings_the_sdl_that_the_game_is_tested_with(self):
        installed = self.root.run("dpkg-query", "-W", "-f", "${Package} ${Status}\\n").stdout
        self.assertIn("libsdl1.2-compat-shim install ok installed", installed)
        self.assertNotIn("libsdl1.2debian ", installed)

    def test_the_player_sees_the_whole_picture_and_alt_f4_ends_the_game_with_status_0(self):
        self.assertEqual(picture_box(self.large), expected_box(*LARGE))
        self.assertIn('WM_CLASS(STRING) = "cavern", "cavern"', self.names)
        self.assertEqual(self.status, 0)


if __name__ == "__main__":
    unittest.main()
