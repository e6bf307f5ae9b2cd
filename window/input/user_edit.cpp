// SPDX-License-Identifier: GPL-3.0-or-later
#include "user_edit.h"

#include <algorithm>
#include <array>

namespace window {
namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Text copied from a spreadsheet cell or a web page carries blanks and line
// breaks around it.
constexpr std::array<std::string_view, 8> kBlanks = {" ",  "\t", "\n",     "\r",
                                                     "\v", "\f", "\u00A0", "\u202F"};

// Bytes of the blank that `text` starts with, or ends with; 0 for none.
std::size_t BlankLength(std::string_view text, bool atEnd) {
    for (const std::string_view blank : kBlanks) {
        if (atEnd ? text.ends_with(blank) : text.starts_with(blank))
            return blank.size();
    }
    return 0;
}

// C0 controls, DEL and the C1 controls (U+0080 to U+009F, two bytes in UTF-8).
std::size_t ControlLength(std::string_view text, std::size_t at) {
    const auto c = static_cast<unsigned char>(text[at]);
    if (c < 0x20 || c == 0x7F)
        return 1;
    if (c == 0xC2 && at + 1 < text.size() && static_cast<unsigned char>(text[at + 1]) <= 0x9F)
        return 2;
    return 0;
}

} // namespace

std::size_t CharacterCount(std::string_view utf8) {
    return static_cast<std::size_t>(
        std::ranges::count_if(utf8, [](char c) { return !IsContinuationByte(c); }) +
        (!utf8.empty() && IsContinuationByte(utf8.front()) ? 1 : 0));
}

std::size_t ByteOffset(std::string_view utf8, std::size_t characters) {
    std::size_t i = 0;
    for (std::size_t n = 0; n < characters && i < utf8.size(); ++n) {
        ++i;
        while (i < utf8.size() && IsContinuationByte(utf8[i]))
            ++i;
    }
    return i;
}

TextEdit ReplaceAll(std::string_view current, std::string text, EditSource source) {
    return {0, CharacterCount(current), std::move(text), source};
}

std::string TrimPasted(std::string_view text) {
    while (const std::size_t length = BlankLength(text, false))
        text.remove_prefix(length);
    while (const std::size_t length = BlankLength(text, true))
        text.remove_suffix(length);
    return std::string(text);
}

bool HasControlCharacter(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (ControlLength(text, i) > 0)
            return true;
    }
    return false;
}

std::string WithoutControlCharacters(std::string_view text) {
    std::string kept;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (const std::size_t length = ControlLength(text, i))
            i += length - 1;
        else
            kept += text[i];
    }
    return kept;
}

std::string Applied(std::string_view current, const TextEdit &edit) {
    const std::size_t from = ByteOffset(current, edit.from);
    const std::size_t to = ByteOffset(current, edit.from + edit.removed);
    std::string text(current.substr(0, from));
    text += edit.inserted;
    text += current.substr(to);
    return text;
}

} // namespace window
