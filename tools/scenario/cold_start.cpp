#include "cold_start.h"

#include <algorithm>

namespace skyvane::scenario {

namespace {

constexpr int blindSeconds = 2;
constexpr int timeUnknownSeconds = 3;
constexpr int longestAcquisitionWindow = 40;

}  // namespace

ColdStartTimeline coldStartTimeline(int fixAfterSeconds) {
    const int fix = std::max(0, fixAfterSeconds);
    ColdStartTimeline timeline;
    timeline.firstFixAt = fix;
    timeline.firstSatellitesAt = std::min(blindSeconds, fix);
    timeline.timeKnownAt = std::min(timeUnknownSeconds, fix);
    timeline.firstAcquisitionAt = std::min(timeline.firstSatellitesAt + 1, fix);
    timeline.acquisitionWindow =
        std::min(fix - timeline.firstAcquisitionAt, longestAcquisitionWindow);
    return timeline;
}

}  // namespace skyvane::scenario
