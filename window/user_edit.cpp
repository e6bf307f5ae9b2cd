// SPDX-License-Identifier: GPL-3.0-or-later
#include "user_edit.h"

#include <algorithm>
#include <array>
#include <vector>

namespace window {
namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

// Byte offsets at which each character starts, plus the end of the text.
std::vector<std::size_t> CharacterStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 0 || !IsContinuationByte(text[i]))
            starts.push_back(i);
    }
    starts.push_back(text.size());
    return starts;
}

class Characters {
public:
    explicit Characters(std::string_view text)
        : m_text(text)
        , m_starts(CharacterStarts(text)) {}

    std::size_t Count() const { return m_starts.size() - 1; }
    std::string_view At(std::size_t i) const { return Slice(i, i + 1); }
    std::string_view Slice(std::size_t from, std::size_t to) const {
        return m_text.substr(m_starts[from], m_starts[to] - m_starts[from]);
    }

private:
    std::string_view m_text;
    std::vector<std::size_t> m_starts;
};

// What an edit did: the characters [head, head + removed) of the old text gave
// way to `inserted`.
struct Edit {
    std::size_t head = 0;
    std::size_t removed = 0;
    std::string inserted;

    bool IsPaste() const { return CharacterCount(inserted) > 1; }
};

Edit RecoverEdit(const Characters &before, const Characters &after, std::size_t caret) {
    const std::size_t oldCount = before.Count();
    const std::size_t newCount = after.Count();
    caret = std::min(caret, newCount);

    // The untouched tail: common to both texts and not reaching before the caret.
    std::size_t tail = 0;
    while (tail < oldCount && tail < newCount - caret &&
           before.At(oldCount - 1 - tail) == after.At(newCount - 1 - tail))
        ++tail;
    // The untouched head, within what the tail leaves.
    std::size_t head = 0;
    while (head < oldCount - tail && head < newCount - tail && before.At(head) == after.At(head))
        ++head;
    return {head, oldCount - tail - head, std::string(after.Slice(head, newCount - tail))};
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

void TrimPaste(Edit &edit) {
    if (!edit.IsPaste())
        return;
    std::string_view text = edit.inserted;
    while (const std::size_t length = BlankLength(text, false))
        text.remove_prefix(length);
    while (const std::size_t length = BlankLength(text, true))
        text.remove_suffix(length);
    edit.inserted = std::string(text);
}

bool FitsLimit(const Edit &edit, std::size_t oldCount, std::optional<std::size_t> limit) {
    if (!limit || edit.inserted.empty())
        return true;
    const std::size_t kept = oldCount - edit.removed;
    return kept + CharacterCount(edit.inserted) <= *limit;
}

} // namespace

std::size_t CharacterCount(std::string_view utf8) {
    return Characters(utf8).Count();
}

EditedText ApplyUserEdit(std::string_view current, std::string_view proposed, std::size_t caret,
                         std::optional<std::size_t> limit) {
    const Characters before(current);
    Edit edit = RecoverEdit(before, Characters(proposed), caret);
    TrimPaste(edit);
    if (!FitsLimit(edit, before.Count(), limit)) {
        EditedText refused{std::string(current), edit.head, false, edit.IsPaste(), 0};
        if (refused.pasteRefused)
            refused.selected = edit.removed;
        return refused;
    }

    EditedText result;
    result.text.append(before.Slice(0, edit.head));
    result.text.append(edit.inserted);
    result.text.append(before.Slice(edit.head + edit.removed, before.Count()));
    result.caret = edit.head + CharacterCount(edit.inserted);
    result.changed = result.text != current;
    return result;
}

} // namespace window
