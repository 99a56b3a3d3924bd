// What a campaign leaves: its starts as CSV, and its two charts.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "report/campaign_charts.h"
#include "report/chart_axis.h"
#include "report/report_tables.h"
#include "stats/campaign_csv.h"

namespace {

std::unique_ptr<CampaignReport> threeStarts() {
    auto campaign = std::make_unique<CampaignReport>();
    campaign->kind = StartKind::cold;
    campaign->timeoutS = 60;
    campaign->startCount = 4;
    campaign->starts[0] = {1, "2026-12-08T10:00:00.000", StartOutcome::fix, 31200, 9, 41.25,
                           2.5,  {}};
    campaign->starts[1] = {2, "2026-12-08T10:01:00.000", StartOutcome::timeout, {}, {}, {}, {}, {}};
    campaign->starts[2] = {3, "2026-12-08T10:03:00.000", StartOutcome::fix, 28900, 8, {}, {}, {}};
    campaign->starts[3] = {4, "2026-12-08T10:04:00.000", StartOutcome::noRestart, {}, {}, {}, {},
                           {}};
    summarizeCampaign(campaign.get());
    return campaign;
}

// The page's table of starts: what each start measured at its fix, a dash
// for what it did not.
TEST(CampaignTable, ARowAStartWithItsValuesAtFixOrDashes) {
    std::string html;
    appendCampaignTable(html, *threeStarts());
    EXPECT_NE(html.find("<tr><td>1</td><td>2026-12-08T10:00:00.000</td><td>fix</td><td>31.200</td>"
                        "<td>9</td><td>41.25</td><td>2.500</td></tr>"),
              std::string::npos)
        << html;
    const std::string dash = "<td>\xE2\x80\x94</td>";
    EXPECT_NE(html.find("<td>no restart</td>" + dash + dash + dash + dash + "</tr>"),
              std::string::npos)
        << html;
}

TEST(CampaignCsv, ARowAStartWithEmptyCellsForWhatWasNotMeasured) {
    std::string csv;
    appendCampaignCsv(csv, *threeStarts());
    EXPECT_EQ(csv,
              "index,sentAt,outcome,ttffMs,usedAtFix,top4AtFix,errorAtFixM\r\n"
              "1,2026-12-08T10:00:00.000,fix,31200,9,41.25,2.500\r\n"
              "2,2026-12-08T10:01:00.000,timeout,,,,\r\n"
              "3,2026-12-08T10:03:00.000,fix,28900,8,,\r\n"
              "4,2026-12-08T10:04:00.000,noRestart,,,,\r\n");
}

// The dots of a colour inside the plot (the legend's swatch lies above it).
std::vector<ChartPoint> plottedDots(const ChartDisplayList& list, ChartColor color) {
    std::vector<ChartPoint> dots;
    for (std::size_t i = 0; i < list.opCount; ++i) {
        const ChartOp& op = list.ops[i];
        if (op.kind != ChartOpKind::dots || op.color != color) {
            continue;
        }
        for (std::int32_t p = 0; p < op.count; ++p) {
            if (list.points[op.first + p].y >= 40) {
                dots.push_back(list.points[op.first + p]);
            }
        }
    }
    return dots;
}

// The fixed starts joined by a line and dotted; a start that did not fix
// marked at the top; the histogram's bars hold every start that fixed; and a
// campaign without a fix draws an empty frame, not a broken chart.
TEST(CampaignCharts, DrawEachStartAndTheDistribution) {
    auto campaign = threeStarts();
    auto list = std::make_unique<ChartDisplayList>();
    buildTtffChart(*campaign, list.get());
    const std::vector<ChartPoint> failed = plottedDots(*list, failedStartColor);
    ASSERT_EQ(failed.size(), 2u);
    EXPECT_EQ(failed[0].y, 40);  // at the plot's top, the timeout's height
    EXPECT_EQ(failed[1].y, 40);
    const std::vector<ChartPoint> fixedDots = plottedDots(*list, ttffColor);
    ASSERT_GE(fixedDots.size(), 2u);
    EXPECT_GT(fixedDots[0].y, fixedDots.back().y - 100);  // 31.2 s and 28.9 s, close together
    EXPECT_LT(fixedDots[0].x, failed[0].x);               // start 1 left of start 2
    for (std::size_t i = 0; i < list->opCount; ++i) {
        const ChartOp& op = list->ops[i];
        EXPECT_GE(op.a.x, 0);
        EXPECT_LE(op.a.x, list->width);
        EXPECT_GE(op.a.y, 0);
        EXPECT_LE(op.a.y, list->height);
    }

    buildTtffHistogram(*campaign, list.get());
    int bars = 0;
    std::int32_t tallest = list->height;
    for (std::size_t i = 0; i < list->opCount; ++i) {
        const ChartOp& op = list->ops[i];
        if (op.kind == ChartOpKind::rect && op.color == ttffColor) {
            ++bars;
            tallest = op.a.y < tallest ? op.a.y : tallest;
        }
    }
    EXPECT_EQ(bars, 2);  // 28.9 s and 31.2 s fall into different bins of the 0-60 s scale

    auto none = std::make_unique<CampaignReport>();
    none->startCount = 1;
    none->starts[0].outcome = StartOutcome::timeout;
    summarizeCampaign(none.get());
    buildTtffHistogram(*none, list.get());
    bool noData = false;
    for (std::size_t i = 0; i < list->textCount; ++i) {
        noData = noData || list->texts[i].equalsAscii("no data");
    }
    EXPECT_TRUE(noData);
}

}  // namespace
