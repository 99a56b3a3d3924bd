#pragma once
// A campaign asked for on the program's command line, for a lab's script:
//   skyvane.exe --campaign KIND:COUNT --port COMn --baud RATE --report FILE.json
//               [--limits FILE] [--family auto|all|psrf|pmtk|pair|at|ubx]
//               [--timeout SECONDS] [--settle SECONDS] [--reference LAT,LON]
// The program opens the port, runs the campaign with its window showing the
// progress, writes the report (FILE.json, and the page and the starts beside
// it) and exits: 0 when every start was made and every limit passed, 3 when
// a limit failed or the campaign ended early, 2 for bad arguments, a port
// that cannot be opened or a report that cannot be written. Arguments
// without an option among them are ignored, as they always were.

#include <optional>

#include "campaign_runner.h"
#include "serial/port_label.h"
#include "stats/geodesy.h"

constexpr int exitCampaignPassed = 0;
constexpr int exitBadArguments = 2;
constexpr int exitCampaignFailed = 3;

struct CampaignCommandLine {
    bool given = false;  // --campaign is on the command line
    CampaignSettings settings;
    PortPath port;        // \\.\COMn
    int baudIndex = -1;
    const char* reportPath = nullptr;  // the arguments' own texts
    const char* limitsPath = nullptr;
    std::optional<GeoPoint> reference;
};

// Returns 1 with the campaign (or with `given` false when there is none), or
// 0 for arguments that make no campaign, with the reason.
int parseCampaignCommandLine(int argc, const char* const* argv, CampaignCommandLine* line,
                             const char** error);
