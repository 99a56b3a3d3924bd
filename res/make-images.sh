#!/usr/bin/env bash
# Regenerates res/sky.bmp (the sky-plot picture) and res/skyvane.ico (the
# application icon). Both are drawn pixel by pixel with Python's standard
# library and written with hand-built headers, so the output is the same bytes
# on every run: no timestamps, no encoder metadata, no tool version in it.
#
# Usage: res/make-images.sh        (writes next to this script)
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

python3 - "$here" <<'PY'
import math
import os
import struct
import sys

out_dir = sys.argv[1]

# ---------------------------------------------------------------- sky.bmp --
# The sky plot code places satellite markers at 0.7 px per degree from the
# zenith at pixel (77, 77), so the horizon ring must be radius 63 around that
# exact pixel. The cross lines sit at x = 77 and y = 78.
SIZE = 155
CX = CY = 77
RINGS = (25, 44, 63)
LINE_X, LINE_Y = 77, 78
GLOBE_R = 63.0

PALETTE = [
    (0, 0, 0),        # 0 unused, kept black
    (4, 8, 28),       # 1 night sky
    (70, 76, 110),    # 2 faint star
    (170, 180, 215),  # 3 star
    (255, 255, 255),  # 4 white: rings, cross, bright stars
    (8, 22, 62),      # 5 ocean, shadow
    (14, 42, 110),    # 6 ocean
    (28, 72, 150),    # 7 ocean, lit
    (58, 118, 196),   # 8 ocean, highlight
    (18, 50, 26),     # 9 land, shadow
    (36, 88, 40),     # 10 land
    (78, 128, 58),    # 11 land, lit
    (150, 128, 78),   # 12 desert
    (196, 206, 218),  # 13 ice
    (255, 222, 140),  # 14 warm star
    (96, 78, 48),     # 15 desert, shadow
]

# 4x4 ordered dither, so sixteen colours still shade the sphere smoothly
# without the noise (and the run-to-run freedom) of error diffusion.
BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]

# Continents as soft blobs: (latitude, longitude, radius), degrees. A rough
# Europe, Africa and Asia seen from above the Mediterranean.
LAND = [
    (5, 20, 27), (18, 5, 17), (-20, 26, 15), (10, 40, 10), (-30, 22, 8),
    (48, 8, 11), (46, 24, 10), (60, 22, 9), (54, -3, 4), (64, 14, 7),
    (52, 60, 24), (36, 48, 10), (62, 95, 26), (22, 78, 9), (24, 46, 9),
    (72, -40, 10), (-12, -52, 18), (40, 35, 5),
]
DESERT = [(23, 12, 15), (24, 45, 8), (40, 65, 8)]
VIEW_LAT, VIEW_LON = math.radians(32.0), math.radians(18.0)
_L = (-0.48, -0.58, 0.66)  # from the upper left, towards the viewer
LIGHT = tuple(c / math.sqrt(sum(k * k for k in _L)) for c in _L)


def ang_dist(lat1, lon1, lat2, lon2):
    """Great-circle distance in degrees between two points given in degrees."""
    a1, a2 = math.radians(lat1), math.radians(lat2)
    c = (math.sin(a1) * math.sin(a2)
         + math.cos(a1) * math.cos(a2) * math.cos(math.radians(lon1 - lon2)))
    return math.degrees(math.acos(max(-1.0, min(1.0, c))))


def coast_noise(lat, lon):
    # Ragged coasts instead of perfect circles.
    return (3.0 * math.sin(math.radians(7.3 * lon + 20)) * math.sin(math.radians(5.9 * lat))
            + 1.8 * math.sin(math.radians(13.0 * lon + 11.0 * lat)))


def globe_pixel(x, y):
    lx, ly, lz = LIGHT
    sx = (x - CX) / GLOBE_R
    sy = (y - CY) / GLOBE_R
    z = math.sqrt(max(0.0, 1.0 - sx * sx - sy * sy))
    # Orthographic view: screen up is north at the view centre.
    north = -sy
    lat = math.degrees(math.asin(max(-1.0, min(1.0,
        north * math.cos(VIEW_LAT) + z * math.sin(VIEW_LAT)))))
    lon = math.degrees(VIEW_LON + math.atan2(
        sx, z * math.cos(VIEW_LAT) - north * math.sin(VIEW_LAT)))
    shade = sx * lx + sy * ly + z * lz
    shade += (BAYER[y % 4][x % 4] / 16.0 - 0.47) * 0.22
    noise = coast_noise(lat, lon)
    land = min(ang_dist(lat, lon, a, o) - r for a, o, r in LAND) + noise < 0
    if abs(lat) > 74 + 0.5 * noise:
        return 13
    if land:
        if min(ang_dist(lat, lon, a, o) - r for a, o, r in DESERT) + noise < 0:
            return 15 if shade < 0.3 else 12
        return 9 if shade < 0.3 else 10 if shade < 0.68 else 11
    return 5 if shade < 0.22 else 6 if shade < 0.55 else 7 if shade < 0.86 else 8


class Lcg:
    """Tiny fixed generator so the star field never changes."""
    def __init__(self, seed):
        self.state = seed

    def next(self, n):
        self.state = (self.state * 1103515245 + 12345) & 0x7FFFFFFF
        return (self.state >> 8) % n


def draw_sky():
    img = [[1] * SIZE for _ in range(SIZE)]
    rng = Lcg(1903041)
    for _ in range(150):
        x, y = rng.next(SIZE), rng.next(SIZE)
        kind = rng.next(20)
        img[y][x] = 2 if kind < 11 else 3 if kind < 16 else 14 if kind < 18 else 4
        if kind >= 19 and 0 < x < SIZE - 1 and 0 < y < SIZE - 1:
            for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                img[y + dy][x + dx] = 3
    for y in range(SIZE):
        for x in range(SIZE):
            if math.hypot(x - CX, y - CY) < GLOBE_R + 0.5:
                img[y][x] = globe_pixel(x, y)
    for y in range(SIZE):
        for x in range(SIZE):
            d = math.hypot(x - CX, y - CY)
            if any(abs(d - r) < 0.5 for r in RINGS):
                img[y][x] = 4
    for i in range(SIZE):
        img[i][LINE_X] = 4
        img[LINE_Y][i] = 4
    return img


def write_bmp4(path, img):
    h, w = len(img), len(img[0])
    stride = ((w * 4 + 31) // 32) * 4
    rows = []
    for y in range(h - 1, -1, -1):  # bottom-up
        row = bytearray(stride)
        for x in range(w):
            row[x // 2] |= img[y][x] << (0 if x % 2 else 4)
        rows.append(bytes(row))
    pixels = b"".join(rows)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 4, 0, len(pixels),
                       2835, 2835, 16, 16)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(head + info + palette + pixels)


sky = draw_sky()
# The plot geometry is what the code relies on; refuse to write anything else.
assert all(sky[y][LINE_X] == 4 for y in range(SIZE))
assert all(sky[LINE_Y][x] == 4 for x in range(SIZE))
for r in RINGS:
    for px, py in ((CX + r, CY), (CX - r, CY), (CX, CY + r), (CX, CY - r)):
        assert sky[py][px] == 4, (r, px, py)
write_bmp4(os.path.join(out_dir, "sky.bmp"), sky)

# ----------------------------------------------------------- skyvane.ico --
# A sky plot (disc, ring, cross) with a satellite crossing its upper right.
# Shapes live in a unit square, rendered with 4x4 supersampling into 32-bit
# BGRA images with an AND mask for painters that ignore alpha.

def in_disc(cx, cy, r):
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def in_ring(cx, cy, r, w):
    return lambda x, y: abs(math.hypot(x - cx, y - cy) - r) <= w / 2


def in_box(cx, cy, hw, hh, deg=0.0):
    c, s = math.cos(math.radians(deg)), math.sin(math.radians(deg))
    def inside(x, y):
        u = (x - cx) * c + (y - cy) * s
        v = -(x - cx) * s + (y - cy) * c
        return abs(u) <= hw and abs(v) <= hh
    return inside


def both(a, b):
    return lambda x, y: a(x, y) and b(x, y)


def icon_shapes(n):
    """Shapes for an n x n icon, back to front, in unit coordinates."""
    px = 1.0 / n
    # The cross lines fall on pixel centres so that they stay one sharp pixel.
    cx, cy = (math.floor(0.46 * n) + 0.5) * px, (math.floor(0.54 * n) + 0.5) * px
    r = 0.44
    sat_x, sat_y, a = 0.68, 0.31, -45.0
    off = 0.12  # panel centres from the body, along the diagonal
    plot = in_disc(cx, cy, r)
    grid = (130, 165, 225)
    rim = (10, 14, 30)
    shapes = [
        (plot, (12, 34, 96)),
        (in_ring(cx, cy, r - 0.6 * px, 1.2 * px), (225, 232, 250)),
        (both(plot, in_box(cx, cy, 0.5 * px, 1.0)), grid),
        (both(plot, in_box(cx, cy, 1.0, 0.5 * px)), grid),
    ]
    if n >= 24:  # too busy for the small image
        shapes.append((in_ring(cx, cy, 0.22, 1.2 * px), grid))
    shapes += [
        (in_disc(cx - 0.18, cy + 0.19, max(0.07, 1.2 * px)), (40, 230, 60)),
        # Dark rims first so the satellite stands out on the plot.
        (in_box(sat_x, sat_y, 0.11, 0.11, a), rim),
        (in_box(sat_x + off, sat_y - off, 0.105, 0.085, a), rim),
        (in_box(sat_x - off, sat_y + off, 0.105, 0.085, a), rim),
        (in_box(sat_x + off, sat_y - off, 0.075, 0.055, a), (70, 150, 245)),
        (in_box(sat_x - off, sat_y + off, 0.075, 0.055, a), (70, 150, 245)),
        (in_box(sat_x, sat_y, 0.075, 0.075, a), (250, 196, 56)),
    ]
    return shapes


def render_icon(n):
    ss = 4
    shapes = icon_shapes(n)
    pixels = []  # top-down rows of (r, g, b, a)
    for py in range(n):
        row = []
        for px in range(n):
            acc = [0.0, 0.0, 0.0, 0.0]  # premultiplied
            for sy in range(ss):
                for sx in range(ss):
                    x = (px + (sx + 0.5) / ss) / n
                    y = (py + (sy + 0.5) / ss) / n
                    col = None
                    for inside, rgb in shapes:
                        if inside(x, y):
                            col = rgb
                    if col:
                        acc[0] += col[0]
                        acc[1] += col[1]
                        acc[2] += col[2]
                        acc[3] += 1
            k = ss * ss
            a = acc[3] / k
            if acc[3]:
                rgb = tuple(int(round(c / acc[3])) for c in acc[:3])
            else:
                rgb = (0, 0, 0)
            row.append(rgb + (int(round(a * 255)),))
        pixels.append(row)
    return pixels


def icon_image(n):
    px = render_icon(n)
    xor = b"".join(struct.pack("<BBBB", b, g, r, a)
                   for row in reversed(px) for r, g, b, a in row)
    mask_stride = ((n + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(px):
        line = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    info = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0,
                       len(xor) + len(mask), 0, 0, 0, 0)
    return info + xor + bytes(mask)


images = [(32, icon_image(32)), (16, icon_image(16))]
offset = 6 + 16 * len(images)
directory = struct.pack("<HHH", 0, 1, len(images))
data = b""
for n, blob in images:
    directory += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(blob),
                             offset + len(data))
    data += blob
with open(os.path.join(out_dir, "skyvane.ico"), "wb") as f:
    f.write(directory + data)
PY

echo "wrote $here/sky.bmp and $here/skyvane.ico"
