#include "json_text.h"

#include <cmath>
#include <cstdio>

namespace {

constexpr int mostDecimals = 9;
// Below 2^53, so every whole number up to it is exact in a double.
constexpr double largestExactScaled = 9.0e15;

double powerOfTen(int exponent) {
    double power = 1;
    for (int i = 0; i < exponent; ++i) {
        power *= 10;
    }
    return power;
}

void appendEscapedUnit(std::string& out, char16_t unit) {
    if (unit == u'"' || unit == u'\\') {
        out += '\\';
        out += static_cast<char>(unit);
    } else if (unit < 0x20 || unit > 0x7E) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(unit));
        out += escaped;
    } else {
        out += static_cast<char>(unit);
    }
}

}  // namespace

void appendFixed(std::string& out, double value, int decimals) {
    decimals = decimals < 0 ? 0 : (decimals > mostDecimals ? mostDecimals : decimals);
    const double scale = powerOfTen(decimals);
    const double scaled = std::round(value * scale);
    if (!std::isfinite(scaled)) {
        out += "null";
        return;
    }
    if (std::fabs(scaled) >= largestExactScaled) {
        // No run report number comes near; still a JSON number, if not the
        // same text everywhere.
        char text[40];
        std::snprintf(text, sizeof text, "%.17g", value);
        out += text;
        return;
    }
    const auto magnitude = static_cast<std::uint64_t>(std::fabs(scaled));
    const auto unit = static_cast<std::uint64_t>(scale);
    char text[48];
    const char* sign = scaled < 0 && magnitude != 0 ? "-" : "";
    if (decimals == 0) {
        std::snprintf(text, sizeof text, "%s%llu", sign,
                      static_cast<unsigned long long>(magnitude));
    } else {
        std::snprintf(text, sizeof text, "%s%llu.%0*llu", sign,
                      static_cast<unsigned long long>(magnitude / unit), decimals,
                      static_cast<unsigned long long>(magnitude % unit));
    }
    out += text;
}

void appendInteger(std::string& out, std::int64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "%lld", static_cast<long long>(value));
    out += text;
}

void appendOptionalFixed(std::string& out, const std::optional<double>& value, int decimals) {
    if (value) {
        appendFixed(out, *value, decimals);
    } else {
        out += "null";
    }
}

void appendOptionalInteger(std::string& out, const std::optional<std::int64_t>& value) {
    if (value) {
        appendInteger(out, *value);
    } else {
        out += "null";
    }
}

void appendJsonText(std::string& out, const char16_t* units, int count) {
    out += '"';
    for (int i = 0; i < count; ++i) {
        appendEscapedUnit(out, units[i]);
    }
    out += '"';
}

void appendJsonText(std::string& out, const char* text) {
    out += '"';
    for (; *text != 0; ++text) {
        appendEscapedUnit(out, static_cast<unsigned char>(*text));
    }
    out += '"';
}
