"""The receiver commands against a receiver that answers: each family's version in
"Core Ver:" and "FW Ver:", the WAAS box, a cold start and a factory reset with their new
time to first fix and emptied tables, the baud-rate commands switching a receiver and the
program's port, and a version query on a fast stream that loses no line."""

import os
import re
import time
import unittest

import panel_picture
from bench import Bench
from log_file import read_log_lines
from panel_epoch import recording_lines
from scenario_case import ScenarioCase
from skyvane_panel import (BAUD_RATE, CHANGE_BAUD, COLD_START, CORE_VER, DEFAULT_MODE,
                           FACTORY_RESET, FW_VER, GET_VERSION, GSV_GSA, LOG_FILE, LOG_NAME,
                           NEW_BAUD, SAMPLE, START_GPS, checksum_is_valid, live_through,
                           require_program, sent_lines, shown_lines, write_recording)
from waiting import wait_until
from wire import CFG_RST, MON_VER_POLL, Wire, line, timing_errors


def setUpModule():
    require_program()


# What each family answers a version query with, as the two fields show it.
VERSIONS = {
    "psrf": ("", "SIMPS_5.1.3-R2 04/11/2025"),
    "pmtk": ("SIMMT_3.20_0417_25031800", "0417"),
    "pair": ("SIMAR_V2.8.1", "F2.8.1_0318"),
    "at": ("", "[VER] FW 3.4.0 build 0088"),
    "ubx": ("CORE 4.20 (52817)", "SVX 2.10"),
}

PANEL_WIDTH, PANEL_HEIGHT = 994, 378


def bar_rows(picture):
    """The slot rows (0, 1, ...) in which the panel shows a blue or green bar."""
    rows = set()
    for row in range((PANEL_HEIGHT - 14) // 45 + 1):
        band = (382, 14 + 45 * row, PANEL_WIDTH, 40 + 45 * row)
        if picture.any_in(band, lambda pixel: pixel in ((0, 0, 255), (0, 255, 0))):
            rows.add(row)
    return rows


def fix_texts_shown(picture):
    """True while any fix text box (not its label) holds a dark pixel."""
    boxes = [(241, 5, 300, 145), (225, 5, 240, 25), (40, 157, 55, 170), (60, 157, 140, 170),
             (201, 157, 305, 170)]
    return any(picture.any_in(box, lambda pixel: sum(pixel) < 200) for box in boxes)


def repaint_and_read(probe):
    """The panel after an activation of the main window, which repaints it: the About box
    opened and closed again."""
    probe.keys("ctrl+a", "main")
    wait_until(probe.about_open, what="the About box")
    probe.keys("escape", "about")
    wait_until(lambda: not probe.about_open(), what="the About box to close")
    probe.idle()
    return panel_picture.screen_picture(probe, PANEL_WIDTH, PANEL_HEIGHT)


def title_seconds(probe):
    match = re.fullmatch(r"Skyvane  (\d+) Sec", probe.title())
    return int(match.group(1)) if match else None


class Replies(ScenarioCase):
    def test_every_family_fills_the_version_fields_and_the_waas_box(self):
        with Bench(self.id()) as bench:
            bench.start_program()
            probe = bench.probe
            for family, (core, firmware) in VERSIONS.items():
                with self.subTest(family):
                    receiver = bench.start_receiver(recording=bench.sample(SAMPLE),
                                                    lines_per_second=40, loop=True, family=family)
                    probe.click(START_GPS)
                    wait_until(lambda: len(shown_lines(probe)) > 3, what="lines shown")
                    probe.click(GET_VERSION)
                    wait_until(lambda: (probe.text(CORE_VER), probe.text(FW_VER))
                               == (core, firmware), timeout=10, what=f"{family}'s version shown")
                    probe.click(START_GPS)  # closed
                    receiver.stop()
            # A receiver that never answers leaves the fields empty; WAAS lines set the box.
            receiver = bench.start_receiver(recording=bench.sample(SAMPLE), lines_per_second=40,
                                            loop=True)
            probe.click(START_GPS)
            wire = Wire(receiver)
            probe.click(GET_VERSION)
            self.assertEqual((probe.text(CORE_VER), probe.text(FW_VER)), ("", ""))
            wait_until(lambda: wire.rest().endswith(MON_VER_POLL), what="the whole query sent")
            live_through(probe, receiver, 0.5)
            self.assertEqual((probe.text(CORE_VER), probe.text(FW_VER)), ("", ""))
            receiver.send("$PSRF151,WAAS Enable*00")
            wait_until(lambda: probe.state(GSV_GSA)["checked"] == 1, what="the box checked")
            receiver.send("WAAS Disable")
            wait_until(lambda: probe.state(GSV_GSA)["checked"] == 0, what="the box cleared")
            # Garbage after a version query: shown as the recognisers cut it, nothing else.
            receiver.send("ROM CORE without a bracket")
            receiver.send("$PMTK705,,,*00")
            wait_until(lambda: probe.text(CORE_VER) == "CORE without a bracket\r\n",
                       what="an uncut core text")
            self.assertEqual(probe.title()[:7], "Skyvane")

    def test_cold_start_and_factory_reset_clear_and_measure_a_new_first_fix(self):
        with Bench(self.id()) as bench:
            receiver = bench.start_receiver(scenario_seconds=100000, fix_after=4,
                                            lines_per_second=None, family="pmtk")
            bench.start_program()
            probe = bench.probe
            probe.click(START_GPS)
            first = wait_until(lambda: title_seconds(probe), timeout=30, what="a first fix")
            self.assertGreaterEqual(first, 3)
            probe.set_text(CORE_VER, "old")
            probe.click(COLD_START)
            self.assertFalse(probe.state(COLD_START)["enabled"])
            self.assertEqual((probe.title(), probe.text(CORE_VER)), ("Skyvane", ""))
            wait_until(lambda: probe.state(COLD_START)["enabled"], timeout=5,
                       what="Cold Start enabled by the next line")
            self.assertEqual(receiver.stats()["cold_starts"], 1)
            again = wait_until(lambda: title_seconds(probe), timeout=30, what="a new first fix")
            self.assertGreaterEqual(again, 3, "the receiver started over without a fix")

        # The tables: a cold start empties the first band only, a factory reset all ten.
        # The recording ends on a whole epoch, so nothing refills them afterwards.
        with Bench(self.id() + "_tables") as bench:
            recording = write_recording(os.path.join(bench.folder, "epoch.nmea"),
                                        recording_lines())
            receiver = bench.start_receiver(recording=recording, lines_per_second=50)
            bench.start_program()
            probe = bench.probe
            probe.click(START_GPS)
            wait_until(lambda: receiver.stats()["finished"], what="the recording sent")
            probe.idle()
            self.assertEqual(bar_rows(repaint_and_read(probe)), set(range(8)))
            probe.click(COLD_START)
            wait_until(lambda: receiver.received_bytes().count(CFG_RST) == 1,
                       what="the cold start's last write")
            after_cold = repaint_and_read(probe)
            self.assertEqual(bar_rows(after_cold), {0, 1, 2, 3}, "the second-band groups stay")
            self.assertFalse(fix_texts_shown(after_cold))
            probe.click(FACTORY_RESET)
            wait_until(lambda: receiver.received_bytes().count(CFG_RST) == 2,
                       what="the factory reset's last write")
            after_factory = repaint_and_read(probe)
            self.assertEqual(bar_rows(after_factory), set(), "every table empty")
            self.assertFalse(fix_texts_shown(after_factory))
            after_cold.save_png(os.path.join(bench.folder, "after-cold-start.png"))
            after_factory.save_png(os.path.join(bench.folder, "after-factory-reset.png"))

    def test_baud_commands_switch_the_receiver_and_the_port_and_the_window_stays_live(self):
        with Bench(self.id()) as bench:
            receiver = bench.start_receiver(recording=bench.sample(SAMPLE), baud=9600, loop=True,
                                            family="pair")
            bench.start_program()
            probe = bench.probe
            probe.select(BAUD_RATE, 1)
            probe.click(START_GPS)
            wait_until(lambda: len(shown_lines(probe)) > 3, what="lines shown")
            self.assertEqual(receiver.stats()["line_baud"], 9600)
            wire = Wire(receiver)
            probe.select(NEW_BAUD, 5)  # 115200
            probe.click(CHANGE_BAUD)
            # The window answers at once, and lines keep coming during the 9 s.
            started = time.monotonic()
            probe.idle(2000)
            self.assertLess(time.monotonic() - started, 1.5)
            pair = [line("$PAIR864,0,0,115200*1B"), line("$PAIR023*3B")]
            times = wire.take(pair * 3, timeout=15)
            self.assertEqual(timing_errors(times, [0, 500, 3000, 3500, 6000, 6500]), [])
            self.assertEqual(probe.combo(BAUD_RATE)["selected"], 5)
            wait_until(lambda: receiver.stats()["line_baud"] == 115200, what="the port at 115200")
            stats = wait_until(lambda: (lambda s: s if s["opens"] >= 4 else None)(
                receiver.stats()), what="opened, then reopened three times")
            self.assertEqual((stats["baud"], stats["rate_switches"], stats["line_baud"]),
                             (115200, 3, 115200))
            # A line sent at the new rate is shown. (Not a count of lines: a console that
            # reaches 2000 lines is emptied, so its length is no measure of progress.)
            live_through(probe, receiver, 1)

            probe.click(DEFAULT_MODE)
            times = wire.take([line("$PAIR864,0,0,921600*10"), line("$PAIR023*3B")])
            self.assertEqual(timing_errors(times, [0, 500]), [])
            wait_until(lambda: receiver.stats()["line_baud"] == 921600, timeout=10,
                       what="the port at 921600")
            self.assertEqual(probe.combo(BAUD_RATE)["selected"], 7)
            live_through(probe, receiver, 1)  # a line sent at 921600 is shown

    def test_a_version_query_on_a_fast_stream_loses_no_line(self):
        with Bench(self.id()) as bench:
            receiver = bench.start_receiver(scenario_seconds=100000, baud=115200, family="pmtk")
            bench.start_program()
            probe = bench.probe
            probe.select(BAUD_RATE, 5)
            probe.set_text(LOG_NAME, "fast")
            probe.click(LOG_FILE)
            probe.click(START_GPS)
            wait_until(lambda: receiver.stats()["lines"] > 200, what="the stream under way")
            probe.click(GET_VERSION)
            wait_until(lambda: probe.text(CORE_VER) == VERSIONS["pmtk"][0], timeout=10,
                       what="the version shown")
            answered = receiver.stats()["lines"]
            wait_until(lambda: receiver.stats()["lines"] > answered + 300,
                       what="the stream going on after the answer")
            receiver.pause()
            sent = [entry for entry in sent_lines(receiver) if checksum_is_valid(entry)]
            log = os.path.join(bench.folder, "fast_log.txt")
            # By count: the stream repeats its sentences, so a last line that matches the
            # last one sent may be an earlier copy of it.
            wait_until(lambda: len(read_log_lines(log)) >= len(sent), what="the log complete")
            self.assertEqual(read_log_lines(log), sent)


if __name__ == "__main__":
    unittest.main()
