#include "statistics_view.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

#include "nmea/sat_table_names.h"
#include "stats/limits.h"

namespace {

// A label column wide enough for the limits' names, then four of values.
constexpr std::int64_t columnLeft[] = {8, 176, 316, 456, 596};
constexpr int typesShown = 8;

constexpr int columnCount = static_cast<int>(std::size(columnLeft));

void verdictRow(const RunReport& report, RowWriter& out) {
    out.cell("Verdict");
    if (report.limitCount == 0) {
        out.cell("PASS (no limits)", passColor);
    } else {
        out.cell(report.pass ? "PASS" : "FAIL",
                 report.pass ? passColor : failColor);
    }
    out.cell(report.live ? "live run" : "recording");
    out.endRow();
}

void linesRow(const LinesReport& lines, RowWriter& out) {
    out.cell("Lines");
    out.cell(namedCount("total", static_cast<std::int64_t>(lines.total)).c_str());
    out.cell(namedCount("checksum ok", static_cast<std::int64_t>(lines.checksumOk)).c_str());
    out.cell(namedCount("bad", static_cast<std::int64_t>(lines.checksumBad)).c_str());
    out.cell(namedCount("absent", static_cast<std::int64_t>(lines.checksumAbsent)).c_str());
    out.endRow();
}

// The most frequent types first, each with its rate: over the arrival times
// of a live run, over the receiver's own times of a recording.
void typeRows(const RunReport& report, RowWriter& out) {
    const LinesReport& lines = report.lines;
    int order[typeTableCapacity];
    const int count = std::min(lines.typeCount, typeTableCapacity);
    for (int i = 0; i < count; ++i) {
        order[i] = i;
    }
    std::stable_sort(order, order + count,
                     [&](int a, int b) { return lines.byType[a].count > lines.byType[b].count; });
    const std::optional<std::int64_t>& span =
        report.live ? report.arrivalSpanMs : report.epochs.spanMs;
    const int shown = std::min(count, typesShown);
    for (int i = 0; i < shown; ++i) {
        if (i % 4 == 0) {
            out.cell(i == 0 ? "Rate per type" : "");
        }
        const SentenceTypeCount& type = lines.byType[order[i]];
        Cell cell;
        cell.assign(type.type.units, static_cast<std::size_t>(type.type.length));
        Cell rate;
        if (span && *span > 0) {
            rate.format(" %.1f/s", static_cast<double>(type.count) * 1000.0 /
                                       static_cast<double>(*span));
        } else {
            rate.format(" %llu", static_cast<unsigned long long>(type.count));
        }
        cell.append(rate.c_str());
        out.cell(cell.c_str());
        if (i % 4 == 3 || i == shown - 1) {
            out.endRow();
        }
    }
}

void epochRows(const RunReport& report, RowWriter& out) {
    const EpochsReport& epochs = report.epochs;
    out.cell("Epochs");
    out.cell(namedCount("count", epochs.count).c_str());
    out.cell(namedCount("fix", epochs.fix).c_str());
    const std::optional<double> percent =
        epochs.fixAvailability ? std::optional<double>(*epochs.fixAvailability * 100) : std::nullopt;
    out.cell(namedValue("availability", percent, 1, " %").c_str());
    out.endRow();
    out.cell("");
    const std::optional<double> interval =
        epochs.intervalMedianMs ? std::optional<double>(static_cast<double>(*epochs.intervalMedianMs))
                                : std::nullopt;
    out.cell(namedValue("interval", interval, 0, " ms").c_str());
    out.cell(namedCount("gaps", epochs.gaps).c_str());
    out.cell(namedCount("backwards", epochs.backwards).c_str());
    out.endRow();
    out.cell("First fix");
    const FirstFixReport& first = report.firstFix;
    const auto seconds = [](const std::optional<std::int64_t>& ms) {
        return ms ? std::optional<double>(static_cast<double>(*ms) / 1000.0) : std::nullopt;
    };
    if (report.live) {
        out.cell(namedValue("after", seconds(first.ms), 2, " s").c_str());
    }
    const std::optional<double> epochsBefore =
        first.epochs ? std::optional<double>(static_cast<double>(*first.epochs)) : std::nullopt;
    out.cell(namedValue("epochs", epochsBefore, 0).c_str());
    out.cell(namedValue("receiver", seconds(first.receiverMs), 2, " s").c_str());
    out.endRow();
}

void signalRow(const char16_t* label, const SignalReport& signal, RowWriter& out) {
    out.cell(label);
    out.cell(namedValue("", signal.tracked.median, 0).c_str());
    out.cell(namedValue("", signal.used.median, 0).c_str());
    out.cell(namedValue("", signal.top4.median, 1).c_str());
    out.endRow();
}

// The bands, then each table that tracked anything.
void signalRows(const SignalsReport& signals, RowWriter& out) {
    out.cell("Signals (median)");
    out.cell("tracked");
    out.cell("used");
    out.cell("top-4 dB-Hz");
    out.endRow();
    signalRow(u"L1 band", signals.bands[0], out);
    signalRow(u"L5 band", signals.bands[1], out);
    for (int t = 0; t < satTableCount; ++t) {
        if (signals.tables[t].inView.n > 0 && signals.tables[t].inView.max.value_or(0) > 0) {
            Cell label;
            label.assignAscii(satTableLabel(t));
            signalRow(label.c_str(), signals.tables[t], out);
        }
    }
}

void positionRows(const PositionReport& position, RowWriter& out) {
    out.cell("Reference");
    out.cell(namedValue("lat", position.reference.lat, 8).c_str());
    out.cell(namedValue("lon", position.reference.lon, 8).c_str());
    out.cell(position.reference.given ? "given" : "mean of fixes");
    out.endRow();
    out.cell("Position");
    out.cell(namedCount("fixes", position.fixes).c_str());
    out.cell(namedValue("CEP50", position.cep50M, 3, " m").c_str());
    out.cell(namedValue("CEP95", position.cep95M, 3, " m").c_str());
    out.endRow();
    out.cell("");
    out.cell(namedValue("2DRMS", position.drms2M, 3, " m").c_str());
    out.cell(namedValue("max", position.maxErrorM, 3, " m").c_str());
    out.endRow();
}

void limitRows(const RunReport& report, RowWriter& out) {
    if (report.limitCount == 0) {
        return;
    }
    out.cell("Limits");
    out.cell("limit");
    out.cell("value");
    out.cell("result");
    out.endRow();
    for (int i = 0; i < report.limitCount && i < limitKeyCount; ++i) {
        const LimitResult& result = report.limits[i];
        out.cell(limitKeyName(result.limit.key));
        out.cell(result.limit.value.text);
        out.cell(namedValue("", result.value, 3).c_str());
        out.cell(result.pass ? "PASS" : "FAIL",
                 result.pass ? passColor : failColor);
        out.endRow();
    }
}

}  // namespace

void buildStatisticsView(const RunReport& report, const StatisticsViewInputs& inputs,
                         StatisticsView* view) {
    RowWriter out(view, columnLeft, columnCount, inputs.width, inputs.height);
    verdictRow(report, out);
    linesRow(report.lines, out);
    typeRows(report, out);
    epochRows(report, out);
    signalRows(report.signals, out);
    positionRows(report.position, out);
    limitRows(report, out);
    if (inputs.note != nullptr && inputs.note[0] != 0) {
        out.cell(inputs.note);
        out.endRow();
    }
}
