// SPDX-License-Identifier: GPL-3.0-or-later
// Writing numbers: DoubleToText and IntToText.

#include "conversions.h"

#include "checked_math.h"
#include "decimal_value.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace runtime {

namespace {

void AppendInteger(std::string &text, int n) {
    std::array<char, 16> buffer;
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), n).ptr;
    text.append(buffer.data(), end);
}

constexpr int kLowestPlainExponent = -4;
constexpr int kHighestPlainExponent = 14;

// The text of a finite, non-zero x from its rounded digits.
std::string WriteDigits(double x, const detail::Digits15 &rounded, const NumberFormat &format) {
    const std::string_view digits = rounded.View();
    const int exponent = rounded.exponent;

    // At most 22 characters with a one-byte separator: texts of up to 15 stay
    // in the string itself, longer ones take one allocation.
    std::string text;
    if (x < 0) {
        text += '-';
    }
    if (exponent < kLowestPlainExponent || exponent > kHighestPlainExponent) {
        // Mantissa, "E", sign, at least two exponent digits: "1.5E+15", "1E-05".
        text += digits[0];
        if (digits.size() > 1) {
            text += format.decimal;
            text += digits.substr(1);
        }
        text += 'E';
        text += exponent < 0 ? '-' : '+';
        const int magnitude = std::abs(exponent);
        if (magnitude < 10) {
            text += '0';
        }
        AppendInteger(text, magnitude);
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
            text += digits.substr(0, integerLength);
            text += format.decimal;
            text += digits.substr(integerLength);
        }
    }
    return text;
}

} // namespace

std::string DoubleToText(double x, const NumberFormat &format) {
    CheckFinite(x);
    if (x == 0.0) {
        return "0"; // negative zero as well
    }
    return WriteDigits(x, detail::RoundTo15Digits(std::fabs(x)), format);
}

WrittenNumber WriteDouble(double x, const NumberFormat &format) {
    CheckFinite(x);
    if (x == 0.0) {
        return {"0", 0.0};
    }
    const detail::Digits15 rounded = detail::RoundTo15Digits(std::fabs(x));
    WrittenNumber written{WriteDigits(x, rounded, format)};
    const int last = rounded.exponent - static_cast<int>(rounded.count) + 1;
    const detail::DecimalResult read = detail::DigitsToDouble(x < 0, rounded.View(), last);
    // The digits never round beyond the largest double; were they to, the
    // text's own reading raises as it would.
    written.value =
        read.status == detail::DecimalStatus::Ok ? read.value : TextToDouble(written.text, format);
    return written;
}

std::string IntToText(int n) {
    std::string text;
    AppendInteger(text, n);
    return text;
}

} // namespace runtime
