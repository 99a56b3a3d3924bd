#pragma once
// One band group's satellites in view: a bar, a sky-plot marker and numbers
// per satellite in the next slots, then the group's label.

#include <cstdint>

#include "nmea/receiver_state.h"
#include "ui/panel_display_list.h"

struct PanelBandGroup;
class PanelListWriter;

// The level a bar shows: while logging the offset applies, unless it would
// take the level below 0. 64-bit: the sum may pass the 32-bit limits.
std::int64_t shownStrength(std::int32_t snr, const PanelInputs& inputs);

// Draws from `slot` on; returns where the next group starts: `slot` itself
// when nothing was in view, else the start of the row after the last slot.
int drawBandGroup(const PanelBandGroup& group, const SatTable& table, const PanelInputs& inputs,
                  int slot, PanelListWriter& out);
