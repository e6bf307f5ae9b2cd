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
    if (std::isinf(a) || std::isinf(b)) {
        throw RuntimeError(ErrorKind::Overflow);
    }
}

double CheckResult(double r) {
    if (std::isnan(r)) {
        throw RuntimeError(ErrorKind::InvalidOperation);
    }
    if (std::isinf(r)) {
        throw RuntimeError(ErrorKind::Overflow);
    }
    return r;
}

} // namespace

double Add(double a, double b) {
    CheckOperands(a, b);
    return CheckResult(a + b);
}

double Sub(double a, double b) {
    CheckOperands(a, b);
    return CheckResult(a - b);
}

double Mul(double a, double b) {
    CheckOperands(a, b);
    return CheckResult(a * b);
}

double Div(double a, double b) {
    // A zero divisor wins over every dividend, NaN and infinity included.
    if (b == 0.0) {
        throw RuntimeError(ErrorKind::DivisionByZero);
    }
    CheckOperands(a, b);
    return CheckResult(a / b);
}

} // namespace runtime
