#pragma once

#include "geodesy.h"
#include "nmea/sentence_fields.h"

// The position of RMC fields 3 to 6: latitude as four digits ddmm, optionally
// "." and digits, then "N" or "S"; longitude as five digits dddmm, optionally
// "." and digits, then "E" or "W"; minutes below 60, latitude at most 90 and
// longitude at most 180 degrees. False for anything else.
bool parseRmcPosition(const RmcFields& fields, GeoPoint* point);
