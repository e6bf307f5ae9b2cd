#pragma once

#include "number_format.h"

#include <string>
#include <string_view>

namespace runtime {

// True when the whole text is a number in the locale: optional blanks around,
// optional sign, digits with at most one decimal separator, strict digit
// grouping in the integer part, optional exponent; false as well when the
// value's magnitude overflows a double, so TextToDouble never fails on a text
// that IsNumber accepts. Blanks are space and tab. A no-break space (U+00A0 or
// U+202F) as the group separator also admits an ordinary space between groups.
// Examples in English: "1,000", "1.", ".5", "-1e-5" are numbers; "1,0", "1,",
// ",100", "1e", "1E400", "inf" are not.
bool IsNumber(std::string_view text, const NumberFormat &format);

// The value of a text that IsNumber accepts; any other text raises
// RuntimeError(ErrorKind::UnreadableText). Correctly rounded; "-0" gives
// negative zero, a value too small for a double gives zero with its sign.
double TextToDouble(std::string_view text, const NumberFormat &format);

// At most 15 significant digits, no trailing zeros or separator, the locale's
// decimal separator, no grouping; exponent form ("1E-05", "1.5E+15") when the
// decimal exponent after rounding is below -4 or above 14. Negative zero gives
// "0". An infinity raises RuntimeError(ErrorKind::Overflow), NaN
// RuntimeError(ErrorKind::InvalidOperation).
std::string DoubleToText(double x, const NumberFormat &format);

// Decimal text of an integer: "0" for 0, "-5" for -5.
std::string IntToText(int n);

// x rounded to `decimals` decimals (0 or more; fewer raises
// std::invalid_argument), an exact half going to the even digit.
// Values too large to carry such decimals (|x * 10^decimals| >= 2^52 or not
// finite) come back unchanged. Never raises for a finite x; an infinity raises
// RuntimeError(ErrorKind::Overflow), NaN RuntimeError(ErrorKind::InvalidOperation).
double RoundDecimals(double x, int decimals);

// Exact, case-sensitive equality of two texts.
bool TextEquals(std::string_view a, std::string_view b);

} // namespace runtime
