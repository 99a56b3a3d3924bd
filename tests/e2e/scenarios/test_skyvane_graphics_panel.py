"""The graphics panel under Wine against the picture skyvane-replay draws of the same
recording: a known dual-band epoch of four constellations, the panel as the screen shows
it, and the SVG rendered by rsvg-convert, compared at points computed from the SVG's own
operations. Then the view flags of skyvane.ini, and a log started with an offset."""

import os
import unittest

import panel_picture
from bench import Bench
from panel_picture import PanelOperations, check_points, mismatches
from panel_epoch import recording_lines
from scenario_case import ScenarioCase
from skyvane_panel import LOG_FILE, LOG_NAME, MOD, START_GPS, require_program, write_recording
from waiting import wait_until


def setUpModule():
    require_program()


# Anti-aliased edges and glyphs of the rendered SVG; GDI draws exact colours.
SVG_TOLERANCES = {"shape": 70, "text": 110, "sky": 0}


class GraphicsPanel(ScenarioCase):
    def stream_and_compare(self, bench, probe, svg_options, name):
        """Streams the recording once, then compares the screen with the SVG."""
        lines = recording_lines()
        recording = write_recording(os.path.join(bench.folder, f"{name}.nmea"), lines)
        receiver = bench.start_receiver(recording=recording, lines_per_second=100)
        probe.click(START_GPS)
        wait_until(lambda: receiver.stats()["lines"] >= len(lines), timeout=60,
                   what="the whole recording sent")
        probe.idle()
        receiver.stop()
        svg = panel_picture.write_panel_svg(recording, os.path.join(bench.folder, f"{name}.svg"),
                                            svg_options)
        operations = PanelOperations(svg)
        sky = panel_picture.picture_from_file(panel_picture.SKY_BITMAP)
        points = check_points(operations, sky)
        screen = wait_until(lambda: self.settled_screen(probe, operations, points), timeout=20,
                            what="the panel to show the last epoch")
        screen.save_png(os.path.join(bench.folder, f"{name}-wine.png"))
        rendered = panel_picture.render_svg(svg, os.path.join(bench.folder, f"{name}-svg.png"))
        self.assertEqual(mismatches(screen, points, {}), [], "the program's panel")
        self.assertEqual(mismatches(rendered, points, SVG_TOLERANCES), [], "the rendered SVG")
        probe.click(START_GPS)  # closed, for the next stream
        return operations, points

    @staticmethod
    def settled_screen(probe, operations, points):
        screen = panel_picture.screen_picture(probe, operations.width, operations.height)
        return screen if not mismatches(screen, points, {}) else None

    def test_the_panel_matches_its_svg_with_views_and_offset(self):
        with Bench(self.id()) as bench:
            bench.start_program()
            probe = bench.probe
            width, _ = probe.panel_size()
            self.assertEqual(width, 994)
            plain, points = self.stream_and_compare(bench, probe, [], "plain")
            # Every kind of check was made, on every group of the epoch.
            kinds = {what.split(" ")[0] for what, _, _, _ in points}
            self.assertTrue({"top", "bottom", "inside", "marker", "text", "sky"} <= kinds, kinds)
            labels = [text for _, text, _ in plain.texts if text.endswith(("L1", "L5"))]
            self.assertEqual(labels, ["GPS L1", "GPS L5", "GLS L1", "GLS L5", "GAS L1",
                                      "GAS L5", "BDS L1", "BDS L5"])
            self.assertEqual(plain.text("GAS L1")[0][2], (0, 255, 0))
            self.assertEqual(plain.text("40")[0][2], (0, 255, 255))  # GPS PRN above 32
            self.assertTrue(plain.text("50") and plain.text("45"), "strengths 63 -> 50 and 45")
            self.assertEqual(plain.text("63"), [])

            # A log recorded with an offset of -10 lowers every shown strength.
            probe.set_text(MOD, "-10")
            probe.set_text(LOG_NAME, "panel")
            probe.click(LOG_FILE)
            log = os.path.join(bench.folder, "offset-log.txt")
            lowered, _ = self.stream_and_compare(
                bench, probe, ["--log", log, "--signal-offset", "-10"], "offset")
            self.assertTrue(lowered.text("35") and lowered.text("20"), "45 -> 35, 30 -> 20")
            self.assertTrue(lowered.text("50"), "63 - 10 still shows 50")
            self.assertEqual(lowered.text("45"), [])

    def test_a_hidden_constellation_moves_the_later_groups_up(self):
        with Bench(self.id(), settings="[SKYVANE]\nVIEW_GLS=0\n") as bench:
            bench.start_program()
            hidden, _ = self.stream_and_compare(bench, bench.probe, ["--view", "GLS=0"], "hidden")
            labels = {text: box for box, text, _ in hidden.texts if text.endswith(("L1", "L5"))}
            self.assertNotIn("GLS L1", labels)
            # GAS L1 takes the row GLS L1 had: the third, beside row 2.
            self.assertEqual(labels["GAS L1"][1], 40 + 45 * 2)
            self.assertEqual(labels["BDS L5"][1], 40 + 45 * 5)


if __name__ == "__main__":
    unittest.main()
