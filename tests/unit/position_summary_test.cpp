#include "stats/position_summary.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <string>
#include <vector>

#include "stats_run.h"

namespace {

// Metres in a degree of latitude on the report's sphere.
const double metresPerDegree = earthRadiusM * std::numbers::pi / 180;

struct Place {
    const char* lat;
    const char* ns;
    const char* lon;
    const char* ew;
};

PositionReport positionsOf(const std::vector<Place>& places,
                           const std::optional<GeoPoint>& reference = std::nullopt) {
    StatsRun run;
    int second = 0;
    for (const Place& p : places) {
        char time[16];
        std::snprintf(time, sizeof time, "1200%02d", second++ % 60);
        run.feed(rmc(time, "A", p.lat, p.ns, p.lon, p.ew));
    }
    ReportInputs inputs;
    inputs.reference = reference;
    return run.build(inputs).position;
}

// Every field, numbers to a micrometre (the expected ones are worked from
// the definitions, not copied from the code); longitudes as the same
// meridian, so 180 and -180 agree.
void expectPosition(const PositionReport& actual, const PositionReport& wanted,
                    const std::string& label) {
    EXPECT_EQ(actual.fixes, wanted.fixes) << label;
    EXPECT_EQ(actual.reference.given, wanted.reference.given) << label;
    auto near = [&](const std::optional<double>& a, const std::optional<double>& w,
                    const char* name, bool longitude = false) {
        ASSERT_EQ(a.has_value(), w.has_value()) << label << ": " << name;
        if (a) {
            const double difference = longitude ? longitudeDifference(*a, *w) : *a - *w;
            EXPECT_NEAR(difference, 0, 1e-6) << label << ": " << name << " " << *a << " " << *w;
        }
    };
    near(actual.reference.lat, wanted.reference.lat, "lat");
    near(actual.reference.lon, wanted.reference.lon, "lon", true);
    near(actual.meanEastM, wanted.meanEastM, "meanEastM");
    near(actual.meanNorthM, wanted.meanNorthM, "meanNorthM");
    near(actual.cep50M, wanted.cep50M, "cep50M");
    near(actual.cep95M, wanted.cep95M, "cep95M");
    near(actual.drms2M, wanted.drms2M, "drms2M");
    near(actual.maxErrorM, wanted.maxErrorM, "maxErrorM");
}

PositionReport expected(std::int64_t fixes, std::optional<double> lat, std::optional<double> lon,
                        bool given, double east, double north, double cep50, double cep95,
                        double drms2, double maxError) {
    PositionReport p;
    p.fixes = fixes;
    p.reference = {lat, lon, given};
    p.meanEastM = east;
    p.meanNorthM = north;
    p.cep50M = cep50;
    p.cep95M = cep95;
    p.drms2M = drms2;
    p.maxErrorM = maxError;
    return p;
}

// Four fixes a thousandth of a degree north, south, east and west of
// 33.5 S 70.5 W: their mean is that point; the errors are 0.001 degree of
// latitude (111.195 m) twice and 0.001 degree of longitude, times cos 33.5,
// (92.706 m) twice.
const std::vector<Place> southWest = {{"3329.9400", "S", "07030.0000", "W"},
                                      {"3330.0600", "S", "07030.0000", "W"},
                                      {"3330.0000", "S", "07029.9400", "W"},
                                      {"3330.0000", "S", "07030.0600", "W"}};

TEST(PositionSummary, SouthWestAroundTheMeanAndAroundAGivenReference) {
    const double northStep = 0.001 * metresPerDegree;
    const double eastStep = northStep * std::cos(33.5 * std::numbers::pi / 180);
    const double drms2 = 2 * std::sqrt((2 * northStep * northStep + 2 * eastStep * eastStep) / 4);
    expectPosition(positionsOf(southWest),
                   expected(4, -33.5, -70.5, false, 0, 0, eastStep, northStep, drms2, northStep),
                   "around the mean");

    // From the second fix: the first is two steps north, the others one step
    // north and one east or west (at that latitude's cosine).
    const GeoPoint second{-33.501, -70.5};
    const double north = 0.001 * metresPerDegree;
    const double east = north * std::cos(33.501 * std::numbers::pi / 180);
    const double side = std::sqrt(north * north + east * east);
    const double squares = 4 * north * north + 2 * side * side;
    expectPosition(positionsOf(southWest, second),
                   expected(4, -33.501, -70.5, true, 0, north, side, 2 * north,
                            2 * std::sqrt(squares / 4), 2 * north),
                   "around the second fix");
}

// Either side of the 180th meridian: a fifth of a kilometre apart, not the
// Earth's circumference; the mean is on the meridian.
TEST(PositionSummary, LongitudesAcrossTheDateLine) {
    const std::vector<Place> places = {{"0000.0000", "N", "17959.9400", "E"},
                                       {"0000.0000", "N", "17959.9400", "W"}};
    const double step = 0.001 * metresPerDegree;
    expectPosition(positionsOf(places),
                   expected(2, 0, 180, false, 0, 0, step, step, 2 * step, step), "around the mean");
    expectPosition(positionsOf(places, GeoPoint{0, -179.999}),
                   expected(2, 0, -179.999, true, -step, 0, 0, 2 * step,
                            2 * std::sqrt(4 * step * step / 2), 2 * step),
                   "around the western fix");
}

TEST(PositionSummary, FieldsThatAreNoPosition) {
    const std::vector<Place> refused = {
        {"9000.0001", "N", "00000.0000", "E"},   // beyond 90 degrees
        {"0000.0000", "N", "18000.0001", "E"},   // beyond 180 degrees
        {"4560.0000", "N", "00000.0000", "E"},   // 60 minutes
        {"4500.0000", "N", "00060.0000", "E"},   // 60 minutes
        {"450.0000", "N", "00000.0000", "E"},    // three latitude digits
        {"4500.0000", "N", "0000.0000", "E"},    // four longitude digits
        {"4500.", "N", "00000.0000", "E"},       // "." without digits
        {"4500.00x0", "N", "00000.0000", "E"},   // a letter
        {"-450.0000", "N", "00000.0000", "E"},   // a sign
        {"4500.0000", "n", "00000.0000", "E"},   // lower case
        {"4500.0000", "NS", "00000.0000", "E"},  // two letters
        {"4500.0000", "N", "00000.0000", "W "},  // a space
        {"4500.0000", "", "00000.0000", "E"},    // no hemisphere
    };
    for (const Place& place : refused) {
        const std::string label = std::string(place.lat) + place.ns + " " + place.lon + place.ew;
        expectPosition(positionsOf({place}), PositionReport{}, label);
    }
    // The limits themselves, and digits beyond the ninth of the minutes.
    expectPosition(positionsOf({{"9000", "S", "18000.000000000000", "W"}}),
                   expected(1, -90, 180, false, 0, 0, 0, 0, 0, 0), "the south pole");
}

TEST(PositionSummary, NoFixNoPositionButAGivenReferenceStands) {
    StatsRun run;
    run.feed(rmc("120000", "V", "4500.0000", "N", "00700.0000", "E"));
    run.feed(rmc("120001", "A", "", "", "", ""));
    expectPosition(run.build().position, PositionReport{}, "no position");
    ReportInputs inputs;
    inputs.reference = GeoPoint{45, 7};
    PositionReport given;
    given.reference = {45.0, 7.0, true};
    expectPosition(run.build(inputs).position, given, "a given reference");
}

}  // namespace
