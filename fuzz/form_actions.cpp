// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_actions.h"

#include "design_values.h"
#include "locale_formats.h"
#include "user_edit.h"

#include <algorithm>
#include <array>
#include <map>

namespace fuzz {
namespace {

using window::Control;
using window::ControlId;

constexpr std::size_t kMaxActions = 48;
constexpr std::size_t kMaxInserted = 10;

// Characters a user may type or paste: everything a number is made of in any
// locale, blanks and line breaks, the unit letters with their base units,
// other letters, multi-byte characters (the French group separators and the
// Swiss apostrophe among them), and the marks printed with ratings and
// tolerances.
const std::array<const char *, 71> kAlphabet = {
    "0",      "1",      "2",          "3",  "4",      "5",      "6",   "7",  "8",
    "9",      "0",      "1",          "5",  "9",      "00",     ".",   ",",  ".",
    ",",      "-",      "+",          "e",  "E",      " ",      " ",   "\t", "\n",
    "\r",     "\u00A0", "\u202F",     "'",  "\u2019", "p",      "n",   "u",  "\u00B5",
    "m",      "k",      "K",          "M",  "V",      "v",      "F",   "f",  "H",
    "z",      "%",      "N",          "U",  "P",      "d",      "a",   "x",  "\u00B7",
    "\u00E9", "\u20AC", "\U0001F600", "D",  "\u03BC", "nF",     "kV",  "Hz", "\r\n",
    "4n7",    "~",      "=",          "AC", "DC",     "\u00B1", "+/-", "/",
};

// The edges of the range of numbers, and values that a unit letter takes
// across them: the largest double, the smallest normal one, subnormals, and
// values a factor of 1000 or a million below the largest. Each is written
// with either decimal mark and followed by any unit letter that some field
// takes, or by none.
const std::array<const char *, 14> kEdges = {
    "1.7976931348623157e308",
    "1e308",
    "9e307",
    "1e306",
    "2e305",
    "2.2250738585072014e-308",
    "2.2e-308",
    "4.9e-324",
    "5e-324",
    "1e-320",
    "1e-310",
    "1.7976931348623157E308",
    "-1e308",
    "0.1e309",
};
const std::array<const char *, 18> kEdgeSuffixes = {
    "",  "k", "K",  "M", "p",   "n",   "u",  "\u00B5", "m",
    "V", "F", "Hz", "%", "kHz", "MHz", "nF", "kV",     " k",
};

class Reader {
public:
    Reader(const std::uint8_t *data, std::size_t size)
        : m_data(data)
        , m_size(size) {}
    bool Done() const { return m_at >= m_size; }
    std::uint8_t Byte() { return m_at < m_size ? m_data[m_at++] : 0; }

    // A byte for a character: most map to the alphabet, the rest to
    // printable ASCII.
    std::string Character() {
        const std::uint8_t b = Byte();
        if (b < 0xC0)
            return kAlphabet[b % kAlphabet.size()];
        return std::string(1, static_cast<char>(0x20 + (b - 0xC0) * 95 / 64));
    }

    std::string Text() {
        const std::uint8_t b = Byte();
        if (b >= 0xE8)
            return Edge();
        const std::size_t count = b % (kMaxInserted + 1);
        std::string text;
        for (std::size_t i = 0; i < count; ++i)
            text += Character();
        return text;
    }

    std::string Edge() {
        std::string edge = kEdges[Byte() % kEdges.size()];
        if (Byte() % 2 == 0)
            std::replace(edge.begin(), edge.end(), '.', ',');
        return edge + kEdgeSuffixes[Byte() % kEdgeSuffixes.size()];
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

// The window's own inputs, or from 0xC0 on the value fields beyond them: the
// rating check's, the design part's and any that joins the list of value fields.
ControlId InputField(std::uint8_t b) {
    constexpr std::size_t kOwn = 5; // txtCs(0) to txtCs(3), txtUst
    if (b >= 0xC0)
        return window::kValueFields[kOwn + (b - 0xC0) % (window::kValueFields.size() - kOwn)];
    const int k = b % 5;
    return k < 4 ? ControlId{Control::txtCs, k} : ControlId{Control::txtUst, 0};
}

// `inserted` replaces the selection [from, from + length), clamped to the
// text, as the text widget reports it.
void Edit(window::frmTolvarine &form, ControlId field, std::size_t from, std::size_t length,
          const std::string &inserted, window::EditSource source) {
    const std::size_t count = window::CharacterCount(form.Field(field).Text());
    from = std::min(from, count);
    form.UserEdit(field, {from, std::min(length, count - from), inserted, source});
}

struct DesignList {
    Control list;
    int entries;
};
constexpr std::array<DesignList, 6> kDesignLists = {{{Control::cboCd, 3},
                                                     {Control::cboNrC, 5},
                                                     {Control::cboSerie, 4},
                                                     {Control::cboCmin, 3},
                                                     {Control::cboCmax, 3},
                                                     {Control::cboTipD, 2}}};

window::EditSource SourceOf(const std::string &text) {
    return window::CharacterCount(text) > 1 ? window::EditSource::Pasted
                                            : window::EditSource::Typed;
}

} // namespace

std::vector<ControlId> ValueFields() {
    return {window::kValueFields.begin(), window::kValueFields.end()};
}

std::vector<ControlId> InputFields() {
    return {window::kValueFields.begin(), window::kValueFields.begin() + 5};
}

Script DecodeScript(const std::uint8_t *data, std::size_t size) {
    Reader in(data, size);
    Script script;
    switch (in.Byte() % 4) {
    case 0:
        script.format = test_support::EnglishFormat();
        break;
    case 1:
        script.format = test_support::RomanianFormat();
        break;
    case 2:
        script.format = test_support::FrenchFormat();
        break;
    default:
        script.format = test_support::SwissFormat();
        break;
    }
    while (!in.Done() && script.actions.size() < kMaxActions) {
        Action action;
        const std::uint8_t kind = in.Byte();
        if (kind >= 0xC0) { // undo, redo, and values meant
            if (kind < 0xE0) {
                action.kind = kind < 0xD0 ? ActionKind::Undo : ActionKind::Redo;
                action.target = InputField(in.Byte());
            } else {
                action.kind = ActionKind::Enter;
                std::array<std::uint8_t, 8> bytes{};
                for (std::uint8_t &b : bytes)
                    b = in.Byte();
                action.intent = DecodeIntent(bytes, script.format);
                action.target = action.intent.field;
            }
            script.actions.push_back(std::move(action));
            continue;
        }
        switch (kind % 8) {
        case 0:
        case 1: // typing is what users do most
            action.kind = ActionKind::Insert;
            action.target = InputField(in.Byte());
            action.from = in.Byte() % 8;
            action.length = in.Byte() % 4 == 0 ? in.Byte() % 8 : 0;
            action.text = in.Text();
            action.source = SourceOf(action.text);
            break;
        case 2:
            action.kind = ActionKind::Delete;
            action.target = InputField(in.Byte());
            action.from = in.Byte() % 8;
            action.length = 1 + in.Byte() % 7;
            break;
        case 3:
            action.kind = ActionKind::ReplaceAll;
            action.target = InputField(in.Byte());
            action.text = in.Text();
            action.source = SourceOf(action.text);
            break;
        case 4:
        case 5: {
            action.kind = ActionKind::Choose;
            const std::uint8_t b = in.Byte();
            const int list = b % 5;
            if (b >= 0xF0) { // the design part's lists, with their entries
                const DesignList &design = kDesignLists[b % kDesignLists.size()];
                action.target = {design.list, 0};
                action.entry = in.Byte() % design.entries;
                break;
            }
            action.target = b >= 0xE0   ? ControlId{Control::cboTipUn, b % 4}
                            : b >= 0xC0 ? ControlId{Control::cboUn, b % 4}
                            : list < 4  ? ControlId{Control::cboCs, list}
                                        : ControlId{Control::cboUst, 0};
            action.entry = in.Byte() % (b >= 0xE0 ? 2 : list < 4 && b < 0xC0 ? 3 : 4);
            break;
        }
        case 6: // from 0x40 on a row of the design part is used, from 0x80 on the
                // design part and from 0xC0 on the rating check open or close
            if (kind >= 0x40 && kind < 0x80) {
                action.kind = ActionKind::UseRow;
                action.entry = in.Byte() % 11; // the last is no row
            } else if (kind >= 0xC0) {
                action.kind = ActionKind::Panel;
                action.target = {Control::cmdVerificare, 0};
            } else {
                action.kind = ActionKind::Clear;
                action.target = {kind >= 0x80 ? Control::cmdProiectare : Control::cmdClear, 0};
            }
            break;
        default:
            action.kind = ActionKind::Key;
            action.key = static_cast<std::int16_t>(in.Byte() | (in.Byte() << 8));
            break;
        }
        script.actions.push_back(std::move(action));
    }
    return script;
}

void Perform(window::frmTolvarine &form, const Action &action,
             const std::function<void()> &afterEach) {
    switch (action.kind) {
    case ActionKind::Insert:
        Edit(form, action.target, action.from, action.length, action.text, action.source);
        break;
    case ActionKind::Delete:
        Edit(form, action.target, action.from, action.length, "", window::EditSource::Typed);
        break;
    case ActionKind::ReplaceAll:
        form.UserEdit(action.target, window::ReplaceAll(form.Field(action.target).Text(),
                                                        action.text, action.source));
        break;
    case ActionKind::Undo:
        form.UserUndo(action.target);
        break;
    case ActionKind::Redo:
        form.UserRedo(action.target);
        break;
    case ActionKind::Enter:
        EnterIntent(form, action.intent, afterEach);
        return;
    case ActionKind::Choose:
        form.UserChoose(action.target, action.entry);
        break;
    case ActionKind::Clear:
    case ActionKind::Panel:
        form.UserClick(action.target);
        break;
    case ActionKind::Key:
        form.UserKeyPress(action.key);
        break;
    case ActionKind::UseRow:
        form.UserApplyDesign(static_cast<std::size_t>(action.entry));
        break;
    }
    afterEach();
}

std::string Describe(const Action &action) {
    static const std::map<Control, const char *> kNames = {
        {Control::txtCs, "txtCs"},
        {Control::cboCs, "cboCs"},
        {Control::txtUst, "txtUst"},
        {Control::cboUst, "cboUst"},
        {Control::txtUn, "txtUn"},
        {Control::cboUn, "cboUn"},
        {Control::cboTipUn, "cboTipUn"},
        {Control::txtTol, "txtTol"},
        {Control::txtFrec, "txtFrec"},
        {Control::cmdClear, "cmdClear"},
        {Control::frmTolvarine, "frmTolvarine"},
        {Control::txtCd, "txtCd"},
        {Control::cboCd, "cboCd"},
        {Control::cboNrC, "cboNrC"},
        {Control::cboSerie, "cboSerie"},
        {Control::txtCmin, "txtCmin"},
        {Control::cboCmin, "cboCmin"},
        {Control::txtCmax, "txtCmax"},
        {Control::cboCmax, "cboCmax"},
        {Control::cboTipD, "cboTipD"},
        {Control::cmdProiectare, "cmdProiectare"}};
    const auto name = kNames.find(action.target.control);
    const std::string field = std::string(name != kNames.end() ? name->second : "field") + "(" +
                              std::to_string(action.target.index) + ")";
    const std::string how = action.source == window::EditSource::Pasted ? "paste" : "type";
    switch (action.kind) {
    case ActionKind::Insert:
        return how + " \"" + action.text + "\" into " + field + " at " +
               std::to_string(action.from) + " over " + std::to_string(action.length);
    case ActionKind::Delete:
        return "delete " + std::to_string(action.length) + " of " + field + " at " +
               std::to_string(action.from);
    case ActionKind::ReplaceAll:
        return "replace " + field + " with \"" + action.text + "\" (" + how + ")";
    case ActionKind::Choose:
        return "choose entry " + std::to_string(action.entry) + " of " + field;
    case ActionKind::Clear:
        return action.target.control == Control::cmdProiectare ? "click Proiectare"
                                                               : "click Sterge valori";
    case ActionKind::Panel:
        return "click Verificare";
    case ActionKind::Key:
        return "key " + std::to_string(action.key);
    case ActionKind::UseRow:
        return "use design row " + std::to_string(action.entry + 1);
    case ActionKind::Undo:
        return "undo in " + field;
    case ActionKind::Redo:
        return "redo in " + field;
    case ActionKind::Enter:
        return std::string(action.intent.pasted ? "paste" : "type") + " \"" +
               action.intent.written + "\" into " + field;
    }
    return "?";
}

} // namespace fuzz
