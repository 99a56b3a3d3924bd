#pragma once
// A start campaign: N starts of one kind, each timed from the first write of
// its start command to the receiver's first fix report after it restarted.
// Each start runs on the command runner's timed steps, as any command does;
// the runner watches the lines the intake takes and is polled from a timer,
// against whatever clock it is given (a virtual one in the tests).
//
// Per start: the command goes out; the receiver counts as restarted at its
// first no-fix report after the write, or after a second without any line
// (no restart within 10 s: noRestart); the fix is its first fix report after
// the restart (none within the timeout of the write: timeout); the first
// sample at or after the fix gives the position, and the first whose state
// holds the fix's GSA the used count and the top-4 strength; then, after the
// settle time, the next start.

#include <cstdint>

#include "base/civil_time.h"
#include "command_runner.h"
#include "nmea/command_family.h"
#include "nmea/fix_report.h"
#include "nmea/sentence_intake.h"
#include "stats/campaign_report.h"

class CommandSet;

// Which family a campaign addresses.
enum class FamilyChoice {
    automatic,  // the family whose version reply came last, else every family
    all,        // every family's command in turn, as the Cold Start button sends them
    one,        // the family named
};

struct CampaignSettings {
    StartKind kind = StartKind::cold;
    FamilyChoice choice = FamilyChoice::automatic;
    CommandFamily family = CommandFamily::none;  // for FamilyChoice::one
    int count = 10;
    int timeoutS = 120;
    int settleS = 5;
};

// How a campaign ended, or that it runs.
enum class CampaignEnd {
    running,
    completed,     // every start made
    stopped,       // the operator stopped it, or closed the connection or the window
    receiverGone,  // the receiver stopped answering the port
};

// What the campaign needs besides the commands.
class CampaignHost {
public:
    virtual ~CampaignHost() = default;
    // The local wall-clock time, for each start's time in the report.
    virtual CivilTime localTime() = 0;
    // False once the port no longer reaches a receiver (unplugged, vanished).
    virtual bool receiverPresent() = 0;
};

enum class StartPhase { sending, awaitingRestart, awaitingFix, awaitingSample, settling };

class CampaignRunner final : public IntakeListener, public CommandStartListener {
public:
    static constexpr std::uint32_t silenceRestartMs = 1000;
    static constexpr std::uint32_t restartLimitMs = 10000;
    // A fix with no sample after it this long is kept without a sample's values.
    static constexpr std::uint32_t sampleWaitMs = 3000;

    CampaignRunner(CommandSet& commandSet, CampaignHost& campaignHost);

    // The family a campaign of these settings addresses: none for every family.
    static CommandFamily addressedFamily(const CampaignSettings& settings, CommandFamily answered);
    // Whether the family (none: every family) has a command for the kind.
    static bool canStart(StartKind kind, CommandFamily family);

    // Begins at once with its first start. Returns 1, or 0 when the addressed
    // family has no command for the kind (nothing is sent then).
    int start(const CampaignSettings& settings, CommandFamily answered, std::uint32_t now);
    // Ends it; the starts completed so far stay in the report.
    void stop(CampaignEnd why);

    // IntakeListener: every line the intake took.
    void lineTaken(const SentenceIntake& intake, std::uint32_t tick) override;
    // CommandStartListener: the first write of a start goes out.
    void commandStarted(const CommandRequest& request, const CommandSequence& sequence,
                        std::uint32_t startTick) override;
    // From a timer while it runs: silence, time limits, the settle time, and
    // whether the receiver is still there.
    void poll(std::uint32_t now);

    bool running() const { return ending == CampaignEnd::running; }
    CampaignEnd end() const { return ending; }
    StartPhase phase() const { return startPhase; }
    // The start under way, from 1; the count when every start is made.
    int currentStart() const { return campaign.startCount + (running() ? 1 : 0); }
    const CampaignSettings& settings() const { return chosen; }
    // The starts made, summarized; errors at fix are the run report's to add.
    const CampaignReport& report() const { return campaign; }
    std::uint32_t startedAt() const { return campaignStartTick; }
    // How long it has run (up to its end, once it ended), at `now`.
    std::uint32_t elapsedMs(std::uint32_t now) const {
        return (running() ? now : campaignEndTick) - campaignStartTick;
    }

private:
    void beginStart(std::uint32_t now);
    void restarted(std::uint32_t tick);
    void fixed(std::uint32_t tick);
    void sampleAfterFix(const SentenceIntake& intake, FixReport report);
    void takeSignals(const SentenceIntake& intake);
    void finishStart(StartOutcome outcome, std::uint32_t now);
    void pollStart(std::uint32_t now);

    CommandSet& commands;
    CampaignHost& host;
    CampaignSettings chosen;
    CommandFamily family = CommandFamily::none;
    CampaignReport campaign;
    CampaignEnd ending = CampaignEnd::completed;
    StartPhase startPhase = StartPhase::settling;
    CampaignStart current;
    std::uint32_t campaignStartTick = 0;
    std::uint32_t campaignEndTick = 0;
    std::uint32_t latestTick = 0;  // of the last poll or line
    std::uint32_t sentTick = 0;
    std::uint32_t lastLineTick = 0;
    std::uint32_t fixTick = 0;
    std::uint32_t settleUntil = 0;
    bool anyLineSinceSent = false;
    bool fixGsaTaken = false;  // a GSA reporting the fix, since the fix
    int samplesSinceFix = 0;
};
