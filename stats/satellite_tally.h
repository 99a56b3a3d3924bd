#pragma once
// Per satellite record (table and number): the samples it was in view,
// tracked and used in, and its strength over the samples it was tracked.
// Counts, minimum, maximum and mean are kept for every record; the exact
// strength histograms its percentiles need come from a fixed pool of
// strengthPoolSize, handed out as satellites are first tracked. A satellite
// tracked first once the pool is spent has no percentiles (null), and the
// report counts such satellites.

#include <cstdint>

#include "nmea/marked_numbers.h"
#include "nmea/receiver_state.h"
#include "satellite_strength.h"

// Far more than the satellites of four constellations on two bands; only
// noise fills it.
constexpr int strengthPoolSize = 512;

struct SatelliteCounts {
    std::uint32_t inView = 0;
    std::uint32_t tracked = 0;
    std::uint32_t used = 0;
    std::uint64_t strengthSum = 0;
    std::uint8_t minStrength = 0;
    std::uint8_t maxStrength = 0;
    bool listed = false;         // had either mark in a sample
    std::int16_t poolSlot = -1;  // its strength histogram, -1 for none
};

using StrengthBins = std::uint32_t[maxStrength + 1];

class SatelliteTally {
public:
    void clear();
    // A record with either mark, at a sample; `strength` as trackedStrength().
    void addRecord(int table, int number, const SatRecord& record, int strength);

    const SatelliteCounts& counts(int table, int number) const { return records[table][number]; }

    // Calls visit(table, number) for every listed record, by table then number.
    template <typename Visit>
    void forEachListed(Visit&& visit) const {
        for (int table = 0; table < satTableCount; ++table) {
            for (int w = 0; w < MarkedNumbers::wordCount; ++w) {
                for (std::uint64_t bits = listed[table].word(w); bits != 0; bits &= bits - 1) {
                    visit(table, w * 64 + std::countr_zero(bits));
                }
            }
        }
    }
    // Null for a satellite without a pool slot.
    const std::uint32_t* strengthHistogram(const SatelliteCounts& counts) const;
    int satellitesPastPool() const { return pastPool; }
    // Tracked readings above maxStrength, counted as maxStrength.
    std::uint64_t strengthsClamped() const { return clamped; }

private:
    void addStrength(SatelliteCounts& counts, int strength);

    SatelliteCounts records[satTableCount][satTableSize];
    MarkedNumbers listed[satTableCount];  // so a clear visits only those
    StrengthBins pool[strengthPoolSize];
    int poolUsed = 0;
    int pastPool = 0;
    std::uint64_t clamped = 0;
};
