#include "nmea/receiver_state.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <memory>
#include <random>
#include <string>

#include "replay_session.h"
#include "scenario.h"

namespace {

// The epoch clears as they were before marks were noted: every record swept.
void sweepInView(ReceiverState& state) {
    for (SatTable& table : state.tables) {
        for (SatRecord& record : table.records) {
            record.inView = 0;
            record.prn = 0;
        }
    }
}

void sweepUsedInFix(ReceiverState& state) {
    for (SatTable& table : state.tables) {
        for (SatRecord& record : table.records) {
            record.usedInFix = 0;
        }
    }
}

::testing::AssertionResult sameRecords(const ReceiverState& a, const ReceiverState& b) {
    for (int t = 0; t < satTableCount; ++t) {
        for (int n = 0; n < satTableSize; ++n) {
            const SatRecord& x = a.tables[t].records[n];
            const SatRecord& y = b.tables[t].records[n];
            if (x.inView != y.inView || x.usedInFix != y.usedInFix || x.snr != y.snr ||
                x.plotX != y.plotX || x.plotY != y.plotY || x.prn != y.prn) {
                return ::testing::AssertionFailure() << "table " << t << " record " << n;
            }
        }
    }
    return ::testing::AssertionSuccess();
}

// Marks, levels, epoch clears and whole-table clears in random order: the
// noted clears must leave exactly what sweeping every record leaves.
TEST(ReceiverState, EpochClearsLeaveWhatASweepOfEveryRecordLeaves) {
    auto noted = std::make_unique<ReceiverState>();
    auto swept = std::make_unique<ReceiverState>();
    std::mt19937 random(2024);
    int inViewClears = 0, marksCleared = 0;
    for (int step = 0; step < 20000; ++step) {
        const SatTableId table = static_cast<SatTableId>(random() % satTableCount);
        const int number = static_cast<int>(random() % satTableSize);
        const unsigned action = random() % 100;
        if (action < 40) {
            noted->table(table).markInView(number);
            swept->table(table).markInView(number);
            noted->table(table).records[number].snr = swept->table(table).records[number].snr =
                step;
        } else if (action < 80) {
            noted->table(table).markUsedInFix(number);
            swept->table(table).markUsedInFix(number);
        } else if (action < 89) {
            for (const SatTable& each : noted->tables) {
                for (const SatRecord& record : each.records) {
                    marksCleared += record.inView;
                }
            }
            noted->clearInView();
            sweepInView(*swept);
            ++inViewClears;
        } else if (action < 98) {
            noted->clearUsedInFix();
            sweepUsedInFix(*swept);
        } else if (action < 99) {
            noted->clearL1();
            swept->clearL1();
        } else {
            noted->clearAll();
            swept->clearAll();
        }
        ASSERT_TRUE(sameRecords(*noted, *swept)) << "step " << step;
    }
    EXPECT_GT(inViewClears, 1000);
    EXPECT_GT(marksCleared, 1000);  // the clears did meet marked records
}

std::string edgeCases() {
    std::ifstream in(SKYVANE_SOURCE_DIR "/tests/golden/edge-cases.nmea", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Whatever the parsers mark along a drive and the awkward lines, an epoch
// start afterwards must leave no mark behind.
TEST(ReceiverState, EveryMarkTheParsersSetIsClearedByTheNextEpoch) {
    ScenarioOptions drive;
    drive.seconds = 120;
    for (const std::string& stream : {generateScenario(drive), edgeCases()}) {
        ASSERT_GT(stream.size(), 1000u);
        auto session = std::make_unique<ReplaySession>(100);
        auto copy = std::make_unique<ReceiverState>();
        int marked = 0, breaches = 0;
        session->feed(reinterpret_cast<const std::uint8_t*>(stream.data()), stream.size(), [&] {
            *copy = session->state;
            copy->clearInView();
            copy->clearUsedInFix();
            for (int t = 0; t < satTableCount; ++t) {
                for (int n = 0; n < satTableSize; ++n) {
                    const SatRecord& before = session->state.tables[t].records[n];
                    const SatRecord& after = copy->tables[t].records[n];
                    marked += before.inView != 0 || before.usedInFix != 0;
                    breaches += after.inView != 0 || after.usedInFix != 0 || after.prn != 0;
                }
            }
        });
        EXPECT_GT(marked, 0);
        EXPECT_EQ(breaches, 0);
    }
}

}  // namespace
