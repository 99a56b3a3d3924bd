#include "run_statistics.h"

#include <optional>

#include "base/text16.h"
#include "rmc_position.h"
#include "rmc_time.h"

namespace {

bool rmcHasFix(const RmcFields& fields) {
    return fields[2][0] == u'A';
}

bool gsaHasFix(const GsaFields& fields) {
    return textEqualsAscii(fields[2], "2") || textEqualsAscii(fields[2], "3");
}

// The interval the tally took at its latest sample, if it took one.
std::optional<std::int32_t> latestInterval(const EpochTally& epochs) {
    if (!epochs.lastSampleHasInterval()) {
        return std::nullopt;
    }
    const auto& intervals = epochs.intervals();
    return intervals.at(intervals.size() - 1);
}

}  // namespace

void RunStatistics::startRun(RunSource source) {
    runSource = source;
    lineCounts.clear();
    epochTally.clear();
    signalTally.clear();
    satelliteTally.clear();
    firstFixWatch.clear();
    positionStore.clear();
    runHistory.clear();
    firstArrival.reset();
    lastArrival = 0;
}

std::optional<std::int64_t> RunStatistics::arrivalSpanMs() const {
    if (!firstArrival || lastArrival == *firstArrival) {
        return std::nullopt;
    }
    return static_cast<std::int64_t>(static_cast<std::uint32_t>(lastArrival - *firstArrival));
}

void RunStatistics::lineTaken(const SentenceIntake& intake, std::uint32_t tick) {
    lineCounts.count(intake.line(), intake.lineLength(), intake.lastLine().checksumOk);
    firstFixWatch.lineArrived(tick);
    if (!firstArrival) {
        firstArrival = tick;
    }
    lastArrival = tick;
    watchFixReports(intake, tick);
    if (intake.lastLine().parsed == ParsedSentence::rmc) {
        takeSample(intake);
    }
}

void RunStatistics::watchFixReports(const SentenceIntake& intake, std::uint32_t tick) {
    const ParsedSentence parsed = intake.lastLine().parsed;
    if ((parsed == ParsedSentence::rmc && rmcHasFix(intake.rmcFields())) ||
        (parsed == ParsedSentence::gsa && gsaHasFix(intake.gsaFields()))) {
        firstFixWatch.fixReported(tick);
    }
}

void RunStatistics::takeSample(const SentenceIntake& intake) {
    const RmcFields& fields = intake.rmcFields();
    const bool fix = rmcHasFix(fields);
    std::int32_t timeMs = 0;
    const bool hasTime = parseRmcTime(fields[1], &timeMs);
    epochTally.addSample(fix, hasTime ? std::optional<std::int32_t>(timeMs) : std::nullopt);
    TableSample tables[satTableCount];
    scanTables(intake.receiverState(), tables);
    GeoPoint position;
    const bool hasPosition = fix && parseRmcPosition(fields, &position);
    if (hasPosition) {
        positionStore.push(position);
    }
    runHistory.addSample(latestInterval(epochTally), tables, hasPosition ? &position : nullptr);
    if (fix && !firstFixWatch.sampled()) {
        const bool hasInterval = epochTally.lastSampleHasInterval();
        firstFixWatch.fixSampled(
            epochTally.count() - 1,
            hasInterval ? std::optional<std::int64_t>(epochTally.spanMs()) : std::nullopt);
    }
}

void RunStatistics::scanTables(const ReceiverState& state, TableSample (&tables)[satTableCount]) {
    for (int id = 0; id < satTableCount; ++id) {
        const SatTable& table = state.tables[id];
        table.forEachMarked([&](int number) {
            const SatRecord& record = table.records[number];
            const int strength = trackedStrength(record);
            tables[id].addRecord(record.inView != 0, record.usedInFix != 0, strength);
            satelliteTally.addRecord(id, number, record, strength);
        });
    }
    signalTally.addSample(tables);
}
