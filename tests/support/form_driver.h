// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Drives the form as a user would, with no toolkit: the whole new text of a
// field, a choice in a list, a click, a key. Reads the form through its
// const access only.
#include "conversions.h"
#include "delivery_observer.h"
#include "frm_tolvarine.h"
#include "user_edit.h"

#include <ostream>
#include <string>
#include <vector>

namespace window {

inline ControlId Cs(int k) {
    return {Control::txtCs, k};
}
inline ControlId CsUnit(int k) {
    return {Control::cboCs, k};
}
inline ControlId Us(int k) {
    return {Control::txtUs, k};
}
inline ControlId UsUnit(int k) {
    return {Control::txtUMUs, k};
}
inline ControlId Caption(int k) {
    return {Control::lblEticheteS, k};
}
inline const ControlId Ust{Control::txtUst, 0};
inline const ControlId UstUnit{Control::cboUst, 0};
inline const ControlId Cst{Control::txtCst, 0};
inline const ControlId CstUnit{Control::lblUMs, 0};
inline const ControlId Eroare{Control::lblEroare, 0};
inline const ControlId Clear{Control::cmdClear, 0};

inline bool IsLabel(ControlId id) {
    return id.control == Control::lblUMs || id.control == Control::lblEticheteS ||
           id.control == Control::lblEroare;
}

// The text of a field or list, or the caption of a label.
inline const std::string &Text(const frmTolvarine &form, ControlId id) {
    if (IsLabel(id))
        return form.LabelOf(id).Caption();
    if (id.control == Control::cboCs || id.control == Control::cboUst)
        return form.List(id).Text();
    return form.Field(id).Text();
}

// Whether a field or label is shown.
inline bool IsShown(const frmTolvarine &form, ControlId id) {
    return IsLabel(id) ? form.LabelOf(id).Shown() : form.Field(id).Shown();
}

// Replaces the whole text of a field, as select-all and typing would.
inline frmTolvarine::EditOutcome Type(frmTolvarine &form, ControlId field,
                                      const std::string &text) {
    return form.UserEdit(field, ReplaceAll(form.Field(field).Text(), text, EditSource::Typed));
}

// Select-all and a paste of `text`.
inline frmTolvarine::EditOutcome Paste(frmTolvarine &form, ControlId field,
                                       const std::string &text) {
    return form.UserEdit(field, ReplaceAll(form.Field(field).Text(), text, EditSource::Pasted));
}

// Select-all, then `keys` typed one character at a time at the caret.
inline void TypeKeys(frmTolvarine &form, ControlId field, const std::string &keys) {
    TextEdit edit = ReplaceAll(form.Field(field).Text(), "", EditSource::Typed);
    for (std::size_t i = 0; i < keys.size();) {
        std::size_t length = 1;
        while (i + length < keys.size() &&
               (static_cast<unsigned char>(keys[i + length]) & 0xC0) == 0x80)
            ++length;
        edit.inserted = keys.substr(i, length);
        const frmTolvarine::EditOutcome outcome = form.UserEdit(field, edit);
        edit.from = outcome.caret;
        edit.removed = outcome.selected; // a selection kept goes with the next key
        i += length;
    }
}

// An edit at a place of the field: `removed` characters from `from` give way
// to `inserted`.
inline frmTolvarine::EditOutcome EditAt(frmTolvarine &form, ControlId field, std::size_t from,
                                        std::size_t removed, const std::string &inserted,
                                        EditSource source = EditSource::Typed) {
    return form.UserEdit(field, {from, removed, inserted, source});
}

inline int EntryOf(const PickList &list, const std::string &text) {
    for (int k = 0; k < list.ListCount(); ++k)
        if (list.List(k) == text)
            return k;
    return -1;
}

inline void Choose(frmTolvarine &form, ControlId list, const std::string &unit) {
    form.UserChoose(list, EntryOf(form.List(list), unit));
}

// The texts the window shows as results, in one comparable value.
struct Shown {
    std::string equivalent;
    std::string equivalentUnit;
    bool equivalentShown = false;
    std::vector<std::string> voltages;
    std::vector<std::string> voltageUnits;

    bool operator==(const Shown &) const = default;
};

inline Shown ResultsOf(const frmTolvarine &form) {
    Shown s{Text(form, Cst), Text(form, CstUnit), IsShown(form, Cst), {}, {}};
    for (int k = 0; k < 4; ++k) {
        s.voltages.push_back(Text(form, Us(k)));
        s.voltageUnits.push_back(Text(form, UsUnit(k)));
    }
    return s;
}

inline std::ostream &operator<<(std::ostream &out, const Shown &s) {
    out << "Ceq " << s.equivalent << " " << s.equivalentUnit
        << (s.equivalentShown ? "" : " hidden");
    for (std::size_t k = 0; k < s.voltages.size(); ++k)
        out << " | U" << k + 1 << " " << s.voltages[k] << " " << s.voltageUnits[k];
    return out;
}

// Records every delivery (which control, which notification, at what depth)
// and counts the recalculations. Give it to the form when creating it; Clear
// forgets what was recorded so far.
class DeliveryLog : public DeliveryObserver {
public:
    struct Entry {
        ControlId id;
        Notification notification;
        int depth;
        std::string fieldText; // the field's text when its change was delivered
    };

    void Delivered(const frmTolvarine &form, ControlId id, Notification notification,
                   int depth) override {
        std::string text;
        if (notification == Notification::Change)
            text = form.Field(id).Text();
        entries.push_back({id, notification, depth, text});
    }
    void Recalculated() override { ++recalculations; }
    void Clear() { entries.clear(); }

    std::vector<Entry> entries;
    std::size_t recalculations = 0;
};

} // namespace window
