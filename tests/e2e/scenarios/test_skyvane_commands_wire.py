"""The receiver commands on the wire: every command's bytes, byte for byte, and each
write's time against the command's table, with the receiver streaming all along; the
auto-send timer; and the requests refused before anything is written."""

import json
import os
import unittest

from bench import Bench
from scenario_case import ScenarioCase
from skyvane_panel import (AUTO, AUTO_PERIOD, BAUD_RATE, CHANGE_BAUD, COLD_START, CORE_VER,
                           FACTORY_RESET, FW_VER, GET_VERSION, GSV_GSA, NEW_BAUD, POWER_SAVE,
                           SAMPLE, SEND, SEND_TEXT, START_GPS, VTG, live_through,
                           require_program, shown_lines)
from waiting import wait_until
from wire import CFG_RST, MON_VER_POLL, RESET_A0A2, Wire, line, nmea, timing_errors

OK = "$PSRF\r\n...OK\r\n"


def setUpModule():
    require_program()


# (control clicked, [(ms after the first write, bytes)]), in the order they are pressed.
# The check boxes are clicked twice: on, then off.
TABLE = [
    ("cold start", COLD_START, [
        (0, line("$PSRF104,0,0,0,96000,237759,1946,12,4*1D")), (200, line("$PMTK103*30")),
        (400, line("$PAIR006*3C")), (600, line("@GCD")), (800, CFG_RST)]),
    ("get version", GET_VERSION, [
        (0, line("@VER")), (200, line("$PMTK605*31")), (400, line("$PSRF125*21")),
        (600, line("$PAIR020*38")), (800, MON_VER_POLL)]),
    ("factory reset at 9600", FACTORY_RESET, [
        (0, line("$PMTK104*37")), (200, line("@GSR")), (400, line("$PAIR007*3D")),
        (600, line("$PSRF100,0,9600,8,1,0*0C")), (1200, RESET_A0A2), (1400, RESET_A0A2),
        (1600, CFG_RST)]),
    ("GSV/GSA on", GSV_GSA, [(0, line("$PSRF103,02,00,01,01*27")),
                             (200, line("$PSRF103,03,00,05,01*22"))]),
    ("GSV/GSA off", GSV_GSA, [(0, nmea("PSRF103,02,00,00,01")), (0, nmea("PSRF103,03,00,00,01"))]),
    ("VTG on", VTG, [(0, line("$PSRF103,05,00,01,01*20"))]),
    ("VTG off", VTG, [(0, line("$PSRF103,05,00,00,01*21"))]),
    ("power save on", POWER_SAVE, [(0, line("$PSRF150,0,300,1000,1"))]),
    ("power save off", POWER_SAVE, [(0, line("$PSRF150,0,1000,1000,0"))]),
]


class CommandsOnTheWire(ScenarioCase):
    def test_every_command_writes_its_bytes_on_time(self):
        with Bench(self.id()) as bench:
            receiver = bench.start_receiver(recording=bench.sample(SAMPLE), lines_per_second=20,
                                            loop=True)
            bench.start_program()
            probe = bench.probe
            probe.select(BAUD_RATE, 1)  # 9600, which the factory reset announces
            probe.click(START_GPS)
            wait_until(lambda: len(shown_lines(probe)) > 5, what="lines in the console")
            wire = Wire(receiver)
            measured = {}
            for name, control, writes in TABLE:
                with self.subTest(name):
                    probe.set_text(CORE_VER, "core")
                    probe.click(control)
                    if control in (COLD_START, FACTORY_RESET):
                        # Disabled, emptied and untitled at once; back at the next line.
                        self.assertFalse(probe.state(control)["enabled"])
                        self.assertEqual(probe.text(CORE_VER), "")
                        self.assertEqual(probe.title(), "Skyvane")
                    times = wire.take([data for _, data in writes])
                    measured[name] = [ms - times[0] for ms in times]
                    self.assertEqual(timing_errors(times, [ms for ms, _ in writes]), [])
                    wait_until(lambda: probe.state(control)["enabled"], timeout=5,
                               what=f"{name}: the button enabled again")
                    self.assertIn(OK, probe.console())

            with open(os.path.join(bench.folder, "write-times.json"), "w") as out:
                json.dump(measured, out, indent=1)

            # Send: the field's text as it stands, CR LF and no checksum added.
            probe.set_text(SEND_TEXT, "$PMTK605*31")
            probe.click(SEND)
            wire.take([line("$PMTK605*31")])
            wait_until(lambda: "Send Message\n...OK" in probe.console().replace("\r", ""),
                       what="the send shown in the console")

            # Auto-send every 2 s until "Auto" is cleared.
            probe.set_text(AUTO_PERIOD, "2")
            probe.click(AUTO)
            times = wire.take([line("$PMTK605*31")] * 3, timeout=10)
            self.assertEqual(timing_errors(times, [0, 2000, 4000]), [])
            probe.click(AUTO)
            self.assertFalse(probe.state(AUTO)["checked"])
            sent = wire.total()
            live_through(probe, receiver, 2.5)
            self.assertEqual(wire.total(), sent, "auto-send stopped")

            # Refused before anything is written: periods that are not positive, a text
            # longer than a sentence line, a baud change with no rate chosen.
            for period in ("", "-5", "abc"):
                probe.set_text(AUTO_PERIOD, period)
                probe.click(AUTO)
                self.assertEqual(probe.state(AUTO)["checked"], 0, f"period {period!r}")
            probe.set_text(SEND_TEXT, "A" * 1022)
            probe.click(SEND)
            # The message replaces the console; lines that arrive afterwards go above it.
            shown = probe.console().splitlines()
            self.assertEqual(shown[-1], "Send ERROR!!")
            self.assertNotIn("...OK", shown)
            # Auto-send refuses such a text at every tick and keeps ticking: once the
            # text fits again, it is sent without "Auto" being touched.
            probe.set_text(SEND_TEXT, "$" + "A" * 299)
            probe.set_text(AUTO_PERIOD, "1")
            probe.click(AUTO)
            live_through(probe, receiver, 2.5)
            self.assertEqual(wire.rest(), b"", "nothing written")
            self.assertEqual(probe.state(AUTO)["checked"], 1)
            self.assertIn("Send ERROR!!", probe.console())  # the stream goes on around it
            probe.set_text(SEND_TEXT, "$PMTK605*31")
            wire.take([line("$PMTK605*31")], timeout=5)
            probe.click(AUTO)
            live_through(probe, receiver, 1.5)
            late = wire.rest()  # a tick may have come just before the untick
            self.assertIn(late, (b"", line("$PMTK605*31")))
            wire.cursor += len(late)
            probe.select(NEW_BAUD, -1)
            probe.click(CHANGE_BAUD)
            live_through(probe, receiver, 2.5)
            self.assertEqual(wire.rest(), b"", "nothing written")
            self.assertNotIn("$PSRF", probe.console())
            self.assertEqual(probe.text(FW_VER), "")


if __name__ == "__main__":
    unittest.main()
