// SPDX-License-Identifier: GPL-3.0-or-later
#include "checked_math.h"

#include "runtime_error.h"

#include <cmath>

namespace runtime {

namespace {

// An operand that is not finite: NaN is an invalid operation, an infinity an
// overflow (it can only stem from an earlier overflow).
void CheckOperands(double a, double b) {
    if (std::isnan(a) || std::isnan(b)) {
        throw RuntimeError(ErrorKind::InvalidOperation);
    }
    CheckFinite(a);
    CheckFinite(b);
}

} // namespace

double CheckFinite(double x) {
    if (std::isnan(x)) {
        throw RuntimeError(ErrorKind::InvalidOperation);
    }
    if (std::isinf(x)) {
        throw RuntimeError(ErrorKind::Overflow);
    }
    return x;
}

double Add(double a, double b) {
    CheckOperands(a, b);
    return CheckFinite(a + b);
}

double Mul(double a, double b) {
    CheckOperands(a, b);
    return CheckFinite(a * b);
}

double Div(double a, double b) {
    // A zero divisor wins over every dividend, NaN and infinity included.
    if (b == 0.0) {
        throw RuntimeError(ErrorKind::DivisionByZero);
    }
    CheckOperands(a, b);
    return CheckFinite(a / b);
}

} // namespace runtime
