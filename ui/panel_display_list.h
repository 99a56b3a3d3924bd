#pragma once
// The graphics panel as an ordered list of drawing operations. Every layout
// rule lives where the list is built; whoever draws it (GDI in the program,
// SVG in the replay tool) only executes the operations in order.

#include <cstddef>
#include <cstdint>

#include "base/fixed_text.h"
#include "ui/view_flags.h"

struct ReceiverState;

// 0xRRGGBB.
using PanelColor = std::uint32_t;

constexpr PanelColor panelWhite = 0xFFFFFF;
constexpr PanelColor panelBlack = 0x000000;
constexpr PanelColor panelGreen = 0x00FF00;
constexpr PanelColor panelBlue = 0x0000FF;
constexpr PanelColor panelRed = 0xFF0000;
constexpr PanelColor panelMagenta = 0xFF00FF;

// The only fill colours and marker pen colours a list uses: a painter makes
// one brush or pen of each, once.
constexpr PanelColor panelBrushColors[] = {panelWhite, panelGreen, panelBlue};
constexpr PanelColor panelPenColors[] = {panelRed, panelBlue, panelGreen};
constexpr int panelPenWidth = 2;

// Position in panelBrushColors / panelPenColors, or -1 for a colour not there.
int panelBrushIndex(PanelColor color);
int panelPenIndex(PanelColor color);

// (left, top)-(right, bottom) in panel client pixels; right and bottom lie
// outside the box. 64-bit, so no layout sum on received numbers overflows.
struct PanelBox {
    std::int64_t left = 0;
    std::int64_t top = 0;
    std::int64_t right = 0;
    std::int64_t bottom = 0;
};

enum class DrawKind : std::uint8_t {
    fillBox,     // the box filled with `color`
    ellipse,     // in the box: outline in pen `color`, filled white
    text,        // `text` in `color`, clipped to the box, never wrapped
    skyPicture,  // the sky picture at its own size, top-left at the box's top-left
};

enum class TextPlacement : std::uint8_t {
    topLeft,     // at the box's top-left corner
    centredTop,  // centred across the box, at its top
};

struct DrawOp {
    DrawKind kind = DrawKind::fillBox;
    TextPlacement placement = TextPlacement::topLeft;
    PanelColor color = panelBlack;
    PanelBox box;
    FixedText<64> text;
};

constexpr int skyPictureSize = 155;

// What the panel shows besides the receiver state.
struct PanelInputs {
    ViewFlags views;
    bool logging = false;           // a log file is being recorded
    std::int32_t signalOffset = 0;  // added to strengths while logging, when the sum is >= 0
    std::int32_t width = 0;         // the panel's client size; operations wholly
    std::int32_t height = 0;        // outside it are left out
};

struct PanelDisplayList {
    // Background, 9 labels, 11 fix texts, the sky picture, then per satellite
    // at most six operations in each of ten tables of 256, and ten labels.
    static constexpr std::size_t capacity = 1 + 9 + 11 + 1 + 10 * 256 * 6 + 10;

    DrawOp ops[capacity];
    std::size_t count = 0;
};

// Rebuilds the whole list from the state; never reads outside a table or a text.
void buildPanelDisplayList(const ReceiverState& state, const PanelInputs& inputs,
                           PanelDisplayList* list);
