#pragma once

// Names for parameterized test cases made from a value's text: letters and
// digits stay, "." becomes "_", "+" "p", "-" "m", anything else "x".
#include <cctype>
#include <string>
#include <string_view>

namespace test_support {

inline std::string ParamName(std::string_view text) {
    std::string name;
    for (const char c : text) {
        if (std::isalnum(static_cast<unsigned char>(c)))
            name += c;
        else if (c == '.')
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

} // namespace test_support
