#!/usr/bin/env python3
"""make mutants: plants each fault of mutations.txt in a copy of the tree, rebuilds the
unit tier there (or the tests a block names with "tests:"), runs it, and says whether
the fault was killed. The checkout itself is never written to.

run_mutants.py [BUILD_FOLDER] [PATTERN]: PATTERN (a regular expression) picks the blocks
whose heading it matches."""
import os
import re
import shutil
import subprocess
import sys
import time

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
LIST = os.path.join(ROOT, "tools", "mutants", "mutations.txt")


def read_mutations(path):
    mutations, current = [], None
    for number, line in enumerate(open(path), 1):
        line = line.rstrip("\n")
        if line.startswith("["):
            subsystem, rule = re.match(r"\[(\w+)\] (.*)", line).groups()
            current = {"subsystem": subsystem, "rule": rule, "line": number, "tests": None}
            mutations.append(current)
        elif current is not None and line.startswith(("file: ", "tests: ")):
            key, value = line.split(": ", 1)
            current[key] = value
        elif current is not None and line[:2] in ("- ", "+ "):
            text = line[2:].replace("\\\\", "\0").replace("\\n", "\n").replace("\0", "\\")
            current["old" if line[0] == "-" else "new"] = text
    for m in mutations:
        if not all(k in m for k in ("file", "old", "new")):
            sys.exit(f"{LIST}:{m['line']}: a block needs file:, - and +")
    return mutations


def mirror(source, copy):
    """Brings the copy up to date with the checkout's files, rewriting only what differs
    and removing what the checkout no longer has."""
    listed = set(filter(None, subprocess.run(["git", "-C", source, "ls-files", "-co", "--exclude-standard"],
                                             capture_output=True, text=True, check=True).stdout.split("\n")))
    for folder, _, files in os.walk(copy):
        for name in files:
            path = os.path.join(folder, name)
            if os.path.relpath(path, copy) not in listed:
                os.remove(path)
    for name in listed:
        src, dst = os.path.join(source, name), os.path.join(copy, name)
        if not os.path.isfile(src) or os.path.islink(src):
            continue
        with open(src, "rb") as f:
            data = f.read()
        if os.path.exists(dst) and open(dst, "rb").read() == data:
            continue
        os.makedirs(os.path.dirname(dst), exist_ok=True)
        shutil.copy2(src, dst)


def run(command, timeout=900):
    try:
        done = subprocess.run(command, capture_output=True, text=True, timeout=timeout)
        return done.returncode, done.stdout + done.stderr
    except subprocess.TimeoutExpired as e:
        return -1, f"timed out: {e}"


def killers(output):
    """The names of the failed cases: the message after each failure, else the test's name."""
    if re.search(r"^(FAIL|ERROR): ", output, re.M):  # Python's unittest
        return "; ".join(re.findall(r"^(?:FAIL|ERROR): (\S+)", output, re.M)[:2])
    names = re.findall(r"^(?!Expected|Value of|Actual|  |\[|Which|/)(\S.*?)\n(?=\[  FAILED|/|$)", output, re.M)
    names += re.findall(r"^\[  FAILED  \] (\S+?)(?:, where|\s\(|$)", output, re.M)
    seen = []
    for name in names:
        noise = re.match(r"Running|Note|\d|Start|Test|Label|Total|The following|Errors|\w+ +=", name)
        if name not in seen and not noise:
            seen.append(name)
    return "; ".join(seen[:2]) or "the build or a crash"


def main():
    build = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.join(ROOT, "build-mutants"))
    word = sys.argv[2] if len(sys.argv) > 2 else ""  # every block
    mutations = [m for m in read_mutations(LIST) if re.search(word, f"[{m['subsystem']}] {m['rule']}")]
    copy, binary = os.path.join(build, "src"), os.path.join(build, "build")
    mirror(ROOT, copy)
    code, out = run(["cmake", "-S", copy, "-B", binary, "-DCMAKE_BUILD_TYPE=RelWithDebInfo"])
    if code:
        sys.exit(out)
    jobs = str(os.cpu_count() or 2)
    results = []
    for m in mutations:
        path = os.path.join(copy, m["file"])
        original = open(path).read()
        if original.count(m["old"]) != 1:
            results.append((m, "not found"))
            print(f"NOT FOUND  [{m['subsystem']}] {m['rule']} ({LIST}:{m['line']})", flush=True)
            continue
        started = time.time()
        try:
            with open(path, "w") as f:
                f.write(original.replace(m["old"], m["new"]))
            target = ["--target", "unit_tests"] if not m["tests"] else []
            code, out = run(["cmake", "--build", binary, "-j", jobs] + target)
            if not code and m["tests"] and "windows" in m["tests"]:  # the zip the Wine tier unpacks
                code, out = run(["make", "-C", copy, "windows"])
            if code:
                verdict, why = "no build", "\n".join(out.strip().splitlines()[-3:])
            else:
                select = ["-R", m["tests"]] if m["tests"] else ["-L", "unit"]
                code, out = run(["ctest", "--test-dir", binary, "--output-on-failure", "--timeout", "120",
                                 "-j", jobs] + select)
                verdict, why = ("killed", killers(out)) if code else ("SURVIVED", "")
        finally:
            with open(path, "w") as f:
                f.write(original)
        results.append((m, verdict))
        print(f"{verdict:9}  [{m['subsystem']}] {m['rule']}  ({time.time() - started:.0f} s)"
              + (f"\n           by: {why}" if why else ""), flush=True)
    killed = sum(1 for _, v in results if v == "killed")
    valid = sum(1 for _, v in results if v in ("killed", "SURVIVED"))
    print(f"\n{killed} of {valid} mutations killed ({100 * killed / max(valid, 1):.0f} %)"
          + (f"; {len(results) - valid} could not be applied or built" if valid < len(results) else ""))
    return 0 if valid == len(results) and killed >= 0.9 * valid else 1


if __name__ == "__main__":
    sys.exit(main())
