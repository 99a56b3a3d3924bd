#include "campaign_view.h"

#include <iterator>

#include "stats/limits.h"

namespace {

constexpr std::int64_t columnLeft[] = {8, 128, 308, 418, 528};
constexpr int columnCount = static_cast<int>(std::size(columnLeft));

const char* phaseText(StartPhase phase) {
    switch (phase) {
        case StartPhase::sending:
            return "sending the start";
        case StartPhase::awaitingRestart:
            return "waiting for the restart";
        case StartPhase::awaitingFix:
            return "waiting for the fix";
        case StartPhase::awaitingSample:
            return "taking the sample at the fix";
        default:
            return "settling";
    }
}

const char* endText(CampaignEnd end) {
    switch (end) {
        case CampaignEnd::completed:
            return "completed";
        case CampaignEnd::stopped:
            return "stopped";
        case CampaignEnd::receiverGone:
            return "ended: the receiver is gone";
        default:
            return "running";
    }
}

std::optional<double> seconds(const std::optional<std::int64_t>& ms) {
    return ms ? std::optional<double>(static_cast<double>(*ms) / 1000) : std::nullopt;
}

void stateRows(const CampaignRunner& runner, const CampaignViewInputs& inputs, RowWriter& out) {
    const CampaignReport& campaign = runner.report();
    Cell what;
    what.format("%s starts, %s", startKindName(campaign.kind),
                campaign.family[0] != 0 ? campaign.family : "-");
    out.cell("Campaign");
    out.cell(what.c_str());
    Cell where;
    if (runner.running()) {
        where.format("start %d of %d, %s", runner.currentStart(), campaign.count,
                     phaseText(runner.phase()));
    } else {
        where.format("%s: %d of %d starts", endText(runner.end()), campaign.startCount,
                     campaign.count);
    }
    out.cell(where.c_str());
    out.endRow();
    Cell elapsed;
    const std::uint32_t totalS = inputs.elapsedMs / 1000;
    elapsed.format("elapsed %u:%02u:%02u", totalS / 3600, totalS / 60 % 60, totalS % 60);
    out.cell("");
    out.cell(elapsed.c_str());
    out.endRow();
}

void ttffRows(const CampaignReport& campaign, RowWriter& out) {
    std::optional<double> last;
    for (int i = campaign.startCount - 1; i >= 0; --i) {
        if (campaign.starts[i].ttffMs) {
            last = seconds(campaign.starts[i].ttffMs);
            break;
        }
    }
    out.cell("TTFF");
    out.cell(namedValue("last", last, 2, " s").c_str());
    out.cell(namedValue("median", campaign.ttffS.median, 2, " s").c_str());
    out.cell(namedValue("p95", campaign.ttffS.p95, 2, " s").c_str());
    out.endRow();
    out.cell("");
    out.cell(namedCount("fixed", campaign.fixed).c_str());
    out.cell(namedCount("timeouts", campaign.timeouts).c_str());
    out.cell(namedCount("no restart", campaign.noRestart).c_str());
    out.endRow();
}

void verdictRows(const RunReport& report, RowWriter& out) {
    out.cell("Verdict");
    if (report.limitCount == 0) {
        out.cell("PASS (no limits)", passColor);
    } else {
        out.cell(report.pass ? "PASS" : "FAIL", report.pass ? passColor : failColor);
    }
    out.endRow();
    for (int i = 0; i < report.limitCount && i < limitKeyCount; ++i) {
        const LimitResult& result = report.limits[i];
        out.cell("");
        out.cell(limitKeyName(result.limit.key));
        out.cell(result.limit.value.text);
        out.cell(namedValue("", result.value, 3).c_str());
        out.cell(result.pass ? "PASS" : "FAIL", result.pass ? passColor : failColor);
        out.endRow();
    }
}

void startRows(const CampaignReport& campaign, RowWriter& out) {
    out.cell("Start");
    out.cell("sent at");
    out.cell("outcome");
    out.cell("TTFF");
    out.cell("used, top-4");
    out.endRow();
    for (int i = 0; i < campaign.startCount && i < maxCampaignStarts; ++i) {
        const CampaignStart& start = campaign.starts[i];
        Cell index;
        index.format("%d", start.index);
        out.cell(index.c_str());
        out.cell(start.sentAt);
        out.cell(startOutcomeText(start.outcome), start.outcome == StartOutcome::fix ? panelBlack
                                                                                : failColor);
        out.cell(namedValue("", seconds(start.ttffMs), 2, " s").c_str());
        Cell atFix = namedValue("", start.usedAtFix.has_value()
                                        ? std::optional<double>(*start.usedAtFix)
                                        : std::nullopt,
                                0);
        atFix.append(u", ");
        atFix.append(namedValue("", start.top4AtFix, 1).c_str());
        out.cell(atFix.c_str());
        out.endRow();
    }
}

}  // namespace

void buildCampaignView(const CampaignRunner& runner, const RunReport& report,
                       const CampaignViewInputs& inputs, CampaignView* view) {
    RowWriter out(view, columnLeft, columnCount, inputs.width, inputs.height);
    if (inputs.note != nullptr && inputs.note[0] != 0) {
        out.cell(inputs.note);
        out.endRow();
    }
    if (runner.report().count == 0) {
        return;  // never began
    }
    stateRows(runner, inputs, out);
    ttffRows(runner.report(), out);
    verdictRows(report, out);
    startRows(runner.report(), out);
}
