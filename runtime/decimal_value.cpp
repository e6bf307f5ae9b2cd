#include "decimal_value.h"

#include <charconv>
#include <cmath>
#include <string>
#include <system_error>

namespace runtime::detail {

namespace {

// Beyond these decimal exponents of the leading significant digit every value
// overflows (DBL_MAX is about 1.8e308) or underflows (the smallest subnormal
// is about 4.9e-324, so 1e-325 and below already round to zero).
constexpr long long kSurelyOverflows = 400;
constexpr long long kSurelyUnderflows = -400;

} // namespace

DecimalResult DecimalToDouble(const DecimalParts &parts) {
    const double zero = parts.negative ? -0.0 : 0.0;

    // All digits with the decimal point after integerDigits; find the first
    // significant one and drop the zeros at either end, which carry no value.
    const std::string all = parts.integerDigits + parts.fractionDigits;
    const auto first = all.find_first_not_of('0');
    if (first == std::string::npos) {
        return {DecimalStatus::Ok, zero};
    }
    const auto last = all.find_last_not_of('0');
    const std::string_view significant(all.data() + first, last - first + 1);

    // Decimal exponent of the leading significant digit (d.ddd x 10^e).
    const long long leading = static_cast<long long>(parts.integerDigits.size()) -
                              static_cast<long long>(first) - 1 + parts.exponent;
    if (leading > kSurelyOverflows) {
        return {DecimalStatus::Overflow, 0.0};
    }
    if (leading < kSurelyUnderflows) {
        return {DecimalStatus::Ok, zero};
    }

    // A plain, locale-free text for from_chars: "-d.ddde<leading>".
    std::string text;
    text.reserve(significant.size() + 16);
    if (parts.negative) {
        text += '-';
    }
    text += significant.front();
    if (significant.size() > 1) {
        text += '.';
        text.append(significant.substr(1));
    }
    text += 'e';
    text += std::to_string(leading);

    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone; the exponent tells which side.
        if (leading > 0) {
            return {DecimalStatus::Overflow, 0.0};
        }
        return {DecimalStatus::Ok, zero};
    }
    if (ec != std::errc() || ptr != text.data() + text.size() || !std::isfinite(value)) {
        return {DecimalStatus::Overflow, 0.0}; // cannot happen for the text built above
    }
    return {DecimalStatus::Ok, value};
}

} // namespace runtime::detail
