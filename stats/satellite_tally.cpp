#include "satellite_tally.h"

void SatelliteTally::clear() {
    for (int table = 0; table < satTableCount; ++table) {
        listed[table].drain([&](int number) { records[table][number] = SatelliteCounts(); });
    }
    // Only the slots handed out hold counts.
    for (int slot = 0; slot < poolUsed; ++slot) {
        for (std::uint32_t& bin : pool[slot]) {
            bin = 0;
        }
    }
    poolUsed = 0;
    pastPool = 0;
    clamped = 0;
}

void SatelliteTally::addRecord(int table, int number, const SatRecord& record, int strength) {
    SatelliteCounts& counts = records[table][number];
    if (!counts.listed) {
        counts.listed = true;
        listed[table].add(number);
    }
    counts.inView += record.inView != 0 ? 1 : 0;
    counts.used += record.usedInFix != 0 ? 1 : 0;
    clamped += strengthClamped(record) ? 1 : 0;
    if (strength > 0) {
        addStrength(counts, strength);
    }
}

void SatelliteTally::addStrength(SatelliteCounts& counts, int strength) {
    if (counts.tracked == 0) {
        counts.minStrength = counts.maxStrength = static_cast<std::uint8_t>(strength);
        if (poolUsed < strengthPoolSize) {
            counts.poolSlot = static_cast<std::int16_t>(poolUsed++);
        } else {
            ++pastPool;
        }
    }
    ++counts.tracked;
    counts.strengthSum += static_cast<std::uint64_t>(strength);
    counts.minStrength =
        strength < counts.minStrength ? static_cast<std::uint8_t>(strength) : counts.minStrength;
    counts.maxStrength =
        strength > counts.maxStrength ? static_cast<std::uint8_t>(strength) : counts.maxStrength;
    if (counts.poolSlot >= 0) {
        ++pool[counts.poolSlot][strength];
    }
}

const std::uint32_t* SatelliteTally::strengthHistogram(const SatelliteCounts& counts) const {
    return counts.poolSlot >= 0 ? pool[counts.poolSlot] : nullptr;
}
