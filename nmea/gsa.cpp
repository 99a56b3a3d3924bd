// $GNGSA,A,3,05,13,15,18,23,24,,,,,,,1.62,0.94,1.32,1*04
//
// Fields: 2 fix type (1 none, 2 2D, 3 3D), 3 to 14 the numbers of the
// satellites used, 15 PDOP, 16 HDOP, 17 VDOP, 18 system ID (NMEA 4.10:
// 1 GPS, 2 GLONASS, 3 Galileo, 4 BeiDou). Before 4.10 a $GNGSA has no system
// ID and field 18 holds the checksum text, which selects no constellation.

#include "gsa.h"

#include "base/text16.h"
#include "field_scan.h"
#include "first_fix.h"
#include "receiver_state.h"
#include "satellite_number.h"
#include "split_fields.h"

namespace {

struct MarkedTables {
    SatTableId ids[4];
    int count;
};

// A system ID of one digit from 1 to 4 adds its constellation's tables; the
// digit indexes them instead of four comparisons. Its second unit is read
// only after a digit, so never past the field's NUL.
MarkedTables combinedTalkerTables(const char16_t* systemId) {
    constexpr SatTableId bandsOfSystem[4][2] = {
        {gpsL1, gpsL5}, {glsL1, glsL5}, {gasL1, gasL5}, {bdsL1, bdsL5}};
    const unsigned system = static_cast<unsigned>(systemId[0]) - u'1';
    if (system < 4 && systemId[1] == 0) {
        return {{bandsOfSystem[system][0], bandsOfSystem[system][1], gnsL1, gnsL5}, 4};
    }
    return {{gnsL1, gnsL5}, 2};
}

// Only the combined talker reaches the second-band tables; a "GB" BeiDou GSA
// marks nothing.
MarkedTables tablesFor(const GsaFields& f) {
    const char16_t* talker = f[0];
    if (textEqualsAscii(talker, "$GNGSA")) {
        return combinedTalkerTables(f[18]);
    }
    if (textEqualsAscii(talker, "$GPGSA")) {
        return {{gpsL1}, 1};
    }
    if (textEqualsAscii(talker, "$GLGSA")) {
        return {{glsL1}, 1};
    }
    if (textEqualsAscii(talker, "$GAGSA")) {
        return {{gasL1}, 1};
    }
    if (textEqualsAscii(talker, "$BDGSA")) {
        return {{bdsL1}, 1};
    }
    return {{}, 0};
}

void readFixType(const GsaFields& f, ReceiverState& state, IntakeHost& host) {
    const char16_t type = f[2][0];
    if (type == u'3') {
        state.fix.statusText.assignAscii("3D");
        checkFirstFix(state, host);
    } else if (type == u'2') {
        state.fix.statusText.assignAscii("2D");
    } else {
        state.fix.statusText.assignAscii("No Fix");
    }
}

void markUsedSatellites(const GsaFields& f, ReceiverState& state) {
    const MarkedTables marked = tablesFor(f);
    for (int field = 3; field <= 14; ++field) {
        if (f.isEmpty(field)) {
            continue;
        }
        const std::int32_t number = scanInt(f[field]);
        if (!hasSatRecord(number)) {
            continue;
        }
        for (int t = 0; t < marked.count; ++t) {
            state.table(marked.ids[t]).markUsedInFix(number);
        }
    }
}

}  // namespace

void parseGsa(const char16_t* line, GsaFields& fields, ReceiverState& state, IntakeHost& host) {
    if (state.usedResetPending) {
        state.clearUsedInFix();
        state.usedResetPending = 0;
    }
    splitFields(line, fields.ref(), 20, SplitRule::sentence);
    readFixType(fields, state, host);
    markUsedSatellites(fields, state);
    state.fix.pdopText.assign(fields[15]);
    state.fix.hdopText.assign(fields[16]);
}
