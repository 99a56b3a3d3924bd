#pragma once

namespace skyvane::scenario {

// Sine and cosine from + - * / only. C libraries may differ from each other in the last
// bit of std::sin, and the generated stream must be the same bytes on Linux and Windows.
double sinDegrees(double degrees);
double cosDegrees(double degrees);

// Into [0, 360).
double wrapDegrees(double degrees);

// Nearest integer, halves away from zero (std::floor is exact everywhere).
long long roundToInteger(double value);

}  // namespace skyvane::scenario
