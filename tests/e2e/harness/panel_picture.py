"""The graphics panel as pictures: what skyvane-replay draws as SVG (its operations and
its rendering by rsvg-convert) and what the program shows under Wine, and the points at
which the two must agree. Colours are (r, g, b)."""

import os
import subprocess
import xml.etree.ElementTree as ElementTree

import bench_paths

SVG = "{http://www.w3.org/2000/svg}"
REPLAY = os.path.join(bench_paths.NATIVE_BUILD, "tools/replay/skyvane-replay")
SKY_BITMAP = os.path.join(bench_paths.SOURCE_DIR, "res/sky.bmp")
WHITE = (255, 255, 255)


def color(text):
    text = text.lstrip("#")
    return (int(text[0:2], 16), int(text[2:4], 16), int(text[4:6], 16))


def write_panel_svg(recording, svg_path, extra=()):
    """The panel after the recording's last line, drawn by skyvane-replay."""
    subprocess.run([REPLAY, "--final", "--panel", svg_path, *extra, recording], check=True,
                   stdout=subprocess.DEVNULL)
    return svg_path


class Picture:
    """Pixels of a width x height picture, row by row."""

    def __init__(self, width, height, rows):
        self.width, self.height, self.rows = width, height, rows

    def at(self, x, y):
        return self.rows[y][x]

    def any_in(self, box, test):
        left, top, right, bottom = box
        return any(test(self.at(x, y))
                   for y in range(max(0, top), min(self.height, bottom))
                   for x in range(max(0, left), min(self.width, right)))

    def save_png(self, path):
        header = f"P6 {self.width} {self.height} 255\n".encode("ascii")
        body = bytes(channel for row in self.rows for pixel in row for channel in pixel)
        subprocess.run(["convert", "ppm:-", path], input=header + body, check=True)


def picture_from_file(path):
    """Any picture ImageMagick reads (PNG, BMP), as 8-bit RGB."""
    size = subprocess.run(["identify", "-format", "%w %h", path], check=True,
                          capture_output=True, text=True).stdout.split()
    width, height = int(size[0]), int(size[1])
    raw = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True,
                         capture_output=True).stdout
    pixels = [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]
    return Picture(width, height, [pixels[r * width:(r + 1) * width] for r in range(height)])


def render_svg(svg_path, png_path):
    subprocess.run(["rsvg-convert", "-o", png_path, svg_path], check=True)
    return picture_from_file(png_path)


def screen_picture(probe, width, height, band=64):
    """The panel as the screen shows it, read in bands the probe can answer."""
    rows = []
    for top in range(0, height, band):
        rows += probe.pixels(0, top, width, min(band, height - top))
    return Picture(width, height, rows)


class PanelOperations:
    """The drawing operations of an SVG that skyvane-replay wrote, in order."""

    def __init__(self, svg_path):
        root = ElementTree.parse(svg_path).getroot()
        self.width, self.height = int(root.get("width")), int(root.get("height"))
        self.fills, self.ellipses, self.texts, self.images = [], [], [], []
        for element in root.iter():
            tag = element.tag.replace(SVG, "")
            if tag == "rect":
                self.fills.append((_box(element), color(element.get("fill"))))
            elif tag == "ellipse":
                cx, cy = float(element.get("cx")), float(element.get("cy"))
                self.ellipses.append(((int(cx), int(cy)), color(element.get("stroke"))))
            elif tag == "svg" and element is not root:
                text = element.find(SVG + "text")
                self.texts.append((_box(element), text.text or "", color(text.get("fill"))))
            elif tag == "image":
                self.images.append((int(element.get("x")), int(element.get("y"))))

    def text(self, wanted):
        return [entry for entry in self.texts if entry[1] == wanted]


def _box(element):
    x, y = int(element.get("x")), int(element.get("y"))
    return (x, y, x + int(element.get("width")), y + int(element.get("height")))


def _marker_boxes(operations):
    return [(x - 11, y - 9, x + 11, y + 9) for (x, y), _ in operations.ellipses]


def _inside(x, y, box):
    return box[0] <= x < box[2] and box[1] <= y < box[3]


def check_points(operations, sky):
    """(what, box, colour, kind) checks: a correct picture shows the colour somewhere in
    the box. Bars: their colour in their top and bottom rows (digits may cover their
    middle); hollow bars: the frame's top row and white inside; the outline of the last
    marker drawn at each place; every label, number and fix text in its box; the sky
    picture, pixel for pixel, where no marker covers it. kind is "shape", "text" or
    "sky", for the tolerance a renderer needs."""
    points = []
    fills = operations.fills[1:]  # the first is the background
    for index, (box, fill) in enumerate(fills):
        left, top, right, bottom = box
        if fill == WHITE:
            continue
        inner = fills[index + 1] if index + 1 < len(fills) else None
        hollow = inner is not None and inner[1] == WHITE and inner[0][0] == left + 1
        points.append((f"top of bar {box}", (left, top, right, top + 1), fill, "shape"))
        if hollow:
            points.append((f"inside of bar {box}", inner[0], WHITE, "shape"))
        else:
            points.append((f"bottom of bar {box}", (left, bottom - 1, right, bottom), fill,
                           "shape"))
    last_marker = {}
    for place, pen in operations.ellipses:
        last_marker[place] = pen
    for (x, y), pen in last_marker.items():
        points.append((f"marker at {(x, y)}", (x - 11, y - 1, x - 8, y + 2), pen, "shape"))
    for box, text, fill in operations.texts:
        if text.strip():
            points.append((f"text {text!r}", box, fill, "text"))
    markers = _marker_boxes(operations)
    for x in range(6, 150, 12):
        for y in range(6, 150, 12):
            if not any(_inside(x, y, box) for box in markers):
                points.append((f"sky {(x, y)}", (x, y, x + 1, y + 1), sky.at(x, y), "sky"))
    return points


def mismatches(picture, points, tolerances):
    """The checks a picture fails, as readable lines; tolerances maps each kind to how
    far a channel may be off (anti-aliased renderers need some)."""
    wrong = []
    for what, box, wanted, kind in points:
        tolerance = tolerances.get(kind, 0)

        def shows(pixel, wanted=wanted, tolerance=tolerance):
            return all(abs(a - b) <= tolerance for a, b in zip(pixel, wanted))

        if not picture.any_in(box, shows):
            wrong.append(f"{what}: no pixel of {wanted} in {box}")
    return wrong
