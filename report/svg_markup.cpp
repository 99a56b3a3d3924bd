#include "svg_markup.h"

#include <cstdio>

void appendSvgNumber(std::string& out, std::int64_t value) {
    char digits[24];
    std::snprintf(digits, sizeof digits, "%lld", static_cast<long long>(value));
    out += digits;
}

// Coordinates stay far from the 64-bit limits, so the negation cannot overflow.
void appendSvgHalf(std::string& out, std::int64_t twice) {
    if (twice < 0) {
        out += '-';
        twice = -twice;
    }
    appendSvgNumber(out, twice / 2);
    if (twice % 2 != 0) {
        out += ".5";
    }
}

void appendSvgAttribute(std::string& out, const char* name, std::int64_t value) {
    out += ' ';
    out += name;
    out += "=\"";
    appendSvgNumber(out, value);
    out += '"';
}

void appendSvgColor(std::string& out, const char* name, std::uint32_t color) {
    char text[40];
    std::snprintf(text, sizeof text, " %s=\"#%06x\"", name,
                  static_cast<unsigned>(color & 0xFFFFFF));
    out += text;
}
