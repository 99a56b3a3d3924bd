#!/usr/bin/env python3
"""Writes edge-cases.nmea: a byte stream that walks the sentence pipeline
through its awkward corners. Regenerate with
    python3 tests/golden/make_edge_cases.py > tests/golden/edge-cases.nmea
and review the changed golden trace before committing it."""

import sys
from functools import reduce


def checked(body: str) -> bytes:
    """The sentence with its correct checksum and CR LF."""
    value = reduce(lambda acc, ch: acc ^ ord(ch), body[1:], 0)
    return f"{body}*{value:02X}\r\n".encode("ascii")


def raw(text: str) -> bytes:
    return text.encode("latin-1")


def stream() -> bytes:
    out = []
    add = out.append
    # Noise before the first line: binary, a UBX frame head, NULs.
    add(b"\xb5\x62\x01\x07\x00\xff\xfe\x00garbage\x01\x02")
    add(checked("$GNTXT,01,01,02,first line arms the first-fix clock"))
    # Before any fix: searching, no time yet.
    add(checked("$GNRMC,,V,,,,,,,,,,N,V"))
    add(checked("$GPGSV,3,1,11,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45,1"))
    add(checked("$GPGSV,1,1,02,01,40,083,40,14,22,228,38,8"))
    add(checked("$GAGSV,1,1,02,04,55,120,44,09,10,200,,7"))
    add(checked("$GAGSV,1,1,01,04,55,120,41,1"))
    add(checked("$GBGSV,1,1,02,21,66,010,47,33,30,300,42,1"))
    add(checked("$GBGSV,1,1,01,21,66,010,45,5"))
    add(checked("$GLGSV,1,1,02,65,45,090,40,66,20,180,35,1"))
    # Before 4.10: no signal ID; the fourth satellite must not be lost.
    add(checked("$GPGSV,2,1,08,03,10,010,30,05,20,020,31,07,30,030,32,09,40,040,33"))
    # Satellite numbers without a record, empty elevation, empty level.
    add(checked("$GPGSV,1,1,04,00,10,010,30,256,20,020,31,-5,30,030,32,99999999999,40,040,33,1"))
    add(checked("$GPGSV,1,1,02,17,,100,25,18,45,,,1"))
    add(checked("$GNGSA,A,3,01,02,12,14,,,,,,,,,1.80,0.95,1.52,1"))
    add(checked("$GNGSA,A,3,04,09,,,,,,,,,,,1.80,0.95,1.52,3"))
    add(checked("$GNGSA,A,3,21,33,,,,,,,,,,,1.80,0.95,1.52,4"))
    add(checked("$GNGSA,A,3,65,,,,,,,,,,,,1.80,0.95,1.52"))
    add(checked("$GBGSA,A,3,21,,,,,,,,,,,,2.0,1.0,1.7"))
    add(checked("$GPGSA,A,2,03,05,,,,,,,,,,,2.5,1.3,2.1"))
    # A fix just before midnight UTC; the local date is the next day east of UTC.
    add(checked("$GNRMC,235958.00,A,2502.34560,N,12134.56780,E,12.900,87.25,311226,,,A,V"))
    add(checked("$GPGSV,1,1,01,01,41,084,47,1"))
    add(checked("$GNGSA,A,3,01,,,,,,,,,,,,1.70,0.90,1.40,1"))
    # Impossible date: the last converted time is shown again.
    add(checked("$GNRMC,000001.00,A,2502.3,N,12134.56,E,54.5,,321326,,,A,V"))
    # 55 knots is above the alert speed.
    add(checked("$GNRMC,000002.00,A,4807.03812,N,01131.00023,W,55.0,359.9,010127,,,A,V"))
    add(checked("$GNRMC,000003.00,V,,,,,,,010127,,,N,V"))
    # Checksums that fail: wrong value, lower case, LF only, none at all.
    add(raw("$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*38\r\n"))
    add(raw("$GPGSV,1,1,01,10,10,010,20,1*6a\r\n"))
    add(raw("$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1*39\n"))
    add(raw("$GPGGA,000004.00,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,\r\n"))
    # One line that holds both RMC and GSV is an RMC.
    add(checked("$GNRMC,000005.00,A,4807.038,N,01131.000,E,0.0,,010127,,,A,V,GSV"))
    # Receiver replies of every family.
    add(checked("$PMTK705,AXN_5.1.6_3333_18041700,0004,MC-1010,1.0"))
    add(checked("$PAIR020,AG3352Q_V2.5.0,F7d5c5e9,N,2304201838"))
    add(checked("$PAIR020,AG3352Q_V2.6.0,S,N,97d5c5e9"))
    add(raw("$GPTXT,01,01,02,ROM BASE 2.01 (75331) ROM CORE 1.00 (59842) Jun 27 2012*00\r\n"))
    add(raw("FWVER=PMR_5.10P*17\r\n"))
    add(raw("SW Version: 1.2.3*77\r\n"))
    add(raw("Version2 : V2.0 build 7\r\n"))
    add(raw("WAAS Enable WAAS Disable\r\n"))
    add(raw("[VER] GNSS receiver 4.2.0\r\n"))
    add(raw("[VER] Done\r\n"))
    add(raw("WAAS Disable\r\n"))
    add(checked("$PSRF195,GSW3.5.0_3.5.00.00-SDK-3EP2.01"))
    # A line longer than the ring keeps its first 1023 units.
    add(raw("$GPTXT," + "X" * 1200 + "\r\n"))
    add(checked("$GPGSV,1,1,01,20,50,050,33,8"))
    # An unfinished line at the end is never handed over.
    add(raw("$GNRMC,000006.00,A"))
    return b"".join(out)


if __name__ == "__main__":
    sys.stdout.buffer.write(stream())
