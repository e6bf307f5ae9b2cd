// SPDX-License-Identifier: GPL-3.0-or-later
#include "decimal_value.h"

#include <algorithm>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <optional>
#include <system_error>

namespace runtime::detail {

namespace {

// Beyond these decimal exponents of the leading significant digit every value
// overflows (DBL_MAX is about 1.8e308) or underflows (the smallest subnormal
// is about 4.9e-324, so 1e-325 and below already round to zero).
constexpr long long kSurelyOverflows = 400;
constexpr long long kSurelyUnderflows = -400;
// Below this leading exponent no value can reach the largest double.
constexpr long long kNeverOverflows = 308;

constexpr std::array<std::uint64_t, 9> kExactIntegerPowers = {
    1, 10, 100, 1'000, 10'000, 100'000, 1'000'000, 10'000'000, 100'000'000};

// digits x 10^exponent when both factors are exact doubles, so that one
// multiplication or division rounds it correctly; nothing otherwise.
std::optional<double> ExactProduct(std::string_view digits, bool sticky, long long exponent) {
    constexpr std::uint64_t kExactIntegers = std::uint64_t{1} << 53;
    constexpr auto kMaxPower = static_cast<long long>(kExactPowers.size()) - 1;
    if (sticky || digits.size() > 16 || exponent < -kMaxPower || exponent > kMaxPower) {
        return std::nullopt;
    }
    // The last 8 digits apart from the others: two short chains of steps.
    const std::size_t split = digits.size() > 8 ? digits.size() - 8 : 0;
    const auto value = [](std::string_view part) {
        std::uint64_t n = 0;
        for (char c : part) {
            n = n * 10 + static_cast<std::uint64_t>(c - '0');
        }
        return n;
    };
    const std::uint64_t mantissa =
        value(digits.substr(0, split)) * kExactIntegerPowers[digits.size() - split] +
        value(digits.substr(split));
    if (mantissa > kExactIntegers) {
        return std::nullopt;
    }
    const auto exact = static_cast<double>(mantissa);
    if (exponent < 0) {
        return exact / kExactPowers[static_cast<std::size_t>(-exponent)];
    }
    return exact * kExactPowers[static_cast<std::size_t>(exponent)];
}

// The double nearest to digits (then a final 1 when `sticky`) x 10^exponent.
DecimalResult ToDouble(bool negative, std::string_view digits, bool sticky, long long exponent) {
    const double zero = negative ? -0.0 : 0.0;
    const auto count = static_cast<long long>(digits.size()) + (sticky ? 1 : 0);
    const long long leading = exponent + count - 1;
    if (leading > kSurelyOverflows) {
        return {DecimalStatus::Overflow, 0.0};
    }
    if (leading < kSurelyUnderflows) {
        return {DecimalStatus::Ok, zero};
    }

    if (const auto exact = ExactProduct(digits, sticky, exponent)) {
        return {DecimalStatus::Ok, negative ? -*exact : *exact};
    }

    // A plain, locale-free text for from_chars: "-dddd1e-123".
    std::array<char, DecimalDigits::kKept + 32> text;
    char *out = text.data();
    if (negative) {
        *out++ = '-';
    }
    out = std::copy(digits.begin(), digits.end(), out);
    if (sticky) {
        *out++ = '1';
    }
    *out++ = 'e';
    out = std::to_chars(out, text.data() + text.size(), exponent).ptr;

    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data(), out, value);
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone; the exponent tells which side.
        if (leading > 0) {
            return {DecimalStatus::Overflow, 0.0};
        }
        return {DecimalStatus::Ok, zero};
    }
    if (ec != std::errc() || ptr != out || !std::isfinite(value)) {
        return {DecimalStatus::Overflow, 0.0}; // cannot happen for the text built above
    }
    return {DecimalStatus::Ok, value};
}

} // namespace

DecimalResult DecimalToDouble(const DecimalNumber &number) {
    const auto &digits = number.digits;
    if (digits.IsZero()) {
        return {DecimalStatus::Ok, number.negative ? -0.0 : 0.0};
    }
    const long long leading = digits.LeadingExponent(number.pointAt, number.exponent);
    const auto kept = static_cast<long long>(digits.Kept().size()) + (digits.Sticky() ? 1 : 0);
    return ToDouble(number.negative, digits.Kept(), digits.Sticky(), leading - kept + 1);
}

bool Overflows(const DecimalNumber &number) {
    if (number.digits.IsZero() ||
        number.digits.LeadingExponent(number.pointAt, number.exponent) < kNeverOverflows) {
        return false;
    }
    return DecimalToDouble(number).status == DecimalStatus::Overflow;
}

DecimalResult DigitsToDouble(bool negative, std::string_view digits, long long exponent) {
    return ToDouble(negative, digits, false, exponent);
}

} // namespace runtime::detail
