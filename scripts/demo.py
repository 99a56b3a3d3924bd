#!/usr/bin/env python3
"""Starts skyvane.exe under Wine against the simulated receiver, which streams a generated
multi-constellation, dual-band drive that gains its fix after a few tens of seconds.

With a display (DISPLAY set and answering) the program appears there and runs until you
close it. Without one it runs on a virtual display until the fix has been measured, and
a screenshot is saved. Called by scripts/run.sh once everything is built.

    scripts/demo.py [--screenshot PATH] [--fix-after SECONDS]
"""

import argparse
import os
import shutil
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "tests", "e2e", "harness"))

import bench_paths  # noqa: E402
import wine_prefix  # noqa: E402
from probe import Probe  # noqa: E402
from sim_receiver import SimReceiver  # noqa: E402
from waiting import wait_until  # noqa: E402
from xvfb_display import XvfbDisplay  # noqa: E402

DEMO_DIR = os.path.join(bench_paths.NATIVE_BUILD, "demo")
PORT = 20
START_GPS = 1004
SETTINGS = "[SKYVANE]\r\nDEF_BAUDRATE=6\r\n"


def display_answers(name):
    if not name:
        return False
    try:
        result = subprocess.run(["xdpyinfo", "-display", name], stdout=subprocess.DEVNULL,
                                stderr=subprocess.DEVNULL, timeout=10)
    except (OSError, subprocess.TimeoutExpired):
        return False
    return result.returncode == 0


# Every program of the demo prefix runs in one Wine virtual desktop, which draws the
# window frames itself, so the title shows on any display, with or without a window
# manager.
VIRTUAL_DESKTOP = [
    [r"HKCU\Software\Wine\Explorer", "/v", "Desktop", "/t", "REG_SZ", "/d", "Default"],
    [r"HKCU\Software\Wine\Explorer\Desktops", "/v", "Default", "/t", "REG_SZ", "/d",
     "1010x840"],
]


def prepared_prefix():
    prefix = os.path.join(DEMO_DIR, "prefix")
    if not os.path.isdir(prefix):
        print("Making a Wine prefix for the demo (once, about 20 s)...", flush=True)
        wine_prefix.make_template(prefix)
        env = wine_prefix.wine_environment(prefix)
        for key in VIRTUAL_DESKTOP:
            wine_prefix.run_wine_tool(["wine", "reg", "add", *key, "/f"], env)
        wine_prefix.run_wine_tool(["wineserver", "-w"], env)
    return prefix


def start_program(env, work):
    with open(os.path.join(work, "skyvane.ini"), "w", newline="") as ini:
        ini.write(SETTINGS)
    program = os.path.join(work, "skyvane.exe")
    shutil.copy2(bench_paths.SKYVANE, program)
    out = open(os.path.join(work, "program.out"), "wb")
    return subprocess.Popen(["wine", program],
                            cwd=work, env=env, stdout=out, stderr=subprocess.STDOUT)


def run(options):
    os.makedirs(DEMO_DIR, exist_ok=True)
    work = os.path.join(DEMO_DIR, "work")
    shutil.rmtree(work, ignore_errors=True)
    os.makedirs(work)
    prefix = prepared_prefix()
    on_screen = display_answers(os.environ.get("DISPLAY"))
    display = None if on_screen else XvfbDisplay(os.path.join(work, "xvfb.log"))
    env = wine_prefix.wine_environment(prefix, os.environ["DISPLAY"] if on_screen else display.name)
    wine_prefix.start_wineserver(env, os.path.join(work, "wineserver.log"))
    probe = receiver = program = None
    try:
        probe = Probe(["wine", bench_paths.PROBE, "--class", bench_paths.SKYVANE_CLASS], env,
                      work, os.path.join(work, "probe.stderr"))
        probe.ports_only(PORT)
        receiver = SimReceiver(bench_paths.SIM_RECEIVER,
                               os.path.join(prefix, "dosdevices", f"com{PORT}"), work,
                               scenario_seconds=3600, fix_after=options.fix_after,
                               lines_per_second=24)
        program = start_program(env, work)
        probe.wait_window()
        probe.click(START_GPS)
        if on_screen:
            print("Skyvane runs on your display with the simulated receiver on "
                  f"Serial Port (COM{PORT}). Close its window to end the demo.", flush=True)
            probe.exit_code(timeout_ms=24 * 3600 * 1000)
            return 0
        print(f"Streaming; waiting for the first fix (about {options.fix_after} s)...", flush=True)
        wait_until(lambda: "Sec" in probe.title(), timeout=options.fix_after + 120,
                   what="the time to first fix in the title")
        time.sleep(3)  # a few more epochs on screen
        screenshot = os.path.abspath(options.screenshot)
        os.makedirs(os.path.dirname(screenshot), exist_ok=True)
        display.screenshot(screenshot)
        # Only the virtual desktop, where the program is.
        subprocess.run(["convert", screenshot, "-crop", "1010x840+0+0", "+repage", screenshot],
                       check=False)
        print(f"Title: {probe.title()!r}\nScreenshot: {screenshot}", flush=True)
        probe.close()
        return 0
    finally:
        for part in (probe, receiver):
            if part is not None:
                part.stop()
        wine_prefix.stop_wineserver(env)
        if program is not None and program.poll() is None:
            program.kill()
        if display is not None:
            display.stop()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--screenshot", default=os.path.join(DEMO_DIR, "skyvane.png"))
    parser.add_argument("--fix-after", type=int, default=35)
    return run(parser.parse_args())


if __name__ == "__main__":
    sys.exit(main())
