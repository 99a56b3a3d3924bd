#include "nmea/receiver_state.h"

#include <gtest/gtest.h>

#include <bitset>
#include <memory>
#include <random>
#include <tuple>

namespace {

auto fieldsOf(const SatRecord& r) {
    return std::tie(r.inView, r.usedInFix, r.snr, r.plotX, r.plotY, r.prn);
}

// The epoch clears as they once were: every record swept. Returns the number
// of marks removed.
int sweep(ReceiverState& state, bool inView) {
    int removed = 0;
    for (SatTable& table : state.tables) {
        for (SatRecord& r : table.records) {
            removed += inView ? r.inView : r.usedInFix;
            (inView ? r.inView : r.usedInFix) = 0;
            r.prn = inView ? 0 : r.prn;
        }
    }
    return removed;
}

// The records forEachMarked visits, and those a sweep finds with a mark.
std::bitset<satTableSize> markedVisited(const SatTable& table) {
    std::bitset<satTableSize> visited;
    int previous = -1;
    table.forEachMarked([&](int number) {
        EXPECT_GT(number, previous);  // ascending, each once
        previous = number;
        visited.set(number);
    });
    return visited;
}

std::bitset<satTableSize> markedSwept(const SatTable& table) {
    std::bitset<satTableSize> marked;
    for (int n = 0; n < satTableSize; ++n) {
        marked[n] = table.records[n].inView != 0 || table.records[n].usedInFix != 0;
    }
    return marked;
}

// Marks, levels, epoch clears and whole-table clears in random order: the
// noted clears must leave exactly what a sweep of every record leaves, and
// the marked records visited must be those a sweep finds marked.
TEST(ReceiverState, EpochClearsLeaveWhatASweepOfEveryRecordLeaves) {
    auto noted = std::make_unique<ReceiverState>();
    auto swept = std::make_unique<ReceiverState>();
    std::mt19937 random(2024);
    int marksCleared = 0;
    for (int step = 0; step < 20000; ++step) {
        const SatTableId id = static_cast<SatTableId>(random() % satTableCount);
        const int number = static_cast<int>(random() % satTableSize);
        const auto action = random() % 100;
        if (action < 98 && action >= 80) {
            const bool inView = action < 89;
            inView ? noted->clearInView() : noted->clearUsedInFix();
            marksCleared += sweep(*swept, inView);
        }
        for (ReceiverState* state : {noted.get(), swept.get()}) {
            if (action < 40) {
                state->table(id).markInView(number);
                state->table(id).records[number].snr = step;
            } else if (action < 80) {
                state->table(id).markUsedInFix(number);
            } else if (action >= 98) {
                action == 98 ? state->clearL1() : state->clearAll();
            }
        }
        for (int t = 0; t < satTableCount; ++t) {
            for (int n = 0; n < satTableSize; ++n) {
                ASSERT_EQ(fieldsOf(noted->tables[t].records[n]),
                          fieldsOf(swept->tables[t].records[n]))
                    << "step " << step << " table " << t << " record " << n;
            }
            ASSERT_EQ(markedVisited(noted->tables[t]), markedSwept(swept->tables[t]))
                << "step " << step << " table " << t;
        }
    }
    EXPECT_GT(marksCleared, 1000);  // the clears did meet marked records
}

}  // namespace
