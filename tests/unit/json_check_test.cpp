#include "json_check.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The checker the fuzzers trust must refuse what is not JSON.
TEST(JsonCheck, TakesJsonAndRefusesTheRest) {
    for (const char* good :
         {"{}", "[]", "0", "-0.5", "1e-7", "1E+2", "\"\"", "\"\\u00e9\\n\\/\"", "null", " true ",
          "{\"a\": [1, {\"b\": null}], \"c\": false}", "[[[[]]]]"}) {
        EXPECT_TRUE(jsonWellFormed(good)) << good;
    }
    for (const char* bad : {"",          "{",
                            "[1,]",      "{\"a\":1,}",
                            "{\"a\" 1}", "{a: 1}",
                            "01",        "1.",
                            ".5",        "-",
                            "+1",        "NaN",
                            "nan",       "Infinity",
                            "-inf",      "1e",
                            "\"\\x\"",   "\"\\u12g4\"",
                            "\"a\tb\"",  "\"open",
                            "[1] [2]",   "{\"a\": 1, \"a\": 2}",
                            "tru",       "nul",
                            "[1 2]",     "{\"a\":}"}) {
        EXPECT_FALSE(jsonWellFormed(bad)) << bad;
    }
    std::string deep(100, '[');
    deep += std::string(100, ']');
    std::string problem;
    EXPECT_FALSE(jsonWellFormed(deep, &problem));
    EXPECT_NE(problem.find("nested too deeply"), std::string::npos) << problem;
}

}  // namespace
