"""What reaches the main window from outside its own code: a line-ready message from
anywhere but the reader, and the timers. A message carries numbers, not trust: only the
batch the current reader hands over is read. A command's timer ends with its command."""

import os
import unittest

from bench import Bench
from scenario_case import ScenarioCase
from skyvane_panel import GET_VERSION, SAMPLE, START_GPS, require_program, shown_lines
from waiting import wait_until
from wire import MON_VER_POLL, Wire, line

MSG_LINE_READY = 2726
COMMAND_STEP_TIMER = 0x1004
CONSOLE_TIMER = 1
GET_VERSION_WRITES = [line("@VER"), line("$PMTK605*31"), line("$PSRF125*21"),
                      line("$PAIR020*38"), MON_VER_POLL]


def setUpModule():
    require_program()


def timer_dispatches(trace_path, since, timer_id):
    """WM_TIMER messages of the timer dispatched after byte `since` of Wine's trace."""
    with open(trace_path, "rb") as trace:
        trace.seek(since)
        text = trace.read().decode("ascii", "replace")
    return text.count(f"WM_TIMER dispatched  wp={timer_id:08x}")


class Messages(ScenarioCase):
    def test_stray_line_ready_messages_are_refused_and_no_timer_outlives_its_command(self):
        with Bench(self.id()) as bench:
            receiver = bench.start_receiver(recording=bench.sample(SAMPLE), lines_per_second=5,
                                            loop=True)
            bench.start_program(wine_debug="+message")
            probe = bench.probe
            probe.click(START_GPS)
            wait_until(lambda: len(shown_lines(probe)) > 3, what="lines shown")

            # Another program's line-ready message, with no pointer or a stray one.
            for lparam in (0, 1, 0x12345678, -1, 0x7FFF0000):
                self.assertEqual(probe.send_message(MSG_LINE_READY, 0, lparam), 0, lparam)
            shown = len(shown_lines(probe))
            wait_until(lambda: len(shown_lines(probe)) > shown + 3, what="the stream going on")

            trace = os.path.join(bench.folder, "program.out")
            start = os.path.getsize(trace)
            probe.click(GET_VERSION)
            Wire(receiver).take(GET_VERSION_WRITES)
            self.assertGreater(timer_dispatches(trace, start, COMMAND_STEP_TIMER), 0,
                               "the command's steps ran on its timer")
            probe.idle()
            idle_from = os.path.getsize(trace)
            shown = len(shown_lines(probe))
            # Ten seconds of a stream and nothing else asked for.
            wait_until(lambda: len(shown_lines(probe)) >= shown + 50, timeout=30,
                       what="ten more seconds of lines")
            self.assertEqual(timer_dispatches(trace, idle_from, COMMAND_STEP_TIMER), 0)
            self.assertGreater(timer_dispatches(trace, idle_from, CONSOLE_TIMER), 0,
                               "the trace shows the console's timer meanwhile")


if __name__ == "__main__":
    unittest.main()
