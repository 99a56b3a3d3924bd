#include "campaign_report.h"

#include "percentiles.h"

void summarizeCampaign(CampaignReport* campaign) {
    double ttffSeconds[maxCampaignStarts];
    std::size_t fixedStarts = 0;
    campaign->fixed = campaign->timeouts = campaign->noRestart = 0;
    for (int i = 0; i < campaign->startCount; ++i) {
        const CampaignStart& start = campaign->starts[i];
        campaign->timeouts += start.outcome == StartOutcome::timeout ? 1 : 0;
        campaign->noRestart += start.outcome == StartOutcome::noRestart ? 1 : 0;
        if (start.outcome == StartOutcome::fix && start.ttffMs) {
            ttffSeconds[fixedStarts++] = static_cast<double>(*start.ttffMs) / 1000;
        }
    }
    campaign->fixed = static_cast<int>(fixedStarts);
    campaign->ttffS = summarizeValues(ttffSeconds, fixedStarts);
}

const char* startOutcomeName(StartOutcome outcome) {
    switch (outcome) {
        case StartOutcome::fix:
            return "fix";
        case StartOutcome::timeout:
            return "timeout";
        default:
            return "noRestart";
    }
}

const char* startOutcomeText(StartOutcome outcome) {
    switch (outcome) {
        case StartOutcome::fix:
            return "fix";
        case StartOutcome::timeout:
            return "timeout";
        default:
            return "no restart";
    }
}
