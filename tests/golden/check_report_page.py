#!/usr/bin/env python3
"""Renders the run report page of a recording in headless Chromium and checks
the screenshot's pixels at points computed from the charts' display lists, as
the panel tests do: the verdict's colour, each polyline's colour along its
path, the CEP circles, the scatter's dots and the plots' frames.

    check_report_page.py REPLAY WORK_DIR NAME [--expect pass|fail] -- REPLAY_ARGS...

Chromium runs twice, each with a fresh profile and a bounded time: once with
a copy of the page that writes where its charts and verdict lie into its
title (--dump-dom), once on the page itself for the screenshot. The page
itself has no script; the copy's script only measures.
"""

import json
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

SVG = "{http://www.w3.org/2000/svg}"
XHTML_FREE = re.compile(r"<svg class=\"chart\".*?</svg>", re.S)
WIDTH = 1330
CHROMIUM_SECONDS = 90
VERDICT_COLORS = {"pass": (0x1A, 0x7F, 0x37), "fail": (0xCF, 0x22, 0x2E)}
LINE_TOLERANCE = 60   # anti-aliased 2-pixel lines, per channel
SHAPE_TOLERANCE = 8   # filled areas

MEASURE = """<script>
(function () {
  var box = function (e) { var r = e.getBoundingClientRect();
    return [r.left + window.scrollX, r.top + window.scrollY, r.width, r.height]; };
  var charts = Array.prototype.map.call(document.querySelectorAll('svg.chart'), box);
  document.title = JSON.stringify({verdict: box(document.getElementById('verdict')),
    charts: charts, height: document.documentElement.scrollHeight});
})();
</script>
"""


def color(text):
    text = text.lstrip("#")
    return (int(text[0:2], 16), int(text[2:4], 16), int(text[4:6], 16))


def chromium(args, profile_parent):
    """Runs headless Chromium with a profile of its own; returns its standard output."""
    binary = shutil.which("chromium") or shutil.which("chromium-browser")
    if binary is None:
        raise SystemExit("chromium is not installed: run scripts/install-deps.sh")
    profile = tempfile.mkdtemp(prefix="profile-", dir=profile_parent)
    try:
        done = subprocess.run(
            [binary, "--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
             "--no-first-run", "--disable-background-networking", "--disable-component-update",
             "--disable-sync", "--hide-scrollbars", "--force-device-scale-factor=1",
             "--force-color-profile=srgb", f"--user-data-dir={profile}", *args],
            capture_output=True, text=True, timeout=CHROMIUM_SECONDS, check=False)
    finally:
        shutil.rmtree(profile, ignore_errors=True)
    if done.returncode != 0:
        raise SystemExit(f"chromium failed ({done.returncode}): {done.stderr[-2000:]}")
    return done.stdout


class Picture:
    """The pixels of a PNG, as 8-bit RGB through ImageMagick."""

    def __init__(self, path):
        size = subprocess.run(["identify", "-format", "%w %h", path], check=True,
                              capture_output=True, text=True).stdout.split()
        self.width, self.height = int(size[0]), int(size[1])
        self.rgb = subprocess.run(["convert", path, "-alpha", "off", "-depth", "8", "rgb:-"],
                                  check=True, capture_output=True).stdout

    def at(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])

    def near(self, x, y, wanted, tolerance, reach=1):
        """True when a pixel within `reach` of (x, y) is within tolerance of the colour."""
        for dy in range(-reach, reach + 1):
            for dx in range(-reach, reach + 1):
                px, py = x + dx, y + dy
                if 0 <= px < self.width and 0 <= py < self.height:
                    if all(abs(a - b) <= tolerance for a, b in zip(self.at(px, py), wanted)):
                        return True
        return False


class Chart:
    """A chart's operations, in order, in its own pixels: (kind, colour, geometry)."""

    def __init__(self, svg_text):
        root = ElementTree.fromstring(svg_text)
        self.width, self.height = int(root.get("width")), int(root.get("height"))
        self.ops = []
        for element in root.iter():
            tag = element.tag.replace(SVG, "")
            stroke = element.get("stroke")
            width = float(element.get("stroke-width", "1"))
            if tag == "polyline":
                points = [tuple(int(v) for v in pair.split(","))
                          for pair in element.get("points").split()]
                self.ops.append(("polyline", color(stroke), width, points))
            elif tag == "path":
                points = [(int(x), int(y)) for x, y in
                          re.findall(r"M(-?\d+) (-?\d+)h0", element.get("d"))]
                self.ops.append(("dots", color(stroke), width, points))
            elif tag == "circle":
                centre = (int(element.get("cx")), int(element.get("cy")))
                self.ops.append(("circle", color(stroke), width,
                                 (centre, int(element.get("r")))))
            elif tag == "line":
                ends = [(int(element.get("x1")), int(element.get("y1"))),
                        (int(element.get("x2")), int(element.get("y2")))]
                self.ops.append(("line", color(stroke), width, ends))
            elif tag == "rect" and stroke is not None and element.get("stroke-width") != "0":
                x, y = int(element.get("x")), int(element.get("y"))
                box = (x, y, x + int(element.get("width")), y + int(element.get("height")))
                self.ops.append(("frame", color(stroke), width, box))
            elif tag == "text":
                self.ops.append(("text", color(element.get("fill")), 0, element.text or ""))


def distance_to_segment(p, a, b):
    (px, py), (ax, ay), (bx, by) = p, a, b
    dx, dy = bx - ax, by - ay
    length = dx * dx + dy * dy
    t = 0 if length == 0 else max(0, min(1, ((px - ax) * dx + (py - ay) * dy) / length))
    return math.hypot(px - (ax + t * dx), py - (ay + t * dy))


def covers(op, point):
    """True when an operation drawn later may cover the point."""
    kind, _, width, geometry = op
    margin = width / 2 + 2.5
    if kind in ("polyline", "line"):
        return any(distance_to_segment(point, a, b) <= margin
                   for a, b in zip(geometry, geometry[1:]))
    if kind == "dots":
        return any(math.hypot(point[0] - x, point[1] - y) <= margin for x, y in geometry)
    if kind == "circle":
        centre, radius = geometry
        return abs(math.hypot(point[0] - centre[0], point[1] - centre[1]) - radius) <= margin
    return False


def path_points(points):
    """Each vertex and the middle of each segment."""
    for a, b in zip(points, points[1:]):
        yield a
        yield ((a[0] + b[0]) // 2, (a[1] + b[1]) // 2)
    if points:
        yield points[-1]


def chart_checks(chart):
    """(what, point, colour, tolerance) in the chart's pixels, for every drawn path."""
    checks = []
    for index, (kind, wanted, _, geometry) in enumerate(chart.ops):
        if kind == "polyline":
            candidates = [(f"polyline {wanted} at {p}", p) for p in path_points(geometry)]
        elif kind == "dots":
            candidates = [(f"dot {wanted} at {p}", p) for p in geometry[::7]]
        elif kind == "circle":
            (cx, cy), radius = geometry
            candidates = [(f"circle r={radius} at {angle} degrees",
                           (round(cx + radius * math.cos(math.radians(angle))),
                            round(cy + radius * math.sin(math.radians(angle)))))
                          for angle in range(0, 360, 20)] if radius > 8 else []
        elif kind == "frame" and wanted != (255, 255, 255):
            left, top, right, bottom = geometry
            candidates = [(f"frame {geometry} left edge", (left, (top + bottom) // 2)),
                          (f"frame {geometry} bottom edge", ((left + right) // 2, bottom))]
        else:
            continue
        later = chart.ops[index + 1:]
        for what, point in candidates:
            if not any(covers(op, point) for op in later):
                checks.append((what, point, wanted))
    return checks


def main():
    separator = sys.argv.index("--")
    replay, work, name = sys.argv[1:4]
    expect = sys.argv[sys.argv.index("--expect") + 1] if "--expect" in sys.argv[4:separator] \
        else "pass"
    page_path = os.path.abspath(os.path.join(work, f"{name}.html"))
    probe_path = os.path.abspath(os.path.join(work, f"{name}.probe.html"))
    png_path = os.path.abspath(os.path.join(work, f"{name}.png"))
    status = subprocess.run([replay, "--html", page_path] + sys.argv[separator + 1:],
                            stdout=subprocess.DEVNULL, timeout=120, check=False).returncode
    if status != {"pass": 0, "fail": 3}[expect]:
        raise SystemExit(f"skyvane-replay ended with status {status}, not a {expect}")

    page = open(page_path, encoding="utf-8").read()
    ElementTree.fromstring(page.split("\n", 1)[1])  # well formed past the DOCTYPE
    charts = [Chart(text) for text in XHTML_FREE.findall(page)]
    if len(charts) != 4 or f'id="verdict" class="{expect}"' not in page:
        raise SystemExit(f"the page has {len(charts)} charts or no {expect} verdict")
    with open(probe_path, "w", encoding="utf-8") as probe:
        probe.write(page.replace("</body>", MEASURE + "</body>"))

    dom = chromium(["--dump-dom", f"--window-size={WIDTH},1000", "file://" + probe_path], work)
    layout = json.loads(re.search(r"<title>(.*?)</title>", dom, re.S).group(1)
                        .replace("&quot;", '"').replace("&amp;", "&"))
    height = int(layout["height"])
    chromium([f"--screenshot={png_path}", f"--window-size={WIDTH},{height}",
              "file://" + page_path], work)
    picture = Picture(png_path)

    failures, checked = [], 0
    left, top, box_width, box_height = layout["verdict"]
    verdict_color = VERDICT_COLORS[expect]
    for point in ((left + 10, top + box_height / 2), (left + box_width - 10, top + 10)):
        checked += 1
        if not picture.near(round(point[0]), round(point[1]), verdict_color, SHAPE_TOLERANCE, 0):
            failures.append(f"verdict at {point} is {picture.at(round(point[0]), round(point[1]))}")
    word_box = [(x, y) for y in range(round(top), round(top + box_height), 2)
                for x in range(round(left), round(left + 300), 2)]
    if not any(picture.at(x, y) == (255, 255, 255) for x, y in word_box):
        failures.append("no white verdict text in the verdict box")
    for chart, (chart_left, chart_top, w, h) in zip(charts, layout["charts"]):
        if (round(w), round(h)) != (chart.width, chart.height):
            failures.append(f"a chart shows at {w}x{h}, not {chart.width}x{chart.height}")
            continue
        for what, (x, y), wanted in chart_checks(chart):
            checked += 1
            px, py = round(chart_left + x), round(chart_top + y)
            if not picture.near(px, py, wanted, LINE_TOLERANCE):
                failures.append(f"{what}: page pixel ({px},{py}) is {picture.at(px, py)}")
    for failure in failures[:25]:
        print(failure)
    print(f"{name}: {picture.width}x{picture.height} screenshot, {checked} points checked, "
          f"{len(failures)} wrong")
    return 1 if failures or checked < 100 else 0


if __name__ == "__main__":
    sys.exit(main())
