"""The simulated receiver as a process, driven through its client on a link in a temporary
folder, with this test playing the program on the pseudo-terminal (no Wine needed)."""

import os
import select
import signal
import subprocess
import tempfile
import time
import tty
import unittest

import bench_paths
from sim_receiver import SimReceiver
from waiting import wait_until

RECORDING = b"$GPRMC,1*00\r\n$GPGSA,2*00\r\n$GPGSV,3*00\r\n"


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
