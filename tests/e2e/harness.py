"""Runs the real game under a private Xvfb, sends it keys and reads the screen back.

Every process started here is ended by its own id when its context ends.
"""
import os
import shutil
import subprocess
import tempfile
import time

WIDTH, HEIGHT = 640, 480
GAME = os.environ.get("CAVERN_GAME", "")
CLOSE_TOOL = os.environ.get("CAVERN_CLOSE_TOOL", "")
GRAB_TOOL = os.environ.get("CAVERN_GRAB_TOOL", "")
REPO = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))


def _stop(process, grace=3.0):
    if process is None or process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(grace)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()


class Xvfb:
    """A private X server of 640 x 480 x 24 on a display number it picks itself."""

    def __init__(self, width=WIDTH, height=HEIGHT):
        self.size = f"{width}x{height}x24"
        self.process = None
        self.display = None

    def __enter__(self):
        read_end, write_end = os.pipe()
        # Left to itself, Xvfb resets whenever its last client leaves, as the screenshot tool does, and
        # a game connecting during the reset is refused; a desktop's server never empties so.
        self.process = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", self.size, "-nolisten", "tcp", "-noreset"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    break
                number += chunk
        if not number.strip():
            _stop(self.process)
            raise RuntimeError("Xvfb did not start")
        self.display = ":" + number.decode().strip()
        return self

    def __exit__(self, *exc):
        _stop(self.process)

    def env(self):
        env = dict(os.environ)
        env.update(DISPLAY=self.display, SDL_AUDIODRIVER="dummy", SDL12COMPAT_OPENGL_SCALING="0")
        return env

    def screenshot(self):
        """The whole screen as rows of (r, g, b) tuples."""
        raw = subprocess.run([GRAB_TOOL], env=self.env(), check=True, capture_output=True).stdout
        width, height = (int(v) for v in self.size.split("x")[:2])
        return Picture(raw, width, height)

    def keys(self, action, *names):
        """xdotool keydown / keyup / key with X key names."""
        subprocess.run(["xdotool", action, *names], env=self.env(), check=True)

    def close_windows(self):
        return subprocess.run([CLOSE_TOOL], env=self.env(), capture_output=True).returncode == 0


class Picture:
    def __init__(self, raw, width, height):
        self.raw, self.width, self.height = raw, width, height

    def pixel(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.raw[i:i + 3])

    def region(self, x0, y0, x1, y1):
        return [self.pixel(x, y) for y in range(y0, y1) for x in range(x0, x1)]

    def non_black_share(self, x0=0, y0=0, x1=None, y1=None):
        pixels = self.region(x0, y0, x1 or self.width, y1 or self.height)
        return sum(1 for p in pixels if max(p) > 16) / len(pixels)

    def difference(self, other, x0=0, y0=0, x1=None, y1=None):
        """Share of pixels of a region that differ clearly between two pictures."""
        a = self.region(x0, y0, x1 or self.width, y1 or self.height)
        b = other.region(x0, y0, x1 or self.width, y1 or self.height)
        return sum(1 for p, q in zip(a, b) if max(abs(u - v) for u, v in zip(p, q)) > 24) / len(a)


class Game:
    """The real executable in a scratch folder holding a copy of the shipped data;
    env adds to the X server's environment, a value None takes a name out."""

    def __init__(self, xvfb, data=True, prepare=None, env=None, closed_fds=()):
        self.xvfb, self.data, self.prepare, self.extra_env = xvfb, data, prepare, env or {}
        self.closed_fds = closed_fds
        self.process = None
        self.folder = None

    def __enter__(self):
        self.folder = tempfile.mkdtemp(prefix="cavern-e2e-")
        if self.data:
            shutil.copytree(os.path.join(REPO, "data"), os.path.join(self.folder, "data"))
        if self.prepare:
            self.prepare(self.folder)
        self.stdout = open(os.path.join(self.folder, "stdout.txt"), "wb")
        self.stderr = open(os.path.join(self.folder, "stderr.txt"), "wb")
        env = self.xvfb.env()
        env.update(self.extra_env)
        env = {k: v for k, v in env.items() if v is not None}  # None unsets
        close = (lambda: [os.close(fd) for fd in self.closed_fds]) if self.closed_fds else None
        self.process = subprocess.Popen([GAME], cwd=self.folder, env=env, stdout=self.stdout,
                                        stderr=self.stderr, start_new_session=True, preexec_fn=close)
        return self

    def __exit__(self, *exc):
        _stop(self.process)
        self.stdout.close()
        self.stderr.close()
        shutil.rmtree(self.folder, ignore_errors=True)

    def wait(self, seconds=10.0):
        """The exit status, or None if the game is still running after the wait."""
        try:
            return self.process.wait(seconds)
        except subprocess.TimeoutExpired:
            return None

    def output(self, name):
        getattr(self, name).flush()
        with open(os.path.join(self.folder, name + ".txt"), "rb") as f:
            return f.read().decode(errors="replace")

    def file(self, name):
        return os.path.join(self.folder, name)

    def first_picture(self, timeout=30.0):
        """The first screenshot in which the game has drawn, or None if it never does."""
        deadline = time.time() + timeout
        while time.time() < deadline:
            if self.process.poll() is not None:
                return None
            picture = self.xvfb.screenshot()
            if picture.non_black_share() > 0.2:
                return picture
            time.sleep(0.02)
        return None


def armour(p):
    return p[2] > p[0] + 60 and p[2] > p[1] + 30 and p[2] > 120


def shot(p):
    return p[0] > 200 and 80 < p[1] < 210 and p[2] < 90


def find(picture, test, step=2):
    """Count and middle of the pixels that pass a colour test."""
    points = [(x, y) for y in range(0, picture.height, step) for x in range(0, picture.width, step)
              if test(picture.pixel(x, y))]
    if not points:
        return None
    xs, ys = [p[0] for p in points], [p[1] for p in points]
    return {"count": len(points), "x": sum(xs) / len(xs), "y": sum(ys) / len(ys)}


def native_pictures(first, last):
    """The native renderer's pictures of passes first to last from the start."""
    tool = os.environ["CAVERN_NATIVE_PICTURE"]
    raw = subprocess.run([tool, str(first), str(last)], cwd=REPO, capture_output=True, check=True).stdout
    size = 640 * 480 * 3
    return [Picture(raw[i:i + size], 640, 480) for i in range(0, len(raw), size)]


def differing_pixels(a, b):
    return sum(1 for p, q in zip(a.region(0, 0, 640, 480), b.region(0, 0, 640, 480))
               if max(abs(u - v) for u, v in zip(p, q)) > 24)
