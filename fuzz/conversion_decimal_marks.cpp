// SPDX-License-Identifier: GPL-3.0-or-later
// An independent reading of a number text in a locale, for the fuzz target:
// the text is cut into digit runs and marks first, then each mark is given
// its role, then std::from_chars reads the plain text that results.
#include "conversion_properties.h"

#include "conversions.h"
#include "runtime_error.h"
#include "value_characters.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace fuzz {
namespace {

// A mark between digit runs, as written in the text.
struct Piece {
    std::string digits;    // the digit run before the mark
    std::string_view mark; // empty after the last run
};

// What the oracle makes of a text: a value, or nothing for a non-number.
std::optional<double> OracleRead(std::string_view text, const runtime::NumberFormat &format) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    bool negative = false;
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) {
        negative = text[0] == '-';
        text.remove_prefix(1);
    }

    // Every text that may stand between digits in this locale.
    std::vector<std::string_view> marks = {".", ","};
    if (!format.decimal.empty())
        marks.push_back(format.decimal);
    const auto &spaces = runtime::kValueBlanks;
    const bool spaceGroups = std::find(spaces.begin(), spaces.end(), format.group) != spaces.end();
    if (spaceGroups)
        marks.insert(marks.end(), spaces.begin(), spaces.end());
    else if (!format.group.empty())
        marks.push_back(format.group);

    std::vector<Piece> pieces(1);
    std::size_t i = 0;
    while (i < text.size() && text[i] != 'e' && text[i] != 'E') {
        if (text[i] >= '0' && text[i] <= '9') {
            pieces.back().digits += text[i++];
            continue;
        }
        std::string_view found;
        for (std::string_view m : marks) // the longest mark that matches
            if (text.substr(i).starts_with(m) && m.size() > found.size())
                found = m;
        if (found.empty())
            return std::nullopt;
        if (format.decimal.size() > 0 && text.substr(i).starts_with(format.decimal))
            found = format.decimal; // the decimal separator wins
        pieces.back().mark = found;
        pieces.push_back({});
        i += found.size();
    }
    std::string_view exponent = text.substr(i);

    // Roles: the locale's decimal separator, and a "." or "," that the
    // locale does not group with, are decimal; the rest group.
    const auto isDecimal = [&](std::string_view m) {
        return m == format.decimal || ((m == "." || m == ",") && m != format.group);
    };
    std::size_t decimals = 0;
    std::size_t firstDecimal = pieces.size() - 1;
    for (std::size_t k = 0; k + 1 < pieces.size(); ++k) {
        if (isDecimal(pieces[k].mark)) {
            ++decimals;
            firstDecimal = std::min(firstDecimal, k);
        }
    }
    if (decimals > 1 || (decimals == 1 && firstDecimal + 2 != pieces.size()))
        return std::nullopt; // two decimal marks, or a mark after the decimal one

    // Group marks stand in pieces[0 .. groups); the runs between them are
    // pieces[0 .. groups].
    const std::size_t groups = decimals == 1 ? firstDecimal : pieces.size() - 1;
    std::string integer;
    std::string fraction = decimals == 1 ? pieces.back().digits : "";
    bool right = true;
    for (std::size_t k = 0; k <= groups; ++k) {
        const std::string &run = pieces[k].digits;
        right =
            right && (k == 0 ? !run.empty() && run.size() <= 3 && run[0] != '0' : run.size() == 3);
        integer += run;
    }
    if (groups > 0 && !right) {
        const std::string_view mark = pieces[0].mark;
        const bool either = (mark == "." || mark == ",") && mark == format.group;
        if (groups != 1 || decimals != 0 || !either)
            return std::nullopt;
        integer = pieces[0].digits; // the lone mark is the decimal one
        fraction = pieces[1].digits;
    }
    if (integer.empty() && fraction.empty())
        return std::nullopt;

    std::string plain =
        (negative ? "-" : "") + (integer.empty() ? "0" : integer) + "." + fraction + "0";
    if (!exponent.empty()) {
        std::string_view digits = exponent.substr(1);
        if (!digits.empty() && (digits[0] == '+' || digits[0] == '-'))
            digits.remove_prefix(1);
        if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
            return std::nullopt;
        plain += "e";
        plain += exponent.substr(1);
    }
    double value = 0;
    const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (end != plain.data() + plain.size())
        return std::nullopt;
    if (ec == std::errc::result_out_of_range) {
        // Either side of the range: a huge value is no number, a tiny one 0.
        double probe = 0;
        std::sscanf(plain.c_str(), "%lf", &probe);
        if (std::isinf(probe))
            return std::nullopt;
        return negative ? -0.0 : 0.0;
    }
    return value;
}

} // namespace

std::string CheckDecimalMarks(std::string_view text, const runtime::NumberFormat &format) {
    const auto expected = OracleRead(text, format);
    const bool number = runtime::IsNumber(text, format);
    if (number != expected.has_value())
        return std::string("IsNumber says ") + (number ? "number" : "no number") + " for \"" +
               std::string(text) + "\", the reading by runs and marks the opposite";
    if (!expected)
        return {};
    const double value = runtime::TextToDouble(text, format);
    if (value != *expected || std::signbit(value) != std::signbit(*expected))
        return "TextToDouble(\"" + std::string(text) + "\") = " + std::to_string(value) +
               ", the reading by runs and marks " + std::to_string(*expected);
    return {};
}

} // namespace fuzz
