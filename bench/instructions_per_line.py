#!/usr/bin/env python3
"""Instructions the core spends on a line, counted by callgrind: the same on every run.

Wall-clock rates wander on a shared machine; an instruction count does not. This
generates a stream (by default ten minutes of a 10 Hz dual-band receiver with five GSA an
epoch), runs `skyvane-replay --final` on it and on an empty input under callgrind, and
prints the difference divided by the lines: what one line costs, start-up left out. Other
builds (an older checkout, say) are counted beside this one's with --replay. Needs
valgrind; build the bench preset first:

    cmake --preset bench && cmake --build --preset bench
    bench/instructions_per_line.py [--seconds 600] [--rate 10] [--replay OTHER/skyvane-replay]...
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))
BUILD = os.path.normpath(os.path.join(HERE, "..", "build", "bench"))
REPLAY = os.path.join(BUILD, "tools", "replay", "skyvane-replay")
SCENARIO = os.path.join(BUILD, "tools", "scenario", "skyvane-scenario")


def generate(path, seconds, rate):
    arguments = ["--seconds", str(seconds), "--seed", "5", "--rate", str(rate)]
    if rate > 1:
        arguments.append("--qzss-gsa")
    with open(path, "wb") as out:
        subprocess.run([SCENARIO] + arguments, check=True, stdout=out)


def instructions(replay, stream, folder):
    """Instructions callgrind counted for a whole run of the replay on the stream."""
    output = os.path.join(folder, "callgrind.out")
    done = subprocess.run(["valgrind", "--tool=callgrind", f"--callgrind-out-file={output}",
                           replay, "--utc-offset", "60", "--final", stream],
                          stdout=subprocess.DEVNULL, stderr=subprocess.PIPE, text=True, check=True)
    collected = re.search(r"Collected : (\d+)", done.stderr)
    if collected is None:
        sys.exit(f"callgrind reported no count for {replay}")
    return int(collected.group(1))


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seconds", type=int, default=600, help="length of the generated run")
    parser.add_argument("--rate", type=int, default=10, help="epochs a second (1 for the "
                        "default drive, with four GSA an epoch)")
    parser.add_argument("--replay", action="append", default=[],
                        help="another skyvane-replay to count beside this checkout's")
    options = parser.parse_args()
    if shutil.which("valgrind") is None:
        sys.exit("valgrind not found (Debian: valgrind)")
    for program in (REPLAY, SCENARIO):
        if not os.path.isfile(program):
            sys.exit(f"missing {program}: build the bench preset")
    with tempfile.TemporaryDirectory() as folder:
        stream = os.path.join(folder, "drive.nmea")
        empty = os.path.join(folder, "empty.nmea")
        generate(stream, options.seconds, options.rate)
        open(empty, "wb").close()
        with open(stream, "rb") as source:
            lines = source.read().count(b"\n")
        print(f"{lines} lines at {options.rate} Hz")
        for replay in [REPLAY] + options.replay:
            per_line = (instructions(replay, stream, folder) -
                        instructions(replay, empty, folder)) / lines
            print(f"{per_line:8.0f} instructions a line  {replay}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
