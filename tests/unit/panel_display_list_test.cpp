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
constexpr PanelColor cyan = 0x00FFFF;

// One line per operation: kind, box, colour, and for texts the placement and text.
std::string describe(const DrawOp& op) {
    static const char* const kinds[] = {"fill", "ellipse", "text", "sky"};
    char line[160];
    std::snprintf(line, sizeof line, "%s %lld,%lld,%lld,%lld #%06x",
                  kinds[static_cast<int>(op.kind)], static_cast<long long>(op.box.left),
                  static_cast<long long>(op.box.top), static_cast<long long>(op.box.right),
                  static_cast<long long>(op.box.bottom), op.color);
    std::string text = line;
    if (op.kind == DrawKind::text) {
        text += op.placement == TextPlacement::topLeft ? " tl '" : " ct '";
        text += narrow(op.text.c_str()) + "'";
    }
    return text;
}

struct Panel {
    std::unique_ptr<ReceiverState> state = std::make_unique<ReceiverState>();
    std::unique_ptr<PanelDisplayList> list = std::make_unique<PanelDisplayList>();
    PanelInputs inputs;

    Panel() {
        inputs.width = 994;
        inputs.height = 1000;  // tall enough for eight rows of bars
    }

    SatRecord& put(SatTableId table, int n, std::int32_t snr, bool used = false) {
        SatRecord& record = state->table(table).records[n];
        record = {1, static_cast<std::uint8_t>(used ? 1 : 0), snr, 77, 77, n};
        return record;
    }

    std::vector<std::string> build() {
        buildPanelDisplayList(*state, inputs, list.get());
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < list->count; ++i) {
            lines.push_back(describe(list->ops[i]));
        }
        return lines;
    }

    // The operations after background, fix fields and sky picture.
    std::vector<std::string> buildBars() {
        std::vector<std::string> lines = build();
        return std::vector<std::string>(lines.begin() + 22, lines.end());
    }

    // Satellite numbers under the bars as "text@column,row", and labels as
    // "label@row", in drawing order.
    std::vector<std::string> buildSlots() {
        buildPanelDisplayList(*state, inputs, list.get());
        std::vector<std::string> slots;
        char where[64];
        for (std::size_t i = 22; i < list->count; ++i) {
            const DrawOp& op = list->ops[i];
            if (op.kind != DrawKind::text || op.box.bottom - op.box.top != 50) {
                continue;
            }
            const long long row = (op.box.top - 40) / 45;
            if (op.box.left == 330) {
                std::snprintf(where, sizeof where, "@%lld", row);
            } else {
                std::snprintf(where, sizeof where, "@%lld,%lld",
                              static_cast<long long>((op.box.left - 382) / 30), row);
            }
            slots.push_back(narrow(op.text.c_str()) + where);
        }
        return slots;
    }
};

TEST(PanelDisplayList, WithoutSatellitesOnlyGroundFixFieldsAndSkyPicture) {
    Panel panel;
    panel.inputs.height = 378;
    panel.state->fix.dateText.assignAscii("2024/02/29");
    panel.state->fix.statusText.assignAscii("3D");
    panel.state->fix.lonText.assignAscii("121`30.0000'");
    const std::vector<std::string> expected = {
        "fill 0,0,994,378 #ffffff",
        "text 165,5,200,25 #000000 tl 'Date:'",
        "text 165,25,200,45 #000000 tl 'Time:'",
        "text 165,45,240,65 #000000 tl 'Direction:'",
        "text 165,65,210,85 #000000 tl 'Speed:'",
        "text 165,85,210,105 #000000 tl 'Status:'",
        "text 165,105,210,125 #000000 tl 'HDOP:'",
        "text 165,125,210,145 #000000 tl 'PDOP:'",
        "text 5,157,35,170 #000000 tl 'Lat:'",
        "text 150,157,200,170 #000000 tl 'Lon:'",
        "text 225,5,300,25 #000000 tl '2024/02/29'",
        "text 240,25,300,45 #000000 tl ''",
        "text 240,45,300,65 #000000 tl ''",
        "text 240,65,300,85 #000000 tl ''",
        "text 240,85,300,105 #000000 tl '3D'",
        "text 240,105,300,125 #000000 tl ''",
        "text 240,125,300,145 #000000 tl ''",
        "text 40,157,55,170 #000000 tl ''",
        "text 60,157,140,170 #000000 tl ''",
        "text 185,157,215,170 #000000 tl ''",
        "text 205,157,305,170 #000000 tl '121`30.0000''",
        "sky 0,0,155,155 #000000",
    };
    EXPECT_EQ(panel.build(), expected);

    // Out of view, a record's other fields draw nothing; a rebuild keeps no
    // text of the previous list.
    panel.state->table(gpsL1).records[7] = {0, 1, 40, 77, 77, 7};
    panel.state->fix.clear();
    const std::vector<std::string> rebuilt = panel.build();
    ASSERT_EQ(rebuilt.size(), expected.size());
    EXPECT_EQ(rebuilt[10], "text 225,5,300,25 #000000 tl ''");
    EXPECT_EQ(rebuilt[20], "text 205,157,305,170 #000000 tl ''");
}

TEST(PanelDisplayList, SatellitesDrawBarMarkerAndNumbersInOrder) {
    Panel panel;
    panel.put(gpsL1, 5, 63, true).plotX = 100;
    panel.put(gpsL1, 40, 63, false).plotY = 30;
    panel.put(gpsL1, 41, 0);  // no signal: a red marker, still a slot
    panel.put(gpsL1, 42, 1);
    const std::vector<std::string> expected = {
        "fill 382,14,400,40 #0000ff",
        "ellipse 89,68,111,86 #0000ff",
        "text 89,68,111,86 #000000 ct '05'",
        "text 382,25,407,40 #ff00ff tl '50'",
        "text 382,40,407,90 #000000 tl '05'",
        "fill 412,15,430,40 #00ff00",
        "fill 413,16,429,39 #ffffff",
        "ellipse 66,21,88,39 #00ff00",
        "text 66,21,88,39 #00ffff ct '40'",
        "text 412,25,437,40 #ff00ff tl '49'",
        "text 412,40,437,90 #00ffff tl '40'",
        "ellipse 66,68,88,86 #ff0000",
        "text 66,68,88,86 #00ffff ct '41'",
        "text 442,40,467,90 #00ffff tl '41'",
        "fill 472,39,490,40 #00ff00",  // one pixel high, nothing white inside
        "ellipse 66,68,88,86 #00ff00",
        "text 66,68,88,86 #00ffff ct '42'",
        "text 472,25,497,40 #ff00ff tl '1'",
        "text 472,40,497,90 #00ffff tl '42'",
        "text 330,40,383,90 #000000 tl 'GPS L1'",
    };
    EXPECT_EQ(panel.buildBars(), expected);
}

TEST(PanelDisplayList, BarHeightFollowsStrengthInAnyRow) {
    struct Case {
        std::int32_t snr;
        bool used;
        const char* bar;    // in row 1
        const char* white;  // "" when none
        const char* shown;
    };
    const Case cases[] = {
        {63, true, "fill 382,59,400,85 #0000ff", "", "50"},
        {50, true, "fill 382,59,400,85 #0000ff", "", "50"},
        {63, false, "fill 382,60,400,85 #00ff00", "fill 383,61,399,84 #ffffff", "49"},
        {4, false, "fill 382,82,400,85 #00ff00", "fill 383,83,399,84 #ffffff", "4"},
        {3, false, "fill 382,83,400,85 #00ff00", "", "3"},
        {2, true, "fill 382,83,400,85 #0000ff", "", "2"},
        {1, true, "fill 382,84,400,85 #0000ff", "", "1"},
        {-1, true, "fill 382,84,400,85 #0000ff", "", "-1"},  // -1/2 is 0
        {-2, false, "", "", "-2"},
        {int32Min, true, "", "", "-2147483648"},
        {int32Max, false, "fill 382,60,400,85 #00ff00", "fill 383,61,399,84 #ffffff", "49"},
    };
    for (const Case& c : cases) {
        Panel panel;
        panel.put(gpsL1, 1, 30);  // row 0
        panel.put(gpsL5, 9, c.snr, c.used);
        std::vector<std::string> bars = panel.buildBars();
        bars.erase(bars.begin(), bars.begin() + 7);  // row 0's satellite and label
        std::vector<std::string> expected;
        for (const char* fill : {c.bar, c.white}) {
            if (*fill != 0) {
                expected.push_back(fill);
            }
        }
        const char* pen = c.used ? "#0000ff" : "#00ff00";
        expected.push_back(std::string("ellipse 66,68,88,86 ") + pen);
        expected.push_back("text 66,68,88,86 #000000 ct '09'");
        expected.push_back(std::string("text 382,70,407,85 #ff00ff tl '") + c.shown + "'");
        expected.push_back("text 382,85,407,135 #000000 tl '09'");
        expected.push_back("text 330,85,383,135 #000000 tl 'GPS L5'");
        EXPECT_EQ(bars, expected) << c.snr << (c.used ? " used" : " not used");
    }
}

TEST(PanelDisplayList, LabelStandsBesideTheLastRowAndTheNextTableStartsARow) {
    for (int count : {20, 21}) {
        Panel panel;
        std::vector<std::string> expected;
        for (int n = 1; n <= count; ++n) {
            panel.put(gpsL1, n, 40);
            char slot[32];
            std::snprintf(slot, sizeof slot, "%02d@%d,%d", n, (n - 1) % 20, (n - 1) / 20);
            expected.push_back(slot);
        }
        panel.put(glsL1, 3, 40);
        const int lastRow = (count - 1) / 20;
        expected.push_back("GPS L1@" + std::to_string(lastRow));
        expected.push_back("03@0," + std::to_string(lastRow + 1));
        expected.push_back("GLS L1@" + std::to_string(lastRow + 1));
        EXPECT_EQ(panel.buildSlots(), expected) << count;
    }
}

TEST(PanelDisplayList, GroupsFollowPaintOrderWithTheirColours) {
    Panel panel;
    const SatTableId storageOrder[] = {gpsL1, glsL1, gasL1, gnsL1, bdsL1,
                                       gpsL5, glsL5, gasL5, gnsL5, bdsL5};
    for (SatTableId table : storageOrder) {
        panel.put(table, 7, 30);
        panel.put(table, 33, 30);
    }
    struct Row {
        const char* label;
        PanelColor low;   // number 7
        PanelColor high;  // number 33
        PanelColor labelColor;
    };
    const Row rows[] = {
        {"GPS L1", panelBlack, cyan, panelBlack},
        {"GPS L5", panelBlack, cyan, panelBlack},
        {"GNS L1", 0x505050, 0x505050, 0x505050},
        {"GNS L5", 0x505050, 0x505050, 0x505050},
        {"GLS L1", 0x0F00F0, 0x0F00F0, 0x0F00F0},
        {"GLS L5", 0x0F00F0, 0x0F00F0, 0x0F00F0},
        {"GAS L1", panelGreen, panelGreen, panelGreen},
        {"GAS L5", panelGreen, panelGreen, panelGreen},
        {"BDS L1", 0x777777, 0x777777, 0x777777},
        {"BDS L5", 0x777777, 0x777777, 0x777777},
    };
    panel.build();
    const DrawOp* ops = panel.list->ops + 22;
    ASSERT_EQ(panel.list->count, 22u + 10 * (2 * 6 + 1));
    for (int r = 0; r < 10; ++r) {
        const DrawOp* group = ops + r * 13;
        const std::int64_t y = 45 * r;
        // Both numbers share the row: no row break at 33.
        EXPECT_EQ(group[3].color, rows[r].low) << rows[r].label;
        EXPECT_EQ(group[5].color, rows[r].low) << rows[r].label;
        EXPECT_EQ(group[5].box.left, 382) << rows[r].label;
        EXPECT_EQ(group[5].box.top, 40 + y) << rows[r].label;
        EXPECT_EQ(group[9].color, rows[r].high) << rows[r].label;
        EXPECT_EQ(group[11].color, rows[r].high) << rows[r].label;
        EXPECT_EQ(group[11].box.left, 412) << rows[r].label;
        EXPECT_EQ(group[11].box.top, 40 + y) << rows[r].label;
        EXPECT_EQ(group[10].color, panelMagenta) << rows[r].label;
        char label[80];
        std::snprintf(label, sizeof label, "text 330,%lld,383,%lld #%06x tl '%s'",
                      static_cast<long long>(40 + y), static_cast<long long>(90 + y),
                      rows[r].labelColor, rows[r].label);
        EXPECT_EQ(describe(group[12]), label);
    }
}

TEST(PanelDisplayList, GroupsWithViewFlagZeroTakeNoSlot) {
    Panel panel;
    panel.put(gpsL1, 2, 30);
    panel.put(gnsL5, 4, 30);
    panel.put(glsL1, 6, 30);
    panel.put(bdsL5, 8, 30);
    EXPECT_EQ(panel.buildSlots(),
              (std::vector<std::string>{"02@0,0", "GPS L1@0", "04@0,1", "GNS L5@1", "06@0,2",
                                        "GLS L1@2", "08@0,3", "BDS L5@3"}));
    panel.inputs.views.gps = 0;
    panel.inputs.views.gls = 0;
    panel.inputs.views.bds = -1;  // any value but 0 draws
    EXPECT_EQ(panel.buildSlots(),
              (std::vector<std::string>{"04@0,0", "GNS L5@0", "08@0,1", "BDS L5@1"}));
    panel.inputs.views = {0, 0, 0, 0, 0};
    EXPECT_EQ(panel.build().size(), 22u);
}

TEST(PanelDisplayList, SignalOffsetAppliesOnlyWhileLoggingAndNeverBelowZero) {
    struct Case {
        bool logging;
        std::int32_t offset;
        std::int32_t snr;
        const char* shown;  // "" for a red marker without a number
    };
    const Case cases[] = {
        {true, -10, 45, "35"},
        {true, -10, 6, "6"},
        {true, -10, 10, "0"},
        {true, -10, 0, ""},
        {true, 30, 0, ""},
        {false, -10, 45, "45"},
        {true, 20, 45, "49"},
        {true, int32Max, int32Max, "49"},
        {true, int32Min, int32Max, "49"},
        {true, int32Min, int32Min, "-2147483648"},
    };
    for (const Case& c : cases) {
        Panel panel;
        panel.inputs.logging = c.logging;
        panel.inputs.signalOffset = c.offset;
        panel.put(gasL1, 12, c.snr);
        std::string shown;
        std::string pen;
        for (const std::string& op : panel.buildBars()) {
            if (op.find("#ff00ff") != std::string::npos) {
                shown = op.substr(op.find('\'') + 1);
                shown.pop_back();
            }
            if (op.rfind("ellipse", 0) == 0) {
                pen = op.substr(op.find('#'));
            }
        }
        EXPECT_EQ(shown, c.shown) << c.offset << " + " << c.snr;
        EXPECT_EQ(pen, c.snr == 0 ? "#ff0000" : "#00ff00") << c.offset << " + " << c.snr;
    }
}

TEST(PanelDisplayList, NumbersPrintAsReceived) {
    Panel panel;
    panel.put(bdsL1, 5, 20);
    panel.put(bdsL1, 120, 20);
    panel.put(bdsL1, 200, 0).prn = int32Min;  // a record whose number is not its index
    EXPECT_EQ(panel.buildSlots(),
              (std::vector<std::string>{"05@0,0", "120@1,0", "-2147483648@2,0", "BDS L1@0"}));
}

TEST(PanelDisplayList, ASatelliteInTwoTablesGetsTwoMarkersTheLaterOnTop) {
    Panel panel;
    panel.put(gpsL1, 14, 44, true);
    panel.put(gpsL5, 14, 30, false);
    panel.build();
    std::vector<std::string> markers;
    for (std::size_t i = 0; i < panel.list->count; ++i) {
        if (panel.list->ops[i].kind == DrawKind::ellipse) {
            markers.push_back(describe(panel.list->ops[i]));
        }
    }
    EXPECT_EQ(markers, (std::vector<std::string>{"ellipse 66,68,88,86 #0000ff",
                                                 "ellipse 66,68,88,86 #00ff00"}));
}

TEST(PanelDisplayList, LeavesOutWhatLiesWhollyOutsideThePanel) {
    Panel panel;
    panel.inputs.height = 378;
    // Markers just outside and just inside; right and bottom edges lie outside a box.
    const std::int32_t xs[] = {-11, -10, 1004, 1005};
    for (int i = 0; i < 4; ++i) {
        panel.put(gpsL1, i + 1, 0).plotX = xs[i];
    }
    for (int n = 1; n <= 160; ++n) {  // rows 1 to 8
        panel.put(glsL5, n, 49);
    }
    const std::vector<std::string> ops = panel.buildBars();
    const std::vector<std::string> firstRow = {
        "text 382,40,407,90 #000000 tl '01'",  // every slot stays taken
        "ellipse -21,68,1,86 #ff0000",         "text -21,68,1,86 #000000 ct '02'",
        "text 412,40,437,90 #000000 tl '02'",  "ellipse 993,68,1015,86 #ff0000",
        "text 993,68,1015,86 #000000 ct '03'", "text 442,40,467,90 #000000 tl '03'",
        "text 472,40,497,90 #000000 tl '04'",  "text 330,40,383,90 #000000 tl 'GPS L1'",
    };
    EXPECT_EQ(std::vector<std::string>(ops.begin(), ops.begin() + 9), firstRow);
    // Row 8's bars reach into the panel (from y = 375); its numbers and the
    // label beside it do not.
    const std::vector<std::string> lastSatellite = {
        "fill 952,375,970,400 #00ff00",
        "fill 953,376,969,399 #ffffff",
        "ellipse 66,68,88,86 #00ff00",
        "text 66,68,88,86 #0f00f0 ct '160'",
    };
    EXPECT_EQ(std::vector<std::string>(ops.end() - 4, ops.end()), lastSatellite);
    EXPECT_EQ(panel.buildSlots().back(), "140@19,7");

    panel.inputs.width = 0;
    EXPECT_TRUE(panel.build().empty());
    panel.inputs.width = -5;
    panel.inputs.height = int32Min;
    EXPECT_TRUE(panel.build().empty());
}

// Every operation in a list: partly inside the panel, no empty fill, a known
// brush or pen, 32-bit coordinates, a terminated text.
void expectSane(const PanelDisplayList& list, const PanelInputs& inputs) {
    for (std::size_t i = 0; i < list.count; ++i) {
        const DrawOp& op = list.ops[i];
        const PanelBox& box = op.box;
        EXPECT_TRUE(box.right > 0 && box.bottom > 0 && box.left < inputs.width &&
                    box.top < inputs.height)
            << describe(op);
        // So a painter may narrow them to its own integers.
        EXPECT_TRUE(box.left >= -21 && box.right <= std::int64_t{inputs.width} + 21)
            << describe(op);
        EXPECT_TRUE(box.top >= -17 && box.bottom <= std::int64_t{inputs.height} + 50)
            << describe(op);
        EXPECT_LE(op.text.length(), 63u);
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
    panel.inputs.width = int32Max;
    panel.inputs.height = int32Max;
    panel.inputs.logging = true;
    panel.inputs.signalOffset = int32Max;
    const std::int32_t extremes[] = {int32Max, int32Min, int32Max - 5, int32Min + 5, 0};
    int n = 0;
    for (std::int32_t x : extremes) {
        for (std::int32_t y : extremes) {
            SatRecord& record = panel.put(gnsL1, n, y, n % 2 == 0);
            ++n;
            record.plotX = x;
            record.plotY = y;
            record.prn = x;
        }
    }
    std::u16string wide(63, u'\uFFFF');
    panel.state->fix.latText.assign(wide.c_str());
    panel.state->fix.lonText.assign((wide + u"more").c_str());
    panel.build();
    expectSane(*panel.list, panel.inputs);
    EXPECT_EQ(panel.list->ops[20].text.length(), 63u);
    int markers = 0;
    for (std::size_t i = 0; i < panel.list->count; ++i) {
        markers += panel.list->ops[i].kind == DrawKind::ellipse ? 1 : 0;
    }
    EXPECT_EQ(markers, 9);  // plotX and plotY each from {max, max - 5, 0}
    EXPECT_EQ(panel.buildSlots().back(), "GNS L1@1");

    panel.inputs.width = 994;
    panel.inputs.height = 378;
    panel.build();
    expectSane(*panel.list, panel.inputs);
}

TEST(PanelDisplayList, TenFullTablesFillTheListExactly) {
    Panel panel;
    panel.inputs.width = int32Max;
    panel.inputs.height = int32Max;
    for (SatTable& table : panel.state->tables) {
        for (int n = 0; n < satTableSize; ++n) {
            table.records[n] = {1, 0, 40, 200 + n, 100, n};
        }
    }
    panel.build();
    EXPECT_EQ(panel.list->count, PanelDisplayList::capacity);
    const DrawOp& last = panel.list->ops[PanelDisplayList::capacity - 1];
    EXPECT_EQ(describe(last), "text 330,5845,383,5895 #777777 tl 'BDS L5'");  // row 129
    expectSane(*panel.list, panel.inputs);
}

TEST(PanelDisplayList, BrushAndPenIndicesNameTheirColours) {
    EXPECT_EQ(panelBrushIndex(panelWhite), 0);
    EXPECT_EQ(panelBrushIndex(panelGreen), 1);
    EXPECT_EQ(panelBrushIndex(panelBlue), 2);
    EXPECT_EQ(panelBrushIndex(panelRed), -1);
    EXPECT_EQ(panelPenIndex(panelRed), 0);
    EXPECT_EQ(panelPenIndex(panelBlue), 1);
    EXPECT_EQ(panelPenIndex(panelGreen), 2);
    EXPECT_EQ(panelPenIndex(panelWhite), -1);
    EXPECT_EQ(panelPenIndex(panelMagenta), -1);
}

}  // namespace
