#!/usr/bin/env python3
"""Lines a second through the whole core, with and without the run report, beside gpsdecode.

Generates a realistic dual-band drive (about two million lines; by default from a 10 Hz
receiver with five GSA an epoch, the stream the core's throughput goal is set on), then
times on the same bytes, each the best of three runs on one core (taskset):

- `skyvane-replay --final`: every line through the byte filter, the ring, the line batch,
  the intake and its parsers; one line of JSON at the end;
- the same with `--report` into a temporary file, when the replay has that option (its
  --help is asked; otherwise the row says "not available");
- gpsd's `gpsdecode`, which decodes every sentence and prints it.

Further skyvane-replay builds (an older checkout, say) are measured beside them with
--replay. Build the bench preset first, and install gpsdecode for its row:

    cmake --preset bench && cmake --build --preset bench
    sudo apt-get install gpsd-clients
    bench/core_throughput.py [--lines 2000000] [--rate 10|1] [--replay OTHER/skyvane-replay]...
"""

import argparse
import os
import shutil
import subprocess
import sys
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
BUILD = os.path.normpath(os.path.join(HERE, "..", "build", "bench"))
REPLAY = os.path.join(BUILD, "tools", "replay", "skyvane-replay")
SCENARIO = os.path.join(BUILD, "tools", "scenario", "skyvane-scenario")
# Lines a simulated second brings, by epochs a second; the run is sized from it.
LINES_PER_SCENARIO_SECOND = {1: 23.8, 10: 250.0}


def generate(path, lines, rate):
    seconds = max(int(lines / LINES_PER_SCENARIO_SECOND[rate]), 1)
    arguments = ["--seconds", str(seconds), "--seed", "5", "--rate", str(rate)]
    if rate > 1:
        arguments.append("--qzss-gsa")
    with open(path, "wb") as out:
        subprocess.run([SCENARIO] + arguments, check=True, stdout=out)


def supports_report(replay):
    """Whether this build's usage names --report; --help itself may be an unknown option."""
    done = subprocess.run([replay, "--help"], capture_output=True, text=True)
    return "--report" in done.stdout + done.stderr


def pinned(command, cpu):
    return ["taskset", "-c", str(cpu)] + command if cpu is not None else command


def best_seconds(command, stream, runs=3):
    best = None
    for _ in range(runs):
        with open(stream, "rb") as source:
            started = time.perf_counter()
            subprocess.run(command, check=True, stdin=source, stdout=subprocess.DEVNULL)
            elapsed = time.perf_counter() - started
        best = elapsed if best is None else min(best, elapsed)
    return best


def decoders(replays, report_path):
    """(name, command or None when not available) in the order they are measured."""
    rows = []
    for replay in replays:
        rows.append((f"skyvane-replay {replay}", [replay, "--final", "-"]))
        report = [replay, "--final", "--report", report_path, "-"]
        rows.append((f"skyvane-replay --report {replay}",
                     report if supports_report(replay) else None))
    rows.append(("gpsdecode", ["gpsdecode"] if shutil.which("gpsdecode") else None))
    return rows


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--lines", type=int, default=2_000_000)
    parser.add_argument("--rate", type=int, choices=sorted(LINES_PER_SCENARIO_SECOND), default=10,
                        help="10: five GSA an epoch at 10 Hz (default); 1: the default drive")
    parser.add_argument("--cpu", type=int, default=os.cpu_count() - 1,
                        help="the core every run is pinned to (default: the last)")
    parser.add_argument("--replay", action="append", default=[],
                        help="another skyvane-replay to measure beside this checkout's")
    options = parser.parse_args()
    for program in (REPLAY, SCENARIO):
        if not os.path.isfile(program):
            sys.exit(f"missing {program}: build the bench preset")
    cpu = options.cpu if shutil.which("taskset") else None
    if cpu is None:
        print("taskset not found (Debian: util-linux); the runs are not pinned to one core")
    with tempfile.TemporaryDirectory() as folder:
        stream = os.path.join(folder, "drive.nmea")
        generate(stream, options.lines, options.rate)
        with open(stream, "rb") as source:
            data = source.read()
        lines = data.count(b"\n")
        megabytes = len(data) / 1e6
        load = ", ".join(f"{value:.2f}" for value in os.getloadavg())
        print(f"{lines} lines, {megabytes:.1f} MB at {options.rate} Hz; best of three on CPU "
              f"{cpu}; load average {load}")
        for name, command in decoders([REPLAY] + options.replay,
                                      os.path.join(folder, "report.txt")):
            if command is None:
                hint = " (Debian: gpsd-clients)" if name == "gpsdecode" else ""
                print(f"{'not available':>33}  {name}{hint}")
                continue
            seconds = best_seconds(pinned(command, cpu), stream)
            print(f"{lines / seconds / 1e6:6.2f} M lines/s  {megabytes / seconds:7.1f} MB/s  {name}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
