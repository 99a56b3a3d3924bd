#include "build_run_report.h"

#include <algorithm>

#include "limit_evaluation.h"
#include "percentiles.h"
#include "position_summary.h"

namespace {

bool typeBefore(const SentenceTypeCount& a, const SentenceTypeCount& b) {
    return std::lexicographical_compare(a.type.units, a.type.units + a.type.length, b.type.units,
                                        b.type.units + b.type.length);
}

void reportLines(const LineCounts& lines, LinesReport* report) {
    report->total = lines.total();
    report->checksumOk = lines.checksumOk();
    report->checksumBad = lines.checksumBad();
    report->checksumAbsent = lines.checksumAbsent();
    const SentenceTypeTable& types = lines.types();
    report->typeCount = types.typeCount();
    for (int i = 0; i < types.typeCount(); ++i) {
        report->byType[i] = types.entry(i);
    }
    std::sort(report->byType, report->byType + report->typeCount, typeBefore);
    report->other = types.other();
}

// The median and the gaps over the intervals the store kept.
void reportIntervals(const SampleStore<std::int32_t>& intervals, std::int32_t* scratch,
                     EpochsReport* report) {
    const std::size_t n = intervals.size();
    if (n == 0) {
        return;
    }
    for (std::size_t i = 0; i < n; ++i) {
        scratch[i] = intervals.at(i);
    }
    const std::int64_t median = percentileOf(scratch, n, 50);
    report->intervalMedianMs = median;
    for (std::size_t i = 0; i < n; ++i) {
        // Above 1.5 times the median, in whole numbers. A step back is
        // counted as backwards, never as a gap, whatever the median.
        const std::int64_t interval = scratch[i];
        report->gaps += interval > 0 && 2 * interval > 3 * median ? 1 : 0;
    }
}

void reportEpochs(const EpochTally& epochs, std::int32_t* scratch, EpochsReport* report) {
    *report = EpochsReport();
    report->count = epochs.count();
    report->fix = epochs.fixes();
    if (epochs.count() > 0) {
        report->fixAvailability =
            static_cast<double>(epochs.fixes()) / static_cast<double>(epochs.count());
    }
    report->backwards = epochs.backwards();
    if (epochs.intervals().pushedCount() > 0) {
        report->spanMs = epochs.spanMs();
    }
    reportIntervals(epochs.intervals(), scratch, report);
}

template <typename Series>
SignalReport signalReportOf(const Series& series) {
    return {series.inView.summary(), series.tracked.summary(), series.used.summary(),
            series.topFourSum.summary(4)};
}

void reportSignals(const SignalTally& signals, SignalsReport* report) {
    for (int id = 0; id < satTableCount; ++id) {
        report->tables[id] = signalReportOf(signals.table(id));
    }
    for (int band = 0; band < bandCount; ++band) {
        report->bands[band] = signalReportOf(signals.band(band));
    }
}

// A satellite without a histogram has its count, extremes and mean, but no
// percentiles.
StatSummary strengthOf(const SatelliteTally& tally, const SatelliteCounts& counts) {
    if (const std::uint32_t* bins = tally.strengthHistogram(counts)) {
        const int lowest = counts.minStrength;
        return summarizeHistogram(bins + lowest, counts.maxStrength - lowest + 1, 1, lowest);
    }
    StatSummary summary;
    summary.n = counts.tracked;
    if (counts.tracked > 0) {
        summary.min = counts.minStrength;
        summary.max = counts.maxStrength;
        summary.mean = static_cast<double>(counts.strengthSum) / counts.tracked;
    }
    return summary;
}

void reportSatellites(const SatelliteTally& tally, SatellitesReport* report) {
    report->count = 0;
    for (int table = 0; table < satTableCount; ++table) {
        for (int number = 0; number < satTableSize; ++number) {
            const SatelliteCounts& counts = tally.counts(table, number);
            if (!counts.listed) {
                continue;
            }
            report->entries[report->count++] = {table,         number,
                                                counts.inView, counts.tracked,
                                                counts.used,   strengthOf(tally, counts)};
        }
    }
}

void reportFirstFix(const RunStatistics& statistics, FirstFixReport* report) {
    const FirstFixWatch& watch = statistics.firstFix();
    report->ms = statistics.source() == RunSource::live ? watch.arrivalMs() : std::nullopt;
    report->epochs = watch.epochs();
    report->receiverMs = watch.receiverMs();
}

void reportBounds(const RunStatistics& statistics, BoundsReport* report) {
    report->intervalsDropped = statistics.epochs().intervals().dropped();
    report->positionsDropped = statistics.positions().dropped();
    report->satellitesPastPool = statistics.satellites().satellitesPastPool();
    report->strengthsClamped = statistics.satellites().strengthsClamped();
    report->linesPastTypeTable = statistics.lines().types().pastTable();
}

}  // namespace

void buildRunReport(const RunStatistics& statistics, const ReportInputs& inputs,
                    ReportScratch& scratch, RunReport* report) {
    report->live = statistics.source() == RunSource::live;
    report->arrivalSpanMs = report->live ? statistics.arrivalSpanMs() : std::nullopt;
    reportLines(statistics.lines(), &report->lines);
    reportEpochs(statistics.epochs(), scratch.intervals, &report->epochs);
    reportSignals(statistics.signals(), &report->signals);
    reportSatellites(statistics.satellites(), &report->satellites);
    report->position = summarizePositions(statistics.positions(), statistics.positionCount(),
                                          inputs.reference, scratch.errors);
    reportFirstFix(statistics, &report->firstFix);
    report->hasCampaign = false;
    reportBounds(statistics, &report->bounds);
    evaluateLimits(inputs.limits, report);
}
