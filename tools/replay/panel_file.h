#pragma once

#include <cstdio>

#include "panel_options.h"
#include "ui/panel_display_list.h"

struct ReceiverState;

// What the options and the log leave the panel to show besides the state.
PanelInputs replayPanelInputs(const PanelOptions& options, bool logging);

// Writes the panel as the state stands into an open file, as SVG. Returns 1,
// or 0 when the file could not be written.
int writePanelSvg(std::FILE* file, const ReceiverState& state, const PanelInputs& inputs);
