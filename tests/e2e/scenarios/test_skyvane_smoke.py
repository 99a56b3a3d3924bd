"""skyvane.exe on the bench: the window as it starts, a live stream from the simulated
receiver, the log file, a replay through the file-open dialog, and the ways out."""

import os
import unittest

import bench_paths
from bench import Bench
from log_file import BOM, read_log_lines
from recordings import find_run, read_sentences
from waiting import wait_until

# Control ids of the control panel and the menu commands.
COM_PORT = 1000
BAUD_RATE = 1001
START_GPS = 1004
LOG_FILE = 1012
LOG_NAME = 1020
ABOUT = 40001

TITLE = "Skyvane K-7RT-03-1903041"
RATES = ["4800", "9600", "19200", "38400", "57600", "115200", "460800", "921600"]
BLACK = "#000000"
RED = "#FF0000"
SAMPLE = "dualband-drive.nmea"


def setUpModule():
    if not os.path.isfile(bench_paths.SKYVANE):
        raise unittest.SkipTest(f"skyvane.exe is not built ({bench_paths.SKYVANE})")


def sample_sentences():
    return read_sentences(os.path.join(bench_paths.SAMPLES, SAMPLE))


def assert_run_of(test, shown, sentences):
    """`shown` must be consecutive sentences of the recording, in order."""
    test.assertTrue(shown, "nothing shown")
    test.assertNotEqual(find_run(shown, sentences), -1, f"not a run of the recording: {shown}")


class StartUp(unittest.TestCase):
    def test_the_window_as_it_starts(self):
        with Bench(self.id()) as bench:
            bench.start_program()
            probe = bench.probe
            window = probe.window()
            self.assertEqual((window["class"], window["title"]), (TITLE, TITLE))
            self.assertEqual((window["width"], window["height"]), (1000, 800))
            half = window["client_height"] // 2
            self.assertEqual(window["control_panel"],
                             {"x": 0, "y": 0, "width": window["client_width"], "height": half})
            self.assertEqual(window["graphics_panel"]["y"], half)
            ports = probe.combo(COM_PORT)
            self.assertEqual(ports["items"], [bench.port_label, "Log File:"])
            self.assertEqual(ports["selected"], 0)
            rates = probe.combo(BAUD_RATE)
            self.assertEqual((rates["items"], rates["selected"]), (RATES, 0))
            start = probe.state(START_GPS)
            self.assertEqual((start["text"], start["enabled"]), ("Start GPS", True))
            self.assertEqual(probe.console(), "")

    def test_about_opens_with_ctrl_a_and_closes_with_escape(self):
        with Bench(self.id()) as bench:
            bench.start_program()
            probe = bench.probe
            probe.keys("ctrl+a", "main")
            wait_until(probe.about_open, what="the About box")
            self.assertTrue(probe.ask("about")["owned_by_main"])
            probe.keys("escape", "about")
            wait_until(lambda: not probe.about_open(), what="the About box to close")
            probe.menu(ABOUT)
            wait_until(probe.about_open, what="the About box from its menu command")

    def test_ctrl_q_and_the_close_box_end_the_program_with_exit_code_0(self):
        with Bench(self.id()) as bench:
            bench.start_program()
            bench.probe.keys("ctrl+q", "main")
            self.assertEqual(bench.probe.exit_code(), 0)
            self.assertEqual(bench.program_exit_code(), 0)
        with Bench(self.id() + "_close") as bench:
            bench.start_program()
            self.assertEqual(bench.probe.close(), 0)


class LiveStream(unittest.TestCase):
    def test_received_sentences_scroll_black_and_a_bad_one_red(self):
        sentences = sample_sentences()
        with Bench(self.id()) as bench:
            receiver = bench.start_receiver(recording=bench.sample(SAMPLE), lines_per_second=40)
            bench.start_program()
            probe = bench.probe
            probe.click(START_GPS)
            self.assertEqual(probe.state(START_GPS)["text"], "Close GPS")
            self.assertEqual(probe.title(), "Skyvane")
            wait_until(lambda: receiver.stats()["lines"] >= 30, what="thirty lines sent")
            receiver.send("$GPTXT,no checksum")
            wait_until(lambda: "$GPTXT,no checksum" in probe.console(), what="the bad line")
            receiver.pause()
            lines = [line for line in probe.console_lines() if line["text"]]
            bad = [line for line in lines if line["text"] == "$GPTXT,no checksum"]
            self.assertEqual([line["color"] for line in bad], [RED])
            good = [line for line in lines if line["text"] != "$GPTXT,no checksum"]
            self.assertEqual({line["color"] for line in good}, {BLACK})
            assert_run_of(self, [line["text"] + "\r\n" for line in good[-10:]], sentences)

            probe.click(START_GPS)
            self.assertEqual(probe.state(START_GPS)["text"], "Start GPS")
            wait_until(lambda: not receiver.stats()["port_open"], what="the port to be closed")


class LogFile(unittest.TestCase):
    def test_the_log_holds_the_received_sentences_in_utf16(self):
        sentences = sample_sentences()
        with Bench(self.id()) as bench:
            receiver = bench.start_receiver(recording=bench.sample(SAMPLE), lines_per_second=40)
            bench.start_program()
            probe = bench.probe
            probe.set_text(LOG_NAME, "unit42")
            probe.click(LOG_FILE)
            self.assertFalse(probe.state(LOG_NAME)["enabled"])
            probe.click(START_GPS)
            wait_until(lambda: receiver.stats()["lines"] >= 40, what="forty lines sent")
            probe.click(LOG_FILE)
            self.assertTrue(probe.state(LOG_NAME)["enabled"])
            log_path = os.path.join(bench.folder, "unit42_log.txt")
            with open(log_path, "rb") as log:
                self.assertEqual(log.read(2), BOM)
            logged = read_log_lines(log_path)
            self.assertGreater(len(logged), 10)
            assert_run_of(self, logged, sentences)


class Replay(unittest.TestCase):
    def test_a_recording_replays_through_the_file_dialog(self):
        sentences = sample_sentences()
        with Bench(self.id()) as bench:
            bench.start_program()
            probe = bench.probe
            probe.select(COM_PORT, 1)
            probe.click(START_GPS, wait=False)  # the file dialog is modal
            probe.open_file(bench.windows_path(bench.sample(SAMPLE)))
            wait_until(lambda: probe.state(START_GPS)["text"] == "Close GPS",
                       what="the replay to start")
            shown = wait_until(lambda: [line for line in probe.console().splitlines() if line],
                               what="replayed lines")
            self.assertIn(shown[-1] + "\r\n", sentences)


if __name__ == "__main__":
    unittest.main()
