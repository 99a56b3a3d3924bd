#include "ui/statistics_view.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "test_text.h"

namespace {

std::vector<std::string> rows(const StatisticsView& view) {
    std::vector<std::string> out;
    std::istringstream text(narrow(view.text.c_str()));
    for (std::string row; std::getline(text, row);) {
        if (!row.empty() && row.back() == '\r') {
            row.pop_back();
        }
        out.push_back(row);
    }
    return out;
}

const DrawOp* opWithText(const StatisticsView& view, const std::string& text, int nth = 0) {
    for (std::size_t i = 0; i < view.count; ++i) {
        if (narrow(view.ops[i].text.c_str()) == text && nth-- == 0) {
            return &view.ops[i];
        }
    }
    return nullptr;
}

std::unique_ptr<RunReport> judgedReport() {
    auto report = std::make_unique<RunReport>();
    report->live = true;
    report->lines.total = 1200;
    report->lines.checksumOk = 1190;
    report->lines.checksumBad = 4;
    report->lines.checksumAbsent = 6;
    report->epochs.count = 100;
    report->epochs.fix = 90;
    report->epochs.fixAvailability = 0.9;
    report->epochs.intervalMedianMs = 100;
    report->epochs.spanMs = 9900;
    report->firstFix.ms = 31250;
    report->position.fixes = 90;
    report->position.cep50M = 1.25;
    report->position.reference = {48.5, 11.25, true};
    report->limitCount = 2;
    report->limits[0].limit.key = LimitKey::fixAvailabilityMin;
    parseDecimalNumber("0.95", &report->limits[0].limit.value);
    report->limits[0].value = 0.9;
    report->limits[0].pass = false;
    report->limits[1].limit.key = LimitKey::cep50MaxM;
    parseDecimalNumber("2", &report->limits[1].limit.value);
    report->limits[1].value = 1.25;
    report->limits[1].pass = true;
    report->pass = false;
    return report;
}

// Every number in its row, nulls as a dash, the verdict and each limit in
// the colour of its result; the text holds the same cells.
TEST(StatisticsView, ShowsTheReportInRowsWithResultsInColour) {
    auto report = judgedReport();
    auto view = std::make_unique<StatisticsView>();
    StatisticsViewInputs inputs;
    inputs.width = 760;
    inputs.height = 2000;
    inputs.note = u"skyvane.ini:4: unknown key CEP_MAX_M in [LIMITS]";
    buildStatisticsView(*report, inputs, view.get());
    const std::vector<std::string> text = rows(*view);
    ASSERT_GE(text.size(), 10u);
    EXPECT_EQ(text[0], "Verdict\tFAIL\tlive run");
    EXPECT_EQ(text[1], "Lines\ttotal 1200\tchecksum ok 1190\tbad 4\tabsent 6");
    const auto has = [&](const std::string& row) {
        for (const std::string& shown : text) {
            if (shown == row) {
                return true;
            }
        }
        return false;
    };
    EXPECT_TRUE(has("Epochs\tcount 100\tfix 90\tavailability 90.0 %"));
    EXPECT_TRUE(has("\tinterval 100 ms\tgaps 0\tbackwards 0"));
    const std::string dash = "\x14";  // U+2014, narrowed to its low byte
    EXPECT_TRUE(has("First fix\tafter 31.25 s\tepochs " + dash + "\treceiver " + dash));
    EXPECT_TRUE(has("Reference\tlat 48.50000000\tlon 11.25000000\tgiven"));
    EXPECT_TRUE(has("Position\tfixes 90\tCEP50 1.250 m\tCEP95 " + dash));
    EXPECT_TRUE(has("\t2DRMS " + dash + "\tmax " + dash));
    EXPECT_TRUE(has("FIX_AVAILABILITY_MIN\t0.95\t0.900\tFAIL"));
    EXPECT_TRUE(has("CEP50_MAX_M\t2\t1.250\tPASS"));
    EXPECT_EQ(text.back(), "skyvane.ini:4: unknown key CEP_MAX_M in [LIMITS]");

    ASSERT_NE(opWithText(*view, "FAIL", 0), nullptr);
    EXPECT_EQ(opWithText(*view, "FAIL", 0)->color, failColor);  // the verdict
    EXPECT_EQ(opWithText(*view, "FAIL", 1)->color, failColor);  // its limit
    ASSERT_NE(opWithText(*view, "PASS"), nullptr);
    EXPECT_EQ(opWithText(*view, "PASS")->color, passColor);
    EXPECT_EQ(opWithText(*view, "Verdict")->box.top, 6);
    EXPECT_EQ(opWithText(*view, "Lines")->box.top, 6 + textRowHeight);
    // A cell reaches the next column; a row's last one, the note, the right edge.
    EXPECT_EQ(opWithText(*view, "Verdict")->box.right, 176 - 4);
    EXPECT_EQ(opWithText(*view, "skyvane.ini:4: unknown key CEP_MAX_M in [LIMITS]")->box.right,
              760);
}

// Without limits the run passes; rows below the area are left out of the
// drawing, never out of the text; a report of every type stays in bounds.
TEST(StatisticsView, ANarrowAreaDrawsWhatFitsAndTheTextKeepsEverything) {
    auto report = std::make_unique<RunReport>();
    report->lines.typeCount = typeTableCapacity;
    for (int i = 0; i < typeTableCapacity; ++i) {
        report->lines.byType[i].count = static_cast<std::uint64_t>(i);
        report->lines.byType[i].type.units[0] = u'A';
        report->lines.byType[i].type.length = 1;
    }
    auto view = std::make_unique<StatisticsView>();
    StatisticsViewInputs inputs;
    inputs.width = 200;
    inputs.height = 3 * textRowHeight;
    buildStatisticsView(*report, inputs, view.get());
    EXPECT_EQ(rows(*view)[0], "Verdict\tPASS (no limits)\trecording");
    EXPECT_EQ(opWithText(*view, "PASS (no limits)")->color, passColor);
    EXPECT_GT(rows(*view).size(), 10u);
    for (std::size_t i = 0; i < view->count; ++i) {
        EXPECT_LT(view->ops[i].box.top, inputs.height);
        EXPECT_LT(view->ops[i].box.left, inputs.width);
    }
    EXPECT_EQ(rows(*view)[2], "Rate per type\tA 255\tA 254\tA 253\tA 252");
}

}  // namespace
