// SPDX-License-Identifier: GPL-3.0-or-later
// Unit letters in the value fields: a letter chooses the field's unit, and
// between digits or before them it also stands for the decimal separator
// (the RKM code).
#include "unit_notation.h"

#include "conversions.h"
#include "units.h"
#include "value_characters.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <span>

namespace window {
namespace {

using runtime::IsDigit;

struct UnitLetter {
    std::string_view letter;
    std::string_view unit; // in the field's list; empty for a field without one
    double factor;         // for a field without a list
    bool prefix;           // followed by the base unit's letters, which it keeps
};

constexpr std::array<UnitLetter, 8> kCapacitanceLetters = {{
    {"p", calc::kPicofarad, 1, true},
    {"P", calc::kPicofarad, 1, true},
    {"n", calc::kNanofarad, 1, true},
    {"N", calc::kNanofarad, 1, true},
    {"u", calc::kMicrofarad, 1, true},
    {"U", calc::kMicrofarad, 1, true},
    {"\u00B5", calc::kMicrofarad, 1, true}, // micro sign
    {"\u03BC", calc::kMicrofarad, 1, true}, // Greek small mu
}};

// A capital M is no unit here: the applied voltage goes up to kV. "2V7" is
// RKM for 2.7 V, so V stands for the decimal separator too.
constexpr std::array<UnitLetter, 9> kVoltageLetters = {{
    {"u", calc::kMicrovolt, 1, true},
    {"U", calc::kMicrovolt, 1, true},
    {"\u00B5", calc::kMicrovolt, 1, true},
    {"\u03BC", calc::kMicrovolt, 1, true},
    {"m", calc::kMillivolt, 1, true},
    {"k", calc::kKilovolt, 1, true},
    {"K", calc::kKilovolt, 1, true},
    {"v", calc::kVolt, 1, false},
    {"V", calc::kVolt, 1, false},
}};

constexpr std::array<UnitLetter, 3> kFrequencyLetters = {{
    {"k", "", 1e3, true},
    {"K", "", 1e3, true},
    {"M", "", 1e6, true},
}};

// A capacitance written in farads, with no prefix before the F: the field's
// largest unit holds it, a million times over.
constexpr UnitLetter kFarad = {"F", calc::kMicrofarad, 1e6, false};

std::span<const UnitLetter> LettersOf(UnitKind kind) {
    switch (kind) {
    case UnitKind::Capacitance:
        return kCapacitanceLetters;
    case UnitKind::Voltage:
        return kVoltageLetters;
    case UnitKind::Frequency:
        return kFrequencyLetters;
    case UnitKind::Tolerance:
        break;
    }
    return {};
}

// Bytes of the base unit's letters at the start of `text`, in either case:
// "F", "V", "Hz", "%"; 0 for none.
std::size_t BaseLength(UnitKind kind, std::string_view text) {
    const auto upper = [&text](std::size_t i) {
        return i < text.size() ? std::toupper(static_cast<unsigned char>(text[i])) : 0;
    };
    switch (kind) {
    case UnitKind::Capacitance:
        return upper(0) == 'F' ? 1 : 0;
    case UnitKind::Voltage:
        return upper(0) == 'V' ? 1 : 0;
    case UnitKind::Frequency:
        return upper(0) == 'H' && upper(1) == 'Z' ? 2 : 0;
    case UnitKind::Tolerance:
        return !text.empty() && text[0] == '%' ? 1 : 0;
    }
    return 0;
}

// The blanks a value may have before its unit: "4,7 nF", "10 kHz".
std::size_t BlankAt(std::string_view text, std::size_t at) {
    return runtime::BlankLength(text.substr(at));
}

std::string TrimEndBlanks(std::string_view text) {
    return std::string(runtime::TrimEndBlanks(text));
}

// `text` without a unit at its end: blanks and the base unit's letters.
std::string WithoutTrailingBase(UnitKind kind, std::string_view text, bool &found) {
    for (std::size_t at = 0; at < text.size(); ++at) {
        const std::size_t base = BaseLength(kind, text.substr(at));
        if (base > 0 && at + base == text.size()) {
            found = true;
            return TrimEndBlanks(text.substr(0, at));
        }
    }
    return std::string(text);
}

// Whether nothing but a number's characters is left once the unit is out:
// another letter keeps the field's own rule.
bool IsNumberLike(std::string_view text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (const std::size_t blank = BlankAt(text, i)) {
            i += blank - 1;
        } else if (text.substr(i).starts_with("\u2019")) {
            i += 2;
        } else if (std::string_view("0123456789+-.,'eE").find(text[i]) == std::string_view::npos) {
            return false;
        }
    }
    return true;
}

bool HasDecimalMark(std::string_view text, const runtime::NumberFormat &format) {
    return text.find(format.decimal) != std::string_view::npos ||
           text.find_first_of(".,") != std::string_view::npos;
}

// The value as written, with its one unit letter found.
struct Written {
    std::string before; // the number before the letter, blanks before it dropped
    const UnitLetter *letter = nullptr;
    std::string after; // the digits after it (RKM), the base unit dropped
    bool hasBase = false;
};

std::optional<Written> Split(UnitKind kind, std::string_view text) {
    Written w;
    const std::span<const UnitLetter> letters = LettersOf(kind);
    std::size_t at = 0;
    for (; at < text.size() && !w.letter; ++at) {
        for (const UnitLetter &u : letters) {
            if (text.substr(at).starts_with(u.letter)) {
                w.letter = &u;
                break;
            }
        }
    }
    if (!w.letter) {
        w.before = WithoutTrailingBase(kind, text, w.hasBase);
        return IsNumberLike(w.before) ? std::optional(w) : std::nullopt;
    }
    const std::size_t begin = at - 1;
    std::size_t end = begin + w.letter->letter.size();
    if (w.letter->prefix) {
        const std::size_t base = BaseLength(kind, text.substr(end));
        w.hasBase = base > 0;
        end += base;
    }
    w.before = TrimEndBlanks(text.substr(0, begin));
    bool trailingBase = false;
    w.after = WithoutTrailingBase(kind, text.substr(end), trailingBase);
    w.hasBase = w.hasBase || trailingBase;
    if (!IsNumberLike(w.before) || !std::ranges::all_of(w.after, IsDigit))
        return std::nullopt;
    return w;
}

// A key typed at the end of the field that the keys before it prepared.
std::optional<NotationEdit> ContinueTyping(UnitKind kind, std::string_view current,
                                           const TextEdit &edit, const NotationState &state,
                                           const runtime::NumberFormat &format) {
    const std::string &key = edit.inserted;
    NotationEdit swallowed{std::string(current), edit.from, {}, 1, state, true};
    if (kind == UnitKind::Tolerance && key == "%")
        return swallowed;
    // Only a key typed on at the end continues; one over a selection starts anew.
    const bool atEnd = edit.removed == 0 && edit.from == CharacterCount(current);
    if (!atEnd)
        return std::nullopt;
    if (state.prefixTyped && BaseLength(kind, key) == 1)
        return swallowed; // "F", "V"
    const std::string number = TrimEndBlanks(current);
    if (kind == UnitKind::Frequency && std::toupper(static_cast<unsigned char>(key[0])) == 'H' &&
        (state.prefixTyped || (!number.empty() && IsDigit(number.back())))) {
        swallowed.state.hertzStarted = true;
        return swallowed;
    }
    if (state.hertzStarted && std::toupper(static_cast<unsigned char>(key[0])) == 'Z')
        return swallowed;
    if (!IsDigit(key[0]) || (!state.decimalsFollow && state.mantissa.empty()))
        return std::nullopt;
    std::string mantissa = state.mantissa.empty() ? std::string(current) : state.mantissa;
    if (state.decimalsFollow)
        mantissa += format.decimal;
    mantissa += key;
    NotationEdit next;
    next.state.prefixTyped = state.prefixTyped;
    if (state.factor != 1) {
        next.state.mantissa = mantissa;
        next.state.factor = state.factor;
    }
    next.text = std::move(mantissa);
    next.caret = CharacterCount(next.text);
    next.factor = state.factor;
    return next;
}

} // namespace

std::optional<NotationEdit> ApplyUnitNotation(UnitKind kind, std::string_view current,
                                              const TextEdit &edit, const NotationState &state,
                                              const runtime::NumberFormat &format) {
    const bool typed = edit.source == EditSource::Typed;
    if (typed && CharacterCount(edit.inserted) == 1) {
        if (auto next = ContinueTyping(kind, current, edit, state, format))
            return next;
    }
    const std::optional<Written> w = Split(kind, edit.inserted);
    if (!w || (!w->letter && !w->hasBase))
        return std::nullopt;

    const std::size_t from = ByteOffset(current, edit.from);
    const std::size_t to = ByteOffset(current, edit.from + edit.removed);
    // Blanks between the number and its unit go: "47 nF" typed in French.
    const std::string left = TrimEndBlanks(std::string(current.substr(0, from)) + w->before);
    const std::string right = w->after + std::string(current.substr(to));
    const bool hasMark = HasDecimalMark(left + right, format);
    const bool digitBefore = !left.empty() && IsDigit(left.back());
    const bool digitAfter = !right.empty() && IsDigit(right.front());
    NotationEdit result;
    std::string head = left;
    if (w->letter && !hasMark) {
        if (digitBefore && digitAfter) {
            head += format.decimal; // "4n7"
        } else if (!digitBefore && (digitAfter || (typed && right.empty()))) {
            head += "0" + format.decimal; // "n47" is 0.47 nF
        } else if (digitBefore && right.empty()) {
            result.state.decimalsFollow = typed; // "4n": the next digit typed is a decimal
        }
    }
    result.text = head + right;
    result.caret = CharacterCount(head);
    if (w->letter) { // "V" is one too: "230V", "2V7"
        result.unit = w->letter->unit;
        result.state.prefixTyped = typed && w->letter->prefix;
        result.factor = w->letter->factor;
    } else if (kind == UnitKind::Capacitance && w->hasBase) {
        result.unit = kFarad.unit; // "47F", "4.7 F"
        result.factor = kFarad.factor;
    }
    if (result.factor != 1) {
        result.caret = CharacterCount(result.text);
        if (typed) {
            result.state.mantissa = result.text;
            result.state.factor = result.factor;
        }
    }
    return result;
}

std::string WithLocaleMark(std::string pasted, std::string_view around,
                           const runtime::NumberFormat &format) {
    if (format.decimal != "." && format.decimal != ",")
        return pasted;
    const char other = format.decimal == "." ? ',' : '.';
    if (!around.empty() || pasted.find(format.decimal) != std::string::npos ||
        std::ranges::count(pasted, other) != 1)
        return pasted;
    const std::size_t at = pasted.find(other);
    if (format.group == std::string(1, other)) {
        // A group: one to three digits before it, not led by 0, and three after.
        std::size_t first = at;
        while (first > 0 && IsDigit(pasted[first - 1]))
            --first;
        std::size_t last = at + 1;
        while (last < pasted.size() && IsDigit(pasted[last]))
            ++last;
        const std::size_t lead = at - first;
        if (lead >= 1 && lead <= 3 && pasted[first] != '0' && last - at - 1 == 3)
            return pasted;
    }
    pasted.replace(at, 1, format.decimal);
    return pasted;
}

} // namespace window
