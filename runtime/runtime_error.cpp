// SPDX-License-Identifier: GPL-3.0-or-later
#include "runtime_error.h"

namespace runtime {

RuntimeError::RuntimeError(ErrorKind kind)
    : std::runtime_error(ErrorKindName(kind))
    , m_kind(kind) {}

const char *ErrorKindName(ErrorKind kind) {
    switch (kind) {
    case ErrorKind::Overflow:
        return "overflow";
    case ErrorKind::DivisionByZero:
        return "division by zero";
    case ErrorKind::InvalidOperation:
        return "invalid operation";
    case ErrorKind::UnreadableText:
        return "unreadable text";
    }
    return "unknown error";
}

} // namespace runtime
