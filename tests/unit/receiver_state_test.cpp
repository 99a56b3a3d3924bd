#include "nmea/receiver_state.h"

#include <gtest/gtest.h>

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

// Marks, levels, epoch clears and whole-table clears in random order: the
// noted clears must leave exactly what a sweep of every record leaves.
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
        }
    }
    EXPECT_GT(marksCleared, 1000);  // the clears did meet marked records
}

}  // namespace
