#pragma once
// A stream line as the receiver reports it while it has no fix: RMC and GLL status V,
// GGA quality 0, GSA fix type 1, VTG, RMC, GLL and GNS modes N, and no position, speed,
// course, satellites used or DOP. Only the sentences that report a fix change; the
// checksum follows the new text when the old one was right.

#include <cstddef>
#include <cstdint>

// Writes the changed line into `out`. Returns its length, or 0 when the line reports no
// fix (it goes out as it is) or the changed line does not fit `capacity`.
std::size_t rewriteWithoutFix(const std::uint8_t* line, std::size_t length, std::uint8_t* out,
                              std::size_t capacity);
