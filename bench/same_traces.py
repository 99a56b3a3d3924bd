#!/usr/bin/env python3
"""Whether two skyvane-replay builds print the same traces for every recording here.

A change made for speed must not change what the core does. This replays every golden
input, the sample, every real capture, every fuzzer seed and two generated streams (the
default drive, and 10 Hz with five GSA an epoch) through both builds, at UTC offsets 0 and
60 minutes, and compares the full traces byte for byte. Build the older checkout on its
own (say with `git worktree add` and the bench preset), then:

    bench/same_traces.py OLD/skyvane-replay [NEW/skyvane-replay]

NEW defaults to this checkout's bench build. The exit status is 0 when every trace matched.
"""

import argparse
import glob
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
REPO = os.path.normpath(os.path.join(HERE, ".."))
BUILD = os.path.join(REPO, "build", "bench")
REPLAY = os.path.join(BUILD, "tools", "replay", "skyvane-replay")
SCENARIO = os.path.join(BUILD, "tools", "scenario", "skyvane-scenario")
UTC_OFFSETS = ("0", "60")
GENERATED = {
    "generated-1hz.nmea": ["--seconds", "300", "--seed", "5"],
    "generated-10hz-5gsa.nmea": ["--seconds", "120", "--seed", "5", "--rate", "10", "--qzss-gsa"],
}


def recordings():
    patterns = ["tests/golden/*.nmea", "samples/*", "tests/data/real/*", "tests/fuzz/seeds/pipeline/*"]
    found = []
    for pattern in patterns:
        found += sorted(path for path in glob.glob(os.path.join(REPO, pattern))
                        if os.path.isfile(path) and not path.endswith("README.md"))
    return found


def generate(folder):
    if not os.path.isfile(SCENARIO):
        print(f"missing {SCENARIO}: the generated streams are left out")
        return []
    paths = []
    for name, arguments in GENERATED.items():
        path = os.path.join(folder, name)
        with open(path, "wb") as out:
            subprocess.run([SCENARIO] + arguments, check=True, stdout=out)
        paths.append(path)
    return paths


def trace(replay, offset, path):
    done = subprocess.run([replay, "--utc-offset", offset, path], capture_output=True)
    return done.returncode, done.stdout


def shown_name(path):
    inside = os.path.commonpath([path, REPO]) == REPO
    return os.path.relpath(path, REPO) if inside else os.path.basename(path)


def first_difference(old, new):
    old_lines, new_lines = old.split(b"\n"), new.split(b"\n")
    for number, (a, b) in enumerate(zip(old_lines, new_lines), start=1):
        if a != b:
            return f"line {number} differs"
    return f"{len(old_lines)} lines against {len(new_lines)}"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("old", help="the skyvane-replay to compare against")
    parser.add_argument("new", nargs="?", default=REPLAY)
    options = parser.parse_args()
    for program in (options.old, options.new):
        if not os.path.isfile(program):
            sys.exit(f"missing {program}")
    differing = compared = lines = 0
    with tempfile.TemporaryDirectory() as folder:
        for path in recordings() + generate(folder):
            for offset in UTC_OFFSETS:
                old_status, old = trace(options.old, offset, path)
                new_status, new = trace(options.new, offset, path)
                compared += 1
                lines += old.count(b"\n")
                if (old_status, old) != (new_status, new):
                    differing += 1
                    reason = (f"status {old_status} against {new_status}"
                              if old_status != new_status else first_difference(old, new))
                    print(f"DIFFERS at UTC offset {offset}: {shown_name(path)}: {reason}")
    print(f"{compared - differing} of {compared} traces identical ({lines} trace lines)")
    return 1 if differing else 0


if __name__ == "__main__":
    sys.exit(main())
