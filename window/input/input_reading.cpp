// SPDX-License-Identifier: GPL-3.0-or-later
#include "input_reading.h"

#include "conversions.h"
#include "value_characters.h"

#include <array>
#include <optional>
#include <vector>

namespace window {
namespace {

using runtime::IsDigit;

// The group marks a user types in a locale that does not group with "." or
// ",": any blank where it groups with one, either apostrophe in de_CH.
std::vector<std::string_view> GroupMarks(const runtime::NumberFormat &format) {
    if (runtime::IsValueBlank(format.group))
        return {runtime::kValueBlanks.begin(), runtime::kValueBlanks.end()};
    if (format.group == "\u2019")
        return {"\u2019", "'"};
    if (format.group.empty())
        return {};
    return {format.group}; // "." or ",": only a second mark shows a group ("1,000,0")
}

// The digits of a whole number whose last group has fewer than three digits
// yet: "1 0", "12 000 5", "-1’00".
std::optional<std::string> GroupInProgress(std::string_view text,
                                           const runtime::NumberFormat &format) {
    const std::vector<std::string_view> marks = GroupMarks(format);
    if (marks.empty())
        return std::nullopt;
    std::string digits;
    if (!text.empty() && (text[0] == '-' || text[0] == '+')) {
        digits += text[0];
        text.remove_prefix(1);
    }
    std::vector<std::size_t> runs{0};
    for (std::size_t i = 0; i < text.size();) {
        if (IsDigit(text[i])) {
            digits += text[i++];
            ++runs.back();
            continue;
        }
        std::size_t length = 0;
        for (const std::string_view mark : marks) {
            if (text.substr(i).starts_with(mark))
                length = mark.size();
        }
        if (length == 0)
            return std::nullopt;
        runs.push_back(0);
        i += length;
    }
    if (runs.size() < 2 || runs.front() == 0 || runs.front() > 3 || runs.back() >= 3)
        return std::nullopt;
    for (std::size_t k = 1; k + 1 < runs.size(); ++k) {
        if (runs[k] != 3)
            return std::nullopt;
    }
    return digits;
}

} // namespace

bool IsInputNumber(std::string_view text, const runtime::NumberFormat &format) {
    return runtime::IsNumber(text, format) || GroupInProgress(text, format).has_value();
}

double InputValue(std::string_view text, const runtime::NumberFormat &format) {
    if (runtime::IsNumber(text, format))
        return runtime::TextToDouble(text, format);
    const std::optional<std::string> digits = GroupInProgress(text, format);
    return runtime::TextToDouble(digits.value_or(std::string(text)), format);
}

std::string WrittenInput(std::string_view text, const runtime::NumberFormat &format) {
    if (!IsInputNumber(text, format))
        return std::string(text);
    return runtime::DoubleToText(InputValue(text, format), format);
}

} // namespace window
