"""Client of skyvane-sim-receiver: starts it on a link path and speaks its commands."""

import json
import os

from json_lines import JsonLineProcess, ProtocolError


class SimReceiver:
    def __init__(self, binary, link, folder, recording=None, scenario_seconds=None, seed=None,
                 fix_after=None, baud=None, lines_per_second=None, unpaced=False, loop=False,
                 while_closed="hold", open_delay_ms=300, family=None, ttff=None, ttff_seed=None,
                 never_fix=False, ignore_start=(), restart=None, rate=None, name="receiver"):
        """name: the prefix of its files in the folder (<name>-got.jsonl, <name>-sent.bin).
        family: whose commands it answers (psrf, pmtk, pair, at, ubx); None: it stays silent.
        ttff: {"cold": [31.2, 28.9], "hot": [1.1]}, the seconds to the fix after each start of
        a kind; ttff_seed: draw them for the other kinds; never_fix: no fix after a start;
        ignore_start: kinds it ignores; restart: "nofix" or "silent" (a silent second first);
        rate: the scenario's epochs per second, sent in real time at the baud pace."""
        self.link = link
        self.received_path = os.path.join(folder, f"{name}-got.jsonl")
        self.sent_path = os.path.join(folder, f"{name}-sent.bin")
        argv = [binary, "--link", link, "--received", self.received_path, "--sent", self.sent_path,
                "--while-closed", while_closed, "--open-delay-ms", str(open_delay_ms)]
        if recording is not None:
            argv += ["--recording", recording]
        else:
            argv += ["--scenario", str(scenario_seconds)]
            if seed is not None:
                argv += ["--seed", str(seed)]
            if fix_after is not None:
                argv += ["--fix-after", str(fix_after)]
            if rate is not None:
                argv += ["--rate", str(rate)]
        if unpaced:
            argv.append("--unpaced")
        elif lines_per_second is not None:
            argv += ["--lines-per-second", str(lines_per_second)]
        elif baud is not None:
            argv += ["--baud", str(baud)]
        if loop:
            argv.append("--loop")
        if family is not None:
            argv += ["--family", family]
        for kind, seconds in (ttff or {}).items():
            argv += ["--ttff", f"{kind}=" + ",".join(f"{value:g}" for value in seconds)]
        if ttff_seed is not None:
            argv += ["--ttff-seed", str(ttff_seed)]
        if never_fix:
            argv.append("--never-fix")
        for kind in ignore_start:
            argv += ["--ignore-start", kind]
        if restart is not None:
            argv += ["--restart", restart]
        self._child = JsonLineProcess(argv, "the simulated receiver",
                                      stderr_path=os.path.join(folder, f"{name}.stderr"))
        ready = self._child.next_answer(timeout=10)
        if not ready.get("ok"):
            raise ProtocolError(f"the simulated receiver did not start: {ready.get('error')}")
        self.slave = ready["slave"]

    def stats(self):
        return self._child.must("stats")

    def pause(self):
        self._child.must("pause")

    def resume(self):
        self._child.must("resume")

    def vanish(self):
        self._child.must("vanish")

    def come_back(self):
        """The 'return' command: a new pseudo-terminal under the same name."""
        self.slave = self._child.must("return")["slave"]

    def send(self, text):
        """Queues one line (CR LF is added) before the next line of the stream; the text goes
        as given, blanks included ("WAAS Enable"), and gets no checksum."""
        self._child.must("send " + text)

    def ask(self, command):
        return self._child.ask(command)

    def stop(self):
        self._child.stop()

    @property
    def exit_code(self):
        return self._child.process.poll()

    def sent_bytes(self):
        """Every byte written to the program so far, in order."""
        with open(self.sent_path, "rb") as sent:
            return sent.read()

    def received_records(self):
        """What the program wrote, as (milliseconds since the simulator started, bytes)."""
        records = []
        with open(self.received_path, encoding="ascii") as log:
            for line in log:
                if line.endswith("\n"):  # a record still being written is left for later
                    record = json.loads(line)
                    records.append((record["ms"], bytes.fromhex(record["hex"])))
        return records

    def received_bytes(self):
        return b"".join(data for _, data in self.received_records())
