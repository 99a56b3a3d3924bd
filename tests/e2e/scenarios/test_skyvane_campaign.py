"""Start campaigns of skyvane.exe against a receiver navigating at 10 Hz: each family's
cold starts timed to within an epoch of the receiver's own time to first fix, hot starts
below the title's three-second floor, a start the receiver ignores, one it never fixes
after, a receiver that vanishes mid-campaign, and the lab's command line with its exit
status."""

import csv
import glob
import json
import math
import os
import unittest

from bench import Bench
from scenario_case import ScenarioCase
from skyvane_panel import (CORE_VER, FW_VER, GET_VERSION, START_GPS, require_program,
                           shown_lines)
from waiting import wait_until

CAMPAIGN = 40006
KIND, FAMILY, COUNT, TIMEOUT, SETTLE, LAT, LON, START, STOP, AREA = range(1110, 1120)
KINDS = ["hot", "warm", "cold", "factory"]
FAMILIES = ["auto", "all", "psrf", "pmtk", "pair", "at", "ubx"]
SETTINGS = "[SKYVANE]\nDEF_BAUDRATE=6\n"
EPOCH_MS = 100
# The program times a start from its write, the receiver from its read; the fix shows
# with the receiver's next epoch after its time to first fix, and reaches the program a
# little later.
EARLIEST_MS, LATEST_MS = -20, EPOCH_MS + 50


def setUpModule():
    require_program()


def nearest_rank(values, percent):
    ordered = sorted(values)
    return ordered[max(1, math.ceil(percent / 100 * len(ordered))) - 1]


def stats_by_hand(values):
    return {"n": len(values), "min": min(values), "p5": nearest_rank(values, 5),
            "median": nearest_rank(values, 50), "mean": sum(values) / len(values),
            "p95": nearest_rank(values, 95), "max": max(values)}


def area_rows(probe):
    return probe.text(AREA).split("\r\n")


def receiver_at_10_hz(bench, family, **options):
    return bench.start_receiver(scenario_seconds=100000, fix_after=0, rate=10, baud=115200,
                                family=family, **options)


def connect_and_identify(probe):
    """Start GPS, then Get Version, so that "auto" knows the family."""
    probe.click(START_GPS)
    wait_until(lambda: len(shown_lines(probe)) > 3, what="lines shown")
    probe.click(GET_VERSION)
    wait_until(lambda: probe.text(CORE_VER) or probe.text(FW_VER), timeout=10,
               what="the version shown")


def open_campaign_window(probe):
    probe.menu(CAMPAIGN)
    wait_until(lambda: probe.ask(f"state {START}")["ok"], what="the campaign window")


def run_campaign(probe, kind, count, family="auto", timeout_s=30, settle_s=1):
    probe.select(KIND, KINDS.index(kind))
    probe.select(FAMILY, FAMILIES.index(family))
    probe.set_text(COUNT, str(count))
    probe.set_text(TIMEOUT, str(timeout_s))
    probe.set_text(SETTLE, str(settle_s))
    probe.click(START)


def saved_report(test, bench, probe, kind, timeout):
    """The report the campaign wrote at its end: its JSON, and the CSV's rows."""
    row = wait_until(lambda: next((row for row in area_rows(probe)
                                   if "Saved campaign_" in row), None),
                     timeout=timeout, what="the campaign's end")
    name = row[row.index("Saved ") + 6:row.index(".json")]
    test.assertTrue(name.startswith(f"campaign_{kind}_"), row)
    stem = os.path.join(bench.folder, name)
    with open(stem + ".json", encoding="ascii") as report:
        saved = json.load(report)
    with open(stem + ".csv", encoding="ascii", newline="") as starts:
        rows = list(csv.DictReader(starts))
    test.assertTrue(os.path.getsize(stem + ".html") > 0)
    return saved, rows, row


class Campaign(ScenarioCase):
    def check_timed_starts(self, report, rows, simulated, kind, family):
        """Every start fixed within an epoch of the receiver's time; the statistics and
        the CSV agree with the starts."""
        campaign = report["campaign"]
        self.assertEqual((campaign["kind"], campaign["family"]), (kind, family))
        self.assertEqual([start["outcome"] for start in campaign["starts"]],
                         ["fix"] * len(simulated))
        for start, sim in zip(campaign["starts"], simulated):
            late = start["ttffMs"] - sim["ttff_ms"]
            self.assertTrue(EARLIEST_MS <= late <= LATEST_MS,
                            f"start {start['index']}: {start['ttffMs']} ms reported, "
                            f"{sim['ttff_ms']} ms simulated")
            self.assertGreater(start["usedAtFix"], 0)
        seconds = [start["ttffMs"] / 1000 for start in campaign["starts"]]
        hand = stats_by_hand(seconds)
        for key, value in hand.items():
            # Seconds are written to the millisecond.
            self.assertAlmostEqual(campaign["ttff"][key], value, delta=0.0005001, msg=key)
        self.assertEqual((campaign["fixed"], campaign["timeouts"], campaign["noRestart"]),
                         (len(simulated), 0, 0))
        self.assertEqual([int(row["ttffMs"]) for row in rows],
                         [start["ttffMs"] for start in campaign["starts"]])

    def cold_campaigns(self, families, screenshot=None):
        with Bench(self.id(), settings=SETTINGS) as bench:
            bench.start_program()
            probe = bench.probe
            open_campaign_window(probe)
            for number, family in enumerate(families):
                with self.subTest(family):
                    ttff = [2.3 + 0.4 * number, 3.1, 1.7, 2.8, 3.6]
                    receiver = receiver_at_10_hz(bench, family, ttff={"cold": ttff})
                    try:
                        self.cold_campaign(bench, receiver, family, ttff,
                                           screenshot if number == 0 else None)
                    finally:
                        if probe.text(START_GPS) == "Close GPS":
                            probe.click(START_GPS)
                        receiver.stop()

    def cold_campaign(self, bench, receiver, family, ttff, screenshot):
        probe = bench.probe
        connect_and_identify(probe)
        run_campaign(probe, "cold", 5)
        self.assertFalse(probe.state(START)["enabled"])
        self.assertTrue(probe.state(STOP)["enabled"])
        report, rows, _ = saved_report(self, bench, probe, "cold", 120)
        simulated = receiver.stats()["starts"]
        self.assertEqual([sim["ttff_ms"] for sim in simulated],
                         [round(value * 1000) for value in ttff])
        self.check_timed_starts(report, rows, simulated, "cold", family)
        self.assertEqual(receiver.stats()["cold_starts"], 5)
        shown = area_rows(probe)
        self.assertIn("Campaign\tcold starts, " + family + "\tcompleted: 5 of 5 starts",
                      shown)
        self.assertTrue(probe.state(START)["enabled"])
        if screenshot:
            bench.screenshot(screenshot)

    def test_cold_starts_of_three_families(self):
        self.cold_campaigns(["psrf", "pmtk", "pair"], screenshot="campaign")

    def test_cold_starts_of_two_families_and_hot_starts_below_three_seconds(self):
        self.cold_campaigns(["at", "ubx"])
        with Bench(self.id() + "_hot", settings=SETTINGS) as bench:
            receiver = receiver_at_10_hz(bench, "ubx", ttff={"hot": [0.9, 1.1, 1.3]})
            bench.start_program()
            probe = bench.probe
            probe.click(START_GPS)
            open_campaign_window(probe)
            run_campaign(probe, "hot", 3, family="ubx")
            report, rows, _ = saved_report(self, bench, probe, "hot", 60)
            self.check_timed_starts(report, rows, receiver.stats()["starts"], "hot", "ubx")

    def test_an_ignored_start_a_start_never_fixed_and_a_receiver_that_vanishes(self):
        with Bench(self.id(), settings=SETTINGS) as bench:
            bench.start_program()
            probe = bench.probe
            open_campaign_window(probe)
            # A receiver that ignores the command: no restart within 10 s.
            receiver = receiver_at_10_hz(bench, "pmtk", ignore_start=["warm"])
            probe.click(START_GPS)
            run_campaign(probe, "warm", 1, family="pmtk")
            report, _, _ = saved_report(self, bench, probe, "warm", 40)
            start = report["campaign"]["starts"][0]
            self.assertEqual((start["outcome"], start["ttffMs"]), ("noRestart", None))
            self.assertEqual(receiver.stats()["ignored_starts"], 1)
            probe.click(START_GPS)
            receiver.stop()

            # One that never fixes again: a timeout after the timeout, and the limit fails.
            receiver = receiver_at_10_hz(bench, "pair", never_fix=True)
            probe.click(START_GPS)
            run_campaign(probe, "cold", 1, family="pair", timeout_s=4)
            report, _, _ = saved_report(self, bench, probe, "cold", 40)
            start = report["campaign"]["starts"][0]
            self.assertEqual((start["outcome"], start["ttffMs"]), ("timeout", None))
            self.assertEqual(report["campaign"]["timeouts"], 1)
            probe.click(START_GPS)
            receiver.stop()

            # One that vanishes at its third start: the report of the first two.
            receiver = receiver_at_10_hz(bench, "psrf", ttff={"hot": [1.2] * 5})
            probe.click(START_GPS)
            run_campaign(probe, "hot", 5, family="psrf")
            wait_until(lambda: len(receiver.stats()["starts"]) == 3, timeout=30,
                       what="the third start")
            receiver.vanish()
            report, rows, row = saved_report(self, bench, probe, "hot", 30)
            self.assertTrue(row.startswith("The receiver stopped answering"), row)
            self.assertEqual([start["index"] for start in report["campaign"]["starts"]], [1, 2])
            self.assertEqual(len(rows), 2)
            self.assertIn("Campaign\thot starts, psrf\tended: the receiver is gone: 2 of 5 starts",
                          area_rows(probe))

    def test_the_command_line_exits_with_the_verdict(self):
        with Bench(self.id()) as bench:
            limits = {"pass": "[LIMITS]\nTTFF_MAX_S=5\n", "fail": "[LIMITS]\nTTFF_MAX_S=0.5\n"}
            for name, text in limits.items():
                with open(os.path.join(bench.folder, name + ".ini"), "w",
                          encoding="ascii") as out:
                    out.write(text)
            receiver = receiver_at_10_hz(bench, "pmtk", ttff={"hot": [1.0, 1.4]})
            for name, status in (("pass", 0), ("fail", 3)):
                with self.subTest(name):
                    report = os.path.join(bench.folder, f"cli-{name}.json")
                    bench.start_program(args=[
                        "--campaign", "hot:2", "--port", bench.port_name, "--baud", "115200",
                        "--family", "pmtk", "--settle", "1", "--timeout", "10",
                        "--report", bench.windows_path(report),
                        "--limits", bench.windows_path(os.path.join(bench.folder,
                                                                    name + ".ini"))])
                    self.assertEqual(bench.program_exit_code(timeout=60), status)
                    with open(report, encoding="ascii") as saved:
                        verdict = json.load(saved)
                    self.assertEqual(verdict["pass"], status == 0)
                    self.assertEqual(len(verdict["campaign"]["starts"]), 2)
                    self.assertTrue(os.path.exists(report[:-5] + ".csv"))
            receiver.stop()
            with open(os.path.join(bench.folder, "bad.ini"), "w", encoding="ascii") as out:
                out.write("[LIMITS]\nCEP_MAX_M=3\n")
            unusable = os.path.join(bench.folder, "none.json")
            for args, said in (
                    (["--limits", bench.windows_path(os.path.join(bench.folder, "bad.ini"))],
                     "could not begin: " + bench.windows_path(os.path.join(bench.folder,
                                                                           "bad.ini"))
                     + ":2: unknown key CEP_MAX_M in [LIMITS]"),
                    ([], "could not begin: cannot open \\\\.\\COM99")):
                bench.start_program(wait_for_window=False, args=[
                    "--campaign", "hot:2", "--port", "COM99", "--baud", "115200",
                    "--report", bench.windows_path(unusable), *args])
                self.assertEqual(bench.program_exit_code(timeout=60), 2)
                self.assertIn(said, bench.program_output())
            bench.start_program(wait_for_window=False, args=["--campaign", "lukewarm:2"])
            self.assertEqual(bench.program_exit_code(timeout=60), 2)
            self.assertIn("skyvane: bad arguments: ", bench.program_output())
            self.assertEqual(glob.glob(os.path.join(bench.folder, "none.*")), [])


if __name__ == "__main__":
    unittest.main()
