// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_actions.h"

#include "locale_formats.h"
#include "user_edit.h"

#include <algorithm>
#include <array>

namespace fuzz {
namespace {

using window::Control;
using window::ControlId;

constexpr std::size_t kMaxActions = 48;
constexpr std::size_t kMaxInserted = 10;

// Characters a user may type or paste: everything a number is made of in any
// locale, blanks, letters, and multi-byte characters (the French group
// separators among them).
const std::array<const char *, 40> kAlphabet = {
    "0", "1", "2",  "3", "4",      "5",      "6",      "7",          "8",      "9",
    "0", "1", "5",  "9", ".",      ",",      "-",      "+",          "e",      "E",
    ".", ",", "-",  "e", " ",      " ",      "\t",     "\u00A0",     "\u202F", "d",
    "D", "a", "\n", "x", "\u00B7", "\u00E9", "\u20AC", "\U0001F600", "0",      "00",
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
        const std::size_t count = Byte() % (kMaxInserted + 1);
        std::string text;
        for (std::size_t i = 0; i < count; ++i)
            text += Character();
        return text;
    }

private:
    const std::uint8_t *m_data;
    std::size_t m_size;
    std::size_t m_at = 0;
};

ControlId InputField(std::uint8_t b) {
    const int k = b % 5;
    return k < 4 ? ControlId{Control::txtCs, k} : ControlId{Control::txtUst, 0};
}

// The text of a field as a sequence of characters, to cut at character
// positions the way a text widget does.
std::vector<std::string> CharactersOf(const std::string &text) {
    std::vector<std::string> characters;
    for (char c : text) {
        if (!characters.empty() && (static_cast<unsigned char>(c) & 0xC0) == 0x80)
            characters.back() += c;
        else
            characters.emplace_back(1, c);
    }
    return characters;
}

std::string Join(const std::vector<std::string> &characters, std::size_t from, std::size_t to) {
    std::string text;
    for (std::size_t i = from; i < to; ++i)
        text += characters[i];
    return text;
}

// The whole new text after `inserted` replaces the selection [from, from +
// length), clamped to the text, and the caret after the insertion.
void Edit(window::frmTolvarine &form, ControlId field, std::size_t from, std::size_t length,
          const std::string &inserted) {
    const auto characters = CharactersOf(form.Field(field).Text());
    from = std::min(from, characters.size());
    const std::size_t to = std::min(from + length, characters.size());
    const std::string proposed =
        Join(characters, 0, from) + inserted + Join(characters, to, characters.size());
    form.UserEdit(field, proposed, from + window::CharacterCount(inserted));
}

} // namespace

std::vector<ControlId> InputFields() {
    return {{Control::txtCs, 0},
            {Control::txtCs, 1},
            {Control::txtCs, 2},
            {Control::txtCs, 3},
            {Control::txtUst, 0}};
}

Script DecodeScript(const std::uint8_t *data, std::size_t size) {
    Reader in(data, size);
    Script script;
    switch (in.Byte() % 3) {
    case 0:
        script.format = test_support::EnglishFormat();
        break;
    case 1:
        script.format = test_support::RomanianFormat();
        break;
    default:
        script.format = test_support::FrenchFormat();
        break;
    }
    while (!in.Done() && script.actions.size() < kMaxActions) {
        Action action;
        switch (in.Byte() % 8) {
        case 0:
        case 1: // typing is what users do most
            action.kind = ActionKind::Insert;
            action.target = InputField(in.Byte());
            action.from = in.Byte() % 8;
            action.length = in.Byte() % 4 == 0 ? in.Byte() % 8 : 0;
            action.text = in.Text();
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
            break;
        case 4:
        case 5: {
            action.kind = ActionKind::Choose;
            const int list = in.Byte() % 5;
            action.target =
                list < 4 ? ControlId{Control::cboCs, list} : ControlId{Control::cboUst, 0};
            action.entry = in.Byte() % (list < 4 ? 3 : 4);
            break;
        }
        case 6:
            action.kind = ActionKind::Clear;
            action.target = {Control::cmdClear, 0};
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

void Perform(window::frmTolvarine &form, const Action &action) {
    switch (action.kind) {
    case ActionKind::Insert:
        Edit(form, action.target, action.from, action.length, action.text);
        break;
    case ActionKind::Delete:
        Edit(form, action.target, action.from, action.length, "");
        break;
    case ActionKind::ReplaceAll:
        form.UserEdit(action.target, action.text, window::CharacterCount(action.text));
        break;
    case ActionKind::Choose:
        form.UserChoose(action.target, action.entry);
        break;
    case ActionKind::Clear:
        form.UserClick(action.target);
        break;
    case ActionKind::Key:
        form.UserKeyPress(action.key);
        break;
    }
}

std::string Describe(const Action &action) {
    const std::string field = (action.target.control == Control::txtUst   ? "txtUst"
                               : action.target.control == Control::cboUst ? "cboUst"
                               : action.target.control == Control::cboCs
                                   ? "cboCs(" + std::to_string(action.target.index) + ")"
                                   : "txtCs(" + std::to_string(action.target.index) + ")");
    switch (action.kind) {
    case ActionKind::Insert:
        return "type \"" + action.text + "\" into " + field + " at " + std::to_string(action.from) +
               " over " + std::to_string(action.length);
    case ActionKind::Delete:
        return "delete " + std::to_string(action.length) + " of " + field + " at " +
               std::to_string(action.from);
    case ActionKind::ReplaceAll:
        return "replace " + field + " with \"" + action.text + "\"";
    case ActionKind::Choose:
        return "choose entry " + std::to_string(action.entry) + " of " + field;
    case ActionKind::Clear:
        return "click Sterge valori";
    case ActionKind::Key:
        return "key " + std::to_string(action.key);
    }
    return "?";
}

} // namespace fuzz
