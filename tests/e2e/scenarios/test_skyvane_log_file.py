"""The log file of skyvane.exe as it is left on disk: exactly the valid sentences received
while it was on, in UTF-16 with a byte-order mark; its replay through the file dialog;
the logs that cannot be created or replayed, and one the disk stops taking midway."""

import os
import unittest

from bench import Bench
from log_file import BOM, expected_log_bytes, read_log_lines
from recordings import find_run, read_sentences
from scenario_case import ScenarioCase
from skyvane_panel import (BLACK, COM_PORT, LOG_FILE, LOG_NAME, MOD, REPLAY_PATH_LIMIT, SAMPLE,
                           START_GPS, checksum_is_valid, pause_and_settle, replay,
                           require_program, sentence, wait_until_shown, with_wrong_checksum,
                           write_recording)
from small_disk import SmallDisk
from waiting import wait_until


def setUpModule():
    require_program()


def read_bytes(path):
    with open(path, "rb") as file:
        return file.read()


def wait_for_lines(receiver, count):
    """Until the receiver has sent `count` more lines of its stream."""
    target = receiver.stats()["lines"] + count
    wait_until(lambda: receiver.stats()["lines"] >= target, what=f"{count} more lines sent")


class Recording(ScenarioCase):
    def test_the_log_holds_exactly_the_valid_sentences_received_while_it_was_on(self):
        lower_hex = sentence("GPTXT,01,01,02,checksum with a letter")
        bad_lines = ["$GPTXT,01,01,02,no checksum\r\n",
                     with_wrong_checksum(sentence("GPTXT,01,01,02,wrong checksum")),
                     lower_hex[:-4] + lower_hex[-4:].lower()]
        self.assertNotEqual(bad_lines[2], lower_hex)
        with Bench("log_recording") as bench:
            receiver = bench.start_receiver(recording=bench.sample(SAMPLE), lines_per_second=40)
            bench.start_program()
            probe = bench.probe
            probe.click(START_GPS)
            wait_for_lines(receiver, 15)

            # The receiver holds still while the box is ticked and unticked, so every
            # line is known to have come before, during or after the log.
            first = len(pause_and_settle(probe, receiver))
            probe.set_text(LOG_NAME, "unit42")
            probe.click(LOG_FILE)
            self.assertEqual(probe.state(LOG_FILE)["checked"], 1)
            self.assertFalse(probe.state(LOG_NAME)["enabled"])
            receiver.resume()
            for bad in bad_lines:
                wait_for_lines(receiver, 10)
                receiver.send(bad.rstrip("\r\n"))
            wait_for_lines(receiver, 10)
            sent = pause_and_settle(probe, receiver)
            self.assertTrue(sent[-1].endswith("\n"), "paused inside a line")
            probe.click(LOG_FILE)
            self.assertEqual(probe.state(LOG_FILE)["checked"], 0)
            self.assertTrue(probe.state(LOG_NAME)["enabled"])
            receiver.resume()
            wait_for_lines(receiver, 10)  # lines after the log must not reach it

            while_on = sent[first:]
            for bad in bad_lines:
                self.assertIn(bad, while_on)
            logged = [line for line in while_on if checksum_is_valid(line)]
            self.assertGreater(len(logged), 30)
            path = os.path.join(bench.folder, "unit42_log.txt")
            self.assertEqual(read_bytes(path), expected_log_bytes(logged))

            # The log replays as the same sentences, in the same order, all black.
            probe.click(START_GPS)
            replay(probe, bench, path)
            self.assertEqual(probe.state(START_GPS)["text"], "Close GPS")
            wait_until_shown(probe, logged[-3:], what="the whole log replayed")
            shown = [line for line in probe.console_lines() if line["text"]]
            self.assertEqual([line["text"] + "\r\n" for line in shown], logged)
            self.assertEqual({line["color"] for line in shown}, {BLACK})


class EmptyLog(ScenarioCase):
    def test_a_log_without_lines_holds_only_the_mark_and_replaces_an_older_file(self):
        with Bench(self.id()) as bench:
            path = os.path.join(bench.folder, "unit7_log.txt")
            with open(path, "wb") as older:
                older.write(b"\xff\xfe" + "$GPTXT,older run*00\r\n".encode("utf-16-le") * 50)
            bench.start_program()
            probe = bench.probe
            probe.set_text(LOG_NAME, "unit7")
            probe.click(LOG_FILE)
            self.assertFalse(probe.state(LOG_NAME)["enabled"])
            self.assertEqual(read_bytes(path), BOM)  # replaced as soon as the log starts
            probe.click(LOG_FILE)
            self.assertTrue(probe.state(LOG_NAME)["enabled"])
            self.assertEqual(read_bytes(path), BOM)
            self.assertEqual(probe.console(), "")


class RefusedLog(ScenarioCase):
    """A log that cannot be created starts nothing: "Log File ERROR!!" replaces the
    console's text, the box is unticked again and the name can be corrected."""

    def assert_refused(self, probe, bench, files_before):
        self.assertEqual(probe.console(), "Log File ERROR!!")
        self.assertEqual(probe.state(LOG_FILE)["checked"], 0)
        self.assertTrue(probe.state(LOG_NAME)["enabled"])
        self.assertFalse(probe.state(MOD)["enabled"])  # as the panel starts: not touched
        self.assertEqual(sorted(os.listdir(bench.folder)), files_before)

    def assert_logging(self, probe, path):
        self.assertEqual(probe.state(LOG_FILE)["checked"], 1)
        self.assertFalse(probe.state(LOG_NAME)["enabled"])
        self.assertEqual(read_bytes(path), BOM)

    def test_a_name_the_file_system_refuses_and_then_a_good_one(self):
        with Bench(self.id()) as bench:
            bench.start_program()
            probe = bench.probe
            files_before = sorted(os.listdir(bench.folder))
            probe.set_text(LOG_NAME, "a<b>")
            probe.click(LOG_FILE)
            self.assert_refused(probe, bench, files_before)

            probe.set_text(LOG_NAME, "ab")
            probe.click(LOG_FILE)
            self.assert_logging(probe, os.path.join(bench.folder, "ab_log.txt"))

    def test_a_path_over_259_characters_and_then_one_of_259(self):
        with Bench(self.id()) as bench:
            bench.start_program()
            probe = bench.probe
            folder = bench.windows_path(bench.folder)
            # folder, backslash, name, "_log.txt": 259 characters at most.
            longest = 259 - len(folder) - 1 - len("_log.txt")
            self.assertGreater(longest, 20, "the bench folder's path is too long for this test")
            files_before = sorted(os.listdir(bench.folder))
            probe.set_text(LOG_NAME, "n" * (longest + 1))
            probe.click(LOG_FILE)
            self.assert_refused(probe, bench, files_before)

            probe.set_text(LOG_NAME, "n" * longest)
            probe.click(LOG_FILE)
            self.assert_logging(probe, os.path.join(bench.folder, "n" * longest + "_log.txt"))


class FullDisk(ScenarioCase):
    def test_a_log_the_disk_cannot_take_stops_with_its_whole_lines_and_the_stream_goes_on(self):
        with Bench(self.id()) as bench:
            receiver = bench.start_receiver(recording=bench.sample(SAMPLE), lines_per_second=200,
                                            loop=True)
            bench.start_program()
            probe = bench.probe
            with SmallDisk(os.path.join(bench.folder, "full"), size_kib=64):
                probe.set_text(LOG_NAME, "full\\drive")  # the log lands on the small disk
                probe.set_text(MOD, "-10")
                probe.click(LOG_FILE)
                self.assertEqual(probe.state(LOG_FILE)["checked"], 1)
                probe.click(START_GPS)
                wait_until(lambda: "Log File ERROR!!" in probe.console(), timeout=60,
                           what="the log to stop on the full disk")
                # The log stopped as if unticked; the operator can start another.
                self.assertEqual(probe.state(LOG_FILE)["checked"], 0)
                self.assertTrue(probe.state(LOG_NAME)["enabled"])
                self.assertTrue(probe.state(MOD)["enabled"])
                self.assertEqual(probe.state(START_GPS)["text"], "Close GPS")
                # The stream, the console and the panel go on.
                shown = len(probe.console())
                sent = receiver.stats()["lines"]
                wait_until(lambda: len(probe.console()) > shown + 2000, what="more lines shown")
                self.assertGreater(receiver.stats()["lines"], sent)
                probe.set_text(LOG_NAME, "after")
                probe.click(LOG_FILE)
                wait_until(lambda: os.path.getsize(os.path.join(bench.folder, "after_log.txt"))
                           > 1000, what="a new log on another disk")
                probe.click(LOG_FILE)
                probe.click(START_GPS)

                # Whole lines only, every one valid, consecutive sentences of the stream.
                path = os.path.join(bench.folder, "full", "drive_log.txt")
                logged = read_log_lines(path)
                self.assertGreater(len(logged), 100)
                self.assertLessEqual(os.path.getsize(path), 64 * 1024)
                self.assertEqual([line for line in logged if not checksum_is_valid(line)], [])
                self.assertNotEqual(find_run(logged, read_sentences(bench.sample(SAMPLE)) * 3),
                                    -1)


class RefusedReplay(ScenarioCase):
    def test_the_log_being_written_cannot_be_replayed_until_it_is_closed(self):
        with Bench("log_replay_open") as bench:
            receiver = bench.start_receiver(recording=bench.sample(SAMPLE), lines_per_second=40)
            bench.start_program()
            probe = bench.probe
            probe.set_text(LOG_NAME, "busy")
            probe.click(LOG_FILE)
            probe.click(START_GPS)
            wait_until(lambda: receiver.stats()["lines"] >= 10, what="lines logged")
            pause_and_settle(probe, receiver)
            probe.click(START_GPS)
            path = os.path.join(bench.folder, "busy_log.txt")
            written = read_log_lines(path)
            self.assertGreater(len(written), 5)

            # The log is still open for writing: it cannot be opened as the source.
            replay(probe, bench, path)
            self.assertEqual(probe.console(), "ComPort ERROR!!")
            self.assertEqual(probe.state(START_GPS)["text"], "Start GPS")
            self.assertTrue(probe.state(COM_PORT)["enabled"])

            probe.click(LOG_FILE)
            replay(probe, bench, path)
            self.assertEqual(probe.state(START_GPS)["text"], "Close GPS")
            wait_until_shown(probe, written[-3:], what="the closed log replayed")

    def test_a_path_of_128_characters_is_refused_and_one_of_127_replays(self):
        lines = [sentence(f"GPTXT,01,01,02,replayed {number}") for number in range(3)]
        with Bench("log_replay_path") as bench:
            bench.start_program()
            probe = bench.probe
            folder = bench.windows_path(bench.folder)
            paths = {}
            for length in (REPLAY_PATH_LIMIT, REPLAY_PATH_LIMIT + 1):
                # <folder>\<inner>\r.txt, with an inner folder name that makes the length
                inner = "d" * (length - len(folder) - 1 - len("\\r.txt"))
                os.makedirs(os.path.join(bench.folder, inner))
                paths[length] = write_recording(os.path.join(bench.folder, inner, "r.txt"), lines)
                self.assertEqual(len(bench.windows_path(paths[length])), length)

            replay(probe, bench, paths[REPLAY_PATH_LIMIT + 1], within_limit=False)
            self.assertEqual(probe.console(), "ComPort ERROR!!")
            self.assertEqual(probe.state(START_GPS)["text"], "Start GPS")

            replay(probe, bench, paths[REPLAY_PATH_LIMIT])
            self.assertEqual(probe.state(START_GPS)["text"], "Close GPS")
            wait_until_shown(probe, lines, what="the recording replayed")


if __name__ == "__main__":
    unittest.main()
