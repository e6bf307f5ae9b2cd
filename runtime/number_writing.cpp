// Writing numbers: DoubleToText and IntToText.

#include "conversions.h"

#include "checked_math.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace runtime {

namespace {

constexpr int kSignificantDigits = 15;
constexpr int kLowestPlainExponent = -4;
constexpr int kHighestPlainExponent = 14;

// True when the 15-digit rounding, read back, exceeds the largest double.
bool RoundedBeyondRange(std::string_view scientific) {
    double value = 0.0;
    const auto result =
        std::from_chars(scientific.data(), scientific.data() + scientific.size(), value);
    return result.ec == std::errc::result_out_of_range;
}

// Subtracts one unit of the last place from a string of decimal digits that
// is not all zeros.
void DecrementDigits(std::string &digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '0') {
            --*it;
            return;
        }
        *it = '9';
    }
}

} // namespace

std::string DoubleToText(double x, const NumberFormat &format) {
    CheckFinite(x);
    if (x == 0.0) {
        return "0"; // negative zero as well
    }

    // "d.dddddddddddddde+XX": the 15 significant digits, correctly rounded, and
    // the decimal exponent after that rounding (9.999999999999999 gives 1e+01).
    std::array<char, 64> buffer{};
    const auto written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(x),
                                       std::chars_format::scientific, kSignificantDigits - 1);
    const std::string_view scientific(buffer.data(), written.ptr - buffer.data());
    const auto ePosition = scientific.find('e');

    std::string digits;
    digits += scientific[0];
    digits.append(scientific.substr(2, ePosition - 2));
    if (RoundedBeyondRange(scientific)) {
        // Only the doubles from 1.797693134862315E+308 up to the largest one
        // round up beyond it; write them one unit of the 15th digit lower,
        // "1.79769313486231E+308", so the text still reads back.
        DecrementDigits(digits);
    }
    while (digits.size() > 1 && digits.back() == '0') {
        digits.pop_back();
    }
    int exponent = 0;
    const auto exponentText = scientific.substr(ePosition + 1);
    const char *exponentBegin = exponentText.data() + (exponentText.front() == '+' ? 1 : 0);
    std::from_chars(exponentBegin, exponentText.data() + exponentText.size(), exponent);

    std::string text;
    if (x < 0) {
        text += '-';
    }
    if (exponent < kLowestPlainExponent || exponent > kHighestPlainExponent) {
        // Mantissa, "E", sign, at least two exponent digits: "1.5E+15", "1E-05".
        text += digits[0];
        if (digits.size() > 1) {
            text += format.decimal;
            text.append(digits, 1);
        }
        text += 'E';
        text += exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) {
            text += '0';
        }
        text += std::to_string(magnitude);
    } else if (exponent < 0) {
        // 0.000ddd
        text += '0';
        text += format.decimal;
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
    } else {
        // ddd[.ddd]: digits, padded with zeros up to the units place.
        const auto integerLength = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= integerLength) {
            text += digits;
            text.append(integerLength - digits.size(), '0');
        } else {
            text.append(digits, 0, integerLength);
            text += format.decimal;
            text.append(digits, integerLength);
        }
    }
    return text;
}

std::string IntToText(int n) {
    return std::to_string(n);
}

} // namespace runtime
