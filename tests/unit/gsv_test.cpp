#include "nmea/gsv.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "nmea/receiver_state.h"
#include "test_text.h"

namespace {

struct InView {
    SatTableId table;
    int number;
    int snr, x, y;
    bool operator==(const InView&) const = default;
};

std::ostream& operator<<(std::ostream& out, const InView& r) {
    return out << "{table " << r.table << ", #" << r.number << ", snr " << r.snr << ", " << r.x
               << "/" << r.y << "}";
}

struct Gsv {
    void parse(const std::string& line) {
        const std::u16string text = units(line);
        parseGsv(text.c_str(), *fields, *state);
    }

    // Every record marked in view, table by table; each must carry its own
    // number as prn.
    std::vector<InView> inView() const {
        std::vector<InView> records;
        for (int t = 0; t < satTableCount; ++t) {
            for (int n = 0; n < satTableSize; ++n) {
                const SatRecord& r = state->tables[t].records[n];
                if (r.inView != 0) {
                    EXPECT_EQ(r.prn, n);
                    records.push_back({static_cast<SatTableId>(t), n, r.snr, r.plotX, r.plotY});
                }
            }
        }
        return records;
    }

    std::unique_ptr<ReceiverState> state = std::make_unique<ReceiverState>();
    std::unique_ptr<GsvFields> fields = std::make_unique<GsvFields>();
};

// The four satellites of the example sentence, as stored in `table`.
std::vector<InView> exampleIn(SatTableId table) {
    return {{table, 1, 46, 111, 72},
            {table, 2, 41, 36, 45},
            {table, 12, 39, 60, 21},
            {table, 14, 45, 41, 108}};
}

const char* const exampleGroups = "01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45";

struct Case {
    const char* label;
    std::string line;
    std::vector<InView> stored;
};

TEST(Gsv, TalkerAndSignalIdSelectTheTable) {
    const std::string groups = exampleGroups;
    const Case cases[] = {
        {"GPS L1", checked("$GPGSV,3,1,11," + groups + ",1"), exampleIn(gpsL1)},
        {"GPS L5", checked("$GPGSV,3,1,11," + groups + ",8"), exampleIn(gpsL5)},
        {"GPS L2", checked("$GPGSV,3,1,11," + groups + ",6"), exampleIn(gpsL5)},
        {"GLONASS L1", checked("$GLGSV,3,1,11," + groups + ",1"), exampleIn(glsL1)},
        {"GLONASS L2", checked("$GLGSV,3,1,11," + groups + ",3"), exampleIn(glsL5)},
        {"Galileo E1 is signal 7", checked("$GAGSV,3,1,11," + groups + ",7"), exampleIn(gasL1)},
        {"Galileo E5a", checked("$GAGSV,3,1,11," + groups + ",1"), exampleIn(gasL5)},
        {"combined", checked("$GNGSV,3,1,11," + groups + ",1"), exampleIn(gnsL1)},
        {"combined second band", checked("$GNGSV,3,1,11," + groups + ",5"), exampleIn(gnsL5)},
        {"BeiDou BD", checked("$BDGSV,3,1,11," + groups + ",1"), exampleIn(bdsL1)},
        {"BeiDou GB", checked("$GBGSV,3,1,11," + groups + ",1"), exampleIn(bdsL1)},
        {"BeiDou GB B2a", checked("$GBGSV,3,1,11," + groups + ",5"), exampleIn(bdsL5)},
        {"signal 0 is not the first band", checked("$GPGSV,3,1,11," + groups + ",0"),
         exampleIn(gpsL5)},
        {"QZSS is not stored", checked("$GQGSV,3,1,11," + groups + ",1"), {}},
        {"QZ talker is not stored", checked("$QZGSV,3,1,11," + groups + ",1"), {}},
        {"talker compared whole", checked("$GPGSVX,3,1,11," + groups + ",1"), {}},
        {"short talker", checked("$GPGS,3,1,11," + groups + ",1"), {}},
        {"every address unit counts: $", checked("#GPGSV,3,1,11," + groups + ",1"), {}},
        {"every address unit counts: G", checked("$GPHSV,3,1,11," + groups + ",1"), {}},
        {"every address unit counts: S", checked("$GPGTV,3,1,11," + groups + ",1"), {}},
        {"every address unit counts: V", checked("$GPGSW,3,1,11," + groups + ",1"), {}},
        {"talker letters in order", checked("$PGGSV,3,1,11," + groups + ",1"), {}},
        {"LF-only line end", "$GPGSV,3,1,11," + groups + ",1*61\n", exampleIn(gpsL1)},
    };
    for (const Case& c : cases) {
        Gsv gsv;
        gsv.parse(c.line);
        EXPECT_EQ(gsv.inView(), c.stored) << c.label;
    }
}

// Before NMEA 4.10 there is no signal ID: the whole sentence is first band
// and its fourth satellite is stored too.
TEST(Gsv, SentencesWithoutSignalIdGoToTheFirstBand) {
    const Case cases[] = {
        {"four satellites", checked(std::string("$GPGSV,3,1,11,") + exampleGroups),
         exampleIn(gpsL1)},
        {"last level 1 is no signal ID",
         checked("$GLGSV,1,1,01,70,40,083,1"),
         {{glsL1, 70, 1, 111, 72}}},
        {"one satellite", checked("$GAGSV,1,1,01,11,40,083,46"), {{gasL1, 11, 46, 111, 72}}},
        {"empty level at the end",
         checked("$GPGSV,3,3,10,28,13,265,,31,08,100,"),
         {{gpsL1, 28, 0, 23, 81}, {gpsL1, 31, 0, 133, 86}}},
        {"no satellites", checked("$GPGSV,1,1,00"), {}},
        {"signal ID, no satellites", checked("$GPGSV,1,1,00,1"), {}},
        // Without a checksum the last field is a signal level: neither form
        // fits, and the level before it is taken as the signal ID.
        {"no checksum",
         "$GPGSV,2,1,08," + std::string(exampleGroups) + "\r\n",
         {{gpsL5, 1, 46, 111, 72}, {gpsL5, 2, 41, 36, 45}, {gpsL5, 12, 39, 60, 21}}},
    };
    for (const Case& c : cases) {
        Gsv gsv;
        gsv.parse(c.line);
        EXPECT_EQ(gsv.inView(), c.stored) << c.label;
    }
}

TEST(Gsv, GroupsWithoutARecordAreSkippedAndTheOthersStored) {
    const Case cases[] = {
        {"satellite 0",
         checked("$GPGSV,1,1,02,00,40,083,46,05,40,083,30,1"),
         {{gpsL1, 5, 30, 111, 72}}},
        {"empty number",
         checked("$GPGSV,1,1,02,,40,083,46,05,40,083,30,1"),
         {{gpsL1, 5, 30, 111, 72}}},
        {"256", checked("$GPGSV,1,1,02,256,40,083,46,05,40,083,30,1"), {{gpsL1, 5, 30, 111, 72}}},
        {"255 is the last record",
         checked("$GPGSV,1,1,01,255,40,083,30,1"),
         {{gpsL1, 255, 30, 111, 72}}},
        {"negative",
         checked("$GPGSV,1,1,02,-5,40,083,46,05,40,083,30,1"),
         {{gpsL1, 5, 30, 111, 72}}},
        {"huge, not wrapped",
         checked("$GPGSV,1,1,02,4294967301,40,083,46,07,40,083,30,1"),
         {{gpsL1, 7, 30, 111, 72}}},
        {"letters",
         checked("$GPGSV,1,1,02,ab,40,083,46,07,40,083,30,1"),
         {{gpsL1, 7, 30, 111, 72}}},
        {"empty signal level",
         checked("$GPGSV,1,1,02,03,40,083,,07,40,083,30,1"),
         {{gpsL1, 3, 0, 111, 72}, {gpsL1, 7, 30, 111, 72}}},
        {"level read as %d", checked("$GPGSV,1,1,01,03,40,083,35.7,1"), {{gpsL1, 3, 35, 111, 72}}},
        // A field counts with its first 47 units, as a 48-unit slot kept it.
        {"47-unit fields read whole",
         checked("$GPGSV,1,1,01," + std::string(45, '0') + "12,40,083," + std::string(45, ' ') +
                 "30,1"),
         {{gpsL1, 12, 30, 111, 72}}},
        {"48-unit fields lose their last unit",
         checked("$GPGSV,1,1,01," + std::string(46, '0') + "12,40,083," + std::string(46, ' ') +
                 "30,1"),
         {{gpsL1, 1, 3, 111, 72}}},
        {"a long signal ID is cut as well",
         checked("$GAGSV,1,1,01,03,40,083,30," + std::string(46, '0') + "75"),
         {{gasL1, 3, 30, 111, 72}}},
    };
    for (const Case& c : cases) {
        Gsv gsv;
        gsv.parse(c.line);
        EXPECT_EQ(gsv.inView(), c.stored) << c.label;
    }
}

// A group without a usable elevation or azimuth keeps the last position.
TEST(Gsv, MissingElevationOrAzimuthKeepsThePreviousPlotPosition) {
    const char* const groups[] = {"05,,083,33", "05,40,,33", "05,,,33", "05,x,083,33"};
    for (const char* group : groups) {
        Gsv gsv;
        gsv.parse(checked("$GPGSV,1,1,01,05,0,90,20,1"));
        gsv.parse(checked(std::string("$GPGSV,1,1,01,") + group + ",1"));
        EXPECT_EQ(gsv.inView(), (std::vector<InView>{{gpsL1, 5, 33, 140, 77}})) << group;
    }
}

// Within an epoch GSV sentences add up. The first after an RMC clears the
// in-view marks and numbers of every table, whatever its own talker, but
// leaves levels, positions and used marks in place.
TEST(Gsv, FirstSentenceOfAnEpochClearsEveryInViewMark) {
    Gsv gsv;
    gsv.parse(checked("$GPGSV,2,1,05,01,40,083,46,1"));
    gsv.parse(checked("$GPGSV,2,2,05,02,17,308,41,8"));
    gsv.state->tables[gasL1].records[9].usedInFix = 1;
    EXPECT_EQ(gsv.inView(), (std::vector<InView>{{gpsL1, 1, 46, 111, 72}, {gpsL5, 2, 41, 36, 45}}));

    gsv.state->viewResetPending = 1;
    gsv.parse(checked("$GQGSV,1,1,01,03,40,083,46,1"));
    EXPECT_EQ(gsv.state->viewResetPending, 0);
    EXPECT_EQ(gsv.inView(), std::vector<InView>{});
    const SatRecord& dropped = gsv.state->tables[gpsL1].records[1];
    EXPECT_EQ(dropped.prn, 0);
    EXPECT_EQ(dropped.snr, 46);
    EXPECT_EQ(dropped.plotX, 111);
    EXPECT_EQ(dropped.plotY, 72);
    EXPECT_EQ(gsv.state->tables[gasL1].records[9].usedInFix, 1);

    gsv.parse(checked("$GLGSV,1,1,01,70,17,308,30,1"));
    EXPECT_EQ(gsv.inView(), (std::vector<InView>{{glsL1, 70, 30, 36, 45}}));
}

}  // namespace
