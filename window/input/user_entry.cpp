// SPDX-License-Identifier: GPL-3.0-or-later
// The user's edits of the value fields, as the text widget hands them over:
// blanks around a paste, unit letters, the limit, the refusal of a paste the
// field cannot take, and each field's undo history of text and unit.
#include "frm_tolvarine.h"

#include "conversions.h"
#include "design_values.h"
#include "error_cause.h"
#include "error_message.h"
#include "input_notes.h"
#include "rating_marks.h"
#include "scaling.h"
#include "user_edit.h"
#include "value_characters.h"

#include <algorithm>
#include <array>
#include <utility>

namespace window {
namespace {

using runtime::IsDigit;

bool IsBlank(std::string_view text) {
    return runtime::IsValueBlank(text);
}

TextEdit Clamped(TextEdit edit, std::string_view current) {
    const std::size_t count = CharacterCount(current);
    edit.from = std::min(edit.from, count);
    edit.removed = std::min(edit.removed, count - edit.from);
    return edit;
}

// The field's text around the edit.
std::string Around(std::string_view current, const TextEdit &edit) {
    return std::string(current.substr(0, ByteOffset(current, edit.from))) +
           std::string(current.substr(ByteOffset(current, edit.from + edit.removed)));
}

std::optional<UnitKind> UnitKindOf(ControlId id) {
    switch (id.control) {
    case Control::txtCs:
    case Control::txtCd:
    case Control::txtCmin:
    case Control::txtCmax:
        return UnitKind::Capacitance;
    case Control::txtUst:
    case Control::txtUn:
        return UnitKind::Voltage;
    case Control::txtFrec:
        return UnitKind::Frequency;
    case Control::txtTol:
        return UnitKind::Tolerance;
    default:
        return std::nullopt;
    }
}

std::optional<ControlId> UnitListOf(ControlId id) {
    switch (id.control) {
    case Control::txtCs:
        return ControlId{Control::cboCs, id.index};
    case Control::txtUst:
        return ControlId{Control::cboUst, 0};
    case Control::txtUn:
        return ControlId{Control::cboUn, id.index};
    case Control::txtCd:
        return ControlId{Control::cboCd, 0};
    case Control::txtCmin:
        return ControlId{Control::cboCmin, 0};
    case Control::txtCmax:
        return ControlId{Control::cboCmax, 0};
    default:
        return std::nullopt;
    }
}

} // namespace

// A blank typed after a number is not inserted, except where the locale
// groups digits with a blank and it starts a group at the end of the whole
// number: after one to three digits, or after a whole group.
bool frmTolvarine::KeepsTypedBlank(std::string_view current, const TextEdit &edit) const {
    if (!IsBlank(m_format.group) || edit.removed > 0 || edit.from != CharacterCount(current))
        return false;
    std::size_t run = 0;
    std::size_t runs = 0;
    for (std::size_t i = 0; i <= current.size(); ++i) {
        if (i < current.size() && IsDigit(current[i])) {
            ++run;
            continue;
        }
        const bool end = i == current.size();
        const std::size_t blank = end ? 0 : ByteOffset(current.substr(i), 1);
        if (!end && !IsBlank(current.substr(i, blank)) && !(i == 0 && current[0] == '-'))
            return false;
        if (i > 0 || end) {
            if (runs == 0 ? (run == 0 || run > 3) : run != 3)
                return false;
            ++runs;
        }
        run = 0;
        if (!end)
            i += blank - 1;
    }
    return true;
}

// Why a paste cannot be taken whole; empty when it can.
std::string frmTolvarine::PasteRefusal(ControlId id, const TextEdit &edit,
                                       const std::string &text) const {
    if (HasControlCharacter(edit.inserted))
        return PasteNotANumberMessage(id, edit.inserted);
    if (edit.inserted.empty() || text.empty())
        return {}; // nothing but blanks pasted: the selection is deleted, as by a key
    if (!runtime::IsNumber(text, m_format))
        return PasteNotANumberMessage(id, edit.inserted);
    if (runtime::TextToDouble(text, m_format) < 0)
        return PasteNegativeMessage(id, edit.inserted);
    return {};
}

// A value written with a unit letter that the field's unit does not hold,
// in the field's unit; a text that is no number yet stays as it is.
std::string frmTolvarine::ScaledText(ControlId id, const std::string &text, double factor) const {
    if (factor == 1 || !runtime::IsNumber(text, m_format))
        return text;
    return calc::ScaledByLetter(InputOf(id), runtime::TextToDouble(text, m_format), factor,
                                m_format)
        .text;
}

frmTolvarine::EditOutcome frmTolvarine::UserEdit(ControlId id, const TextEdit &userEdit) {
    const std::optional<Entry> entry = std::exchange(m_entry, std::nullopt);
    const bool pasted = userEdit.source == EditSource::Pasted;
    EditOutcome outcome{false, userEdit.from};
    if (!Dispatch(id, Failing::Edit, [&] { outcome = Edit(id, userEdit, entry); }))
        outcome = {false, userEdit.from, pasted, pasted ? userEdit.removed : 0};
    return outcome;
}

frmTolvarine::EditOutcome frmTolvarine::Edit(ControlId id, const TextEdit &userEdit,
                                             const std::optional<Entry> &entry) {
    EndNotice();
    TextField &field = MutableField(id);
    if (field.ReadOnly() || !field.Shown())
        return {false, userEdit.from};
    const std::string current = field.Text();
    TextEdit edit = Clamped(userEdit, current);
    const NotationState state = entry && entry->field == id ? entry->state : NotationState{};
    const bool pasted = edit.source == EditSource::Pasted;
    // A paste is read whole, its marks included, before the limit applies.
    std::optional<calc::RatingKind> ratingKind;
    if (pasted) {
        std::string trimmed = TrimPasted(WithoutInvisibleMarks(edit.inserted));
        if (id.control == Control::txtTol) {
            trimmed = WithoutPlusMinus(trimmed);
        } else if (auto mark =
                       id.control == Control::txtUn ? SplitKindMark(trimmed) : std::nullopt) {
            trimmed = std::move(mark->value);
            ratingKind = mark->kind;
        }
        edit.inserted = WithLocaleMark(std::move(trimmed), Around(current, edit), m_format);
    } else {
        edit.inserted = WithoutControlCharacters(edit.inserted);
        if (auto outcome =
                TypedMark(id, current, edit, state, entry && entry->field == id ? entry->mark : 0))
            return *outcome;
    }
    if (!pasted && edit.inserted.empty() && edit.removed == 0)
        return {false, edit.from};
    // After a key that the limit refused, a key typed on at the end is
    // refused too: a unit letter would apply to a number the user did not
    // write ("0,0004" when "0,00047u" was typed).
    if (entry && entry->field == id && entry->refused && !pasted && edit.removed == 0 &&
        edit.from == CharacterCount(current) && field.Limit()) {
        ShowNotice(TypedTooLongMessage(id, *field.Limit()));
        m_entry = entry;
        return {false, edit.from};
    }
    if (!pasted && IsBlank(edit.inserted) && !KeepsTypedBlank(current, edit)) {
        NotationState kept;
        kept.prefixTyped = state.prefixTyped && edit.removed == 0; // "1k5 V"
        m_entry = Entry{id, kept};
        return {false, edit.from};
    }

    std::string text;
    std::size_t caret = 0;
    std::string unit;
    double factor = 1;
    NotationState next;
    const std::optional<UnitKind> kind = UnitKindOf(id);
    if (auto notation =
            kind ? ApplyUnitNotation(*kind, current, edit, state, m_format) : std::nullopt) {
        if (notation->swallowed) {
            m_entry = Entry{id, notation->state};
            return {false, edit.from};
        }
        text = std::move(notation->text);
        caret = notation->caret;
        unit = std::move(notation->unit);
        factor = notation->factor;
        next = std::move(notation->state);
    } else {
        text = Applied(current, edit);
        caret = edit.from + CharacterCount(edit.inserted);
        // Digits after a prefix letter: its base unit's letter is still swallowed.
        next.prefixTyped =
            state.prefixTyped && !pasted && edit.removed == 0 &&
            edit.from == CharacterCount(current) &&
            (IsBlank(edit.inserted) || (edit.inserted.size() == 1 && IsDigit(edit.inserted[0])));
    }

    const std::size_t written = CharacterCount(text); // as the user wrote it
    if (field.Limit() && written > *field.Limit() &&
        written > CharacterCount(current) - edit.removed) {
        if (pasted) {
            ShowNotice(PasteTooLongMessage(id, *field.Limit()));
        } else {
            ShowNotice(TypedTooLongMessage(id, *field.Limit()));
            const bool atEnd = edit.removed == 0 && edit.from == CharacterCount(current);
            m_entry = Entry{
                .field = id, .state = state, .refused = atEnd}; // the keys typed on after it go too
        }
        return {false, edit.from, pasted, pasted ? edit.removed : 0};
    }
    if (pasted) {
        if (const std::string why = PasteRefusal(id, edit, text); !why.empty()) {
            ShowNotice(why);
            return {false, edit.from, true, edit.removed};
        }
    }
    if (factor != 1) { // in the field's unit: a failure refuses the edit
        text = ScaledText(id, text, factor);
        caret = CharacterCount(text);
    }
    const int unitBefore = UnitListOf(id) ? List(*UnitListOf(id)).ListIndex() : -1;
    const bool kindChanged = ratingKind && m_rating.ChooseKind(id.index, *ratingKind);
    ChooseUnit(id, unit);
    field.SetText(text); // raises the change notification where the text changed
    if (field.Text() != text)
        caret = CharacterCount(field.Text()); // a handler replaced it
    if (next.decimalsFollow || next.prefixTyped || !next.mantissa.empty())
        m_entry = Entry{id, std::move(next)};
    RefreshNote(id);
    RecordHistories(id, caret);
    const int unitAfter = UnitListOf(id) ? List(*UnitListOf(id)).ListIndex() : -1;
    return {field.Text() != current || unitAfter != unitBefore || kindChanged, caret};
}

// The marks typed key by key: a rating's kind after its value ("~", "=",
// "AC", "DC"), a tolerance's "±" or "+/-" before it. Nothing for a key that
// is none.
std::optional<frmTolvarine::EditOutcome>
frmTolvarine::TypedMark(ControlId id, std::string_view current, const TextEdit &edit,
                        const NotationState &state, char mark) {
    const std::string &key = edit.inserted;
    if (id.control == Control::txtTol) {
        const bool atStart = Around(current, edit).empty();
        char next = 0;
        // 's': the sign is whole; the blanks after it go too.
        if (key == "\u00B1" || (key == "-" && mark == '/') || (IsBlank(key) && mark == 's'))
            next = 's';
        else if (key == "+" && atStart)
            next = '+';
        else if (key == "/" && mark == '+')
            next = '/';
        else
            return std::nullopt;
        // Typed over a selection, the mark leaves it for the number to replace.
        m_entry = Entry{.field = id, .state = {}, .mark = next};
        return EditOutcome{false, edit.from, false, edit.removed};
    }
    const bool atEnd = edit.removed == 0 && edit.from == CharacterCount(current);
    if (id.control != Control::txtUn || !atEnd || current.empty())
        return std::nullopt;
    const std::optional<KindKey> read = ReadKindKey(key, mark);
    if (!read)
        return std::nullopt;
    if (!read->kind) { // "A" or "D": the rest of the value's state waits with it
        m_entry = Entry{.field = id, .state = state, .mark = read->pending};
        return EditOutcome{false, edit.from};
    }
    return EditOutcome{m_rating.ChooseKind(id.index, *read->kind), edit.from};
}

void frmTolvarine::ChooseUnit(ControlId id, const std::string &unit) {
    const std::optional<ControlId> list = UnitListOf(id);
    if (!list || unit.empty())
        return;
    PickList &units = MutableList(*list);
    for (int entry = 0; entry < units.ListCount(); ++entry) {
        if (units.List(entry) == unit && entry != units.ListIndex())
            units.Choose(entry); // raises the click notification, as a choice by hand
    }
}

frmTolvarine::EditOutcome frmTolvarine::UserUndo(ControlId id) {
    return StepHistory(id, true);
}

frmTolvarine::EditOutcome frmTolvarine::UserRedo(ControlId id) {
    return StepHistory(id, false);
}

bool frmTolvarine::CanUndo(ControlId id) const {
    const auto it = m_histories.find(id);
    return it != m_histories.end() && it->second.CanUndo();
}

bool frmTolvarine::CanRedo(ControlId id) const {
    const auto it = m_histories.find(id);
    return it != m_histories.end() && it->second.CanRedo();
}

// The unit comes back first, then the text: each raises its notification.
frmTolvarine::EditOutcome frmTolvarine::StepHistory(ControlId id, bool back) {
    EndNotice();
    m_entry.reset();
    if (back ? !CanUndo(id) : !CanRedo(id))
        return {false, 0};
    FieldHistory &history = m_histories.at(id);
    const FieldStep step = back ? history.Undo() : history.Redo();
    if (const std::optional<ControlId> list = UnitListOf(id)) {
        if (step.unit >= 0 && List(*list).ListIndex() != step.unit)
            MutableList(*list).Choose(step.unit);
    }
    MutableField(id).SetText(step.text);
    RefreshNote(id);
    RecordHistories(id, step.caret);
    return {true, step.caret};
}

FieldStep frmTolvarine::StepOf(ControlId id, std::size_t caret) const {
    const std::optional<ControlId> list = UnitListOf(id);
    return {Field(id).Text(), list ? List(*list).ListIndex() : -1, caret};
}

void frmTolvarine::StartHistories() {
    m_histories.clear();
    for (const ControlId id : kValueFields)
        m_histories.emplace(id, FieldHistory(StepOf(id, CharacterCount(Field(id).Text()))));
}

// Every change that an action made is a step of its field's history: the
// edited field's caret is the action's, another field's goes to its end.
void frmTolvarine::RecordHistories(std::optional<ControlId> edited, std::size_t caret) {
    for (auto &[id, history] : m_histories) {
        if (id == edited) {
            history.Record(StepOf(id, caret));
            continue;
        }
        const FieldStep step = StepOf(id, CharacterCount(Field(id).Text()));
        if (step.text != history.Current().text || step.unit != history.Current().unit)
            history.Record(step);
    }
}

// The note follows the field edited last, while its text stays ambiguous.
void frmTolvarine::RefreshNote(std::optional<ControlId> edited) {
    if (edited)
        m_noteField = edited;
    m_note = m_noteField ? AmbiguityNote(*m_noteField, Field(*m_noteField).Text(), m_format) : "";
    if (m_note.empty())
        m_noteField.reset();
    RenderBand();
}

} // namespace window
