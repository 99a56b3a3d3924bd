#include "stats/run_history.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <vector>

#include "stats_run.h"

namespace {

// A sample whose L1 band has `tracked` records of the given strengths (and
// `used` of them used) in the GPS table, and nothing on L5.
void sampleTables(const std::vector<int>& strengths, int used,
                  TableSample (&tables)[satTableCount]) {
    for (TableSample& table : tables) {
        table = TableSample();
    }
    for (std::size_t i = 0; i < strengths.size(); ++i) {
        tables[0].addRecord(true, static_cast<int>(i) < used, strengths[i]);
    }
}

GeoPoint offsetPoint(const GeoPoint& from, double northM, double eastM) {
    const double metresPerDegree = std::numbers::pi / 180 * earthRadiusM;
    return {from.lat + northM / metresPerDegree,
            from.lon + eastM / (metresPerDegree * std::cos(from.lat * std::numbers::pi / 180))};
}

// The RMS error the way the report takes each error, for comparison.
double directRms(const std::vector<GeoPoint>& points, const GeoPoint& reference) {
    double squares = 0;
    for (const GeoPoint& point : points) {
        const LocalOffset offset = offsetFrom(point, reference);
        squares += offset.east * offset.east + offset.north * offset.north;
    }
    return std::sqrt(squares / static_cast<double>(points.size()));
}

// While there is room each sample is a point: its counts, its top-4 only
// with four tracked, its receiver time going forward only, its position.
TEST(RunHistory, EachSampleIsAPointUntilTheRoomIsTaken) {
    auto history = std::make_unique<RunHistory>();
    TableSample tables[satTableCount];
    const GeoPoint place{48.0, 11.0};

    sampleTables({40, 30, 20}, 2, tables);
    history->addSample(std::nullopt, tables, nullptr);
    sampleTables({40, 30, 20, 10, 5}, 4, tables);
    history->addSample(1000, tables, &place);
    history->addSample(-500, tables, &place);  // a step back: the time stays
    history->addSample(2000, tables, nullptr);

    ASSERT_EQ(history->pointCount(), 4);
    EXPECT_EQ(history->samplesPerPoint(), 1);
    EXPECT_EQ(history->elapsedMs(), 3000);
    const std::int64_t elapsed[] = {0, 1000, 1000, 3000};
    for (int i = 0; i < 4; ++i) {
        const HistoryPoint& point = history->point(i);
        EXPECT_EQ(point.firstSample, i);
        EXPECT_EQ(point.samples, 1);
        EXPECT_EQ(point.firstElapsedMs, elapsed[i]);
        EXPECT_EQ(point.lastElapsedMs, elapsed[i]);
        EXPECT_EQ(point.bands[1].trackedSum, 0);
    }
    EXPECT_EQ(history->point(0).bands[0].topFourSamples, 0);
    EXPECT_EQ(history->point(0).bands[0].trackedSum, 3);
    EXPECT_EQ(history->point(0).bands[0].usedSum, 2);
    EXPECT_EQ(history->point(1).bands[0].topFourSamples, 1);
    EXPECT_EQ(history->point(1).bands[0].topFourSum, 100);
    EXPECT_EQ(history->point(1).bands[0].trackedSum, 5);
    EXPECT_EQ(history->point(1).positions.count, 1);
    EXPECT_EQ(history->point(3).positions.count, 0);
    ASSERT_TRUE(history->anchor().has_value());
    EXPECT_EQ(history->anchor()->lat, 48.0);
}

// Past the room, neighbours merge in pairs: the points stay within the
// bound, cover the samples in order without a hole, and keep every sum.
TEST(RunHistory, ALongRunMergesNeighboursAndKeepsEverySum) {
    auto history = std::make_unique<RunHistory>();
    TableSample tables[satTableCount];
    constexpr int sampleCount = 100000;
    std::int64_t tracked = 0;
    for (int i = 0; i < sampleCount; ++i) {
        std::vector<int> strengths(static_cast<std::size_t>(4 + i % 7), 30 + i % 3);
        sampleTables(strengths, 3, tables);
        tracked += static_cast<std::int64_t>(strengths.size());
        const GeoPoint place{10.0, 20.0 + (i % 2) * 1e-5};
        const std::optional<std::int32_t> interval =
            i > 0 ? std::optional<std::int32_t>(100) : std::nullopt;
        history->addSample(interval, tables, i % 5 == 0 ? &place : nullptr);
        if (i == historyPoints) {  // the first merge has just happened
            EXPECT_EQ(history->pointCount(), historyPoints / 2 + 1);
            EXPECT_EQ(history->samplesPerPoint(), 2);
        }
    }
    const int count = history->pointCount();
    EXPECT_LE(count, historyPoints);
    EXPECT_GT(count, historyPoints / 2);
    EXPECT_EQ(history->samplesPerPoint(), 256);  // 100,000 / 256 = 390.6 points
    std::int64_t samples = 0;
    std::int64_t trackedSum = 0;
    std::int64_t positions = 0;
    for (int i = 0; i < count; ++i) {
        const HistoryPoint& point = history->point(i);
        EXPECT_EQ(point.firstSample, samples) << i;
        EXPECT_EQ(point.firstElapsedMs, 100 * point.firstSample) << i;
        EXPECT_EQ(point.lastElapsedMs, 100 * (point.firstSample + point.samples - 1)) << i;
        if (i + 1 < count) {
            EXPECT_EQ(point.samples, history->samplesPerPoint()) << i;
        }
        samples += point.samples;
        trackedSum += point.bands[0].trackedSum;
        positions += point.positions.count;
        EXPECT_EQ(point.bands[0].topFourSamples, point.samples);
    }
    EXPECT_EQ(samples, sampleCount);
    EXPECT_EQ(trackedSum, tracked);
    EXPECT_EQ(positions, sampleCount / 5);
    EXPECT_EQ(history->elapsedMs(), 100LL * (sampleCount - 1));

    history->clear();
    EXPECT_EQ(history->pointCount(), 0);
    EXPECT_EQ(history->samplesPerPoint(), 1);
    EXPECT_FALSE(history->anchor().has_value());
}

// The RMS error from the moments equals the one taken error by error, from
// the first position, from elsewhere, in the south-west and across 180.
TEST(RunHistory, RmsErrorFromMomentsEqualsTheDirectOne) {
    struct Case {
        GeoPoint anchor;
        GeoPoint reference;
    };
    const GeoPoint munich{48.1394, 11.5660};
    const Case cases[] = {
        {munich, munich},
        {munich, offsetPoint(munich, -20, 35)},
        {{-33.8568, -151.2153}, {-33.8569, -151.2150}},
        {{0.5, 179.99999}, {0.5, -179.99999}},
    };
    for (const Case& c : cases) {
        auto history = std::make_unique<RunHistory>();
        TableSample tables[satTableCount];
        std::vector<GeoPoint> points;
        for (int i = 0; i < 9; ++i) {
            points.push_back(offsetPoint(c.anchor, (i % 3) * 1.5 - 1.0, (i / 3) * 2.0 - 0.5));
        }
        points[0] = c.anchor;
        for (const GeoPoint& point : points) {
            history->addSample(1000, tables, &point);
        }
        PositionMoments all;
        for (int i = 0; i < history->pointCount(); ++i) {
            const PositionMoments& m = history->point(i).positions;
            all.count += m.count;
            all.latSum += m.latSum;
            all.lonSum += m.lonSum;
            all.latSquareSum += m.latSquareSum;
            all.lonSquareSum += m.lonSquareSum;
        }
        const std::optional<double> rms = rmsErrorM(all, *history->anchor(), c.reference);
        ASSERT_TRUE(rms.has_value());
        EXPECT_NEAR(*rms, directRms(points, c.reference), 1e-4) << c.reference.lon;
    }
    // One position at the reference: no error, and never a NaN from rounding.
    PositionMoments one;
    one.count = 1;
    EXPECT_EQ(rmsErrorM(one, munich, munich), 0.0);
    EXPECT_FALSE(rmsErrorM(PositionMoments(), munich, munich).has_value());
}

// Fed from the statistics' own path: a sample after each parsed RMC, the
// interval between RMC times, the position only at a fix; a new run forgets.
TEST(RunHistory, TheStatisticsFeedItASampleAfterEachRmc) {
    StatsRun run;
    const std::string gsvLine = gsv("$GPGSV", {{1, 40}, {2, 38}, {3, 36}, {4, 34}, {5, 0}});
    run.feed(gsvLine + rmc("120000.00", "V") + gsvLine + fixRmc("120001.00") + gsvLine +
             fixRmc("120003.00") + rmc("", "V"));
    const RunHistory& history = run.statistics->history();
    ASSERT_EQ(history.pointCount(), 4);
    EXPECT_EQ(history.point(0).positions.count, 0);
    EXPECT_EQ(history.point(1).positions.count, 1);
    EXPECT_EQ(history.point(2).positions.count, 1);
    EXPECT_EQ(history.point(2).firstElapsedMs, 3000);
    EXPECT_EQ(history.point(3).firstElapsedMs, 3000);  // no time: no interval
    EXPECT_EQ(history.point(1).bands[0].trackedSum, 4);
    EXPECT_EQ(history.point(1).bands[0].topFourSum, 148);
    run.statistics->startRun(RunSource::recording);
    EXPECT_EQ(run.statistics->history().pointCount(), 0);
}

}  // namespace
