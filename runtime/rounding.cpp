// RoundDecimals: rounding to a number of decimals, half to even.

#include "conversions.h"

#include "checked_math.h"

#include <cmath>

namespace runtime {

namespace {

// From 2^52 on a double has no fraction left to round.
constexpr double kNoFraction = 4503599627370496.0; // 2^52

// y rounded to an integer, an exact half going to the even neighbour; for
// |y| < 2^52, where y - floor(y) is exact. The same as std::nearbyint in the
// default rounding mode, without depending on the current mode.
double RoundHalfEven(double y) {
    const double below = std::floor(y);
    const double fraction = y - below;
    double rounded = below;
    if (fraction > 0.5) {
        rounded = below + 1.0;
    } else if (fraction == 0.5) {
        rounded = std::fmod(below, 2.0) == 0.0 ? below : below + 1.0;
    }
    return std::copysign(rounded, y); // -0.0004 rounds to -0
}

} // namespace

double RoundDecimals(double x, int decimals) {
    CheckFinite(x);
    const double scale = std::pow(10.0, std::abs(decimals)); // exact up to 10^22
    if (decimals >= 0) {
        const double scaled = x * scale;
        if (!std::isfinite(scaled) || std::fabs(scaled) >= kNoFraction) {
            return x;
        }
        return RoundHalfEven(scaled) / scale;
    }
    // Negative decimals round to tens, hundreds, ...
    if (!std::isfinite(scale)) {
        return std::copysign(0.0, x);
    }
    const double scaled = x / scale;
    if (std::fabs(scaled) >= kNoFraction) {
        return x;
    }
    const double result = RoundHalfEven(scaled) * scale;
    return std::isfinite(result) ? result : x;
}

} // namespace runtime
