#pragma once
// The pass/fail limits of a run: a [LIMITS] section of KEY=number lines, in a
// limits file or in skyvane.ini. Key and section names are matched without
// regard to case, as Windows reads the rest of skyvane.ini.

#include <cstddef>

#include "decimal_number.h"
#include "ini_number_section.h"

// In the order of the table in docs/run-report.md.
enum class LimitKey {
    fixAvailabilityMin,
    top4L1MedianMin,
    top4L5MedianMin,
    trackedL1MedianMin,
    cep50MaxM,
    cep95MaxM,
    checksumBadMax,
    gapsMax,
    ttffMaxS,
};

constexpr int limitKeyCount = 9;

// "FIX_AVAILABILITY_MIN" and so on, as the file writes them.
const char* limitKeyName(LimitKey key);

struct Limit {
    LimitKey key = LimitKey::fixAvailabilityMin;
    DecimalNumber value;
};

// In file order; each key at most once.
struct LimitSet {
    Limit entries[limitKeyCount];
    int count = 0;
};

// A reader of the [LIMITS] section of the named file.
IniNumberSection limitsSection(const char* fileName);

LimitSet limitsOf(const IniNumberSection& section);

// The [LIMITS] section of a whole text (skyvane.ini as the program read it).
// Returns 1 with the limits, none when the text has no such section, or 0
// with an error naming `fileName` and the line.
int parseLimitsText(const char* text, std::size_t length, const char* fileName, LimitSet* limits,
                    IniError* error);
