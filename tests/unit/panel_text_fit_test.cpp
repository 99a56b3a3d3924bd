#include "ui/panel_text_fit.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace {

// Every unit as wide as `widthPerPx` times the character height; a line as
// tall as `lineHeight` times it.
struct FixedPitchMeasure : PanelTextMeasure {
    double widthPerPx;
    double lineHeight;
    int refusedFrom = 1000;  // sizes this large or larger cannot be made
    int calls = 0;

    FixedPitchMeasure(double width, double height) : widthPerPx(width), lineHeight(height) {}

    int measure(const char* text, int px, std::int64_t* width, std::int64_t* height) override {
        ++calls;
        if (px >= refusedFrom) {
            return 0;
        }
        *width = static_cast<std::int64_t>(static_cast<double>(std::strlen(text)) * widthPerPx * px + 0.999);
        *height = static_cast<std::int64_t>(lineHeight * px + 0.999);
        return 1;
    }
};

// The samples hold the widest texts of every kind of box, each with its box.
TEST(PanelTextFit, SamplesCoverEveryKindOfBox) {
    std::set<std::string> texts;
    for (int i = 0; i < panelTextSampleCount; ++i) {
        const PanelTextSample& sample = panelTextSamples()[i];
        texts.insert(sample.text);
        EXPECT_GT(sample.width, 0) << sample.text;
        EXPECT_GT(sample.height, 0) << sample.text;
    }
    for (const char* widest : {"2026/12/31", "23:59:59", "Direction:", "89`59.99999'",
                               "179`59.99999'", "GAS L1", "GNS L5", "199", "50"}) {
        EXPECT_EQ(texts.count(widest), 1u) << widest;
    }
}

// The largest size at which every text fits its box with the margin: the
// height of the position row, or the width of a label, decides.
TEST(PanelTextFit, ChoosesTheLargestSizeAtWhichEverythingFits) {
    FixedPitchMeasure narrow(0.5, 1.4);
    EXPECT_EQ(fitPanelFont(narrow), 9);  // at 10 a line is 14 px tall, the position row 13
    FixedPitchMeasure wide(0.7, 1.2);
    EXPECT_EQ(fitPanelFont(wide), 8);  // the label "Status:" in 45 px: 7 * 0.7 * 9 = 45 > 43
    FixedPitchMeasure tiny(0.1, 0.5);
    EXPECT_EQ(fitPanelFont(tiny), panelFontLargestPx);
    FixedPitchMeasure huge(3.0, 3.0);
    EXPECT_EQ(fitPanelFont(huge), panelFontSmallestPx);  // nothing fits: the smallest
    FixedPitchMeasure refusing(0.1, 0.5);
    refusing.refusedFrom = 10;  // a font that cannot be made does not fit
    EXPECT_EQ(fitPanelFont(refusing), 9);
}

}  // namespace
