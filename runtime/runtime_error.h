// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <stdexcept>
#include <string>

namespace runtime {

enum class ErrorKind {
    Overflow,         // a result too large for a double
    DivisionByZero,   // a divisor of zero
    InvalidOperation, // a result that is not a number (NaN)
    UnreadableText,   // a text that is not a number in the locale
};

// The one error type that the conversions and the checked arithmetic raise.
class RuntimeError : public std::runtime_error {
public:
    explicit RuntimeError(ErrorKind kind);
    ErrorKind kind() const noexcept { return m_kind; }

private:
    ErrorKind m_kind;
};

const char *ErrorKindName(ErrorKind kind);

} // namespace runtime
