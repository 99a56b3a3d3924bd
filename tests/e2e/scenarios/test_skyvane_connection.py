"""Starting and stopping a connection with skyvane.exe: the window as it opens, how the
control panel switches, the starts that fail with "ComPort ERROR!!", and the default baud
rate of the settings file."""

import os
import unittest

from bench import Bench
from recordings import find_run, read_sentences
from scenario_case import ScenarioCase
from skyvane_panel import (AUTO_PERIOD, BAUD_RATE, COM_PORT, CORE_VER, FW_VER, LOG_FILE,
                           LOG_NAME, P_VERSION, RATES, SAMPLE, SEND_TEXT, START_GPS, TITLE,
                           assert_panel, panel_states, pause_and_settle, require_program,
                           shown_lines)
from waiting import wait_until


def setUpModule():
    require_program()


def sample_sentences():
    return read_sentences(Bench.sample(SAMPLE))


class StartAndStop(ScenarioCase):
    def test_the_window_as_it_opens(self):
        with Bench(self.id()) as bench:
            probe = bench.probe
            self.assertEqual(probe.ask("title")["error"], "the program's window was not found")
            bench.start_program()
            # The device map holds the bench's port alone, named as Wine names its own.
            self.assertEqual(probe.ports(), [{"device": f"\\Device\\Serial{bench.port_number - 1}",
                                              "port": bench.port_name}])
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
            assert_panel(self, panel_states(probe), running=False)
            self.assertEqual(probe.console(), "")
            # What the probe refuses, it says why.
            refusals = {"dance": "unknown command", "text": "a control id is needed",
                        "text 4242": "no such control in the control panel or the statistics window",
                        "keys ctrl+": "unknown keys; e.g. ctrl+a, escape, alt+f4",
                        "pixels 5000 5 1 1": "the rectangle is not all visible in the panel"}
            for command, error in refusals.items():
                self.assertEqual(probe.ask(command), {"ok": False, "error": error}, command)

    def test_start_and_stop_switch_the_controls_and_keep_what_the_operator_typed(self):
        sentences = sample_sentences()
        with Bench(self.id()) as bench:
            receiver = bench.start_receiver(recording=bench.sample(SAMPLE), lines_per_second=40)
            bench.start_program()
            probe = bench.probe
            # What the operator typed and ticked, and versions left from an earlier receiver.
            typed = {AUTO_PERIOD: "5", SEND_TEXT: "$PMTK605*31", LOG_NAME: "unit42"}
            for control, text in typed.items():
                probe.set_text(control, text)
            probe.click(LOG_FILE)
            for control in (CORE_VER, FW_VER, P_VERSION):
                probe.set_text(control, "v1.0")
            # The running log holds the name field; a connection must not release it.
            logging = {LOG_NAME: False}
            idle = panel_states(probe)
            assert_panel(self, idle, running=False, overrides=logging)

            probe.click(START_GPS)
            started = panel_states(probe)
            assert_panel(self, started, running=True, overrides=logging)
            self.assertEqual(probe.title(), "Skyvane")
            for control in (CORE_VER, FW_VER, P_VERSION):
                self.assertEqual(started[control]["text"], "", f"version field {control}")
            for control, text in typed.items():
                self.assertEqual(started[control]["text"], text, f"text of control {control}")
            self.assertEqual(started[LOG_FILE]["checked"], 1)
            self.assertEqual(started[COM_PORT]["text"], bench.port_label)
            self.assertEqual(started[BAUD_RATE]["text"], "4800")

            wait_until(lambda: len(shown_lines(probe)) >= 10, what="ten lines shown")
            # The port was opened for this connection: the console starts with the first
            # sentence the receiver sent.
            shown = [line + "\r\n" for line in shown_lines(probe)]
            self.assertEqual(shown, sentences[:len(shown)])

            for control in (CORE_VER, FW_VER):
                probe.set_text(control, "v2.0")  # as a receiver's reply would fill them
            pause_and_settle(probe, receiver)
            before_stop = probe.console()
            probe.click(START_GPS)
            stopped = panel_states(probe)
            assert_panel(self, stopped, running=False, overrides=logging)
            for control in (CORE_VER, FW_VER):
                self.assertEqual(stopped[control]["text"], "v2.0", f"version field {control}")
            for control, text in typed.items():
                self.assertEqual(stopped[control]["text"], text, f"text of control {control}")
            self.assertEqual(stopped[LOG_FILE]["checked"], 1)
            self.assertEqual(probe.console(), before_stop)
            wait_until(lambda: not receiver.stats()["port_open"], what="the port to be closed")

            # The next start empties the console and the version fields again; the
            # receiver is paused, so nothing new arrives to fill them.
            probe.click(START_GPS)
            self.assertEqual(probe.state(START_GPS)["text"], "Close GPS")
            self.assertEqual(probe.console(), "")
            for control in (CORE_VER, FW_VER):
                self.assertEqual(probe.text(control), "", f"version field {control}")
            receiver.resume()
            wait_until(lambda: shown_lines(probe), what="lines of the second connection")
            probe.click(START_GPS)
            probe.click(LOG_FILE)
            self.assertTrue(probe.state(LOG_NAME)["enabled"])


class FailedStart(ScenarioCase):
    """A start that fails replaces the console's text with "ComPort ERROR!!" and leaves
    every control as it was, so the operator can pick another source or rate."""

    def assert_failed_start(self, probe, before):
        self.assertEqual(probe.console(), "ComPort ERROR!!")
        self.assertEqual(panel_states(probe), before)
        self.assertEqual(probe.state(START_GPS)["text"], "Start GPS")

    def test_a_port_without_a_receiver_behind_it(self):
        with Bench(self.id()) as bench:
            bench.start_program()
            probe = bench.probe
            self.assertEqual(probe.combo(COM_PORT)["items"][0], bench.port_label)
            before = panel_states(probe)
            probe.click(START_GPS)
            self.assert_failed_start(probe, before)
            self.assertEqual(probe.title(), "Skyvane")

            receiver = bench.start_receiver(recording=bench.sample(SAMPLE), lines_per_second=40)
            probe.click(START_GPS)
            self.assertEqual(probe.state(START_GPS)["text"], "Close GPS")
            wait_until(lambda: receiver.stats()["port_open"], what="the port to be opened")

    def test_no_baud_rate_selected(self):
        # A default rate beyond the list leaves the rate list without a selection.
        with Bench(self.id(), settings="[SKYVANE]\nDEF_BAUDRATE=9\n") as bench:
            receiver = bench.start_receiver(recording=bench.sample(SAMPLE), lines_per_second=40)
            bench.start_program()
            probe = bench.probe
            self.assertEqual(probe.combo(BAUD_RATE)["selected"], -1)
            before = panel_states(probe)
            probe.click(START_GPS)
            self.assert_failed_start(probe, before)
            self.assertEqual(receiver.stats()["opens"], 0)  # the port was left alone

            probe.select(BAUD_RATE, 1)
            probe.click(START_GPS)
            self.assertEqual(probe.state(START_GPS)["text"], "Close GPS")
            wait_until(lambda: receiver.stats()["port_open"], what="the port to be opened")

    def test_cancelling_the_choice_of_a_recording(self):
        with Bench(self.id()) as bench:
            bench.start_program()
            probe = bench.probe
            probe.select(COM_PORT, 1)
            before = panel_states(probe)
            self.assertEqual(before[COM_PORT]["text"], "Log File:")
            probe.click(START_GPS, wait=False)  # the file dialog is modal
            wait_until(probe.file_dialog_open, what="the file dialog")
            probe.cancel_file()
            probe.idle()  # the console is replaced while the start fails: read it after
            self.assert_failed_start(probe, before)
            self.assertFalse(probe.file_dialog_open())

    def test_a_port_another_program_holds(self):
        """The program opens its port without sharing, so on Windows this start fails
        with "ComPort ERROR!!". Wine applies share modes to files, not to devices: the
        second open succeeds. This holds Wine's behaviour, so that a Wine that refuses the
        second open shows up here (the test should then expect the error), and shows that
        a line another program holds open does not upset the program. The other program
        is the probe, a process of its own in the same prefix."""
        sentences = sample_sentences()
        with Bench(self.id()) as bench:
            receiver = bench.start_receiver(recording=bench.sample(SAMPLE), lines_per_second=40,
                                            loop=True)
            probe = bench.probe
            probe.hold_port(bench.port_name)
            wait_until(lambda: receiver.stats()["port_open"], what="the other program's open")
            self.assertEqual(probe.ask(f"hold_port {bench.port_name}")["error"],
                             "a port is held already; release_port first")

            bench.start_program()
            probe.click(START_GPS)
            self.assertEqual(probe.state(START_GPS)["text"], "Close GPS")
            shown = wait_until(lambda: (lines := shown_lines(probe)) and len(lines) >= 10 and lines,
                               what="ten lines shown")
            # Whole sentences in the recording's order; the first may have been cut where
            # the program discarded what was pending when it opened the port.
            self.assertNotEqual(find_run([line + "\r\n" for line in shown[1:]], sentences * 2),
                                -1, shown)
            self.assertEqual(receiver.stats()["opens"], 1)  # the line never closed
            probe.click(START_GPS)
            self.assertEqual(probe.state(START_GPS)["text"], "Start GPS")
            self.assertTrue(receiver.stats()["port_open"])  # the other program still holds it

            probe.release_port()
            wait_until(lambda: not receiver.stats()["port_open"], what="the port let go")
            self.assertEqual(probe.ask("release_port")["error"], "no port is held")


class DefaultBaudRate(ScenarioCase):
    def test_the_default_rate_returns_after_each_close_and_without_it_the_choice_stays(self):
        with Bench(self.id(), settings="[SKYVANE]\nDEF_BAUDRATE=6\n") as bench:
            receiver = bench.start_receiver(recording=bench.sample(SAMPLE), lines_per_second=40)
            bench.start_program()
            probe = bench.probe
            self.assertEqual(probe.combo(BAUD_RATE)["selected"], 5)
            self.assertEqual(probe.text(BAUD_RATE), "115200")

            probe.select(BAUD_RATE, 7)
            probe.click(START_GPS)
            self.assertEqual(probe.text(BAUD_RATE), "921600")  # the operator's rate is used
            probe.click(START_GPS)
            self.assertEqual(probe.combo(BAUD_RATE)["selected"], 5)

            # The file is read again at every close: once the key is gone, the operator's
            # choice survives the close.
            with open(os.path.join(bench.folder, "skyvane.ini"), "w", encoding="ascii",
                      newline="\r\n") as ini:
                ini.write("[SKYVANE]\nVIEW_GLS=1\n")
            probe.select(BAUD_RATE, 2)
            probe.click(START_GPS)
            wait_until(lambda: receiver.stats()["port_open"], what="the port to be opened")
            probe.click(START_GPS)
            self.assertEqual(probe.state(START_GPS)["text"], "Start GPS")
            self.assertEqual(probe.combo(BAUD_RATE)["selected"], 2)
            self.assertEqual(probe.text(BAUD_RATE), "19200")

    def test_a_settings_file_of_garbage_changes_nothing(self):
        with Bench(self.id()) as bench:
            garbage = bytes((index * 151 + 7) % 256 for index in range(4096))
            with open(os.path.join(bench.folder, "skyvane.ini"), "wb") as ini:
                ini.write(garbage)
            receiver = bench.start_receiver(recording=bench.sample(SAMPLE), lines_per_second=40)
            bench.start_program()
            probe = bench.probe
            rates = probe.combo(BAUD_RATE)
            self.assertEqual((rates["selected"], rates["text"]), (0, "4800"))
            probe.select(BAUD_RATE, 3)
            probe.click(START_GPS)
            wait_until(lambda: shown_lines(probe), what="lines shown")
            probe.click(START_GPS)
            self.assertEqual(probe.state(START_GPS)["text"], "Start GPS")
            self.assertEqual(probe.combo(BAUD_RATE)["selected"], 3)
            self.assertEqual(receiver.stats()["opens"], 1)


if __name__ == "__main__":
    unittest.main()
