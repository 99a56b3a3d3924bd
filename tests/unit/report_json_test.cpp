#include "stats/report_json.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>
#include <string>

#include "json_check.h"
#include "stats/json_text.h"
#include "stats/limit_evaluation.h"

namespace {

TEST(ReportJson, FixedDecimalsTheSameOnEveryPlatform) {
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        {0, 3, "0.000"},
        {-0.0, 3, "0.000"},
        {-0.0004, 3, "0.000"},   // no "-0.000"
        {-0.0005, 3, "-0.001"},  // half away from zero, of the double nearest -0.0005
        {2.5, 0, "3"},
        {-2.5, 0, "-3"},
        {35.25, 2, "35.25"},
        {1.0 / 3, 6, "0.333333"},
        {2.0 / 3, 6, "0.666667"},
        {48.13947586, 8, "48.13947586"},
        {-179.99999999, 8, "-179.99999999"},
        {123456.0004, 3, "123456.000"},
        {std::nan(""), 2, "null"},
        {std::numeric_limits<double>::infinity(), 2, "null"},
    };
    for (const auto& c : cases) {
        std::string out;
        appendFixed(out, c.value, c.decimals);
        EXPECT_EQ(out, c.text) << c.value;
    }
    // Far beyond any report's numbers: still a number, and the same number.
    std::string huge;
    appendFixed(huge, -1e300, 3);
    EXPECT_TRUE(jsonWellFormed(huge)) << huge;
    EXPECT_EQ(std::strtod(huge.c_str(), nullptr), -1e300);
}

TEST(ReportJson, TextsEscapedToPrintableAscii) {
    std::string out;
    const char16_t units[] = {u'G', u'"', u'\\', u'\t', 0x7F, 0xE9, u'/'};
    appendJsonText(out, units, 7);
    EXPECT_EQ(out, "\"G\\\"\\\\\\u0009\\u007f\\u00e9/\"");
}

// A whole small report, by hand: the layout, the names, nulls, the limit as
// written, and a campaign.
TEST(ReportJson, ASmallReportWhole) {
    auto report = std::make_unique<RunReport>();
    report->lines.total = 3;
    report->lines.checksumOk = 2;
    report->lines.checksumAbsent = 1;
    report->lines.typeCount = 1;
    const char16_t rmc[] = u"GNRMC";
    std::memcpy(report->lines.byType[0].type.units, rmc, 5 * sizeof(char16_t));
    report->lines.byType[0].type.length = 5;
    report->lines.byType[0].count = 2;
    report->lines.other = 1;
    report->epochs = {2, 1, 0.5, 1000, 0, 0, 1000};
    report->signals.bands[0].top4 = {1, 40.25, 40.25, 40.25, 40.25, 40.25, 40.25};
    report->satellites.count = 1;
    report->satellites.entries[0] = {glsL5, 71, 2, 1, 0, {1, 40, 40, 40, 40, 40, 40}};
    report->position.fixes = 1;
    report->position.reference = {48.1, -0.000000001, true};
    report->position.cep50M = 1.23456;
    report->firstFix = {std::nullopt, 1, 1000};
    report->hasCampaign = true;
    CampaignReport& campaign = report->campaign;
    campaign.kind = StartKind::warm;
    std::strcpy(campaign.family, "PAIR");
    campaign.count = 2;
    campaign.timeoutS = 60;
    campaign.startCount = 2;
    campaign.starts[0] = {1, "2026-12-06T10:00:00", StartOutcome::fix, 25400, 9, 41.5, 3.25, {}};
    campaign.starts[1] = {2,
                          "2026-12-06T10:02:00",
                          StartOutcome::noRestart,
                          std::nullopt,
                          std::nullopt,
                          std::nullopt,
                          std::nullopt,
                          {}};
    summarizeCampaign(&campaign);
    LimitSet limits;
    limits.count = 1;
    limits.entries[0].key = LimitKey::cep50MaxM;
    ASSERT_TRUE(parseDecimalNumber("+1.50", &limits.entries[0].value));
    evaluateLimits(&limits, report.get());

    std::string json;
    appendReportJson(json, *report);
    const std::string nulls =
        "{\"n\": 0, \"min\": null, \"p5\": null, \"median\": null, \"mean\": null, \"p95\": null, "
        "\"max\": null}";
    const std::string noSignal = "{\"inView\": " + nulls + ", \"tracked\": " + nulls +
                                 ", \"used\": " + nulls + ", \"top4\": " + nulls + "}";
    std::string signals;
    for (const char* name : {"gpsL1", "glsL1", "gasL1", "gnsL1", "bdsL1", "gpsL5", "glsL5", "gasL5",
                             "gnsL5", "bdsL5"}) {
        signals += "    \"" + std::string(name) + "\": " + noSignal + ",\n";
    }
    signals += "    \"L1\": {\"inView\": " + nulls + ", \"tracked\": " + nulls +
               ", \"used\": " + nulls +
               ", \"top4\": {\"n\": 1, \"min\": 40.25, \"p5\": 40.25, \"median\": 40.25, \"mean\": "
               "40.25, \"p95\": 40.25, \"max\": 40.25}},\n";
    signals += "    \"L5\": " + noSignal + "\n";
    const std::string expected =
        "{\n"
        "  \"lines\": {\"total\": 3, \"checksumOk\": 2, \"checksumBad\": 0, \"checksumAbsent\": 1, "
        "\"byType\": {\"GNRMC\": 2, \"other\": 1}},\n"
        "  \"epochs\": {\"count\": 2, \"fix\": 1, \"fixAvailability\": 0.500000, "
        "\"intervalMedianMs\": 1000, \"gaps\": 0, \"backwards\": 0, \"spanMs\": 1000},\n"
        "  \"signals\": {\n" +
        signals +
        "  },\n"
        "  \"satellites\": [\n"
        "    {\"table\": \"glsL5\", \"number\": 71, \"inView\": 2, \"tracked\": 1, \"used\": 0, "
        "\"strength\": {\"n\": 1, \"min\": 40.00, \"p5\": 40.00, \"median\": 40.00, \"mean\": "
        "40.00, "
        "\"p95\": 40.00, \"max\": 40.00}}\n"
        "  ],\n"
        "  \"position\": {\"fixes\": 1, \"reference\": {\"lat\": 48.10000000, \"lon\": 0.00000000, "
        "\"given\": true}, \"meanEastM\": null, \"meanNorthM\": null, \"cep50M\": 1.235, "
        "\"cep95M\": "
        "null, \"drms2M\": null, \"maxErrorM\": null},\n"
        "  \"firstFix\": {\"ms\": null, \"epochs\": 1, \"receiverMs\": 1000},\n"
        "  \"campaign\": {\n"
        "    \"kind\": \"warm\",\n"
        "    \"family\": \"PAIR\",\n"
        "    \"count\": 2,\n"
        "    \"timeoutS\": 60,\n"
        "    \"starts\": [\n"
        "      {\"index\": 1, \"sentAt\": \"2026-12-06T10:00:00\", \"outcome\": \"fix\", "
        "\"ttffMs\": "
        "25400, \"usedAtFix\": 9, \"top4AtFix\": 41.50, \"errorAtFixM\": 3.250},\n"
        "      {\"index\": 2, \"sentAt\": \"2026-12-06T10:02:00\", \"outcome\": \"noRestart\", "
        "\"ttffMs\": null, \"usedAtFix\": null, \"top4AtFix\": null, \"errorAtFixM\": null}\n"
        "    ],\n"
        "    \"ttff\": {\"n\": 1, \"min\": 25.400, \"p5\": 25.400, \"median\": 25.400, \"mean\": "
        "25.400, \"p95\": 25.400, \"max\": 25.400},\n"
        "    \"fixed\": 1,\n"
        "    \"timeouts\": 0,\n"
        "    \"noRestart\": 1\n"
        "  },\n"
        "  \"limits\": [\n"
        "    {\"key\": \"CEP50_MAX_M\", \"limit\": 1.5, \"value\": 1.235, \"pass\": true}\n"
        "  ],\n"
        "  \"pass\": true,\n"
        "  \"bounds\": {\"sampleWindow\": 131072, \"intervalsDropped\": 0, \"positionsDropped\": "
        "0, "
        "\"windowed\": [], \"strengthPool\": 512, \"satellitesPastPool\": 0, \"strengthsClamped\": "
        "0, "
        "\"typeTable\": 256, \"linesPastTypeTable\": 0}\n"
        "}\n";
    EXPECT_EQ(json, expected);
    std::string problem;
    EXPECT_TRUE(jsonWellFormed(json, &problem)) << problem;
}

}  // namespace
