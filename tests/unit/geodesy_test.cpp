#include "stats/geodesy.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

TEST(Geodesy, LongitudeDifferencesInTheHalfOpenCircle) {
    const struct {
        double lon, lonRef, difference;
    } cases[] = {
        {10, 5, 5},    {5, 10, -5},   {179.9, -179.9, -0.2}, {-179.9, 179.9, 0.2}, {180, -180, 0},
        {0, 180, 180}, {180, 0, 180}, {-180, 0, 180},        {90, -90, 180},       {-90, 90, 180},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(longitudeDifference(c.lon, c.lonRef), c.difference, 1e-9)
            << c.lon << " - " << c.lonRef;
    }
}

TEST(Geodesy, OffsetsAndMeansOnTheReportsSphere) {
    const double perDegree = 6371008.8 * std::numbers::pi / 180;  // 111,195.08 m
    const LocalOffset northEast = offsetFrom({60.001, 10.002}, {60, 10});
    EXPECT_NEAR(northEast.north, 0.001 * perDegree, 1e-6);
    EXPECT_NEAR(northEast.east, 0.002 * perDegree * 0.5, 1e-6);  // cos 60 = 1/2
    const LocalOffset acrossTheDateLine = offsetFrom({-10, -179.999}, {-10, 179.999});
    EXPECT_NEAR(acrossTheDateLine.east, 0.002 * perDegree * std::cos(10 * std::numbers::pi / 180),
                1e-6);
    EXPECT_NEAR(acrossTheDateLine.north, 0, 1e-9);

    MeanPosition mean;
    for (const GeoPoint& p : {GeoPoint{1, 179.5}, GeoPoint{2, -179.5}, GeoPoint{3, -179}}) {
        mean.add(p);
    }
    EXPECT_EQ(mean.count(), 3);
    EXPECT_NEAR(mean.mean().lat, 2, 1e-12);
    EXPECT_NEAR(mean.mean().lon, -179.666666666667, 1e-9);  // (179.5 + 180.5 + 181) / 3 - 360
}

}  // namespace
