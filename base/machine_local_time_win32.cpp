#include <windows.h>

#include "machine_local_time.h"

static SYSTEMTIME toSystemTime(const CivilTime& t) {
    SYSTEMTIME s;
    s.wYear = t.year;
    s.wMonth = t.month;
    s.wDayOfWeek = t.dayOfWeek;
    s.wDay = t.day;
    s.wHour = t.hour;
    s.wMinute = t.minute;
    s.wSecond = t.second;
    s.wMilliseconds = t.milliseconds;
    return s;
}

static CivilTime fromSystemTime(const SYSTEMTIME& s) {
    CivilTime t;
    t.year = s.wYear;
    t.month = s.wMonth;
    t.dayOfWeek = s.wDayOfWeek;
    t.day = s.wDay;
    t.hour = s.wHour;
    t.minute = s.wMinute;
    t.second = s.wSecond;
    t.milliseconds = s.wMilliseconds;
    return t;
}

// The same chain the clock command relies on: UTC file time, local file time, back.
int machineUtcToLocal(const CivilTime& utc, CivilTime* local) {
    const SYSTEMTIME utcSystem = toSystemTime(utc);
    FILETIME utcFile, localFile;
    SYSTEMTIME localSystem;
    if (!SystemTimeToFileTime(&utcSystem, &utcFile) ||
        !FileTimeToLocalFileTime(&utcFile, &localFile) ||
        !FileTimeToSystemTime(&localFile, &localSystem)) {
        return 0;
    }
    const CivilTime converted = fromSystemTime(localSystem);
    if (!isValidCivilTime(converted.year, converted.month, converted.day, converted.hour,
                          converted.minute, converted.second)) {
        return 0;
    }
    *local = converted;
    return 1;
}

CivilTime machineLocalNow() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return fromSystemTime(now);
}
