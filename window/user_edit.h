// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace window {

// Number of characters (Unicode code points) of a UTF-8 text.
std::size_t CharacterCount(std::string_view utf8);

struct EditedText {
    std::string text;
    std::size_t caret = 0; // in characters
    bool changed = false;
    // A paste too long for the field is refused whole: the text stays as it
    // was, and `caret` with `selected` give back the selection it was pasted
    // over (`selected` characters from `caret` on; none for a bare caret).
    bool pasteRefused = false;
    std::size_t selected = 0;
};

// Applies a user's edit to a field that holds `current`. A text widget reports
// an edit as the whole new text with the caret right after what was typed or
// pasted; the edit is recovered from that: the text after the caret is the
// untouched tail, the longest common start is the untouched head, and what lies
// between replaced what lay between in `current`.
//
// Typing inserts one character at a time; an edit that inserts more is a
// paste (or a drop). The edit then goes through these steps:
//  1. Blanks, tabs and line breaks around a pasted text are dropped.
//  2. With a limit, what the edit inserts must fit in the room left once the
//     replaced part is gone. A typed character that does not fit is refused;
//     a paste that does not fit is refused whole and says so. Deleting always
//     works, also in a text longer than the limit, which only the program can
//     put there.
EditedText ApplyUserEdit(std::string_view current, std::string_view proposed, std::size_t caret,
                         std::optional<std::size_t> limit);

} // namespace window
