"""The bench around the stand-in window (see stand_in/stand_in.h), for the scenarios that
prove the bench itself without skyvane.exe."""

import bench_paths
from bench import Bench

# Control ids of the stand-in's control panel (those of the program where they overlap).
PORT_LIST = 1000
START = 1004
STATUS = 1005
SEND = 1008
QUIET = 1012
OPEN_FILE = 1014
SEND_TEXT = 1022
ABOUT_COMMAND = 40001

TITLE = "Skyvane stand-in"
BACKGROUND = (0, 0, 96)
SQUARE_WAITING = (255, 0, 0)
SQUARE_RECEIVING = (0, 255, 0)


def stand_in_bench(test_case):
    return Bench(test_case.id(), program=bench_paths.STAND_IN,
                 window_class=bench_paths.STAND_IN_CLASS)


def lines_in_title(probe):
    """The stand-in's count of received lines (its title is updated ten times a second)."""
    title = probe.title()
    if title == TITLE:
        return 0
    return int(title.split(": ")[1].split(" ")[0])
