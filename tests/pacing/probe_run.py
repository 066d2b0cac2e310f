"""Runs a program under Xvfb with the swap probe preloaded, and reads the probe's lines.

Every process started here is ended by its own id. Times are CLOCK_MONOTONIC
nanoseconds, the clock the probe reads too, so the start can be compared with
the first swap.
"""
import math
import os
import shutil
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.dirname(os.path.abspath(__file__))), "e2e"))
from harness import REPO, Xvfb  # noqa: E402  (the e2e folder is found above)

PASS_DELAY_MS = 50


class Pass:
    """One line of the probe: a swap and the delay before it."""

    def __init__(self, line):
        self.swap, self.delay_start, self.delay_end = (int(v) for v in line.split())


class ProbedRun:
    """A program started in a scratch folder that sees the repository's data/."""

    def __init__(self, xvfb, program, probe, env=None):
        self.xvfb, self.program, self.probe, self.extra_env = xvfb, program, probe, env or {}
        self.process = None

    def __enter__(self):
        self.folder = tempfile.mkdtemp(prefix="cavern-probe-")
        os.symlink(os.path.join(REPO, "data"), os.path.join(self.folder, "data"))
        self.log = os.path.join(self.folder, "swaps.txt")
        env = self.xvfb.env()
        env.update(self.extra_env, LD_PRELOAD=self.probe, SWAP_PROBE_FILE=self.log)
        self.started = time.monotonic_ns()
        self.process = subprocess.Popen([self.program], cwd=self.folder, env=env,
                                        stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.status = self.max_rss_kb = None
        return self

    def __exit__(self, *exc):
        self.stop()
        shutil.rmtree(self.folder, ignore_errors=True)  # the data link goes, never what it points to

    def passes(self):
        if not os.path.exists(self.log):
            return []
        with open(self.log) as f:
            return [Pass(line) for line in f if line.endswith("\n")]

    def wait_for_swaps(self, count, timeout):
        """The probe's lines once there are count of them; fewer if the program ends or time runs out."""
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline and self.process.poll() is None:
            passes = self.passes()
            if len(passes) >= count:
                return passes
            time.sleep(0.01)
        return self.passes()

    def stop(self, grace=5.0):
        """Ends the program if it still runs (SDL turns SIGTERM into a quit request) and reaps it."""
        if self.status is not None:
            return
        if self.process.poll() is None:
            self.process.terminate()
        deadline = time.monotonic() + grace
        while time.monotonic() < deadline:
            pid, status, usage = os.wait4(self.process.pid, os.WNOHANG)
            if pid:
                break
            time.sleep(0.01)
        else:
            self.process.kill()
            pid, status, usage = os.wait4(self.process.pid, 0)
        self.process.returncode = self.status = os.waitstatus_to_exitcode(status)
        self.max_rss_kb = usage.ru_maxrss

    def seconds_to_first_swap(self):
        passes = self.wait_for_swaps(1, 30)
        return (passes[0].swap - self.started) / 1e9 if passes else None


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
