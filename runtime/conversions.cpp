// SPDX-License-Identifier: GPL-3.0-or-later
// Reading numbers in the user's locale: IsNumber and TextToDouble.

#include "conversions.h"

#include "decimal_value.h"
#include "runtime_error.h"
#include "value_characters.h"

#include <algorithm>
#include <array>
#include <utility>

namespace runtime {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
// Whether `text` starts with the non-empty `prefix`; the first byte decides
// most cases without a call.
bool StartsWith(std::string_view text, std::string_view prefix) {
    return !prefix.empty() && !text.empty() && text[0] == prefix[0] &&
           (prefix.size() == 1 || text.starts_with(prefix));
}

// What a character between digits is: the decimal separator, a group
// separator, or the one of "." and "," that the locale groups with, which is
// a group separator where the grouping is right and a decimal one elsewhere.
enum class Mark { None, Decimal, Group, Either };

class Marks {
public:
    explicit Marks(const NumberFormat &format)
        : m_decimal(format.decimal)
        , m_group(format.group) {}

    // The mark at the start of `rest` and its length in bytes.
    std::pair<Mark, std::size_t> At(std::string_view rest) const {
        if (StartsWith(rest, m_decimal)) {
            return {Mark::Decimal, m_decimal.size()};
        }
        if (rest[0] == '.' || rest[0] == ',') {
            const bool groups = m_group.size() == 1 && m_group[0] == rest[0];
            return {groups ? Mark::Either : Mark::Decimal, 1};
        }
        if (IsValueBlank(m_group)) {
            // Whichever space the locale groups with, a user may type any.
            if (const std::size_t length = BlankLength(rest)) {
                return {Mark::Group, length};
            }
        } else if (StartsWith(rest, m_group)) {
            return {Mark::Group, m_group.size()};
        } else if (m_group == kApostrophe && rest[0] == '\'') {
            return {Mark::Group, 1}; // the apostrophe of a keyboard groups as the locale's own
        }
        return {Mark::None, 0};
    }

private:
    static constexpr std::string_view kApostrophe = "\u2019";

    std::string_view m_decimal;
    std::string_view m_group;
};

// Whether the digit runs between group marks form a right grouping: a first
// run of 1 to 3 digits that does not start with 0, every later run 3 digits.
class Grouping {
public:
    void Run(std::string_view digits) {
        if (m_marks == 0) {
            m_right = !digits.empty() && digits.size() <= 3 && digits[0] != '0';
        } else {
            m_right = m_right && digits.size() == 3;
        }
    }
    void Mark() { ++m_marks; }
    int Marks() const { return m_marks; }
    bool Right() const { return m_marks > 0 && m_right; }

private:
    int m_marks = 0;
    bool m_right = true;
};

// The run of digits that starts `text`.
std::string_view DigitRun(std::string_view text) {
    std::size_t length = 0;
    while (length < text.size() && IsDigit(text[length])) {
        ++length;
    }
    return text.substr(0, length);
}

std::string_view TrimBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && IsBlank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// Reads the whole text as a number of the locale into `number`; false when it
// is not one. Syntax: blanks* sign? mantissa exponent? blanks*, where the
// mantissa has at least one digit and at most one decimal separator, and
// group separators only before it, each where a right grouping puts them.
bool ReadLocaleNumber(std::string_view text, const NumberFormat &format,
                      detail::DecimalNumber &number) {
    text = TrimBlanks(text);
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        number.negative = text[i] == '-';
        ++i;
    }

    // The integer part, up to the first decimal separator or other character.
    const Marks marks(format);
    Grouping grouping;
    auto groupKind = Mark::None;
    long long digitsBeforeFirstMark = 0;
    auto stop = Mark::None;
    while (true) {
        const std::string_view run = DigitRun(text.substr(i));
        number.digits.Add(run);
        grouping.Run(run);
        i += run.size();
        if (i == n) {
            break;
        }
        const auto [mark, length] = marks.At(text.substr(i));
        if (mark == Mark::None || mark == Mark::Decimal) {
            stop = mark;
            break;
        }
        if (grouping.Marks() == 0) {
            digitsBeforeFirstMark = number.digits.Count();
        }
        groupKind = mark;
        grouping.Mark();
        i += length;
    }
    number.pointAt = number.digits.Count();
    if (grouping.Marks() > 0 && !grouping.Right()) {
        // A lone "." or "," that does not group is the decimal separator; a
        // second decimal separator makes it no number.
        if (groupKind != Mark::Either || grouping.Marks() > 1 || stop == Mark::Decimal) {
            return false;
        }
        number.pointAt = digitsBeforeFirstMark;
    } else if (stop == Mark::Decimal) {
        i += marks.At(text.substr(i)).second;
        const std::string_view fraction = DigitRun(text.substr(i));
        number.digits.Add(fraction);
        i += fraction.size();
    }
    if (number.digits.Count() == 0) {
        return false; // "", "-", ".", "-.", "e5"
    }

    // Exponent: e or E, an optional sign, at least one digit.
    if (i < n && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < n && (text[i] == '+' || text[i] == '-')) {
            negativeExponent = text[i] == '-';
            ++i;
        }
        if (i == n || !IsDigit(text[i])) {
            return false; // "1e", "1e-", "1e+x"
        }
        long long exponent = 0;
        while (i < n && IsDigit(text[i])) {
            exponent = detail::AppendExponentDigit(exponent, text[i]);
            ++i;
        }
        number.exponent = negativeExponent ? -exponent : exponent;
    }
    return i == n; // anything else: a letter, a blank inside, a mark after the fraction
}

} // namespace

bool IsNumber(std::string_view text, const NumberFormat &format) {
    detail::DecimalNumber number;
    return ReadLocaleNumber(text, format, number) && !detail::Overflows(number);
}

double TextToDouble(std::string_view text, const NumberFormat &format) {
    detail::DecimalNumber number;
    if (ReadLocaleNumber(text, format, number)) {
        const auto result = detail::DecimalToDouble(number);
        if (result.status == detail::DecimalStatus::Ok) {
            return result.value;
        }
    }
    throw RuntimeError(ErrorKind::UnreadableText);
}

bool TextEquals(std::string_view a, std::string_view b) {
    return a == b;
}

} // namespace runtime
