// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "number_format.h"

#include <string>
#include <string_view>

namespace runtime {

// True when the whole text is a number in the locale: optional blanks around
// (space and tab), optional sign, digits with at most one decimal separator,
// optional exponent ("1e" unfinished is none); false as well when the value's
// magnitude overflows a double, so TextToDouble never fails on a text that
// IsNumber accepts.
// - The locale's decimal separator is always the decimal separator.
// - Of "." and ",", one that is not the locale's decimal separator groups
//   digits where the locale groups with it and the integer part is rightly
//   grouped: a first group of 1 to 3 digits not starting with 0, every later
//   group exactly 3 digits. Anywhere else a single one of it is the decimal
//   separator.
// - Any other group separator of the locale must group rightly; where it is a
//   space, an ordinary space, U+00A0 and U+202F are each accepted.
// - Two decimal separators, or a group separator after the decimal one, are
//   no number.
// In English: "1,000" is 1000, "1,5", "1,0000" and "0,001" are 1.5, 1 and
// 0.001, "1.5,3", "1,00,000", "1 000" and "1e" are no numbers.
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

// DoubleToText's text of x together with the value that TextToDouble reads
// from it, found without reading the text back.
struct WrittenNumber {
    std::string text;
    double value = 0;
};
WrittenNumber WriteDouble(double x, const NumberFormat &format);

// Decimal text of an integer: "0" for 0, "-5" for -5.
std::string IntToText(int n);

// x rounded to `decimals` decimals (0 or more; fewer raises
// std::invalid_argument), an exact half going to the even digit.
// Values too large to carry such decimals (|x * 10^decimals| >= 2^52 or not
// finite) come back unchanged. Never raises for a finite x; an infinity raises
// RuntimeError(ErrorKind::Overflow), NaN RuntimeError(ErrorKind::InvalidOperation).
double RoundDecimals(double x, int decimals);

// The decimal that DoubleToText writes for x (15 significant digits) with its
// decimal point moved by `powerOfTen` places (x 10^powerOfTen, exactly, in
// decimal), rounded to `decimals` decimals with an exact half going to the
// even digit, and returned as the nearest double. Scaling 1.0005E-06 V to uV
// thus rounds 1.0005 to 1, where the binary product 1.0005E-06 * 1E6 is no
// longer a half. A zero result keeps x's sign. An infinity raises
// RuntimeError(ErrorKind::Overflow), NaN RuntimeError(ErrorKind::InvalidOperation),
// a result beyond the largest double RuntimeError(ErrorKind::Overflow).
double RoundScaledDecimals(double x, int powerOfTen, int decimals);

// Exact, case-sensitive equality of two texts.
bool TextEquals(std::string_view a, std::string_view b);

} // namespace runtime
