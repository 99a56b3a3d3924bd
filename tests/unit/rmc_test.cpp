#include "nmea/rmc.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "headless_host.h"
#include "nmea/receiver_state.h"
#include "test_text.h"

namespace {

struct Rmc {
    explicit Rmc(std::int64_t utcOffsetMinutes = 0) { host.useUtcOffset(utcOffsetMinutes); }

    void parse(const std::string& line) {
        const std::u16string text = units(line);
        parseRmc(text.c_str(), fields, *state, host);
    }

    std::unique_ptr<ReceiverState> state = std::make_unique<ReceiverState>();
    HeadlessHost host;
    RmcFields fields;
};

struct FixView {
    std::string date, time, direction, speed, status, latHemisphere, lat, lonHemisphere, lon;
    bool operator==(const FixView&) const = default;
};

std::ostream& operator<<(std::ostream& out, const FixView& f) {
    return out << "{" << f.date << " | " << f.time << " | " << f.direction << " | " << f.speed
               << " | " << f.status << " | " << f.latHemisphere << " " << f.lat << " | "
               << f.lonHemisphere << " " << f.lon << "}";
}

FixView viewOf(const FixTexts& f) {
    return {narrow(f.dateText.c_str()),      narrow(f.timeText.c_str()),
            narrow(f.directionText.c_str()), narrow(f.speedText.c_str()),
            narrow(f.statusText.c_str()),    narrow(f.latHemisphere.c_str()),
            narrow(f.latText.c_str()),       narrow(f.lonHemisphere.c_str()),
            narrow(f.lonText.c_str())};
}

struct Case {
    const char* label;
    std::int64_t utcOffset;
    const char* body;
    FixView fix;
};

TEST(Rmc, FillsTheFixTextsFromOneSentence) {
    const Case cases[] = {
        {"UTC+8 example",
         480,
         "$GNRMC,083015.00,A,2502.3456,N,12134.5678,E,12.9,87.25,061226,,,A",
         {"2026/12/06", "16:30:15", "87.25", "22 Km/hr", "3D", "N", "25`02.3456'", "E",
          "121`34.5678'"}},
        {"UTC shortly before midnight moves the date on",
         60,
         "$GPRMC,235959.00,A,2502.3456,S,00134.5678,W,0,0,311226,,,A",
         {"2027/01/01", "00:59:59", "0", "0 Km/hr", "3D", "S", "25`02.3456'", "W", "001`34.5678'"}},
        {"negative offset moves the date back",
         -300,
         "$GPRMC,003000,A,0000.0000,N,00000.0000,E,,,010127",
         {"2026/12/31", "19:30:00", "0", "0 Km/hr", "3D", "N", "00`00.0000'", "E", "000`00.0000'"}},
        {"into a leap day",
         60,
         "$GPRMC,233000,V,,,,,,,280224",
         {"2024/02/29", "00:30:00", "0", "0 Km/hr", "No Fix", "", "", "", ""}},
        {"two decimals are zero-padded to four",
         0,
         "$GPRMC,120000,A,2502.34,N,12134.56,E,1.0,45.0,010125",
         {"2025/01/01", "12:00:00", "45.0", "1 Km/hr", "3D", "N", "25`02.0034'", "E",
          "121`34.0056'"}},
        {"five decimals are shown in full",
         0,
         "$GPRMC,120000,A,2502.34567,N,12134.56789,E,1.9,45.0,010125",
         {"2025/01/01", "12:00:00", "45.0", "1 Km/hr", "3D", "N", "25`02.34567'", "E",
          "121`34.56789'"}},
        {"status V",
         0,
         "$GPRMC,120000,V,2502.3456,N,12134.5678,E,0.0,,010125",
         {"2025/01/01", "12:00:00", "0", "0 Km/hr", "No Fix", "N", "25`02.3456'", "E",
          "121`34.5678'"}},
        {"empty status", 0, "$GPRMC,,,,,,,,,", {"", "", "0", "0 Km/hr", "No Fix", "", "", "", ""}},
        {"status begins with A",
         0,
         "$GPRMC,,Ax,,,,,,,",
         {"", "", "0", "0 Km/hr", "3D", "", "", "", ""}},
        {"date without time",
         0,
         "$GPRMC,,A,,,,,,,010125",
         {"", "", "0", "0 Km/hr", "3D", "", "", "", ""}},
        {"position needs all four fields",
         0,
         "$GPRMC,,A,2502.3456,N,12134.5678,,,,",
         {"", "", "0", "0 Km/hr", "3D", "", "", "", ""}},
        {"any talker, checksum and tail ignored",
         0,
         "$XXRMC,101010.5,A,4916.45,N,12311.12,W,000.5,054.7,191194,020.3,E*68",
         {"2094/11/19", "10:10:10", "054.7", "0 Km/hr", "3D", "N", "49`16.0045'", "W",
          "123`11.0012'"}},
    };
    for (const Case& c : cases) {
        Rmc rmc(c.utcOffset);
        rmc.parse(std::string(c.body) + "\r\n");
        EXPECT_EQ(viewOf(rmc.state->fix), c.fix) << c.label;
    }
}

// Whole knots are converted: the fraction is dropped before the 1.852.
TEST(Rmc, SpeedInKilometresPerHourWithAGreenAlertAbove100) {
    struct SpeedCase {
        const char* knots;
        const char* text;
        bool green;
    };
    const SpeedCase cases[] = {
        {"", "0 Km/hr", false},
        {"0.5", "0 Km/hr", false},
        {"12.9", "22 Km/hr", false},
        {"54.0", "100 Km/hr", false},
        {"54.5", "100 Km/hr", false},
        {"55", "101 Km/hr", true},
        {"abc", "0 Km/hr", false},
        {"-1", "-1 Km/hr", false},
        {"9999999999", "2147483647 Km/hr", true},
        {"-9999999999", "-2147483648 Km/hr", false},
        {"1159548405", "2147483646 Km/hr", true},
        {"1159600000", "2147483647 Km/hr", true},  // 2147579200 saturates
    };
    for (const SpeedCase& c : cases) {
        Rmc rmc;
        rmc.host.setConsoleColor(ConsoleColor::red);
        rmc.parse(std::string("$GPRMC,,A,,,,,") + c.knots + ",,\r\n");
        EXPECT_EQ(narrow(rmc.state->fix.speedText.c_str()), c.text) << c.knots;
        EXPECT_EQ(rmc.host.currentColor, c.green ? ConsoleColor::green : ConsoleColor::red)
            << c.knots;
    }
}

TEST(Rmc, InvalidDateOrTimeShowsTheLastConvertedFixTime) {
    const char* const invalid[] = {
        "$GPRMC,083015,A,,,,,,,011326",        // month 13
        "$GPRMC,083015,A,,,,,,,001226",        // day 0
        "$GPRMC,083015,A,,,,,,,300226",        // 30 February
        "$GPRMC,083015,A,,,,,,,290225",        // 29 February of a common year
        "$GPRMC,083015,A,,,,,,,310426",        // 31 April
        "$GPRMC,253015,A,,,,,,,061226",        // hour 25
        "$GPRMC,086015,A,,,,,,,061226",        // minute 60
        "$GPRMC,083060,A,,,,,,,061226",        // second 60
        "$GPRMC,083015,A,,,,,,,0612",          // no year: month 0
        "$GPRMC,083015,A,,,,,,,010199999999",  // year beyond 30827
        "$GPRMC,x,A,,,,,,,y",                  // no digits at all
    };
    for (const char* body : invalid) {
        Rmc rmc(60);
        // Before any time converted the texts stay as they are.
        rmc.state->fix.dateText.assignAscii("untouched");
        rmc.parse(std::string(body) + "\r\n");
        EXPECT_EQ(narrow(rmc.state->fix.dateText.c_str()), "untouched") << body;
        EXPECT_EQ(narrow(rmc.state->fix.timeText.c_str()), "") << body;
        EXPECT_TRUE(isAllZero(rmc.state->fixLocalTime)) << body;

        rmc.parse("$GPRMC,083015,A,,,,,,,061226\r\n");
        ASSERT_EQ(narrow(rmc.state->fix.timeText.c_str()), "09:30:15");
        const CivilTime converted = rmc.state->fixLocalTime;
        // After one did, an invalid one writes that time again, even into
        // texts that were cleared meanwhile.
        rmc.state->fix.clear();
        rmc.parse(std::string(body) + "\r\n");
        EXPECT_EQ(narrow(rmc.state->fix.dateText.c_str()), "2026/12/06") << body;
        EXPECT_EQ(narrow(rmc.state->fix.timeText.c_str()), "09:30:15") << body;
        EXPECT_EQ(rmc.state->fixLocalTime.hour, converted.hour) << body;
        EXPECT_EQ(rmc.state->fixLocalTime.day, converted.day) << body;
        EXPECT_EQ(rmc.state->fixLocalTime.dayOfWeek, converted.dayOfWeek) << body;
    }
}

TEST(Rmc, ConvertedFixTimeIsLocalWithItsDayOfWeek) {
    Rmc rmc(480);
    rmc.parse("$GNRMC,083015.00,A,,,,,,,061226\r\n");
    const CivilTime& t = rmc.state->fixLocalTime;
    EXPECT_EQ(t.year, 2026);
    EXPECT_EQ(t.month, 12);
    EXPECT_EQ(t.day, 6);
    EXPECT_EQ(t.dayOfWeek, 0);  // a Sunday
    EXPECT_EQ(t.hour, 16);
    EXPECT_EQ(t.minute, 30);
    EXPECT_EQ(t.second, 15);
    EXPECT_EQ(t.milliseconds, 0);
}

// Empty fields leave their texts alone; only direction and speed fall back.
TEST(Rmc, EmptyFieldsKeepTheEarlierTexts) {
    Rmc rmc;
    rmc.parse("$GPRMC,083015,A,2502.3456,N,12134.5678,E,12.9,87.25,061226\r\n");
    rmc.parse("$GPRMC,,V,,N,12000.0000,E,,,061226\r\n");
    EXPECT_EQ(viewOf(rmc.state->fix), (FixView{"2026/12/06", "08:30:15", "0", "0 Km/hr", "No Fix",
                                               "N", "25`02.3456'", "E", "121`34.5678'"}));
}

// The field list keeps what an earlier line left beyond a short line's end.
TEST(Rmc, AShortSentenceReadsTheEarlierLinesFieldsBeyondItsEnd) {
    Rmc rmc;
    rmc.parse("$GPRMC,083015,A,2502.3456,N,12134.5678,E,12.9,87.25,061226\r\n");
    rmc.state->fix.clear();
    rmc.parse("$GPRMC,090000,V\r\n");
    EXPECT_EQ(viewOf(rmc.state->fix), (FixView{"2026/12/06", "09:00:00", "87.25", "22 Km/hr",
                                               "No Fix", "N", "25`02.3456'", "E", "121`34.5678'"}));
}

TEST(Rmc, EverySentenceRequestsARepaintAndStartsAnEpoch) {
    Rmc rmc;
    rmc.parse("$GPRMC\r\n");
    EXPECT_EQ(rmc.host.repaintRequests, 1);
    EXPECT_EQ(rmc.state->usedResetPending, 1);
    EXPECT_EQ(rmc.state->viewResetPending, 1);
}

}  // namespace
