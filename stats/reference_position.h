#pragma once
// A given reference position, in decimal degrees: from the command line as
// "LAT,LON", or from the [REFERENCE] section of skyvane.ini with LAT and LON.
// Latitude from -90 to 90, longitude from -180 to 180; both or neither.

#include <cstddef>
#include <optional>

#include "geodesy.h"
#include "ini_line.h"

// "25.0391,121.5764"; returns 1, or 0 for anything else.
int parseReferenceArgument(const char* text, GeoPoint* reference);

// Returns 1 with the reference, empty without a [REFERENCE] section or keys
// in it, or 0 with an error naming `fileName` and the line.
int readReferenceText(const char* text, std::size_t length, const char* fileName,
                      std::optional<GeoPoint>* reference, IniError* error);
