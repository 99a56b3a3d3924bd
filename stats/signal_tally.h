#pragma once
// Per table and per band, over the samples: records in view, tracked and
// used, and the top-4 strength where at least four are tracked. Exact
// histograms, never windowed.

#include "count_histogram.h"
#include "nmea/receiver_state.h"
#include "table_sample.h"

constexpr int bandCount = 2;  // L1: the five first-band tables, L5: the five second-band ones

// "L1" or "L5".
const char* bandName(int band);

// A sample's records of each band: its five tables' counts together.
void gatherBands(const TableSample (&tables)[satTableCount], TableSample (&bands)[bandCount]);

// What the state shows of one band now, as a sample counts it.
TableSample bandSampleOf(const ReceiverState& state, int band);

template <int MostRecords>
struct SignalSeries {
    CountHistogram<MostRecords + 1> inView;
    CountHistogram<MostRecords + 1> tracked;
    CountHistogram<MostRecords + 1> used;
    CountHistogram<4 * maxStrength + 1> topFourSum;  // bin = four times the top-4 mean

    void clear() {
        inView.clear();
        tracked.clear();
        used.clear();
        topFourSum.clear();
    }

    void add(const TableSample& sample) {
        inView.add(sample.inView);
        tracked.add(sample.tracked);
        used.add(sample.used);
        if (sample.topFourSum() >= 0) {
            topFourSum.add(sample.topFourSum());
        }
    }
};

using TableSeries = SignalSeries<satTableSize>;
using BandSeries = SignalSeries<satTableSize * firstBandTableCount>;

class SignalTally {
public:
    void clear();
    // One sample: what it found in each of the ten tables.
    void addSample(const TableSample (&tables)[satTableCount]);

    const TableSeries& table(int id) const { return tableSeries[id]; }
    const BandSeries& band(int index) const { return bandSeries[index]; }

private:
    TableSeries tableSeries[satTableCount];
    BandSeries bandSeries[bandCount];
};
