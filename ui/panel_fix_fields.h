#pragma once
// The fix information fields: nine fixed labels and, beside them, the eleven
// fix texts, each at the top-left of its box, in black.

#include "nmea/receiver_state.h"
#include "ui/panel_display_list.h"

class PanelListWriter;

struct FixFieldLabel {
    const char* text;
    PanelBox box;
};

struct FixFieldText {
    FixText FixTexts::*text;
    PanelBox box;
};

constexpr int fixFieldLabelCount = 9;
constexpr int fixFieldTextCount = 11;

extern const FixFieldLabel fixFieldLabels[fixFieldLabelCount];
extern const FixFieldText fixFieldTexts[fixFieldTextCount];

// The labels in layout order, then the texts in storage order.
void drawFixFields(const FixTexts& texts, PanelListWriter& out);
