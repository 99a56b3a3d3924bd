// Regression tests on the real receiver captures in tests/data/real (its
// README says where each comes from).
//
// The captures cover: multi-constellation receivers speaking NMEA 4.10/4.11,
// dual-band (L1+L5, L1+L2) ones among them; older GPS-only receivers speaking
// NMEA 2.x/3.x without signal IDs; receivers answering with proprietary
// version replies and text banners (MediaTek, SiRF, u-blox, Quectel, ST,
// Airoha style); and faulty streams: bad or missing checksums, LF-only and
// CR CR LF line ends, spliced or truncated sentences, binary frames mixed
// with NMEA, over-long lines. Some files begin with comment lines ('#') that
// the collector added; the pipeline treats them as noise like any other line.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "base/text16.h"
#include "nmea/receiver_state.h"
#include "replay_session.h"
#include "test_text.h"

namespace {

namespace fs = std::filesystem;

const fs::path recordingsDir = SKYVANE_REAL_RECORDINGS_DIR;

std::vector<std::uint8_t> readBytes(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Every capture in the folder; the folder's notes (Markdown) are not one.
// None when the folder is missing, which the tests report as a failure.
std::vector<fs::path> recordings() {
    std::vector<fs::path> paths;
    if (!fs::is_directory(recordingsDir)) {
        return paths;
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(recordingsDir)) {
        if (entry.is_regular_file() && entry.path().extension() != ".md") {
            paths.push_back(entry.path());
        }
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

std::unique_ptr<ReplaySession> newSession() {
    auto session = std::make_unique<ReplaySession>(100);
    session->host.useUtcOffset(0);
    return session;
}

void feedAll(ReplaySession& session, const std::vector<std::uint8_t>& bytes) {
    session.feed(bytes.data(), bytes.size(), [] {});
}

// What must hold after any line of any input; returns the first breach.
std::optional<std::string> invariantBreach(const ReplaySession& session) {
    const ReceiverState& state = session.state;
    for (int t = 0; t < satTableCount; ++t) {
        for (int n = 0; n < satTableSize; ++n) {
            const SatRecord& r = state.tables[t].records[n];
            if (r.inView > 1 || r.usedInFix > 1) {
                return "table " + std::to_string(t) + " record " + std::to_string(n) +
                       ": flag other than 0 or 1";
            }
            if (n == 0 && (r.inView != 0 || r.usedInFix != 0)) {
                return "table " + std::to_string(t) + ": satellite 0 marked";
            }
            if (r.prn != (r.inView != 0 ? n : 0)) {
                return "table " + std::to_string(t) + " record " + std::to_string(n) + ": prn " +
                       std::to_string(r.prn);
            }
        }
    }
    const FixTexts& f = state.fix;
    for (const FixText* text :
         {&f.dateText, &f.timeText, &f.directionText, &f.speedText, &f.statusText, &f.hdopText,
          &f.pdopText, &f.latHemisphere, &f.latText, &f.lonHemisphere, &f.lonText}) {
        if (textLength(text->c_str(), FixText::capacity) >= FixText::capacity) {
            return std::string("a fix text without its NUL");
        }
    }
    if (textLength(session.intake.line(), maxLineUnits + 1) > maxLineUnits) {
        return std::string("a line longer than 1023 units");
    }
    if (!session.intake.lastLine().shown) {
        return std::string("a line was not shown");
    }
    return std::nullopt;
}

fs::path temporaryLogPath() {
    std::random_device random;
    return fs::temp_directory_path() /
           ("skyvane_recordings_test_" + std::to_string(random()) + "_log.txt");
}

TEST(RealRecordings, EveryFileKeepsThePipelinesInvariants) {
    const std::vector<fs::path> files = recordings();
    ASSERT_FALSE(files.empty()) << "no captures in " << recordingsDir;
    for (const fs::path& path : files) {
        SCOPED_TRACE(path.filename().string());
        const std::vector<std::uint8_t> bytes = readBytes(path);
        const fs::path logPath = temporaryLogPath();
        std::vector<std::uint8_t> accepted = {0xFF, 0xFE};
        std::optional<std::string> breach;
        std::uint64_t breachLine = 0;
        std::uint64_t lines = 0;
        {
            auto session = newSession();
            ASSERT_EQ(session->host.openLog(logPath.string().c_str()), 1);
            session->feed(bytes.data(), bytes.size(), [&] {
                ++lines;
                if (session->intake.lastLine().checksumOk) {
                    for (const char16_t* unit = session->intake.line(); *unit != 0; ++unit) {
                        accepted.push_back(static_cast<std::uint8_t>(*unit & 0xFF));
                        accepted.push_back(static_cast<std::uint8_t>(*unit >> 8));
                    }
                }
                if (!breach) {
                    breach = invariantBreach(*session);
                    breachLine = lines;
                }
            });
            EXPECT_EQ(session->lineCount(), lines);
        }
        EXPECT_FALSE(breach) << "line " << breachLine << ": " << *breach;
        EXPECT_EQ(lines, static_cast<std::uint64_t>(std::count(bytes.begin(), bytes.end(), '\n')));
        const std::vector<std::uint8_t> logged = readBytes(logPath);
        fs::remove(logPath);
        EXPECT_TRUE(logged == accepted) << "the log differs from the accepted lines";
    }
}

struct Expected {
    const char* file;
    const char* core;
    const char* fw;
};

// Replies read off the files: a MediaTek $PMTK705 (release, then build), a
// u-blox "ROM CORE" banner, a SiRF "Version" banner without a colon, and a
// Telit banner with one (LF-only, so the line feed stays in the text).
TEST(RealRecordings, VersionRepliesFillTheVersionFields) {
    const Expected cases[] = {
        {"c_quectel-l70-mtk_pmtk001_pmtk705_pqverno.log", "AXN_2.51_3339_19071200", "0002"},
        {"c_mtk-fastrax-it520_pmtk001_pmtk705.log", "AXN_1.30", "0145"},
        {"b_ublox7_gps-only_gptxt-rom-core-banner.log", "CORE 1.00 (59842)", ""},
        {"c_ublox8-nl8002u_gntxt-rom-core_nmea41.log", "CORE 2.01 (75331)", ""},
        {"c_sirf3-blumax-gps009_psrftxt-version-banner.log",
         "ersion GSW3.2.2_3.1.00.12-SDK003P1.01a ", ""},
        {"c_telit-sl869_gptxt-sw-version_qzgsv.log", "SL869 v3.1.2.1 -STD -N96\n", ""},
    };
    for (const Expected& c : cases) {
        const fs::path path = recordingsDir / c.file;
        if (!fs::exists(path)) {
            ADD_FAILURE() << c.file << " is missing";
            continue;
        }
        auto session = newSession();
        feedAll(*session, readBytes(path));
        EXPECT_EQ(narrow(session->host.coreVersion.c_str()), c.core) << c.file;
        EXPECT_EQ(narrow(session->host.firmwareVersion.c_str()), c.fw) << c.file;
    }
}

struct SatView {
    int number;
    int snr;
    bool operator==(const SatView&) const = default;
};

std::ostream& operator<<(std::ostream& out, const SatView& s) {
    return out << "#" << s.number << "/" << s.snr;
}

std::vector<SatView> inView(const ReceiverState& state, SatTableId table) {
    std::vector<SatView> view;
    for (int n = 0; n < satTableSize; ++n) {
        const SatRecord& r = state.tables[table].records[n];
        if (r.inView != 0) {
            view.push_back({n, r.snr});
        }
    }
    return view;
}

std::vector<int> usedInFix(const ReceiverState& state, SatTableId table) {
    std::vector<int> used;
    for (int n = 0; n < satTableSize; ++n) {
        if (state.tables[table].records[n].usedInFix != 0) {
            used.push_back(n);
        }
    }
    return used;
}

// The last epoch of a dual-band capture: its L5/E5a/B2a sentences carry
// signal IDs 8, 1 and 5 and fill the second-band tables.
TEST(RealRecordings, DualBandCaptureFillsTheSecondBandTables) {
    const fs::path path = recordingsDir / "a_quectel-lc29h-ba_L1L5_truncated-first-line.nmea";
    ASSERT_TRUE(fs::exists(path));
    auto session = newSession();
    feedAll(*session, readBytes(path));
    const ReceiverState& state = session->state;
    EXPECT_EQ(inView(state, gpsL5), (std::vector<SatView>{{6, 40}, {11, 35}, {25, 43}, {28, 25}}));
    EXPECT_EQ(inView(state, gasL5),
              (std::vector<SatView>{
                  {2, 25}, {11, 17}, {15, 26}, {27, 29}, {30, 37}, {34, 36}, {36, 30}}));
    EXPECT_EQ(inView(state, bdsL5),
              (std::vector<SatView>{
                  {27, 37}, {28, 35}, {30, 45}, {33, 36}, {36, 41}, {39, 25}, {41, 29}, {45, 29}}));
    EXPECT_EQ(inView(state, gpsL1), (std::vector<SatView>{{5, 21},
                                                          {6, 35},
                                                          {11, 36},
                                                          {12, 37},
                                                          {20, 44},
                                                          {25, 43},
                                                          {28, 40},
                                                          {29, 44},
                                                          {31, 28},
                                                          {46, 40}}));
    EXPECT_EQ(usedInFix(state, gpsL5), (std::vector<int>{5, 6, 11, 12, 20, 25, 28, 29, 31}));
}

// Older receivers send GSV without a signal ID: none of their satellites may
// land in a second-band table, after any line.
TEST(RealRecordings, CapturesWithoutSignalIdsStayInTheFirstBand) {
    std::vector<fs::path> files;
    for (const fs::path& path : recordings()) {
        const std::string name = path.filename().string();
        if (name.rfind("b_", 0) == 0 || name.rfind("a_ublox-neom8n", 0) == 0 ||
            name.rfind("a_sirfstarv", 0) == 0) {
            files.push_back(path);
        }
    }
    ASSERT_GE(files.size(), 3u) << "too few captures in " << recordingsDir;
    for (const fs::path& path : files) {
        const std::vector<std::uint8_t> bytes = readBytes(path);
        auto session = newSession();
        int secondBandLines = 0;
        session->feed(bytes.data(), bytes.size(), [&] {
            for (int t = firstBandTableCount; t < satTableCount; ++t) {
                if (!inView(session->state, static_cast<SatTableId>(t)).empty()) {
                    ++secondBandLines;
                    break;
                }
            }
        });
        EXPECT_EQ(secondBandLines, 0) << path.filename().string();
    }
}

// A GPS-only NMEA 2.3 capture, read line by line: the last RMC follows the
// last GSA and GSV, so the fix is "3D" and the satellites are the previous
// epoch's, including satellite 31 whose level field is empty at the end of
// a sentence without signal ID.
TEST(RealRecordings, GpsOnlyCaptureEndsWithItsLastFix) {
    const fs::path path = recordingsDir / "c_mtk-fastrax-it520_pmtk001_pmtk705.log";
    ASSERT_TRUE(fs::exists(path));
    auto session = newSession();
    feedAll(*session, readBytes(path));
    const ReceiverState& state = session->state;
    const FixTexts& f = state.fix;
    EXPECT_EQ(narrow(f.dateText.c_str()), "2011/02/21");
    EXPECT_EQ(narrow(f.timeText.c_str()), "10:21:31");
    EXPECT_EQ(narrow(f.statusText.c_str()), "3D");
    EXPECT_EQ(narrow(f.speedText.c_str()), "0 Km/hr");
    EXPECT_EQ(narrow(f.directionText.c_str()), "30.68");
    EXPECT_EQ(narrow(f.latText.c_str()), "51`29.0620'");
    EXPECT_EQ(narrow(f.lonText.c_str()), "006`32.2904'");
    EXPECT_EQ(narrow(f.pdopText.c_str()), "1.62");
    EXPECT_EQ(narrow(f.hdopText.c_str()), "1.31");
    EXPECT_EQ(inView(state, gpsL1), (std::vector<SatView>{{11, 0},
                                                          {14, 32},
                                                          {17, 32},
                                                          {19, 0},
                                                          {20, 15},
                                                          {23, 25},
                                                          {24, 0},
                                                          {28, 0},
                                                          {31, 0},
                                                          {32, 0}}));
    EXPECT_EQ(usedInFix(state, gpsL1), (std::vector<int>{14, 17, 20, 23}));
    EXPECT_EQ(narrow(session->host.title.c_str()), "Skyvane  3 Sec");
}

// Clean CR LF captures pass the checksum on every data line; the comment
// lines and LF-only captures never do.
TEST(RealRecordings, ChecksumAcceptanceFollowsTheLineEnds) {
    struct Count {
        const char* file;
        int accepted;
    };
    const Count cases[] = {
        {"a_furuno-gt88_gngsa-quirk_perdcr.log", 306},
        {"a_navika100_gps-only-with-signal-id.log", 180},
        {"a_quectel-eg25g_pqgsv-pqgsa.log", 60},
        {"a_airoha-type-dualband-com7_L1L5_pair010_truncated-first-line.nmea", 0},
        {"d_hp58534a_no-checksums.log", 0},
    };
    for (const Count& c : cases) {
        const fs::path path = recordingsDir / c.file;
        if (!fs::exists(path)) {
            ADD_FAILURE() << c.file << " is missing";
            continue;
        }
        const std::vector<std::uint8_t> bytes = readBytes(path);
        auto session = newSession();
        int accepted = 0;
        session->feed(bytes.data(), bytes.size(),
                      [&] { accepted += session->intake.lastLine().checksumOk ? 1 : 0; });
        EXPECT_EQ(accepted, c.accepted) << c.file;
    }
}

}  // namespace
