// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace runtime {

// Arithmetic that raises RuntimeError on an overflow to infinity
// (ErrorKind::Overflow), a zero divisor (ErrorKind::DivisionByZero) or a
// result that is not a number (ErrorKind::InvalidOperation). Underflow and
// rounding raise nothing.
double Add(double a, double b);
double Mul(double a, double b);
double Div(double a, double b);

// x itself when it is finite; otherwise raises InvalidOperation for NaN and
// Overflow for an infinity.
double CheckFinite(double x);

} // namespace runtime
