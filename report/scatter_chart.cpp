#include "scatter_chart.h"

#include <cmath>
#include <string>

#include "chart_frame.h"
#include "stats/json_text.h"

namespace {

constexpr std::int32_t plotSize = 360;
constexpr PlotBox scatterPlot{70, 24, 70 + plotSize, 24 + plotSize};
constexpr AxisTitles scatterTitles{"East of the reference (m)", "North of the reference (m)"};
constexpr AxisTitles scatterTitlesKm{"East of the reference (km)", "North of the reference (km)"};
constexpr std::int32_t crossArm = 7;

double finiteOr(const std::optional<double>& value, double fallback) {
    return value && std::isfinite(*value) ? *value : fallback;
}

// The largest east or north offset among the drawn positions.
double extentOf(const SampleStore<GeoPoint>& positions, const GeoPoint& reference,
                std::int64_t stride) {
    double extent = 0;
    for (std::size_t i = 0; i < positions.size(); i += static_cast<std::size_t>(stride)) {
        const LocalOffset offset = offsetFrom(positions.at(i), reference);
        const double larger = std::fmax(std::fabs(offset.east), std::fabs(offset.north));
        extent = std::isfinite(larger) ? std::fmax(extent, larger) : extent;
    }
    return extent;
}

void drawDots(ChartDisplayList& list, const ChartAxes& axes, const SampleStore<GeoPoint>& positions,
              const GeoPoint& reference, std::int64_t stride, const DistanceUnit& unit) {
    ChartOp* op = list.add(ChartOpKind::dots, fixDotColor);
    if (op == nullptr) {
        return;
    }
    op->width = 4;
    ChartPoint previous{-1, -1};
    for (std::size_t i = 0; i < positions.size(); i += static_cast<std::size_t>(stride)) {
        const LocalOffset offset = offsetFrom(positions.at(i), reference);
        const ChartPoint point = axes.at(offset.east / unit.metres, offset.north / unit.metres);
        if (point.x != previous.x || point.y != previous.y) {  // a still receiver: one dot
            list.addPoint(point);
            previous = point;
        }
    }
}

void drawCircle(ChartDisplayList& list, const ChartAxes& axes, const std::optional<double>& radiusM,
                const DistanceUnit& unit, ChartColor color) {
    if (!radiusM || !std::isfinite(*radiusM)) {
        return;
    }
    if (ChartOp* op = list.add(ChartOpKind::circle, color)) {
        op->a = axes.at(0, 0);
        op->radius = axes.xLength(*radiusM / unit.metres);
        op->width = 2;
    }
}

void drawCross(ChartDisplayList& list, ChartPoint at) {
    const ChartPoint ends[2][2] = {{{at.x - crossArm, at.y}, {at.x + crossArm, at.y}},
                                   {{at.x, at.y - crossArm}, {at.x, at.y + crossArm}}};
    for (const auto& end : ends) {
        if (ChartOp* op = list.add(ChartOpKind::line, chartInk)) {
            op->a = end[0];
            op->b = end[1];
            op->width = 2;
        }
    }
}

// "CEP50 1.23 m"; the label lives in the list's own text store once added.
void cepLabel(char* text, std::size_t size, const char* name, const std::optional<double>& m,
              const DistanceUnit& unit) {
    std::string number;  // short enough to stay in the string itself
    if (m) {
        appendFixed(number, *m / unit.metres, 2);
    }
    std::snprintf(text, size, "%s %s %s", name, m ? number.c_str() : "-", unit.name);
}

}  // namespace

ScatterSummary buildScatterChart(const SampleStore<GeoPoint>& positions,
                                 const PositionReport& position, ChartDisplayList* list) {
    list->clear(chartWidth, scatterChartHeight);
    ScatterSummary summary;
    summary.kept = static_cast<std::int64_t>(positions.size());
    summary.stride = (summary.kept + scatterMostDots - 1) / scatterMostDots;
    summary.stride = summary.stride < 1 ? 1 : summary.stride;
    if (summary.kept == 0 || !position.reference.lat || !position.reference.lon) {
        drawNoData(*list, scatterPlot, scatterTitles);
        return summary;
    }
    const GeoPoint reference{*position.reference.lat, *position.reference.lon};
    double extent = extentOf(positions, reference, summary.stride);
    extent = std::fmax(extent, finiteOr(position.cep95M, 0));
    extent = std::fmax(extent, finiteOr(position.cep50M, 0));
    const DistanceUnit unit = distanceUnitFor(extent);
    extent /= unit.metres;
    ChartAxes axes;
    axes.plot = scatterPlot;
    axes.x = niceScale(-extent, extent > 0 ? extent : 1, 6);
    axes.y = axes.x;
    drawAxes(*list, axes, unit.metres > 1 ? scatterTitlesKm : scatterTitles);
    drawDots(*list, axes, positions, reference, summary.stride, unit);
    drawCircle(*list, axes, position.cep95M, unit, cep95Color);
    drawCircle(*list, axes, position.cep50M, unit, cep50Color);
    drawCross(*list, axes.at(0, 0));
    char cep50[40];
    char cep95[40];
    cepLabel(cep50, sizeof cep50, "CEP50", position.cep50M, unit);
    cepLabel(cep95, sizeof cep95, "CEP95", position.cep95M, unit);
    const LegendItem legend[] = {
        {"fixes", fixDotColor, LegendMark::dot},
        {cep50, cep50Color, LegendMark::ring},
        {cep95, cep95Color, LegendMark::ring},
        {position.reference.given ? "reference (given)" : "reference (mean)", chartInk,
         LegendMark::cross},
    };
    drawLegendColumn(*list, {scatterPlot.right + 16, scatterPlot.top + 14}, legend, 4);
    return summary;
}
