// SPDX-License-Identifier: GPL-3.0-or-later
#include "input_notes.h"

#include "conversions.h"
#include "error_message.h"
#include "user_edit.h"

#include <algorithm>
#include <cctype>

namespace window {
namespace {

// The field's name at the start of a sentence.
std::string Capitalised(std::string name) {
    if (!name.empty())
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    return name;
}

// A long paste is quoted by its start.
std::string Quoted(std::string_view text) {
    constexpr std::size_t kMostCharacters = 20;
    if (HasControlCharacter(text))
        return "textul lipit (are mai multe rânduri sau caractere de control)";
    std::string quoted = "„";
    if (CharacterCount(text) > kMostCharacters)
        quoted.append(Visible(text.substr(0, ByteOffset(text, kMostCharacters)))).append("…");
    else
        quoted.append(Visible(text));
    return quoted + "”";
}

} // namespace

std::string PasteNotANumberMessage(ControlId field, std::string_view pasted) {
    return Capitalised(Quoted(pasted)) + " nu se poate citi ca valoare pentru " + InputName(field) +
           "; câmpul a rămas neschimbat.";
}

std::string PasteNegativeMessage(ControlId field, std::string_view pasted) {
    return Capitalised(Quoted(pasted)) + " este negativ: " + InputName(field) +
           " primește numai valori pozitive; câmpul a rămas neschimbat.";
}

std::string AmbiguityNote(ControlId field, std::string_view text,
                          const runtime::NumberFormat &format) {
    if (format.group != "." && format.group != ",")
        return {};
    const char mark = format.group[0];
    if (std::ranges::count(text, mark) != 1 || !runtime::IsNumber(text, format))
        return {};
    std::string other(text);
    other.replace(other.find(mark), 1, format.decimal);
    if (!runtime::IsNumber(other, format))
        return {};
    const double value = runtime::TextToDouble(text, format);
    const double decimal = runtime::TextToDouble(other, format);
    if (value == decimal)
        return {};
    std::string instead = runtime::DoubleToText(decimal, format);
    if (instead.find(format.decimal) == std::string::npos)
        instead = other; // "1,000": the decimals as written
    const std::string markName = mark == '.' ? "punctul" : "virgula";
    return Capitalised(InputName(field)) + ": „" + std::string(text) + "” este citit " +
           runtime::DoubleToText(value, format) + " (" + markName +
           " desparte miile; pentru zecimale scrieți " + instead + ")";
}

} // namespace window
