// SPDX-License-Identifier: GPL-3.0-or-later
// The marks printed after a rating and before a tolerance.
#include "rating_marks.h"

#include "value_characters.h"

#include <cctype>

namespace window {
namespace {

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

} // namespace

std::optional<KindMark> SplitKindMark(std::string_view text) {
    std::optional<calc::RatingKind> kind;
    std::size_t length = 0;
    if (text.ends_with("~")) {
        kind = calc::RatingKind::AlternatingRms;
        length = 1;
    } else if (text.ends_with("=")) {
        kind = calc::RatingKind::DirectPeak;
        length = 1;
    } else if (text.size() >= 2 && Upper(text.back()) == 'C') {
        const char first = Upper(text[text.size() - 2]);
        if (first == 'A')
            kind = calc::RatingKind::AlternatingRms;
        else if (first == 'D')
            kind = calc::RatingKind::DirectPeak;
        length = 2;
    }
    if (!kind)
        return std::nullopt;
    const std::string_view value = runtime::TrimEndBlanks(text.substr(0, text.size() - length));
    if (value.empty() || !std::isalnum(static_cast<unsigned char>(value.back())))
        return std::nullopt;
    return KindMark{std::string(value), *kind};
}

std::optional<KindKey> ReadKindKey(std::string_view key, char pending) {
    if (key == "~")
        return KindKey{calc::RatingKind::AlternatingRms};
    if (key == "=")
        return KindKey{calc::RatingKind::DirectPeak};
    if (key.size() != 1)
        return std::nullopt;
    const char c = Upper(key[0]);
    if (c == 'A' || c == 'D')
        return KindKey{std::nullopt, c};
    if (c == 'C' && pending != 0)
        return KindKey{pending == 'A' ? calc::RatingKind::AlternatingRms
                                      : calc::RatingKind::DirectPeak};
    return std::nullopt;
}

std::string WithoutPlusMinus(std::string_view text) {
    for (const std::string_view sign : {"\u00B1", "+/-", "+-"}) {
        if (text.starts_with(sign))
            return std::string(runtime::TrimStartBlanks(text.substr(sign.size())));
    }
    return std::string(text);
}

} // namespace window
