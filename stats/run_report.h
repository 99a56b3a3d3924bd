#pragma once
// Every number of a run report, as plain data: built from a run's statistics
// once a second in the program, or once at the end of a replay, and written
// as JSON. An empty optional is a number that could not be computed (JSON
// null), never NaN or 0. The names follow docs/run-report.md.

#include <cstdint>
#include <optional>

#include "campaign_report.h"
#include "geodesy.h"
#include "limits.h"
#include "nmea/receiver_state.h"
#include "sample_store.h"
#include "satellite_tally.h"
#include "sentence_type_table.h"
#include "signal_tally.h"
#include "stat_summary.h"

struct LinesReport {
    std::uint64_t total = 0;
    std::uint64_t checksumOk = 0;
    std::uint64_t checksumBad = 0;
    std::uint64_t checksumAbsent = 0;
    SentenceTypeCount byType[typeTableCapacity];  // sorted by type
    int typeCount = 0;
    std::uint64_t other = 0;
};

struct EpochsReport {
    std::int64_t count = 0;
    std::int64_t fix = 0;
    std::optional<double> fixAvailability;
    std::optional<std::int64_t> intervalMedianMs;
    std::int64_t gaps = 0;
    std::int64_t backwards = 0;
    std::optional<std::int64_t> spanMs;
};

struct SignalReport {
    StatSummary inView;
    StatSummary tracked;
    StatSummary used;
    StatSummary top4;
};

struct SignalsReport {
    SignalReport tables[satTableCount];
    SignalReport bands[bandCount];
};

struct SatelliteReport {
    int table = 0;  // a SatTableId
    int number = 0;
    std::int64_t inView = 0;
    std::int64_t tracked = 0;
    std::int64_t used = 0;
    StatSummary strength;
};

struct SatellitesReport {
    SatelliteReport entries[satTableCount * satTableSize];  // by table, then number
    int count = 0;
};

struct ReferenceReport {
    std::optional<double> lat;
    std::optional<double> lon;
    bool given = false;
};

struct PositionReport {
    std::int64_t fixes = 0;
    ReferenceReport reference;
    std::optional<double> meanEastM;
    std::optional<double> meanNorthM;
    std::optional<double> cep50M;
    std::optional<double> cep95M;
    std::optional<double> drms2M;
    std::optional<double> maxErrorM;
};

struct FirstFixReport {
    std::optional<std::int64_t> ms;  // live runs only
    std::optional<std::int64_t> epochs;
    std::optional<std::int64_t> receiverMs;
};

struct LimitResult {
    Limit limit;
    std::optional<double> value;
    bool pass = false;
};

// Where the run went past a fixed store, and which statistics that touched.
struct BoundsReport {
    std::uint64_t intervalsDropped = 0;    // oldest intervals past sampleWindow
    std::uint64_t positionsDropped = 0;    // oldest positions past sampleWindow
    int satellitesPastPool = 0;            // tracked satellites without percentiles
    std::uint64_t strengthsClamped = 0;    // tracked readings above 99, counted as 99
    std::uint64_t linesPastTypeTable = 0;  // lines of types past the table, under "other"
};

struct RunReport {
    bool live = false;
    // A live run's time from its first line to its latest (not in the JSON:
    // the statistics window's rates per type).
    std::optional<std::int64_t> arrivalSpanMs;
    LinesReport lines;
    EpochsReport epochs;
    SignalsReport signals;
    SatellitesReport satellites;
    PositionReport position;
    FirstFixReport firstFix;
    bool hasCampaign = false;
    CampaignReport campaign;
    LimitResult limits[limitKeyCount];
    int limitCount = 0;
    bool pass = true;
    BoundsReport bounds;
};
