// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Texts of numbers in the runtime tests' locales.

#include "locale_formats.h"

#include <ostream>
#include <string>

namespace runtime_test {

// The text with every "." replaced by the locale's decimal separator, so that
// one expected English text serves every locale.
inline std::string Localized(const std::string &english, const runtime::NumberFormat &format) {
    std::string text;
    for (char c : english) {
        if (c == '.') {
            text += format.decimal;
        } else {
            text += c;
        }
    }
    return text;
}

// Readable form of a text for failure messages: bytes outside printable ASCII
// as \xNN.
inline std::string Visible(const std::string &text) {
    static const char *hex = "0123456789ABCDEF";
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F) {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            out += hex[c >> 4];
            out += hex[c & 0xF];
        }
    }
    return out + "\"";
}

} // namespace runtime_test
