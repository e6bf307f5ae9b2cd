// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <utility>

namespace window {

// Gives a variable a value for as long as it lives and puts the earlier one
// back however the scope is left, an exception included.
template<class T> class ScopedValue {
public:
    ScopedValue(T &variable, T value)
        : m_variable(variable)
        , m_earlier(std::exchange(variable, std::move(value))) {}
    ~ScopedValue() { m_variable = std::move(m_earlier); }
    ScopedValue(const ScopedValue &) = delete;
    ScopedValue &operator=(const ScopedValue &) = delete;

private:
    T &m_variable;
    T m_earlier;
};

} // namespace window
