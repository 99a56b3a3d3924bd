#pragma once
// Room the report needs for a while (percentiles reorder their values), made
// once with the statistics so that building a report allocates nothing.

#include <cstdint>

#include "sample_store.h"

struct ReportScratch {
    std::int32_t intervals[sampleWindow];
    double errors[sampleWindow];
};
