#include "ui/panel_display_list.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <limits>
#include <memory>
#include <string>
#include <vector>

#include "nmea/receiver_state.h"
#include "test_text.h"

namespace {

constexpr std::int32_t int32Max = std::numeric_limits<std::int32_t>::max();
constexpr std::int32_t int32Min = std::numeric_limits<std::int32_t>::min();

// "kind left,top,right,bottom #colour", and for texts the placement and text.
std::string describe(const DrawOp& op) {
    static const char* const kinds[] = {"fill", "ellipse", "text", "sky"};
    char line[96];
    std::snprintf(line, sizeof line, "%s %lld,%lld,%lld,%lld #%06x",
                  kinds[static_cast<int>(op.kind)], static_cast<long long>(op.box.left),
                  static_cast<long long>(op.box.top), static_cast<long long>(op.box.right),
                  static_cast<long long>(op.box.bottom), op.color);
    if (op.kind != DrawKind::text) {
        return line;
    }
    const char* placement = op.placement == TextPlacement::topLeft ? " tl '" : " ct '";
    return line + (placement + narrow(op.text.c_str())) + "'";
}

struct Panel {
    std::unique_ptr<ReceiverState> state = std::make_unique<ReceiverState>();
    std::unique_ptr<PanelDisplayList> list = std::make_unique<PanelDisplayList>();
    PanelInputs inputs{{}, false, 0, 994, 1000};

    SatRecord& put(SatTableId table, int n, std::int32_t snr, bool used = false) {
        SatRecord& record = state->table(table).records[n];
        record = {1, static_cast<std::uint8_t>(used ? 1 : 0), snr, 77, 77, n};
        return record;
    }

    // The operations from `first` on; 22 skips ground, fix fields and sky picture.
    std::vector<std::string> build(std::size_t first = 22) {
        buildPanelDisplayList(*state, inputs, list.get());
        std::vector<std::string> lines;
        for (std::size_t i = first; i < list->count; ++i) {
            lines.push_back(describe(list->ops[i]));
        }
        return lines;
    }

    // The texts in 50-pixel boxes: numbers under the bars and labels.
    std::vector<std::string> slotTexts() {
        std::vector<std::string> texts;
        for (const std::string& op : build()) {
            if (op.rfind("text", 0) != 0) {
                continue;
            }
            const long long top = std::stoll(op.substr(op.find(',') + 1));
            std::string bottom = ",";
            bottom.append(std::to_string(top + 50)).append(" ");
            if (op.find(bottom) != std::string::npos) {
                texts.push_back(op.substr(5));
            }
        }
        return texts;
    }
};

TEST(PanelDisplayList, WithoutSatellitesOnlyGroundFixFieldsAndSkyPicture) {
    Panel panel;
    panel.inputs.height = 378;
    panel.state->fix.dateText.assignAscii("2024/02/29");
    panel.state->fix.lonText.assignAscii("121`30.0000'");
    panel.state->table(gpsL1).records[7] = {0, 1, 40, 77, 77, 7};  // not in view
    const std::vector<std::string> ops = panel.build(0);
    ASSERT_EQ(ops.size(), 22u);
    EXPECT_EQ(ops[0], "fill 0,0,994,378 #ffffff");
    EXPECT_EQ(ops[1], "text 165,5,200,25 #000000 tl 'Date:'");
    EXPECT_EQ(ops[9], "text 150,157,200,170 #000000 tl 'Lon:'");
    EXPECT_EQ(ops[10], "text 225,5,300,25 #000000 tl '2024/02/29'");
    EXPECT_EQ(ops[11], "text 240,25,300,45 #000000 tl ''");
    EXPECT_EQ(ops[20], "text 205,157,305,170 #000000 tl '121`30.0000''");
    EXPECT_EQ(ops[21], "sky 0,0,155,155 #000000");

    panel.state->fix.clear();  // a rebuild keeps nothing of the last list
    EXPECT_EQ(panel.build(10)[0], "text 225,5,300,25 #000000 tl ''");
    panel.inputs.width = 0;
    EXPECT_TRUE(panel.build(0).empty());
}

TEST(PanelDisplayList, SatellitesDrawBarMarkerAndNumbersInOrder) {
    Panel panel;
    panel.put(gpsL1, 32, 63, true).plotX = 100;
    panel.put(gpsL1, 33, 0).plotY = 30;  // no signal; GPS numbers above 32 in cyan
    panel.put(gpsL1, 7, 20).inView = 0;
    const std::vector<std::string> expected = {
        "fill 382,14,400,40 #0000ff",
        "ellipse 89,68,111,86 #0000ff",
        "text 89,68,111,86 #000000 ct '32'",
        "text 382,25,407,40 #ff00ff tl '50'",
        "text 382,40,407,90 #000000 tl '32'",
        "ellipse 66,21,88,39 #ff0000",
        "text 66,21,88,39 #00ffff ct '33'",
        "text 412,40,437,90 #00ffff tl '33'",
        "text 330,40,383,90 #000000 tl 'GPS L1'",
    };
    EXPECT_EQ(panel.build(), expected);
}

TEST(PanelDisplayList, BarsFollowStrengthAndOffsetInAnyRow) {
    struct Case {
        std::int32_t snr;
        bool used;
        bool logging;
        std::int32_t offset;
        const char* bar;    // in row 1, "" when none
        const char* white;  // "" when none
        const char* shown;  // "" for a red marker without a number
    };
    const Case cases[] = {
        {63, true, false, 0, "382,59,400,85 #0000ff", "", "50"},
        {63, false, false, 0, "382,60,400,85 #00ff00", "383,61,399,84 #ffffff", "49"},
        {4, false, false, 0, "382,82,400,85 #00ff00", "383,83,399,84 #ffffff", "4"},
        {3, false, false, 0, "382,83,400,85 #00ff00", "", "3"},
        {1, false, false, 0, "382,84,400,85 #00ff00", "", "1"},
        {-1, true, false, 0, "382,84,400,85 #0000ff", "", "-1"},  // -1/2 is 0
        {-2, true, false, 0, "", "", "-2"},
        {45, true, true, -10, "382,67,400,85 #0000ff", "", "35"},
        {6, true, true, -10, "382,81,400,85 #0000ff", "", "6"},
        {10, true, true, -10, "382,84,400,85 #0000ff", "", "0"},
        {0, true, true, 30, "", "", ""},
        {45, true, false, -10, "382,62,400,85 #0000ff", "", "45"},
        {int32Max, false, true, int32Max, "382,60,400,85 #00ff00", "383,61,399,84 #ffffff", "49"},
        {int32Min, true, true, int32Min, "", "", "-2147483648"},
    };
    for (const Case& c : cases) {
        Panel panel;
        panel.inputs.logging = c.logging;
        panel.inputs.signalOffset = c.offset;
        panel.put(gpsL1, 1, 30);  // row 0
        panel.put(gpsL5, 9, c.snr, c.used);
        std::string bar, white, shown, pen;
        for (const std::string& op : panel.build(22 + 7)) {
            if (op.rfind("fill", 0) == 0) {
                (bar.empty() ? bar : white) = op.substr(5);
            } else if (op.rfind("ellipse", 0) == 0) {
                pen = op.substr(op.find('#'));
            } else if (op.find("#ff00ff") != std::string::npos) {
                shown = op.substr(op.find('\'') + 1, op.size() - op.find('\'') - 2);
            }
        }
        const std::string trace = std::to_string(c.snr) + "+" + std::to_string(c.offset);
        EXPECT_EQ(bar, c.bar) << trace;
        EXPECT_EQ(white, c.white) << trace;
        EXPECT_EQ(shown, c.shown) << trace;
        EXPECT_EQ(pen, c.snr == 0 ? "#ff0000" : c.used ? "#0000ff" : "#00ff00") << trace;
    }
}

TEST(PanelDisplayList, LabelStandsBesideTheLastRowAndTheNextTableStartsARow) {
    for (int count : {20, 21}) {
        Panel panel;
        for (int n = 1; n <= count; ++n) {
            panel.put(gpsL1, n, 40);
        }
        panel.put(glsL1, 3, 40);
        const std::vector<std::string> texts = panel.slotTexts();
        ASSERT_EQ(texts.size(), count + 3u);
        const int y = 40 + 45 * ((count - 1) / 20);  // the row of the last slot
        EXPECT_EQ(texts[19], "952,40,977,90 #000000 tl '20'");
        EXPECT_EQ(texts[count], "330," + std::to_string(y) + ",383," + std::to_string(y + 50) +
                                    " #000000 tl 'GPS L1'");
        EXPECT_EQ(texts[count + 1].rfind("382," + std::to_string(y + 45) + ",", 0), 0u);
        EXPECT_EQ(texts[count + 2].rfind("330," + std::to_string(y + 45) + ",", 0), 0u);
    }
}

TEST(PanelDisplayList, GroupsFollowPaintOrderAndViewFlags) {
    Panel panel;
    for (SatTableId table :
         {gpsL1, glsL1, gasL1, gnsL1, bdsL1, gpsL5, glsL5, gasL5, gnsL5, bdsL5}) {
        panel.put(table, 7, 30);
    }
    auto labels = [&panel] {
        std::vector<std::string> found;
        for (const std::string& text : panel.slotTexts()) {
            if (text.rfind("330,", 0) == 0) {
                found.push_back(text);
            }
        }
        return found;
    };
    auto label = [](int row, PanelColor color, const char* name) {
        char text[64];
        std::snprintf(text, sizeof text, "330,%d,383,%d #%06x tl '%s'", 40 + 45 * row,
                      90 + 45 * row, color, name);
        return std::string(text);
    };
    EXPECT_EQ(labels(), (std::vector<std::string>{
                            label(0, 0x000000, "GPS L1"), label(1, 0x000000, "GPS L5"),
                            label(2, 0x505050, "GNS L1"), label(3, 0x505050, "GNS L5"),
                            label(4, 0x0F00F0, "GLS L1"), label(5, 0x0F00F0, "GLS L5"),
                            label(6, 0x00FF00, "GAS L1"), label(7, 0x00FF00, "GAS L5"),
                            label(8, 0x777777, "BDS L1"), label(9, 0x777777, "BDS L5")}));
    EXPECT_EQ(panel.slotTexts()[4], "382,130,407,180 #505050 tl '07'");
    panel.inputs.views = {0, 0, 1, -1, 1};  // any flag but 0 draws
    EXPECT_EQ(labels(), (std::vector<std::string>{
                            label(0, 0x505050, "GNS L1"), label(1, 0x505050, "GNS L5"),
                            label(2, 0x00FF00, "GAS L1"), label(3, 0x00FF00, "GAS L5"),
                            label(4, 0x777777, "BDS L1"), label(5, 0x777777, "BDS L5")}));
}

TEST(PanelDisplayList, ASatelliteInTwoTablesGetsTwoMarkersTheLaterOnTop) {
    Panel panel;
    panel.put(gpsL1, 14, 44, true);
    panel.put(gpsL5, 14, 30, false);
    std::vector<std::string> markers;
    for (const std::string& op : panel.build()) {
        if (op.rfind("ellipse", 0) == 0) {
            markers.push_back(op);
        }
    }
    EXPECT_EQ(markers, (std::vector<std::string>{"ellipse 66,68,88,86 #0000ff",
                                                 "ellipse 66,68,88,86 #00ff00"}));
}

TEST(PanelDisplayList, LeavesOutWhatLiesWhollyOutsideThePanel) {
    Panel panel;
    panel.inputs.height = 378;
    // Right and bottom edges lie outside a box: x = -11 and 1005 are out.
    const std::int32_t xs[] = {-11, -10, 1004, 1005};
    for (int i = 0; i < 4; ++i) {
        panel.put(gpsL1, i + 1, 0).plotX = xs[i];
    }
    for (int n = 1; n <= 160; ++n) {  // rows 1 to 8
        panel.put(glsL5, n, 49);
    }
    const std::vector<std::string> ops = panel.build();
    EXPECT_EQ(ops[0], "text 382,40,407,90 #000000 tl '01'");  // the slot stays taken
    EXPECT_EQ(ops[1], "ellipse -21,68,1,86 #ff0000");
    EXPECT_EQ(ops[4], "ellipse 993,68,1015,86 #ff0000");
    EXPECT_EQ(ops[7], "text 472,40,497,90 #000000 tl '04'");
    // Row 8's bars reach into the panel; its numbers and label do not.
    EXPECT_EQ(
        std::vector<std::string>(ops.end() - 3, ops.end()),
        (std::vector<std::string>{"fill 953,376,969,399 #ffffff", "ellipse 66,68,88,86 #00ff00",
                                  "text 66,68,88,86 #0f00f0 ct '160'"}));
}

// Partly inside the panel, near enough for a painter's own integers, no empty
// fill, a brush or pen the painter has, text only where it is drawn.
void expectSane(const PanelDisplayList& list, const PanelInputs& inputs) {
    for (std::size_t i = 0; i < list.count; ++i) {
        const DrawOp& op = list.ops[i];
        const PanelBox& box = op.box;
        EXPECT_TRUE(box.right > 0 && box.bottom > 0 && box.left < inputs.width &&
                    box.top < inputs.height && box.left >= -21 && box.top >= -17 &&
                    box.right <= std::int64_t{inputs.width} + 21 &&
                    box.bottom <= std::int64_t{inputs.height} + 50)
            << describe(op);
        EXPECT_TRUE(op.kind == DrawKind::text ? op.text.length() <= 63 : op.text.empty());
        if (op.kind == DrawKind::fillBox) {
            EXPECT_TRUE(box.right > box.left && box.bottom > box.top) << describe(op);
            EXPECT_GE(panelBrushIndex(op.color), 0) << describe(op);
        }
        if (op.kind == DrawKind::ellipse) {
            EXPECT_GE(panelPenIndex(op.color), 0) << describe(op);
        }
    }
}

TEST(PanelDisplayList, HostileNumbersGiveSaneOperations) {
    Panel panel;
    panel.inputs = {{}, true, int32Max, int32Max, int32Max};
    const std::int32_t extremes[] = {int32Max, int32Min, int32Max - 5, int32Min + 5, 0};
    int n = 0;
    for (std::int32_t x : extremes) {
        for (std::int32_t y : extremes) {
            panel.state->table(gnsL1).records[n] = {1, static_cast<std::uint8_t>(n % 2), y, x, y,
                                                    x};
            ++n;
        }
    }
    panel.state->fix.lonText.assign(std::u16string(70, u'\uFFFF').c_str());
    const std::vector<std::string> ops = panel.build(0);
    expectSane(*panel.list, panel.inputs);
    EXPECT_EQ(panel.list->ops[20].text.length(), 63u);
    int markers = 0;
    for (const std::string& op : ops) {
        markers += op.rfind("ellipse", 0) == 0 ? 1 : 0;
    }
    EXPECT_EQ(markers, 9);  // plotX and plotY each from {max, max - 5, 0}
    EXPECT_EQ(panel.slotTexts().back(), "330,85,383,135 #505050 tl 'GNS L1'");

    panel.inputs.width = 994;
    panel.inputs.height = 378;
    panel.build();
    expectSane(*panel.list, panel.inputs);
}

TEST(PanelDisplayList, TenFullTablesFillTheListExactly) {
    Panel panel;
    panel.inputs.height = int32Max;
    for (SatTable& table : panel.state->tables) {
        for (int n = 0; n < satTableSize; ++n) {
            table.records[n] = {1, 0, 40, 200 + n, 100, n};
        }
    }
    panel.build();
    ASSERT_EQ(panel.list->count, PanelDisplayList::capacity);
    // Thirteen rows a table: the last label beside row 129.
    EXPECT_EQ(describe(panel.list->ops[PanelDisplayList::capacity - 1]),
              "text 330,5845,383,5895 #777777 tl 'BDS L5'");
    expectSane(*panel.list, panel.inputs);
}

}  // namespace
