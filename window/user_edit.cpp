#include "user_edit.h"

#include <algorithm>
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

} // namespace

std::size_t CharacterCount(std::string_view utf8) {
    return Characters(utf8).Count();
}

EditedText ApplyUserEdit(std::string_view current, std::string_view proposed, std::size_t caret,
                         std::optional<std::size_t> limit) {
    const Characters before(current);
    const Characters after(proposed);
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

    std::size_t insertedCount = newCount - tail - head;
    if (limit) {
        const std::size_t kept = oldCount - (oldCount - tail - head);
        const std::size_t room = *limit > kept ? *limit - kept : 0;
        if (insertedCount > 0 && room == 0)
            return {std::string(current), head, false};
        insertedCount = std::min(insertedCount, room);
    }

    EditedText result;
    result.text.append(before.Slice(0, head));
    result.text.append(after.Slice(head, head + insertedCount));
    result.text.append(before.Slice(oldCount - tail, oldCount));
    result.caret = head + insertedCount;
    result.changed = result.text != current;
    return result;
}

} // namespace window
