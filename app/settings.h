#pragma once
// The few settings a bench keeps in ".//skyvane.ini", section SKYVANE, in the
// working directory. Read only.

#include "ui/view_flags.h"

// Which constellation groups the signal panel draws; all until the first read.
extern ViewFlags viewFlags;

struct Settings {
    int defaultBaudRate = 0;  // 0: leave the selection; 1 to 8: select that rate
    ViewFlags views;
};

Settings readSettingsFile();
