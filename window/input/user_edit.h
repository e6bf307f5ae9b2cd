// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace window {

// Number of characters (Unicode code points) of a UTF-8 text.
std::size_t CharacterCount(std::string_view utf8);

// Byte offset of the character `characters` of a UTF-8 text (its end if the
// text is shorter).
std::size_t ByteOffset(std::string_view utf8, std::size_t characters);

// How an edit reached a field: typed from the keyboard, or pasted (a paste,
// a drop or a middle click).
enum class EditSource { Typed, Pasted };

// A user's edit of a field as the text widget made it: the characters
// [from, from + removed) of the field's text gave way to `inserted`.
struct TextEdit {
    std::size_t from = 0; // in characters
    std::size_t removed = 0;
    std::string inserted;
    EditSource source = EditSource::Typed;
};

// The edit that replaces the whole of `current` with `text`.
TextEdit ReplaceAll(std::string_view current, std::string text, EditSource source);

// What a paste brings once the blanks, tabs, line breaks, no-break spaces
// and narrow no-break spaces around it are dropped.
std::string TrimPasted(std::string_view text);

// The text without the characters that carry no meaning inside a number
// copied from a web page: zero-width space, joiner and non-joiner, word
// joiner, soft hyphen and byte-order mark ("4\u200B7" is 47).
std::string WithoutInvisibleMarks(std::string_view text);

// The text with every character that shows nothing (a format character, a
// control) written as its code ("<U+200E>"), for a message that quotes it.
std::string Visible(std::string_view text);

// Whether the text holds a control character (a tab, a line break, ...).
bool HasControlCharacter(std::string_view text);
// The text without its control characters: what typing them leaves.
std::string WithoutControlCharacters(std::string_view text);

// `current` with the edit applied, from and removed clamped to the text.
std::string Applied(std::string_view current, const TextEdit &edit);

} // namespace window
