// SPDX-License-Identifier: GPL-3.0-or-later
// The rating check's inputs: each is corrected in place as the window's own
// inputs are (an empty rating stays: it is not given), then the results are
// computed again.
#include "frm_tolvarine.h"

#include "unit_notation.h"

namespace window {

void frmTolvarine::txtUn_Change(std::int16_t Index) {
    TextField &field = MutableField({Control::txtUn, Index});
    if (field.Text().empty())
        Recalculate();
    else
        ValidateInput(field);
}

void frmTolvarine::cboUn_Click(std::int16_t) {
    Recalculate();
}

void frmTolvarine::txtTol_Change() {
    ValidateInput(MutableField({Control::txtTol, 0}));
}

void frmTolvarine::txtFrec_Change() {
    ValidateInput(MutableField({Control::txtFrec, 0}));
}

frmTolvarine::Notation frmTolvarine::ApplyNotation(ControlId id, std::string_view proposed,
                                                   std::size_t caret) {
    const bool decimalsFollow = m_decimalsFollow == id;
    m_decimalsFollow.reset();
    std::optional<ControlId> list;
    if (id.control == Control::txtCs)
        list = ControlId{Control::cboCs, id.index};
    else if (id.control == Control::txtUst)
        list = ControlId{Control::cboUst, 0};
    else if (id.control == Control::txtUn)
        list = ControlId{Control::cboUn, id.index};
    if (!list)
        return {std::string(proposed), caret, std::nullopt, {}};
    const UnitKind kind = id.control == Control::txtCs ? UnitKind::Capacitance : UnitKind::Voltage;
    std::optional<NotationEdit> edit =
        ApplyUnitNotation(kind, Field(id).Text(), proposed, caret, decimalsFollow, m_format);
    if (!edit)
        return {std::string(proposed), caret, std::nullopt, {}};
    if (edit->decimalsFollow)
        m_decimalsFollow = id;
    return {std::move(edit->text), edit->caret, list, std::move(edit->unit)};
}

void frmTolvarine::ChooseUnit(const Notation &notation) {
    if (!notation.list)
        return;
    PickList &units = MutableList(*notation.list);
    for (int entry = 0; entry < units.ListCount(); ++entry) {
        if (units.List(entry) == notation.unit && entry != units.ListIndex())
            units.Choose(entry); // raises the click notification, as a choice by hand
    }
}

} // namespace window
