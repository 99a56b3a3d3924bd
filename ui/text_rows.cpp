#include "text_rows.h"

#include <cmath>

namespace {
constexpr const char16_t* none = u"\u2014";  // a number that cannot be computed
}  // namespace

RowWriter::RowWriter(TextRowsView* target, const std::int64_t* columnLeft, int columns,
                     std::int32_t width, std::int32_t height)
    : view(target), lefts(columnLeft), columnCount(columns), right(width), bottom(height) {
    view->count = 0;
    view->text.clear();
}

void RowWriter::cell(const char16_t* text, PanelColor color) {
    const int column = cellsInRow < columnCount ? cellsInRow : columnCount - 1;
    const std::int64_t cellRight = column + 1 < columnCount ? lefts[column + 1] - columnGap : right;
    const PanelBox box{lefts[column], top, cellRight, top + textRowHeight};
    if (cellsInRow > 0) {
        view->text.append(u"\t");
    }
    view->text.append(text);
    ++cellsInRow;
    if (box.left >= right || box.top >= bottom || view->count >= TextRowsView::capacity) {
        return;
    }
    lastOpOfRow = static_cast<std::ptrdiff_t>(view->count);
    DrawOp& op = view->ops[view->count++];
    op.kind = DrawKind::text;
    op.placement = TextPlacement::topLeft;
    op.color = color;
    op.box = box;
    op.text.assign(text);
}

void RowWriter::cell(const char* ascii, PanelColor color) {
    Cell text;
    text.assignAscii(ascii);
    cell(text.c_str(), color);
}

// A row's last cell has the rest of the row: a long note or state is not cut
// at a column nobody writes in.
void RowWriter::endRow() {
    if (lastOpOfRow >= 0) {
        view->ops[lastOpOfRow].box.right = right;
        lastOpOfRow = -1;
    }
    view->text.append(u"\r\n");
    top += textRowHeight;
    cellsInRow = 0;
}

Cell namedValue(const char* label, const std::optional<double>& value, int decimals,
                const char* unit) {
    Cell cell;
    const char* space = label[0] != 0 ? " " : "";
    if (!value || !std::isfinite(*value)) {
        cell.format("%s%s", label, space);
        cell.append(none);
        return cell;
    }
    cell.format("%s%s%.*f%s", label, space, decimals, *value, unit);
    return cell;
}

Cell namedCount(const char* label, std::int64_t value) {
    Cell cell;
    cell.format("%s %lld", label, static_cast<long long>(value));
    return cell;
}
