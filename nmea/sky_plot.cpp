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

const AzimuthTable& azimuthTable() {
    static const AzimuthTable table = [] {
        AzimuthTable t;
        for (int azimuth = 0; azimuth < fullCircle; ++azimuth) {
            t.cosine[azimuth] = std::cos(angleOf(azimuth));
            t.sine[azimuth] = std::sin(angleOf(azimuth));
        }
        return t;
    }();
    return table;
}

}  // namespace

SkyPoint skyPlotPosition(std::int32_t elevation, std::int32_t azimuth) {
    const std::int64_t zenithDistance = 90 - static_cast<std::int64_t>(elevation);
    const double radius = static_cast<double>(zenithDistance) * 0.7;
    double cosine, sine;
    if (azimuth >= 0 && azimuth < fullCircle) {
        cosine = azimuthTable().cosine[azimuth];
        sine = azimuthTable().sine[azimuth];
    } else {
        cosine = std::cos(angleOf(azimuth));
        sine = std::sin(angleOf(azimuth));
    }
    // |radius| stays below 1.6e9, so both coordinates fit a 32-bit integer.
    return SkyPoint{static_cast<std::int32_t>(77 + radius * cosine),
                    static_cast<std::int32_t>(77 + radius * sine)};
}
