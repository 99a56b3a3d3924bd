#include "field_format.h"

#include "angles.h"

namespace skyvane::scenario {

namespace {

long long powerOfTen(int exponent) {
    long long value = 1;
    for (int i = 0; i < exponent; ++i) {
        value *= 10;
    }
    return value;
}

std::string scaledToDecimal(long long scaled, int decimals) {
    const long long unit = powerOfTen(decimals);
    std::string text = std::to_string(scaled / unit);
    if (decimals > 0) {
        text += '.';
        text += zeroPadded(scaled % unit, decimals);
    }
    return text;
}

constexpr int minuteDecimals = 5;

std::string formatDegreesMinutes(double degrees, int degreeDigits) {
    const long long minuteUnit = powerOfTen(minuteDecimals);
    const double absolute = degrees < 0.0 ? -degrees : degrees;
    const long long totalMinutes =
        roundToInteger(absolute * 60.0 * static_cast<double>(minuteUnit));
    const long long wholeDegrees = totalMinutes / (60 * minuteUnit);
    const long long minutes = totalMinutes % (60 * minuteUnit);
    return zeroPadded(wholeDegrees, degreeDigits) + zeroPadded(minutes / minuteUnit, 2) + '.' +
           zeroPadded(minutes % minuteUnit, minuteDecimals);
}

}  // namespace

std::string zeroPadded(long long value, int width) {
    std::string digits = std::to_string(value);
    if (static_cast<int>(digits.size()) < width) {
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), '0');
    }
    return digits;
}

std::string formatFixed(double value, int decimals) {
    const long long scaled = roundToInteger(value * static_cast<double>(powerOfTen(decimals)));
    if (scaled < 0) {
        return '-' + scaledToDecimal(-scaled, decimals);
    }
    return scaledToDecimal(scaled, decimals);
}

std::string formatCourse(double degrees) {
    const long long hundredths = roundToInteger(wrapDegrees(degrees) * 100.0) % 36000;
    return scaledToDecimal(hundredths, 2);
}

std::string formatLatitude(double degrees) {
    return formatDegreesMinutes(degrees, 2);
}

std::string formatLongitude(double degrees) {
    return formatDegreesMinutes(degrees, 3);
}

std::string formatUtcTime(const UtcTime& time) {
    return zeroPadded(time.hour, 2) + zeroPadded(time.minute, 2) + zeroPadded(time.second, 2) +
           '.' + zeroPadded(time.hundredths, 2);
}

std::string formatUtcDate(const UtcTime& time) {
    return zeroPadded(time.day, 2) + zeroPadded(time.month, 2) + zeroPadded(time.year % 100, 2);
}

}  // namespace skyvane::scenario
