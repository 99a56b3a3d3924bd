#include <string>

#include "html_cells.h"
#include "nmea/sat_table_names.h"
#include "report_tables.h"
#include "stats/signal_tally.h"

namespace {

constexpr int strengthDecimals = 2;

void appendSignalRow(std::string& out, const char* name, const SignalReport& signal) {
    appendRowStart(out, name);
    appendNumberCell(out, signal.inView.median, 0);
    appendNumberCell(out, signal.tracked.median, 0);
    appendNumberCell(out, signal.used.median, 0);
    appendNumberCell(out, signal.top4.min, strengthDecimals);
    appendNumberCell(out, signal.top4.median, strengthDecimals);
    appendNumberCell(out, signal.top4.max, strengthDecimals);
    appendRowEnd(out);
}

void appendSatelliteRow(std::string& out, const SatelliteReport& satellite) {
    out += "<tr>";
    appendTextCell(out, satTableKey(satellite.table));
    appendCountCell(out, satellite.number);
    appendCountCell(out, satellite.inView);
    appendCountCell(out, satellite.tracked);
    appendCountCell(out, satellite.used);
    appendNumberCell(out, satellite.strength.min, strengthDecimals);
    appendNumberCell(out, satellite.strength.median, strengthDecimals);
    appendNumberCell(out, satellite.strength.max, strengthDecimals);
    appendRowEnd(out);
}

}  // namespace

void appendSignalsTable(std::string& out, const SignalsReport& signals) {
    out +=
        "<table class=\"signals\">\n<thead><tr><th>Table or band</th><th>In view</th>"
        "<th>Tracked</th><th>Used</th><th>Top-4 min</th><th>Top-4 median</th>"
        "<th>Top-4 max</th></tr>\n<tr class=\"units\"><th></th><th>median</th><th>median</th>"
        "<th>median</th><th>dB-Hz</th><th>dB-Hz</th><th>dB-Hz</th></tr></thead>\n<tbody>\n";
    for (int band = 0; band < bandCount; ++band) {
        appendSignalRow(out, bandName(band), signals.bands[band]);
    }
    for (int id = 0; id < satTableCount; ++id) {
        appendSignalRow(out, satTableKey(id), signals.tables[id]);
    }
    out += "</tbody>\n</table>\n";
}

void appendSatellitesTable(std::string& out, const SatellitesReport& satellites) {
    out +=
        "<table class=\"satellites\">\n<thead><tr><th>Table</th><th>Number</th>"
        "<th>In view</th><th>Tracked</th><th>Used</th><th>Strength min</th>"
        "<th>Strength median</th><th>Strength max</th></tr>\n<tr class=\"units\"><th></th>"
        "<th></th><th>epochs</th><th>epochs</th><th>epochs</th><th>dB-Hz</th><th>dB-Hz</th>"
        "<th>dB-Hz</th></tr></thead>\n<tbody>\n";
    const int count = satellites.count < satTableCount * satTableSize
                          ? satellites.count
                          : satTableCount * satTableSize;
    for (int i = 0; i < count; ++i) {
        appendSatelliteRow(out, satellites.entries[i]);
    }
    out += "</tbody>\n</table>\n";
}
