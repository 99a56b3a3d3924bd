"""The probe's commands, proven against the stand-in window: what it reads is what the
window shows, and what it does reaches the window as a user's action would."""

import os
import unittest

import bench_paths
from recordings import find_run, read_sentences
from stand_in_bench import (ABOUT_COMMAND, BACKGROUND, OPEN_FILE, PORT_LIST, QUIET, SEND_TEXT,
                            SQUARE_RECEIVING, SQUARE_WAITING, START, STATUS, TITLE,
                            lines_in_title, stand_in_bench)
from waiting import wait_until

# Three sentences, the second without a checksum: the stand-in shows it red.
THREE_LINES = b"$GPRMC,A*00\r\nno checksum here\r\n$GPGGA,B*00\r\n"
BLACK = "#000000"
RED = "#FF0000"


def write_recording(bench, data):
    path = os.path.join(bench.folder, "three-lines.nmea")
    with open(path, "wb") as out:
        out.write(data)
    return path


class WindowAndControls(unittest.TestCase):
    def test_reads_the_window_its_panels_and_its_controls(self):
        with stand_in_bench(self) as bench:
            bench.start_program()
            probe = bench.probe
            window = probe.window()
            self.assertEqual((window["width"], window["height"]), (1000, 800))
            self.assertEqual(window["class"], "SkyvaneStandIn")
            self.assertEqual(window["title"], TITLE)
            self.assertEqual(probe.title(), TITLE)
            half = window["client_height"] // 2
            self.assertEqual(window["control_panel"],
                             {"x": 0, "y": 0, "width": window["client_width"], "height": half})
            self.assertEqual(window["graphics_panel"]["y"], half)
            self.assertEqual(window["console"],
                             {"x": 20, "y": 150, "width": 945, "height": 200})
            self.assertEqual(probe.text(START), "Start")
            state = probe.state(QUIET)
            self.assertEqual((state["enabled"], state["visible"], state["checked"], state["text"]),
                             (True, True, 0, "Quiet"))

    def test_sets_text_and_clicks_like_a_user(self):
        with stand_in_bench(self) as bench:
            bench.start_program()
            probe = bench.probe
            probe.set_text(SEND_TEXT, "$PSRF,a  b*00")
            self.assertEqual(probe.text(SEND_TEXT), "$PSRF,a  b*00")
            probe.click(QUIET)  # an automatic check box ticks itself, then tells its panel
            self.assertEqual(probe.state(QUIET)["checked"], 1)
            self.assertEqual(probe.text(STATUS), "quiet")
            probe.click(QUIET)
            self.assertEqual(probe.state(QUIET)["checked"], 0)
            self.assertEqual(probe.text(STATUS), "showing")

    def test_reads_and_selects_combo_items(self):
        with stand_in_bench(self) as bench:
            bench.start_program()
            probe = bench.probe
            combo = probe.combo(PORT_LIST)
            self.assertEqual(combo["items"], [bench.port_label])
            self.assertEqual(combo["text"], bench.port_label)
            probe.select(PORT_LIST, 0)
            self.assertEqual(probe.combo(PORT_LIST)["selected"], 0)
            self.assertEqual(probe.ask(f"select {PORT_LIST} 1"),
                             {"ok": False, "error": "no such item"})

    def test_refuses_what_it_cannot_do_and_says_why(self):
        with stand_in_bench(self) as bench:
            probe = bench.probe
            self.assertEqual(probe.ask("title")["error"], "the program's window was not found")
            bench.start_program()
            self.assertEqual(probe.ask("dance")["error"], "unknown command")
            self.assertEqual(probe.ask("text 4242")["error"], "no such control in the control panel")
            self.assertEqual(probe.ask("text")["error"], "a control id is needed")
            self.assertEqual(probe.ask("keys ctrl+")["error"], "unknown keys; e.g. ctrl+a, escape, alt+f4")
            self.assertEqual(probe.ask("pixel 5000 5")["error"], "the pixel is not a visible pixel of the panel")


class Console(unittest.TestCase):
    def test_reads_each_console_line_with_its_colour(self):
        with stand_in_bench(self) as bench:
            receiver = bench.start_receiver(recording=write_recording(bench, THREE_LINES),
                                            unpaced=True)
            bench.start_program()
            probe = bench.probe
            probe.click(START)
            wait_until(lambda: lines_in_title(probe) == 3, what="three lines")
            lines = probe.console_lines()
            self.assertEqual([(line["text"], line["color"]) for line in lines[:3]],
                             [("$GPRMC,A*00", BLACK), ("no checksum here", RED),
                              ("$GPGGA,B*00", BLACK)])
            self.assertEqual(lines[3], {"index": 3, "text": "", "color": None})
            self.assertEqual([line["text"] for line in probe.console_lines(2)],
                             ["$GPGGA,B*00", ""])
            self.assertEqual(probe.console(), THREE_LINES.decode("ascii"))
            self.assertTrue(receiver.stats()["finished"])

    def test_reading_the_colours_leaves_the_insertion_point_alone(self):
        with stand_in_bench(self) as bench:
            receiver = bench.start_receiver(recording=write_recording(bench, THREE_LINES),
                                            unpaced=True)
            bench.start_program()
            probe = bench.probe
            probe.click(START)
            wait_until(lambda: lines_in_title(probe) == 3, what="three lines")
            probe.console_lines()
            receiver.send("$GPVTG,C*00")  # appended where the stand-in's selection is
            wait_until(lambda: lines_in_title(probe) == 4, what="the fourth line")
            self.assertEqual(probe.console().splitlines()[-1], "$GPVTG,C*00")


    def test_reading_the_colours_while_lines_arrive_leaves_the_console_intact(self):
        recording = os.path.join(bench_paths.SAMPLES, "dualband-drive.nmea")
        sentences = [sentence.rstrip("\r\n") for sentence in read_sentences(recording)]
        with stand_in_bench(self) as bench:
            receiver = bench.start_receiver(recording=recording, lines_per_second=60)
            bench.start_program()
            probe = bench.probe
            probe.click(START)
            wait_until(lambda: lines_in_title(probe) >= 20, what="twenty lines")
            for _ in range(8):
                probe.console_lines(40)
            receiver.pause()
            shown = [line for line in probe.console().splitlines()]
            # Whatever the console holds must be a run of the recording, untouched: a
            # line written at a selection the probe had moved would break the run.
            self.assertGreater(len(shown), 10)
            self.assertNotEqual(find_run(shown, sentences), -1, shown)


class DialogsAndKeys(unittest.TestCase):
    def test_keystrokes_and_the_menu_open_and_close_the_about_box(self):
        with stand_in_bench(self) as bench:
            bench.start_program()
            probe = bench.probe
            self.assertFalse(probe.about_open())
            self.assertEqual(probe.keys("ctrl+a", "main")["foreground"], TITLE)
            wait_until(probe.about_open, what="the About box after Ctrl+A")
            self.assertEqual(probe.ask("about"), {"ok": True, "open": True, "owned_by_main": True})
            self.assertEqual(probe.keys("escape", "about")["foreground"], "Dialog")
            wait_until(lambda: not probe.about_open(), what="Escape to close the About box")
            probe.menu(ABOUT_COMMAND)
            wait_until(probe.about_open, what="the About box from the menu command")
            probe.keys("escape", "about")
            wait_until(lambda: not probe.about_open(), what="the About box to close again")

    def test_fills_and_cancels_the_file_open_dialog(self):
        with stand_in_bench(self) as bench:
            bench.start_program()
            probe = bench.probe
            recording = write_recording(bench, THREE_LINES)
            probe.click(OPEN_FILE, wait=False)  # the dialog is modal: do not wait for it
            wait_until(probe.file_dialog_open, what="the WAVE Files dialog")
            probe.open_file(bench.windows_path(recording))
            wait_until(lambda: probe.text(STATUS) == bench.windows_path(recording),
                       what="the chosen file")
            self.assertFalse(probe.file_dialog_open())
            probe.click(OPEN_FILE, wait=False)
            probe.cancel_file()
            wait_until(lambda: probe.text(STATUS) == "cancelled", what="the cancelled dialog")

    def test_ctrl_q_ends_the_program_with_its_exit_code(self):
        with stand_in_bench(self) as bench:
            receiver = bench.start_receiver(recording=write_recording(bench, THREE_LINES),
                                            unpaced=True)
            bench.start_program()
            probe = bench.probe
            probe.click(START)
            wait_until(lambda: receiver.stats()["finished"], what="the three lines sent")
            wait_until(lambda: lines_in_title(probe) == 3, what="three lines")
            probe.keys("ctrl+q", "main")
            # The stand-in's exit code is its count of received lines.
            self.assertEqual(probe.exit_code(), 3)
            self.assertEqual(bench.program_exit_code(), 3)


class PanelPixels(unittest.TestCase):
    def test_pixels_follow_what_the_panel_paints(self):
        with stand_in_bench(self) as bench:
            bench.start_receiver(recording=write_recording(bench, THREE_LINES), unpaced=True)
            bench.start_program()
            probe = bench.probe
            width, height = probe.panel_size()
            self.assertGreater(width, 40)
            self.assertGreater(height, 40)
            self.assertEqual(probe.pixel(20, 20), SQUARE_WAITING)
            self.assertEqual(probe.pixel(100, 100), BACKGROUND)
            self.assertEqual(probe.pixel(width - 1, height - 1), BACKGROUND)
            probe.click(START)
            wait_until(lambda: probe.pixel(20, 20) == SQUARE_RECEIVING, what="the green square")
            rows = probe.pixels(5, 8, 40, 4)
            self.assertEqual(len(rows), 4)
            # Columns 5..9 are background, 10..39 the square, 40..44 background again.
            self.assertEqual(rows[2], [BACKGROUND] * 5 + [SQUARE_RECEIVING] * 30 + [BACKGROUND] * 5)
            self.assertEqual(rows[0], [BACKGROUND] * 40)
            self.assertIsNotNone(bench.screenshot("green-square"))

    def test_close_reports_the_exit_code(self):
        with stand_in_bench(self) as bench:
            bench.start_program()
            self.assertEqual(bench.probe.close(), 0)
            self.assertEqual(bench.program_exit_code(), 0)
            self.assertEqual(bench.probe.ask("title")["error"], "the program's window was not found")


if __name__ == "__main__":
    unittest.main()
