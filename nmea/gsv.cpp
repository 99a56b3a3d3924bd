// $GPGSV,3,1,11,01,40,083,46,02,17,308,41,12,07,344,39,14,22,228,45,1*61
//
// Fields: 1 message count, 2 message number, 3 satellites in view (none of
// them read), then groups of four from field 4: satellite number, elevation,
// azimuth, signal level (dB-Hz, empty while not tracked). NMEA 4.10 adds the
// signal ID after the last group (GPS, GLONASS, BeiDou: 1 is L1/B1; Galileo:
// 7 is E1); the checksum text is the last field.
//
// Before 4.10 there is no signal ID: with L the index of the last field,
// (L - 4) mod 4 tells the two forms apart. Such a sentence goes whole to the
// first band; reading its last signal level as a signal ID would drop its
// fourth satellite and send the others to the second band.

#include "gsv.h"

#include "field_scan.h"
#include "receiver_state.h"
#include "satellite_number.h"
#include "sky_plot.h"
#include "split_fields.h"

namespace {

// The line's fields where they lie. Each is read once, so none is copied.
class LineFields {
public:
    LineFields(const char16_t* line, const FieldSpan* spans) : text(line), places(spans) {}

    const char16_t* units(int index) const { return text + places[index].start; }
    std::uint32_t count(int index) const {
        const std::uint32_t length = places[index].length;
        return length < GsvFields::keptUnits ? length : GsvFields::keptUnits;
    }
    bool isEmpty(int index) const { return places[index].length == 0; }
    std::int32_t number(int index) const { return scanIntIn(units(index), count(index)); }
    bool scanNumber(int index, std::int32_t* value) const {
        return scanDecimalIn(units(index), count(index), value);
    }

private:
    const char16_t* text;
    const FieldSpan* places;
};

struct GroupLayout {
    int groupCount;
    bool firstBand;
};

struct TalkerTables {
    int firstBandKey;  // the signal ID of the first band
    SatTableId firstBand;
    SatTableId secondBand;
};

struct Talker {
    char16_t letters[2];
    TalkerTables tables;
};

constexpr Talker talkers[] = {
    {{u'G', u'P'}, {1, gpsL1, gpsL5}}, {{u'G', u'L'}, {1, glsL1, glsL5}},
    {{u'G', u'N'}, {1, gnsL1, gnsL5}}, {{u'G', u'A'}, {7, gasL1, gasL5}},
    {{u'B', u'D'}, {1, bdsL1, bdsL5}}, {{u'G', u'B'}, {1, bdsL1, bdsL5}},
};

// The address is "$ttGSV": what every one shares is tested once, and then
// only the talker letters tt.
bool talkerTables(const LineFields& f, TalkerTables* tables) {
    const char16_t* address = f.units(0);
    if (f.count(0) != 6 || address[0] != u'$' || address[3] != u'G' || address[4] != u'S' ||
        address[5] != u'V') {
        return false;
    }
    for (const Talker& talker : talkers) {
        if (address[1] == talker.letters[0] && address[2] == talker.letters[1]) {
            *tables = talker.tables;
            return true;
        }
    }
    return false;
}

GroupLayout layoutOf(const LineFields& f, int last, const TalkerTables& tables) {
    if (last >= 4 && (last - 4) % 4 == 0) {
        return {(last - 4) / 4, true};  // no signal ID
    }
    const int groupCount = (last - 5) / 4;
    if (groupCount <= 0) {
        return {0, true};
    }
    return {groupCount, f.number(last - 1) == tables.firstBandKey};
}

// A group without a usable elevation or azimuth keeps the previous position.
void storeGroup(const LineFields& f, int first, SatTable& table) {
    const std::int32_t number = f.number(first);
    if (!hasSatRecord(number)) {
        return;
    }
    SatRecord& record = table.records[number];
    record.snr = f.isEmpty(first + 3) ? 0 : f.number(first + 3);
    std::int32_t elevation = 0, azimuth = 0;
    const bool hasElevation = f.scanNumber(first + 1, &elevation);
    const bool hasAzimuth = f.scanNumber(first + 2, &azimuth);
    if (hasElevation && hasAzimuth) {
        const SkyPoint point = skyPlotPosition(elevation, azimuth);
        record.plotX = point.x;
        record.plotY = point.y;
    }
    table.markInView(number);
}

}  // namespace

void parseGsv(const char16_t* line, GsvFields& fields, ReceiverState& state) {
    if (state.viewResetPending) {
        state.clearInView();
        state.viewResetPending = 0;
    }
    const int last =
        findFields(line, fields.spans, GsvFields::count, SplitRule::satellitesInView) - 1;
    const LineFields f(line, fields.spans);
    TalkerTables tables;
    if (!talkerTables(f, &tables)) {
        return;
    }
    const GroupLayout layout = layoutOf(f, last, tables);
    SatTable& table = state.table(layout.firstBand ? tables.firstBand : tables.secondBand);
    for (int g = 0; g < layout.groupCount; ++g) {
        storeGroup(f, 4 + 4 * g, table);
    }
}
