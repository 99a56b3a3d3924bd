#include "run_judge.h"

#include <cmath>

#include "limit_evaluation.h"

RunJudge::RunJudge()
    : runStatistics(std::make_unique<RunStatistics>()),
      scratch(std::make_unique<ReportScratch>()),
      runReport(std::make_unique<RunReport>()) {}

namespace {

void measureErrorsAtFix(const ReferenceReport& reference, CampaignReport* campaign) {
    for (int i = 0; i < campaign->startCount; ++i) {
        CampaignStart& start = campaign->starts[i];
        start.errorAtFixM.reset();
        if (start.positionAtFix && reference.lat && reference.lon) {
            const LocalOffset offset =
                offsetFrom(*start.positionAtFix, GeoPoint{*reference.lat, *reference.lon});
            start.errorAtFixM = std::sqrt(offset.east * offset.east + offset.north * offset.north);
        }
    }
}

}  // namespace

const RunReport& RunJudge::refresh(const CampaignReport* campaign) {
    ReportInputs inputs;
    inputs.reference = reference;
    inputs.limits = &limits;
    buildRunReport(*runStatistics, inputs, *scratch, runReport.get());
    if (campaign != nullptr) {
        runReport->hasCampaign = true;
        runReport->campaign = *campaign;
        measureErrorsAtFix(runReport->position.reference, &runReport->campaign);
        summarizeCampaign(&runReport->campaign);
        evaluateLimits(&limits, runReport.get());
    }
    return *runReport;
}
