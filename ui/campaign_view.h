#pragma once
// The campaign window's area: where the campaign stands (start k of N, the
// phase, the time since it began), the last time to first fix and the
// running median and 95th percentile, the verdict and each limit, then a row
// for each start made.

#include <cstdint>

#include "commands/campaign_runner.h"
#include "stats/run_report.h"
#include "ui/text_rows.h"

using CampaignView = TextRowsView;

struct CampaignViewInputs {
    std::int32_t width = 0;
    std::int32_t height = 0;
    std::uint32_t elapsedMs = 0;  // since the campaign began
    const char16_t* note = u"";   // what the last request met
};

// `report` is the run's, with the campaign and the limits judged; the view
// shows nothing of a campaign that never began.
void buildCampaignView(const CampaignRunner& runner, const RunReport& report,
                       const CampaignViewInputs& inputs, CampaignView* view);
