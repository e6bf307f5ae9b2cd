// SPDX-License-Identifier: GPL-3.0-or-later
// RoundScaledDecimals: rounding a written value in another unit, in decimal.

#include "conversions.h"

#include "checked_math.h"
#include "decimal_value.h"
#include "runtime_error.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace runtime {

double RoundScaledDecimals(double x, int powerOfTen, int decimals) {
    CheckFinite(x);
    const double zero = std::copysign(0.0, x);
    if (x == 0.0) {
        return zero;
    }
    const detail::Digits15 written = detail::RoundTo15Digits(std::fabs(x));
    const std::string_view digits = written.View();
    const auto count = static_cast<long long>(digits.size());
    // Digit j has the place 10^(scaled - j); those down to 10^-decimals stay.
    const long long scaled = static_cast<long long>(written.exponent) + powerOfTen;
    const long long kept = scaled + decimals + 1;

    detail::DecimalResult result;
    if (kept >= count) {
        result = detail::DigitsToDouble(x < 0, digits, scaled - count + 1); // nothing to round
    } else if (kept < 0) {
        return zero; // below a tenth of the last decimal kept
    } else {
        // A leading 0 takes the carry of "999" rounded up; the digits have no
        // trailing zeros, so any digit after the next one is not zero.
        std::array<char, 16> rounded{'0'};
        const auto keptDigits = static_cast<std::size_t>(kept);
        std::copy_n(digits.begin(), keptDigits, rounded.begin() + 1);
        const char next = digits[keptDigits];
        const bool lastOdd = keptDigits > 0 && (digits[keptDigits - 1] - '0') % 2 == 1;
        const bool up = next > '5' || (next == '5' && (count > kept + 1 || lastOdd));
        if (up) {
            std::size_t i = keptDigits;
            while (rounded[i] == '9') {
                rounded[i--] = '0';
            }
            ++rounded[i];
        }
        const std::string_view all(rounded.data(), keptDigits + 1);
        if (all.find_first_not_of('0') == std::string_view::npos) {
            return zero;
        }
        result = detail::DigitsToDouble(x < 0, all, -static_cast<long long>(decimals));
    }
    if (result.status == detail::DecimalStatus::Overflow) {
        throw RuntimeError(ErrorKind::Overflow);
    }
    return result.value;
}

} // namespace runtime
