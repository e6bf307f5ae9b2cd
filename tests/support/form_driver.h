#pragma once

// Drives the form as a user would, with no toolkit: the whole new text of a
// field, a choice in a list, a click, a key.
#include "conversions.h"
#include "frm_tolvarine.h"
#include "user_edit.h"

#include <ostream>
#include <string>
#include <vector>

namespace window {

// Runs the form's private procedures alone.
struct FormTestAccess {
    static void Recalculate(frmTolvarine &form) { form.Recalculate(); }
    static void ScaleCapacitance(frmTolvarine &form) { form.ScaleCapacitance(); }
    static void ScaleVoltages(frmTolvarine &form) { form.ScaleVoltages(); }
};

inline ControlId Cs(int k) {
    return {Control::txtCs, k};
}
inline ControlId CsUnit(int k) {
    return {Control::cboCs, k};
}
inline const ControlId Ust{Control::txtUst, 0};
inline const ControlId UstUnit{Control::cboUst, 0};

// Replaces the whole text of a field, as select-all and typing would.
inline frmTolvarine::EditOutcome Type(frmTolvarine &form, ControlId field,
                                      const std::string &text) {
    return form.UserEdit(field, text, CharacterCount(text));
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
    Shown s{form.txtCst.Text(), form.lblUMs.Caption(), form.txtCst.Shown(), {}, {}};
    for (int k = 0; k < 4; ++k) {
        s.voltages.push_back(form.txtUs[k].Text());
        s.voltageUnits.push_back(form.txtUMUs[k].Text());
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

// Records every delivery: which control, which notification, at what depth.
class DeliveryLog : public DeliveryObserver {
public:
    struct Entry {
        ControlId id;
        Notification notification;
        int depth;
        std::string fieldText; // the field's text when its change was delivered
    };

    explicit DeliveryLog(frmTolvarine &form)
        : m_form(form) {
        form.SetObserver(this);
    }
    ~DeliveryLog() { m_form.SetObserver(nullptr); }

    void Delivered(ControlId id, Notification notification, int depth) override {
        std::string text;
        if (notification == Notification::Change)
            text = m_form.Field(id).Text();
        entries.push_back({id, notification, depth, text});
    }

    std::vector<Entry> entries;

private:
    frmTolvarine &m_form;
};

} // namespace window
