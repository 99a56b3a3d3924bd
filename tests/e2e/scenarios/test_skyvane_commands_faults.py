"""Receiver commands that meet trouble: the operator closing the connection or the window
in the middle of a baud-rate change, a receiver that vanishes so that the reopen fails,
and every command pressed during a replay. The program keeps running, no step reopens a
port the operator closed, and no recorded file changes."""

import hashlib
import os
import time
import unittest

from bench import Bench
from log_file import expected_log_bytes
from panel_epoch import recording_lines
from scenario_case import ScenarioCase
from skyvane_panel import (AUTO, AUTO_PERIOD, COLD_START, DEFAULT_MODE, FACTORY_RESET,
                           GET_VERSION, GSV_GSA, NEW_BAUD, POWER_SAVE, SAMPLE, SEND, SEND_TEXT,
                           START_GPS, VTG, replay, require_program, shown_lines)
from waiting import wait_until
from wire import Wire, line

CHANGE_BAUD = 1019
PAIR_AT_115200 = [line("$PAIR864,0,0,115200*1B"), line("$PAIR023*3B")]


def setUpModule():
    require_program()


def start_baud_change(bench):
    """A streaming receiver, and "Change Baudrate" to 115200 pressed: its first write seen."""
    receiver = bench.start_receiver(recording=bench.sample(SAMPLE), lines_per_second=40,
                                    loop=True, family="pair")
    bench.start_program()
    probe = bench.probe
    probe.click(START_GPS)
    wait_until(lambda: len(shown_lines(probe)) > 3, what="lines shown")
    probe.select(NEW_BAUD, 5)
    wire = Wire(receiver)
    probe.click(CHANGE_BAUD)
    wire.take(PAIR_AT_115200)
    return receiver, probe, wire


def assert_nothing_more(test, receiver, wire, opens, seconds=8):
    """Over the rest of the sequence's time: no write, and no open of the port."""
    time.sleep(seconds)
    test.assertEqual(wire.rest(), b"", "written after the sequence was dropped")
    test.assertEqual(receiver.stats()["opens"], opens, "the port opened again")


class CommandFaults(ScenarioCase):
    def test_closing_the_connection_mid_sequence_drops_the_rest(self):
        with Bench(self.id()) as bench:
            receiver, probe, wire = start_baud_change(bench)
            time.sleep(1.2)  # inside the reopen: the old handle gone, the new not yet there
            probe.click(START_GPS)
            self.assertEqual(probe.state(START_GPS)["text"], "Start GPS")
            opens = receiver.stats()["opens"]
            assert_nothing_more(self, receiver, wire, opens)
            self.assertFalse(receiver.stats()["port_open"])
            probe.click(START_GPS)  # a new start works
            wait_until(lambda: receiver.stats()["port_open"], what="the port open again")

    def test_closing_the_window_mid_sequence_ends_the_program_cleanly(self):
        with Bench(self.id()) as bench:
            receiver, probe, wire = start_baud_change(bench)
            self.assertEqual(probe.close(), 0)
            opens = receiver.stats()["opens"]
            assert_nothing_more(self, receiver, wire, opens)

    def test_a_failed_reopen_drops_the_rest_and_a_new_start_recovers(self):
        with Bench(self.id()) as bench:
            receiver, probe, wire = start_baud_change(bench)
            receiver.vanish()  # the reopen, 1.5 s after the first write, finds no port
            time.sleep(2.5)
            receiver.come_back()  # before the second pass would have reopened it
            opens = receiver.stats()["opens"]
            assert_nothing_more(self, receiver, wire, opens, seconds=6)
            probe.idle()
            self.assertEqual(probe.state(START_GPS)["text"], "Close GPS")
            # The connection has no handle: the button starts a new one.
            probe.click(START_GPS)
            wait_until(lambda: receiver.stats()["port_open"], what="a new connection")
            shown = len(shown_lines(probe))
            wait_until(lambda: len(shown_lines(probe)) > shown + 10, what="lines again")

    def test_no_command_changes_a_replayed_recording(self):
        with Bench("replay_cmds") as bench:
            path = os.path.join(bench.folder, "drive.txt")
            with open(path, "wb") as recording:
                recording.write(expected_log_bytes(recording_lines()))
            before = hashlib.sha256(open(path, "rb").read()).hexdigest()
            modified = os.stat(path).st_mtime_ns
            bench.start_program()
            probe = bench.probe
            replay(probe, bench, path)
            wait_until(lambda: len(shown_lines(probe)) > 10, what="the replay shown")
            probe.set_text(SEND_TEXT, "$PMTK605*31")
            probe.set_text(AUTO_PERIOD, "1")  # auto-send all along, too
            for control in (COLD_START, GET_VERSION, FACTORY_RESET, GSV_GSA, GSV_GSA, VTG, VTG,
                            POWER_SAVE, POWER_SAVE, SEND, AUTO, DEFAULT_MODE, CHANGE_BAUD):
                probe.click(control)
            time.sleep(18)  # every sequence, one after the other, with two reopens
            probe.click(AUTO)  # auto-send off
            probe.idle()
            self.assertEqual(probe.state(START_GPS)["text"], "Close GPS")
            probe.click(START_GPS)
            self.assertEqual(hashlib.sha256(open(path, "rb").read()).hexdigest(), before)
            self.assertEqual(os.stat(path).st_mtime_ns, modified)


if __name__ == "__main__":
    unittest.main()
