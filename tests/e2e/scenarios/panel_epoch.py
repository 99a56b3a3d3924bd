"""A known dual-band epoch of four constellations, as the scenarios that look at the
graphics panel stream it."""

from skyvane_panel import sentence

EPOCHS = 6


def epoch(second):
    """RMC, the used satellites of each system, then GSV of both bands: PRN 3 (used,
    45 / 41), 7 (30 / 25), 12 (no signal), 40 (used, 63, numbered in cyan), GLONASS 65
    (used) and 66, Galileo 11 (used) and 24, BeiDou 8 (used) on both bands. Markers sit
    on a ring at 30 degrees elevation and one near the zenith, apart from each other."""
    time = f"1200{second:02d}.00"
    return [
        sentence(f"GNRMC,{time},A,4807.0380,N,01131.0000,E,12.5,84.4,081226,,,A,V"),
        sentence("GNGSA,A,3,03,40,,,,,,,,,,,1.8,1.0,1.5,1"),
        sentence("GNGSA,A,3,65,,,,,,,,,,,,1.8,1.0,1.5,2"),
        sentence("GNGSA,A,3,11,,,,,,,,,,,,1.8,1.0,1.5,3"),
        sentence("GNGSA,A,3,08,,,,,,,,,,,,1.8,1.0,1.5,4"),
        sentence("GPGSV,1,1,04,03,30,000,45,07,30,045,30,12,30,090,,40,30,135,63,1"),
        sentence("GPGSV,1,1,02,03,30,000,41,07,30,045,25,8"),
        sentence("GLGSV,1,1,02,65,30,180,40,66,30,225,33,1"),
        sentence("GLGSV,1,1,01,65,30,180,36,3"),
        sentence("GAGSV,1,1,02,11,30,270,42,24,30,315,28,7"),
        sentence("GAGSV,1,1,01,11,30,270,39,1"),
        sentence("GBGSV,1,1,01,08,80,000,35,1"),
        sentence("GBGSV,1,1,01,08,80,000,31,5"),
    ]


def recording_lines():
    """Whole epochs and a last RMC: its repaint shows the last full epoch, which is also
    the state the recording leaves behind."""
    lines = []
    for second in range(EPOCHS):
        lines += epoch(second)
    return lines + epoch(EPOCHS)[:1]
