// SPDX-License-Identifier: GPL-3.0-or-later
#include "caret.h"

namespace view {

std::size_t CaretInCharacters(const QString &text, int utf16Position) {
    std::size_t characters = 0;
    for (int i = 0; i < utf16Position && i < text.size(); ++i) {
        if (!text.at(i).isLowSurrogate())
            ++characters;
    }
    return characters;
}

int CaretInUtf16(const QString &text, std::size_t characters) {
    int i = 0;
    for (std::size_t seen = 0; i < text.size(); ++i) {
        if (text.at(i).isLowSurrogate())
            continue;
        if (seen == characters)
            return i;
        ++seen;
    }
    return static_cast<int>(text.size());
}

} // namespace view
