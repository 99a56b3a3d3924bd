#pragma once
// The ten band groups in the order the panel paints them, which is neither
// the tables' storage order nor the order of the settings keys.

#include "nmea/receiver_state.h"
#include "ui/panel_display_list.h"
#include "ui/view_flags.h"

struct PanelBandGroup {
    int ViewFlags::*view;  // the group is drawn while this flag is not 0
    SatTableId table;
    PanelColor color;       // satellite numbers and label
    bool gpsNumberColours;  // numbers up to 32 and the label in black instead
};

constexpr int panelBandGroupCount = satTableCount;
constexpr PanelColor gpsHighNumberColor = 0x00FFFF;

extern const PanelBandGroup panelBandGroups[panelBandGroupCount];

PanelColor satelliteNumberColor(const PanelBandGroup& group, int satellite);
PanelColor bandLabelColor(const PanelBandGroup& group);
