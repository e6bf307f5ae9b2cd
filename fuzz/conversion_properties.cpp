// SPDX-License-Identifier: GPL-3.0-or-later
#include "conversion_properties.h"

#include "conversions.h"
#include "runtime_error.h"
#include "value_characters.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace fuzz {
namespace {

std::string Hex(double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%a (%.17g)", x, x);
    return buffer;
}

using runtime::IsDigit;

// The decimal exponent of x once rounded to 15 significant digits.
int DecimalExponent15(double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", x);
    const char *e = std::strchr(buffer, 'e');
    return e ? std::atoi(e + 1) : 0;
}

// A text taken apart as DoubleToText writes it.
struct WrittenNumber {
    bool negative = false;
    std::string integerDigits;
    std::string fractionDigits;
    bool hasSeparator = false;
    bool hasExponent = false;
    char exponentSign = 0;
    std::string exponentDigits;
};

// Splits `text`; an empty result means the text does not even have the
// general shape sign? digits (separator digits)? (E sign digits)?.
std::string Split(std::string_view text, std::string_view decimal, WrittenNumber &out) {
    std::size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        out.negative = true;
        ++i;
    }
    while (i < text.size() && IsDigit(text[i]))
        out.integerDigits += text[i++];
    if (!decimal.empty() && text.substr(i, decimal.size()) == decimal) {
        out.hasSeparator = true;
        i += decimal.size();
        while (i < text.size() && IsDigit(text[i]))
            out.fractionDigits += text[i++];
    }
    if (i < text.size() && text[i] == 'E') {
        out.hasExponent = true;
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            out.exponentSign = text[i++];
        while (i < text.size() && IsDigit(text[i]))
            out.exponentDigits += text[i++];
    }
    if (i != text.size())
        return "unexpected character at byte " + std::to_string(i);
    if (out.integerDigits.empty())
        return "no digit before the separator";
    return {};
}

std::size_t SignificantDigits(const std::string &digits) {
    const auto first = digits.find_first_not_of('0');
    if (first == std::string::npos)
        return 0;
    const auto last = digits.find_last_not_of('0');
    return last - first + 1;
}

std::string ShapeProblem(const WrittenNumber &n, double x) {
    if (n.negative != (x < 0))
        return "sign does not match the value";
    if (n.hasSeparator && n.fractionDigits.empty())
        return "trailing decimal separator";
    if (!n.fractionDigits.empty() && n.fractionDigits.back() == '0')
        return "trailing zero in the fraction";
    if (n.integerDigits.size() > 1 && n.integerDigits.front() == '0')
        return "leading zero";
    if (SignificantDigits(n.integerDigits + n.fractionDigits) > 15)
        return "more than 15 significant digits";
    const int exponent = DecimalExponent15(x);
    const bool wantExponent = x != 0 && (exponent < -4 || exponent > 14);
    if (n.hasExponent != wantExponent)
        return wantExponent ? "plain form where the exponent form belongs"
                            : "exponent form where the plain form belongs";
    if (!n.hasExponent)
        return {};
    if (n.integerDigits.size() != 1 || n.integerDigits == "0")
        return "mantissa is not one non-zero digit before the separator";
    if (n.exponentSign == 0)
        return "exponent without sign";
    if (n.exponentDigits.size() < 2)
        return "exponent with fewer than two digits";
    if (n.exponentDigits.size() > 2 && n.exponentDigits.front() == '0')
        return "exponent with a needless leading zero";
    const int written = std::atoi(n.exponentDigits.c_str()) * (n.exponentSign == '-' ? -1 : 1);
    if (written != exponent)
        return "exponent " + std::to_string(written) + " instead of " + std::to_string(exponent);
    return {};
}

} // namespace

double RoundToSignificant15(double x) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.14e", x);
    const double rounded = std::strtod(buffer, nullptr);
    // Near the largest double, rounding up would leave the range; the text
    // then keeps the largest 15-digit value that a double still holds.
    if (std::isinf(rounded))
        return std::copysign(1.79769313486231e308, x);
    return rounded;
}

std::string CheckTextReading(std::string_view text, const runtime::NumberFormat &format) {
    const bool number = runtime::IsNumber(text, format);
    try {
        const double value = runtime::TextToDouble(text, format);
        if (!number)
            return "TextToDouble read " + Hex(value) + " from a text IsNumber refuses";
        if (!std::isfinite(value))
            return "TextToDouble read a value that is not finite";
    } catch (const runtime::RuntimeError &error) {
        if (number)
            return std::string("IsNumber accepts a text TextToDouble refuses: ") +
                   runtime::ErrorKindName(error.kind());
        if (error.kind() != runtime::ErrorKind::UnreadableText)
            return std::string("TextToDouble refused with ") + runtime::ErrorKindName(error.kind());
    }
    return {};
}

std::string CheckWrittenShape(std::string_view text, double x,
                              const runtime::NumberFormat &format) {
    WrittenNumber parts;
    std::string problem = Split(text, format.decimal, parts);
    if (problem.empty())
        problem = ShapeProblem(parts, x);
    return problem;
}

std::string CheckDoubleWriting(double x, const runtime::NumberFormat &format) {
    if (!std::isfinite(x))
        return {};
    std::string text;
    try {
        text = runtime::DoubleToText(x, format);
    } catch (const runtime::RuntimeError &error) {
        return std::string("DoubleToText raised ") + runtime::ErrorKindName(error.kind()) +
               " for " + Hex(x);
    }
    const std::string problem = CheckWrittenShape(text, x, format);
    if (!problem.empty())
        return "DoubleToText(" + Hex(x) + ") = \"" + text + "\": " + problem;
    double back = 0;
    try {
        back = runtime::TextToDouble(text, format);
        const double expected = RoundToSignificant15(x);
        if (back != expected)
            return "\"" + text + "\" reads back as " + Hex(back) + ", not " + Hex(expected);
    } catch (const runtime::RuntimeError &) {
        return "TextToDouble refuses \"" + text + "\", written by DoubleToText";
    }
    const runtime::WrittenNumber written = runtime::WriteDouble(x, format);
    if (written.text != text || written.value != back ||
        std::signbit(written.value) != std::signbit(back))
        return "WriteDouble(" + Hex(x) + ") is not DoubleToText's text and its reading";
    return {};
}

std::string CheckScaledRounding(double x, int powerOfTen, int decimals) {
    if (!std::isfinite(x))
        return {};
    const long double scaled = RoundToSignificant15(x) * std::pow(10.0L, powerOfTen);
    const std::string where = "RoundScaledDecimals(" + Hex(x) + ", " + std::to_string(powerOfTen) +
                              ", " + std::to_string(decimals) + ")";
    double rounded = 0;
    try {
        rounded = runtime::RoundScaledDecimals(x, powerOfTen, decimals);
    } catch (const runtime::RuntimeError &error) {
        const bool beyond = std::fabs(scaled) > 0.999L * std::numeric_limits<double>::max();
        if (error.kind() == runtime::ErrorKind::Overflow && beyond)
            return {};
        return where + " raised " + runtime::ErrorKindName(error.kind());
    }
    if (!std::isfinite(rounded))
        return where + " is not finite";
    const long double half = 0.5L * std::pow(10.0L, -decimals);
    const long double slack =
        std::fabs(scaled) * 1e-15L + 4 * std::numeric_limits<double>::denorm_min();
    if (std::fabs(rounded - scaled) > half * (1 + 1e-9L) + slack)
        return where + " = " + Hex(rounded) + " moved the value by more than half a unit";
    return {};
}

std::string CheckRounding(double x, int decimals) {
    if (!std::isfinite(x))
        return {};
    double rounded = 0;
    try {
        rounded = runtime::RoundDecimals(x, decimals);
    } catch (const runtime::RuntimeError &error) {
        return std::string("RoundDecimals raised ") + runtime::ErrorKindName(error.kind()) +
               " for " + Hex(x);
    }
    const std::string where = "RoundDecimals(" + Hex(x) + ", " + std::to_string(decimals) + ")";
    if (!std::isfinite(rounded))
        return where + " is not finite";
    // Beyond 2^52 in units of the last decimal there is nothing left to round.
    const long double scaled = std::fabs(static_cast<long double>(x) * std::pow(10.0L, decimals));
    const long double noFraction = 4503599627370496.0L;
    if (scaled >= noFraction * (1 + 1e-12L)) {
        if (rounded != x)
            return where + " = " + Hex(rounded) + " changed a value with nothing to round";
        return {};
    }
    if (scaled <= noFraction * (1 - 1e-12L)) {
        const long double half = 0.5L * std::pow(10.0L, -decimals);
        const long double ulp =
            std::fabs(std::nextafter(x, std::numeric_limits<double>::infinity()) - x);
        const long double moved = std::fabs(static_cast<long double>(rounded) - x);
        if (moved > half * (1 + 1e-9L) + 4 * ulp)
            return where + " = " + Hex(rounded) + " moved the value by more than half a unit";
    }
    return {};
}

} // namespace fuzz
