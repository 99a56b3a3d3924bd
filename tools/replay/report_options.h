#pragma once
// What `skyvane-replay --report` writes and how it judges the run.

#include "stats/geodesy.h"

struct ReportOptions {
    const char* reportPath = nullptr;  // --report FILE.json
    const char* htmlPath = nullptr;    // --html FILE.html
    const char* limitsPath = nullptr;  // --limits FILE
    bool hasReference = false;         // --reference LAT,LON; else the mean position
    GeoPoint reference;
    const char* sourceName = "";  // the recording's file name, for the HTML page

    // A report is built when it is written or when limits judge the run.
    bool wanted() const {
        return reportPath != nullptr || htmlPath != nullptr || limitsPath != nullptr;
    }
};
