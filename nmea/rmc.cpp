// $GNRMC,083015.00,A,2502.34560,N,12134.56780,E,12.900,87.25,061226,,,A,V*0E
//
// Fields: 1 UTC time hhmmss.ss, 2 status (A valid), 3 latitude ddmm.mmmm,
// 4 N/S, 5 longitude dddmm.mmmm, 6 E/W, 7 speed in knots, 8 course in degrees,
// 9 date ddmmyy. The rest (magnetic variation, mode, navigation status) is not read.

#include "rmc.h"

#include <cstdint>
#include <limits>

#include "base/number_text.h"
#include "field_scan.h"
#include "first_fix.h"
#include "intake_host.h"
#include "receiver_state.h"
#include "split_fields.h"

namespace {

constexpr double kilometresPerKnot = 1.852;
constexpr std::int64_t speedAlertKmh = 100;

void readStatus(const RmcFields& f, ReceiverState& state, IntakeHost& host) {
    if (f[2][0] == u'A') {
        state.fix.statusText.assignAscii("3D");
        checkFirstFix(state, host);
    } else {
        state.fix.statusText.assignAscii("No Fix");
    }
}

// "yyyy/mm/dd"
NumberText dateText(const CivilTime& t) {
    NumberText text;
    text.number(t.year, 4).text("/").number(t.month, 2).text("/").number(t.day, 2);
    return text;
}

// "hh:mm:ss"
NumberText timeText(const CivilTime& t) {
    NumberText text;
    text.number(t.hour, 2).text(":").number(t.minute, 2).text(":").number(t.second, 2);
    return text;
}

void formatFixTime(ReceiverState& state) {
    state.fix.dateText.assignAscii(dateText(state.fixLocalTime).c_str());
    state.fix.timeText.assignAscii(timeText(state.fixLocalTime).c_str());
}

// The date and time are cut out of the fields by scanning from fixed unit
// positions and subtracting: 061226 - 1226 = 60000, / 10000 = day 6.
bool convertFixTime(const RmcFields& f, IntakeHost& host, CivilTime* local) {
    const std::int64_t d1 = scanInt(f[9], 0), d2 = scanInt(f[9], 2), d3 = scanInt(f[9], 4);
    const std::int64_t t1 = scanInt(f[1], 0), t2 = scanInt(f[1], 2), t3 = scanInt(f[1], 4);
    const std::int64_t year = 2000 + d3, month = (d2 - d3) / 100, day = (d1 - d2) / 10000;
    const std::int64_t hour = (t1 - t2) / 10000, minute = (t2 - t3) / 100, second = t3;
    if (!isValidCivilTime(year, month, day, hour, minute, second)) {
        return false;
    }
    CivilTime utc;
    utc.year = static_cast<std::uint16_t>(year);
    utc.month = static_cast<std::uint16_t>(month);
    utc.dayOfWeek = 1;
    utc.day = static_cast<std::uint16_t>(day);
    utc.hour = static_cast<std::uint16_t>(hour);
    utc.minute = static_cast<std::uint16_t>(minute);
    utc.second = static_cast<std::uint16_t>(second);
    return host.utcToLocal(utc, local) == 1;
}

// An invalid date or time keeps the last converted fix time; the texts then
// show that time again, or stay as they are while no time ever converted.
void readDateTime(const RmcFields& f, ReceiverState& state, IntakeHost& host) {
    if (f.isEmpty(9) || f.isEmpty(1)) {
        return;
    }
    CivilTime local;
    if (convertFixTime(f, host, &local)) {
        state.fixLocalTime = local;
    }
    if (!isAllZero(state.fixLocalTime)) {
        formatFixTime(state);
    }
}

void readDirection(const RmcFields& f, ReceiverState& state) {
    if (f.isEmpty(8)) {
        state.fix.directionText.assignAscii("0");
    } else {
        state.fix.directionText.assign(f[8]);
    }
}

std::int32_t saturatedKmh(std::int32_t knots) {
    const double kmh = static_cast<double>(knots) * kilometresPerKnot;
    if (kmh >= static_cast<double>(std::numeric_limits<std::int32_t>::max())) {
        return std::numeric_limits<std::int32_t>::max();
    }
    if (kmh <= static_cast<double>(std::numeric_limits<std::int32_t>::min())) {
        return std::numeric_limits<std::int32_t>::min();
    }
    return static_cast<std::int32_t>(kmh);  // truncates toward zero
}

// Only whole knots are converted: 12.9 knots shows 22 Km/hr. Above the alert
// speed the line is echoed green; the program does not pause for it.
void readSpeed(const RmcFields& f, ReceiverState& state, IntakeHost& host) {
    if (f.isEmpty(7)) {
        state.fix.speedText.assignAscii("0 Km/hr");
        return;
    }
    const std::int32_t kmh = saturatedKmh(scanInt(f[7], 0));
    state.fix.speedText.assignAscii(NumberText().number(kmh, 1).text(" Km/hr").c_str());
    if (kmh > speedAlertKmh) {
        host.setConsoleColor(ConsoleColor::green);
    }
}

// "dd`mm.ffff'", the degrees zero-padded to degreeDigits.
NumberText degreesMinutesText(std::int64_t degrees, int degreeDigits, std::int64_t minutes,
                              std::int64_t fraction) {
    NumberText text;
    text.number(degrees, degreeDigits).text("`").number(minutes, 2).text(".");
    text.number(fraction, 4).text("'");
    return text;
}

// Degrees, minutes and the minute fraction come from fixed unit positions, so
// exactly two latitude and three longitude degree digits are assumed.
void readPosition(const RmcFields& f, ReceiverState& state) {
    if (f.isEmpty(3) || f.isEmpty(4) || f.isEmpty(5) || f.isEmpty(6)) {
        return;
    }
    state.fix.latHemisphere.assign(f[4]);
    state.fix.lonHemisphere.assign(f[6]);
    const std::int64_t a1 = scanInt(f[3], 0), a2 = scanInt(f[3], 2), a3 = scanInt(f[3], 5);
    state.fix.latText.assignAscii(degreesMinutesText((a1 - a2) / 100, 2, a2, a3).c_str());
    const std::int64_t o1 = scanInt(f[5], 0), o2 = scanInt(f[5], 3), o3 = scanInt(f[5], 6);
    state.fix.lonText.assignAscii(degreesMinutesText((o1 - o2) / 100, 3, o2, o3).c_str());
}

}  // namespace

void parseRmc(const char16_t* line, RmcFields& fields, ReceiverState& state, IntakeHost& host) {
    splitFields(line, fields.ref(), 13, SplitRule::sentence);
    readStatus(fields, state, host);
    readDateTime(fields, state, host);
    readDirection(fields, state);
    readSpeed(fields, state, host);
    readPosition(fields, state);
    host.requestRepaint();
    state.usedResetPending = 1;
    state.viewResetPending = 1;
}
