#pragma once
// Everything the parsers learn from the receiver and the panels show.

#include <bit>
#include <cstdint>

#include "base/civil_time.h"
#include "base/fixed_text.h"
#include "marked_numbers.h"

struct SatRecord {
    std::uint8_t inView = 0;
    std::uint8_t usedInFix = 0;
    std::int32_t snr = 0;
    std::int32_t plotX = 0;
    std::int32_t plotY = 0;
    std::int32_t prn = 0;
};

constexpr int satTableSize = 256;

struct SatTable {
    SatRecord records[satTableSize];

    // Set marks only through these two: an epoch start clears only the
    // records they noted, not a mark written into a record directly. Defined
    // here, for every GSV group and every GSA satellite in up to four tables.
    void markInView(int number) {  // also stores the number as the record's prn
        records[number].inView = 1;
        records[number].prn = number;
        inViewMarked.add(number);
    }
    void markUsedInFix(int number) {
        records[number].usedInFix = 1;
        usedMarked.add(number);
    }

    void clearInView();  // the prn goes with the mark
    void clearUsedInFix();

    // Calls visit(number), in ascending order, for every record that carries
    // either mark: a reader of every sample need not read all 256 records.
    template <typename Visit>
    void forEachMarked(Visit&& visit) const {
        for (int w = 0; w < MarkedNumbers::wordCount; ++w) {
            const std::uint64_t marked = inViewMarked.word(w) | usedMarked.word(w);
            for (std::uint64_t bits = marked; bits != 0; bits &= bits - 1) {
                visit(w * 64 + std::countr_zero(bits));
            }
        }
    }

private:
    MarkedNumbers inViewMarked;
    MarkedNumbers usedMarked;
};

// The ten tables in their fixed order: five first-band, then five second-band.
enum SatTableId : int {
    gpsL1,
    glsL1,
    gasL1,
    gnsL1,
    bdsL1,
    gpsL5,
    glsL5,
    gasL5,
    gnsL5,
    bdsL5,
    satTableCount
};

constexpr int firstBandTableCount = 5;

using FixText = FixedText<64>;

struct FixTexts {
    FixText dateText;
    FixText timeText;
    FixText directionText;
    FixText speedText;
    FixText statusText;
    FixText hdopText;
    FixText pdopText;
    FixText latHemisphere;
    FixText latText;
    FixText lonHemisphere;
    FixText lonText;

    void clear();
};

struct ReceiverState {
    SatTable tables[satTableCount];
    FixTexts fix;

    CivilTime fixLocalTime;           // last converted fix time; never cleared
    std::uint32_t ttffStartTick = 0;  // 0: the first-fix measurement has not started
    std::uint8_t ttffDone = 0;
    std::int32_t lineBusy = 0;

    std::int32_t resetPending = 0;      // set by cold start and factory reset
    std::uint8_t usedResetPending = 0;  // set by RMC, cleared by the next GSA
    std::uint8_t viewResetPending = 0;  // set by RMC, cleared by the next GSV

    SatTable& table(SatTableId id) { return tables[id]; }
    const SatTable& table(SatTableId id) const { return tables[id]; }

    void clearAll();
    void clearL1();
    void resetFirstFix();

    // Epoch starts: only the marks go; levels and plot positions stay.
    void clearUsedInFix();
    void clearInView();
};
