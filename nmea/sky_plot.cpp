#include "sky_plot.h"

#include <cmath>

namespace {

constexpr int fullCircle = 360;

// Exact integer difference first, so out-of-range fields cannot overflow.
double angleOf(std::int32_t azimuth) {
    const std::int64_t turned = static_cast<std::int64_t>(azimuth) - 90;
    return static_cast<double>(turned) * 3.14159 / 180;
}

// The cosine and sine of every whole azimuth a receiver reports, worked out
// once: most GSV groups would otherwise cost a trigonometric call each.
struct AzimuthTable {
    double cosine[fullCircle];
    double sine[fullCircle];
};

AzimuthTable makeAzimuthTable() {
    AzimuthTable table;
    for (int azimuth = 0; azimuth < fullCircle; ++azimuth) {
        table.cosine[azimuth] = std::cos(angleOf(azimuth));
        table.sine[azimuth] = std::sin(angleOf(azimuth));
    }
    return table;
}

// Made when the program starts rather than at the first use, so that a
// position needs no test of whether the table is there yet.
const AzimuthTable azimuthTable = makeAzimuthTable();

// |radius| stays below 1.6e9, so both coordinates fit a 32-bit integer.
SkyPoint pointAt(double radius, double cosine, double sine) {
    return SkyPoint{static_cast<std::int32_t>(77 + radius * cosine),
                    static_cast<std::int32_t>(77 + radius * sine)};
}

// Kept apart from the table's path, which every GSV group takes, so that
// path needs none of the registers the library calls would.
SkyPoint offTablePosition(double radius, std::int32_t azimuth) {
    return pointAt(radius, std::cos(angleOf(azimuth)), std::sin(angleOf(azimuth)));
}

}  // namespace

SkyPoint skyPlotPosition(std::int32_t elevation, std::int32_t azimuth) {
    const std::int64_t zenithDistance = 90 - static_cast<std::int64_t>(elevation);
    const double radius = static_cast<double>(zenithDistance) * 0.7;
    if (azimuth < 0 || azimuth >= fullCircle) {
        return offTablePosition(radius, azimuth);
    }
    return pointAt(radius, azimuthTable.cosine[azimuth], azimuthTable.sine[azimuth]);
}
