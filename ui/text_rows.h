#pragma once
// A window area of rows of texts in columns, drawn from a list of operations
// as the graphics panel is: the statistics and the campaign windows. The
// same rows also make a plain text (cells split by tabs, rows by CR LF), the
// area's window text, for a reader that cannot see colours.

#include <cstddef>
#include <cstdint>
#include <optional>

#include "base/fixed_text.h"
#include "ui/panel_display_list.h"

constexpr int textRowsFontPx = 12;
constexpr int textRowHeight = 17;
constexpr PanelColor passColor = 0x008000;
constexpr PanelColor failColor = 0xD00000;

struct TextRowsView {
    static constexpr std::size_t capacity = 480;

    DrawOp ops[capacity];
    std::size_t count = 0;
    FixedText<12288> text;
};

using Cell = FixedText<64>;

// Appends rows of cells to the view's list and text at once. Cells go into
// the columns in turn; one past the last column stays in the last. A cell
// below or right of the area is kept in the text only. A cell reaches to the
// next column, the row's last one to the area's right edge.
class RowWriter {
public:
    // `columnLeft`: ascending, `columns` of them.
    RowWriter(TextRowsView* target, const std::int64_t* columnLeft, int columns,
              std::int32_t width, std::int32_t height);

    void cell(const char16_t* text, PanelColor color = panelBlack);
    void cell(const char* ascii, PanelColor color = panelBlack);
    void endRow();

private:
    TextRowsView* view;
    const std::int64_t* lefts;
    int columnCount;
    std::int64_t right;
    std::int64_t bottom;
    std::int64_t top = 6;
    int cellsInRow = 0;
    std::ptrdiff_t lastOpOfRow = -1;  // the row's last drawn cell, if any
    static constexpr std::int64_t columnGap = 4;
};

// "label value" with `decimals` places (and a unit), or the label and a dash
// for a number that cannot be computed.
Cell namedValue(const char* label, const std::optional<double>& value, int decimals,
                const char* unit = "");
Cell namedCount(const char* label, std::int64_t value);
