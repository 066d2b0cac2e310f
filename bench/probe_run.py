"""Runs a program under Xvfb with the swap and start probes preloaded, and reads what they write.

Every process started here is ended by its own id. Times are CLOCK_MONOTONIC
nanoseconds, the clock the probes read too, so the start can be compared with
the first swap.
"""
import math
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "tests", "e2e"))
import harness  # noqa: E402  (the e2e folder is found above)
from harness import REPO  # noqa: E402

PASS_DELAY_MS = 50


class Xvfb(harness.Xvfb):
    """An X server that outlives the programs run on it one after another.

    Xvfb resets when its last client leaves and refuses the programs that
    connect meanwhile; a silent client kept connected all along prevents that.
    Programs run as the launcher runs the game: SDL's compatibility library
    scales through OpenGL, sharp, and sound is on (SDL's dummy device, there
    being no sound card here).
    """

    def env(self):
        env = super().env()
        env.pop("SDL12COMPAT_OPENGL_SCALING")
        env.setdefault("SDL12COMPAT_SCALE_METHOD", "nearest")
        return env

    def __enter__(self):
        super().__enter__()
        self.keeper = subprocess.Popen(["xprop", "-root", "-spy"], env=self.env(),
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return self

    def __exit__(self, *exc):
        harness._stop(self.keeper)
        super().__exit__(*exc)


class Pass:
    """One line of the probe: a swap and the delay before it."""

    def __init__(self, line):
        self.swap, self.delay_start, self.delay_end = (int(v) for v in line.split())


class Span:
    """One kind of call of the start probe: the first's start and the last's end, in ms since the start."""

    def __init__(self, first, last, calls, started):
        self.calls = calls
        self.first, self.last = ((first - started) / 1e6, (last - started) / 1e6) if calls else (None, None)


class ProbedRun:
    """A program started in a scratch folder that sees the repository's data/.

    probes: the folder holding libswap_probe.so and libstart_probe.so.
    """

    def __init__(self, xvfb, program, probes, env=None):
        self.xvfb, self.program, self.extra_env = xvfb, program, env or {}
        self.probes = [os.path.join(probes, f"lib{name}.so") for name in ("swap_probe", "start_probe")]
        self.process = None

    def __enter__(self):
        self.folder = tempfile.mkdtemp(prefix="cavern-probe-")
        os.symlink(os.path.join(REPO, "data"), os.path.join(self.folder, "data"))
        self.log = os.path.join(self.folder, "swaps.txt")
        self.spans_file = os.path.join(self.folder, "start.txt")
        env = self.xvfb.env()
        env.update(self.extra_env, LD_PRELOAD=" ".join(self.probes), SWAP_PROBE_FILE=self.log,
                   START_PROBE_FILE=self.spans_file)
        self.started = time.monotonic_ns()
        with open(os.path.join(self.folder, "output.txt"), "wb") as output:
            self.process = subprocess.Popen([self.program], cwd=self.folder, env=env, stdout=output,
                                            stderr=subprocess.STDOUT)
        self.status = self.max_rss_kb = None
        return self

    def __exit__(self, *exc):
        self.stop()
        shutil.rmtree(self.folder, ignore_errors=True)  # the data link goes, never what it points to

    def output(self):
        """What the program wrote on standard output and standard error."""
        with open(os.path.join(self.folder, "output.txt"), errors="replace") as f:
            return f.read()

    def passes(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log) as f:
            return [Pass(line) for line in f if line.endswith("\n")]

    def wait_for_swaps(self, count, timeout):
        """The probe's lines once there are count of them; fewer if the program ends or time runs out."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline and self.running():
            passes = self.passes()
            if len(passes) >= count:
                return passes
            time.sleep(0.01)
        return self.passes()

    def running(self):
        """Reaps the program here, never through Popen, so that its resource usage is kept."""
        if self.status is None:
            self._reap(os.WNOHANG)
        return self.status is None

    def _reap(self, options):
        pid, status, usage = os.wait4(self.process.pid, options)
        if pid:
            self.process.returncode = self.status = os.waitstatus_to_exitcode(status)
            self.max_rss_kb = usage.ru_maxrss

    def stop(self, grace=5.0):
        """Ends the program if it still runs (SDL turns SIGTERM into a quit request) and reaps it."""
        if not self.running():
            return
        self.process.terminate()
        deadline = time.monotonic() + grace
        while self.running() and time.monotonic() < deadline:
            time.sleep(0.01)
        if self.running():
            self.process.kill()
            self._reap(0)

    def start_spans(self, timeout=30):
        """The start probe's spans by kind, once the first frame is swapped or the program has ended, else None."""
        deadline = time.monotonic() + timeout
        while not os.path.exists(self.spans_file) and self.running() and time.monotonic() < deadline:
            time.sleep(0.005)
        self.running()  # written at the end too
        try:
            with open(self.spans_file) as f:
                lines = [line.split() for line in f]
        except FileNotFoundError:
            return None
        return {kind: Span(int(first), int(last), int(calls), self.started) for kind, first, last, calls in lines}


def periods_and_work(passes):
    """Per pass after the first: the time from the previous swap, and that time less the delay, in ms."""
    periods, work = [], []
    for before, this in zip(passes, passes[1:]):
        period = (this.swap - before.swap) / 1e6
        periods.append(period)
        work.append(period - (this.delay_end - this.delay_start) / 1e6)
    return periods, work


def median(values):
    ordered = sorted(values)
    middle = len(ordered) // 2
    return ordered[middle] if len(ordered) % 2 else (ordered[middle - 1] + ordered[middle]) / 2


def percentile(values, share):
    """Nearest rank."""
    ordered = sorted(values)
    return ordered[max(0, math.ceil(share * len(ordered)) - 1)]
