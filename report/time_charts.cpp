#include "time_charts.h"

#include <cmath>

#include "chart_frame.h"

namespace {

constexpr PlotBox timePlot{70, 40, chartWidth - 20, timeChartHeight - 52};

struct TimeAxis {
    double unitMs = 0;  // 0: epoch numbers
    const char* title = "";
};

// The unit that keeps a run's tick labels short.
TimeAxis timeAxisOf(const RunHistory& history) {
    const std::int64_t elapsed = history.elapsedMs();
    if (elapsed <= 0) {
        return {0, "Epoch (number of the RMC sample)"};
    }
    if (elapsed <= 15 * 60 * 1000) {
        return {1000, "Receiver time since the first epoch (s)"};
    }
    if (elapsed <= 10 * 3600 * 1000) {
        return {60 * 1000, "Receiver time since the first epoch (min)"};
    }
    return {3600 * 1000, "Receiver time since the first epoch (h)"};
}

// The x of a point: the middle of its samples' time, or of their numbers.
double timeOf(const HistoryPoint& point, const TimeAxis& axis) {
    if (axis.unitMs == 0) {
        return static_cast<double>(point.firstSample) + static_cast<double>(point.samples - 1) / 2;
    }
    return static_cast<double>(point.firstElapsedMs + point.lastElapsedMs) / 2 / axis.unitMs;
}

struct ValueRange {
    double low = 0;
    double high = 0;
    bool any = false;

    void add(const SeriesValue* values, int count) {
        for (int i = 0; i < count; ++i) {
            if (!drawable(values[i])) {
                continue;
            }
            low = any ? std::fmin(low, values[i].y) : values[i].y;
            high = any ? std::fmax(high, values[i].y) : values[i].y;
            any = true;
        }
    }
};

// Up to historyPoints values of one series, from a point's sums.
struct Series {
    SeriesValue values[historyPoints];
    int count = 0;

    template <typename ValueOf>
    void fill(const RunHistory& history, const TimeAxis& axis, ValueOf&& valueOf) {
        count = history.pointCount();
        for (int i = 0; i < count; ++i) {
            const HistoryPoint& point = history.point(i);
            const std::optional<double> value = valueOf(point);
            values[i] = {timeOf(point, axis), value.value_or(0), value.has_value()};
        }
    }
};

std::optional<double> meanOf(std::int64_t sum, std::int64_t count, double scale = 1) {
    if (count <= 0) {
        return std::nullopt;
    }
    return static_cast<double>(sum) / static_cast<double>(count) / scale;
}

ChartAxes timeAxes(const RunHistory& history, const TimeAxis& axis, const ValueRange& range,
                   bool fromZero) {
    double last = 0;
    if (history.pointCount() > 0) {
        last = timeOf(history.point(history.pointCount() - 1), axis);
    }
    ChartAxes axes;
    axes.plot = timePlot;
    axes.x = niceScale(0, last > 0 ? last : 1, 8);
    axes.y = niceScale(fromZero ? 0 : range.low, range.high, 5);
    return axes;
}

void beginChart(ChartDisplayList* list) {
    list->clear(chartWidth, timeChartHeight);
}

// A legend label with "(no data)" for a series without a value.
const char* labelOf(const Series& series, const char* label, const char* empty) {
    ValueRange range;
    range.add(series.values, series.count);
    return range.any ? label : empty;
}

}  // namespace

void buildStrengthChart(const RunHistory& history, ChartDisplayList* list) {
    beginChart(list);
    const TimeAxis axis = timeAxisOf(history);
    const AxisTitles titles{axis.title, "Top-4 mean strength (dB-Hz)"};
    Series bands[bandCount];
    ValueRange range;
    for (int band = 0; band < bandCount; ++band) {
        bands[band].fill(history, axis, [band](const HistoryPoint& point) {
            return meanOf(point.bands[band].topFourSum, point.bands[band].topFourSamples, 4);
        });
        range.add(bands[band].values, bands[band].count);
    }
    if (!range.any) {
        drawNoData(*list, timePlot, titles);
        return;
    }
    const ChartAxes axes = timeAxes(history, axis, range, false);
    drawAxes(*list, axes, titles);
    drawSeries(*list, axes, bands[0].values, bands[0].count, l1Color, 2);
    drawSeries(*list, axes, bands[1].values, bands[1].count, l5Color, 2);
    const LegendItem legend[] = {
        {labelOf(bands[0], "L1 top-4", "L1 top-4 (no data)"), l1Color, LegendMark::line},
        {labelOf(bands[1], "L5 top-4", "L5 top-4 (no data)"), l5Color, LegendMark::line},
    };
    drawLegendRow(*list, {timePlot.left, 22}, legend, 2);
}

void buildSatelliteChart(const RunHistory& history, ChartDisplayList* list) {
    beginChart(list);
    const TimeAxis axis = timeAxisOf(history);
    const AxisTitles titles{axis.title, "Satellite records"};
    // Tracked L1, used L1, tracked L5, used L5.
    Series series[4];
    ValueRange range;
    for (int i = 0; i < 4; ++i) {
        const int band = i / 2;
        const bool used = i % 2 == 1;
        series[i].fill(history, axis, [band, used](const HistoryPoint& point) {
            const BandHistory& sums = point.bands[band];
            return meanOf(used ? sums.usedSum : sums.trackedSum, point.samples);
        });
        range.add(series[i].values, series[i].count);
    }
    if (!range.any) {
        drawNoData(*list, timePlot, titles);
        return;
    }
    const ChartAxes axes = timeAxes(history, axis, range, true);
    drawAxes(*list, axes, titles);
    const ChartColor colors[4] = {l1Color, l1UsedColor, l5Color, l5UsedColor};
    for (int i = 0; i < 4; ++i) {
        drawSeries(*list, axes, series[i].values, series[i].count, colors[i], 2);
    }
    const LegendItem legend[] = {
        {"L1 tracked", l1Color, LegendMark::line},
        {"L1 used", l1UsedColor, LegendMark::line},
        {"L5 tracked", l5Color, LegendMark::line},
        {"L5 used", l5UsedColor, LegendMark::line},
    };
    drawLegendRow(*list, {timePlot.left, 22}, legend, 4);
}

void buildErrorChart(const RunHistory& history, const std::optional<GeoPoint>& reference,
                     ChartDisplayList* list) {
    beginChart(list);
    const TimeAxis axis = timeAxisOf(history);
    Series errors;
    if (reference && history.anchor()) {
        errors.fill(history, axis, [&](const HistoryPoint& point) {
            return rmsErrorM(point.positions, *history.anchor(), *reference);
        });
    }
    ValueRange range;
    range.add(errors.values, errors.count);
    const DistanceUnit unit = distanceUnitFor(range.high);
    const AxisTitles titles{
        axis.title, unit.metres > 1 ? "Horizontal error, RMS (km)" : "Horizontal error, RMS (m)"};
    if (!range.any) {
        drawNoData(*list, timePlot, titles);
        return;
    }
    for (int i = 0; i < errors.count; ++i) {
        errors.values[i].y /= unit.metres;
    }
    range.high /= unit.metres;
    const ChartAxes axes = timeAxes(history, axis, range, true);
    drawAxes(*list, axes, titles);
    drawSeries(*list, axes, errors.values, errors.count, errorColor, 2);
    const LegendItem legend[] = {
        {"horizontal error from the reference", errorColor, LegendMark::line}};
    drawLegendRow(*list, {timePlot.left, 22}, legend, 1);
}
