#include "limits.h"

namespace {

const char* const keyNames[limitKeyCount] = {
    "FIX_AVAILABILITY_MIN",  "TOP4_L1_MEDIAN_MIN", "TOP4_L5_MEDIAN_MIN",
    "TRACKED_L1_MEDIAN_MIN", "CEP50_MAX_M",        "CEP95_MAX_M",
    "CHECKSUM_BAD_MAX",      "GAPS_MAX",           "TTFF_MAX_S",
};

}  // namespace

const char* limitKeyName(LimitKey key) {
    return keyNames[static_cast<int>(key)];
}

IniNumberSection limitsSection(const char* fileName) {
    return IniNumberSection("LIMITS", keyNames, limitKeyCount, fileName);
}

LimitSet limitsOf(const IniNumberSection& section) {
    LimitSet limits;
    for (int i = 0; i < section.count(); ++i) {
        limits.entries[i].key = static_cast<LimitKey>(section.entry(i).key);
        limits.entries[i].value = section.entry(i).value;
    }
    limits.count = section.count();
    return limits;
}

int parseLimitsText(const char* text, std::size_t length, const char* fileName, LimitSet* limits,
                    IniError* error) {
    IniNumberSection section = limitsSection(fileName);
    if (!readIniText(text, length, section)) {
        *error = section.error();
        return 0;
    }
    *limits = limitsOf(section);
    return 1;
}
