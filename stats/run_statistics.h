#pragma once
// The statistics of a run, fed only through the intake's listener: counts
// for every line, and a sample right after each RMC the intake parsed (the
// state the graphics panel draws at that moment). Nothing is allocated per
// line or sample; the object is large (a few megabytes) and is made once.

#include <cstdint>
#include <optional>

#include "epoch_tally.h"
#include "first_fix_watch.h"
#include "geodesy.h"
#include "line_counts.h"
#include "nmea/sentence_intake.h"
#include "run_history.h"
#include "sample_store.h"
#include "satellite_tally.h"
#include "signal_tally.h"

// A live run has arrival ticks and reports the first fix in milliseconds;
// a recording's ticks are made up, so it reports the first fix in epochs
// and in the receiver's own time.
enum class RunSource { live, recording };

class RunStatistics final : public IntakeListener {
public:
    RunStatistics() { startRun(RunSource::recording); }

    // Forgets the run so far. Called at a connection start, a replay start,
    // a cold start or factory reset the operator asked for, a campaign start.
    void startRun(RunSource source);

    // IntakeListener
    void lineTaken(const SentenceIntake& intake, std::uint32_t tick) override;

    RunSource source() const { return runSource; }
    const LineCounts& lines() const { return lineCounts; }
    const EpochTally& epochs() const { return epochTally; }
    const SignalTally& signals() const { return signalTally; }
    const SatelliteTally& satellites() const { return satelliteTally; }
    const FirstFixWatch& firstFix() const { return firstFixWatch; }
    // From the run's first line to its latest by arrival tick; none before a
    // second line. Only a live run's ticks mean anything.
    std::optional<std::int64_t> arrivalSpanMs() const;
    // Every fix sample with a position counts; the store keeps the latest.
    std::int64_t positionCount() const {
        return static_cast<std::int64_t>(positionStore.pushedCount());
    }
    const SampleStore<GeoPoint>& positions() const { return positionStore; }
    // The samples in at most historyPoints points, for the report's charts.
    const RunHistory& history() const { return runHistory; }

private:
    void takeSample(const SentenceIntake& intake);
    void scanTables(const ReceiverState& state, TableSample (&tables)[satTableCount]);
    void watchFixReports(const SentenceIntake& intake, std::uint32_t tick);

    RunSource runSource = RunSource::recording;
    LineCounts lineCounts;
    EpochTally epochTally;
    SignalTally signalTally;
    SatelliteTally satelliteTally;
    FirstFixWatch firstFixWatch;
    SampleStore<GeoPoint> positionStore;
    std::optional<std::uint32_t> firstArrival;
    std::uint32_t lastArrival = 0;
    RunHistory runHistory;
};
