"""skyvane.exe under stress and on its way out: stopping a fast stream, a receiver that
disappears mid-stream, the keyboard shortcuts, and ending the program, also while lines
stream."""

import os
import unittest

from bench import Bench
from log_file import read_log_lines
from recordings import find_run, read_sentences
from scenario_case import ScenarioCase
from skyvane_panel import (ABOUT, LOG_FILE, LOG_NAME, SAMPLE, START_GPS, assert_panel,
                           checksum_is_valid, panel_states, require_program,
                           shown_lines_if_steady)
from waiting import wait_until


def setUpModule():
    require_program()


def sample_sentences():
    return read_sentences(Bench.sample(SAMPLE))


def assert_about_opens_and_closes(probe):
    """The program still answers its operator: About opens from its menu and closes."""
    probe.menu(ABOUT)
    wait_until(probe.about_open, what="the About box")
    probe.keys("escape", "about")
    wait_until(lambda: not probe.about_open(), what="the About box to close")


def wait_for_shown_lines(probe, count):
    return wait_until(lambda: (shown := shown_lines_if_steady(probe)) and len(shown) >= count
                      and shown, what=f"{count} lines shown")


class FastStream(ScenarioCase):
    def test_close_gps_ends_an_unpaced_stream_at_once_and_the_program_stays_responsive(self):
        with Bench(self.id()) as bench:
            receiver = bench.start_receiver(recording=bench.sample(SAMPLE), unpaced=True,
                                            loop=True)
            bench.start_program()
            probe = bench.probe
            probe.click(START_GPS)
            wait_until(lambda: receiver.stats()["lines"] >= 2000, what="2000 lines sent")
            wait_for_shown_lines(probe, 10)

            probe.click(START_GPS, wait=False)
            probe.idle(timeout_ms=5000)  # a stop that waited for the stream would miss this
            assert_panel(self, panel_states(probe), running=False)
            wait_until(lambda: not receiver.stats()["port_open"], what="the port to be closed")
            shown = probe.console()
            self.assertTrue(shown)
            assert_about_opens_and_closes(probe)
            self.assertEqual(probe.console(), shown)  # nothing arrives after the stop


class VanishingReceiver(ScenarioCase):
    def test_a_receiver_that_vanishes_mid_stream_leaves_the_program_usable(self):
        sentences = sample_sentences()
        with Bench(self.id()) as bench:
            receiver = bench.start_receiver(recording=bench.sample(SAMPLE), lines_per_second=50,
                                            loop=True)
            bench.start_program()
            probe = bench.probe
            probe.click(START_GPS)
            wait_for_shown_lines(probe, 10)

            receiver.vanish()
            self.assertFalse(receiver.stats()["port_present"])
            probe.idle()
            self.assertEqual(probe.title(), "Skyvane")
            assert_about_opens_and_closes(probe)
            probe.click(START_GPS)
            assert_panel(self, panel_states(probe), running=False)

            probe.click(START_GPS)  # the port has no device behind it now
            self.assertEqual(probe.console(), "ComPort ERROR!!")
            self.assertEqual(probe.state(START_GPS)["text"], "Start GPS")

            receiver.come_back()
            probe.click(START_GPS)
            self.assertEqual(probe.state(START_GPS)["text"], "Close GPS")
            shown = wait_for_shown_lines(probe, 10)
            self.assertNotIn("ComPort ERROR!!", shown)
            # The stream goes on where it was cut: consecutive sentences of the recording.
            self.assertNotEqual(find_run([line + "\r\n" for line in shown], sentences * 2), -1)
            self.assertEqual(receiver.stats()["opens"], 2)


class Keyboard(ScenarioCase):
    def test_ctrl_a_opens_about_and_escape_closes_it(self):
        with Bench(self.id()) as bench:
            bench.start_program()
            probe = bench.probe
            probe.keys("ctrl+a", "main")
            wait_until(probe.about_open, what="the About box")
            self.assertTrue(probe.ask("about")["owned_by_main"])
            probe.keys("escape", "about")
            wait_until(lambda: not probe.about_open(), what="the About box to close")
            assert_about_opens_and_closes(probe)


class Exit(ScenarioCase):
    def test_ctrl_q_and_the_close_box_end_an_idle_program_with_exit_code_0(self):
        with Bench(self.id()) as bench:
            bench.start_program()
            bench.probe.keys("ctrl+q", "main")
            self.assertEqual(bench.probe.exit_code(), 0)
            self.assertEqual(bench.program_exit_code(), 0)

            bench.start_program()
            bench.probe.keys("alt+f4", "main")  # the close box's way: the system menu's Close
            self.assertEqual(bench.probe.exit_code(), 0)
            self.assertEqual(bench.program_exit_code(), 0)

    def test_ending_the_program_while_lines_stream_closes_the_port_and_the_log(self):
        with Bench(self.id()) as bench:
            receiver = bench.start_receiver(recording=bench.sample(SAMPLE), baud=921600,
                                            loop=True)
            bench.start_program()
            probe = bench.probe
            probe.set_text(LOG_NAME, "last")
            probe.click(LOG_FILE)
            probe.click(START_GPS)
            wait_until(lambda: receiver.stats()["lines"] >= 1000, what="1000 lines sent")
            probe.keys("ctrl+q", "main")
            self.assertEqual(probe.exit_code(), 0)
            self.assertEqual(bench.program_exit_code(), 0)
            wait_until(lambda: not receiver.stats()["port_open"], what="the port to be closed")
            # Every line in the log is whole and valid: nothing was cut by the end.
            logged = read_log_lines(os.path.join(bench.folder, "last_log.txt"))
            self.assertGreater(len(logged), 100)
            self.assertEqual([line for line in logged if not checksum_is_valid(line)], [])
            self.assertEqual(find_run(logged, sample_sentences() * 2), 0)

            # The close box while an unpaced stream runs, with no log.
            receiver.stop()
            receiver = bench.start_receiver(recording=bench.sample(SAMPLE), unpaced=True,
                                            loop=True)
            bench.start_program()
            probe.click(START_GPS)
            wait_until(lambda: receiver.stats()["lines"] >= 1000, what="1000 lines sent")
            self.assertEqual(probe.close(), 0)
            self.assertEqual(bench.program_exit_code(), 0)
            wait_until(lambda: not receiver.stats()["port_open"], what="the port to be closed")


if __name__ == "__main__":
    unittest.main()
