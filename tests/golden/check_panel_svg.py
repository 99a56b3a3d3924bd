#!/usr/bin/env python3
"""Draws the panel of a recording with skyvane-replay --panel, checks that the
SVG is well-formed and of the panel's size, renders it with rsvg-convert and
looks at pixels: white ground, the sky picture at 1:1 without smoothing, and
the bars in their colours.

    check_panel_svg.py REPLAY SKY_BMP WORK_DIR NAME [--expect-used-bar] -- REPLAY_ARGS...
"""

import subprocess
import sys
import xml.etree.ElementTree as ElementTree

SVG = "{http://www.w3.org/2000/svg}"
WHITE, BLUE, GREEN = (255, 255, 255), (0, 0, 255), (0, 255, 0)


class Picture:
    """The pixels of an image file, read as 8-bit RGB through ImageMagick."""

    def __init__(self, path, width, height):
        self.width, self.height = width, height
        self.rgb = subprocess.run(["convert", path, "-alpha", "off", "-depth", "8", "rgb:-"],
                                  check=True, capture_output=True).stdout
        if len(self.rgb) != width * height * 3:
            raise AssertionError(f"{path} is not {width}x{height}")

    def at(self, x, y):
        i = (y * self.width + x) * 3
        return tuple(self.rgb[i:i + 3])


def number(element, name):
    return float(element.get(name))


def boxes(root, tag, fill=None):
    for element in root.iter(SVG + tag):
        if fill is None or element.get("fill") == fill:
            yield element


def inside_a_marker(root, x, y):
    for marker in boxes(root, "ellipse"):
        cx, cy = number(marker, "cx"), number(marker, "cy")
        if abs(x - cx) <= number(marker, "rx") + 1 and abs(y - cy) <= number(marker, "ry") + 1:
            return True
    return False


def check(condition, message, failures):
    if not condition:
        failures.append(message)


def check_sky(root, panel, sky, failures):
    """Every sky pixel that no marker covers shows the picture unchanged."""
    compared = 0
    for y in range(0, 155, 7):
        for x in range(0, 155, 7):
            if not inside_a_marker(root, x, y):
                compared += 1
                check(panel.at(x, y) == sky.at(x, y),
                      f"sky pixel ({x},{y}) is {panel.at(x, y)}, not {sky.at(x, y)}", failures)
    check(compared > 100, "markers hide nearly the whole sky picture", failures)
    check(panel.at(60, 100) != WHITE or inside_a_marker(root, 60, 100),
          "the sky picture's centre area is white", failures)


def check_bars(root, panel, expect_used_bar, failures):
    used = list(boxes(root, "rect", "#0000ff"))
    check(used or not expect_used_bar, "no used satellite's bar was drawn", failures)
    for bar in used:  # the bottom row, clear of the strength number's digits
        x = int(number(bar, "x") + number(bar, "width") // 2)
        y = int(number(bar, "y") + number(bar, "height")) - 1
        if y < panel.height:
            check(panel.at(x, y) == BLUE, f"used bar pixel ({x},{y}) is {panel.at(x, y)}", failures)
    for frame in boxes(root, "rect", "#00ff00"):
        x, y = int(number(frame, "x")), int(number(frame, "y") + number(frame, "height")) - 1
        if y < panel.height:
            check(panel.at(x, y) == GREEN, f"frame pixel ({x},{y}) is {panel.at(x, y)}", failures)


def main():
    separator = sys.argv.index("--")
    replay, sky_bmp, work, name = sys.argv[1:5]
    expect_used_bar = "--expect-used-bar" in sys.argv[5:separator]
    replay_args = sys.argv[separator + 1:]
    svg, png = f"{work}/{name}.svg", f"{work}/{name}.png"
    subprocess.run([replay, "--final", "--panel", svg] + replay_args, check=True,
                   stdout=subprocess.DEVNULL)

    root = ElementTree.parse(svg).getroot()  # raises on a malformed file
    width, height = int(root.get("width")), int(root.get("height"))
    subprocess.run(["rsvg-convert", svg, "-o", png], check=True)
    panel = Picture(png, width, height)
    sky = Picture(sky_bmp, 155, 155)

    failures = []
    check(root.tag == SVG + "svg", f"the root is {root.tag}", failures)
    for x, y in ((320, 5), (width - 4, height - 4)):
        check(panel.at(x, y) == WHITE, f"ground pixel ({x},{y}) is {panel.at(x, y)}", failures)
    check_sky(root, panel, sky, failures)
    check_bars(root, panel, expect_used_bar, failures)
    for failure in failures[:20]:
        print(failure)
    print(f"{name}: {width}x{height}, {sum(1 for _ in root.iter())} elements, "
          f"{len(failures)} failures")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
