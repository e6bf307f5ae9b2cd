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
};

// Applies a user's edit to a field that holds `current`. A text widget reports
// an edit as the whole new text with the caret right after what was typed or
// pasted; the edit is recovered from that: the text after the caret is the
// untouched tail, the longest common start is the untouched head, and what lies
// between replaced what lay between in `current`.
//
// With a limit, what the edit inserts is cut to the room left once the
// replaced part is gone; an edit that would insert something where no room is
// left is refused whole. Deleting always works, also in a text longer than the
// limit, which only the program can put there.
EditedText ApplyUserEdit(std::string_view current, std::string_view proposed, std::size_t caret,
                         std::optional<std::size_t> limit);

} // namespace window
