#pragma once
// The statistics window's report area: the live run report as rows of texts
// in columns, drawn as the graphics panel is drawn, from a list of
// operations. The verdict and each limit's PASS or FAIL are in colour. The
// same rows also make a plain text (cells split by tabs, rows by CR LF),
// the area's window text, for a reader that cannot see colours.

#include <cstddef>
#include <cstdint>

#include "base/fixed_text.h"
#include "stats/run_report.h"
#include "ui/panel_display_list.h"

constexpr int statisticsFontPx = 12;
constexpr int statisticsRowHeight = 17;
constexpr PanelColor statisticsPassColor = 0x008000;
constexpr PanelColor statisticsFailColor = 0xD00000;

struct StatisticsView {
    static constexpr std::size_t capacity = 480;

    DrawOp ops[capacity];
    std::size_t count = 0;
    FixedText<12288> text;
};

struct StatisticsViewInputs {
    std::int32_t width = 0;
    std::int32_t height = 0;
    const char16_t* note = u"";  // a last line: what went wrong or what was saved
};

void buildStatisticsView(const RunReport& report, const StatisticsViewInputs& inputs,
                         StatisticsView* view);
