#include "campaign_runner.h"

#include <cstdio>

#include "command_set.h"
#include "nmea/fix_report.h"
#include "start_sequence.h"
#include "stats/rmc_position.h"
#include "stats/signal_tally.h"

namespace {

// Wrap-safe: whether `now` has reached `due` on a millisecond tick.
bool reached(std::uint32_t now, std::uint32_t due) {
    return static_cast<std::int32_t>(now - due) >= 0;
}

void formatLocalTime(const CivilTime& t, char (&text)[32]) {
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d.%03d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second, t.milliseconds);
}

}  // namespace

CampaignRunner::CampaignRunner(CommandSet& commandSet, CampaignHost& campaignHost)
    : commands(commandSet), host(campaignHost) {
    commands.setStartListener(this);
}

CommandFamily CampaignRunner::addressedFamily(const CampaignSettings& settings,
                                              CommandFamily answered) {
    switch (settings.choice) {
        case FamilyChoice::one:
            return settings.family;
        case FamilyChoice::all:
            return CommandFamily::none;
        default:
            return answered;  // none, when no family has answered yet: every family
    }
}

bool CampaignRunner::canStart(StartKind kind, CommandFamily family) {
    CommandSequence sequence;
    const int writes = family == CommandFamily::none ? buildAllFamiliesStartSequence(kind, sequence)
                                                     : buildStartSequence(kind, family, sequence);
    return writes > 0;
}

int CampaignRunner::start(const CampaignSettings& settings, CommandFamily answered,
                          std::uint32_t now) {
    const CommandFamily addressed = addressedFamily(settings, answered);
    if (settings.count <= 0 || !canStart(settings.kind, addressed)) {
        return 0;
    }
    chosen = settings;
    family = addressed;
    campaign = CampaignReport();
    campaign.kind = settings.kind;
    std::snprintf(campaign.family, sizeof campaign.family, "%s",
                  addressed == CommandFamily::none ? "all" : commandFamilyName(addressed));
    campaign.count = settings.count < maxCampaignStarts ? settings.count : maxCampaignStarts;
    campaign.timeoutS = settings.timeoutS;
    ending = CampaignEnd::running;
    campaignStartTick = now;
    latestTick = now;
    lastLineTick = now;
    beginStart(now);
    return 1;
}

void CampaignRunner::stop(CampaignEnd why) {
    if (running()) {
        ending = why;  // the start under way is left out
        campaignEndTick = latestTick;
        commands.dropWaitingStarts();
        summarizeCampaign(&campaign);
    }
}

void CampaignRunner::beginStart(std::uint32_t now) {
    current = CampaignStart();
    current.index = campaign.startCount + 1;
    startPhase = StartPhase::sending;
    // When it starts (at once, or after a command already running), the
    // command runner says so through commandStarted.
    if (!commands.requestStart(chosen.kind, family, now)) {
        stop(CampaignEnd::stopped);  // the command queue is full: nothing can be timed
    }
}

void CampaignRunner::commandStarted(const CommandRequest& request,
                                    const CommandSequence& sequence, std::uint32_t startTick) {
    if (!running() || startPhase != StartPhase::sending ||
        request.command != Command::startReceiver) {
        return;
    }
    const std::int32_t firstWrite = firstWriteAtMs(sequence);
    sentTick = startTick + static_cast<std::uint32_t>(firstWrite > 0 ? firstWrite : 0);
    formatLocalTime(host.localTime(), current.sentAt);
    anyLineSinceSent = false;
    startPhase = StartPhase::awaitingRestart;
}

void CampaignRunner::lineTaken(const SentenceIntake& intake, std::uint32_t tick) {
    if (!running()) {
        return;
    }
    lastLineTick = tick;
    latestTick = tick;
    if (startPhase != StartPhase::sending) {
        anyLineSinceSent = true;
    }
    const FixReport report = fixReportOf(intake.line());
    switch (startPhase) {
        case StartPhase::awaitingRestart:
            if (report == FixReport::noFix) {
                restarted(tick);
            }
            return;
        case StartPhase::awaitingFix:
            if (report == FixReport::fix) {
                fixed(tick);
            }
            if (startPhase == StartPhase::awaitingSample) {
                sampleAfterFix(intake, report);  // the fix report may be the first sample
            }
            return;
        case StartPhase::awaitingSample:
            sampleAfterFix(intake, report);
            return;
        default:
            return;
    }
}

void CampaignRunner::restarted(std::uint32_t) {
    startPhase = StartPhase::awaitingFix;
}

// A fix later than the timeout is no fix within it.
void CampaignRunner::fixed(std::uint32_t tick) {
    const std::uint32_t ttff = tick - sentTick;
    if (ttff > static_cast<std::uint32_t>(chosen.timeoutS) * 1000u) {
        finishStart(StartOutcome::timeout, tick);
        return;
    }
    current.ttffMs = ttff;
    fixTick = tick;
    fixGsaTaken = false;
    samplesSinceFix = 0;
    startPhase = StartPhase::awaitingSample;
}

// Most receivers lead an epoch with its RMC: the sample at the RMC that
// reports the fix still holds the used marks of the epoch before, which had
// none. The signal figures wait for a GSA that reports the fix (the line
// after the title's first fix goes unparsed, and it may be that epoch's
// GSA), or for the third sample at the latest; the position is the first
// sample's.
void CampaignRunner::sampleAfterFix(const SentenceIntake& intake, FixReport report) {
    const ParsedSentence parsed = intake.lastLine().parsed;
    if (parsed == ParsedSentence::gsa && report == FixReport::fix) {
        fixGsaTaken = true;
    }
    if (parsed != ParsedSentence::rmc) {
        return;
    }
    ++samplesSinceFix;
    GeoPoint position;
    if (!current.positionAtFix && parseRmcPosition(intake.rmcFields(), &position)) {
        current.positionAtFix = position;
    }
    if (fixGsaTaken || samplesSinceFix >= 3) {
        takeSignals(intake);
        finishStart(StartOutcome::fix, lastLineTick);
    }
}

void CampaignRunner::takeSignals(const SentenceIntake& intake) {
    const TableSample firstBand = bandSampleOf(intake.receiverState(), 0);
    current.usedAtFix = firstBand.used;
    const int topFour = firstBand.topFourSum();
    if (topFour >= 0) {
        current.top4AtFix = topFour / 4.0;
    }
}

void CampaignRunner::finishStart(StartOutcome outcome, std::uint32_t now) {
    current.outcome = outcome;
    if (outcome != StartOutcome::fix) {
        current.ttffMs.reset();
    }
    if (campaign.startCount < maxCampaignStarts) {
        campaign.starts[campaign.startCount++] = current;
    }
    summarizeCampaign(&campaign);
    if (campaign.startCount >= campaign.count) {
        ending = CampaignEnd::completed;
        campaignEndTick = now;
        return;
    }
    settleUntil = now + static_cast<std::uint32_t>(chosen.settleS) * 1000u;
    startPhase = StartPhase::settling;
}

void CampaignRunner::poll(std::uint32_t now) {
    if (!running()) {
        return;
    }
    latestTick = now;
    if (!host.receiverPresent()) {
        stop(CampaignEnd::receiverGone);
        return;
    }
    pollStart(now);
}

void CampaignRunner::pollStart(std::uint32_t now) {
    switch (startPhase) {
        case StartPhase::awaitingRestart: {
            // Quiet since the write, or since the last line after it.
            const std::uint32_t quietSince = anyLineSinceSent ? lastLineTick : sentTick;
            if (reached(now, quietSince + silenceRestartMs)) {
                restarted(quietSince + silenceRestartMs);
            } else if (reached(now, sentTick + restartLimitMs)) {
                finishStart(StartOutcome::noRestart, now);
            }
            return;
        }
        case StartPhase::awaitingFix:
            if (!reached(sentTick + static_cast<std::uint32_t>(chosen.timeoutS) * 1000u, now)) {
                finishStart(StartOutcome::timeout, now);
            }
            return;
        case StartPhase::awaitingSample:
            if (reached(now, fixTick + sampleWaitMs)) {
                finishStart(StartOutcome::fix, now);  // fixed, but no sample came
            }
            return;
        case StartPhase::settling:
            if (reached(now, settleUntil)) {
                beginStart(now);
            }
            return;
        default:
            return;
    }
}
