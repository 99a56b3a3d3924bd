#pragma once
// The outcome of a start campaign (several starts of one kind, each timed to
// its first fix), as the campaign runner fills it in for the run report.

#include <cstdint>
#include <optional>

#include "commands/start_commands.h"
#include "geodesy.h"
#include "stat_summary.h"

enum class StartOutcome { fix, timeout, noRestart };

// As the JSON and the CSV write it: "fix", "timeout", "noRestart".
const char* startOutcomeName(StartOutcome outcome);
// As people read it: "fix", "timeout", "no restart".
const char* startOutcomeText(StartOutcome outcome);

constexpr int maxCampaignStarts = 1000;

struct CampaignStart {
    int index = 0;
    char sentAt[32] = {};  // ISO 8601 local time of the start command's first write
    StartOutcome outcome = StartOutcome::timeout;
    std::optional<std::int64_t> ttffMs;
    std::optional<std::int64_t> usedAtFix;
    std::optional<double> top4AtFix;  // band L1
    std::optional<double> errorAtFixM;
    // Where the sample at the fix put the receiver; its error is measured from
    // the run's reference when the report is made (not written itself).
    std::optional<GeoPoint> positionAtFix;
};

struct CampaignReport {
    StartKind kind = StartKind::cold;
    char family[32] = {};
    int count = 0;  // starts asked for
    int timeoutS = 0;
    CampaignStart starts[maxCampaignStarts];
    int startCount = 0;  // starts made
    StatSummary ttffS;   // over the starts that fixed, in seconds
    int fixed = 0;
    int timeouts = 0;
    int noRestart = 0;
};

// Fills ttffS, fixed, timeouts and noRestart from the starts made.
void summarizeCampaign(CampaignReport* campaign);
