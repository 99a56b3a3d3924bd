#include "cold_start.h"

#include <algorithm>

namespace skyvane::scenario {

namespace {

constexpr int kBlindSeconds = 2;
constexpr int kTimeUnknownSeconds = 3;
constexpr int kLongestAcquisitionWindow = 40;

}  // namespace

ColdStartTimeline coldStartTimeline(int fixAfterSeconds) {
    const int fix = std::max(0, fixAfterSeconds);
    ColdStartTimeline timeline;
    timeline.firstFixAt = fix;
    timeline.firstSatellitesAt = std::min(kBlindSeconds, fix);
    timeline.timeKnownAt = std::min(kTimeUnknownSeconds, fix);
    timeline.firstAcquisitionAt = std::min(timeline.firstSatellitesAt + 1, fix);
    timeline.acquisitionWindow =
        std::min(fix - timeline.firstAcquisitionAt, kLongestAcquisitionWindow);
    return timeline;
}

}  // namespace skyvane::scenario
