#!/usr/bin/env python3
"""Lines a second through the whole core, beside gpsd's gpsdecode on the same bytes.

Generates a realistic dual-band drive (about two million lines), then times
`skyvane-replay --final` (every line through the byte filter, the ring, the intake and
its parsers; one line of JSON at the end) and `gpsdecode` (which decodes every sentence
and prints it) on it, each the best of three runs, one core each. Further
skyvane-replay builds (an older checkout, say) are measured beside them with --replay.
Build the bench preset first:

    cmake --preset bench && cmake --build --preset bench
    bench/core_throughput.py [--lines 2000000] [--replay OTHER/skyvane-replay]...
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
BUILD = os.path.join(HERE, "..", "build", "bench")
REPLAY = os.path.join(BUILD, "tools", "replay", "skyvane-replay")
SCENARIO = os.path.join(BUILD, "tools", "scenario", "skyvane-scenario")
LINES_PER_SCENARIO_SECOND = 23.8


def generate(path, lines):
    seconds = max(int(lines / LINES_PER_SCENARIO_SECOND), 1)
    with open(path, "wb") as out:
        subprocess.run([SCENARIO, "--seconds", str(seconds), "--seed", "5"], check=True,
                       stdout=out)


def best_seconds(command, stream, runs=3):
    best = None
    for _ in range(runs):
        with open(stream, "rb") as source:
            started = time.perf_counter()
            subprocess.run(command, check=True, stdin=source, stdout=subprocess.DEVNULL)
            elapsed = time.perf_counter() - started
        best = elapsed if best is None else min(best, elapsed)
    return best


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--lines", type=int, default=2_000_000)
    parser.add_argument("--replay", action="append", default=[],
                        help="another skyvane-replay to measure beside this checkout's")
    options = parser.parse_args()
    for program in (REPLAY, SCENARIO):
        if not os.path.isfile(program):
            sys.exit(f"missing {program}: build the bench preset")
    with tempfile.TemporaryDirectory() as folder:
        stream = os.path.join(folder, "drive.nmea")
        generate(stream, options.lines)
        with open(stream, "rb") as source:
            data = source.read()
        lines = data.count(b"\n")
        megabytes = len(data) / 1e6
        print(f"{lines} lines, {megabytes:.1f} MB")
        decoders = [(f"skyvane-replay {path}", [path, "--final", "-"])
                    for path in [REPLAY] + options.replay]
        if shutil.which("gpsdecode"):
            decoders.append(("gpsdecode", ["gpsdecode"]))
        else:
            print("gpsdecode not found (Debian: gpsd-clients); measured without it")
        for name, command in decoders:
            seconds = best_seconds(command, stream)
            print(f"{lines / seconds / 1e6:6.2f} M lines/s  {megabytes / seconds:7.1f} MB/s  {name}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
