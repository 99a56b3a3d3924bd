"""What the scenarios of skyvane.exe share: the control panel's ids and how its controls
look while idle and while a connection runs, sentences with their checksum, and waiting
for the console to show everything the receiver sent."""

import os
import re
import unittest

import bench_paths
from waiting import wait_until

# Control ids of the control panel.
COM_PORT = 1000
BAUD_RATE = 1001
SCAN_PORTS = 1002
COLD_START = 1003
START_GPS = 1004
CORE_VER = 1005
FW_VER = 1006
P_VERSION = 1007
SEND = 1008
VTG = 1009
POWER_SAVE = 1010
GSV_GSA = 1011
LOG_FILE = 1012
AUTO = 1013
GET_VERSION = 1014
FACTORY_RESET = 1015
AUTO_PERIOD = 1016
QUANTITY = 1017
COMPARISON = 1018
CHANGE_BAUD = 1019
LOG_NAME = 1020
MOD = 1021
SEND_TEXT = 1022
DEFAULT_MODE = 1023
NEW_BAUD = 1024

# Menu commands.
ABOUT = 40001

TITLE = "Skyvane K-7RT-03-1903041"
RATES = ["4800", "9600", "19200", "38400", "57600", "115200", "460800", "921600"]
BLACK = "#000000"
RED = "#FF0000"
GREEN = "#00FF00"
SAMPLE = "dualband-drive.nmea"

# Every control of the panel: its caption (None where the text is data, not a caption),
# whether it is visible, and whether it is enabled while idle and while a connection runs.
CONTROL_PANEL = {
    COM_PORT: (None, True, True, False),
    BAUD_RATE: (None, True, True, False),
    SCAN_PORTS: ("Scan Com Port", False, True, False),
    COLD_START: ("Cold Start", True, False, True),
    START_GPS: (None, True, True, True),
    CORE_VER: (None, True, True, True),
    FW_VER: (None, True, True, True),
    P_VERSION: (None, False, True, True),
    SEND: ("Send", True, False, True),
    VTG: ("VTG", False, False, True),
    POWER_SAVE: ("Power Save", False, False, True),
    GSV_GSA: ("GSV/GSA", False, False, True),
    LOG_FILE: ("Log File", True, True, True),
    AUTO: ("Auto", False, True, True),
    GET_VERSION: ("Get Version", True, False, True),
    FACTORY_RESET: ("Factory Reset", False, False, True),
    AUTO_PERIOD: (None, False, True, True),
    QUANTITY: (None, False, False, False),
    COMPARISON: (None, False, False, False),
    CHANGE_BAUD: ("Change Baudrate", True, False, True),
    LOG_NAME: (None, True, True, True),
    MOD: (None, False, False, False),
    SEND_TEXT: (None, True, False, True),
    DEFAULT_MODE: ("Set Default Mode", False, False, True),
    NEW_BAUD: (None, True, False, True),
}


def require_program():
    """For setUpModule: the scenarios skip themselves while skyvane.exe is not built."""
    if not os.path.isfile(bench_paths.SKYVANE):
        raise unittest.SkipTest(f"skyvane.exe is not built ({bench_paths.SKYVANE})")


def panel_states(probe):
    """{id: {'text', 'enabled', 'visible', 'checked'}} of every control of the panel."""
    states = {}
    for control in CONTROL_PANEL:
        state = probe.state(control)
        states[control] = {key: state[key] for key in ("text", "enabled", "visible", "checked")}
    return states


def assert_panel(test, states, running, overrides=None):
    """Captions, visibility and enabling of every control as the panel shows them while
    idle (running False) or during a connection; `overrides` maps an id to the enabled
    state expected instead, for a control that something else has changed."""
    overrides = overrides or {}
    for control, (caption, visible, idle, connected) in CONTROL_PANEL.items():
        enabled = overrides.get(control, connected if running else idle)
        state = states[control]
        shown = (state["visible"], state["enabled"])
        test.assertEqual(shown, (visible, enabled), f"control {control} (visible, enabled)")
        if caption is not None:
            test.assertEqual(state["text"], caption, f"caption of control {control}")
    test.assertEqual(states[START_GPS]["text"], "Close GPS" if running else "Start GPS")


def sentence(body):
    """'$' + body + '*' + its checksum in upper-case hex + CR LF."""
    checksum = 0
    for byte in body.encode("ascii"):
        checksum ^= byte
    return f"${body}*{checksum:02X}\r\n"


def checksum_is_valid(line):
    """NMEA 0183: '$', the body, '*', the XOR of the body as two upper-case hex digits, CR LF."""
    match = re.fullmatch(r"\$([^*]*)\*([0-9A-F]{2})\r\n", line)
    if not match:
        return False
    checksum = 0
    for byte in match.group(1).encode("ascii"):
        checksum ^= byte
    return checksum == int(match.group(2), 16)


def sent_lines(receiver):
    """Every line the receiver has sent so far, each with its line end."""
    return receiver.sent_bytes().decode("ascii").splitlines(keepends=True)


def with_wrong_checksum(line):
    """The sentence with the last digit of its checksum changed."""
    body, checksum = line.rstrip("\r\n").rsplit("*", 1)
    return f"{body}*{int(checksum, 16) ^ 0x01:02X}\r\n"


def shown_lines(probe):
    """The console's lines as the operator reads them, without line ends or empty lines."""
    return [line for line in probe.console().splitlines() if line]


def shown_lines_if_steady(probe):
    """As shown_lines, or None when the console was being replaced by a fresh one (the
    program empties it that way) just as the probe asked it."""
    answer = probe.ask("console")
    if not answer["ok"]:
        return None
    return [line for line in answer["text"].splitlines() if line]


def wait_until_shown(probe, lines, what="the console to show the last lines sent"):
    """Until the console ends with `lines` (texts with or without their line ends)."""
    tail = [line.rstrip("\r\n") for line in lines]

    def shown_with_tail():
        shown = shown_lines_if_steady(probe)
        return shown if shown is not None and shown[-len(tail):] == tail else None

    return wait_until(shown_with_tail, timeout=30, what=what)


def pause_and_settle(probe, receiver, tail=3):
    """Pauses the receiver and waits until the console shows the last lines it sent.
    Returns everything sent so far, as lines."""
    receiver.pause()
    sent = sent_lines(receiver)
    if sent:
        wait_until_shown(probe, sent[-tail:])
    return sent


def wait_for_receiver_time(receiver, ms):
    """Until the receiver's clock (milliseconds since it started, as its records of what
    the program wrote carry them) reads `ms`."""
    wait_until(lambda: receiver.stats()["ms"] >= ms,
               timeout=max(0, ms - receiver.stats()["ms"]) / 1000 + 30,
               what=f"the receiver's clock to reach {ms} ms")


def live_through(probe, receiver, seconds):
    """Until the program shows a line that the receiver sent `seconds` from now. The console
    shows a line at a tick of its timer, and the timers of a thread come in the order they
    fall due: so every timer of the program that fell due before that line arrived (an
    auto-send tick, a step of a command) has had its turn. A check that nothing happened in
    that time waits for this, not for the test's own clock: on a loaded machine the program
    may not have run at all meanwhile. Needs a receiver that streams to the program."""
    due = receiver.stats()["ms"] + round(seconds * 1000)
    wait_for_receiver_time(receiver, due)
    mark = sentence(f"GPTXT,01,01,02,bench mark at {due} ms").rstrip("\r\n")
    receiver.send(mark)
    wait_until(lambda: mark in (shown_lines_if_steady(probe) or []), timeout=30,
               what=f"the program to show the line sent {seconds:g} s on")


def write_recording(path, lines):
    with open(path, "wb") as recording:
        recording.write("".join(lines).encode("ascii"))
    return path


# A replayed file's path holds at most 127 characters: the scenarios that replay from
# their bench's folder give it a short name.
REPLAY_PATH_LIMIT = 127


def replay(probe, bench, path, within_limit=True):
    """Starts a replay of `path` through "Log File:" and the file dialog."""
    if within_limit and len(bench.windows_path(path)) > REPLAY_PATH_LIMIT:
        raise AssertionError(f"the bench's folder is too deep to replay from: {path}")
    probe.select(COM_PORT, 1)
    probe.click(START_GPS, wait=False)  # the file dialog is modal
    probe.open_file(bench.windows_path(path))
    probe.idle()
