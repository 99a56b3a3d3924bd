#include <ctime>

#include "machine_local_time.h"

int machineUtcToLocal(const CivilTime& utc, CivilTime* local) {
    if (!isValidCivilTime(utc.year, utc.month, utc.day, utc.hour, utc.minute, utc.second)) {
        return 0;
    }
    const std::int64_t seconds = daysFromCivil(utc.year, utc.month, utc.day) * 86400 +
                                 utc.hour * 3600 + utc.minute * 60 + utc.second;
    const std::time_t stamp = static_cast<std::time_t>(seconds);
    std::tm parts{};
    if (localtime_r(&stamp, &parts) == nullptr) {
        return 0;
    }
    const std::int64_t year = static_cast<std::int64_t>(parts.tm_year) + 1900;
    if (!isValidCivilTime(year, parts.tm_mon + 1, parts.tm_mday, parts.tm_hour, parts.tm_min,
                          parts.tm_sec)) {
        return 0;
    }
    local->year = static_cast<std::uint16_t>(year);
    local->month = static_cast<std::uint16_t>(parts.tm_mon + 1);
    local->day = static_cast<std::uint16_t>(parts.tm_mday);
    local->dayOfWeek = static_cast<std::uint16_t>(parts.tm_wday);
    local->hour = static_cast<std::uint16_t>(parts.tm_hour);
    local->minute = static_cast<std::uint16_t>(parts.tm_min);
    local->second = static_cast<std::uint16_t>(parts.tm_sec);
    local->milliseconds = utc.milliseconds;
    return 1;
}

CivilTime machineLocalNow() {
    timespec now{};
    clock_gettime(CLOCK_REALTIME, &now);
    std::tm parts{};
    localtime_r(&now.tv_sec, &parts);
    CivilTime local;
    local.year = static_cast<std::uint16_t>(parts.tm_year + 1900);
    local.month = static_cast<std::uint16_t>(parts.tm_mon + 1);
    local.day = static_cast<std::uint16_t>(parts.tm_mday);
    local.dayOfWeek = static_cast<std::uint16_t>(parts.tm_wday);
    local.hour = static_cast<std::uint16_t>(parts.tm_hour);
    local.minute = static_cast<std::uint16_t>(parts.tm_min);
    local.second = static_cast<std::uint16_t>(parts.tm_sec);
    local.milliseconds = static_cast<std::uint16_t>(now.tv_nsec / 1000000);
    return local;
}
