#include "commands/campaign_runner.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "headless_host.h"
#include "nmea/receiver_state.h"
#include "nmea/sentence_intake.h"
#include "recording_command_host.h"
#include "test_text.h"

namespace {

struct FakeCampaignHost : CampaignHost {
    bool present = true;
    CivilTime localTime() override {
        CivilTime t;
        t.year = 2026;
        t.month = 12;
        t.day = 8;
        t.hour = 10;
        return t;
    }
    bool receiverPresent() override { return present; }
};

// A campaign against a receiver made of lines fed at chosen times, on one
// virtual clock shared by the commands, the intake and the runner.
struct CampaignBench {
    RecordingCommandHost commandHost;
    std::unique_ptr<ReceiverState> state = std::make_unique<ReceiverState>();
    CommandSet commands{commandHost, *state};
    HeadlessHost intakeHost;
    std::unique_ptr<SentenceIntake> intake = std::make_unique<SentenceIntake>(*state, intakeHost);
    FakeCampaignHost host;
    CampaignRunner runner{commands, host};
    std::uint32_t now = HeadlessHost::clockStart;

    CampaignBench() {
        intake->setListener(&runner);
        state->ttffStartTick = now;  // lines are parsed from the first
        commandHost.now = now;
    }

    // Moves the clock on to `ms`, polling every 10 ms as the program's timer would.
    void until(std::uint32_t ms) {
        while (now < ms) {
            now = now + 10 < ms ? now + 10 : ms;
            tick();
        }
    }
    void tick() {
        intakeHost.advanceClock(now - intakeHost.tickCount());
        commandHost.now = now;
        commands.poll(now);
        runner.poll(now);
    }
    void line(std::uint32_t ms, const std::string& text) {
        until(ms);
        std::string bytes = text;
        bytes.push_back('\0');
        intake->onLine(LineBytes{reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()});
    }
    // One epoch, led by its RMC as most receivers send it, or ended by it.
    bool rmcFirst = true;
    void epoch(std::uint32_t ms, bool fix) {
        const std::string rmc =
            checked(fix ? "$GNRMC,083015.00,A,2502.34560,N,12134.56780,E,0.0,0.0,061226,,,A"
                        : "$GNRMC,083015.00,V,,,,,,,061226,,,N");
        const std::string gsa = checked(fix ? "$GNGSA,A,3,05,07,09,,,,,,,,,,1.6,0.9,1.3,1"
                                            : "$GNGSA,A,1,,,,,,,,,,,,,99.99,99.99,99.99,1");
        const std::string gsv =
            checked("$GPGSV,1,1,04,05,40,083,46,07,17,308,41,09,07,344,39,12,22,228,45,1");
        if (rmcFirst) {
            line(ms, rmc);
            line(ms, gsa);  // after the title's first fix, this one goes unparsed
            line(ms, gsv);
        } else {
            line(ms, gsv);
            line(ms, gsa);
            line(ms, rmc);
        }
    }
    // A fix reported at `ms`, and the epochs after it until a sample holds it.
    void fixAt(std::uint32_t ms) {
        epoch(ms, true);
        epoch(ms + 100, true);
        epoch(ms + 200, true);
    }
    // Epochs every 100 ms from `from` to before `to`.
    void epochs(std::uint32_t from, std::uint32_t to, bool fix) {
        for (std::uint32_t ms = from; ms < to; ms += 100) {
            epoch(ms, fix);
        }
    }
    int start(StartKind kind, int count, FamilyChoice choice = FamilyChoice::one,
              CommandFamily family = CommandFamily::pmtk, CommandFamily answered =
                                                              CommandFamily::none) {
        CampaignSettings settings;
        settings.kind = kind;
        settings.choice = choice;
        settings.family = family;
        settings.count = count;
        settings.timeoutS = 40;
        settings.settleS = 2;
        return runner.start(settings, answered, now);
    }
    std::vector<std::uint32_t> writeTimes() const {
        std::vector<std::uint32_t> times;
        for (const PortEvent& event : commandHost.port) {
            times.push_back(event.first);
        }
        return times;
    }
};

std::string outcomes(const CampaignReport& report) {
    std::string text;
    for (int i = 0; i < report.startCount; ++i) {
        const CampaignStart& start = report.starts[i];
        text += start.outcome == StartOutcome::fix       ? "fix "
                : start.outcome == StartOutcome::timeout ? "timeout "
                                                         : "noRestart ";
        text += start.ttffMs ? std::to_string(*start.ttffMs) : "-";
        text += i + 1 < report.startCount ? ", " : "";
    }
    return text;
}

// Each way a start ends: a restart shown by a no-fix report or by a second of
// silence, a receiver that keeps its fix, one that never fixes, and a fix at
// the very edge of the timeout; the next start waits for the settle time.
TEST(CampaignRunner, RestartsFixesAndTimeOutsOnAVirtualClock) {
    auto bench = std::make_unique<CampaignBench>();
    const std::uint32_t t0 = bench->now;
    bench->epochs(t0, t0 + 300, true);
    ASSERT_EQ(bench->start(StartKind::cold, 5), 1);
    const std::uint32_t s1 = bench->now;
    // 1: fix epochs still in the pipe, then no-fix epochs, then a fix 31.2 s on.
    bench->epochs(s1 + 50, s1 + 300, true);
    bench->epochs(s1 + 300, s1 + 31200, false);
    bench->fixAt(s1 + 31200);
    EXPECT_EQ(bench->runner.report().startCount, 1);
    const CampaignStart& first = bench->runner.report().starts[0];
    EXPECT_EQ(first.ttffMs, 31200);
    EXPECT_EQ(first.usedAtFix, 3);  // used and in view on L1
    EXPECT_EQ(first.top4AtFix, (46 + 45 + 41 + 39) / 4.0);
    ASSERT_TRUE(first.positionAtFix.has_value());
    EXPECT_NEAR(first.positionAtFix->lat, 25.0390933, 1e-6);
    EXPECT_STREQ(first.sentAt, "2026-12-08T10:00:00.000");
    // 2: silence from the write on restarts it a second later; it fixes at 4.5 s.
    // The fix epoch's GSA went unparsed, so the sample came two epochs on.
    bench->until(s1 + 31400 + 1999);
    EXPECT_EQ(bench->writeTimes().size(), 1u);  // settling after the sample
    bench->until(s1 + 31400 + 2000);
    const std::uint32_t s2 = bench->now;
    EXPECT_EQ(bench->writeTimes().back(), s2);
    // This receiver ends its epochs with the RMC: the fix's GSA comes first.
    bench->rmcFirst = false;
    bench->until(s2 + 1500);
    bench->epochs(s2 + 1500, s2 + 4500, false);
    bench->fixAt(s2 + 4500);
    EXPECT_EQ(bench->runner.report().starts[1].usedAtFix, 3);
    EXPECT_EQ(bench->runner.report().starts[1].top4AtFix, (46 + 45 + 41 + 39) / 4.0);
    // 3: a receiver that keeps its fix never restarts: noRestart after 10 s.
    bench->until(bench->now + 2000);
    const std::uint32_t s3 = bench->writeTimes().back();
    bench->epochs(s3 + 100, s3 + 10000, true);
    bench->until(s3 + 10000);
    // 4: a fix exactly at the timeout counts.
    bench->until(bench->now + 2000);
    const std::uint32_t s4 = bench->writeTimes().back();
    bench->epochs(s4 + 100, s4 + 40000, false);
    bench->fixAt(s4 + 40000);
    // 5: one a millisecond too late does not.
    bench->until(bench->now + 2000);
    const std::uint32_t s5 = bench->writeTimes().back();
    bench->epochs(s5 + 100, s5 + 40001, false);
    bench->fixAt(s5 + 40001);
    EXPECT_EQ(outcomes(bench->runner.report()),
              "fix 31200, fix 4500, noRestart -, fix 40000, timeout -");
    EXPECT_EQ(bench->runner.end(), CampaignEnd::completed);
    const CampaignReport& report = bench->runner.report();
    EXPECT_EQ(report.fixed, 3);
    EXPECT_EQ(report.timeouts, 1);
    EXPECT_EQ(report.noRestart, 1);
    EXPECT_EQ(report.ttffS.median, 31.2);  // of 4.5, 31.2 and 40.0 s
    EXPECT_STREQ(report.family, "pmtk");
    for (const PortEvent& event : bench->commandHost.port) {
        EXPECT_EQ(event.second, "$PMTK103*30\r\n");
    }
}

// Stopped in each phase, a campaign keeps the starts it completed and sends
// nothing more; a receiver that goes away ends it the same way.
TEST(CampaignRunner, StopsCleanlyInEveryPhase) {
    const auto run = [](int stopAfterMs, bool fixFirst) {
        auto bench = std::make_unique<CampaignBench>();
        bench->start(StartKind::hot, 3);
        const std::uint32_t s1 = bench->now;
        if (fixFirst) {
            bench->epochs(s1 + 100, s1 + 900, false);
            bench->fixAt(s1 + 900);
        }
        bench->until(bench->now + static_cast<std::uint32_t>(stopAfterMs));
        const StartPhase phase = bench->runner.phase();
        bench->runner.stop(CampaignEnd::stopped);
        const std::size_t writes = bench->writeTimes().size();
        bench->epochs(bench->now + 100, bench->now + 20000, true);
        bench->until(bench->now + 40000);
        EXPECT_EQ(bench->writeTimes().size(), writes);
        EXPECT_FALSE(bench->runner.running());
        EXPECT_EQ(bench->runner.end(), CampaignEnd::stopped);
        return std::make_pair(phase, bench->runner.report().startCount);
    };
    EXPECT_EQ(run(500, false), std::make_pair(StartPhase::awaitingRestart, 0));
    EXPECT_EQ(run(1500, false), std::make_pair(StartPhase::awaitingFix, 0));
    EXPECT_EQ(run(500, true), std::make_pair(StartPhase::settling, 1));

    // Waiting for a sample after a GSA fix report; and behind another command.
    auto sampling = std::make_unique<CampaignBench>();
    sampling->start(StartKind::hot, 3);
    sampling->epochs(sampling->now + 100, sampling->now + 800, false);
    sampling->line(sampling->now + 100, checked("$GNGSA,A,3,05,07,,,,,,,,,,,1.6,0.9,1.3,1"));
    EXPECT_EQ(sampling->runner.phase(), StartPhase::awaitingSample);
    sampling->runner.stop(CampaignEnd::stopped);
    EXPECT_EQ(sampling->runner.report().startCount, 0);

    auto queued = std::make_unique<CampaignBench>();
    queued->commands.request(Command::getVersion, queued->now);
    queued->start(StartKind::hot, 3);
    EXPECT_EQ(queued->runner.phase(), StartPhase::sending);
    queued->runner.stop(CampaignEnd::stopped);
    queued->until(queued->now + 5000);
    for (const PortEvent& event : queued->commandHost.port) {
        EXPECT_NE(event.second, "$PMTK101*32\r\n");
    }

    auto vanishing = std::make_unique<CampaignBench>();
    vanishing->start(StartKind::hot, 5);
    for (int start = 0; start < 2; ++start) {
        const std::uint32_t sent = vanishing->now;
        vanishing->epochs(sent + 100, sent + 1000, false);
        vanishing->fixAt(sent + 1000);
        vanishing->until(vanishing->now + 2000);
    }
    vanishing->host.present = false;
    vanishing->until(vanishing->now + 100);
    EXPECT_EQ(vanishing->runner.end(), CampaignEnd::receiverGone);
    EXPECT_EQ(vanishing->runner.report().startCount, 2);
}

// Which family hears a start: the one chosen, the one that answered, or all
// of them in the Cold Start order; a family without the kind is not asked,
// and a campaign that could address nobody does not start.
TEST(CampaignRunner, AddressesTheChosenTheAnsweringOrEveryFamily) {
    auto automatic = std::make_unique<CampaignBench>();
    ASSERT_EQ(automatic->start(StartKind::warm, 1, FamilyChoice::automatic, CommandFamily::none,
                               CommandFamily::pair),
              1);
    ASSERT_EQ(automatic->commandHost.port.size(), 1u);
    EXPECT_EQ(automatic->commandHost.port[0].second, "$PAIR005*3F\r\n");
    EXPECT_STREQ(automatic->runner.report().family, "pair");

    auto everyone = std::make_unique<CampaignBench>();
    ASSERT_EQ(everyone->start(StartKind::factory, 1, FamilyChoice::automatic), 1);
    everyone->until(everyone->now + 1000);
    std::vector<std::string> sent;
    for (const PortEvent& event : everyone->commandHost.port) {
        sent.push_back(event.second.substr(0, 8));
    }
    // No factory start is known for "@" or UBX: PSRF, PMTK and PAIR only.
    EXPECT_EQ(sent, (std::vector<std::string>{"$PSRF101", "$PMTK104", "$PAIR007"}));
    EXPECT_STREQ(everyone->runner.report().family, "all");

    auto nobody = std::make_unique<CampaignBench>();
    EXPECT_EQ(nobody->start(StartKind::factory, 3, FamilyChoice::one, CommandFamily::ubx), 0);
    EXPECT_FALSE(nobody->runner.running());
    EXPECT_TRUE(nobody->commandHost.port.empty());
}

}  // namespace
