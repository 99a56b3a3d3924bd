#include "satellite_sentences.h"

#include <algorithm>

#include "field_format.h"
#include "sentence_builder.h"

namespace skyvane::scenario {

namespace {

constexpr int gsaPrnFields = 12;
constexpr int satellitesPerGsv = 4;

void appendGsa(const EpochReport& report, const std::vector<int>& used, int systemId,
               std::string& out) {
    const int listed = std::min(static_cast<int>(used.size()), gsaPrnFields);
    SentenceBuilder sentence("GNGSA");
    sentence.field("A").field(report.position ? "3" : "1");
    for (int i = 0; i < listed; ++i) {
        sentence.field(zeroPadded(used[i], 2));
    }
    sentence.emptyFields(gsaPrnFields - listed)
        .field(formatFixed(report.dop.pdop, 2))
        .field(formatFixed(report.dop.hdop, 2))
        .field(formatFixed(report.dop.vdop, 2))
        .field(std::to_string(systemId));
    sentence.appendTo(out);
}

void addSatellite(SentenceBuilder& sentence, const SignalReport& satellite) {
    sentence.field(zeroPadded(satellite.prn, 2))
        .field(zeroPadded(satellite.elevationDeg, 2))
        .field(zeroPadded(satellite.azimuthDeg, 3))
        .field(satellite.levelDbHz ? zeroPadded(*satellite.levelDbHz, 2) : std::string());
}

}  // namespace

int appendGsaSet(const EpochReport& report, GsaSet gsaSet, std::string& out) {
    for (GnssSystem system : allSystems) {
        appendGsa(report, report.usedPrns[systemIndex(system)], nmeaSystemId(system), out);
    }
    if (gsaSet == GsaSet::fourSystems) {
        return static_cast<int>(allSystems.size());
    }
    // The sky model has no QZSS: from the route's latitude none would be in view.
    appendGsa(report, {}, qzssSystemId, out);
    return static_cast<int>(allSystems.size()) + 1;
}

int appendGsvSet(const SignalBand& band, const std::vector<SignalReport>& satellites,
                 std::string& out) {
    const int inView = static_cast<int>(satellites.size());
    const int messages = std::max(1, (inView + satellitesPerGsv - 1) / satellitesPerGsv);
    const std::string address = std::string(band.talker) + "GSV";
    for (int message = 0; message < messages; ++message) {
        SentenceBuilder sentence(address);
        sentence.field(std::to_string(messages))
            .field(std::to_string(message + 1))
            .field(zeroPadded(inView, 2));
        const int first = message * satellitesPerGsv;
        const int last = std::min(first + satellitesPerGsv, inView);
        for (int i = first; i < last; ++i) {
            addSatellite(sentence, satellites[i]);
        }
        sentence.field(std::to_string(band.signalId));
        sentence.appendTo(out);
    }
    return messages;
}

}  // namespace skyvane::scenario
