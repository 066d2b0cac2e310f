"""Runs the art and animation generators once into a scratch folder and
reads their output the way the game does."""
import atexit
import os
import shutil
import struct
import subprocess
import sys
import tempfile

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
TOOLS = os.path.join(ROOT, "tools", "content")
sys.path.insert(0, TOOLS)

from art.content_list import parse_contents  # noqa: E402

_folder = []


def output_folder():
    """The scratch folder holding a fresh run of both generators."""
    if not _folder:
        folder = tempfile.mkdtemp(prefix="content_tools_")
        atexit.register(shutil.rmtree, folder, True)
        for script in ("make_art.py", "make_animations.py"):
            subprocess.run([sys.executable, os.path.join(TOOLS, script), folder], check=True)
        _folder.append(folder)
    return _folder[0]


def read_file(relative):
    with open(os.path.join(output_folder(), relative), "rb") as f:
        return f.read()


class Bitmap:
    """A bitmap read as the game reads it: sizes at 18, colour count at 46,
    the palette from 54, then exactly width bytes per row, bottom row first."""

    def __init__(self, data):
        self.data = data
        self.width, self.height = struct.unpack_from("<ii", data, 18)
        self.bits, self.compression = struct.unpack_from("<HI", data, 28)
        self.colour_count = struct.unpack_from("<i", data, 46)[0]
        self.palette = [struct.unpack_from("<BBB", data, 54 + 4 * i)[::-1]
                        for i in range(max(0, self.colour_count))]
        start = 54 + 4 * self.colour_count
        self.indices = []
        for row in range(self.height - 1, -1, -1):
            self.indices.append(list(data[start + row * self.width:start + (row + 1) * self.width]))

    def colour(self, x, y):
        """RGB at a pixel, None where transparent (magenta)."""
        rgb = tuple(self.palette[self.indices[y][x]])
        return None if rgb == (255, 0, 255) else rgb

    def opaque(self, x, y):
        return self.colour(x, y) is not None


def bitmap(relative):
    return Bitmap(read_file(relative))


def contents():
    """(skins, scenery sets, projectile images) from the content list."""
    return parse_contents(read_file("contents.txt").decode("ascii"))


def luminance(rgb):
    return 0.299 * rgb[0] + 0.587 * rgb[1] + 0.114 * rgb[2]
