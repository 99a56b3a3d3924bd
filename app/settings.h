#pragma once
// The few settings a bench keeps in ".//skyvane.ini" in the working
// directory: section SKYVANE, and the run's [LIMITS] and [REFERENCE]. Read only.

#include <optional>

#include "base/fixed_text.h"
#include "stats/geodesy.h"
#include "stats/limits.h"
#include "ui/view_flags.h"

struct Settings {
    // 0: leave the rate selection; 1 to 8: select that rate; anything else:
    // no rate selected, so a start fails until the operator picks one.
    int defaultBaudRate = 0;
    ViewFlags views;
};

Settings readSettingsFile();

// What a run is judged by, from the same file's [LIMITS] and [REFERENCE].
struct JudgingSettings {
    LimitSet limits;
    std::optional<GeoPoint> reference;
    // Empty, or what was wrong with the file ("skyvane.ini:4: ...").
    FixedText<256> problem;
};

JudgingSettings readJudgingSettings();
