#include "reference_position.h"

#include <string_view>

#include "decimal_number.h"
#include "ini_number_section.h"

namespace {

enum ReferenceKey { latKey, lonKey, referenceKeyCount };

const char* const keyNames[referenceKeyCount] = {"LAT", "LON"};

bool inRange(const GeoPoint& point) {
    return point.lat >= -90 && point.lat <= 90 && point.lon >= -180 && point.lon <= 180;
}

// The error's line: where the section's second number, or its only one, is.
int lastLine(const IniNumberSection& section) {
    return section.entry(section.count() - 1).line;
}

}  // namespace

int parseReferenceArgument(const char* text, GeoPoint* reference) {
    const std::string_view both(text);
    const std::size_t comma = both.find(',');
    DecimalNumber lat, lon;
    if (comma == std::string_view::npos || !parseDecimalNumber(both.substr(0, comma), &lat) ||
        !parseDecimalNumber(both.substr(comma + 1), &lon)) {
        return 0;
    }
    const GeoPoint point{lat.value, lon.value};
    if (!inRange(point)) {
        return 0;
    }
    *reference = point;
    return 1;
}

int readReferenceText(const char* text, std::size_t length, const char* fileName,
                      std::optional<GeoPoint>* reference, IniError* error) {
    IniNumberSection section("REFERENCE", keyNames, referenceKeyCount, fileName);
    if (!readIniText(text, length, section)) {
        *error = section.error();
        return 0;
    }
    reference->reset();
    if (section.count() == 0) {
        return 1;
    }
    const IniNumber* lat = section.find(latKey);
    const IniNumber* lon = section.find(lonKey);
    if (lat == nullptr || lon == nullptr) {
        setIniError(error, fileName, lastLine(section), "[REFERENCE] needs both LAT and LON");
        return 0;
    }
    const GeoPoint point{lat->value.value, lon->value.value};
    if (!inRange(point)) {
        setIniError(error, fileName, lastLine(section),
                    "[REFERENCE] LAT must be from -90 to 90 and LON from -180 to 180");
        return 0;
    }
    *reference = point;
    return 1;
}
