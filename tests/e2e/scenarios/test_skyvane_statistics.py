"""The statistics window of skyvane.exe: the live run report during a stream, judged by
the limits and measured against the reference of skyvane.ini, its numbers equal to those
skyvane-replay reports for the very bytes the receiver sent, and "Save Report"."""

import json
import os
import subprocess
import unittest
from xml.etree import ElementTree

from bench import Bench
from scenario_case import ScenarioCase
from panel_picture import REPLAY
from skyvane_panel import (LOG_FILE, LOG_NAME, SAMPLE, START_GPS, require_program,
                           sent_lines, wait_until_shown)
from waiting import wait_until

STATISTICS = 40005
REF_LAT, REF_LON, REF_SET, REF_MEAN, SAVE_REPORT, AREA = 1100, 1101, 1102, 1103, 1104, 1105
LIMITS = "[LIMITS]\nFIX_AVAILABILITY_MIN=0.5\nCEP95_MAX_M=100 ; metres\nCHECKSUM_BAD_MAX=0\n"
SETTINGS = "[SKYVANE]\nDEF_BAUDRATE=6\n" + LIMITS + "[REFERENCE]\nLAT=48.1394\nLON=11.5660\n"


def setUpModule():
    require_program()


def area_rows(probe):
    return probe.text(AREA).split("\r\n")


def replay_report(bench, recording, *options):
    """skyvane-replay's report of the recording, as a dict."""
    path = os.path.join(bench.folder, "replayed.report.json")
    subprocess.run([REPLAY, "--final", "--report", path, *options, recording],
                   stdout=subprocess.DEVNULL, check=False)
    with open(path, encoding="ascii") as report:
        return json.load(report)


def without_arrival(report):
    """The report without what only a live run's arrival times give."""
    report = dict(report, firstFix=dict(report["firstFix"], ms=None))
    return report


class Statistics(ScenarioCase):
    def test_the_live_report_matches_the_replay_of_the_same_bytes_and_is_saved(self):
        with Bench(self.id(), settings=SETTINGS) as bench:
            receiver = bench.start_receiver(recording=bench.sample(SAMPLE),
                                            lines_per_second=200)
            bench.start_program()
            probe = bench.probe
            probe.set_text(LOG_NAME, "unit42")
            probe.click(LOG_FILE)
            probe.click(START_GPS)
            probe.menu(STATISTICS)
            wait_until(lambda: receiver.stats()["finished"], timeout=60, what="the stream sent")
            sent = sent_lines(receiver)
            wait_until_shown(probe, sent[-3:])
            wait_until(lambda: area_rows(probe)[1].startswith(f"Lines\ttotal {len(sent)}\t"),
                       what="the report of every line sent")
            rows = area_rows(probe)
            self.assertEqual(rows[0], "Verdict\tFAIL\tlive run")
            self.assertIn("Reference\tlat 48.13940000\tlon 11.56600000\tgiven", rows)
            results = {row.split("\t")[0]: row.split("\t")[-1] for row in rows}
            self.assertEqual((results["FIX_AVAILABILITY_MIN"], results["CEP95_MAX_M"],
                              results["CHECKSUM_BAD_MAX"]), ("PASS", "FAIL", "PASS"))
            bench.screenshot("statistics")

            probe.click(SAVE_REPORT)
            wait_until(lambda: area_rows(probe)[-2] == "Saved unit42_report.json and .html",
                       what="the report saved")
            with open(os.path.join(bench.folder, "unit42_report.json"), encoding="ascii") as saved:
                live = json.load(saved)
            page = ElementTree.parse(os.path.join(bench.folder, "unit42_report.html"))
            page_text = "".join(page.getroot().itertext())
            self.assertIn("FAIL", page_text)
            self.assertIn("CEP95_MAX_M", page_text)
            recording = os.path.join(bench.folder, "receiver-sent.bin")
            limits = os.path.join(bench.folder, "limits.ini")
            with open(limits, "w", encoding="ascii") as out:
                out.write(LIMITS)
            replayed = replay_report(bench, recording, "--reference", "48.1394,11.5660",
                                     "--limits", limits)
            self.assertIsNotNone(live["firstFix"]["ms"])
            self.assertEqual(without_arrival(live), without_arrival(replayed))

            # A reference of the operator's, then the mean again.
            probe.set_text(REF_LAT, "48.14")
            probe.set_text(REF_LON, "11.57")
            probe.click(REF_SET)
            wait_until(lambda: "Reference\tlat 48.14000000\tlon 11.57000000\tgiven"
                       in area_rows(probe), what="the operator's reference")
            probe.click(REF_MEAN)
            wait_until(lambda: any(row.startswith("Reference") and row.endswith("mean of fixes")
                                   for row in area_rows(probe)), what="the mean as reference")
            probe.set_text(REF_LAT, "north")
            probe.click(REF_SET)
            wait_until(lambda: area_rows(probe)[-2].startswith("Reference ERROR!!"),
                       what="a reference refused")

            # A new connection is a new run.
            probe.click(START_GPS)
            probe.click(START_GPS)
            wait_until(lambda: area_rows(probe)[1].startswith("Lines\ttotal 0\t"),
                       what="a new run")


if __name__ == "__main__":
    unittest.main()
