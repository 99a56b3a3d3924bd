#include "signal_tally.h"

const char* bandName(int band) {
    return band == 0 ? "L1" : "L5";
}

void gatherBands(const TableSample (&tables)[satTableCount], TableSample (&bands)[bandCount]) {
    for (int id = 0; id < satTableCount; ++id) {
        bands[id < firstBandTableCount ? 0 : 1].addTable(tables[id]);
    }
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
