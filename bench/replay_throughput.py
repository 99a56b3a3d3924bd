#!/usr/bin/env python3
"""How fast skyvane.exe replays a recorded log, line by line through its whole intake.

Runs the real program under Wine on the end-to-end bench: a generated dual-band drive of
about 100,000 lines, written as the program writes its logs (UTF-16 with a byte-order
mark), is replayed through "Log File:" and the file dialog while the program logs what it
takes in. The replay is timed from the dialog's answer until the log holds every valid
line; the log must then equal the recording's valid lines, in order, and the console must
end with the recording's last lines. Build both presets first (scripts/test.sh does).

    bench/replay_throughput.py [--lines 100000] [--program build/windows/app/skyvane.exe]
"""

import argparse
import os
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e", "harness"))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e", "scenarios"))

import bench_paths  # noqa: E402
from bench import Bench  # noqa: E402
from log_file import expected_log_bytes, read_log_lines  # noqa: E402
from process_cpu import CpuWatch  # noqa: E402
from skyvane_panel import (COM_PORT, LOG_FILE, LOG_NAME, START_GPS,  # noqa: E402
                           checksum_is_valid, wait_until_shown)
from waiting import WaitTimeout, wait_until  # noqa: E402

SCENARIO = os.path.join(bench_paths.NATIVE_BUILD, "tools/scenario/skyvane-scenario")
LINES_PER_SCENARIO_SECOND = 23.8  # the generator's drive, all four constellations tracked


def generated_sentences(lines):
    seconds = max(int(lines / LINES_PER_SCENARIO_SECOND), 1)
    output = subprocess.run([SCENARIO, "--seconds", str(seconds), "--seed", "5"],
                            check=True, capture_output=True).stdout
    return output.decode("ascii").splitlines(keepends=True)


def file_size(path):
    try:
        return os.path.getsize(path)
    except OSError:
        return 0


def console_ends_with(probe, lines):
    try:
        wait_until_shown(probe, lines)
        return True
    except WaitTimeout:
        return False


def measure(options):
    sentences = generated_sentences(options.lines)
    valid = [line for line in sentences if checksum_is_valid(line)]
    with Bench("replay_throughput", program=options.program) as bench:
        recording = os.path.join(bench.folder, "drive.txt")
        with open(recording, "wb") as out:
            out.write(expected_log_bytes(sentences))
        program = bench.start_program()
        probe = bench.probe
        probe.set_text(LOG_NAME, "replayed")
        probe.click(LOG_FILE)
        log_path = os.path.join(bench.folder, "replayed_log.txt")
        expected_size = len(expected_log_bytes(valid))
        probe.select(COM_PORT, 1)
        probe.click(START_GPS, wait=False)  # the file dialog is modal
        cpu = CpuWatch(program.pid, bench.prefix)
        cpu.start()
        started = time.monotonic()
        probe.open_file(bench.windows_path(recording))  # the replay starts as the dialog ends
        done = wait_until(lambda: file_size(log_path) >= expected_size or None, timeout=900,
                          interval=0.05, what="every valid line in the log")
        elapsed = time.monotonic() - started
        used = cpu.stop()
        shown = console_ends_with(probe, sentences[-3:])
        probe.click(LOG_FILE)
        screenshot = bench.screenshot("replayed")
        return {
            "lines": len(sentences),
            "seconds": round(elapsed, 2),
            "lines_per_second": round(len(sentences) / elapsed),
            "log_equals_valid_lines": bool(done) and read_log_lines(log_path) == valid,
            "console_ends_with_last_lines": shown,
            "title": probe.title(),
            "program_cpu_seconds": used["program"],
            "wineserver_cpu_seconds": used["wineserver"],
            "screenshot": screenshot,
        }


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--lines", type=int, default=100_000)
    parser.add_argument("--program", default=None, help="another skyvane.exe to measure")
    result = measure(parser.parse_args())
    for key, value in result.items():
        print(f"{key:>28}: {value}")
    return 0 if result["log_equals_valid_lines"] and result["console_ends_with_last_lines"] else 1


if __name__ == "__main__":
    sys.exit(main())
