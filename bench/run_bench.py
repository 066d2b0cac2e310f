"""make bench: every benchmark beside its floor and its target, in one table.

In-process figures come from cavern_bench (Google Benchmark); start-up, memory,
pacing and the game's own share of the CPU from the real game under Xvfb, the
start-up runs alternating with the bare SDL + GL program's; with a site from
make web, its size and its pass period in headless Chromium.
Usage: run_bench.py BUILD_FOLDER [SITE_FOLDER]
"""
import gzip
import json
import os
import re
import subprocess
import sys
import tempfile

REPO = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from probe_run import PASS_DELAY_MS, ProbedRun, Xvfb, median, percentile, periods_and_work  # noqa: E402
from start_stages import bare_stages, game_stages  # noqa: E402
from browser import CHROMIUM, Browser, Site  # noqa: E402

STARTS = 7                # start-up runs of each program, taken in turns
LANDING_PASSES = 40       # the player falls into the start room and stands
PACED_PASSES = 400
BROWSER_PASSES = 200
PROFILED_SECONDS = 8
PROFILE_HZ = 999
OWN_CODE = "cavern"       # the executable holds all of the game's own code
SHARED_CODE = re.compile(r"^(libc\.so|libm\.so|libstdc\+\+|libgcc_s|ld-linux|inlined|\[kernel|\[unknown\]|\[vdso\])")

# Targets, as ratios to the floors where there is one.
SIMULATION_LIMIT_US = 50
RENDER_RATIO_LIMIT = 1.1
START_RATIO_LIMIT = 1.3  # start less the first pass's fixed delay, against the bare program's start
MEMORY_ALLOWANCE_MB = 40
PERIOD_TOLERANCE = 0.02
PERIOD_P99_RATIO_LIMIT = 1.2  # against the median pass of the same run
OWN_CPU_LIMIT = 0.05

HEADER = ("measure", "game", "floor", "ratio", "target", "met")


def in_process_benchmarks(build):
    with tempfile.NamedTemporaryFile(suffix=".json") as out:
        run = subprocess.run([os.path.join(build, "bench", "cavern_bench"), "--benchmark_out=" + out.name,
                              "--benchmark_out_format=json"], cwd=REPO, capture_output=True, text=True)
        if run.returncode != 0:
            sys.exit(f"bench: cavern_bench failed\n{run.stdout}{run.stderr}")
        with open(out.name) as f:
            results = json.load(f)["benchmarks"]
    by_name = {}
    for result in results:
        if result.get("error_occurred"):
            sys.exit(f"bench: {result['name']}: {result.get('error_message')}")
        by_name[result["name"].split("/")[0]] = result
    return by_name


def start_ups(x, game, bare, probes):
    """Each program's start in stages (see start_stages.py) and its peak memory, the two run in turns."""
    stages = {game: [], bare: []}
    memory = {game: [], bare: []}
    for _ in range(STARTS):
        for program, stages_of in ((game, game_stages), (bare, bare_stages)):
            with ProbedRun(x, program, probes) as run:
                spans = run.start_spans()
                run.stop()
                if not spans or not spans["SDL_GL_SwapBuffers"].calls:
                    sys.exit(f"bench: {program} swapped no frame\n{run.output()}")
                stages[program].append((stages_of(spans), spans["SDL_GL_SwapBuffers"].last))
                memory[program].append(run.max_rss_kb / 1024)
    return stages, memory


def paced_run(x, game, probes):
    with ProbedRun(x, game, probes) as run:
        passes = run.wait_for_swaps(LANDING_PASSES + PACED_PASSES + 1, timeout=120)
        run.stop()
        periods, work = periods_and_work(passes[LANDING_PASSES:])
        return periods, work, run.max_rss_kb / 1024


def own_cpu_share(x, game, probes):
    """The share of the game process's CPU samples, all its threads, spent for its own code; and passes profiled.

    A sample in libc, libstdc++, the kernel or an inlined frame belongs to the
    nearest caller up its call chain that is the game's or a library's: time in
    memcpy under a buffer swap is Mesa's, time in operator new under an enemy's
    spawn is the game's.
    """
    with ProbedRun(x, game, probes) as run, tempfile.TemporaryDirectory() as scratch:
        run.wait_for_swaps(LANDING_PASSES, timeout=60)
        data = os.path.join(scratch, "perf.data")
        before = len(run.passes())
        try:
            recorded = subprocess.run(["perf", "record", "-q", "--call-graph", "dwarf,8192", "-F", str(PROFILE_HZ),
                                       "-p", str(run.process.pid), "-o", data, "--", "sleep", str(PROFILED_SECONDS)],
                                      capture_output=True)
        except OSError:
            return None  # no perf on this machine
        passes = len(run.passes()) - before
        if recorded.returncode != 0:
            return None
        script = subprocess.run(["perf", "script", "-i", data, "-F", "comm,ip,dso"],
                                capture_output=True, text=True).stdout
    owners = [owner_of(sample.splitlines()[1:]) for sample in script.strip().split("\n\n")]
    return owners.count(OWN_CODE) / len(owners), len(owners), passes


def owner_of(frames):
    for frame in frames:
        found = re.search(r"\(([^)]*)\)\s*$", frame)
        name = os.path.basename(found.group(1)) if found else ""
        if name and not SHARED_CODE.match(name):
            return name
    return "unknown"


def sdl_in_use(game):
    libraries = subprocess.run(["ldd", game], capture_output=True, text=True).stdout
    match = re.search(r"libSDL-1\.2\.so\.0 => (\S+)", libraries)
    return os.path.basename(os.path.realpath(match.group(1))) if match else "unknown"


def in_process_rows(build, row):
    bench = in_process_benchmarks(build)
    for name, label in (("BM_SimulationQuietRoom", "simulation pass, quiet room"),
                        ("BM_SimulationFullTables", "simulation pass, full tables")):
        us = bench[name]["real_time"]
        full = "Full" in name
        row(label, f"{us:.2f} us", target=f"< {SIMULATION_LIMIT_US} us" if full else "",
            met=us < SIMULATION_LIMIT_US if full else None)
    for name, label in (("BM_RenderFrameTypicalRoom", "renderFrame, typical room"),
                        ("BM_RenderFrameFullTables", "renderFrame, full tables")):
        result = bench[name]
        ratio = result["ratio"]
        row(f"{label} ({int(result['gl_calls'])} GL calls)", f"{result['frame_ms']:.2f} ms",
            f"{result['floor_ms']:.2f} ms replayed", f"{ratio:.3f}", f"<= {RENDER_RATIO_LIMIT}",
            ratio <= RENDER_RATIO_LIMIT)
    row("loadContent + setupWorld", f"{bench['BM_LoadContentAndSetupWorld']['real_time']:.1f} ms")


def start_up_rows(stages, memory, paced_memory, game, bare, row):
    # The run of each program whose whole start is its median (STARTS is odd), whole and stage by stage.
    game_run, game_start = median_run(stages[game])
    bare_run, bare_start = median_run(stages[bare])
    row(f"start to first frame (median of {STARTS})", f"{game_start:.0f} ms", f"{bare_start:.0f} ms bare",
        f"{game_start / bare_start:.2f}")
    ratio = (game_start - PASS_DELAY_MS) / bare_start
    row("  the same less the first pass's delay", f"{game_start - PASS_DELAY_MS:.0f} ms", f"{bare_start:.0f} ms bare",
        f"{ratio:.2f}", f"<= {START_RATIO_LIMIT}", ratio <= START_RATIO_LIMIT)
    bare_by_label = dict(bare_run)
    for label, ms in game_run:
        bare_ms = bare_by_label.get(label)
        row(f"  {label}", f"{ms:.1f} ms", "" if bare_ms is None else f"{bare_ms:.1f} ms bare")
    game_sum, bare_sum = (sum(ms for _, ms in run) for run in (game_run, bare_run))
    row(f"  the stages' sum, against the whole ({game_start:.1f} and {bare_start:.1f} ms)", f"{game_sum:.1f} ms",
        f"{bare_sum:.1f} ms bare", f"{game_sum / game_start:.3f}", "within 5 %",
        abs(game_sum / game_start - 1) <= 0.05 and abs(bare_sum / bare_start - 1) <= 0.05)
    game_peak = max(memory[game] + [paced_memory])
    bare_peak = max(memory[bare])
    row("peak memory (max RSS)", f"{game_peak:.1f} MB", f"{bare_peak:.1f} MB bare",
        f"+{game_peak - bare_peak:.1f} MB", f"<= +{MEMORY_ALLOWANCE_MB} MB",
        game_peak - bare_peak <= MEMORY_ALLOWANCE_MB)


def median_run(runs):
    """Of (stages, whole) pairs, the one whose whole is the median (the lower middle of an even count)."""
    ordered = sorted(runs, key=lambda run: run[1])
    return ordered[(len(ordered) - 1) // 2]


def pacing_rows(periods, work, profile, row):
    period, pass_work = median(periods), median(work)
    expected = PASS_DELAY_MS + pass_work
    row(f"pass period, median of {PACED_PASSES}", f"{period:.2f} ms", f"{expected:.2f} ms = 50 + work",
        f"{period / expected:.3f}", f"within {PERIOD_TOLERANCE:.0%}",
        abs(period / expected - 1) <= PERIOD_TOLERANCE)
    p99 = percentile(periods, 0.99)
    row("pass period, 99th percentile", f"{p99:.2f} ms", f"{period:.2f} ms median", f"{p99 / period:.3f}",
        f"<= {PERIOD_P99_RATIO_LIMIT}", p99 / period <= PERIOD_P99_RATIO_LIMIT)
    if profile:
        share, samples, passes = profile
        row(f"own CPU share of a pass ({samples} samples over {passes} passes)", f"{share:.2%}",
            target=f"<= {OWN_CPU_LIMIT:.0%}", met=share <= OWN_CPU_LIMIT)
    else:
        row("own CPU share of a pass", "perf could not profile here")


def browser_periods(site):
    """The page's pass periods in headless Chromium, after the landing."""
    with Site(site) as served, Browser(640, 600) as browser:
        browser.open(served.url)
        if not browser.wait_for(f"typeof Module == 'object' && Module.frames >= {LANDING_PASSES}"):
            sys.exit(f"bench: the site drew no {LANDING_PASSES} passes: {browser.problems}")
        browser.evaluate("(drawn => { Module.drawnAt = []; Module.onFrameDrawn = function () {"
                         " Module.drawnAt.push(performance.now()); drawn.call(Module); }; })(Module.onFrameDrawn)")
        times = browser.wait_for(f"Module.drawnAt.length > {BROWSER_PASSES} && Module.drawnAt", timeout=120)
    return [later - earlier for earlier, later in zip(times, times[1:])]


def web_rows(site, native_periods, row):
    files = [os.path.join(site, name) for name in sorted(os.listdir(site))]
    raw = packed = 0
    for path in files:
        with open(path, "rb") as f:
            data = f.read()
        raw += len(data)
        packed += len(gzip.compress(data, 9))
    row(f"web site: {', '.join(os.path.basename(path) for path in files)}", f"{raw / 1e6:.2f} MB",
        f"{packed / 1e6:.2f} MB gzipped")
    if not CHROMIUM:
        row("pass period in the browser", "no chromium here")
        return
    browser, native = median(browser_periods(site)), median(native_periods)
    row(f"pass period in headless Chromium (SwiftShader), median of {BROWSER_PASSES}", f"{browser:.2f} ms",
        f"{native:.2f} ms native", f"{browser / native:.3f}")


def main(build, site):
    game = os.path.join(build, "cavern")
    bare = os.path.join(build, "bench", "bare_sdl_gl")
    probes = os.path.join(build, "bench")
    rows = []

    def row(measure, value, floor="", ratio="", target="", met=None):
        rows.append((measure, value, floor, ratio, target, "" if met is None else "yes" if met else "NO"))

    in_process_rows(build, row)
    with Xvfb() as x:
        stages, memory = start_ups(x, game, bare, probes)
        periods, work, paced_memory = paced_run(x, game, probes)
        profile = own_cpu_share(x, game, probes)
    start_up_rows(stages, memory, paced_memory, game, bare, row)
    pacing_rows(periods, work, profile, row)
    if site:
        web_rows(site, periods, row)

    print(f"SDL 1.2 in use: {sdl_in_use(game)}")
    widths = [max(len(r[i]) for r in rows + [HEADER]) for i in range(len(HEADER))]
    for r in [HEADER] + rows:
        print("  ".join(cell.ljust(width) for cell, width in zip(r, widths)).rstrip())


if __name__ == "__main__":
    if len(sys.argv) not in (2, 3):
        sys.exit(__doc__)
    main(os.path.abspath(sys.argv[1]), os.path.abspath(sys.argv[2]) if len(sys.argv) == 3 else None)
