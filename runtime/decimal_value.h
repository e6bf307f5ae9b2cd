#pragma once

// Internal to the runtime library: the value of a decimal number that a reader
// has already taken apart.

#include <string>

namespace runtime::detail {

// A decimal number as read: sign, the digits before and after the decimal
// separator (ASCII '0'-'9' only, either may be empty) and the exponent, which
// the reader saturates at about +-10^9 rather than letting it wrap.
struct DecimalParts {
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;
    long long exponent = 0;
};

enum class DecimalStatus { Ok, Overflow };

struct DecimalResult {
    DecimalStatus status = DecimalStatus::Ok;
    double value = 0.0; // correctly rounded; a signed zero on underflow
};

// The double nearest to the parts (round half to even), or Overflow when its
// magnitude rounds beyond the largest double. Values too small for a double
// read as zero with their sign; subnormals read as the subnormal double.
DecimalResult DecimalToDouble(const DecimalParts &parts);

// Saturation limit of an exponent's magnitude, far beyond any double's range.
inline constexpr long long kExponentLimit = 1'000'000'000;

// Adds one digit to an exponent being read, saturating at kExponentLimit.
inline long long AppendExponentDigit(long long exponent, char digit) {
    if (exponent >= kExponentLimit) {
        return kExponentLimit;
    }
    return exponent * 10 + (digit - '0');
}

} // namespace runtime::detail
