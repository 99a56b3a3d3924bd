#include "serial/sentence_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_text.h"

namespace {

struct RecordingOutput : SentenceOutput {
    std::vector<std::string> writes;  // one string per call
    void writeBytes(const std::uint8_t* bytes, std::size_t count) override {
        writes.emplace_back(reinterpret_cast<const char*>(bytes), count);
    }
};

struct Case {
    const char* label;
    bool checked;
    std::u16string text;
    std::string written;  // empty: refused, nothing written
};

TEST(SentenceWriter, WritesOneWholeLineOrRefusesTheText) {
    const auto a = [](std::size_t n) { return std::u16string(n, u'A'); };
    const Case cases[] = {
        {"checked PAIR023", true, units("$PAIR023"), "$PAIR023*3B\r\n"},
        {"checked GSV on", true, units("$PSRF103,02,00,01,01"), "$PSRF103,02,00,01,01*27\r\n"},
        {"checked rate", true, units("$PAIR864,0,0,115200"), "$PAIR864,0,0,115200*1B\r\n"},
        {"first byte left out whatever it is", true, units("abc"), "abc*01\r\n"},
        {"upper-case digits", true, units("$1,"), "$1,*1D\r\n"},
        {"empty checked", true, u"", "*00\r\n"},
        {"plain command", false, units("@VER"), "@VER\r\n"},
        {"empty plain", false, u"", "\r\n"},
        {"high byte dropped", false, u"\u0141\u2024", "A$\r\n"},
        {"high byte dropped before summing", true, u"$\u0141\u0142", "$AB*03\r\n"},
        {"low byte 0 ends the text", false, u"AB\u0100CD", "AB\r\n"},
        {"low byte 0 ends the checked text", true, u"$AB\u0200C", "$AB*03\r\n"},
        {"longest plain", false, a(253), std::string(253, 'A') + "\r\n"},
        {"plain one too long", false, a(254), ""},
        {"plain far too long", false, a(1022), ""},
        {"longest checked", true, a(250), std::string(250, 'A') + "*41\r\n"},
        {"checked one too long", true, a(251), ""},
        {"long text ended early", false, a(3) + u'\u0300' + a(600), "AAA\r\n"},
    };
    for (const Case& c : cases) {
        RecordingOutput output;
        const int result = c.checked ? writeSentenceChecked(output, c.text.c_str())
                                     : writeSentence(output, c.text.c_str());
        const bool refused = c.written.empty();
        EXPECT_EQ(result, refused ? 0 : 1) << c.label;
        EXPECT_EQ(output.writes,
                  refused ? std::vector<std::string>{} : std::vector<std::string>{c.written})
            << c.label;
    }
}

}  // namespace
