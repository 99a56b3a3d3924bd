#pragma once
// What one sample finds in one table, or in a band's five tables together:
// records in view, tracked and used, and the four largest strengths.

#include "satellite_strength.h"

struct TableSample {
    int inView = 0;
    int tracked = 0;
    int used = 0;
    int topStrengths[4] = {};  // largest first; 0 where fewer are tracked

    // Counts a record; `strength` is its tracked strength, 0 if not tracked.
    // Used counts only records in view: a combined-talker GSA marks its
    // satellites used in the constellation's tables and in the combined
    // ones alike, where they are seldom in view, and a band counting both
    // would report more satellites used than it tracks.
    void addRecord(bool inViewMark, bool usedMark, int strength) {
        inView += inViewMark ? 1 : 0;
        used += usedMark && inViewMark ? 1 : 0;
        if (strength > 0) {
            ++tracked;
            keepStrength(strength);
        }
    }

    // Adds another table's counts, as a band gathers its tables.
    void addTable(const TableSample& table) {
        inView += table.inView;
        tracked += table.tracked;
        used += table.used;
        for (int strength : table.topStrengths) {
            if (strength > 0) {
                keepStrength(strength);
            }
        }
    }

    // The sum of the four largest strengths (the top-4 mean times four), or
    // -1 when fewer than four are tracked.
    int topFourSum() const {
        if (tracked < 4) {
            return -1;
        }
        return topStrengths[0] + topStrengths[1] + topStrengths[2] + topStrengths[3];
    }

private:
    void keepStrength(int strength) {
        int i = 3;
        if (strength <= topStrengths[i]) {
            return;
        }
        for (; i > 0 && topStrengths[i - 1] < strength; --i) {
            topStrengths[i] = topStrengths[i - 1];
        }
        topStrengths[i] = strength;
    }
};
