// SPDX-License-Identifier: GPL-3.0-or-later
// Unit letters in the value fields: a letter chooses the field's unit, and
// between digits it also stands for the decimal separator (the RKM code).
#include "unit_notation.h"

#include "user_edit.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <span>
#include <vector>

namespace window {
namespace {

struct UnitLetter {
    std::string_view letter;
    std::string_view unit;
    bool prefix; // may be followed by the base unit's letter
};

constexpr std::array<UnitLetter, 8> kCapacitanceLetters = {{
    {"p", "pF", true},
    {"P", "pF", true},
    {"n", "nF", true},
    {"N", "nF", true},
    {"u", "uF", true},
    {"U", "uF", true},
    {"\u00B5", "uF", true}, // micro sign
    {"\u03BC", "uF", true}, // Greek small mu
}};

constexpr std::array<UnitLetter, 9> kVoltageLetters = {{
    {"u", "uV", true},
    {"U", "uV", true},
    {"\u00B5", "uV", true},
    {"\u03BC", "uV", true},
    {"m", "mV", true},
    {"k", "kV", true},
    {"K", "kV", true},
    {"v", "V", false},
    {"V", "V", false},
}};

bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}
bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
// The base unit's letter, in either case: "nF", "kv".
bool IsBaseLetter(UnitKind kind, char c) {
    return std::toupper(static_cast<unsigned char>(c)) ==
           (kind == UnitKind::Capacitance ? 'F' : 'V');
}

struct Token {
    std::size_t begin; // bytes
    std::size_t end;
    std::string_view unit;
};

std::vector<Token> FindUnits(UnitKind kind, std::string_view text) {
    const std::span<const UnitLetter> letters =
        kind == UnitKind::Capacitance ? std::span<const UnitLetter>(kCapacitanceLetters)
                                      : std::span<const UnitLetter>(kVoltageLetters);
    std::vector<Token> tokens;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto matches = [&](const UnitLetter &u) {
            return text.substr(i).starts_with(u.letter);
        };
        const auto it = std::ranges::find_if(letters, matches);
        if (it == letters.end())
            continue;
        std::size_t end = i + it->letter.size();
        if (it->prefix && end < text.size() && IsBaseLetter(kind, text[end]))
            ++end;
        tokens.push_back({i, end, it->unit});
        i = end - 1;
    }
    return tokens;
}

std::size_t ByteOffset(std::string_view text, std::size_t characters) {
    std::size_t i = 0;
    for (std::size_t n = 0; n < characters && i < text.size(); ++n) {
        ++i;
        while (i < text.size() && (static_cast<unsigned char>(text[i]) & 0xC0) == 0x80)
            ++i;
    }
    return i;
}

// Three digits and no fourth: how the locale's group separator is followed.
bool IsGroupAt(std::string_view text, std::size_t at) {
    std::size_t digits = 0;
    while (at + digits < text.size() && IsDigit(text[at + digits]))
        ++digits;
    return digits == 3;
}

// Whether the number around a unit has a decimal separator. The one decimal
// mark of a value written elsewhere ("4,7 nF" in English) becomes the
// locale's; a mark that groups thousands in this locale stays.
bool HasDecimalSeparator(std::string &left, std::string &right,
                         const runtime::NumberFormat &format) {
    const auto contains = [](const std::string &s, std::string_view part) {
        return s.find(part) != std::string::npos;
    };
    if (contains(left, format.decimal) || contains(right, format.decimal))
        return true;
    for (const char mark : {'.', ','}) {
        const std::string markText(1, mark);
        const auto count = std::ranges::count(left, mark) + std::ranges::count(right, mark);
        if (markText == format.decimal || count != 1)
            continue;
        std::string &part = contains(left, markText) ? left : right;
        const std::size_t at = part.find(mark);
        if (markText == format.group && IsGroupAt(part, at + 1))
            return false;
        part.replace(at, 1, format.decimal);
        return true;
    }
    return false;
}

// Whether nothing but a number's characters is left once the unit is out:
// another letter keeps the window's own rule.
bool IsNumberLike(std::string text, const runtime::NumberFormat &format) {
    for (const std::string &separator : {format.group, format.decimal}) {
        for (std::size_t at = text.find(separator); !separator.empty() && at != std::string::npos;
             at = text.find(separator))
            text.erase(at, separator.size());
    }
    return std::ranges::all_of(text, [](char c) {
        return IsDigit(c) || IsBlank(c) ||
               std::string_view("+-.,eE").find(c) != std::string_view::npos;
    });
}

} // namespace

std::optional<NotationEdit> ApplyUnitNotation(UnitKind kind, std::string_view current,
                                              std::string_view proposed, std::size_t caret,
                                              bool decimalsFollow,
                                              const runtime::NumberFormat &format) {
    const std::size_t count = CharacterCount(proposed);
    caret = std::min(caret, count);

    // A key typed at the end right after a unit letter that followed the digits.
    if (decimalsFollow && caret == count && proposed.size() == current.size() + 1 &&
        proposed.starts_with(current)) {
        const char key = proposed.back();
        if (IsDigit(key))
            return NotationEdit{std::string(current) + format.decimal + key,
                                caret + CharacterCount(format.decimal), "", false};
        if (IsBaseLetter(kind, key))
            return NotationEdit{std::string(current), caret - 1, "", true};
    }

    const std::vector<Token> tokens = FindUnits(kind, proposed);
    if (tokens.size() != 1)
        return std::nullopt;
    const Token &token = tokens.front();
    std::size_t leftEnd = token.begin;
    while (leftEnd > 0 && IsBlank(proposed[leftEnd - 1]))
        --leftEnd;
    std::size_t rightBegin = token.end;
    while (rightBegin < proposed.size() && IsBlank(proposed[rightBegin]))
        ++rightBegin;

    std::string left(proposed.substr(0, leftEnd));
    std::string right(proposed.substr(rightBegin));
    if (!IsNumberLike(left + right, format))
        return std::nullopt;
    const bool hasSeparator = HasDecimalSeparator(left, right, format);
    const bool digitBefore = !left.empty() && IsDigit(left.back());
    const std::size_t caretByte = ByteOffset(proposed, caret);

    NotationEdit edit;
    edit.unit = token.unit;
    std::size_t added = 0;
    if (!hasSeparator && digitBefore && !right.empty() && IsDigit(right.front())) {
        left += format.decimal;
        added = CharacterCount(format.decimal);
    } else {
        edit.decimalsFollow =
            !hasSeparator && digitBefore && right.empty() && caretByte >= token.end;
    }
    const std::size_t removed = CharacterCount(proposed.substr(leftEnd, rightBegin - leftEnd));
    if (caretByte <= leftEnd)
        edit.caret = caret;
    else if (caretByte >= rightBegin)
        edit.caret = caret - removed + added;
    else
        edit.caret = CharacterCount(left);
    edit.text = left + right;
    return edit;
}

} // namespace window
