#include "report_tables.h"

#include <cstring>

#include "base/xml_text.h"
#include "html_cells.h"
#include "stats/json_text.h"
#include "stats/report_json.h"

namespace {

constexpr int metreDecimals = 3;
constexpr int degreeDecimals = 8;
constexpr int secondDecimals = 3;
constexpr int strengthDecimals = 2;

std::optional<double> seconds(const std::optional<std::int64_t>& ms) {
    if (!ms) {
        return std::nullopt;
    }
    return static_cast<double>(*ms) / 1000;
}

std::optional<double> percent(const std::optional<double>& fraction) {
    if (!fraction) {
        return std::nullopt;
    }
    return *fraction * 100;
}

void appendCountRow(std::string& out, const char* label, std::int64_t value) {
    appendRowStart(out, label);
    appendCountCell(out, value);
    appendRowEnd(out);
}

void appendNumberRow(std::string& out, const char* label, const std::optional<double>& value,
                     int decimals) {
    appendRowStart(out, label);
    appendNumberCell(out, value, decimals);
    appendRowEnd(out);
}

void appendOptionalCountRow(std::string& out, const char* label,
                            const std::optional<std::int64_t>& value) {
    appendRowStart(out, label);
    appendOptionalCountCell(out, value);
    appendRowEnd(out);
}

void appendLimitRow(std::string& out, const LimitResult& result) {
    out += "<tr>";
    appendTextCell(out, limitKeyName(result.limit.key), "th");
    appendTextCell(out, result.limit.value.text);
    appendNumberCell(out, result.value, limitValueDecimals(result.limit.key));
    out += result.pass ? "<td class=\"pass\">PASS</td>" : "<td class=\"fail\">FAIL</td>";
    appendRowEnd(out);
}

// A fixed field of text, escaped up to its NUL or its end.
template <std::size_t N>
void appendFieldText(std::string& out, const char (&field)[N]) {
    char text[N + 1];
    std::memcpy(text, field, N);
    text[N] = 0;
    appendXmlTextUtf8(out, text);
}

}  // namespace

void appendLimitsTable(std::string& out, const RunReport& report) {
    out +=
        "<table class=\"limits\">\n<thead><tr><th>Limit</th><th>Limit value</th>"
        "<th>Run value</th><th>Result</th></tr></thead>\n<tbody>\n";
    for (int i = 0; i < report.limitCount && i < limitKeyCount; ++i) {
        appendLimitRow(out, report.limits[i]);
    }
    out += "</tbody>\n</table>\n";
}

void appendStreamTable(std::string& out, const RunReport& report) {
    const LinesReport& lines = report.lines;
    const EpochsReport& epochs = report.epochs;
    out += "<table class=\"facts\">\n<tbody>\n";
    appendCountRow(out, "Lines", static_cast<std::int64_t>(lines.total));
    appendCountRow(out, "Checksum right", static_cast<std::int64_t>(lines.checksumOk));
    appendCountRow(out, "Checksum wrong", static_cast<std::int64_t>(lines.checksumBad));
    appendCountRow(out, "Checksum absent", static_cast<std::int64_t>(lines.checksumAbsent));
    appendCountRow(out, "Sentence types", lines.typeCount);
    appendCountRow(out, "Epochs (RMC samples)", epochs.count);
    appendCountRow(out, "Epochs with a fix", epochs.fix);
    appendNumberRow(out, "Fix availability (%)", percent(epochs.fixAvailability), 2);
    appendOptionalCountRow(out, "Interval, median (ms)", epochs.intervalMedianMs);
    appendCountRow(out, "Gaps (over 1.5 median intervals)", epochs.gaps);
    appendCountRow(out, "Steps back in time", epochs.backwards);
    appendNumberRow(out, "Span (s)", seconds(epochs.spanMs), secondDecimals);
    appendOptionalCountRow(out, "First fix after (epochs)", report.firstFix.epochs);
    appendNumberRow(out, "First fix, receiver time (s)", seconds(report.firstFix.receiverMs),
                    secondDecimals);
    if (report.live) {
        appendNumberRow(out, "First fix, from the start (s)", seconds(report.firstFix.ms),
                        secondDecimals);
    }
    out += "</tbody>\n</table>\n";
}

void appendSentenceTypesTable(std::string& out, const LinesReport& lines) {
    out +=
        "<table class=\"types\">\n<thead><tr><th>Sentence type</th><th>Lines</th></tr>"
        "</thead>\n<tbody>\n";
    for (int i = 0; i < lines.typeCount && i < typeTableCapacity; ++i) {
        const SentenceTypeCount& entry = lines.byType[i];
        const int length =
            entry.type.length < sentenceTypeUnits ? entry.type.length : sentenceTypeUnits;
        out += "<tr><th>";
        appendXmlText(out, entry.type.units, static_cast<std::size_t>(length < 0 ? 0 : length));
        out += "</th>";
        appendCountCell(out, static_cast<std::int64_t>(entry.count));
        appendRowEnd(out);
    }
    appendCountRow(out, "other", static_cast<std::int64_t>(lines.other));
    out += "</tbody>\n</table>\n";
}

void appendPositionTable(std::string& out, const PositionReport& position) {
    out += "<table class=\"facts\">\n<tbody>\n";
    appendCountRow(out, "Fixes with a position", position.fixes);
    appendNumberRow(
        out, position.reference.given ? "Reference latitude (given)" : "Reference latitude (mean)",
        position.reference.lat, degreeDecimals);
    appendNumberRow(
        out,
        position.reference.given ? "Reference longitude (given)" : "Reference longitude (mean)",
        position.reference.lon, degreeDecimals);
    appendNumberRow(out, "Mean offset east (m)", position.meanEastM, metreDecimals);
    appendNumberRow(out, "Mean offset north (m)", position.meanNorthM, metreDecimals);
    appendNumberRow(out, "CEP50 (m)", position.cep50M, metreDecimals);
    appendNumberRow(out, "CEP95 (m)", position.cep95M, metreDecimals);
    appendNumberRow(out, "2DRMS (m)", position.drms2M, metreDecimals);
    appendNumberRow(out, "Largest error (m)", position.maxErrorM, metreDecimals);
    out += "</tbody>\n</table>\n";
}

void appendCampaignTable(std::string& out, const CampaignReport& campaign) {
    out += "<table class=\"facts\">\n<tbody>\n";
    appendRowStart(out, "Kind and family");
    out += "<td>";
    out += startKindName(campaign.kind);
    out += ' ';
    appendFieldText(out, campaign.family);
    out += "</td>";
    appendRowEnd(out);
    appendCountRow(out, "Starts made", campaign.startCount);
    appendCountRow(out, "Fixed", campaign.fixed);
    appendCountRow(out, "Timed out", campaign.timeouts);
    appendCountRow(out, "Did not restart", campaign.noRestart);
    appendNumberRow(out, "TTFF median (s)", campaign.ttffS.median, secondDecimals);
    appendNumberRow(out, "TTFF 95th percentile (s)", campaign.ttffS.p95, secondDecimals);
    appendNumberRow(out, "TTFF largest (s)", campaign.ttffS.max, secondDecimals);
    out +=
        "</tbody>\n</table>\n<table class=\"starts\">\n<thead><tr><th>Start</th>"
        "<th>Sent at</th><th>Outcome</th><th>TTFF (s)</th><th>Used at fix</th>"
        "<th>Top-4 at fix (dB-Hz)</th><th>Error at fix (m)</th></tr></thead>\n<tbody>\n";
    for (int i = 0; i < campaign.startCount && i < maxCampaignStarts; ++i) {
        const CampaignStart& start = campaign.starts[i];
        out += "<tr>";
        appendCountCell(out, start.index);
        out += "<td>";
        appendFieldText(out, start.sentAt);
        out += "</td>";
        appendTextCell(out, startOutcomeText(start.outcome));
        appendNumberCell(out, seconds(start.ttffMs), secondDecimals);
        appendOptionalCountCell(out, start.usedAtFix);
        appendNumberCell(out, start.top4AtFix, strengthDecimals);
        appendNumberCell(out, start.errorAtFixM, metreDecimals);
        appendRowEnd(out);
    }
    out += "</tbody>\n</table>\n";
}
