#include "nmea/split_fields.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "nmea/sentence_fields.h"
#include "test_text.h"

namespace {

constexpr int smallCount = 8;
using SmallFields = FieldList<smallCount, 8>;  // fields of at most seven units

struct Case {
    const char* label;
    const char* line;
    SplitRule rule;
    int limit;
    std::vector<std::string> fields;  // every field written, in order
};

std::vector<std::string> written(const SmallFields& list, int count) {
    std::vector<std::string> fields;
    for (int i = 0; i < count; ++i) {
        fields.push_back(narrow(list[i]));
    }
    return fields;
}

// The fields findFields locates, cut to a SmallFields slot as splitFields cuts
// them: the two must agree on every line.
std::vector<std::string> found(const std::u16string& line, int limit, SplitRule rule) {
    FieldSpan spans[smallCount];
    const int count =
        findFields(line.c_str(), spans, limit < smallCount ? limit : smallCount, rule);
    std::vector<std::string> fields;
    for (int i = 0; i < count; ++i) {
        const std::u16string field = line.substr(spans[i].start, spans[i].length);
        fields.push_back(narrow(field.substr(0, 7).c_str()));
    }
    return fields;
}

constexpr SplitRule sentence = SplitRule::sentence;
constexpr SplitRule inView = SplitRule::satellitesInView;

TEST(SplitFields, SplitsAtCommaStarAndLineEnd) {
    const Case cases[] = {
        {"checksum text becomes a field",
         "$GPRMC,1,A*7F\r\n",
         sentence,
         8,
         {"$GPRMC", "1", "A", "7F"}},
        {"empty fields inside", "$X,,a\r\n", sentence, 8, {"$X", "", "a"}},
        {"line starts with a delimiter", ",a\r\n", sentence, 8, {"", "a"}},
        {"CR first", "\r\n", sentence, 8, {""}},
        {"empty line", "", sentence, 8, {""}},
        {"empty tail before star: stops", "$X,a,*12\r\n", sentence, 8, {"$X", "a"}},
        {"empty tail before star: GSV keeps it", "$X,a,*12\r\n", inView, 8, {"$X", "a", "", "12"}},
        {"empty tail before CR: stops", "$X,a,\r\n", sentence, 8, {"$X", "a"}},
        {"empty tail before CR: GSV keeps it", "$X,a,\r\n", inView, 8, {"$X", "a", ""}},
        {"two stars: stops at the second", "$X**12\r\n", sentence, 8, {"$X"}},
        {"two stars: GSV goes on", "$X**12\r\n", inView, 8, {"$X", "", "12"}},
        {"star in the middle", "$X,a*b,c\r\n", sentence, 8, {"$X", "a", "b", "c"}},
        {"CR inside the line ends it", "$X,a\r,b\r\n", sentence, 8, {"$X", "a"}},
        {"CR inside the line ends it for GSV", "$X,a\r,b\r\n", inView, 8, {"$X", "a"}},
        {"NUL ends the split like CR", "$X,a", sentence, 8, {"$X", "a"}},
        {"NUL right after a comma: stops", "$X,a,", sentence, 8, {"$X", "a"}},
        {"NUL right after a comma: GSV adds an empty field", "$X,a,", inView, 8, {"$X", "a", ""}},
        {"NUL right after the star", "$X,a*", sentence, 8, {"$X", "a"}},
        {"LF is copied into the field", "$X,a*12\n", sentence, 8, {"$X", "a", "12\n"}},
        {"LF inside a field", "$X,a\nb,c\r\n", sentence, 8, {"$X", "a\nb", "c"}},
        {"field limit", "$X,a,b,c\r\n", sentence, 2, {"$X", "a"}},
        {"field limit for GSV", "$X,a,b,c\r\n", inView, 3, {"$X", "a", "b"}},
        {"limit above the list size is the list size",
         "0,1,2,3,4,5,6,7,8,9\r\n",
         inView,
         50,
         {"0", "1", "2", "3", "4", "5", "6", "7"}},
        {"long field is cut, the rest skipped",
         "$X,abcdefghij,c\r\n",
         sentence,
         8,
         {"$X", "abcdefg", "c"}},
        {"long field ending at the star", "abcdefghij*12\r\n", sentence, 8, {"abcdefg", "12"}},
        {"long last field", "$X,abcdefghij\r\n", inView, 8, {"$X", "abcdefg"}},
        {"field exactly as wide as the slot allows",
         "$X,abcdefg,h\r\n",
         sentence,
         8,
         {"$X", "abcdefg", "h"}},
    };
    for (const Case& c : cases) {
        SmallFields list;
        const std::u16string line = units(c.line);
        const int count = splitFields(line.c_str(), list.ref(), c.limit, c.rule);
        EXPECT_EQ(written(list, count), c.fields) << c.label;
        EXPECT_EQ(found(line, c.limit, c.rule), c.fields) << c.label << " (in place)";
    }
}

TEST(SplitFields, FieldsALineDoesNotReachKeepTheirEarlierValues) {
    SmallFields list;
    const std::u16string first = units("$GPGSA,A,3,04,05*3C\r\n");
    ASSERT_EQ(splitFields(first.c_str(), list.ref(), 8, sentence), 6);
    const std::u16string second = units("$GPGSA,M\r\n");
    ASSERT_EQ(splitFields(second.c_str(), list.ref(), 8, sentence), 2);
    EXPECT_EQ(written(list, 6), (std::vector<std::string>{"$GPGSA", "M", "3", "04", "05", "3C"}));
}

// Every unit of a line can end a field, so the satellites-in-view parser must
// have room for one field per unit plus the one at the line's end.
TEST(SplitFields, ALineOfCommasFillsEveryGsvField) {
    auto fields = std::make_unique<GsvFields>();
    fields->spans[1023] = {7, 7};
    const std::u16string line(maxLineUnits, u',');
    EXPECT_EQ(findFields(line.c_str(), fields->spans, GsvFields::count, inView), 1024);
    EXPECT_EQ(fields->spans[1023].start, 1023u);
    EXPECT_EQ(fields->spans[1023].length, 0u);
}

}  // namespace
