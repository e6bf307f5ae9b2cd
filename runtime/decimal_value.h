// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Internal to the runtime library: decimal numbers between the readers, the
// writers and the rounding, with no heap allocation.

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace runtime::detail {

// The digits of a decimal number as a reader meets them, leading zeros
// counted but not kept. A double is decided by its first 768 significant
// digits (the most that a midpoint between two doubles has); beyond the
// first kKept digits only whether one of them is non-zero is kept, as a final
// 1, which rounds the same way.
class DecimalDigits {
public:
    static constexpr std::size_t kKept = 800;

    // Adds a run of digits, all '0' to '9'.
    void Add(std::string_view run) {
        m_count += static_cast<long long>(run.size());
        if (m_kept == 0) {
            std::size_t zeros = 0;
            while (zeros < run.size() && run[zeros] == '0') {
                ++zeros;
            }
            if (zeros == run.size()) {
                return;
            }
            m_first = m_count - static_cast<long long>(run.size() - zeros);
            run.remove_prefix(zeros);
        }
        const std::size_t room = std::min(kKept - m_kept, run.size());
        char *const out = m_digits.data() + m_kept; // a local, so no reload per digit
        for (std::size_t i = 0; i < room; ++i) {
            out[i] = run[i];
        }
        m_kept += room;
        for (std::size_t i = room; i < run.size() && !m_sticky; ++i) {
            m_sticky = run[i] != '0';
        }
    }

    // Every digit added so far, leading zeros included.
    long long Count() const { return m_count; }
    bool IsZero() const { return m_kept == 0; }
    // Decimal exponent of the leading significant digit (d.ddd x 10^e) when
    // the decimal point stands after `pointAt` digits and the text's exponent
    // is `exponent`; only for a value that is not zero.
    long long LeadingExponent(long long pointAt, long long exponent) const {
        return pointAt - m_first - 1 + exponent;
    }
    std::string_view Kept() const { return {m_digits.data(), m_kept}; }
    bool Sticky() const { return m_sticky; }

private:
    std::array<char, kKept> m_digits; // only the first m_kept are set
    std::size_t m_kept = 0;
    long long m_count = 0;
    long long m_first = 0; // index of the first significant digit
    bool m_sticky = false;
};

// A decimal number as read: sign, digits, where the decimal point stands
// (after how many digits) and the exponent, which the reader saturates at
// about +-10^9 rather than letting it wrap.
struct DecimalNumber {
    bool negative = false;
    DecimalDigits digits;
    long long pointAt = 0;
    long long exponent = 0;
};

enum class DecimalStatus { Ok, Overflow };

struct DecimalResult {
    DecimalStatus status = DecimalStatus::Ok;
    double value = 0.0; // correctly rounded; a signed zero on underflow
};

// The double nearest to the number (round half to even), or Overflow when its
// magnitude rounds beyond the largest double. Values too small for a double
// read as zero with their sign; subnormals read as the subnormal double.
DecimalResult DecimalToDouble(const DecimalNumber &number);

// Whether the number's magnitude rounds beyond the largest double; cheaper
// than DecimalToDouble for every number far from that limit.
bool Overflows(const DecimalNumber &number);

// The double nearest to digits x 10^exponent with the given sign (the digits
// have no point and at least one of them is not zero), or Overflow.
DecimalResult DigitsToDouble(bool negative, std::string_view digits, long long exponent);

// Powers of ten that a double holds exactly.
inline constexpr std::array<double, 23> kExactPowers = {
    1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
    1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// Saturation limit of an exponent's magnitude, far beyond any double's range.
inline constexpr long long kExponentLimit = 1'000'000'000;

// Adds one digit to an exponent being read, saturating at kExponentLimit.
inline long long AppendExponentDigit(long long exponent, char digit) {
    if (exponent >= kExponentLimit) {
        return kExponentLimit;
    }
    return exponent * 10 + (digit - '0');
}

// The decimal that DoubleToText writes for a finite, non-zero magnitude: its
// 15 significant digits, correctly rounded, without trailing zeros, and the
// decimal exponent after that rounding (value = d.ddd x 10^exponent). Where
// that rounding exceeds the largest double (from 1.797693134862315E+308 up)
// it is one unit of the 15th digit lower, so that the text reads back.
struct Digits15 {
    std::array<char, 15> digits;
    std::size_t count = 0;
    int exponent = 0;

    std::string_view View() const { return {digits.data(), count}; }
};

Digits15 RoundTo15Digits(double magnitude);

} // namespace runtime::detail
