#include "panel_fix_fields.h"

#include "panel_list_writer.h"

// A column right of the sky picture, and the position row below it. The date
// starts 15 pixels left of the other texts; the longitude boxes overlap.
const FixFieldLabel fixFieldLabels[fixFieldLabelCount] = {
    {"Date:", {165, 5, 200, 25}},       {"Time:", {165, 25, 200, 45}},
    {"Direction:", {165, 45, 240, 65}}, {"Speed:", {165, 65, 210, 85}},
    {"Status:", {165, 85, 210, 105}},   {"HDOP:", {165, 105, 210, 125}},
    {"PDOP:", {165, 125, 210, 145}},    {"Lat:", {5, 157, 35, 170}},
    {"Lon:", {150, 157, 200, 170}},
};

const FixFieldText fixFieldTexts[fixFieldTextCount] = {
    {&FixTexts::dateText, {225, 5, 300, 25}},
    {&FixTexts::timeText, {240, 25, 300, 45}},
    {&FixTexts::directionText, {240, 45, 300, 65}},
    {&FixTexts::speedText, {240, 65, 300, 85}},
    {&FixTexts::statusText, {240, 85, 300, 105}},
    {&FixTexts::hdopText, {240, 105, 300, 125}},
    {&FixTexts::pdopText, {240, 125, 300, 145}},
    {&FixTexts::latHemisphere, {40, 157, 55, 170}},
    {&FixTexts::latText, {60, 157, 140, 170}},
    {&FixTexts::lonHemisphere, {185, 157, 215, 170}},
    {&FixTexts::lonText, {205, 157, 305, 170}},
};

void drawFixFields(const FixTexts& texts, PanelListWriter& out) {
    for (const FixFieldLabel& label : fixFieldLabels) {
        out.asciiText(label.box, panelBlack, TextPlacement::topLeft, label.text);
    }
    for (const FixFieldText& field : fixFieldTexts) {
        out.text(field.box, panelBlack, TextPlacement::topLeft, (texts.*field.text).c_str());
    }
}
