#include "panel_signal_bars.h"

#include "nmea/sat_table_names.h"
#include "panel_band_groups.h"
#include "panel_list_writer.h"
#include "panel_slot_grid.h"

namespace {

constexpr std::int64_t usedBarLimit = 50;
constexpr std::int64_t unusedBarLimit = 49;

using NumberText = FixedText<16>;

NumberText satelliteNumber(std::int32_t prn) {
    NumberText text;
    text.format("%02d", static_cast<int>(prn));
    return text;
}

std::int64_t atMost(std::int64_t value, std::int64_t limit) {
    return value < limit ? value : limit;
}

void drawMarker(const SatRecord& record, PanelColor pen, PanelColor numberColor,
                const NumberText& number, PanelListWriter& out) {
    const PanelBox box = markerBox(record.plotX, record.plotY);
    out.ellipse(box, pen);
    out.text(box, numberColor, TextPlacement::centredTop, number.c_str());
}

// Used satellites get a solid blue bar; the others a green frame, 1 pixel
// wide, around white.
void drawTracked(const SatRecord& record, std::int64_t strength, SlotCell cell,
                 PanelColor numberColor, const NumberText& number, PanelListWriter& out) {
    const bool used = record.usedInFix != 0;
    const std::int64_t height = atMost(strength, used ? usedBarLimit : unusedBarLimit);
    if (used) {
        out.fill(barBox(cell, height), panelBlue);
    } else {
        out.fill(barBox(cell, height), panelGreen);
        out.fill(hollowBarInside(cell, height), panelWhite);
    }
    drawMarker(record, used ? panelBlue : panelGreen, numberColor, number, out);
    NumberText shown;  // at most 50, and at least the lowest 32-bit level
    shown.format("%d", static_cast<int>(height));
    out.text(strengthBox(cell), panelMagenta, TextPlacement::topLeft, shown.c_str());
}

void drawSatellite(const SatRecord& record, PanelColor numberColor, const PanelInputs& inputs,
                   SlotCell cell, PanelListWriter& out) {
    const NumberText number = satelliteNumber(record.prn);
    if (record.snr != 0) {
        drawTracked(record, shownStrength(record.snr, inputs), cell, numberColor, number, out);
    } else {
        drawMarker(record, panelRed, numberColor, number, out);
    }
    out.text(numberUnderBarBox(cell), numberColor, TextPlacement::topLeft, number.c_str());
}

}  // namespace

std::int64_t shownStrength(std::int32_t snr, const PanelInputs& inputs) {
    const std::int64_t offset = std::int64_t{snr} + inputs.signalOffset;
    return inputs.logging && offset >= 0 ? offset : snr;
}

int drawBandGroup(const PanelBandGroup& group, const SatTable& table, const PanelInputs& inputs,
                  int slot, PanelListWriter& out) {
    const int first = slot;
    for (int n = 0; n < satTableSize; ++n) {
        const SatRecord& record = table.records[n];
        if (record.inView != 0) {
            drawSatellite(record, satelliteNumberColor(group, n), inputs, slotCell(slot), out);
            ++slot;
        }
    }
    if (slot == first) {
        return slot;
    }
    const SlotCell last = slotCell(slot - 1);
    out.asciiText(bandLabelBox(last.row), bandLabelColor(group), TextPlacement::topLeft,
                  satTableLabel(group.table));
    return nextRowStart(slot);
}
