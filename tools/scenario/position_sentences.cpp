#include "position_sentences.h"

#include <string_view>

#include "field_format.h"
#include "sentence_builder.h"

namespace skyvane::scenario {

namespace {

constexpr double metresPerSecondToKnots = 3600.0 / 1852.0;
constexpr double metresPerSecondToKmh = 3.6;
constexpr double geoidSeparationM = 47.5;  // roughly the undulation around the route

std::string timeField(const EpochReport& report) {
    return report.utc ? formatUtcTime(*report.utc) : std::string();
}

std::string_view statusField(const EpochReport& report) {
    return report.position ? "A" : "V";
}

// Positioning mode: autonomous once fixed, "not valid" before.
std::string_view modeField(const EpochReport& report) {
    return report.position ? "A" : "N";
}

void addPosition(SentenceBuilder& sentence, const EpochReport& report) {
    if (!report.position) {
        sentence.emptyFields(4);
        return;
    }
    const RoutePoint& point = *report.position;
    sentence.field(formatLatitude(point.latitudeDeg))
        .field(point.latitudeDeg < 0.0 ? "S" : "N")
        .field(formatLongitude(point.longitudeDeg))
        .field(point.longitudeDeg < 0.0 ? "W" : "E");
}

int usedSatelliteCount(const EpochReport& report) {
    int count = 0;
    for (const auto& prns : report.usedPrns) {
        count += static_cast<int>(prns.size());
    }
    return count;
}

}  // namespace

void appendRmc(const EpochReport& report, std::string& out) {
    SentenceBuilder sentence("GNRMC");
    sentence.field(timeField(report)).field(statusField(report));
    addPosition(sentence, report);
    if (report.position) {
        sentence.field(formatFixed(report.position->speedMps * metresPerSecondToKnots, 3))
            .field(formatCourse(report.position->courseDeg));
    } else {
        sentence.emptyFields(2);
    }
    sentence.field(report.utc ? formatUtcDate(*report.utc) : std::string())
        .emptyFields(2)  // magnetic variation is not modelled
        .field(modeField(report))
        .field("V");  // navigational status: not provided
    sentence.appendTo(out);
}

void appendVtg(const EpochReport& report, std::string& out) {
    SentenceBuilder sentence("GNVTG");
    if (report.position) {
        const double speed = report.position->speedMps;
        sentence.field(formatCourse(report.position->courseDeg))
            .field("T")
            .emptyFields(1)
            .field("M")
            .field(formatFixed(speed * metresPerSecondToKnots, 3))
            .field("N")
            .field(formatFixed(speed * metresPerSecondToKmh, 3))
            .field("K");
    } else {
        sentence.emptyFields(1).field("T").emptyFields(1).field("M").emptyFields(1).field("N");
        sentence.emptyFields(1).field("K");
    }
    sentence.field(modeField(report));
    sentence.appendTo(out);
}

void appendGga(const EpochReport& report, std::string& out) {
    SentenceBuilder sentence("GNGGA");
    sentence.field(timeField(report));
    addPosition(sentence, report);
    sentence.field(report.position ? "1" : "0")
        .field(zeroPadded(usedSatelliteCount(report), 2))
        .field(formatFixed(report.dop.hdop, 2));
    if (report.position) {
        sentence.field(formatFixed(report.position->altitudeM, 1))
            .field("M")
            .field(formatFixed(geoidSeparationM, 1))
            .field("M");
    } else {
        sentence.emptyFields(4);
    }
    sentence.emptyFields(2);  // no differential corrections
    sentence.appendTo(out);
}

void appendGll(const EpochReport& report, std::string& out) {
    SentenceBuilder sentence("GNGLL");
    addPosition(sentence, report);
    sentence.field(timeField(report)).field(statusField(report)).field(modeField(report));
    sentence.appendTo(out);
}

}  // namespace skyvane::scenario
