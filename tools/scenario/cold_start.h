#pragma once

namespace skyvane::scenario {

// Milestones of a cold start, as elapsed seconds since power-on. A fix after a few seconds
// only pulls every earlier milestone forward with it: nothing can come after the fix.
struct ColdStartTimeline {
    int firstSatellitesAt = 0;   // first epoch that lists satellites (still searching)
    int timeKnownAt = 0;         // first epoch with UTC time and date
    int firstAcquisitionAt = 0;  // first signal level
    int acquisitionWindow = 0;   // seconds over which the satellites up at power-on are locked
    int firstFixAt = 0;
};

ColdStartTimeline coldStartTimeline(int fixAfterSeconds);

}  // namespace skyvane::scenario
