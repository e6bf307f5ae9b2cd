// Reading numbers in the user's locale: IsNumber and TextToDouble.

#include "conversions.h"

#include "decimal_value.h"
#include "runtime_error.h"

#include <optional>

namespace runtime {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}
bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

bool StartsWithAt(std::string_view text, std::size_t at, std::string_view prefix) {
    return !prefix.empty() && text.substr(at, prefix.size()) == prefix;
}

// A no-break space (U+00A0) or narrow no-break space (U+202F) as the group
// separator also admits an ordinary space, which is what a user can type.
bool GroupAdmitsSpace(std::string_view group) {
    return group == "\u00A0" || group == "\u202F";
}

// Reads the whole text as a number of the locale; nothing when it is not one.
// Syntax: blanks* sign? integer (decimal fraction?)? exponent? blanks*, with
// at least one digit in integer or fraction. The integer part may be grouped
// strictly: first group 1-3 digits, every later group exactly 3 digits.
std::optional<detail::DecimalParts> ReadLocaleNumber(std::string_view text,
                                                     const NumberFormat &format) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) {
        ++begin;
    }
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    text = text.substr(begin, end - begin);

    detail::DecimalParts parts;
    std::size_t i = 0;
    const std::size_t n = text.size();
    if (i < n && (text[i] == '+' || text[i] == '-')) {
        parts.negative = text[i] == '-';
        ++i;
    }

    // Integer part, with strict grouping.
    const std::string_view group = format.group;
    const std::string_view decimal = format.decimal;
    const bool spaceGroups = GroupAdmitsSpace(group);
    bool grouped = false;
    std::size_t groupLength = 0; // digits since the start or the last separator
    while (i < n) {
        if (IsDigit(text[i])) {
            parts.integerDigits += text[i];
            ++groupLength;
            ++i;
            continue;
        }
        if (StartsWithAt(text, i, decimal)) {
            break; // the decimal separator wins should the two overlap
        }
        std::size_t separatorLength = 0;
        if (StartsWithAt(text, i, group)) {
            separatorLength = group.size();
        } else if (spaceGroups && text[i] == ' ') {
            separatorLength = 1;
        } else {
            break;
        }
        const bool groupOk = grouped ? groupLength == 3 : (groupLength >= 1 && groupLength <= 3);
        if (!groupOk) {
            return std::nullopt;
        }
        grouped = true;
        groupLength = 0;
        i += separatorLength;
    }
    if (grouped && groupLength != 3) {
        return std::nullopt; // "1,", "1,00", "1,0000"
    }

    // Fraction, after at most one decimal separator.
    if (StartsWithAt(text, i, decimal)) {
        i += decimal.size();
        while (i < n && IsDigit(text[i])) {
            parts.fractionDigits += text[i];
            ++i;
        }
    }
    if (parts.integerDigits.empty() && parts.fractionDigits.empty()) {
        return std::nullopt; // "", "-", ".", "-.", "e5"
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
            return std::nullopt; // "1e", "1e-", "1e+x"
        }
        long long exponent = 0;
        while (i < n && IsDigit(text[i])) {
            exponent = detail::AppendExponentDigit(exponent, text[i]);
            ++i;
        }
        parts.exponent = negativeExponent ? -exponent : exponent;
    }

    if (i != n) {
        return std::nullopt; // anything else: a letter, a blank inside, a second separator
    }
    return parts;
}

// The value of a locale number, or nothing when the text is not one or its
// magnitude overflows a double.
std::optional<double> ReadValue(std::string_view text, const NumberFormat &format) {
    const auto parts = ReadLocaleNumber(text, format);
    if (!parts) {
        return std::nullopt;
    }
    const auto result = detail::DecimalToDouble(*parts);
    if (result.status != detail::DecimalStatus::Ok) {
        return std::nullopt;
    }
    return result.value;
}

} // namespace

bool IsNumber(std::string_view text, const NumberFormat &format) {
    return ReadValue(text, format).has_value();
}

double TextToDouble(std::string_view text, const NumberFormat &format) {
    const auto value = ReadValue(text, format);
    if (!value) {
        throw RuntimeError(ErrorKind::UnreadableText);
    }
    return *value;
}

bool TextEquals(std::string_view a, std::string_view b) {
    return a == b;
}

} // namespace runtime
