#include "angles.h"

#include <cmath>

namespace skyvane::scenario {

namespace {

constexpr double pi = 3.14159265358979323846;

// Taylor series to x^15 in Horner form; below 1e-11 off for |x| <= pi/2.
double sinOfSmallRadians(double x) {
    const double x2 = x * x;
    double sum = 1.0 - x2 / 210.0;
    sum = 1.0 - x2 / 156.0 * sum;
    sum = 1.0 - x2 / 110.0 * sum;
    sum = 1.0 - x2 / 72.0 * sum;
    sum = 1.0 - x2 / 42.0 * sum;
    sum = 1.0 - x2 / 20.0 * sum;
    sum = 1.0 - x2 / 6.0 * sum;
    return x * sum;
}

}  // namespace

double wrapDegrees(double degrees) {
    const double wrapped = degrees - 360.0 * std::floor(degrees / 360.0);
    return wrapped >= 360.0 ? wrapped - 360.0 : wrapped;
}

double sinDegrees(double degrees) {
    double angle = wrapDegrees(degrees);
    double sign = 1.0;
    if (angle >= 180.0) {
        angle -= 180.0;
        sign = -1.0;
    }
    if (angle > 90.0) {
        angle = 180.0 - angle;
    }
    return sign * sinOfSmallRadians(angle * pi / 180.0);
}

double cosDegrees(double degrees) {
    return sinDegrees(degrees + 90.0);
}

long long roundToInteger(double value) {
    if (value < 0.0) {
        return -static_cast<long long>(std::floor(-value + 0.5));
    }
    return static_cast<long long>(std::floor(value + 0.5));
}

}  // namespace skyvane::scenario
