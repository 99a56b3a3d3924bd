#include "sat_table_names.h"

namespace {

struct SatTableName {
    const char* key;
    const char* label;
};

// A label must not name the wrong band: the second-band combined table is "GNS L5".
constexpr SatTableName names[satTableCount] = {
    {"gpsL1", "GPS L1"}, {"glsL1", "GLS L1"}, {"gasL1", "GAS L1"}, {"gnsL1", "GNS L1"},
    {"bdsL1", "BDS L1"}, {"gpsL5", "GPS L5"}, {"glsL5", "GLS L5"}, {"gasL5", "GAS L5"},
    {"gnsL5", "GNS L5"}, {"bdsL5", "BDS L5"},
};

bool isTable(int table) {
    return table >= 0 && table < satTableCount;
}

}  // namespace

const char* satTableKey(int table) {
    return isTable(table) ? names[table].key : "";
}

const char* satTableLabel(int table) {
    return isTable(table) ? names[table].label : "";
}
