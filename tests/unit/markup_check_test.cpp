#include "markup_check.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The checker the fuzzers trust with the report pages must refuse what an
// XML parser would.
TEST(MarkupCheck, TakesWellFormedPagesAndRefusesTheRest) {
    for (const char* good : {
             "<a/>",
             "<!DOCTYPE html>\n<html lang=\"en\"><head><meta charset=\"utf-8\"/></head></html>\n",
             "<?xml version=\"1.0\"?>\n<svg x='1' y=\"2\"><g><text>a &amp; b &lt;&gt; "
             "&#8212;&#x1F6F0;</text></g></svg>",
             "<p>CSS a > b { } \xE2\x80\x94 \xF0\x9F\x9B\xB0<!-- note --></p>",
         }) {
        std::string problem;
        EXPECT_TRUE(markupWellFormed(good, &problem)) << good << ": " << problem;
    }
    for (const char* bad : {
             "",
             "text",
             "<a>",
             "<a></b>",
             "<a><b></a></b>",
             "<a/><b/>",
             "<a>x</a>trailing",
             "<a x=1/>",
             "<a x=\"1\" x=\"2\"/>",
             "<a x=\"1\"y=\"2\"/>",
             "<a x=\"<\"/>",
             "<a>&nbsp;</a>",
             "<a>& </a>",
             "<a>&#0;</a>",
             "<a>&#xD800;</a>",
             "<a>1 < 2</a>",
             "<a>\x01</a>",
             "<a>\xC3</a>",
             "<a>\xC0\xAF</a>",
             "<a>\xED\xA0\x80</a>",
             "<a><!-- a -- b --></a>",
             "<a/><!DOCTYPE html>",
             "<a x=\"1></a>",
         }) {
        EXPECT_FALSE(markupWellFormed(bad)) << bad;
    }
    std::string problem;
    EXPECT_FALSE(markupWellFormed("<svg><g></svg>", &problem));
    EXPECT_NE(problem.find("</svg> closes nothing open"), std::string::npos) << problem;
}

}  // namespace
