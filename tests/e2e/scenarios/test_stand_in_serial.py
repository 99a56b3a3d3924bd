"""Wine's serial layer between the simulated receiver and a Win32 program.

The stand-in opens and reads its COM port the way skyvane.exe does, so what holds here
holds for the program: the port is published, a fast stream arrives complete and in
order, what the program writes reaches the receiver, and a port that vanishes fails
without hanging and can be opened again when it returns."""

import os
import unittest

import bench_paths
from stand_in_bench import (PORT_LIST, QUIET, SEND, SEND_TEXT, START, STATUS, lines_in_title,
                            stand_in_bench)
from waiting import wait_until

# The stand-in reports a lost port with the error its reader got: ERROR_NOT_READY, which
# is what Wine answers once the pseudo-terminal behind the port has gone.
ERROR_NOT_READY = 21


def captured(bench):
    path = os.path.join(bench.folder, "received.bin")
    if not os.path.exists(path):
        return b""
    with open(path, "rb") as capture:
        return capture.read()


class PortPublication(unittest.TestCase):
    def test_the_program_lists_exactly_the_bench_port(self):
        with stand_in_bench(self) as bench:
            bench.start_receiver(recording=bench.sample("dualband-drive.nmea"))
            bench.start_program()
            self.assertEqual(bench.port_name, "COM20")
            self.assertEqual(bench.probe.ports(),
                             [{"device": "\\Device\\Serial19", "port": "COM20"}])
            combo = bench.probe.combo(PORT_LIST)
            self.assertEqual(combo["items"], ["Serial Port (COM20)"])
            self.assertEqual(combo["selected"], 0)


class Streaming(unittest.TestCase):
    def test_a_921600_baud_stream_arrives_complete_and_in_order(self):
        recording = os.path.join(bench_paths.SAMPLES, "dualband-drive.nmea")
        with open(recording, "rb") as source:
            expected = source.read()
        with stand_in_bench(self) as bench:
            receiver = bench.start_receiver(recording=recording, baud=921600)
            bench.start_program()
            probe = bench.probe
            probe.click(QUIET)  # the console's drawing cannot keep up with 921600 baud
            probe.click(START)
            self.assertEqual(probe.text(STATUS), "open COM20")
            stats = wait_until(lambda: (s := receiver.stats())["finished"] and s, timeout=120,
                               what="the receiver to send the whole recording")
            wait_until(lambda: len(captured(bench)) >= len(expected), timeout=60,
                       what="the stand-in to capture every byte")
            self.assertEqual(receiver.sent_bytes(), expected)
            self.assertEqual(captured(bench), expected)
            wait_until(lambda: lines_in_title(probe) == expected.count(b"\n"),
                       what="the stand-in to count every line")
            # The pace is a ceiling: never more than 92160 bytes a second (plus the 2 ms
            # of credit a pacer may hold); how close it comes depends on the machine.
            seconds = stats["ms"] / 1000
            self.assertEqual(stats["bytes"], len(expected))
            print(f"\n{len(expected)} bytes by {seconds:.2f} s after the receiver started")

    def test_every_byte_value_passes_unchanged(self):
        # A raw line: no CR/LF translation, no XON/XOFF, no signal or erase characters.
        payload = bytes(range(256)) * 4 + b"\r\n"
        with stand_in_bench(self) as bench:
            recording = os.path.join(bench.folder, "all-bytes.bin")
            with open(recording, "wb") as out:
                out.write(payload)
            receiver = bench.start_receiver(recording=recording, unpaced=True)
            bench.start_program()
            bench.probe.click(QUIET)
            bench.probe.click(START)
            wait_until(lambda: receiver.stats()["finished"], what="the whole payload sent")
            wait_until(lambda: len(captured(bench)) >= len(payload), what="the payload captured")
            self.assertEqual(captured(bench), payload)


class ProgramToReceiver(unittest.TestCase):
    def test_what_the_program_writes_is_recorded_with_its_time(self):
        with stand_in_bench(self) as bench:
            receiver = bench.start_receiver(recording=bench.sample("dualband-drive.nmea"),
                                            lines_per_second=5)
            bench.start_program()
            probe = bench.probe
            probe.click(START)
            probe.set_text(SEND_TEXT, "$PMTK605*31")
            before_ms = receiver.stats()["ms"]
            probe.click(SEND)
            self.assertEqual(probe.text(STATUS), "sent")
            records = wait_until(receiver.received_records, what="the receiver to get the command")
            after_ms = receiver.stats()["ms"]
            self.assertEqual(receiver.received_bytes(), b"$PMTK605*31\r\n")
            self.assertTrue(before_ms <= records[0][0] <= after_ms, (before_ms, records, after_ms))
            self.assertEqual(receiver.stats()["received"], 13)


class VanishingPort(unittest.TestCase):
    def test_a_vanished_port_fails_without_hanging_and_opens_again_after_its_return(self):
        with stand_in_bench(self) as bench:
            receiver = bench.start_receiver(recording=bench.sample("dualband-drive.nmea"),
                                            lines_per_second=50, loop=True)
            bench.start_program()
            probe = bench.probe
            probe.click(START)
            wait_until(lambda: lines_in_title(probe) > 0, what="the first lines")

            receiver.vanish()
            wait_until(lambda: probe.text(STATUS) == f"lost {ERROR_NOT_READY}",
                       what="the reader to notice the lost port")
            probe.idle()  # the window still answers
            probe.click(START)
            self.assertEqual(probe.console(), "ComPort ERROR!!")  # no such port now

            receiver.come_back()
            probe.click(START)
            self.assertEqual(probe.text(STATUS), "open COM20")
            counted = lines_in_title(probe)
            wait_until(lambda: lines_in_title(probe) > counted, what="lines after the return")
            self.assertEqual(receiver.stats()["opens"], 2)  # the old port's and the new one's


if __name__ == "__main__":
    unittest.main()
