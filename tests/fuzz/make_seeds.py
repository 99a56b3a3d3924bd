#!/usr/bin/env python3
"""Writes the fuzzers' seed corpora and dictionaries from the bundled sample,
the golden edge cases and streams of the scenario generator:

  seeds/pipeline/  byte streams of a few whole epochs each (a UTF-16LE log
                   and a line-feed-only stream among them)
  seeds/fields/    one line of each shape as UTF-16LE units
  seeds/writer/    one input per receiver command: command, list positions,
                   connection and clock bytes, then an operator text
  pipeline.dict, fields.dict: the texts the recognisers look for

Regenerate after the generator or the recognised texts change:
    python3 tests/fuzz/make_seeds.py [build/native/tools/scenario/skyvane-scenario]
Files not named here (the hand-written seeds) are left alone."""

import subprocess
import sys
from pathlib import Path

HERE = Path(__file__).resolve().parent
REPO = HERE.parent.parent
SEEDS = HERE / "seeds"
PIECE_LIMIT = 4096  # bytes; the pipeline runs with -max_len=8192
FIELD_SEEDS = 32
GENERATED_PREFIXES = ("drive-", "gen-", "edge-", "line-", "command-")

# Each run: a name, then the generator's options.
GENERATED_STREAMS = [
    ("leapday", ["--seconds", "40", "--fix-after", "5", "--start", "2024-02-29T23:59:45",
                 "--seed", "7"]),
    ("newyear", ["--seconds", "30", "--fix-after", "0", "--start", "2026-12-31T23:59:50",
                 "--seed", "11"]),
    ("coldstart", ["--seconds", "50", "--seed", "12345"]),
]

# What the reply recognisers and the parsers' dispatch look for.
TOKENS = ["RMC", "GSA", "GSV", "$GPRMC", "$GNRMC", "$GNGSA", "$GPGSA", "$GLGSA", "$GAGSA",
          "$BDGSA", "$GPGSV", "$GLGSV", "$GNGSV", "$GAGSV", "$BDGSV", "$GBGSV", "WAAS Enable",
          "WAAS Disable", "[VER]", "[VER] Done", "ROM CORE", "FWVER=", "Version", "Version2",
          "$PSRF195", "$PMTK705", "$PAIR020", "\r\n", "*", ","]

COMMAND_COUNT = 14
SEND_TEXT = 9
AUTO_START = 10
CHANGE_BAUD = 13


def epochs(stream: bytes) -> list:
    """The stream cut before every RMC line; the first piece is what precedes it."""
    pieces, current = [], b""
    for line in stream.splitlines(keepends=True):
        if b"RMC" in line and current:
            pieces.append(current)
            current = b""
        current += line
    if current:
        pieces.append(current)
    return pieces


def pieces_of(stream: bytes) -> list:
    """Runs of whole epochs, each at most PIECE_LIMIT bytes."""
    out, current = [], b""
    for epoch in epochs(stream):
        if current and len(current) + len(epoch) > PIECE_LIMIT:
            out.append(current)
            current = b""
        current += epoch[:PIECE_LIMIT]
    if current:
        out.append(current)
    return out


def spread(items: list, count: int) -> list:
    """The first, the last and evenly spaced ones between."""
    if len(items) <= count:
        return items
    step = (len(items) - 1) / (count - 1)
    return [items[round(i * step)] for i in range(count)]


def has_fix(piece: bytes) -> bool:
    """An RMC line with status A."""
    for line in piece.splitlines():
        fields = line.split(b",")
        if b"RMC" in fields[0] and len(fields) > 2 and fields[2] == b"A":
            return True
    return False


def first_fix_piece(pieces: list) -> bytes:
    return next((piece for piece in pieces if has_fix(piece)), pieces[0])


def utf16_log(text: bytes) -> bytes:
    """As the program writes its log: a byte-order mark, then UTF-16LE."""
    return b"\xff\xfe" + text.decode("latin-1").encode("utf-16-le")


def line_shape(line: bytes) -> tuple:
    """Talker and type, how many fields and how many of them empty (roughly),
    with or without a checksum."""
    fields = line.split(b",")
    empty = sum(1 for field in fields if not field)
    return (fields[0], min(len(fields) // 4, 3), min(empty // 4, 2),
            line.rstrip(b"\r\n")[-3:-2] == b"*")


def distinct_lines(streams: list) -> list:
    seen, lines = set(), []
    for stream in streams:
        for line in stream.splitlines(keepends=True):
            shape = line_shape(line)
            if shape not in seen and len(line) <= 1023:
                seen.add(shape)
                lines.append(line)
    return lines


def command_input(command: int, text: str, baud: int = 3, rate: int = 5,
                  connection: int = 1, clock: int = 0x01020304) -> bytes:
    head = bytes([command, baud & 0xFF, rate & 0xFF, connection]) + clock.to_bytes(4, "big")
    return head + text.encode("utf-16-le")


def writer_inputs() -> dict:
    inputs = {f"command-{c:02d}": command_input(c, "$PMTK314,0,1,0,1,1,5,0,0,0,0,0,0,0,0,0,0,0,0,0")
              for c in range(COMMAND_COUNT)}
    inputs["command-09-send"] = command_input(SEND_TEXT, "$PMTK605")
    inputs["command-10-auto"] = command_input(AUTO_START, "5")
    inputs["command-13-no-rate"] = command_input(CHANGE_BAUD, "", baud=-1, rate=-1)
    inputs["command-13-wrap"] = command_input(CHANGE_BAUD, "", clock=0xFFFFFF00)
    inputs["command-13-reopen-fails"] = command_input(CHANGE_BAUD, "", connection=5)
    inputs["command-00-replay"] = command_input(0, "", connection=2)
    return inputs


def dictionary_entry(data: bytes) -> str:
    """Printable bytes as they are, the rest as \\xNN."""
    text = "".join(chr(b) if 0x20 <= b < 0x7F and b not in b'"\\' else f"\\x{b:02X}"
                   for b in data)
    return f'"{text}"'


def dictionary(encode) -> str:
    return "".join(dictionary_entry(encode(token)) + "\n" for token in TOKENS)


def replace_generated(folder: Path, files: dict) -> None:
    folder.mkdir(parents=True, exist_ok=True)
    for old in folder.iterdir():
        if old.name.startswith(GENERATED_PREFIXES):
            old.unlink()
    for name, data in files.items():
        (folder / name).write_bytes(data)


def main() -> int:
    generator = Path(sys.argv[1] if len(sys.argv) > 1 else
                     REPO / "build/native/tools/scenario/skyvane-scenario")
    if not generator.is_file():
        print(f"make_seeds.py: no generator at {generator} (build it, or pass its path)",
              file=sys.stderr)
        return 2
    sample = (REPO / "samples/dualband-drive.nmea").read_bytes()
    edge = (REPO / "tests/golden/edge-cases.nmea").read_bytes()
    streams = {name: subprocess.run([str(generator), *options], check=True,
                                    capture_output=True).stdout
               for name, options in GENERATED_STREAMS}

    pipeline = {}
    drive = pieces_of(sample)
    for i, piece in enumerate(spread(drive, 5)):
        pipeline[f"drive-{i}.nmea"] = piece
    pipeline["drive-first-fix.nmea"] = first_fix_piece(drive)
    pipeline["drive-log-utf16.nmea"] = utf16_log(drive[len(drive) // 2])
    pipeline["drive-lf-only.nmea"] = drive[-1].replace(b"\r\n", b"\n")
    for name, stream in streams.items():
        for i, piece in enumerate(spread(pieces_of(stream), 3)):
            pipeline[f"gen-{name}-{i}.nmea"] = piece
    pipeline["edge-cases.nmea"] = edge[:PIECE_LIMIT * 2]

    handwritten = [(SEEDS / "pipeline" / name).read_bytes()
                   for name in ("epoch.nmea", "gsv-old.nmea", "replies.txt")]
    lines = spread(distinct_lines([edge, *handwritten, sample, *streams.values()]), FIELD_SEEDS)
    fields = {f"line-{i:02d}.u16": line.decode("latin-1").encode("utf-16-le")
              for i, line in enumerate(lines)}

    replace_generated(SEEDS / "pipeline", pipeline)
    replace_generated(SEEDS / "fields", fields)
    replace_generated(SEEDS / "writer", writer_inputs())
    (HERE / "pipeline.dict").write_text(dictionary(lambda t: t.encode("latin-1")))
    (HERE / "fields.dict").write_text(dictionary(lambda t: t.encode("utf-16-le")))
    print(f"wrote {len(pipeline)} pipeline, {len(fields)} fields and "
          f"{len(writer_inputs())} writer seeds")
    return 0


if __name__ == "__main__":
    sys.exit(main())
