#include "report/report_html.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "markup_check.h"
#include "report/chart_svg.h"
#include "stats/limits.h"
#include "stats_run.h"

namespace {

struct PageRun {
    StatsRun run;
    std::unique_ptr<ReportCharts> charts = std::make_unique<ReportCharts>();
    LimitSet limits;

    std::string page(const ReportInputs& inputs, const char* source = "drive.nmea") {
        const RunReport& report = run.build(inputs);
        buildReportCharts(report, *run.statistics, charts.get());
        std::string html;
        ReportPage about;
        about.source = source;
        appendReportHtml(html, report, *charts, about);
        return html;
    }

    const LimitSet* limitsFrom(const char* text) {
        IniError error;
        EXPECT_EQ(parseLimitsText(text, std::strlen(text), "limits.ini", &limits, &error), 1)
            << error.message;
        return &limits;
    }
};

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

int countOf(const std::string& text, const std::string& part) {
    int count = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
        ++count;
    }
    return count;
}

// Epochs a second apart with four GPS satellites tracked, fixes in a small
// square around Munich after the first two.
void feedDrive(StatsRun& run, int epochs) {
    const std::string satellites = gsv("$GPGSV", {{1, 40}, {2, 38}, {3, 36}, {4, 34}});
    const char* minutes[] = {"08.36400", "08.36500", "08.36600"};
    for (int i = 0; i < epochs; ++i) {
        char time[16];
        std::snprintf(time, sizeof time, "1200%02d.00", i);
        run.feed(satellites);
        run.feed(i < 2 ? rmc(time, "V")
                       : rmc(time, "A", std::string("48") + minutes[i % 3], "N",
                             std::string("011") + minutes[(i + 1) % 3], "E"));
    }
}

// A whole page: the verdict first, the limits judged, four charts, the
// stream, position, signal and satellite tables; well formed; self-contained.
TEST(ReportHtml, APageHoldsTheVerdictLimitsChartsAndTablesAndLoadsNothing) {
    PageRun page;
    feedDrive(page.run, 30);
    ReportInputs inputs;
    inputs.limits = page.limitsFrom("[LIMITS]\nGAPS_MAX=0\nTOP4_L1_MEDIAN_MIN=36.5\n");
    const std::string html = page.page(inputs);

    std::string problem;
    EXPECT_TRUE(markupWellFormed(html, &problem)) << problem;
    EXPECT_EQ(html.rfind("<!DOCTYPE html>", 0), 0u);
    const std::size_t verdict = html.find("<div id=\"verdict\" class=\"pass\">");
    ASSERT_NE(verdict, std::string::npos);
    EXPECT_LT(verdict, html.find("<table"));  // before every table
    EXPECT_TRUE(contains(html, "<span class=\"word\">PASS</span>"));
    EXPECT_TRUE(contains(html, "2 of 2 limits passed"));
    EXPECT_TRUE(contains(html,
                         "<tr><th>TOP4_L1_MEDIAN_MIN</th><td>36.5</td><td>37.00</td>"
                         "<td class=\"pass\">PASS</td></tr>"));
    EXPECT_EQ(countOf(html, "<svg class=\"chart\""), 4);
    EXPECT_TRUE(contains(html, "<tr><th>Epochs (RMC samples)</th><td>30</td></tr>"));
    EXPECT_TRUE(contains(html, "<tr><th>GPGSV</th><td>30</td></tr>"));
    EXPECT_TRUE(contains(html,
                         "<tr><td>gpsL1</td><td>1</td><td>30</td><td>30</td><td>0</td>"
                         "<td>40.00</td><td>40.00</td><td>40.00</td></tr>"));
    EXPECT_TRUE(contains(html, "<tr><th>Fix availability (%)</th><td>93.33</td></tr>"));
    EXPECT_LT(html.find("<h2>Charts</h2>"), html.find("<h2>Stream</h2>"));
    EXPECT_LT(html.find("<h2>Stream</h2>"), html.find("<h2>Satellites</h2>"));
    // Nothing from elsewhere, and no number that is not one.
    for (const char* outside : {"<script", "src=", "href=", "url(", "@import", "<link", "<img",
                                "https:", "nan", "inf", "null"}) {
        EXPECT_FALSE(contains(html, outside)) << outside;
    }
    EXPECT_EQ(countOf(html, "http:"), 4);  // the SVG namespace of each chart
}

// A failed limit turns the verdict red and names the count; a null value
// fails and shows as a dash. No limits: a pass that says so.
TEST(ReportHtml, TheVerdictFailsOnOneLimitAndPassesWithoutLimits) {
    PageRun failing;
    feedDrive(failing.run, 8);
    ReportInputs inputs;
    inputs.limits = failing.limitsFrom("[LIMITS]\nCEP50_MAX_M=1000\nTTFF_MAX_S=1\nGAPS_MAX=0\n");
    const std::string html = failing.page(inputs);
    EXPECT_TRUE(markupWellFormed(html));
    EXPECT_TRUE(contains(html, "<div id=\"verdict\" class=\"fail\"><span class=\"word\">FAIL"));
    EXPECT_TRUE(contains(html, "1 of 3 limits failed"));
    EXPECT_TRUE(contains(html,
                         "<tr><th>TTFF_MAX_S</th><td>1</td><td>2.000</td>"
                         "<td class=\"fail\">FAIL</td></tr>"));

    PageRun unjudged;
    feedDrive(unjudged.run, 3);
    const std::string plain = unjudged.page({});
    EXPECT_TRUE(contains(plain, "<div id=\"verdict\" class=\"pass\">"));
    EXPECT_TRUE(contains(plain, "no limits given"));
    EXPECT_FALSE(contains(plain, "<table class=\"limits\">"));
}

// A run without a fix: every position number is a dash, as is a satellite's
// strength when it was never tracked, and the charts say "no data".
TEST(ReportHtml, NumbersThatCannotBeComputedShowAsDashes) {
    PageRun page;
    page.run.feed(gsv("$GPGSV", {{7, 0}}) + rmc("120000.00", "V") + rmc("120001.00", "V"));
    ReportInputs inputs;
    inputs.limits = page.limitsFrom("[LIMITS]\nCEP95_MAX_M=5\n");
    const std::string html = page.page(inputs);
    const char* dash = "\xE2\x80\x94";
    EXPECT_TRUE(markupWellFormed(html));
    EXPECT_TRUE(contains(html, std::string("<tr><th>CEP50 (m)</th><td>") + dash + "</td></tr>"));
    EXPECT_TRUE(contains(html, std::string("<tr><th>CEP95_MAX_M</th><td>5</td><td>") + dash +
                                   "</td><td class=\"fail\">FAIL</td></tr>"));
    EXPECT_TRUE(contains(html, std::string("<tr><td>gpsL1</td><td>7</td><td>2</td><td>0</td>"
                                           "<td>0</td><td>") +
                                   dash + "</td><td>" + dash + "</td><td>" + dash + "</td></tr>"));
    EXPECT_TRUE(contains(html, std::string("<tr><th>First fix after (epochs)</th><td>") + dash));
    EXPECT_GE(countOf(html, ">no data</text>"), 3);
}

// Whatever the recording's name or its sentences hold, the page stays
// well formed: every text is escaped, malformed UTF-8 replaced.
TEST(ReportHtml, EveryTextIsEscaped) {
    PageRun page;
    page.run.feed(checked("$<b>&'x\",1") + checked("$\x7F\x01,2") + rmc("120000.00", "V"));
    const std::string html = page.page({}, "<script>alert('&')</script>\xFF.nmea");
    std::string problem;
    EXPECT_TRUE(markupWellFormed(html, &problem)) << problem;
    EXPECT_TRUE(contains(html,
                         "&lt;script&gt;alert(&apos;&amp;&apos;)&lt;/script&gt;\xEF\xBF\xBD"
                         ".nmea"));
    EXPECT_TRUE(contains(html, "<tr><th>&lt;b&gt;&amp;&apos;x&quot;</th><td>1</td></tr>"));
    EXPECT_FALSE(contains(html, "<script"));
}

// The SVG writer executes each kind of operation as the list gives it.
TEST(ReportHtml, ChartSvgWritesEachOperationInOrder) {
    auto list = std::make_unique<ChartDisplayList>();
    list->clear(200, 100);
    ChartOp* rect = list->add(ChartOpKind::rect, 0x8C959F);
    rect->a = {10, 10};
    rect->b = {190, 90};
    rect->filled = true;
    rect->crisp = true;
    list->add(ChartOpKind::polyline, 0x1F6FD1)->width = 2;
    list->addPoint({10, 90});
    list->addPoint({250, -5});  // clamped into the chart
    list->add(ChartOpKind::dots, 0x123456)->width = 4;
    list->addPoint({20, 30});
    list->addPoint({21, 31});
    ChartOp* circle = list->add(ChartOpKind::circle, 0xC2185B);
    circle->a = {100, 50};
    circle->radius = 30;
    circle->width = 2;
    ChartOp* text = list->addText("a<b & \"c\"", {5, 50}, chartInk);
    text->vertical = true;
    text->align = TextAlign::middle;
    std::string svg;
    appendChartSvg(svg, *list, "Chart <1>");
    EXPECT_TRUE(markupWellFormed(svg));
    const std::string body = svg.substr(svg.find("\">\n<g") + 3);
    EXPECT_EQ(body.substr(body.find("\">\n") + 3),
              "<rect x=\"10\" y=\"10\" width=\"180\" height=\"80\" fill=\"#ffffff\" "
              "stroke=\"#8c959f\" stroke-width=\"1\" shape-rendering=\"crispEdges\"/>\n"
              "<polyline points=\"10,90 200,0\" fill=\"none\" stroke=\"#1f6fd1\" "
              "stroke-width=\"2\" stroke-linejoin=\"round\" stroke-linecap=\"round\"/>\n"
              "<path d=\"M20 30h0M21 31h0\" fill=\"none\" stroke=\"#123456\" stroke-width=\"4\" "
              "stroke-linecap=\"round\"/>\n"
              "<circle cx=\"100\" cy=\"50\" r=\"30\" fill=\"none\" stroke=\"#c2185b\" "
              "stroke-width=\"2\"/>\n"
              "<text x=\"5\" y=\"50\" text-anchor=\"middle\" fill=\"#1f2328\" font-size=\"12\" "
              "transform=\"rotate(-90 5 50)\">a&lt;b &amp; &quot;c&quot;</text>\n"
              "</g>\n</svg>\n");
    EXPECT_TRUE(contains(svg, "width=\"200\" height=\"100\" viewBox=\"0 0 200 100\""));
    EXPECT_TRUE(contains(svg, "aria-label=\"Chart &lt;1&gt;\""));
}

}  // namespace
