#include "campaign_charts.h"

#include <cmath>

#include "chart_frame.h"

namespace {

constexpr PlotBox campaignPlot{70, 40, chartWidth - 20, campaignChartHeight - 52};
constexpr int mostBins = 12;

double ttffSeconds(const CampaignStart& start) {
    return start.ttffMs ? static_cast<double>(*start.ttffMs) / 1000 : 0;
}

// The largest time a chart shows: the slowest fix, or the timeout when a start timed out.
double largestSeconds(const CampaignReport& campaign) {
    double largest = 0;
    for (int i = 0; i < campaign.startCount; ++i) {
        largest = std::fmax(largest, ttffSeconds(campaign.starts[i]));
    }
    return campaign.timeouts > 0 ? std::fmax(largest, campaign.timeoutS) : largest;
}

void addDot(ChartDisplayList& list, ChartPoint at, ChartColor color, std::int32_t size) {
    if (ChartOp* op = list.add(ChartOpKind::dots, color)) {
        op->width = size;
        list.addPoint(at);
    }
}

}  // namespace

void buildTtffChart(const CampaignReport& campaign, ChartDisplayList* list) {
    list->clear(chartWidth, campaignChartHeight);
    const AxisTitles titles{"Start", "Time to first fix (s)"};
    if (campaign.startCount == 0) {
        drawNoData(*list, campaignPlot, titles);
        return;
    }
    ChartAxes axes;
    axes.plot = campaignPlot;
    axes.x = niceScale(0, campaign.startCount + 1, 10);
    axes.y = niceScale(0, largestSeconds(campaign), 5);
    drawAxes(*list, axes, titles);
    SeriesValue values[maxCampaignStarts];
    const int count = campaign.startCount < maxCampaignStarts ? campaign.startCount
                                                              : maxCampaignStarts;
    for (int i = 0; i < count; ++i) {
        const CampaignStart& start = campaign.starts[i];
        values[i] = {static_cast<double>(start.index), ttffSeconds(start),
                     start.outcome == StartOutcome::fix && start.ttffMs.has_value()};
        if (!values[i].present) {
            addDot(*list, axes.at(start.index, axes.y.high()), failedStartColor, 9);
        }
    }
    drawSeries(*list, axes, values, count, ttffColor, 2);
    for (int i = 0; i < count; ++i) {
        if (values[i].present) {
            addDot(*list, axes.at(values[i].x, values[i].y), ttffColor, 7);
        }
    }
    const LegendItem legend[] = {
        {"fixed", ttffColor, LegendMark::dot},
        {"no fix (timeout or no restart)", failedStartColor, LegendMark::dot},
    };
    drawLegendRow(*list, {campaignPlot.left, 22}, legend, 2);
}

void buildTtffHistogram(const CampaignReport& campaign, ChartDisplayList* list) {
    list->clear(chartWidth, campaignChartHeight);
    const AxisTitles titles{"Time to first fix (s)", "Starts"};
    if (campaign.fixed == 0) {
        drawNoData(*list, campaignPlot, titles);
        return;
    }
    const AxisScale bins = niceScale(0, largestSeconds(campaign), mostBins);
    int counts[64] = {};
    int tallest = 0;
    for (int i = 0; i < campaign.startCount; ++i) {
        const CampaignStart& start = campaign.starts[i];
        if (start.outcome != StartOutcome::fix || !start.ttffMs) {
            continue;
        }
        int bin = static_cast<int>((ttffSeconds(start) - bins.low) / bins.step);
        bin = bin < 0 ? 0 : bin >= bins.intervals ? bins.intervals - 1 : bin;
        if (bin < 64 && ++counts[bin] > tallest) {
            tallest = counts[bin];
        }
    }
    ChartAxes axes;
    axes.plot = campaignPlot;
    axes.x = bins;
    axes.y = niceScale(0, tallest, 5);
    drawAxes(*list, axes, titles);
    for (int bin = 0; bin < bins.intervals && bin < 64; ++bin) {
        if (counts[bin] == 0) {
            continue;
        }
        if (ChartOp* op = list->add(ChartOpKind::rect, ttffColor)) {
            op->a = axes.at(bins.tick(bin), counts[bin]);
            op->b = axes.at(bins.tick(bin + 1), 0);
            op->a.x += 1;
            op->fill = ttffColor;
            op->filled = true;
            op->width = 0;
            op->crisp = true;
        }
    }
}
