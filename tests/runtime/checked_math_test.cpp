// SPDX-License-Identifier: GPL-3.0-or-later
// Checked arithmetic and the error type.

#include "checked_math.h"
#include "runtime_error.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cstring>
#include <limits>
#include <optional>
#include <string>
#include <vector>

namespace {

using runtime::ErrorKind;

enum class Op { Add, Mul, Div };

double Apply(Op op, double a, double b) {
    switch (op) {
    case Op::Add:
        return runtime::Add(a, b);
    case Op::Mul:
        return runtime::Mul(a, b);
    case Op::Div:
        return runtime::Div(a, b);
    }
    return 0;
}

const char *OpName(Op op) {
    switch (op) {
    case Op::Add:
        return "Add";
    case Op::Mul:
        return "Mul";
    case Op::Div:
        return "Div";
    }
    return "?";
}

// Either a result or the kind of error raised.
struct MathCase {
    Op op;
    double a;
    double b;
    std::optional<double> result;
    std::optional<ErrorKind> error;
};

MathCase Gives(Op op, double a, double b, double result) {
    return {op, a, b, result, {}};
}
MathCase Raises(Op op, double a, double b, ErrorKind kind) {
    return {op, a, b, {}, kind};
}

TEST(CheckedMathTest, ResultsAndErrors) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<MathCase> cases = {
        Gives(Op::Add, 1, 2, 3),
        Gives(Op::Add, 0.1, 0.2, 0.30000000000000004),
        Gives(Op::Mul, 3, 0.5, 1.5),
        Gives(Op::Div, 1, 4, 0.25),
        Gives(Op::Div, 1, 3, 1.0 / 3),
        Gives(Op::Add, DBL_MAX, 1, DBL_MAX), // rounding raises nothing
        Gives(Op::Mul, 1e-200, 1e-200, 0),   // underflow raises nothing
        Gives(Op::Div, 5e-324, 2, 0),
        Gives(Op::Mul, DBL_MIN, 0.5, DBL_MIN / 2), // a subnormal result
        Gives(Op::Div, 0, 5, 0),
        Gives(Op::Mul, DBL_MAX, 1, DBL_MAX),
        // Overflow of finite operands.
        Raises(Op::Add, DBL_MAX, DBL_MAX, ErrorKind::Overflow),
        Raises(Op::Mul, 1e200, 1e200, ErrorKind::Overflow),
        Raises(Op::Mul, -1e200, 1e200, ErrorKind::Overflow),
        Raises(Op::Div, 1e308, 1e-10, ErrorKind::Overflow),
        Raises(Op::Div, 1, 5e-324, ErrorKind::Overflow),
        // A zero divisor, whatever the dividend.
        Raises(Op::Div, 1, 0, ErrorKind::DivisionByZero),
        Raises(Op::Div, -1, 0, ErrorKind::DivisionByZero),
        Raises(Op::Div, 1, -0.0, ErrorKind::DivisionByZero),
        Raises(Op::Div, 0, 0, ErrorKind::DivisionByZero),
        Raises(Op::Div, nan, 0, ErrorKind::DivisionByZero),
        Raises(Op::Div, inf, 0, ErrorKind::DivisionByZero),
        // Operands that are not finite.
        Raises(Op::Add, nan, 1, ErrorKind::InvalidOperation),
        Raises(Op::Mul, inf, nan, ErrorKind::InvalidOperation),
        Raises(Op::Div, nan, 2, ErrorKind::InvalidOperation),
        Raises(Op::Add, inf, 1, ErrorKind::Overflow),
        Raises(Op::Mul, inf, 0, ErrorKind::Overflow),
        Raises(Op::Mul, 2, -inf, ErrorKind::Overflow),
        Raises(Op::Div, inf, inf, ErrorKind::Overflow),
        Raises(Op::Div, 1, inf, ErrorKind::Overflow),
    };
    for (const MathCase &c : cases) {
        SCOPED_TRACE(testing::Message() << OpName(c.op) << "(" << c.a << ", " << c.b << ")");
        if (c.result) {
            double actual = 0;
            ASSERT_NO_THROW(actual = Apply(c.op, c.a, c.b));
            EXPECT_EQ(actual, *c.result);
        } else {
            try {
                Apply(c.op, c.a, c.b);
                ADD_FAILURE() << "no error raised";
            } catch (const runtime::RuntimeError &error) {
                EXPECT_EQ(error.kind(), *c.error)
                    << error.what() << " instead of " << runtime::ErrorKindName(*c.error);
            }
        }
    }
}

TEST(RuntimeErrorTest, NamesAndWhat) {
    struct Case {
        ErrorKind kind;
        const char *name;
    };
    for (const Case &c : {Case{ErrorKind::Overflow, "overflow"},
                          Case{ErrorKind::DivisionByZero, "division by zero"},
                          Case{ErrorKind::InvalidOperation, "invalid operation"},
                          Case{ErrorKind::UnreadableText, "unreadable text"}}) {
        EXPECT_STREQ(runtime::ErrorKindName(c.kind), c.name);
        const runtime::RuntimeError error(c.kind);
        EXPECT_EQ(error.kind(), c.kind);
        EXPECT_STREQ(error.what(), c.name);
        const std::runtime_error &base = error; // catchable as a standard error
        EXPECT_STREQ(base.what(), c.name);
    }
}

} // namespace
