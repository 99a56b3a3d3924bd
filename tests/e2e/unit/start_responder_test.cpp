// The receiver after a start, on a virtual clock: what it sends when, and what it reports
// about each start.

#include "start_responder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "recording_source.h"
#include "scenario_source.h"
#include "sentence_text.h"
#include "transmitter_control.h"

namespace {

struct SentLine {
    Micros at;
    std::string text;
};

class LineCollector final : public ByteOutput {
public:
    ssize_t write(const std::uint8_t* bytes, std::size_t count) override {
        pending.append(reinterpret_cast<const char*>(bytes), count);
        return static_cast<ssize_t>(count);
    }
    std::string pending;
};

// A looping source paced by lines, pumped every millisecond; each line is stamped with
// the time its first byte went out.
class VirtualReceiver {
public:
    VirtualReceiver(std::unique_ptr<LineSource> source, double linesPerSecond, StartOptions options)
        : transmitter(std::move(source), makeLinePacer(linesPerSecond), true, nullptr),
          control(transmitter, 0, std::move(options), [this] { return now; }) {
        transmitter.restart(0);
    }

    void runTo(Micros end) {
        for (; now <= end; now += 1000) {
            transmitter.pump(now, &output);
            for (std::size_t lf = output.pending.find('\n'); lf != std::string::npos;
                 lf = output.pending.find('\n')) {
                lines.push_back({now, output.pending.substr(0, lf + 1)});
                output.pending.erase(0, lf + 1);
            }
        }
    }
    void startAt(Micros at, StartKind kind) {
        runTo(at);
        now = at;
        control.start(kind);
    }

    Micros now = 0;
    Transmitter transmitter;
    TransmitterControl control;
    LineCollector output;
    std::vector<SentLine> lines;
};

enum class Fix { yes, no, unsaid };

std::string field(const std::string& line, int index) {
    std::size_t start = 0;
    for (int i = 0; i < index && start != std::string::npos; ++i) {
        start = line.find(',', start);
        start = start == std::string::npos ? start : start + 1;
    }
    return start == std::string::npos ? ""
                                      : line.substr(start, line.find_first_of(",*", start) - start);
}

// What a line says of the fix; every fix report must agree with itself.
Fix fixOf(const std::string& line) {
    const std::string type = line.substr(3, 3);
    if (type == "RMC" || type == "GLL") {
        return field(line, type == "RMC" ? 2 : 6) == "A" ? Fix::yes : Fix::no;
    }
    if (type == "GGA") {
        return field(line, 6) == "0" ? Fix::no : Fix::yes;
    }
    if (type == "GSA") {
        return field(line, 2) == "1" ? Fix::no : Fix::yes;
    }
    if (type == "VTG") {
        return field(line, 9) == "N" ? Fix::no : Fix::yes;
    }
    return Fix::unsaid;
}

std::string checked(const std::string& body) {
    char text[256];
    return std::string(text, formatSentence(text, sizeof text, body.c_str()));
}

// Ten epochs a second, an RMC and a GSA each, two lines every 100 ms at 20 lines a second.
std::unique_ptr<LineSource> tenHertz() {
    std::string text;
    for (int tenth = 0; tenth < 10; ++tenth) {
        text += checked("$GNRMC,120000." + std::to_string(tenth) +
                        "0,A,4807.038,N,01131.000,E,1.0,84.4,061226,,,A,V");
        text += checked("$GNGSA,A,3,01,02,03,,,,,,,,,,1.5,0.9,1.2,1");
    }
    return std::make_unique<RecordingSource>(std::vector<std::uint8_t>(text.begin(), text.end()));
}

constexpr Micros ms = 1000;
constexpr Micros second = 1'000'000;

// The lines from `from` (excluded) to `to` (excluded) that speak of the fix.
std::vector<SentLine> fixReports(const std::vector<SentLine>& lines, Micros from, Micros to) {
    std::vector<SentLine> reports;
    for (const SentLine& line : lines) {
        if (line.at > from && line.at < to && fixOf(line.text) != Fix::unsaid) {
            reports.push_back(line);
        }
    }
    return reports;
}

// After a start at `at`: no fix reported until `at + ttff`, then the fix within an epoch.
void expectRefixAfter(const VirtualReceiver& receiver, Micros at, Micros ttff, Micros epoch) {
    const std::vector<SentLine> without = fixReports(receiver.lines, at, at + ttff);
    ASSERT_FALSE(without.empty()) << "start at " << at;
    for (const SentLine& line : without) {
        EXPECT_EQ(fixOf(line.text), Fix::no) << line.at << " " << line.text;
    }
    // The fix comes back with the next epoch: the rest of the one under way has none.
    const std::vector<SentLine> after = fixReports(receiver.lines, at + ttff - 1, INT64_MAX);
    const auto fixed = std::find_if(after.begin(), after.end(), [](const SentLine& line) {
        return fixOf(line.text) == Fix::yes;
    });
    ASSERT_NE(fixed, after.end()) << "start at " << at;
    EXPECT_LE(fixed->at, at + ttff + epoch) << "start at " << at;
}

TEST(StartResponder, AtTenHertzTheFixComesBackAfterEachPlannedTime) {
    StartOptions options;
    ASSERT_EQ(options.ttff.setList("cold=1.25,0.4"), 1);
    VirtualReceiver receiver(tenHertz(), 20, std::move(options));
    for (Micros at : {1 * second, 5 * second, 7 * second}) {
        receiver.startAt(at, StartKind::cold);
    }
    receiver.runTo(9 * second);

    const std::vector<SentLine> before = fixReports(receiver.lines, 0, 1 * second + 1);
    ASSERT_FALSE(before.empty());
    for (const SentLine& line : before) {
        EXPECT_EQ(fixOf(line.text), Fix::yes);
    }
    const Micros firstAfter = fixReports(receiver.lines, 1 * second, INT64_MAX).front().at;
    EXPECT_LE(firstAfter, 1 * second + 50 * ms) << "the next line already has no fix";
    expectRefixAfter(receiver, 1 * second, 1250 * ms, 100 * ms);
    expectRefixAfter(receiver, 5 * second, 400 * ms, 100 * ms);
    expectRefixAfter(receiver, 7 * second, 400 * ms, 100 * ms);
    for (const SentLine& line : fixReports(receiver.lines, 2300 * ms, 5 * second + 1)) {
        EXPECT_EQ(fixOf(line.text), Fix::yes) << "fixed until the next start";
    }
    for (const SentLine& line : receiver.lines) {
        EXPECT_TRUE(checksumValid(line.text.substr(0, line.text.size() - 2).c_str())) << line.text;
    }

    const std::vector<StartRecord>& starts = receiver.control.starts().starts();
    ASSERT_EQ(starts.size(), 3u);
    const Micros ttffs[] = {1250 * ms, 400 * ms, 400 * ms};
    for (std::size_t i = 0; i < starts.size(); ++i) {
        EXPECT_EQ(starts[i].kind, StartKind::cold);
        EXPECT_EQ(starts[i].fix, FixAfterStart::timed);
        EXPECT_EQ(starts[i].ttff, ttffs[i]);
    }
    EXPECT_EQ(starts[1].at, 5 * second);
    EXPECT_EQ(receiver.control.starts().coldStarts(), 3);
}

TEST(StartResponder, ASilentRestartSaysNothingForASecondRepliesIncluded) {
    StartOptions options;
    options.shows = RestartShows::silence;
    ASSERT_EQ(options.ttff.setList("warm=2,0.3"), 1);
    VirtualReceiver receiver(tenHertz(), 20, std::move(options));
    receiver.startAt(1 * second, StartKind::warm);
    receiver.startAt(5 * second, StartKind::warm);
    receiver.runTo(5100 * ms);
    const std::string reply = "$PMTK001,0,3*30\r\n";
    receiver.control.queueReply(reinterpret_cast<const std::uint8_t*>(reply.data()), reply.size());
    receiver.runTo(8 * second);

    for (Micros at : {1 * second, 5 * second}) {
        for (const SentLine& line : receiver.lines) {
            EXPECT_FALSE(line.at > at && line.at < at + second) << "silent: " << line.at;
        }
    }
    expectRefixAfter(receiver, 1 * second, 2 * second, 100 * ms);
    const std::vector<SentLine> afterSilence =
        fixReports(receiver.lines, 6 * second - 1, INT64_MAX);
    EXPECT_EQ(fixOf(afterSilence.front().text), Fix::yes) << "the fix came during the silence";
    const auto replied = std::find_if(receiver.lines.begin(), receiver.lines.end(),
                                      [&](const SentLine& line) { return line.text == reply; });
    ASSERT_NE(replied, receiver.lines.end());
    EXPECT_GE(replied->at, 6 * second);
    const std::vector<StartRecord>& starts = receiver.control.starts().starts();
    ASSERT_EQ(starts.size(), 2u);
    EXPECT_EQ(starts[0].ttff, 2 * second);
    EXPECT_EQ(starts[1].ttff, 1 * second) << "never before the receiver talks again";
    EXPECT_EQ(receiver.control.starts().coldStarts(), 0);
}

TEST(StartResponder, AnIgnoredKindChangesNothingAndNeverFixHoldsForGood) {
    StartOptions options;
    options.ignored[static_cast<std::size_t>(StartKind::warm)] = true;
    options.ttff.neverFix();
    VirtualReceiver receiver(tenHertz(), 20, std::move(options));
    receiver.startAt(1 * second, StartKind::warm);
    receiver.startAt(2 * second, StartKind::hot);
    receiver.runTo(40 * second);
    for (const SentLine& line : fixReports(receiver.lines, 0, INT64_MAX)) {
        EXPECT_EQ(fixOf(line.text), line.at <= 2 * second ? Fix::yes : Fix::no) << line.at;
    }
    EXPECT_EQ(receiver.control.starts().ignoredStarts(), 1);
    const std::vector<StartRecord>& starts = receiver.control.starts().starts();
    ASSERT_EQ(starts.size(), 1u);
    EXPECT_EQ(starts[0].kind, StartKind::hot);
    EXPECT_EQ(starts[0].fix, FixAfterStart::neverAgain);
}

// The generated drive, every fix report of its epochs, with its own fix after a second.
TEST(StartResponder, TheGeneratedStreamLosesEveryFixReportUntilTheTimeToFirstFix) {
    ScenarioOptions scenario;
    scenario.seconds = 60;
    scenario.fixAfterSeconds = 1;
    StartOptions options;
    options.ttff.useSeed(11);
    VirtualReceiver receiver(std::make_unique<ScenarioSource>(scenario), 200, std::move(options));
    receiver.startAt(4 * second, StartKind::factory);
    receiver.runTo(50 * second);

    const std::vector<StartRecord>& starts = receiver.control.starts().starts();
    ASSERT_EQ(starts.size(), 1u);
    const Micros ttff = starts[0].ttff;
    EXPECT_GE(ttff, TtffPlan::typicalTtff(StartKind::factory) / 4);
    EXPECT_EQ(fixOf(fixReports(receiver.lines, 3 * second, 4 * second).back().text), Fix::yes);
    expectRefixAfter(receiver, 4 * second, ttff, second);
    for (const SentLine& line : fixReports(receiver.lines, 4 * second + ttff - 1, INT64_MAX)) {
        if (fixOf(line.text) == Fix::yes) {
            EXPECT_EQ(line.text.substr(3, 3), "RMC") << "the fix comes back with a whole epoch";
            break;
        }
    }
    std::string types;
    for (const SentLine& line : fixReports(receiver.lines, 4 * second, 5 * second)) {
        types += line.text.substr(3, 3) + " ";
        EXPECT_TRUE(checksumValid(line.text.substr(0, line.text.size() - 2).c_str())) << line.text;
    }
    for (const char* type : {"RMC", "VTG", "GGA", "GSA", "GLL"}) {
        EXPECT_NE(types.find(type), std::string::npos) << type << " in " << types;
    }
}

}  // namespace
