// SPDX-License-Identifier: GPL-3.0-or-later
#include "short_forms.h"

#include "conversions.h"

#include <algorithm>
#include <cstdio>

namespace calc {
namespace {

// `value` as printf writes it with `digits` decimals in `style` ('f' or 'E'),
// its one mark the locale's, whichever mark the C library wrote.
std::string Printed(double value, char style, int digits, const runtime::NumberFormat &format) {
    char buffer[400];
    const char pattern[] = {'%', '.', '*', style, '\0'};
    std::snprintf(buffer, sizeof buffer, pattern, digits, value);
    std::string text = buffer;
    const std::size_t mark = text.find_first_of(".,");
    if (mark != std::string::npos)
        text.replace(mark, 1, format.decimal);
    return text;
}

// "7,50E+11" as "7,5E+11", "7,0E+11" as "7E+11".
std::string WithoutTrailingZeros(std::string text, const runtime::NumberFormat &format) {
    const std::size_t exponent = text.find('E');
    const std::size_t mark = text.find(format.decimal);
    if (mark == std::string::npos || exponent == std::string::npos)
        return text;
    std::size_t end = exponent;
    while (end > mark + format.decimal.size() && text[end - 1] == '0')
        --end;
    if (end == mark + format.decimal.size())
        end = mark;
    return text.substr(0, end) + text.substr(exponent);
}

} // namespace

std::vector<std::string> ShorterForms(std::string_view text, const runtime::NumberFormat &format) {
    if (!runtime::IsNumber(text, format))
        return {};
    const double value = runtime::TextToDouble(text, format);
    std::vector<std::string> forms;
    const std::size_t mark =
        format.decimal.empty() ? std::string_view::npos : text.find(format.decimal);
    if (mark != std::string_view::npos && text.find_first_of("eE") == std::string_view::npos) {
        const auto decimals = static_cast<int>(text.size() - mark - format.decimal.size());
        for (int d = decimals - 1; d >= 0; --d) {
            std::string form = Printed(value, 'f', d, format);
            if (value != 0 && runtime::TextToDouble(form, format) == 0)
                break; // "0" for 0,001 would be another value
            forms.push_back(std::move(form));
        }
    }
    for (int digits = 14; digits >= 0; --digits) {
        std::string form = WithoutTrailingZeros(Printed(value, 'E', digits, format), format);
        if (std::ranges::find(forms, form) == forms.end())
            forms.push_back(std::move(form));
    }
    return forms;
}

} // namespace calc
