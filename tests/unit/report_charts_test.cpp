#include "report/report_charts.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "report/chart_frame.h"
#include "report/time_charts.h"
#include "stats/position_summary.h"
#include "test_text.h"

namespace {

bool inside(const ChartDisplayList& list, ChartPoint point) {
    return point.x >= 0 && point.x <= list.width && point.y >= 0 && point.y <= list.height;
}

// Every coordinate of every operation lies in the chart, circles whole.
void expectAllInside(const ChartDisplayList& list) {
    for (std::size_t i = 0; i < list.opCount; ++i) {
        const ChartOp& op = list.ops[i];
        EXPECT_TRUE(inside(list, op.a)) << "op " << i;
        if (op.kind == ChartOpKind::rect || op.kind == ChartOpKind::line) {
            EXPECT_TRUE(inside(list, op.b)) << "op " << i;
        }
        if (op.kind == ChartOpKind::circle) {
            EXPECT_TRUE(inside(list, {op.a.x - op.radius, op.a.y - op.radius}) &&
                        inside(list, {op.a.x + op.radius, op.a.y + op.radius}))
                << "circle " << i;
        }
        for (std::int32_t p = 0; p < op.count; ++p) {
            EXPECT_TRUE(inside(list, list.points[op.first + p])) << "op " << i;
        }
    }
}

std::vector<std::string> textsOf(const ChartDisplayList& list) {
    std::vector<std::string> texts;
    for (std::size_t i = 0; i < list.opCount; ++i) {
        if (list.ops[i].kind == ChartOpKind::text) {
            texts.push_back(narrow(list.textOf(list.ops[i]).c_str()));
        }
    }
    return texts;
}

bool hasText(const ChartDisplayList& list, const std::string& wanted) {
    for (const std::string& text : textsOf(list)) {
        if (text == wanted) {
            return true;
        }
    }
    return false;
}

// The data operations (polylines and dots) in the given colour.
std::vector<const ChartOp*> seriesOps(const ChartDisplayList& list, ChartColor color,
                                      ChartOpKind kind) {
    std::vector<const ChartOp*> ops;
    for (std::size_t i = 0; i < list.opCount; ++i) {
        const ChartOp& op = list.ops[i];
        if (op.kind == kind && op.color == color && op.count > 1 - (kind == ChartOpKind::dots)) {
            ops.push_back(&op);
        }
    }
    return ops;
}

void tablesWith(int tracked, int used, int strength, TableSample (&tables)[satTableCount]) {
    for (TableSample& table : tables) {
        table = TableSample();
    }
    for (int i = 0; i < tracked; ++i) {
        tables[0].addRecord(true, i < used, strength);
        tables[5].addRecord(true, false, strength + 2);  // gpsL5
    }
}

GeoPoint offsetPoint(const GeoPoint& from, double northM, double eastM) {
    const double metresPerDegree = std::numbers::pi / 180 * earthRadiusM;
    return {from.lat + northM / metresPerDegree,
            from.lon + eastM / (metresPerDegree * std::cos(from.lat * std::numbers::pi / 180))};
}

// A run without samples: every chart is an empty frame saying "no data",
// with its axis titles and nothing drawn as data.
TEST(ReportCharts, AnEmptyRunDrawsEmptyFramesThatSayNoData) {
    auto statistics = std::make_unique<RunStatistics>();
    auto report = std::make_unique<RunReport>();
    auto charts = std::make_unique<ReportCharts>();
    buildReportCharts(*report, *statistics, charts.get());
    for (const ChartDisplayList* list :
         {&charts->strength, &charts->satellites, &charts->error, &charts->scatter}) {
        EXPECT_TRUE(hasText(*list, "no data"));
        EXPECT_EQ(list->pointCount, 0u);
        EXPECT_GE(textsOf(*list).size(), 3u);  // two titles and "no data"
        expectAllInside(*list);
    }
    EXPECT_TRUE(hasText(charts->scatter, "North of the reference (m)"));
    EXPECT_EQ(charts->scatterSummary.kept, 0);
}

// Ten epochs a second apart: L1's top-4 exists but for two epochs with three
// tracked, and one epoch stands alone between gaps, so L1 draws two lines
// and a dot, all at one height (the value is constant), from the plot's left
// edge on; L5 has no top-4 at all and its legend says so.
TEST(ReportCharts, TimeChartsDrawEachUnbrokenRunAndLeaveGaps) {
    auto history = std::make_unique<RunHistory>();
    TableSample tables[satTableCount];
    const int trackedAt[] = {4, 4, 4, 3, 3, 4, 3, 5, 5, 5};
    for (int i = 0; i < 10; ++i) {
        tablesWith(trackedAt[i], 2, 40, tables);
        tables[5] = TableSample();  // nothing on L5
        history->addSample(i > 0 ? std::optional<std::int32_t>(1000) : std::nullopt, tables,
                           nullptr);
    }
    auto list = std::make_unique<ChartDisplayList>();
    buildStrengthChart(*history, list.get());
    const auto lines = seriesOps(*list, l1Color, ChartOpKind::polyline);
    const auto dots = seriesOps(*list, l1Color, ChartOpKind::dots);
    ASSERT_EQ(lines.size(), 2u);
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_EQ(lines[0]->count, 3);
    EXPECT_EQ(lines[1]->count, 3);
    EXPECT_EQ(dots[0]->count, 1);
    const ChartPoint first = list->points[lines[0]->first];
    EXPECT_EQ(first.x, 70);  // time 0 at the plot's left edge
    for (const ChartOp* op : {lines[0], lines[1], dots[0]}) {
        for (std::int32_t p = 0; p < op->count; ++p) {
            EXPECT_EQ(list->points[op->first + p].y, first.y);
            if (p > 0) {
                EXPECT_GT(list->points[op->first + p].x, list->points[op->first + p - 1].x);
            }
        }
    }
    EXPECT_TRUE(seriesOps(*list, l5Color, ChartOpKind::polyline).empty());
    EXPECT_TRUE(hasText(*list, "L5 top-4 (no data)"));
    EXPECT_TRUE(hasText(*list, "Receiver time since the first epoch (s)"));
    EXPECT_TRUE(hasText(*list, "Top-4 mean strength (dB-Hz)"));
    expectAllInside(*list);

    // Counts start from zero: L1 tracked is highest, L5 used lowest.
    buildSatelliteChart(*history, list.get());
    const auto tracked = seriesOps(*list, l1Color, ChartOpKind::polyline);
    const auto used = seriesOps(*list, l1UsedColor, ChartOpKind::polyline);
    ASSERT_EQ(tracked.size(), 1u);
    ASSERT_EQ(used.size(), 1u);
    EXPECT_EQ(tracked[0]->count, 10);
    EXPECT_LT(list->points[tracked[0]->first + 9].y, list->points[used[0]->first + 9].y);
    EXPECT_TRUE(hasText(*list, "0"));
    expectAllInside(*list);
}

// The x axis: seconds for a short run, minutes and hours for longer ones,
// epoch numbers when the RMC sentences had no time.
TEST(ReportCharts, TheTimeAxisTakesTheRunsUnit) {
    struct Case {
        std::int32_t intervalMs;
        int samples;
        const char* title;
    };
    const Case cases[] = {
        {1000, 30, "Receiver time since the first epoch (s)"},
        {60000, 30, "Receiver time since the first epoch (min)"},
        {3600000, 30, "Receiver time since the first epoch (h)"},
        {0, 30, "Epoch (number of the RMC sample)"},
    };
    auto list = std::make_unique<ChartDisplayList>();
    for (const Case& c : cases) {
        auto history = std::make_unique<RunHistory>();
        TableSample tables[satTableCount];
        tablesWith(6, 4, 35, tables);
        for (int i = 0; i < c.samples; ++i) {
            const std::optional<std::int32_t> interval =
                i > 0 && c.intervalMs > 0 ? std::optional<std::int32_t>(c.intervalMs)
                                          : std::nullopt;
            history->addSample(interval, tables, nullptr);
        }
        buildSatelliteChart(*history, list.get());
        EXPECT_TRUE(hasText(*list, c.title)) << c.title;
        EXPECT_TRUE(hasText(*list, "30") || hasText(*list, "29")) << c.title;  // the axis' end
    }
}

// Values no run should bring (NaN, infinities, the largest doubles) leave
// gaps or sit at the plot's edge: no coordinate leaves the chart.
TEST(ReportCharts, HostileSeriesValuesStayInsideTheChart) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const double big = std::numeric_limits<double>::max();
    const SeriesValue values[] = {{0, 1, true},    {1, nan, true},   {2, inf, true},
                                  {3, -big, true}, {big, big, true}, {5, 7, false},
                                  {nan, 3, true},  {7, 2, true},     {8, -inf, true}};
    auto list = std::make_unique<ChartDisplayList>();
    list->clear(chartWidth, timeChartHeight);
    ChartAxes axes;
    axes.plot = {70, 40, 580, 248};
    axes.x = niceScale(-big, inf, 8);
    axes.y = niceScale(nan, big, 5);
    drawAxes(*list, axes, {"x", "y"});
    const int drawn = drawSeries(*list, axes, values, 9, errorColor, 2);
    EXPECT_EQ(drawn, 4);  // (0, 1) alone, (3, -big) with (big, big), (7, 2) alone
    expectAllInside(*list);
}

struct Scatter {
    std::unique_ptr<SampleStore<GeoPoint>> positions = std::make_unique<SampleStore<GeoPoint>>();
    std::unique_ptr<double[]> errors = std::make_unique<double[]>(sampleWindow);
    PositionReport report;
    std::unique_ptr<ChartDisplayList> list = std::make_unique<ChartDisplayList>();
    ScatterSummary summary;

    void build(const std::optional<GeoPoint>& reference) {
        report = summarizePositions(*positions, static_cast<std::int64_t>(positions->pushedCount()),
                                    reference, errors.get());
        summary = buildScatterChart(*positions, report, list.get());
    }

    const ChartOp* circle(ChartColor color) const {
        for (std::size_t i = 0; i < list->opCount; ++i) {
            if (list->ops[i].kind == ChartOpKind::circle && list->ops[i].color == color &&
                list->ops[i].radius > 6) {  // not the legend's ring
                return &list->ops[i];
            }
        }
        return nullptr;
    }
};

// The CEP circles are the report's numbers on the chart's scale, centred on
// the reference: twice the scatter doubles the axes' labels and keeps the
// circles' pixels, and a radius equals its metres on the tick labels' scale.
TEST(ReportCharts, CepCirclesScaleWithTheAxes) {
    const GeoPoint reference{-33.8568, 151.2153};
    std::int32_t radii[2][2] = {};
    for (int scale = 1; scale <= 2; ++scale) {
        Scatter scatter;
        for (int i = 1; i <= 40; ++i) {
            const double angle = i * 2.4;
            const double metres = scale * (i <= 20 ? 2.0 : 6.0 + i * 0.25);
            scatter.positions->push(
                offsetPoint(reference, metres * std::sin(angle), metres * std::cos(angle)));
        }
        scatter.build(reference);
        const ChartOp* cep50 = scatter.circle(cep50Color);
        const ChartOp* cep95 = scatter.circle(cep95Color);
        ASSERT_NE(cep50, nullptr);
        ASSERT_NE(cep95, nullptr);
        EXPECT_EQ(cep50->a.x, cep95->a.x);
        EXPECT_EQ(cep50->a.x, (70 + 430) / 2);  // the origin is the square plot's centre
        EXPECT_EQ(cep50->a.y, (24 + 384) / 2);
        // 360 pixels span the axis; its ends are the first and last tick labels.
        // The farthest fix is 16 m out: ticks 10 m apart from -20 to 20 m;
        // doubled, 20 m apart from -40 to 40 m.
        const double span = scale == 1 ? 40 : 80;
        EXPECT_TRUE(hasText(*scatter.list, scale == 1 ? "-20" : "-40"));
        EXPECT_TRUE(hasText(*scatter.list, scale == 1 ? "20" : "40"));
        EXPECT_NEAR(cep50->radius, *scatter.report.cep50M / span * 360, 0.51);
        EXPECT_NEAR(cep95->radius, *scatter.report.cep95M / span * 360, 0.51);
        EXPECT_GT(cep95->radius, cep50->radius);
        radii[scale - 1][0] = cep50->radius;
        radii[scale - 1][1] = cep95->radius;
        EXPECT_EQ(scatter.summary.kept, 40);
        EXPECT_EQ(scatter.summary.stride, 1);
        expectAllInside(*scatter.list);
    }
    EXPECT_NEAR(radii[0][0], radii[1][0], 1);
    EXPECT_NEAR(radii[0][1], radii[1][1], 1);
}

// A still receiver is one dot; a long run is thinned to at most
// scatterMostDots; positions half a world apart stay inside the chart.
TEST(ReportCharts, ScatterDotsAreBoundedAndInside) {
    const GeoPoint place{47.0, 8.0};
    Scatter still;
    for (int i = 0; i < 500; ++i) {
        still.positions->push(place);
    }
    still.build(std::nullopt);
    const auto stillDots = seriesOps(*still.list, fixDotColor, ChartOpKind::dots);
    ASSERT_FALSE(stillDots.empty());
    EXPECT_EQ(stillDots[0]->count, 1);
    EXPECT_TRUE(hasText(*still.list, "reference (mean)"));

    Scatter many;
    for (int i = 0; i < 10000; ++i) {
        many.positions->push(offsetPoint(place, (i % 97) * 0.1, (i % 89) * 0.1));
    }
    many.build(place);
    EXPECT_EQ(many.summary.stride, 5);
    const auto manyDots = seriesOps(*many.list, fixDotColor, ChartOpKind::dots);
    ASSERT_FALSE(manyDots.empty());
    EXPECT_LE(manyDots[0]->count, scatterMostDots);
    EXPECT_GT(manyDots[0]->count, 1000);
    EXPECT_TRUE(hasText(*many.list, "reference (given)"));

    Scatter far;
    far.positions->push({89.99, 179.99});
    far.positions->push({-89.99, -179.99});
    far.positions->push({0, 0});
    far.build(GeoPoint{-89.0, 180.0});
    expectAllInside(*far.list);
    EXPECT_NE(far.circle(cep95Color), nullptr);
    // Thousands of kilometres read as kilometres, so the labels fit the margin.
    EXPECT_TRUE(hasText(*far.list, "North of the reference (km)"));
    bool cepInKm = false;
    for (const std::string& text : textsOf(*far.list)) {
        cepInKm = cepInKm || (text.rfind("CEP95 ", 0) == 0 && text.size() < 20 &&
                              text.substr(text.size() - 3) == " km");
        if (text.find_first_not_of("-0123456789") == std::string::npos) {
            EXPECT_LE(text.size(), 6u) << text;  // tick labels
        }
    }
    EXPECT_TRUE(cepInKm);
}

}  // namespace
