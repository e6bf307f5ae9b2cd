// SPDX-License-Identifier: GPL-3.0-or-later
// RoundDecimals: rounding to a number of decimals, half to even.

#include "conversions.h"

#include "checked_math.h"
#include "decimal_value.h"

#include <cmath>
#include <stdexcept>

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

// 10^n, exact up to 10^22.
double PowerOfTen(int n) {
    if (n < static_cast<int>(detail::kExactPowers.size())) {
        return detail::kExactPowers[static_cast<std::size_t>(n)];
    }
    return std::pow(10.0, n);
}

} // namespace

double RoundDecimals(double x, int decimals) {
    if (decimals < 0) {
        throw std::invalid_argument("RoundDecimals needs 0 or more decimals");
    }
    CheckFinite(x);
    const double scale = PowerOfTen(decimals);
    const double scaled = x * scale;
    if (!std::isfinite(scaled) || std::fabs(scaled) >= kNoFraction) {
        return x;
    }
    return RoundHalfEven(scaled) / scale;
}

} // namespace runtime
