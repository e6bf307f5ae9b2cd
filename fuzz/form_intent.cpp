// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_intent.h"

#include "conversions.h"
#include "design_values.h"
#include "input_reading.h"
#include "locale_formats.h"
#include "user_edit.h"
#include "value_characters.h"

#include <cmath>
#include <vector>

namespace fuzz {
namespace {

using window::Control;
using window::ControlId;

using window::kValueFields;

// A unit and the ways to write it: its letters, the base unit after them.
struct Spelling {
    const char *unit;
    std::vector<const char *> letters; // empty: no prefix letter
    std::vector<const char *> bases;   // after the letter ("F") or alone ("%")
    double factor;
};

std::vector<Spelling> SpellingsOf(Control control) {
    switch (control) {
    case Control::txtCs:
    case Control::txtCd:
    case Control::txtCmin:
    case Control::txtCmax:
        return {{"pF", {"p", "P"}, {"", "F", "f"}, 1},
                {"nF", {"n", "N"}, {"", "F", "f"}, 1},
                {"uF", {"u", "U", "\u00B5", "\u03BC"}, {"", "F", "f"}, 1}};
    case Control::txtUst:
    case Control::txtUn:
        return {{"uV", {"u", "U", "\u00B5"}, {"", "V", "v"}, 1},
                {"mV", {"m"}, {"", "V", "v"}, 1},
                {"V", {"V", "v"}, {""}, 1},
                {"kV", {"k", "K"}, {"", "V", "v"}, 1}};
    case Control::txtFrec:
        return {{"", {}, {"", "Hz", "hz"}, 1},
                {"", {"k", "K"}, {"", "Hz", "HZ"}, 1e3},
                {"", {"M"}, {"", "Hz"}, 1e6}};
    default:
        return {{"", {}, {"", "%"}, 1}};
    }
}

template<typename T> const T &Pick(const std::vector<T> &items, std::uint8_t b) {
    return items[b % items.size()];
}

std::string Digits(unsigned value, unsigned count) {
    std::string text = std::to_string(value);
    return std::string(count > text.size() ? count - text.size() : 0, '0') + text;
}

// The locale's group mark as a user types it.
std::string GroupMark(const runtime::NumberFormat &format, std::uint8_t b) {
    if (format.group == "\u2019")
        return b % 2 ? "'" : "\u2019";
    if (runtime::IsValueBlank(format.group))
        return b % 2 ? " " : format.group;
    return format.group;
}

} // namespace

Intent DecodeIntent(const std::array<std::uint8_t, 8> &b, const runtime::NumberFormat &format) {
    Intent intent;
    intent.field = kValueFields[b[0] % kValueFields.size()];
    intent.pasted = (b[1] & 0x80) != 0;
    const std::vector<Spelling> spellings = SpellingsOf(intent.field.control);
    const Spelling &spelling = Pick(spellings, b[5]);
    const bool writeUnit = (b[6] & 0x03) != 0;
    const bool hasLetter = writeUnit && !spelling.letters.empty();
    const std::string letter = hasLetter ? Pick(spelling.letters, b[6] >> 2) : "";
    const std::string base = writeUnit ? Pick(spelling.bases, b[6] >> 4) : "";
    const std::string blank = (b[6] & 0x80) ? " " : "";

    unsigned whole = (b[2] * 256u + b[3]) % 1000;
    unsigned decimals = (b[1] & 0x7F) % 3;
    const unsigned fraction = b[4] % (decimals == 2 ? 100 : decimals == 1 ? 10 : 1);
    const std::string other = format.decimal == "." ? "," : ".";
    std::string number;
    bool rkm = false;
    const unsigned style = b[7] % 5;
    if (style == 2 && hasLetter && decimals > 0) { // the letter inside: 4n7
        number = std::to_string(whole) + letter + Digits(fraction, decimals);
        rkm = true;
    } else if (style == 3 && hasLetter && decimals > 0) { // the letter first: n47
        whole = 0;
        number = letter + Digits(fraction, decimals);
        rkm = true;
    } else if (style == 4) { // grouped thousands: 1 234
        whole = 1000 + (b[2] * 256u + b[3]) % 9000;
        decimals = 0;
        number = std::to_string(whole / 1000) + GroupMark(format, b[4]) + Digits(whole % 1000, 3);
    } else { // the locale's mark, or the other one: 4,7 or 4.7
        number = std::to_string(whole);
        if (decimals > 0)
            number += (style == 1 ? other : format.decimal) + Digits(fraction, decimals);
    }
    if (!rkm && hasLetter)
        number += blank + letter;
    if (!base.empty())
        number += (hasLetter && !rkm ? "" : blank) + base; // "4,7 nF", "1k5 V", "60 Hz"
    intent.written = number;
    intent.meant = std::to_string(whole) + (decimals > 0 ? "." + Digits(fraction, decimals) : "");
    intent.factor = hasLetter ? spelling.factor : 1;
    intent.unit = hasLetter || (writeUnit && !base.empty()) ? spelling.unit : "";
    if (intent.pasted) {
        static const std::array<const char *, 5> kBefore = {"", " ", "\t", "\u00A0", "\r\n"};
        static const std::array<const char *, 5> kAfter = {"", "\n", "\r\n", " ", "\u202F"};
        intent.written = kBefore[b[4] % 5] + intent.written + kAfter[(b[4] >> 3) % 5];
    }
    return intent;
}

void EnterIntent(window::frmTolvarine &form, const Intent &intent,
                 const std::function<void()> &afterEach) {
    const std::string &current = form.Field(intent.field).Text();
    if (intent.pasted) {
        form.UserEdit(intent.field,
                      window::ReplaceAll(current, intent.written, window::EditSource::Pasted));
        afterEach();
        return;
    }
    window::TextEdit edit = window::ReplaceAll(current, "", window::EditSource::Typed);
    const std::string &keys = intent.written;
    for (std::size_t i = 0; i < keys.size();) {
        const std::size_t length = window::ByteOffset(keys.substr(i), 1);
        edit.inserted = keys.substr(i, length);
        edit.from = form.UserEdit(intent.field, edit).caret;
        edit.removed = 0;
        i += length;
        afterEach();
    }
}

std::string UnitText(const window::frmTolvarine &form, ControlId field) {
    switch (field.control) {
    case Control::txtCs:
        return form.List({Control::cboCs, field.index}).Text();
    case Control::txtUst:
        return form.List({Control::cboUst, 0}).Text();
    case Control::txtUn:
        return form.List({Control::cboUn, field.index}).Text();
    case Control::txtCd:
        return form.List({Control::cboCd, 0}).Text();
    case Control::txtCmin:
        return form.List({Control::cboCmin, 0}).Text();
    case Control::txtCmax:
        return form.List({Control::cboCmax, 0}).Text();
    default:
        return "";
    }
}

std::string CheckIntent(const window::frmTolvarine &form, const Intent &intent,
                        const std::string &unitBefore) {
    const std::string &text = form.Field(intent.field).Text();
    const std::string where = std::string(intent.pasted ? "pasted" : "typed") + " \"" +
                              intent.written + "\" meaning " + intent.meant + " x" +
                              std::to_string(intent.factor) + " " + intent.unit +
                              ": the field shows \"" + text + "\" " + UnitText(form, intent.field);
    if (form.Band() == window::frmTolvarine::BandKind::Notice)
        return where + ", refused: " + form.LabelOf({Control::lblEroare, 0}).Caption();
    if (!window::IsInputNumber(text, form.Format()))
        return where + ", no number";
    const double meant =
        runtime::TextToDouble(intent.meant, test_support::EnglishFormat()) * intent.factor;
    const double read = window::InputValue(text, form.Format());
    if (std::fabs(read - meant) > 1e-12 * std::fabs(meant))
        return where + ", another value";
    const std::string expectedUnit = intent.unit.empty() ? unitBefore : intent.unit;
    if (UnitText(form, intent.field) != expectedUnit)
        return where + ", another unit than " + expectedUnit;
    return {};
}

} // namespace fuzz
