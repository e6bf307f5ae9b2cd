// Start-up, reset, the unit lists and the keyboard.
#include "frm_tolvarine.h"

#include "conversions.h"

namespace window {

namespace {
constexpr std::int16_t kEscape = 27;
}

// Every capacitance with its first unit, every voltage "0" in volts. Each
// assignment of an input or a list runs its handler, and so a recalculation,
// before the next one.
void frmTolvarine::ResetInputs() {
    for (std::size_t k = 0; k < 4; ++k) {
        txtCs[k].SetText(runtime::IntToText(0));
        cboCs[k].SetText(cboCs[k].List(0));
        txtUs[k].SetText(runtime::IntToText(0));
        txtUMUs[k].SetText("V");
    }
    txtUst.SetText(runtime::IntToText(0));
    cboUst.SetText(cboUst.List(2));
}

void frmTolvarine::Form_Load() {
    ResetInputs();
    lblUMs.SetCaption("pF");
    Recalculate();
}

void frmTolvarine::cmdClear_Click() {
    ResetInputs();
    txtCst.SetText(runtime::IntToText(0));
    lblUMs.SetCaption("");
    Recalculate();
    ScaleVoltages();
}

void frmTolvarine::Form_KeyPress(std::int16_t &KeyAscii) {
    if (KeyAscii == kEscape)
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
