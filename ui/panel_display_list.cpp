#include "panel_display_list.h"

#include <cstddef>

#include "nmea/receiver_state.h"
#include "panel_band_groups.h"
#include "panel_fix_fields.h"
#include "panel_list_writer.h"
#include "panel_signal_bars.h"

template <std::size_t N>
static int indexOf(const PanelColor (&colors)[N], PanelColor color) {
    for (std::size_t i = 0; i < N; ++i) {
        if (colors[i] == color) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

int panelBrushIndex(PanelColor color) {
    return indexOf(panelBrushColors, color);
}

int panelPenIndex(PanelColor color) {
    return indexOf(panelPenColors, color);
}

// White ground, the fix fields, the sky picture over them, then the band
// groups on one running slot counter.
void buildPanelDisplayList(const ReceiverState& state, const PanelInputs& inputs,
                           PanelDisplayList* list) {
    PanelListWriter out(list, inputs.width, inputs.height);
    out.fill(out.panel(), panelWhite);
    drawFixFields(state.fix, out);
    out.skyPicture();
    int slot = 0;
    for (const PanelBandGroup& group : panelBandGroups) {
        if (inputs.views.*group.view != 0) {
            slot = drawBandGroup(group, state.table(group.table), inputs, slot, out);
        }
    }
}
