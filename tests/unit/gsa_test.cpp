#include "nmea/gsa.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "headless_host.h"
#include "nmea/receiver_state.h"
#include "test_text.h"

namespace {

using Marks = std::vector<std::pair<SatTableId, int>>;  // (table, satellite) marked used

struct Gsa {
    void parse(const std::string& line) {
        const std::u16string text = units(line);
        parseGsa(text.c_str(), fields, *state, host);
    }

    Marks usedMarks() const {
        Marks marks;
        for (int t = 0; t < satTableCount; ++t) {
            for (int n = 0; n < satTableSize; ++n) {
                if (state->tables[t].records[n].usedInFix != 0) {
                    marks.emplace_back(static_cast<SatTableId>(t), n);
                }
            }
        }
        return marks;
    }

    std::unique_ptr<ReceiverState> state = std::make_unique<ReceiverState>();
    HeadlessHost host;
    GsaFields fields;
};

// Lists the marks table by table in the tables' order.
Marks marks(std::initializer_list<SatTableId> tables, std::initializer_list<int> satellites) {
    Marks result;
    for (int t = 0; t < satTableCount; ++t) {
        for (SatTableId id : tables) {
            if (id != t) {
                continue;
            }
            for (int n : satellites) {
                result.emplace_back(id, n);
            }
        }
    }
    return result;
}

struct Case {
    const char* label;
    std::string line;
    Marks marked;
};

TEST(Gsa, TalkerAndSystemIdSelectTheTables) {
    const Case cases[] = {
        {"GPS", checked("$GPGSA,A,3,04,05,,09,12,,,24,,,,,2.5,1.3,2.1"),
         marks({gpsL1}, {4, 5, 9, 12, 24})},
        {"GLONASS", checked("$GLGSA,A,3,65,66,,,,,,,,,,,2.5,1.3,2.1"), marks({glsL1}, {65, 66})},
        {"Galileo", checked("$GAGSA,A,3,02,27,,,,,,,,,,,2.5,1.3,2.1"), marks({gasL1}, {2, 27})},
        {"BeiDou BD", checked("$BDGSA,A,3,06,14,,,,,,,,,,,2.5,1.3,2.1"), marks({bdsL1}, {6, 14})},
        {"BeiDou GB marks nothing", checked("$GBGSA,A,3,06,14,,,,,,,,,,,2.5,1.3,2.1"), {}},
        {"QZSS marks nothing", checked("$GQGSA,A,3,01,,,,,,,,,,,,2.5,1.3,2.1"), {}},
        {"talker compared whole", checked("$GPGSAX,A,3,01,,,,,,,,,,,,2.5,1.3,2.1"), {}},
        {"GN system 1", checked("$GNGSA,A,3,05,13,,,,,,,,,,,1.62,0.94,1.32,1"),
         marks({gpsL1, gnsL1, gpsL5, gnsL5}, {5, 13})},
        {"GN system 2", checked("$GNGSA,A,3,65,,,,,,,,,,,,1.62,0.94,1.32,2"),
         marks({glsL1, gnsL1, glsL5, gnsL5}, {65})},
        {"GN system 3", checked("$GNGSA,A,3,02,,,,,,,,,,,,1.62,0.94,1.32,3"),
         marks({gasL1, gnsL1, gasL5, gnsL5}, {2})},
        {"GN system 4", checked("$GNGSA,A,3,06,,,,,,,,,,,,1.62,0.94,1.32,4"),
         marks({gnsL1, bdsL1, gnsL5, bdsL5}, {6})},
        {"GN system 5", checked("$GNGSA,A,3,01,,,,,,,,,,,,1.62,0.94,1.32,5"),
         marks({gnsL1, gnsL5}, {1})},
        {"GN system 0", checked("$GNGSA,A,3,01,,,,,,,,,,,,1.62,0.94,1.32,0"),
         marks({gnsL1, gnsL5}, {1})},
        {"GN system compared whole: 01", checked("$GNGSA,A,3,01,,,,,,,,,,,,1.62,0.94,1.32,01"),
         marks({gnsL1, gnsL5}, {1})},
        {"GN system compared whole: 11", checked("$GNGSA,A,3,01,,,,,,,,,,,,1.62,0.94,1.32,11"),
         marks({gnsL1, gnsL5}, {1})},
        {"GN system compared whole: 41", checked("$GNGSA,A,3,01,,,,,,,,,,,,1.62,0.94,1.32,41"),
         marks({gnsL1, gnsL5}, {1})},
        // Before 4.10 the checksum text stands in field 18.
        {"GN without system ID", "$GNGSA,A,3,05,13,,,,,,,,,,,1.62,0.94,1.32*31\r\n",
         marks({gnsL1, gnsL5}, {5, 13})},
        {"satellite numbers outside 1..255 are skipped",
         checked("$GPGSA,A,3,0,1,255,256,-3,4294967297,abc, 7,+8,9x,,,2.5,1.3,2.1"),
         marks({gpsL1}, {1, 7, 8, 9, 255})},
    };
    for (const Case& c : cases) {
        Gsa gsa;
        gsa.parse(c.line);
        EXPECT_EQ(gsa.usedMarks(), c.marked) << c.label;
    }
}

TEST(Gsa, FixTypeAndDilutionTexts) {
    struct TextCase {
        const char* body;
        const char* status;
        const char* pdop;
        const char* hdop;
    };
    const TextCase cases[] = {
        {"$GPGSA,A,3,04,,,,,,,,,,,,2.5,1.3,2.1", "3D", "2.5", "1.3"},
        {"$GPGSA,A,2,04,,,,,,,,,,,,9.9,5.0,", "2D", "9.9", "5.0"},
        {"$GPGSA,A,1,,,,,,,,,,,,,,,", "No Fix", "", ""},
        {"$GPGSA,A,,,,,,,,,,,,,,99.0,99.0,99.0", "No Fix", "99.0", "99.0"},
        {"$GPGSA,A,x", "No Fix", "", ""},
        {"$GPGSA,A,3x", "3D", "", ""},
        {"$XXGSA,M,2,,,,,,,,,,,,,1.0,2.0,3.0", "2D", "1.0", "2.0"},  // any talker
    };
    for (const TextCase& c : cases) {
        Gsa gsa;
        gsa.parse(checked(c.body));
        EXPECT_EQ(narrow(gsa.state->fix.statusText.c_str()), c.status) << c.body;
        EXPECT_EQ(narrow(gsa.state->fix.pdopText.c_str()), c.pdop) << c.body;
        EXPECT_EQ(narrow(gsa.state->fix.hdopText.c_str()), c.hdop) << c.body;
    }
}

// Within an epoch GSA sentences add up; the first after an RMC starts afresh
// in every table and leaves the in-view marks alone.
TEST(Gsa, FirstSentenceOfAnEpochClearsEveryUsedMark) {
    Gsa gsa;
    gsa.parse(checked("$GNGSA,A,3,05,,,,,,,,,,,,1.6,0.9,1.3,1"));
    gsa.parse(checked("$GPGSA,A,3,07,,,,,,,,,,,,1.6,0.9,1.3"));
    EXPECT_EQ(gsa.usedMarks(), (Marks{{gpsL1, 5}, {gpsL1, 7}, {gnsL1, 5}, {gpsL5, 5}, {gnsL5, 5}}));

    gsa.state->tables[glsL5].records[9].inView = 1;
    gsa.state->usedResetPending = 1;
    gsa.parse(checked("$GLGSA,A,3,66,,,,,,,,,,,,1.6,0.9,1.3"));
    EXPECT_EQ(gsa.usedMarks(), (Marks{{glsL1, 66}}));
    EXPECT_EQ(gsa.state->usedResetPending, 0);
    EXPECT_EQ(gsa.state->tables[glsL5].records[9].inView, 1);

    gsa.parse(checked("$GAGSA,A,3,11,,,,,,,,,,,,1.6,0.9,1.3"));
    EXPECT_EQ(gsa.usedMarks(), (Marks{{glsL1, 66}, {gasL1, 11}}));
}

}  // namespace
