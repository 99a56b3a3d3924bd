#include "panel_text_fit.h"

#include <iterator>

#include "nmea/sat_table_names.h"
#include "panel_fix_fields.h"
#include "panel_slot_grid.h"

namespace {

// The widest each fix text gets in practice, in the order of fixFieldTexts.
constexpr const char* widestFixTexts[fixFieldTextCount] = {
    "2026/12/31", "23:59:59", "359.99", "199 Km/hr", "No Fix", "99.99",
    "99.99",      "N",        "89`59.99999'", "W", "179`59.99999'",
};

std::int64_t widthOf(const PanelBox& box) {
    return box.right - box.left;
}

std::int64_t heightOf(const PanelBox& box) {
    return box.bottom - box.top;
}

struct SampleTable {
    PanelTextSample samples[panelTextSampleCount];

    SampleTable() {
        int at = 0;
        const auto add = [&](const char* text, const PanelBox& box) {
            samples[at++] = {text, widthOf(box), heightOf(box)};
        };
        for (int i = 0; i < fixFieldTextCount; ++i) {
            add(widestFixTexts[i], fixFieldTexts[i].box);
        }
        for (const FixFieldLabel& label : fixFieldLabels) {
            add(label.text, label.box);
        }
        for (int t = 0; t < satTableCount; ++t) {
            add(satTableLabel(t), bandLabelBox(0));
        }
        add("199", numberUnderBarBox(slotCell(0)));
        add("50", strengthBox(slotCell(0)));
        add("199", markerBox(0, 0));
    }
};

bool allFit(PanelTextMeasure& measure, int characterPx) {
    const PanelTextSample* samples = panelTextSamples();
    for (int i = 0; i < panelTextSampleCount; ++i) {
        std::int64_t width = 0;
        std::int64_t height = 0;
        if (!measure.measure(samples[i].text, characterPx, &width, &height) ||
            width > samples[i].width - panelTextMargin || height > samples[i].height) {
            return false;
        }
    }
    return true;
}

}  // namespace

const PanelTextSample* panelTextSamples() {
    static const SampleTable table;
    return table.samples;
}

int fitPanelFont(PanelTextMeasure& measure) {
    for (int px = panelFontLargestPx; px > panelFontSmallestPx; --px) {
        if (allFit(measure, px)) {
            return px;
        }
    }
    return panelFontSmallestPx;
}
