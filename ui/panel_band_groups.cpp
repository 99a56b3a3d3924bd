#include "panel_band_groups.h"

namespace {
constexpr PanelColor gnsColor = 0x505050;
constexpr PanelColor glsColor = 0x0F00F0;
constexpr PanelColor gasColor = 0x00FF00;
constexpr PanelColor bdsColor = 0x777777;
}  // namespace

const PanelBandGroup panelBandGroups[panelBandGroupCount] = {
    {&ViewFlags::gps, gpsL1, gpsHighNumberColor, true},
    {&ViewFlags::gps, gpsL5, gpsHighNumberColor, true},
    {&ViewFlags::gns, gnsL1, gnsColor, false},
    {&ViewFlags::gns, gnsL5, gnsColor, false},
    {&ViewFlags::gls, glsL1, glsColor, false},
    {&ViewFlags::gls, glsL5, glsColor, false},
    {&ViewFlags::gas, gasL1, gasColor, false},
    {&ViewFlags::gas, gasL5, gasColor, false},
    {&ViewFlags::bds, bdsL1, bdsColor, false},
    {&ViewFlags::bds, bdsL5, bdsColor, false},
};

// By the record's place in its table, not by the prn it holds.
PanelColor satelliteNumberColor(const PanelBandGroup& group, int satellite) {
    return group.gpsNumberColours && satellite <= 32 ? panelBlack : group.color;
}

PanelColor bandLabelColor(const PanelBandGroup& group) {
    return group.gpsNumberColours ? panelBlack : group.color;
}
