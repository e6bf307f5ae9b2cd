// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

// The characters that a value is written with, beyond its marks.
namespace runtime {

// The blanks that a value may hold: between groups of digits where the
// locale groups with a blank (a user may type any of them), and before its
// unit ("4,7 nF"): a blank, a no-break space and a narrow no-break space.
inline constexpr std::array<std::string_view, 3> kValueBlanks = {" ", "\u00A0", "\u202F"};

constexpr bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Bytes of the value blank that `text` starts with; 0 for none.
constexpr std::size_t BlankLength(std::string_view text) {
    for (const std::string_view blank : kValueBlanks) {
        if (text.starts_with(blank))
            return blank.size();
    }
    return 0;
}

// Whether `text` is one value blank and nothing else.
constexpr bool IsValueBlank(std::string_view text) {
    return !text.empty() && BlankLength(text) == text.size();
}

// `text` without the value blanks it starts with.
constexpr std::string_view TrimStartBlanks(std::string_view text) {
    while (const std::size_t length = BlankLength(text))
        text.remove_prefix(length);
    return text;
}

// `text` without the value blanks it ends with.
constexpr std::string_view TrimEndBlanks(std::string_view text) {
    for (bool trimmed = true; trimmed;) {
        trimmed = false;
        for (const std::string_view blank : kValueBlanks) {
            if (text.ends_with(blank)) {
                text.remove_suffix(blank.size());
                trimmed = true;
            }
        }
    }
    return text;
}

} // namespace runtime
