// SPDX-License-Identifier: GPL-3.0-or-later
#include "user_edit.h"

#include "value_characters.h"

#include <algorithm>
#include <array>
#include <cstdio>

namespace window {
namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Text copied from a spreadsheet cell or a web page carries blanks, tabs and
// line breaks around it.
constexpr std::string_view kLineBlanks = "\t\n\r\v\f";

// Bytes of the blank that `text` starts with, or ends with; 0 for none.
std::size_t BlankLength(std::string_view text, bool atEnd) {
    if (text.empty())
        return 0;
    if (kLineBlanks.find(atEnd ? text.back() : text.front()) != std::string_view::npos)
        return 1;
    for (const std::string_view blank : runtime::kValueBlanks) {
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

// The code point of one UTF-8 character; a stray byte stands for itself.
char32_t CodePoint(std::string_view c) {
    const auto byte = [&c](std::size_t i) { return static_cast<unsigned char>(c[i]); };
    switch (c.size()) {
    case 2:
        return ((byte(0) & 0x1Fu) << 6) | (byte(1) & 0x3Fu);
    case 3:
        return ((byte(0) & 0x0Fu) << 12) | ((byte(1) & 0x3Fu) << 6) | (byte(2) & 0x3Fu);
    case 4:
        return ((byte(0) & 0x07u) << 18) | ((byte(1) & 0x3Fu) << 12) | ((byte(2) & 0x3Fu) << 6) |
               (byte(3) & 0x3Fu);
    default:
        return byte(0);
    }
}

// Controls, and the format characters and separators that show nothing.
bool ShowsNothing(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F) || c == 0xAD || c == 0x34F || c == 0x61C ||
           c == 0x180E || (c >= 0x200B && c <= 0x200F) || (c >= 0x2028 && c <= 0x202E) ||
           (c >= 0x2060 && c <= 0x206F) || c == 0xFEFF || (c >= 0xFFF0 && c <= 0xFFFB) ||
           (c >= 0xE0000 && c <= 0xE007F);
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

std::string WithoutInvisibleMarks(std::string_view text) {
    static constexpr std::array<std::string_view, 6> kInvisible = {"\u200B", "\u200C", "\u200D",
                                                                   "\u2060", "\u00AD", "\uFEFF"};
    std::string kept;
    for (std::size_t i = 0; i < text.size();) {
        std::size_t length = 0;
        for (const std::string_view mark : kInvisible) {
            if (text.substr(i).starts_with(mark))
                length = mark.size();
        }
        if (length == 0)
            kept += text[i++];
        else
            i += length;
    }
    return kept;
}

std::string Visible(std::string_view text) {
    std::string shown;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = std::max<std::size_t>(1, ByteOffset(text.substr(i), 1));
        const char32_t code = CodePoint(text.substr(i, length));
        if (ShowsNothing(code)) {
            char hex[16];
            std::snprintf(hex, sizeof hex, "<U+%04X>", static_cast<unsigned>(code));
            shown += hex;
        } else {
            shown.append(text.substr(i, length));
        }
        i += length;
    }
    return shown;
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
