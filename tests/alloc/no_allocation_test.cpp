// The data path allocates nothing: once a session exists, lines of any kind
// pass through the filter, ring, intake, parsers and recognisers, the run's
// statistics take them, and the panel's display list and the run report are
// rebuilt, without a single heap allocation, so a long run can neither grow
// nor fragment the heap. Counted by replacing the global
// operator new, which works with and without the sanitizers (the core takes
// no memory from malloc directly); that replacement is why this test is a
// program of its own.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <new>
#include <optional>
#include <string>
#include <vector>

#include "replay_session.h"
#include "scenario.h"
#include "stats/build_run_report.h"
#include "ui/panel_display_list.h"

namespace {
std::atomic<long> allocations{0};
}

namespace {
void* countedAllocation(std::size_t size) {
    ++allocations;
    return std::malloc(size == 0 ? 1 : size);
}
}  // namespace

// Every form, so that no allocation escapes the count and each pairs with free().
void* operator new(std::size_t size) {
    if (void* p = countedAllocation(size)) {
        return p;
    }
    throw std::bad_alloc();
}
void* operator new[](std::size_t size) {
    return operator new(size);
}
void* operator new(std::size_t size, const std::nothrow_t&) noexcept {
    return countedAllocation(size);
}
void* operator new[](std::size_t size, const std::nothrow_t&) noexcept {
    return countedAllocation(size);
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete[](void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete[](void* p, std::size_t) noexcept {
    std::free(p);
}
void operator delete(void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}
void operator delete[](void* p, const std::nothrow_t&) noexcept {
    std::free(p);
}

namespace {

namespace fs = std::filesystem;

struct Recording {
    std::string name;
    std::string bytes;
};

std::string readFile(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Every real capture in the folder, sorted; its README is not one. None when
// the folder is missing.
std::vector<fs::path> realCaptures() {
    const fs::path folder(SKYVANE_REAL_RECORDINGS_DIR);
    std::vector<fs::path> paths;
    if (!fs::is_directory(folder)) {
        return paths;
    }
    for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
        if (entry.is_regular_file() && entry.path().extension() != ".md") {
            paths.push_back(entry.path());
        }
    }
    std::sort(paths.begin(), paths.end());
    return paths;
}

// The sample drive, the golden edge cases, then every real capture.
std::vector<Recording> recordings() {
    std::vector<fs::path> paths = {
        fs::path(SKYVANE_SOURCE_DIR) / "samples" / "dualband-drive.nmea",
        fs::path(SKYVANE_SOURCE_DIR) / "tests" / "golden" / "edge-cases.nmea",
    };
    const std::vector<fs::path> real = realCaptures();
    paths.insert(paths.end(), real.begin(), real.end());
    std::vector<Recording> all;
    for (const fs::path& path : paths) {
        all.push_back({path.filename().string(), readFile(path)});
    }
    return all;
}

std::string generatedDrive() {
    ScenarioOptions options;
    options.seconds = 300;
    return generateScenario(options);
}

const std::uint8_t* bytesOf(const std::string& stream) {
    return reinterpret_cast<const std::uint8_t*>(stream.data());
}

TEST(DataPath, TheCounterSeesAllocations) {
    const long before = allocations.load();
    auto probe = std::make_unique<int>(7);
    EXPECT_EQ(allocations.load() - before, 1);
    EXPECT_EQ(*probe, 7);
}

// One session replays every recording, reset between them as a new
// connection is, once with the machine's time zone as the program runs and
// once with a fixed UTC offset as a replay may ask.
TEST(DataPath, ReplayingEveryRecordingAllocatesNothing) {
    ASSERT_FALSE(realCaptures().empty()) << "no captures in " SKYVANE_REAL_RECORDINGS_DIR;
    const std::vector<Recording> streams = recordings();
    auto session = std::make_unique<ReplaySession>(700);
    for (const std::optional<int> utcOffset : {std::optional<int>(), std::optional<int>(-60)}) {
        std::uint64_t lines = 0;
        for (const Recording& recording : streams) {
            const long before = allocations.load();
            session->reset();
            if (utcOffset) {
                session->host.useUtcOffset(*utcOffset);
            }
            session->feed(bytesOf(recording.bytes), recording.bytes.size(), [&] { ++lines; });
            EXPECT_EQ(allocations.load() - before, 0) << recording.name;
        }
        EXPECT_GT(lines, 20000u);  // the real captures alone bring over 20,000
    }
}

TEST(DataPath, GeneratedDriveAllocatesNothing) {
    const std::string stream = generatedDrive();
    ASSERT_GT(stream.size(), 100000u);
    auto session = std::make_unique<ReplaySession>(100);
    session->host.useUtcOffset(-60);
    const long before = allocations.load();
    session->feed(bytesOf(stream), stream.size(), [] {});
    EXPECT_EQ(allocations.load() - before, 0);
    EXPECT_GT(session->lineCount(), 6000u);  // some 22 sentences an epoch
}

// The panel is rebuilt after every line a drive brings, as repaints do.
TEST(DataPath, BuildingThePanelAllocatesNothing) {
    const std::string stream = generatedDrive();
    auto session = std::make_unique<ReplaySession>(100);
    auto list = std::make_unique<PanelDisplayList>();
    PanelInputs inputs;
    inputs.width = 994;
    inputs.height = 378;
    inputs.logging = true;
    inputs.signalOffset = -5;
    std::size_t mostOps = 0;
    const long before = allocations.load();
    session->feed(bytesOf(stream), stream.size(), [&] {
        buildPanelDisplayList(session->state, inputs, list.get());
        mostOps = list->count > mostOps ? list->count : mostOps;
    });
    EXPECT_EQ(allocations.load() - before, 0);
    EXPECT_GT(mostOps, 200u);  // the drive does bring satellites into view
}

// The statistics listen to every recording, a new run for each as the
// program starts one for each connection, and the report is built after
// every hundredth line as the statistics window builds it once a second.
TEST(DataPath, TheRunStatisticsAndTheirReportAllocateNothing) {
    const std::vector<Recording> streams = recordings();
    const std::string drive = generatedDrive();
    auto session = std::make_unique<ReplaySession>(100);
    auto statistics = std::make_unique<RunStatistics>();
    auto scratch = std::make_unique<ReportScratch>();
    auto report = std::make_unique<RunReport>();
    session->intake.setListener(statistics.get());
    ReportInputs inputs;
    LimitSet limits;
    IniError error;
    const char limitsText[] = "[LIMITS]\nCEP95_MAX_M=5\nTOP4_L1_MEDIAN_MIN=30\nGAPS_MAX=0\n";
    ASSERT_EQ(parseLimitsText(limitsText, sizeof limitsText - 1, "limits.ini", &limits, &error), 1);
    inputs.limits = &limits;
    std::uint64_t reports = 0;

    const long before = allocations.load();
    for (const Recording& recording : streams) {
        session->reset();
        statistics->startRun(RunSource::recording);
        session->feed(bytesOf(recording.bytes), recording.bytes.size(), [&] {
            if (session->lineCount() % 100 == 0) {
                buildRunReport(*statistics, inputs, *scratch, report.get());
                ++reports;
            }
        });
        EXPECT_EQ(allocations.load() - before, 0) << recording.name;
    }
    session->reset();
    statistics->startRun(RunSource::live);
    inputs.reference = GeoPoint{48.1, 11.5};
    session->feed(bytesOf(drive), drive.size(), [] {});
    buildRunReport(*statistics, inputs, *scratch, report.get());
    EXPECT_EQ(allocations.load() - before, 0);
    EXPECT_GT(reports, 200u);
    EXPECT_GT(report->epochs.count, 250);  // the drive did bring samples
    EXPECT_GT(report->satellites.count, 20);
}

}  // namespace
