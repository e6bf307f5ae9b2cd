// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up, reset, the unit lists and the keyboard.
#include "frm_tolvarine.h"

#include "conversions.h"
#include "design_values.h"
#include "key_codes.h"
#include "units.h"

namespace window {

// Every capacitance with its first unit, the applied voltage "0" in volts and
// every capacitor voltage "0" with the unit V. Each
// assignment of an input or a list runs its handler, and so a recalculation,
// before the next one. The rating check's and the design part's inputs go
// back to their start values silently; the recalculation that follows shows
// them.
void frmTolvarine::ResetValues() {
    for (std::size_t k = 0; k < 4; ++k) {
        txtCs[k].SetText(runtime::IntToText(0));
        cboCs[k].SetText(cboCs[k].List(0));
        txtUs[k].SetText(runtime::IntToText(0));
        txtUMUs[k].SetText(std::string(calc::kVolt));
    }
    txtUst.SetText(runtime::IntToText(0));
    cboUst.SetText(cboUst.List(kVoltEntry));
    m_rating.ResetInputs();
    m_design.ResetInputs();
}

void frmTolvarine::Form_Load() {
    ResetValues();
    lblUMs.SetCaption(std::string(calc::kPicofarad));
    Recalculate();
}

void frmTolvarine::cmdClear_Click() {
    ResetValues();
    txtCst.SetText(runtime::IntToText(0));
    lblUMs.SetCaption("");
    Recalculate();
    ScaleVoltages();
}

void frmTolvarine::Form_KeyPress(std::int16_t &KeyAscii) {
    if (KeyAscii == kKeyEscape)
        m_endRequested = true;
}

void frmTolvarine::cboCs_Click(std::int16_t) {
    Recalculate();
}
void frmTolvarine::cboCs_Change(std::int16_t) {
    Recalculate();
}
void frmTolvarine::cboUst_Click() {
    Recalculate();
}
void frmTolvarine::cboUst_Change() {
    Recalculate();
}

} // namespace window
