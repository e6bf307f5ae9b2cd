// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Names for parameterized test cases made from a text: letters and digits
// stay, "." and " " become "_", "+" "p", "-" "m", anything else "x". A long
// text keeps its first 40 characters, so that a list of tests stays readable.
#include <gtest/gtest.h>

#include <cctype>
#include <charconv>
#include <string>
#include <string_view>

namespace test_support {

inline std::string ParamName(std::string_view text) {
    constexpr std::size_t kLongest = 40;
    std::string name;
    for (const char c : text.substr(0, kLongest)) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
        else if (c == '.' || c == ' ')
            name += '_';
        else if (c == '+')
            name += 'p';
        else if (c == '-')
            name += 'm';
        else
            name += 'x';
    }
    return name.empty() ? "empty" : name;
}

// The shortest text that reads back as x.
inline std::string Shortest(double x) {
    char buffer[32];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, x);
    return std::string(buffer, result.ptr);
}

// A name generator: the case as its PrintTo writes it.
struct PrintedName {
    template<class T> std::string operator()(const ::testing::TestParamInfo<T> &info) const {
        return ParamName(::testing::PrintToString(info.param));
    }
};

} // namespace test_support
