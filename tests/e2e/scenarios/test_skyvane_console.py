"""The console of skyvane.exe and the window title while sentences arrive: the colour of
each line, the emptying of a full console, and the time to the first fix."""

import os
import time
import unittest

from bench import Bench
from recordings import find_run, read_sentences
from scenario_case import ScenarioCase
from skyvane_panel import (BLACK, GREEN, RED, SAMPLE, START_GPS, pause_and_settle, replay,
                           require_program, sentence, sent_lines, shown_lines, wait_until_shown,
                           with_wrong_checksum, write_recording)
from waiting import wait_until


def setUpModule():
    require_program()


def rmc(speed_knots):
    return sentence(f"GPRMC,083015.00,A,2502.3456,N,12134.5678,E,{speed_knots},90.0,061226,,,A")


class LineColours(ScenarioCase):
    def test_each_line_is_black_red_or_green_by_its_checksum_and_speed(self):
        good = read_sentences(Bench.sample(SAMPLE))[:9]
        upper_hex = sentence("GPTXT,01,01,02,checksum with a letter")
        body, checksum = upper_hex.rstrip("\r\n").split("*")
        self.assertNotEqual(checksum.lower(), checksum)
        lines = [
            (good[0], BLACK),  # the first line is shown but never parsed
            (good[1], BLACK),
            (with_wrong_checksum(good[5]), RED),
            (good[2], BLACK),
            ("$GPTXT,01,01,02,no checksum\r\n", RED),
            (good[3], BLACK),
            (f"{body}*{checksum.lower()}\r\n", RED),
            (upper_hex, BLACK),
            (good[4].replace("\r\n", "\n"), RED),  # without its CR
            (good[6], BLACK),
            (rmc("55.0"), GREEN),  # 101 km/h: the speed alert
            (good[7], BLACK),
            (rmc("54.9"), BLACK),  # 100 km/h: no alert yet
            (good[8], BLACK),
        ]
        with Bench(self.id()) as bench:
            recording = write_recording(os.path.join(bench.folder, "colours.nmea"),
                                        [line for line, _ in lines])
            receiver = bench.start_receiver(recording=recording, lines_per_second=40)
            bench.start_program()
            probe = bench.probe
            probe.click(START_GPS)
            wait_until(lambda: receiver.stats()["finished"], what="the whole recording sent")
            pause_and_settle(probe, receiver)
            every = probe.console_lines()
            shown = [line for line in every if line["text"]]
            self.assertEqual([(line["text"], line["color"]) for line in shown],
                             [(text.rstrip("\r\n"), colour) for text, colour in lines])
            self.assertEqual(probe.console_lines(3), every[-3:])  # the last lines alone

    def test_a_live_stream_scrolls_black_and_a_bad_line_red(self):
        sentences = read_sentences(Bench.sample(SAMPLE))
        with Bench(self.id()) as bench:
            receiver = bench.start_receiver(recording=bench.sample(SAMPLE), lines_per_second=40)
            bench.start_program()
            probe = bench.probe
            probe.click(START_GPS)
            wait_until(lambda: receiver.stats()["lines"] >= 30, what="thirty lines sent")
            receiver.send("$GPTXT,no checksum")
            wait_until(lambda: "$GPTXT,no checksum" in probe.console(), what="the bad line")
            pause_and_settle(probe, receiver)
            lines = [line for line in probe.console_lines() if line["text"]]
            bad = [line for line in lines if line["text"] == "$GPTXT,no checksum"]
            self.assertEqual([line["color"] for line in bad], [RED])
            good = [line for line in lines if line["text"] != "$GPTXT,no checksum"]
            self.assertEqual({line["color"] for line in good}, {BLACK})
            shown = [line["text"] + "\r\n" for line in good]
            self.assertEqual(find_run(shown, sentences), 0, "not the recording from its start")


class FullConsole(ScenarioCase):
    def test_past_2000_lines_the_console_is_emptied_and_the_next_line_comes_first(self):
        count = 2600
        numbered = [sentence(f"GPTXT,01,01,02,line {number:04d}") for number in range(1, count + 1)]
        with Bench(self.id()) as bench:
            recording = write_recording(os.path.join(bench.folder, "numbered.nmea"), numbered)
            receiver = bench.start_receiver(recording=recording, unpaced=True)
            bench.start_program()
            probe = bench.probe
            probe.click(START_GPS)
            wait_until(lambda: receiver.stats()["finished"], what="the whole recording sent")
            wait_until_shown(probe, numbered[-1:], what="the last line")
            probe.idle()
            shown = shown_lines(probe)
            # 2000 lines fill the console; the 2001st empties it and is then its first line.
            self.assertEqual(shown, [line.rstrip("\r\n") for line in numbered[2000:]])
            self.assertEqual(len(sent_lines(receiver)), count)

    def test_the_console_reads_on_while_the_program_replaces_it(self):
        # At 2000 lines a second the program puts a new console in the old one's place
        # about once a second; a read that meets the old one as it goes reads the new one.
        with Bench(self.id()) as bench:
            bench.start_receiver(recording=bench.sample(SAMPLE), lines_per_second=2000, loop=True)
            bench.start_program()
            probe = bench.probe
            probe.click(START_GPS)
            end = time.monotonic() + 10
            while time.monotonic() < end:
                self.assertIsInstance(probe.console(), str)
                self.assertLessEqual(len(probe.console_lines(5)), 5)
            probe.click(START_GPS)

    def test_a_replay_at_file_speed_leaves_the_console_as_a_slow_stream_would(self):
        # Far faster than any link: most lines are emptied away before they are shown,
        # and the console still ends with every line since its last emptying, in colour.
        count = 12345
        numbered = [sentence(f"GPTXT,01,01,02,line {number:05d}") for number in range(1, count + 1)]
        colours = [RED if number % 5 == 0 else BLACK for number in range(1, count + 1)]
        lines = [with_wrong_checksum(line) if colour == RED else line
                 for line, colour in zip(numbered, colours)]
        with Bench("console_replay") as bench:
            path = write_recording(os.path.join(bench.folder, "numbered.txt"), lines)
            bench.start_program()
            probe = bench.probe
            replay(probe, bench, path)
            wait_until_shown(probe, lines[-1:], what="the last line")
            shown = [line for line in probe.console_lines() if line["text"]]
            # Six full windows of 2000 lines were emptied; the rest is shown.
            self.assertEqual([line["text"] + "\r\n" for line in shown], lines[12000:])
            self.assertEqual([line["color"] for line in shown], colours[12000:])


class TimeToFirstFix(ScenarioCase):
    def test_the_title_shows_the_seconds_to_the_first_fix(self):
        lines_per_second = 20  # about one epoch of the generated receiver a second
        with Bench(self.id()) as bench:
            receiver = bench.start_receiver(scenario_seconds=40, fix_after=8,
                                            lines_per_second=lines_per_second)
            bench.start_program()
            probe = bench.probe
            started = time.monotonic()
            probe.click(START_GPS)
            self.assertEqual(probe.title(), "Skyvane")
            wait_until(lambda: len(shown_lines(probe)) >= 20, what="twenty lines shown")
            bench.screenshot("streaming")
            title = wait_until(lambda: (text := probe.title()) != "Skyvane" and text, timeout=40,
                               what="the title to change")
            elapsed = time.monotonic() - started
            self.assertRegex(title, r"^Skyvane  \d+ Sec$")
            seconds = int(title.split()[1])

            sent = sent_lines(receiver)
            fix = next(index for index, line in enumerate(sent) if is_fix_report(line))
            # The receiver never sends faster than its pace, so the fix report came at
            # least this long after the first line; the program cannot have seen it later
            # than the moment the title was read.
            earliest = fix / lines_per_second
            self.assertGreaterEqual(seconds, 3)
            self.assertGreaterEqual(seconds, int(earliest) - 1, f"fix report at line {fix}")
            self.assertLessEqual(seconds, elapsed + 1)

            # Measured once: later fixes leave the title alone.
            more = len(sent) + 30
            wait_until(lambda: receiver.stats()["lines"] >= more, what="thirty more lines")
            pause_and_settle(probe, receiver)
            self.assertEqual(probe.title(), title)


def is_fix_report(line):
    """An RMC with status A or a GSA with a 3D fix: what the program takes as a fix."""
    fields = line.split(",")
    return len(fields) > 2 and (("RMC" in fields[0] and fields[2] == "A") or
                                ("GSA" in fields[0] and fields[2] == "3"))


if __name__ == "__main__":
    unittest.main()
