#pragma once
// What `skyvane-replay --report` writes and how it judges the run.

#include "stats/geodesy.h"

struct ReportOptions {
    const char* reportPath = nullptr;  // --report FILE.json
    const char* limitsPath = nullptr;  // --limits FILE
    bool hasReference = false;         // --reference LAT,LON; else the mean position
    GeoPoint reference;

    // A report is built when it is written or when limits judge the run.
    bool wanted() const { return reportPath != nullptr || limitsPath != nullptr; }
};
