#!/usr/bin/env python3
"""How fast skyvane.exe takes in a receiver at 921,600 baud, and whether it loses a line.

Runs the real program under Wine on the end-to-end bench: the simulated receiver streams a
generated dual-band drive at the chosen baud rate while the program shows every line and
logs it. At the end the lines the receiver sent are compared with the lines in the log,
and the program's resident memory is sampled throughout: its peak in the first minute
and in the last one show whether a long run grows. Build both presets first (scripts/test.sh does).

    bench/serial_throughput.py [--seconds 60] [--baud 921600] [--program PATH]
                               [--window 60] [--statistics] [--auto-send SECONDS]

--statistics keeps the statistics window open all along (it refreshes once a second);
--auto-send sends a version query at that period, as a bench that polls its receiver does.
"""

import argparse
import os
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e", "harness"))

from bench import Bench  # noqa: E402
from log_file import read_log_lines  # noqa: E402
from process_cpu import CpuWatch  # noqa: E402
from waiting import wait_until  # noqa: E402

START_GPS = 1004
LOG_FILE = 1012
AUTO = 1013
AUTO_PERIOD = 1016
LOG_NAME = 1020
SEND_TEXT = 1022
STATISTICS = 40005


def resident_kib(pid):
    """The resident memory of a Linux process, in KiB (0 once it has gone)."""
    try:
        with open(f"/proc/{pid}/status", encoding="ascii") as status:
            for line in status:
                if line.startswith("VmRSS:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return 0


def open_files(pid):
    """The file descriptors the program's Linux process holds: what its Windows
    handles to files, devices, events and threads come down to."""
    try:
        return len(os.listdir(f"/proc/{pid}/fd"))
    except OSError:
        return 0


def watch_process(pid, started, seconds, window, every=2.0):
    """Samples the program's resident memory and open files until `seconds` after
    `started`; their peaks in the first and the last `window` seconds show a trend."""
    samples = []
    while time.monotonic() - started < seconds:
        time.sleep(min(every, max(seconds - (time.monotonic() - started), 0)))
        samples.append((time.monotonic() - started, resident_kib(pid), open_files(pid)))
    window = min(window, seconds / 2)
    first = [sample for sample in samples if sample[0] <= window]
    last = [sample for sample in samples if sample[0] >= seconds - window]
    return {
        "after_10s": next((kib for at, kib, _ in samples if at >= 10), 0),
        "peak_first": max((kib for _, kib, _ in first), default=0),
        "peak_last": max((kib for _, kib, _ in last), default=0),
        "at_end": samples[-1][1] if samples else 0,
        "files_peak_first": max((files for _, _, files in first), default=0),
        "files_peak_last": max((files for _, _, files in last), default=0),
    }


def log_line_count(path):
    try:
        return len(read_log_lines(path))
    except (OSError, AssertionError):
        return 0


def measure(options):
    with Bench("serial_throughput", program=options.program) as bench:
        receiver = bench.start_receiver(scenario_seconds=1_000_000, baud=options.baud)
        program = bench.start_program()
        probe = bench.probe
        probe.set_text(LOG_NAME, "throughput")
        probe.click(LOG_FILE)
        log_path = os.path.join(bench.folder, "throughput_log.txt")
        probe.click(START_GPS)
        wait_until(lambda: receiver.stats()["lines"] > 0, timeout=30, what="the stream to start")
        if options.statistics:
            probe.menu(STATISTICS)
        if options.auto_send:
            probe.set_text(SEND_TEXT, "$PMTK605*31")
            probe.set_text(AUTO_PERIOD, str(options.auto_send))
            probe.click(AUTO)
        started = time.monotonic()
        cpu = CpuWatch(program.pid, bench.prefix)
        cpu.start()
        first = receiver.stats()
        memory = watch_process(program.pid, started, options.seconds, options.window)
        receiver.pause()
        last = receiver.stats()
        elapsed = time.monotonic() - started
        used = cpu.stop()
        # Every line sent is in the pseudo-terminal or the program; let it drain.
        settled = wait_until(lambda: log_line_count(log_path) >= last["lines"] or None,
                             timeout=60, what="every sent line in the log")
        logged = log_line_count(log_path)
        probe.click(LOG_FILE)
        sent_lines = bench_sent_lines(receiver)
        screenshot = bench.screenshot("throughput")
        return {
            "baud": options.baud,
        "statistics_window": options.statistics,
        "auto_send_seconds": options.auto_send,
            "seconds": round(elapsed, 1),
            "lines_sent": last["lines"],
            "lines_logged": logged,
            "lines_lost": last["lines"] - logged,
            "log_matches_sent": read_log_lines(log_path) == sent_lines,
            "lines_per_second": round((last["lines"] - first["lines"]) / elapsed, 1),
            "bytes_per_second": round((last["bytes"] - first["bytes"]) / elapsed),
            "line_rate_of_link": round(options.baud / 10 / average_line_bytes(sent_lines), 1),
            # Percent of one core over the run; the wineserver serves every message.
            "program_cpu_percent": round(100 * used["program"] / elapsed, 1),
            "wineserver_cpu_percent": round(100 * used["wineserver"] / elapsed, 1),
            # The resident memory swings as the console fills and is emptied; its
            # highest value in the first and the last window shows a trend.
            "window_seconds": min(options.window, options.seconds / 2),
            "memory_kib_after_10s": memory["after_10s"],
            "memory_kib_peak_first_window": memory["peak_first"],
            "memory_kib_peak_last_window": memory["peak_last"],
            "memory_kib_at_end": memory["at_end"],
            "open_files_peak_first_window": memory["files_peak_first"],
            "open_files_peak_last_window": memory["files_peak_last"],
            "drained": bool(settled),
            "screenshot": screenshot,
        }


def bench_sent_lines(receiver):
    """The complete lines sent; a pause may fall inside a line."""
    lines = receiver.sent_bytes().decode("ascii").splitlines(keepends=True)
    return [line for line in lines if line.endswith("\n")]


def average_line_bytes(lines):
    return sum(len(line) for line in lines) / max(len(lines), 1)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--seconds", type=int, default=60)
    parser.add_argument("--baud", type=int, default=921600)
    parser.add_argument("--program", default=None, help="another skyvane.exe to measure")
    parser.add_argument("--window", type=int, default=60,
                        help="seconds at the start and the end whose peaks are compared")
    parser.add_argument("--statistics", action="store_true",
                        help="with the statistics window open")
    parser.add_argument("--auto-send", type=int, default=0, metavar="SECONDS",
                        help="a version query sent at this period")
    result = measure(parser.parse_args())
    for key, value in result.items():
        print(f"{key:>24}: {value}")
    return 0 if result["lines_lost"] == 0 and result["log_matches_sent"] else 1


if __name__ == "__main__":
    sys.exit(main())
