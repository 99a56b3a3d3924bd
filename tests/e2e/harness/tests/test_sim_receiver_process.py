"""The simulated receiver as a process, driven through its client on a link in a temporary
folder, with this test playing the program on the pseudo-terminal (no Wine needed)."""

import os
import select
import signal
import subprocess
import tempfile
import termios
import time
import tty
import unittest

import bench_paths
from sim_receiver import SimReceiver
from waiting import wait_until

RECORDING = b"$GPRMC,1*00\r\n$GPGSA,2*00\r\n$GPGSV,3*00\r\n"

# Each family's version query as the program writes it, and the answer it gets.
VERSION_QUERIES = {
    "psrf": (b"$PSRF125*21\r\n", b"$PSRF195,SIMPS_5.1.3-R2 04/11/2025*56\r\n"),
    "pmtk": (b"$PMTK605*31\r\n", b"$PMTK705,SIMMT_3.20_0417_25031800,0417,SKV-M1,1.0*03\r\n"),
    "pair": (b"$PAIR020*38\r\n", b"$PAIR020,SIMAR_V2.8.1,F2.8.1_0318,SKV-A1,1.0*5A\r\n"),
    "at": (b"@VER\r\n",
           b"[VER] Model SKV-AT1\r\n[VER] FW 3.4.0 build 0088\r\n[VER] Done\r\n"),
}
MON_VER_POLL = bytes.fromhex("b5620a0400000e34")


def ubx_checksum(data):
    a = b = 0
    for byte in data:
        a = (a + byte) & 0xFF
        b = (b + a) & 0xFF
    return bytes([a, b])


class SimReceiverProcess(unittest.TestCase):
    def setUp(self):
        if not os.path.isfile(bench_paths.SIM_RECEIVER):
            self.fail(f"missing {bench_paths.SIM_RECEIVER}: build the native preset")
        self.folder = tempfile.mkdtemp(prefix="sim-receiver-")
        self.link = os.path.join(self.folder, "com20")
        self.recording = os.path.join(self.folder, "three.nmea")
        with open(self.recording, "wb") as out:
            out.write(RECORDING)
        self.port = None

    def tearDown(self):
        if self.port is not None:
            os.close(self.port)
        for name in os.listdir(self.folder):
            os.remove(os.path.join(self.folder, name))
        os.rmdir(self.folder)

    def start(self, **options):
        receiver = SimReceiver(bench_paths.SIM_RECEIVER, self.link, self.folder, **options)
        self.addCleanup(receiver.stop)
        return receiver

    def open_port(self):
        self.port = os.open(self.link, os.O_RDWR | os.O_NOCTTY | os.O_NONBLOCK)
        tty.setraw(self.port)

    def read_until(self, count, timeout=10.0):
        got = b""
        deadline = time.monotonic() + timeout
        while len(got) < count and time.monotonic() < deadline:
            ready, _, _ = select.select([self.port], [], [], 0.05)
            if ready:
                got += os.read(self.port, 65536)
        return got

    def test_streams_the_recording_once_the_port_is_open(self):
        receiver = self.start(recording=self.recording, unpaced=True, open_delay_ms=0)
        self.assertEqual(os.readlink(self.link), receiver.slave)
        self.assertEqual(receiver.stats()["bytes"], 0)  # nobody listens yet: hold
        self.open_port()
        self.assertEqual(self.read_until(len(RECORDING)), RECORDING)
        stats = wait_until(lambda: (s := receiver.stats())["finished"] and s, what="the end")
        self.assertEqual((stats["lines"], stats["bytes"], stats["opens"]), (3, len(RECORDING), 1))
        self.assertEqual(receiver.sent_bytes(), RECORDING)

    def test_never_sends_faster_than_the_baud_rate(self):
        receiver = self.start(recording=bench_paths.SAMPLES + "/dualband-drive.nmea",
                              baud=115200, open_delay_ms=0)
        self.open_port()
        got = self.read_until(10**9, timeout=1.0)
        stats = receiver.stats()
        # 11520 bytes a second and at most 2 ms of credit, from the moment of the open.
        self.assertLessEqual(len(got), 11520 * stats["ms"] / 1000 + 24)
        self.assertGreater(len(got), 0)

    def test_records_what_the_program_writes(self):
        receiver = self.start(recording=self.recording, unpaced=True, open_delay_ms=0)
        self.open_port()
        os.write(self.port, b"$PMTK605*31\r\n")
        wait_until(lambda: receiver.received_bytes() == b"$PMTK605*31\r\n",
                   what="the command in the receiver's log")
        (ms, data), = receiver.received_records()
        self.assertLessEqual(ms, receiver.stats()["ms"])

    def test_vanish_and_return(self):
        receiver = self.start(recording=self.recording, lines_per_second=100, loop=True,
                              open_delay_ms=0)
        old_slave = receiver.slave
        self.open_port()
        self.assertTrue(self.read_until(1))
        receiver.vanish()
        self.assertFalse(os.path.lexists(self.link))
        self.assertEqual(receiver.ask("vanish")["error"], "the port is already gone")
        os.close(self.port)
        self.port = None
        receiver.come_back()
        self.assertEqual(os.readlink(self.link), receiver.slave)
        self.open_port()
        self.assertEqual(self.read_until(1)[:1], b"$")
        self.assertTrue(old_slave.startswith("/dev/pts/"))

    def test_the_link_goes_with_the_process(self):
        for end in ("quit", "eof", "terminate"):
            receiver = self.start(recording=self.recording)
            self.assertTrue(os.path.islink(self.link))
            child = receiver._child.process
            if end == "quit":
                receiver.stop()
            elif end == "eof":
                child.stdin.close()
            else:
                child.send_signal(signal.SIGTERM)
            self.assertEqual(child.wait(10), 0, end)
            self.assertFalse(os.path.lexists(self.link), end)

    def set_port_speed(self, speed):
        """What Wine does when the program sets the line up: the slave's termios speed."""
        attributes = termios.tcgetattr(self.port)
        attributes[4] = attributes[5] = speed
        termios.tcsetattr(self.port, termios.TCSANOW, attributes)

    def close_port(self):
        os.close(self.port)
        self.port = None

    def test_each_family_answers_its_own_version_query(self):
        everything = b"".join(query for query, _ in VERSION_QUERIES.values()) + MON_VER_POLL
        for family in list(VERSION_QUERIES) + ["ubx"]:
            receiver = self.start(recording=self.recording, unpaced=True, open_delay_ms=0,
                                  family=family)
            self.open_port()
            self.assertEqual(self.read_until(len(RECORDING)), RECORDING, family)
            for cut in range(0, len(everything), 7):  # the program's writes, cut anywhere
                os.write(self.port, everything[cut:cut + 7])
            if family == "ubx":
                frame = self.read_until(138)
                self.assertEqual(frame[:6], bytes.fromhex("b5620a048200"))
                self.assertEqual(frame[-2:], ubx_checksum(frame[2:-2]))
                self.assertIn(b"ROM CORE 4.20 (52817)", frame)
                self.assertIn(b"FWVER=SVX 2.10\0", frame)
            else:
                answer = VERSION_QUERIES[family][1]
                self.assertEqual(self.read_until(len(answer)), answer, family)
            self.assertEqual(self.read_until(1, timeout=0.3), b"", family)  # nothing more
            self.assertEqual(receiver.stats()["family"], family)
            receiver.stop()
            self.close_port()

    def test_a_cold_start_sends_the_stream_from_its_top_again(self):
        receiver = self.start(recording=self.recording, unpaced=True, open_delay_ms=0,
                              family="pmtk")
        self.open_port()
        self.assertEqual(self.read_until(len(RECORDING)), RECORDING)
        os.write(self.port, b"$PMTK103*30\r\n")
        self.assertEqual(self.read_until(len(RECORDING)), RECORDING)
        receiver.send("WAAS Enable")
        receiver.send("WAAS Disable")
        self.assertEqual(self.read_until(27), b"WAAS Enable\r\nWAAS Disable\r\n")
        self.assertEqual(receiver.stats()["cold_starts"], 1)

    def test_a_timed_start_withholds_the_fix_and_stats_list_each_start(self):
        fixed = b"$GPRMC,120000.00,A,4807.038,N,01131.000,E,1.0,84.4,061226,,,A*67\r\n"
        with open(self.recording, "wb") as out:
            out.write(fixed)
        receiver = self.start(recording=self.recording, lines_per_second=50, loop=True,
                              open_delay_ms=0, family="pair", ttff={"hot": [0.5]},
                              ignore_start=["warm"])
        self.open_port()
        self.assertEqual(self.read_until(len(fixed)), fixed)
        os.write(self.port, b"$PAIR005*3F\r\n$PAIR004*3E\r\n")
        without = b"$GPRMC,120000.00,V,,,,,,,061226,,,N*7F\r\n"
        got = b""

        def fixed_again():
            nonlocal got
            got += self.read_until(1, timeout=0.1)
            return without in got and fixed in got[got.index(without):]

        wait_until(fixed_again, timeout=10, what="no fix, then the fix again")
        lines = got[got.index(without):].split(b"\r\n")
        self.assertEqual(set(lines[:lines.index(fixed[:-2])]), {without[:-2]})
        stats = receiver.stats()
        (start,) = stats["starts"]
        self.assertEqual((start["kind"], start["fix"], start["ttff_ms"]), ("hot", "timed", 500))
        self.assertLessEqual(start["ms"], stats["ms"])
        self.assertEqual((stats["ignored_starts"], stats["cold_starts"]), (1, 0))

    def test_pair_switches_its_rate_and_stats_show_the_line_speed_the_program_set(self):
        receiver = self.start(recording=self.recording, baud=9600, loop=True, open_delay_ms=0,
                              family="pair")
        self.open_port()
        self.set_port_speed(termios.B57600)
        stats = wait_until(lambda: (s := receiver.stats())["port_open"] and s,
                           what="the port seen open")
        self.assertEqual((stats["baud"], stats["line_baud"]), (9600, 57600))
        os.write(self.port, b"$PAIR864,0,0,115200*1B\r\n$PAIR023*3B\r\n")
        wait_until(lambda: receiver.stats()["rate_switches"] == 1, what="the rate switch")
        self.set_port_speed(termios.B115200)
        stats = receiver.stats()
        self.assertEqual((stats["baud"], stats["line_baud"]), (115200, 115200))
        self.close_port()  # the speed stays readable, and the close is still seen
        stats = wait_until(lambda: (s := receiver.stats())["port_open"] is False and s,
                           what="the port seen closed")
        self.assertEqual((stats["line_baud"], stats["opens"]), (115200, 1))
        self.open_port()
        wait_until(lambda: receiver.stats()["opens"] == 2, what="the port seen open again")

    def test_a_wrong_command_line_ends_with_status_2(self):
        result = subprocess.run([bench_paths.SIM_RECEIVER, "--link", self.link],
                                capture_output=True, text=True, timeout=10)
        self.assertEqual(result.returncode, 2)
        self.assertIn("give either --recording or --scenario", result.stderr)
        result = subprocess.run([bench_paths.SIM_RECEIVER, "--link", self.link, "--recording",
                                 self.folder + "/missing.nmea"], capture_output=True, text=True,
                                timeout=10)
        self.assertEqual(result.returncode, 2)
        self.assertFalse(os.path.lexists(self.link))


if __name__ == "__main__":
    unittest.main()
