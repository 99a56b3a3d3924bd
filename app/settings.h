#pragma once
// The few settings a bench keeps in ".//skyvane.ini", section SKYVANE, in the
// working directory. Read only.

struct ViewFlags {
    int gps = 1;
    int gls = 1;
    int gas = 1;
    int bds = 1;
    int gns = 1;
};

// Which constellation groups the signal panel draws; all until the first read.
extern ViewFlags viewFlags;

struct Settings {
    int defaultBaudRate = 0;  // 0: leave the selection; 1 to 8: select that rate
    ViewFlags views;
};

Settings readSettingsFile();
