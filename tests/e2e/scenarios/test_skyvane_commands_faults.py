"""Receiver commands that meet trouble: the operator closing the connection or the window
in the middle of a baud-rate change, a receiver that vanishes so that the reopen fails
(the connection is then closed and says why), and every command pressed during a replay. The program keeps running, no step reopens a
port the operator closed, and no recorded file changes."""

import hashlib
import os
import unittest

from bench import Bench
from log_file import expected_log_bytes
from panel_epoch import recording_lines
from scenario_case import ScenarioCase
from skyvane_panel import (AUTO, AUTO_PERIOD, CHANGE_BAUD, COLD_START, DEFAULT_MODE,
                           FACTORY_RESET, GET_VERSION, GSV_GSA, NEW_BAUD, POWER_SAVE, SAMPLE, SEND,
                           SEND_TEXT, START_GPS, VTG, assert_panel, live_through, panel_states,
                           replay, require_program, shown_lines)
from waiting import wait_until
from wire import Wire, line

PAIR_AT_115200 = [line("$PAIR864,0,0,115200*1B"), line("$PAIR023*3B")]
# A baud change runs three passes; the last purge of its port comes 9 s after its first write.
BAUD_CHANGE_MS = 9000


def setUpModule():
    require_program()


def start_baud_change(bench):
    """A streaming receiver, and "Change Baudrate" to 115200 pressed: its first writes seen.
    Returns the receiver, the probe, the wire and the receiver's time of the first write."""
    receiver = bench.start_receiver(recording=bench.sample(SAMPLE), lines_per_second=40,
                                    loop=True, family="pair")
    bench.start_program()
    probe = bench.probe
    probe.click(START_GPS)
    wait_until(lambda: len(shown_lines(probe)) > 3, what="lines shown")
    probe.select(NEW_BAUD, 5)
    wire = Wire(receiver)
    probe.click(CHANGE_BAUD)
    first_ms = wire.take(PAIR_AT_115200)[0]
    return receiver, probe, wire, first_ms


def assert_new_start_alone(test, probe, receiver, wire, until_ms):
    """A new start opens the port; up to the receiver's time `until_ms`, when the dropped
    sequence would have ended, nothing is written and no other open comes."""
    opens = receiver.stats()["opens"]
    probe.click(START_GPS)
    wait_until(lambda: receiver.stats()["port_open"], what="the new connection's open")
    live_through(probe, receiver, max(0, until_ms - receiver.stats()["ms"]) / 1000)
    test.assertEqual(wire.rest(), b"", "written after the sequence was dropped")
    test.assertEqual(receiver.stats()["opens"], opens + 1, "the port opened by the sequence")


def commands_run_dry(console):
    """True once two auto-sends have come after the last receiver command ("$PSRF ...OK"):
    the queue holds one copy of a text at most, so the second was sent with nothing left
    before it."""
    last_command = max(console.rfind("$PSRF\n...OK"), 0)
    return console.count("Send Message\n...OK", last_command) >= 2


class CommandFaults(ScenarioCase):
    def test_closing_the_connection_mid_sequence_drops_the_rest(self):
        with Bench(self.id()) as bench:
            receiver, probe, wire, first_ms = start_baud_change(bench)
            # Inside the reopen: the old handle gone, the new one not yet there.
            wait_until(lambda: not receiver.stats()["port_open"], what="the old handle gone")
            probe.click(START_GPS)
            self.assertEqual(probe.state(START_GPS)["text"], "Start GPS")
            wait_until(lambda: not receiver.stats()["port_open"], what="the port closed")
            # No step reopens or writes, also not into a connection started at once.
            assert_new_start_alone(self, probe, receiver, wire, first_ms + BAUD_CHANGE_MS + 500)

    def test_closing_the_window_mid_sequence_ends_the_program_cleanly(self):
        with Bench(self.id()) as bench:
            receiver, probe, wire, _ = start_baud_change(bench)
            opens = receiver.stats()["opens"]
            self.assertEqual(probe.close(), 0)
            self.assertEqual(bench.program_exit_code(), 0)
            wait_until(lambda: not receiver.stats()["port_open"], what="the port closed")
            self.assertEqual(wire.rest(), b"", "written after the sequence was dropped")
            self.assertEqual(receiver.stats()["opens"], opens, "the port opened again")

    def test_a_failed_reopen_closes_the_connection_and_a_new_start_recovers(self):
        with Bench(self.id()) as bench:
            receiver, probe, wire, first_ms = start_baud_change(bench)
            receiver.vanish()  # the first reopen finds no port
            # The connection left without a port is closed as "Close GPS" closes it.
            wait_until(lambda: probe.state(START_GPS)["text"] == "Start GPS", timeout=10,
                       what="the connection shown closed")
            assert_panel(self, panel_states(probe), running=False)
            wait_until(lambda: "Reopen ERROR!!" in probe.console(), what="the reason shown")
            bench.screenshot("reopen_failed")
            receiver.come_back()  # before the second pass would have reopened it
            assert_new_start_alone(self, probe, receiver, wire, first_ms + BAUD_CHANGE_MS + 500)
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
            # Every command taken into the queue runs, one after the other, with two
            # reopens; then the auto-sends have the queue to themselves.
            wait_until(lambda: commands_run_dry(probe.console().replace("\r", "")),
                       timeout=60, what="every command, then two auto-sends")
            probe.click(AUTO)  # auto-send off
            probe.idle()
            self.assertEqual(probe.state(START_GPS)["text"], "Close GPS")
            probe.click(START_GPS)
            self.assertEqual(hashlib.sha256(open(path, "rb").read()).hexdigest(), before)
            self.assertEqual(os.stat(path).st_mtime_ns, modified)


if __name__ == "__main__":
    unittest.main()
