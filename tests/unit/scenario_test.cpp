// Tests of the scenario generator: they read its output the way a user's parser would.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "cli_options.h"
#include "scenario.h"
#include "utc_clock.h"

namespace {

std::string runScenario(const ScenarioOptions& options) {
    return generateScenario(options);
}

ScenarioOptions optionsWith(int seconds, int fixAfterSeconds, unsigned seed = 1) {
    ScenarioOptions options;
    options.seconds = seconds;
    options.fixAfterSeconds = fixAfterSeconds;
    options.seed = seed;
    return options;
}

std::vector<std::string> split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    std::istringstream stream(text);
    while (std::getline(stream, part, separator)) {
        parts.push_back(part);
    }
    if (!text.empty() && text.back() == separator) {
        parts.emplace_back();
    }
    return parts;
}

// Lines without their CR LF; the stream must end with one.
std::vector<std::string> linesOf(const std::string& stream) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = stream.find("\r\n"); end != std::string::npos;
         end = stream.find("\r\n", start)) {
        lines.push_back(stream.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, stream.size()) << "text after the last CR LF";
    return lines;
}

struct Sentence {
    std::string address;
    std::vector<std::string> fields;  // between the address and '*'

    int number(std::size_t index) const { return std::atoi(fields.at(index).c_str()); }
    double decimal(std::size_t index) const { return std::atof(fields.at(index).c_str()); }
};

Sentence parseSentence(const std::string& line) {
    const std::vector<std::string> parts = split(line.substr(1, line.find('*') - 1), ',');
    return {parts.front(), std::vector<std::string>(parts.begin() + 1, parts.end())};
}

struct Epoch {
    std::vector<Sentence> sentences;

    const Sentence& only(const std::string& address) const {
        const auto found = std::find_if(sentences.begin(), sentences.end(),
                                        [&](const Sentence& s) { return s.address == address; });
        EXPECT_NE(found, sentences.end()) << address;
        return *found;
    }
};

std::vector<Epoch> epochsOf(const std::string& stream) {
    std::vector<Epoch> epochs;
    for (const std::string& line : linesOf(stream)) {
        const Sentence sentence = parseSentence(line);
        if (sentence.address == "GNRMC") {
            epochs.emplace_back();
        }
        epochs.back().sentences.push_back(sentence);
    }
    return epochs;
}

struct ListedSatellite {
    int prn = 0;
    int elevation = 0;
    int azimuth = 0;
    std::optional<int> level;
};

// Satellites of every GSV set in one epoch, keyed by talker and signal ID, e.g. "GP8".
std::map<std::string, std::vector<ListedSatellite>> gsvSetsOf(const Epoch& epoch) {
    std::map<std::string, std::vector<ListedSatellite>> sets;
    for (const Sentence& s : epoch.sentences) {
        if (s.address.size() != 5 || s.address.substr(2) != "GSV") {
            continue;
        }
        auto& satellites = sets[s.address.substr(0, 2) + s.fields.back()];
        for (std::size_t i = 3; i + 4 < s.fields.size(); i += 4) {
            ListedSatellite satellite{s.number(i), s.number(i + 1), s.number(i + 2), {}};
            if (!s.fields[i + 3].empty()) {
                satellite.level = s.number(i + 3);
            }
            satellites.push_back(satellite);
        }
    }
    return sets;
}

const std::vector<std::string> primarySets = {"GP1", "GL1", "GA7", "GB1"};

int levelsIn(const std::vector<ListedSatellite>& satellites) {
    return static_cast<int>(std::count_if(satellites.begin(), satellites.end(),
                                          [](const ListedSatellite& s) { return s.level; }));
}

// ddmm.mmmmm (two degree digits) or dddmm.mmmmm (three) as degrees.
double degreesOf(const std::string& field, int degreeDigits) {
    return std::atof(field.substr(0, degreeDigits).c_str()) +
           std::atof(field.substr(degreeDigits).c_str()) / 60.0;
}

// Between two (latitude, longitude) points a few metres apart.
double metresBetween(std::pair<double, double> from, std::pair<double, double> to) {
    constexpr double pi = 3.14159265358979323846;
    const double north = (to.first - from.first) * 111195.0;
    const double east = (to.second - from.second) * 111195.0 * std::cos(to.first * pi / 180.0);
    return std::sqrt(north * north + east * east);
}

// Hundredths of a second since midnight of an hhmmss.ss field.
int hundredthsOfDay(const std::string& field) {
    const int hhmmss = std::atoi(field.substr(0, 6).c_str());
    const int hundredths = std::atoi(field.substr(7, 2).c_str());
    return ((hhmmss / 10000 * 60 + hhmmss / 100 % 100) * 60 + hhmmss % 100) * 100 + hundredths;
}

int hexValue(char c) {
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : (c >= '0' && c <= '9' ? c - '0' : -1);
}

const std::string& defaultRun() {
    static const std::string run = runScenario(ScenarioOptions{});
    return run;
}

// Within 82 characters with CR LF, from '$' to the checksum after '*', which must be right.
void expectEveryLineFramed(const std::string& stream) {
    for (const std::string& line : linesOf(stream)) {
        SCOPED_TRACE(line);
        ASSERT_LE(line.size() + 2, 82u);
        ASSERT_EQ(line.front(), '$');
        EXPECT_EQ(line.find_first_of("\r\n"), std::string::npos);
        const std::size_t star = line.find('*');
        ASSERT_EQ(star, line.size() - 3);
        int sum = 0;
        for (std::size_t i = 1; i < star; ++i) {
            sum ^= static_cast<unsigned char>(line[i]);
        }
        EXPECT_EQ(hexValue(line[star + 1]) * 16 + hexValue(line[star + 2]), sum);
    }
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Framing: what every NMEA parser relies on.

TEST(ScenarioStream, EveryLineIsFramedWithinEightyTwoCharactersAndHasItsChecksum) {
    const std::string& stream = defaultRun();
    ASSERT_FALSE(stream.empty());
    expectEveryLineFramed(stream);
}

TEST(ScenarioStream, EpochsFollowReceiverOrderAndReportTheirSentenceCount) {
    ScenarioGenerator generator(optionsWith(65, 35));
    const std::vector<std::string> gsvOrder = {"GP1", "GP8", "GL1", "GA7", "GA1", "GB1", "GB5"};
    for (int elapsed = 0; elapsed < 65; ++elapsed) {
        std::string out = "kept";
        const int count = generator.appendNextEpoch(out);
        ASSERT_EQ(out.substr(0, 4), "kept");
        const std::vector<Epoch> epochs = epochsOf(out.substr(4));
        ASSERT_EQ(epochs.size(), 1u);
        const std::vector<Sentence>& sentences = epochs[0].sentences;
        ASSERT_EQ(count, static_cast<int>(sentences.size()));
        const std::vector<std::string> head = {"GNRMC", "GNVTG", "GNGGA", "GNGSA",
                                               "GNGSA", "GNGSA", "GNGSA"};
        for (std::size_t i = 0; i < head.size(); ++i) {
            EXPECT_EQ(sentences[i].address, head[i]);
        }
        std::vector<std::string> setsSeen;
        for (std::size_t i = head.size(); sentences[i].address != "GNGLL"; ++i) {
            const std::string key = sentences[i].address.substr(0, 2) + sentences[i].fields.back();
            if (setsSeen.empty() || setsSeen.back() != key) {
                setsSeen.push_back(key);
            }
        }
        EXPECT_EQ(setsSeen, gsvOrder);
        const bool notice = elapsed % 30 == 0;
        EXPECT_EQ(sentences.back().address, notice ? "GNTXT" : "GNGLL");
        EXPECT_EQ(sentences[sentences.size() - (notice ? 2 : 1)].address, "GNGLL");
    }
}

TEST(ScenarioStream, StopsAfterTheConfiguredSeconds) {
    ScenarioGenerator generator(optionsWith(5, 2));
    std::string out;
    for (int i = 0; i < 5; ++i) {
        EXPECT_GT(generator.appendNextEpoch(out), 0);
    }
    const std::size_t size = out.size();
    EXPECT_EQ(generator.appendNextEpoch(out), 0);
    EXPECT_EQ(generator.appendNextEpoch(out), 0);
    EXPECT_EQ(out.size(), size);
}

TEST(ScenarioStream, SentencesHaveTheirNmea411FieldCounts) {
    const std::map<std::string, std::size_t> expected = {{"GNRMC", 13}, {"GNVTG", 9}, {"GNGGA", 14},
                                                         {"GNGSA", 18}, {"GNGLL", 7}, {"GNTXT", 4}};
    for (const Epoch& epoch : epochsOf(defaultRun())) {
        for (const Sentence& s : epoch.sentences) {
            const auto found = expected.find(s.address);
            if (found != expected.end()) {
                EXPECT_EQ(s.fields.size(), found->second) << s.address;
            }
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Cold start: blind, then searching, then acquiring, then the fix.

TEST(ScenarioColdStart, NoFixBeforeFixAfterSecondsAndAFixFromThenOn) {
    for (int fixAfter : {0, 1, 10, 35}) {
        SCOPED_TRACE(fixAfter);
        const std::vector<Epoch> epochs = epochsOf(runScenario(optionsWith(60, fixAfter)));
        ASSERT_EQ(epochs.size(), 60u);
        for (int t = 0; t < 60; ++t) {
            const Epoch& epoch = epochs[t];
            const bool fixed = t >= fixAfter;
            EXPECT_EQ(epoch.only("GNRMC").fields[1], fixed ? "A" : "V") << t;
            EXPECT_EQ(epoch.only("GNRMC").fields[11], fixed ? "A" : "N") << t;
            EXPECT_EQ(epoch.only("GNGGA").fields[5], fixed ? "1" : "0") << t;
            EXPECT_EQ(epoch.only("GNGSA").fields[1], fixed ? "3" : "1") << t;
            EXPECT_EQ(epoch.only("GNGLL").fields[5], fixed ? "A" : "V") << t;
            EXPECT_EQ(epoch.only("GNRMC").fields[2].empty(), !fixed) << t;
            EXPECT_EQ(epoch.only("GNVTG").fields[0].empty(), !fixed) << t;
        }
    }
}

TEST(ScenarioColdStart, TimeAndDateAreEmptyForTheFirstThreeSeconds) {
    const std::vector<Epoch> epochs = epochsOf(defaultRun());
    for (int t = 0; t < 6; ++t) {
        const Sentence& rmc = epochs[t].only("GNRMC");
        const bool known = t >= 3;
        EXPECT_EQ(rmc.fields[0].empty(), !known) << t;
        EXPECT_EQ(rmc.fields[8].empty(), !known) << t;
        EXPECT_EQ(epochs[t].only("GNGGA").fields[0], rmc.fields[0]);
        EXPECT_EQ(epochs[t].only("GNGLL").fields[4], rmc.fields[0]);
    }
    EXPECT_EQ(epochs[3].only("GNRMC").fields[0], "235833.00");
}

TEST(ScenarioColdStart, SatellitesAppearSearchingAndAreAcquiredOneByOne) {
    const int fixAfter = 35;
    const std::vector<Epoch> epochs = epochsOf(runScenario(optionsWith(40, fixAfter, 3)));
    for (int t = 0; t < 2; ++t) {
        for (const auto& [key, satellites] : gsvSetsOf(epochs[t])) {
            EXPECT_TRUE(satellites.empty()) << key << " at " << t;
        }
    }
    for (const auto& [key, satellites] : gsvSetsOf(epochs[2])) {
        EXPECT_EQ(levelsIn(satellites), 0) << key;
    }
    int epochsWithNewLocks = 0;
    int previousTotal = 0;
    for (int t = 2; t <= fixAfter; ++t) {
        const auto sets = gsvSetsOf(epochs[t]);
        int total = 0;
        for (const std::string& key : primarySets) {
            total += levelsIn(sets.at(key));
        }
        EXPECT_LE(total - previousTotal, 2) << "too many locks at once at " << t;
        epochsWithNewLocks += total > previousTotal ? 1 : 0;
        EXPECT_GE(total, previousTotal) << t;
        previousTotal = total;
    }
    EXPECT_GE(epochsWithNewLocks, 15);
    const auto atFix = gsvSetsOf(epochs[fixAfter]);
    for (const std::string& key : primarySets) {
        EXPECT_GE(levelsIn(atFix.at(key)), 4) << key;
    }
}

TEST(ScenarioColdStart, FixUsesTrackedSatellitesAndConsistentDop) {
    const std::vector<Epoch> epochs = epochsOf(defaultRun());
    for (std::size_t t = 35; t < epochs.size(); ++t) {
        const auto sets = gsvSetsOf(epochs[t]);
        int usedTotal = 0;
        int gsaIndex = 0;
        for (const Sentence& gsa : epochs[t].sentences) {
            if (gsa.address != "GNGSA") {
                continue;
            }
            EXPECT_EQ(gsa.number(17), ++gsaIndex);
            const auto& listed = sets.at(primarySets[gsaIndex - 1]);
            for (std::size_t i = 2; i < 14 && !gsa.fields[i].empty(); ++i, ++usedTotal) {
                const int prn = gsa.number(i);
                const auto found =
                    std::find_if(listed.begin(), listed.end(),
                                 [&](const ListedSatellite& s) { return s.prn == prn; });
                ASSERT_NE(found, listed.end()) << "used but not in view: " << prn;
                EXPECT_TRUE(found->level) << prn;
            }
            const double pdop = gsa.decimal(14), hdop = gsa.decimal(15), vdop = gsa.decimal(16);
            EXPECT_NEAR(pdop * pdop, hdop * hdop + vdop * vdop, 0.05);
            EXPECT_GT(hdop, 0.3);
            EXPECT_LT(pdop, 3.0);
            EXPECT_EQ(gsa.fields[15], epochs[t].only("GNGGA").fields[7]);
        }
        EXPECT_EQ(epochs[t].only("GNGGA").number(6), usedTotal);
        EXPECT_GE(usedTotal, 16);
    }
    EXPECT_EQ(epochs[34].only("GNGGA").fields[7], "99.99");
}

// ---------------------------------------------------------------------------------------------
// The sky as GSV reports it.

TEST(ScenarioSky, GsvSetsAreNumberedConsistentlyAndCountWhatTheyList) {
    const std::string stream = runScenario(optionsWith(120, 35, 5));
    std::string currentSet;
    int expectedNumber = 0, messages = 0, inView = 0, listed = 0;
    for (const std::string& line : linesOf(stream)) {
        const Sentence s = parseSentence(line);
        if (s.address.substr(2) != "GSV") {
            continue;
        }
        SCOPED_TRACE(line);
        const std::size_t satellites = (s.fields.size() - 4) / 4;
        // Fields split at ',' and '*', with the address and the checksum text.
        EXPECT_EQ(split(line, ',').size() + 1, 4 * satellites + 6);
        EXPECT_EQ((s.fields.size() - 4) % 4, 0u);
        const std::string set = s.address + "/" + s.fields.back();
        if (s.number(1) == 1) {
            currentSet = set;
            expectedNumber = 1;
            messages = s.number(0);
            inView = s.number(2);
            listed = 0;
        }
        EXPECT_EQ(set, currentSet);
        EXPECT_EQ(s.number(1), expectedNumber++);
        EXPECT_EQ(s.number(0), messages);
        EXPECT_EQ(s.number(2), inView);
        EXPECT_EQ(s.fields[2].size(), 2u);
        listed += static_cast<int>(satellites);
        if (s.number(1) < messages) {
            EXPECT_EQ(satellites, 4u);
        } else {
            EXPECT_EQ(listed, inView);
            EXPECT_EQ(messages, std::max(1, (inView + 3) / 4));
        }
    }
}

TEST(ScenarioSky, ConstellationsHaveRealisticCountsAndNumbers) {
    for (unsigned seed : {1u, 2u, 9u, 1234u}) {
        SCOPED_TRACE(seed);
        const std::vector<Epoch> epochs = epochsOf(runScenario(optionsWith(40, 35, seed)));
        for (std::size_t t = 2; t < epochs.size(); ++t) {
            const auto sets = gsvSetsOf(epochs[t]);
            const auto count = [&](const char* key) { return sets.at(key).size(); };
            EXPECT_TRUE(count("GP1") >= 8 && count("GP1") <= 10) << count("GP1");
            EXPECT_TRUE(count("GL1") >= 6 && count("GL1") <= 8) << count("GL1");
            EXPECT_TRUE(count("GA7") >= 6 && count("GA7") <= 8) << count("GA7");
            EXPECT_TRUE(count("GB1") >= 8 && count("GB1") <= 10) << count("GB1");
            for (const ListedSatellite& s : sets.at("GL1")) {
                EXPECT_TRUE(s.prn >= 65 && s.prn <= 96) << s.prn;
            }
            EXPECT_EQ(count("GA1"), count("GA7"));
            EXPECT_LT(count("GP8"), count("GP1"));
            EXPECT_LT(count("GB5"), count("GB1"));
            const std::vector<std::pair<std::string, std::string>> subsets = {{"GP8", "GP1"},
                                                                              {"GB5", "GB1"}};
            for (const auto& [subset, full] : subsets) {
                for (const ListedSatellite& s : sets.at(subset)) {
                    const auto& all = sets.at(full);
                    EXPECT_TRUE(std::any_of(all.begin(), all.end(), [&](const ListedSatellite& o) {
                        return o.prn == s.prn;
                    }));
                }
            }
        }
    }
}

TEST(ScenarioSky, SatellitesMoveSlowlyRiseAndSetWithoutDuplicates) {
    const std::vector<Epoch> epochs = epochsOf(runScenario(optionsWith(2 * 3600, 35, 7)));
    std::map<std::string, ListedSatellite> previous;  // "GP1/12" -> last seen
    int settings = 0, risings = 0;
    for (std::size_t t = 2; t < epochs.size(); ++t) {
        std::map<std::string, ListedSatellite> current;
        for (const auto& [key, satellites] : gsvSetsOf(epochs[t])) {
            for (const ListedSatellite& s : satellites) {
                ASSERT_TRUE(s.elevation >= 0 && s.elevation <= 90) << s.elevation;
                ASSERT_TRUE(s.azimuth >= 0 && s.azimuth <= 359) << s.azimuth;
                const std::string id = key + "/" + std::to_string(s.prn);
                ASSERT_TRUE(current.emplace(id, s).second) << "listed twice: " << id;
                const auto before = previous.find(id);
                if (before != previous.end()) {
                    EXPECT_LE(std::abs(s.elevation - before->second.elevation), 1) << id;
                    const int turn = std::abs(s.azimuth - before->second.azimuth);
                    EXPECT_LE(std::min(turn, 360 - turn), 1) << id;
                } else if (t > 2) {
                    EXPECT_LE(s.elevation, 1) << "appeared high: " << id;
                    ++risings;
                }
            }
        }
        for (const auto& [id, s] : previous) {
            if (current.count(id) == 0) {
                EXPECT_LE(s.elevation, 1) << "vanished high: " << id;
                ++settings;
            }
        }
        previous = std::move(current);
    }
    EXPECT_GE(settings, 10);
    EXPECT_GE(risings, 10);
}

TEST(ScenarioSky, SignalLevelsGrowWithElevationAndDifferByBand) {
    const std::vector<Epoch> epochs = epochsOf(runScenario(optionsWith(300, 35, 11)));
    double lowSum = 0, highSum = 0, l1Sum = 0, l5Sum = 0;
    int lowCount = 0, highCount = 0, pairs = 0;
    for (std::size_t t = 60; t < epochs.size(); ++t) {
        const auto sets = gsvSetsOf(epochs[t]);
        for (const auto& [key, satellites] : sets) {
            for (const ListedSatellite& s : satellites) {
                if (!s.level) {
                    EXPECT_LE(s.elevation, 1) << key << " " << s.prn << " lost at " << t;
                    continue;
                }
                EXPECT_TRUE(*s.level >= 10 && *s.level <= 99);
                if (s.elevation < 20) {
                    lowSum += *s.level;
                    ++lowCount;
                } else if (s.elevation >= 50) {
                    highSum += *s.level;
                    ++highCount;
                }
            }
        }
        for (const ListedSatellite& l5 : sets.at("GP8")) {
            for (const ListedSatellite& l1 : sets.at("GP1")) {
                if (l1.prn == l5.prn && l1.level && l5.level) {
                    l1Sum += *l1.level;
                    l5Sum += *l5.level;
                    ++pairs;
                }
            }
        }
    }
    ASSERT_GT(lowCount, 0);
    ASSERT_GT(highCount, 0);
    ASSERT_GT(pairs, 0);
    EXPECT_GT(highSum / highCount - lowSum / lowCount, 8.0);
    const double l5Advantage = (l5Sum - l1Sum) / pairs;
    EXPECT_TRUE(l5Advantage >= 1.0 && l5Advantage <= 5.0) << l5Advantage;
}

// ---------------------------------------------------------------------------------------------
// The drive and the clock.

TEST(ScenarioDrive, CarDrivesAtTownSpeedsAlongASmoothRoad) {
    const std::vector<Epoch> epochs = epochsOf(runScenario(optionsWith(600, 35, 4)));
    std::optional<std::pair<double, double>> last;
    std::optional<double> lastCourse;
    for (std::size_t t = 35; t < epochs.size(); ++t) {
        const Sentence& rmc = epochs[t].only("GNRMC");
        const Sentence& vtg = epochs[t].only("GNVTG");
        const double kmh = vtg.decimal(6);
        EXPECT_TRUE(kmh >= 30.0 && kmh <= 60.0) << kmh;
        EXPECT_NEAR(rmc.decimal(6) * 1.852, kmh, 0.01);
        EXPECT_EQ(rmc.fields[7], vtg.fields[0]);
        const double course = rmc.decimal(7);
        if (lastCourse) {
            const double turn = std::fabs(course - *lastCourse);
            EXPECT_LE(std::min(turn, 360.0 - turn), 5.0);
        }
        const double lat = degreesOf(rmc.fields[2], 2), lon = degreesOf(rmc.fields[4], 3);
        if (last) {
            EXPECT_NEAR(metresBetween(*last, {lat, lon}), kmh / 3.6, 1.5) << t;
        } else {
            EXPECT_NEAR(lat, 48.0 + 8.0 / 60.0, 0.02);
            EXPECT_NEAR(lon, 11.0 + 34.0 / 60.0, 0.03);
        }
        last = {lat, lon};
        lastCourse = course;
    }
}

TEST(ScenarioDrive, UtcDateRollsOverAtMidnightInTheDefaultRun) {
    const std::vector<Epoch> epochs = epochsOf(defaultRun());
    ASSERT_EQ(epochs.size(), 120u);
    for (std::size_t t = 3; t < epochs.size(); ++t) {
        const Sentence& rmc = epochs[t].only("GNRMC");
        const int secondOfDay = (30 + 58 * 60 + 23 * 3600 + static_cast<int>(t)) % 86400;
        const int hhmmss =
            secondOfDay / 3600 * 10000 + secondOfDay / 60 % 60 * 100 + secondOfDay % 60;
        EXPECT_EQ(rmc.number(0), hhmmss) << t;
        EXPECT_EQ(rmc.fields[8], t < 90 ? "061226" : "071226") << t;
    }
}

TEST(ScenarioDrive, CalendarRollsMonthsYearsAndLeapDays) {
    using skyvane::scenario::nextSecond;
    using skyvane::scenario::UtcTime;
    const auto after = [](UtcTime t) {
        const UtcTime n = nextSecond(t);
        return std::vector<int>{n.year, n.month, n.day, n.hour, n.minute, n.second};
    };
    EXPECT_EQ(after({2026, 12, 31, 23, 59, 59}), (std::vector<int>{2027, 1, 1, 0, 0, 0}));
    EXPECT_EQ(after({2028, 2, 28, 23, 59, 59}), (std::vector<int>{2028, 2, 29, 0, 0, 0}));
    EXPECT_EQ(after({2027, 2, 28, 23, 59, 59}), (std::vector<int>{2027, 3, 1, 0, 0, 0}));
    EXPECT_EQ(after({2000, 2, 28, 23, 59, 59}), (std::vector<int>{2000, 2, 29, 0, 0, 0}));
    EXPECT_EQ(after({2030, 4, 30, 23, 59, 59}), (std::vector<int>{2030, 5, 1, 0, 0, 0}));
    EXPECT_EQ(after({2030, 4, 30, 12, 59, 59}), (std::vector<int>{2030, 4, 30, 13, 0, 0}));
    EXPECT_FALSE(skyvane::scenario::isValidUtcTime({2027, 2, 29, 0, 0, 0}));
    EXPECT_TRUE(skyvane::scenario::isValidUtcTime({2028, 2, 29, 0, 0, 0}));
    EXPECT_FALSE(skyvane::scenario::isValidUtcTime({2028, 2, 29, 0, 0, 0, 100}));
    const UtcTime tenthLater =
        skyvane::scenario::laterByHundredths({2026, 12, 31, 23, 59, 59, 90}, 10);
    EXPECT_EQ(std::vector<int>({tenthLater.year, tenthLater.month, tenthLater.day, tenthLater.hour,
                                tenthLater.minute, tenthLater.second, tenthLater.hundredths}),
              std::vector<int>({2027, 1, 1, 0, 0, 0, 0}));
    EXPECT_EQ(skyvane::scenario::laterByHundredths({2026, 1, 1, 0, 0, 0, 20}, 25).hundredths, 45);
}

// ---------------------------------------------------------------------------------------------
// A dual-band receiver at 10 Hz with five GSA an epoch, the stream the core's throughput is
// measured on.

TEST(ScenarioTenHertz, TenEpochsASecondWithFiveGsaOnFourTalkersAndTwoBands) {
    ScenarioOptions options = optionsWith(40, 35, 6);
    options.epochsPerSecond = 10;
    options.qzssGsa = true;
    options.minute = 59;
    options.second = 50;  // midnight falls inside the run
    const std::string stream = runScenario(options);
    expectEveryLineFramed(stream);
    const std::vector<Epoch> epochs = epochsOf(stream);
    ASSERT_EQ(epochs.size(), 400u);
    const std::map<std::string, std::size_t> fieldCounts = {
        {"GNRMC", 13}, {"GNVTG", 9}, {"GNGGA", 14}, {"GNGSA", 18}, {"GNGLL", 7}, {"GNTXT", 4}};
    const std::vector<std::string> signals = {"GA1", "GA7", "GB1", "GB5", "GL1", "GP1", "GP8"};
    const int start = hundredthsOfDay("235950.00");
    int notices = 0;
    for (std::size_t e = 0; e < epochs.size(); ++e) {
        SCOPED_TRACE(e);
        std::vector<int> systemIds;
        std::set<std::string> talkers;
        for (const Sentence& s : epochs[e].sentences) {
            talkers.insert(s.address.substr(0, 2));
            const auto count = fieldCounts.find(s.address);
            if (count != fieldCounts.end()) {
                EXPECT_EQ(s.fields.size(), count->second) << s.address;
            }
            if (s.address == "GNGSA") {
                systemIds.push_back(s.number(17));
                EXPECT_EQ(s.fields[15], epochs[e].only("GNGGA").fields[7]);
            }
            notices += s.address == "GNTXT" ? 1 : 0;
        }
        EXPECT_EQ(systemIds, (std::vector<int>{1, 2, 3, 4, 5}));
        EXPECT_EQ(talkers, (std::set<std::string>{"GA", "GB", "GL", "GN", "GP"}));
        std::vector<std::string> signalsSeen;
        for (const auto& [key, satellites] : gsvSetsOf(epochs[e])) {
            signalsSeen.push_back(key);
        }
        EXPECT_EQ(signalsSeen, signals);
        const std::string& time = epochs[e].only("GNRMC").fields[0];
        if (e < 30) {
            EXPECT_TRUE(time.empty());
        } else {
            EXPECT_EQ(hundredthsOfDay(time), (start + 10 * static_cast<int>(e)) % 8'640'000);
        }
    }
    EXPECT_EQ(notices, 2) << "one notice at 0 s and one at 30 s, not one an epoch";
    // QZSS is not simulated: its GSA lists nothing, while the others list what they use.
    const std::vector<Sentence>& fixed = epochs.back().sentences;
    for (std::size_t i = 2; i < 14; ++i) {
        EXPECT_TRUE(fixed[7].fields[i].empty());
    }
    EXPECT_FALSE(fixed[3].fields[2].empty());
}

TEST(ScenarioTenHertz, CarMovesOneTenthOfItsSpeedEachEpoch) {
    ScenarioOptions options = optionsWith(60, 35, 4);
    options.epochsPerSecond = 10;
    const std::vector<Epoch> epochs = epochsOf(runScenario(options));
    ASSERT_EQ(epochs.size(), 600u);
    for (std::size_t e = 351; e < epochs.size(); ++e) {
        const Sentence& before = epochs[e - 1].only("GNRMC");
        const Sentence& now = epochs[e].only("GNRMC");
        const double kmhBefore = epochs[e - 1].only("GNVTG").decimal(6);
        const std::pair<double, double> from{degreesOf(before.fields[2], 2),
                                             degreesOf(before.fields[4], 3)};
        const std::pair<double, double> to{degreesOf(now.fields[2], 2),
                                           degreesOf(now.fields[4], 3)};
        EXPECT_NEAR(metresBetween(from, to), kmhBefore / 36.0, 0.1) << e;
        const double turn = std::fabs(now.decimal(7) - before.decimal(7));
        EXPECT_LE(std::min(turn, 360.0 - turn), 0.5) << e;
    }
}

// ---------------------------------------------------------------------------------------------
// Reproducibility.

TEST(ScenarioDeterminism, SameOptionsSameBytesAndTheSeedMatters) {
    const ScenarioOptions options = optionsWith(90, 20, 42);
    EXPECT_EQ(runScenario(options), runScenario(options));
    EXPECT_NE(runScenario(options), runScenario(optionsWith(90, 20, 43)));
}

TEST(ScenarioDeterminism, CommittedSampleIsTheDefaultOutput) {
    const std::string path = SKYVANE_SOURCE_DIR "/samples/dualband-drive.nmea";
    std::ifstream file(path, std::ios::binary);
    ASSERT_TRUE(file) << "cannot open " << path;
    const std::string sample{std::istreambuf_iterator<char>(file),
                             std::istreambuf_iterator<char>()};
    const std::vector<std::string> expected = linesOf(defaultRun());
    const std::vector<std::string> actual = linesOf(sample);
    ASSERT_EQ(actual.size(), expected.size()) << "run scripts/make-sample.sh";
    for (std::size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(actual[i], expected[i]) << "line " << i + 1 << "; run scripts/make-sample.sh";
    }
    EXPECT_EQ(sample, defaultRun());
}

// ---------------------------------------------------------------------------------------------
// Command line.

TEST(ScenarioCommandLine, ReadsEveryOption) {
    const auto line = skyvane::scenario::parseCommandLine(
        {"--seconds", "600", "--fix-after", "12", "--start", "2027-02-28T22:05:09", "--seed", "77",
         "--rate", "10", "--qzss-gsa"});
    ASSERT_EQ(line.error, "");
    EXPECT_EQ(line.options.seconds, 600);
    EXPECT_EQ(line.options.fixAfterSeconds, 12);
    EXPECT_EQ(std::vector<int>({line.options.year, line.options.month, line.options.day,
                                line.options.hour, line.options.minute, line.options.second}),
              std::vector<int>({2027, 2, 28, 22, 5, 9}));
    EXPECT_EQ(line.options.seed, 77u);
    EXPECT_EQ(line.options.epochsPerSecond, 10);
    EXPECT_TRUE(line.options.qzssGsa);
    EXPECT_FALSE(line.showHelp);
    EXPECT_TRUE(skyvane::scenario::parseCommandLine({"--help"}).showHelp);
}

TEST(ScenarioCommandLine, DefaultsMatchTheLibraryDefaults) {
    const auto line = skyvane::scenario::parseCommandLine({});
    ASSERT_EQ(line.error, "");
    EXPECT_EQ(runScenario(line.options), defaultRun());
}

TEST(ScenarioCommandLine, RejectsMalformedArgumentsWithOneLine) {
    const std::vector<std::vector<std::string>> bad = {
        {"--seconds"},
        {"--seconds", "0"},
        {"--seconds", "12abc"},
        {"--seconds", "-5"},
        {"--seconds", "1000001"},
        {"--fix-after", "x"},
        {"--seed", "4294967296"},
        {"--start", "2026-12-06 23:58:30"},
        {"--start", "2026-02-29T00:00:00"},
        {"--start", "2026-12-06T24:00:00"},
        {"--start", "1999-12-31T23:59:59"},
        {"--start", "2026-1-06T23:58:30"},
        {"--rate"},
        {"--rate", "0"},
        {"--rate", "3"},
        {"--rate", "20"},
        {"--qzss-gsa", "1"},
        {"--verbose"},
        {"120"},
    };
    for (const auto& arguments : bad) {
        const auto line = skyvane::scenario::parseCommandLine(arguments);
        EXPECT_FALSE(line.error.empty()) << arguments.front();
        EXPECT_EQ(line.error.find('\n'), std::string::npos);
    }
}
