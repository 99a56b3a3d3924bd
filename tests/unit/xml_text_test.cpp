#include "base/xml_text.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string xml(const std::u16string& text) {
    std::string out = "[";
    appendXmlText(out, text.c_str());
    return out + "]";
}

TEST(XmlText, EscapesMarkupAndReplacesWhatXmlCannotHold) {
    struct Case {
        std::u16string text;
        const char* expected;
    };
    const Case cases[] = {
        {u"", "[]"},
        {u"3D 12`34.5678'", "[3D 12`34.5678&apos;]"},
        {u"a&b<c>d\"e", "[a&amp;b&lt;c&gt;d&quot;e]"},
        {u"&amp;", "[&amp;amp;]"},
        {u"tab\tlf\ncr\r.", "[tab\tlf\ncr&#13;.]"},
        {u"\x01\x08\x0B\x0C\x1F|\x7F",
         "[\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD|\x7F]"},
        {u"\u00E9\u07FF\u0800\uD7FF\uE000\uFFFD",
         "[\xC3\xA9\xDF\xBF\xE0\xA0\x80\xED\x9F\xBF\xEE\x80\x80\xEF\xBF\xBD]"},
        {u"\uFFFE\uFFFF", "[\xEF\xBF\xBD\xEF\xBF\xBD]"},
        {u"\U0001F6F0\U00010000\U0010FFFF", "[\xF0\x9F\x9B\xB0\xF0\x90\x80\x80\xF4\x8F\xBF\xBF]"},
        // Lone surrogates: a high one at the end or before anything but a low
        // one, a low one on its own, a pair in the wrong order.
        {u"x\xD800", "[x\xEF\xBF\xBD]"},
        {u"\xD800x\xDC00", "[\xEF\xBF\xBDx\xEF\xBF\xBD]"},
        {u"\xDC00\xD800", "[\xEF\xBF\xBD\xEF\xBF\xBD]"},
        {u"\xD800\xD800\xDC00", "[\xEF\xBF\xBD\xF0\x90\x80\x80]"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(xml(c.text), c.expected) << c.expected;
    }
}

// A counted text stops at its count or its NUL, and never pairs a high
// surrogate with a unit past the count.
TEST(XmlText, CountedTextStopsAtItsCountWithoutPairingPastIt) {
    const std::u16string text = u"ab<\xD83D\xDEF0z";
    std::string out;
    appendXmlText(out, text.c_str(), 3);
    EXPECT_EQ(out, "ab&lt;");
    out.clear();
    appendXmlText(out, text.c_str(), 4);  // the high surrogate alone
    EXPECT_EQ(out, "ab&lt;\xEF\xBF\xBD");
    out.clear();
    appendXmlText(out, text.c_str(), 5);
    EXPECT_EQ(out, "ab&lt;\xF0\x9F\x9B\xB0");
    out.clear();
    appendXmlText(out, u"a\0b", 3);
    EXPECT_EQ(out, "a");
}

// File names arrive as bytes: well-formed UTF-8 passes, anything else
// becomes U+FFFD a byte, and markup is escaped.
TEST(XmlText, Utf8TextKeepsWellFormedSequencesAndReplacesTheRest) {
    struct Case {
        const char* text;
        const char* expected;
    };
    const Case cases[] = {
        {"drive <1>&'2'.nmea", "drive &lt;1&gt;&amp;&apos;2&apos;.nmea"},
        {"M\xC3\xBCnchen \xE2\x80\x94 \xF0\x9F\x9B\xB0",
         "M\xC3\xBCnchen \xE2\x80\x94 \xF0\x9F\x9B\xB0"},
        {"\xC3", "\xEF\xBF\xBD"},                                  // cut short by the NUL
        {"\xC0\xAF", "\xEF\xBF\xBD\xEF\xBF\xBD"},                  // overlong "/"
        {"\xED\xA0\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // a surrogate
        {"\xF4\x90\x80\x80", "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},  // past U+10FFFF
        {"\xFF\x01x", "\xEF\xBF\xBD\xEF\xBF\xBDx"},
        {"\xEF\xBF\xBE", "\xEF\xBF\xBD"},  // U+FFFE, which XML cannot hold
    };
    for (const Case& c : cases) {
        std::string out;
        appendXmlTextUtf8(out, c.text);
        EXPECT_EQ(out, c.expected) << c.text;
    }
}

}  // namespace
