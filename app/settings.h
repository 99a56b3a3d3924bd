#pragma once
// The few settings a bench keeps in ".//skyvane.ini", section SKYVANE, in the
// working directory. Read only.

#include "ui/view_flags.h"

struct Settings {
    // 0: leave the rate selection; 1 to 8: select that rate; anything else:
    // no rate selected, so a start fails until the operator picks one.
    int defaultBaudRate = 0;
    ViewFlags views;
};

Settings readSettingsFile();
