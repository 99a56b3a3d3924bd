"""CPU time of the processes of one Wine prefix, read from /proc.

The program's own thread work shows in its process; every cross-thread message and
window operation also costs the prefix's wineserver, so both are reported."""

import os

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")


def cpu_seconds(pid):
    """User plus system time of a process, in seconds (0 once it has gone)."""
    try:
        with open(f"/proc/{pid}/stat", encoding="ascii") as stat:
            fields = stat.read().rsplit(")", 1)[1].split()
    except OSError:
        return 0.0
    # After the name: state is field 3, utime 14 and stime 15 (1-based, whole line).
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def _environment_has(pid, entry):
    try:
        with open(f"/proc/{pid}/environ", "rb") as environ:
            return entry in environ.read().split(b"\0")
    except OSError:
        return False


def _command_name(pid):
    try:
        with open(f"/proc/{pid}/comm", encoding="utf-8") as comm:
            return comm.read().strip()
    except OSError:
        return ""


def wineserver_pids(prefix):
    """The wineserver of `prefix` (normally one)."""
    entry = b"WINEPREFIX=" + os.fsencode(prefix)
    return [int(pid) for pid in os.listdir("/proc")
            if pid.isdigit() and _command_name(pid).startswith("wineserver")
            and _environment_has(pid, entry)]


class CpuWatch:
    """CPU seconds the program and its wineserver spend between start() and stop()."""

    def __init__(self, program_pid, prefix):
        self.program_pid = program_pid
        self.prefix = prefix
        self.started = None

    def _sample(self):
        server = sum(cpu_seconds(pid) for pid in wineserver_pids(self.prefix))
        return cpu_seconds(self.program_pid), server

    def start(self):
        self.started = self._sample()

    def stop(self):
        program, server = self._sample()
        return {"program": round(program - self.started[0], 2),
                "wineserver": round(server - self.started[1], 2)}
