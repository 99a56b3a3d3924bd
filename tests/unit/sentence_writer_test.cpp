#include "serial/sentence_writer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_text.h"

namespace {

// Each write call as one string of bytes.
struct RecordingOutput : SentenceOutput {
    std::vector<std::string> writes;
    void writeBytes(const std::uint8_t* bytes, std::size_t count) override {
        writes.emplace_back(reinterpret_cast<const char*>(bytes), count);
    }
};

enum class Writer { plain, checked };

struct Case {
    const char* label;
    Writer writer;
    std::u16string text;
    std::string written;  // empty: refused, nothing written
};

std::u16string letters(std::size_t n) {
    return std::u16string(n, u'A');
}

TEST(SentenceWriter, WritesOneWholeLineOrRefusesTheText) {
    const Case cases[] = {
        {"checked PAIR023", Writer::checked, units("$PAIR023"), "$PAIR023*3B\r\n"},
        {"checked GSV on", Writer::checked, units("$PSRF103,02,00,01,01"),
         "$PSRF103,02,00,01,01*27\r\n"},
        {"checked rate", Writer::checked, units("$PAIR864,0,0,115200"),
         "$PAIR864,0,0,115200*1B\r\n"},
        {"first byte left out whatever it is", Writer::checked, units("abc"), "abc*01\r\n"},
        {"upper-case digits", Writer::checked, units("$1,"), "$1,*1D\r\n"},
        {"empty checked", Writer::checked, u"", "*00\r\n"},
        {"plain command", Writer::plain, units("@VER"), "@VER\r\n"},
        {"plain keeps a star", Writer::plain, units("$PMTK605*31"), "$PMTK605*31\r\n"},
        {"empty plain", Writer::plain, u"", "\r\n"},
        {"high byte dropped", Writer::plain, u"\u0141\u2024", "A$\r\n"},
        {"high byte dropped before summing", Writer::checked, u"$\u0141\u0142", "$AB*03\r\n"},
        {"low byte 0 ends the text", Writer::plain, u"AB\u0100CD", "AB\r\n"},
        {"low byte 0 ends the checked text", Writer::checked, u"$AB\u0200C", "$AB*03\r\n"},
        {"longest plain", Writer::plain, letters(253), std::string(253, 'A') + "\r\n"},
        {"plain one too long", Writer::plain, letters(254), ""},
        {"plain far too long", Writer::plain, letters(1022), ""},
        {"longest checked", Writer::checked, letters(250), std::string(250, 'A') + "*41\r\n"},
        {"checked one too long", Writer::checked, letters(251), ""},
        {"long text ended early by a zero low byte", Writer::plain,
         letters(3) + u'\u0300' + letters(600), "AAA\r\n"},
    };
    for (const Case& c : cases) {
        RecordingOutput output;
        const int result = c.writer == Writer::plain ? writeSentence(output, c.text.c_str())
                                                     : writeSentenceChecked(output, c.text.c_str());
        const bool refused = c.written.empty();
        EXPECT_EQ(result, refused ? 0 : 1) << c.label;
        ASSERT_EQ(output.writes.size(), refused ? 0u : 1u) << c.label;
        if (!refused) {
            EXPECT_EQ(output.writes[0], c.written) << c.label;
        }
    }
}

TEST(SentenceWriter, MeasuresNoFurtherThanOnePastTheLimit) {
    const std::u16string text = letters(10);
    EXPECT_EQ(sentenceTextLength(text.c_str(), 20), 10u);
    EXPECT_EQ(sentenceTextLength(text.c_str(), 10), 10u);
    EXPECT_EQ(sentenceTextLength(text.c_str(), 4), 5u);
    EXPECT_EQ(sentenceTextLength(u"AB\u0400C", 20), 2u);
}

TEST(SentenceWriter, FrameGoesOutUnchangedInOneWrite) {
    const std::uint8_t frame[] = {0xB5, 0x62, 0x00, 0x0D, 0x0A, 0xFF};
    RecordingOutput output;
    writeFrame(output, frame, sizeof frame);
    ASSERT_EQ(output.writes.size(), 1u);
    EXPECT_EQ(output.writes[0], std::string(reinterpret_cast<const char*>(frame), sizeof frame));
}

}  // namespace
