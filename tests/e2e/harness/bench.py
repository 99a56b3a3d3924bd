"""The bench of one scenario: its own folder, Wine prefix, Xvfb display and wineserver,
the probe, the simulated receiver on a COM port of the prefix, and the program under test.

    with Bench("my_scenario") as bench:
        receiver = bench.start_receiver(recording=bench.sample("dualband-drive.nmea"))
        bench.start_program()
        bench.probe.wait_window()
        ...

Everything is torn down on leaving the block, also when the scenario fails; a failing
scenario leaves a screenshot. The folder (under the build folder) keeps the logs, the
screenshots and what the receiver sent and got; only the prefix copy is removed.
"""

import json
import os
import re
import shutil
import subprocess
import sys
import time

import bench_paths
import wine_prefix
from json_lines import ProtocolError
from probe import Probe
from sim_receiver import SimReceiver
from waiting import poll_until
from xvfb_display import XvfbDisplay

# Wine's mount manager numbers the host's serial devices from COM1 up; the bench's
# port sits well above them (unless this machine has that many, then above those).
PREFERRED_PORT = 20


class BenchError(AssertionError):
    pass


def _folder_name(name):
    return re.sub(r"[^A-Za-z0-9_.-]", "_", name)


class Bench:
    def __init__(self, name, settings=None, program=None):
        """name: the scenario's folder name (a test id will do). settings: text of a
        skyvane.ini for the program's working folder. program: another skyvane.exe than
        this checkout's, for a benchmark that measures two builds."""
        self.name = name
        self.settings = settings
        self.program = program or bench_paths.SKYVANE
        self.folder = os.path.join(bench_paths.WORK_DIR, _folder_name(name))
        self.prefix = os.path.join(self.folder, "prefix")
        self.timings = {}
        self.display = None
        self.env = None
        self.probe = None
        self.receivers = []
        self.program_process = None
        self.port_number = None
        self._wineserver_started = False

    # Setting up.

    def __enter__(self):
        try:
            self.start()
        except BaseException:
            self.close(failed=True)
            raise
        return self

    def __exit__(self, exc_type, exc, traceback):
        self.close(failed=exc_type is not None)
        return False

    def _timed(self, phase, action):
        started = time.monotonic()
        result = action()
        self.timings[phase] = round(time.monotonic() - started, 3)
        return result

    def start(self):
        for path in (self.program, bench_paths.PROBE, bench_paths.SIM_RECEIVER):
            if not os.path.isfile(path):
                raise BenchError(f"missing {path}: build the native and the windows presets")
        if not os.path.isdir(bench_paths.TEMPLATE_PREFIX):
            raise BenchError(f"missing the template prefix {bench_paths.TEMPLATE_PREFIX}; "
                             "run make_template_prefix.py or the e2e_wine_template test")
        shutil.rmtree(self.folder, ignore_errors=True)
        os.makedirs(self.folder)
        self._timed("prefix_copy", lambda: wine_prefix.copy_prefix(bench_paths.TEMPLATE_PREFIX,
                                                                   self.prefix))
        self.display = self._timed("display", lambda: XvfbDisplay(self._path("xvfb.log")))
        self.env = wine_prefix.wine_environment(self.prefix, self.display.name)
        self._timed("wineserver", lambda: wine_prefix.start_wineserver(
            self.env, self._path("wineserver.log")))
        self._wineserver_started = True
        self.probe = self._timed("probe", self._start_probe)
        self.port_number = self._timed("serial_map", self._publish_port)

    def _path(self, name):
        return os.path.join(self.folder, name)

    def _start_probe(self):
        probe = Probe(["wine", bench_paths.PROBE, "--class", bench_paths.SKYVANE_CLASS], self.env,
                      self.folder, self._path("probe.stderr"))
        try:
            probe.ports()  # the first answer: the prefix has booted
        except ProtocolError as error:
            raise BenchError(f"{error}; {self._wine_state()}") from None
        return probe

    def _wine_state(self):
        """What a failed start leaves to go on: whether the prefix's wineserver is ending
        too (a server that shuts down ends a starting probe with exit code 1 and not a
        word; it takes up to two seconds itself), and the end of the probe's stderr."""
        ended = poll_until(lambda: not wine_prefix.server_pids(self.prefix), timeout=5)
        server = ("the prefix's wineserver ended with it" if ended
                  else "the prefix's wineserver still runs")
        with open(self._path("probe.stderr"), "rb") as stderr:
            said = stderr.read()[-400:].decode("utf-8", "replace").strip()
        return f"{server}; the probe's stderr: {said or '(empty)'}"

    def _publish_port(self):
        taken = set()
        for entry in self.probe.ports():
            match = re.fullmatch(r"COM(\d+)", entry["port"])
            if match:
                taken.add(int(match.group(1)))
        number = PREFERRED_PORT
        while number in taken:
            number += 1
        ports = self.probe.ports_only(number)
        if [entry["port"] for entry in ports] != [f"COM{number}"]:
            raise BenchError(f"the serial device map did not take COM{number}: {ports}")
        return number

    # What a scenario uses.

    @property
    def port_name(self):
        return f"COM{self.port_number}"

    @property
    def port_label(self):
        """The port list entry under which the program shows the bench's port."""
        return f"Serial Port ({self.port_name})"

    @staticmethod
    def sample(name):
        return os.path.join(bench_paths.SAMPLES, name)

    @staticmethod
    def windows_path(path):
        """A Linux path as the program sees it: Wine maps / to drive Z:."""
        return "Z:" + os.path.abspath(path).replace("/", "\\")

    def start_receiver(self, **options):
        """A simulated receiver on the bench's port; options as SimReceiver takes them.
        A second one (after the first has quit) gets files of its own."""
        link = os.path.join(self.prefix, "dosdevices", self.port_name.lower())
        if self.receivers and "name" not in options:
            options["name"] = f"receiver{len(self.receivers) + 1}"
        receiver = self._timed("receiver", lambda: SimReceiver(
            bench_paths.SIM_RECEIVER, link, self.folder, **options))
        self.receivers.append(receiver)
        return receiver

    def start_program(self, wait_for_window=True, wine_debug=None, args=()):
        """Starts the program from a copy in the scenario's folder, which is also its
        working folder: its settings file and its log file live there. `wine_debug`
        (a WINEDEBUG value) makes Wine trace into program.out; `args` go on its command line."""
        if self.settings is not None:
            with open(self._path("skyvane.ini"), "w", encoding="ascii", newline="\r\n") as ini:
                ini.write(self.settings)
        program = self._path(os.path.basename(self.program))
        shutil.copy2(self.program, program)
        env = dict(self.env, WINEDEBUG=wine_debug) if wine_debug else self.env
        with open(self._path("program.out"), "wb") as out:
            self.program_process = subprocess.Popen(
                ["wine", program, *args], cwd=self.folder, env=env, stdout=out,
                stderr=subprocess.STDOUT, stdin=subprocess.DEVNULL)
        if wait_for_window:
            self._timed("program_window", lambda: self.probe.wait_window())
        return self.program_process

    def program_exit_code(self, timeout=30):
        """The exit code that wine reports for the program once it has ended."""
        return self.program_process.wait(timeout)

    def program_output(self):
        """What the program last started wrote to its standard output and error."""
        with open(self._path("program.out"), "rb") as out:
            return out.read().decode("utf-8", "replace")

    def screenshot(self, name):
        path = self._path(name + ".png")
        if self.display is None or not self.display.screenshot(path):
            return None
        return path

    # Tearing down.

    def close(self, failed=False):
        problems = []

        def attempt(what, action):
            try:
                action()
            except Exception as error:  # noqa: BLE001 - every step must get its chance
                problems.append(f"{what}: {error}")

        if failed and self.display is not None:
            attempt("screenshot", lambda: self.screenshot("failure"))
        if self.probe is not None:
            attempt("probe", self.probe.stop)
        if self._wineserver_started:
            attempt("wineserver", lambda: wine_prefix.stop_wineserver(self.env))
        if self.program_process is not None and self.program_process.poll() is None:
            attempt("program", lambda: self._end_program())
        for receiver in self.receivers:
            attempt("receiver", receiver.stop)
        if self.display is not None:
            attempt("display", self.display.stop)
        attempt("prefix", lambda: shutil.rmtree(self.prefix, ignore_errors=True))
        attempt("timings", self._write_timings)
        if problems and not failed:
            raise BenchError("cleaning up failed: " + "; ".join(problems))

    def _end_program(self):
        self.program_process.kill()
        self.program_process.wait(30)

    def _write_timings(self):
        if os.path.isdir(self.folder):
            with open(self._path("timings.json"), "w", encoding="ascii") as out:
                json.dump(self.timings, out, indent=1)
        print(f"bench timings of {self.name}: {self.timings}", file=sys.stderr)
