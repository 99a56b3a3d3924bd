#pragma once

#include <cstdint>

// Satellite numbers index the 256-record tables; others have no record.
inline bool hasSatRecord(std::int32_t number) {
    return number >= 1 && number <= 255;
}
