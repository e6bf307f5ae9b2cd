// SPDX-License-Identifier: GPL-3.0-or-later
// Writing a double with 15 significant digits, correctly rounded, without
// a heap allocation.

#include "decimal_value.h"

#include <algorithm>
#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>

namespace runtime::detail {

namespace {

// The digits and exponent of "d.ddde+XX" as std::to_chars writes a double in
// scientific form: at most 17 significant digits.
struct Scientific {
    std::array<char, 17> digits;
    std::size_t count = 0;
    int exponent = 0;
};

Scientific WriteScientific(double magnitude, std::optional<int> precision) {
    std::array<char, 32> buffer;
    char *const last = buffer.data() + buffer.size();
    const char *end =
        precision
            ? std::to_chars(buffer.data(), last, magnitude, std::chars_format::scientific,
                            *precision)
                  .ptr
            : std::to_chars(buffer.data(), last, magnitude, std::chars_format::scientific).ptr;
    Scientific result;
    const char *c = buffer.data();
    for (; *c != 'e'; ++c) {
        if (*c != '.') {
            result.digits[result.count++] = *c;
        }
    }
    ++c;
    if (*c == '+') {
        ++c;
    }
    std::from_chars(c, end, result.exponent);
    return result;
}

Digits15 First15(const Scientific &s) {
    Digits15 result;
    result.count = std::min(s.count, result.digits.size());
    std::copy_n(s.digits.begin(), result.count, result.digits.begin());
    result.exponent = s.exponent;
    return result;
}

void DropTrailingZeros(Digits15 &d) {
    while (d.count > 1 && d.digits[d.count - 1] == '0') {
        --d.count;
    }
}

// Adds one unit of the last digit, carrying; "999" becomes "1" one exponent up.
void Increment(Digits15 &d) {
    std::size_t i = d.count;
    while (i > 0 && d.digits[i - 1] == '9') {
        --i;
    }
    if (i == 0) {
        d.digits[0] = '1';
        d.count = 1;
        ++d.exponent;
        return;
    }
    ++d.digits[i - 1];
    d.count = i;
}

// Subtracts one unit of the 15th digit from digits that are not all zeros.
void DecrementAt15(Digits15 &d) {
    std::fill(d.digits.begin() + static_cast<std::ptrdiff_t>(d.count), d.digits.end(), '0');
    d.count = d.digits.size();
    for (auto it = d.digits.rbegin(); it != d.digits.rend(); ++it) {
        if (*it != '0') {
            --*it;
            break;
        }
        *it = '9';
    }
    DropTrailingZeros(d);
}

// The 15-digit rounding taken from the shortest text that reads back as the
// magnitude (std::to_chars writes the fewest digits, and of those the text
// nearest to the magnitude), where that decides it. Only when that text ends
// in the midpoint 5 at the 16th digit may the magnitude lie on either side of
// it. Otherwise the midpoint M between its two 15-digit neighbours lies on the
// text's side: M between the magnitude and the text would read back as the
// magnitude too, with no more digits and nearer to it.
bool RoundShortest(double magnitude, Digits15 &result) {
    const Scientific shortest = WriteScientific(magnitude, std::nullopt);
    result = First15(shortest);
    if (shortest.count <= 15) {
        return true;
    }
    // Digits 16 and 17 in units of the 17th: 50 is the midpoint.
    const int tail =
        (shortest.digits[15] - '0') * 10 + (shortest.count > 16 ? shortest.digits[16] - '0' : 0);
    if (tail == 50) {
        return false;
    }
    if (tail > 50) {
        Increment(result);
    }
    return true;
}

// Writes the `count` last decimal digits of `value` to `out`.
void WriteDigits(std::uint32_t value, char *out, int count) {
    for (int i = count - 1; i >= 0; --i) {
        out[i] = static_cast<char>('0' + value % 10);
        value /= 10;
    }
}

// The 15-digit rounding of a magnitude from 1E-08 to below 1E+15 in integer
// steps: y = magnitude x 10^(14 - e) lies in [10^14, 10^15) for the decimal
// exponent e; with 10^(14 - e) an exact double, y = hi + lo exactly, hi the
// rounded product and lo its error from a fused multiply-add. False for
// other magnitudes.
bool RoundScaledProduct(double magnitude, Digits15 &result) {
    constexpr int kLowest = -8;
    constexpr int kHighest = 14;
    constexpr double kLow = 1e14;
    constexpr double kHigh = 1e15;
    if (magnitude < 1e-8 || magnitude >= kHigh) {
        return false;
    }
    // 2^b <= magnitude < 2^(b + 1) for the unbiased exponent b of a normal
    // double; 1233 / 4096 is just below log10(2), so e is b * 1233 / 4096
    // rounded down or one more.
    const int binaryExponent =
        static_cast<int>((std::bit_cast<std::uint64_t>(magnitude) >> 52) & 0x7FF) - 1023;
    int exponent = (binaryExponent * 1233) >> 12;
    double hi = 0;
    double lo = 0;
    bool inRange = false;
    for (int attempt = 0; attempt < 3 && !inRange; ++attempt) {
        if (exponent < kLowest || exponent > kHighest) {
            return false;
        }
        const double power = kExactPowers[static_cast<std::size_t>(kHighest - exponent)];
        hi = magnitude * power;
        lo = std::fma(magnitude, power, -hi);
        if (hi > kHigh || (hi == kHigh && lo >= 0)) {
            ++exponent; // y >= 10^15
        } else if (hi < kLow || (hi == kLow && lo < 0)) {
            --exponent; // y < 10^14
        } else {
            inRange = true;
        }
    }
    if (!inRange) {
        return false;
    }
    // y = floor(hi) + t with t = (hi - floor(hi)) + lo, 0 <= hi - floor(hi) < 1
    // exact, |lo| at most 1/16, so -1/16 <= t < 1; round half to even.
    auto n = static_cast<std::uint64_t>(hi);                 // floor(hi), hi being positive
    const double half = 0.5 - (hi - static_cast<double>(n)); // exact
    if (lo > half || (lo == half && n % 2 == 1)) {
        ++n;
    }
    result.exponent = exponent;
    if (n == 1'000'000'000'000'000) {
        result.digits[0] = '1';
        result.count = 1;
        ++result.exponent;
        return true;
    }
    // Exactly 15 digits, in two halves that are written independently.
    WriteDigits(static_cast<std::uint32_t>(n / 100'000'000), result.digits.data(), 7);
    WriteDigits(static_cast<std::uint32_t>(n % 100'000'000), result.digits.data() + 7, 8);
    result.count = result.digits.size();
    return true;
}

} // namespace

Digits15 RoundTo15Digits(double magnitude) {
    Digits15 result;
    // Subnormals have fewer digits than the shortest text needs to decide.
    const bool rounded = RoundScaledProduct(magnitude, result) ||
                         (magnitude >= DBL_MIN && RoundShortest(magnitude, result));
    if (!rounded) {
        result = First15(WriteScientific(magnitude, 14));
    }
    DropTrailingZeros(result);
    // Only the doubles from 1.797693134862315E+308 up round beyond the
    // largest double, to 1.79769313486232E+308.
    constexpr std::string_view kBeyondRange = "179769313486232";
    if (result.exponent == DBL_MAX_10_EXP && result.View() >= kBeyondRange) {
        DecrementAt15(result);
    }
    return result;
}

} // namespace runtime::detail
