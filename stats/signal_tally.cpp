#include "signal_tally.h"

#include "satellite_strength.h"

const char* bandName(int band) {
    return band == 0 ? "L1" : "L5";
}

void gatherBands(const TableSample (&tables)[satTableCount], TableSample (&bands)[bandCount]) {
    for (int id = 0; id < satTableCount; ++id) {
        bands[id < firstBandTableCount ? 0 : 1].addTable(tables[id]);
    }
}

TableSample bandSampleOf(const ReceiverState& state, int band) {
    TableSample sample;
    const int first = band == 0 ? 0 : firstBandTableCount;
    const int end = band == 0 ? firstBandTableCount : satTableCount;
    for (int id = first; id < end; ++id) {
        const SatTable& table = state.tables[id];
        table.forEachMarked([&](int number) {
            const SatRecord& record = table.records[number];
            sample.addRecord(record.inView != 0, record.usedInFix != 0, trackedStrength(record));
        });
    }
    return sample;
}

void SignalTally::clear() {
    for (TableSeries& series : tableSeries) {
        series.clear();
    }
    for (BandSeries& series : bandSeries) {
        series.clear();
    }
}

void SignalTally::addSample(const TableSample (&tables)[satTableCount]) {
    for (int id = 0; id < satTableCount; ++id) {
        tableSeries[id].add(tables[id]);
    }
    TableSample bands[bandCount];
    gatherBands(tables, bands);
    for (int band = 0; band < bandCount; ++band) {
        bandSeries[band].add(bands[band]);
    }
}
