// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Properties of the number-text conversions that must hold for every input.
// Each check returns an empty text when the property holds, otherwise what
// went wrong, so a fuzz target can report it and a test can assert on it.

#include "number_format.h"

#include <string>
#include <string_view>

namespace fuzz {

// IsNumber and TextToDouble agree: a text that IsNumber accepts reads to a
// finite value without an error, any other text raises UnreadableText.
std::string CheckTextReading(std::string_view text, const runtime::NumberFormat &format);

// IsNumber and TextToDouble follow the decimal-mark rule, checked against a
// reading of the text that first cuts it into digit runs and marks and only
// then decides what each mark is, ending in std::from_chars.
std::string CheckDecimalMarks(std::string_view text, const runtime::NumberFormat &format);

// RoundScaledDecimals of a finite x raises nothing unless the scaled value
// leaves the range, and moves x x 10^powerOfTen by at most half a unit of the
// last decimal kept (plus the 15-digit rounding of x).
std::string CheckScaledRounding(double x, int powerOfTen, int decimals);

// DoubleToText of a finite x reads back as RoundToSignificant15(x)
// and has the exact shape: optional "-", digits, no trailing zeros or
// separator, at most 15 significant digits, exponent form ("E", sign, at
// least two digits) exactly when the decimal exponent is below -4 or above 14.
std::string CheckDoubleWriting(double x, const runtime::NumberFormat &format);

// The shape alone: whether `text` is written as DoubleToText must write x.
std::string CheckWrittenShape(std::string_view text, double x, const runtime::NumberFormat &format);

// RoundDecimals of a finite x raises nothing, moves x by at most half a unit
// of the last decimal kept, and returns x unchanged when it has no such
// decimals to round.
std::string CheckRounding(double x, int decimals);

// x rounded to 15 significant digits, computed with the C library; where that
// would overflow, the largest 15-digit value below the largest double.
double RoundToSignificant15(double x);

} // namespace fuzz
