// SPDX-License-Identifier: GPL-3.0-or-later
// Rewrites the results in a readable unit, three decimals in that unit.
#include "frm_tolvarine.h"

#include "conversions.h"
#include "ranging.h"

namespace window {

// The equivalent capacitance, in pF on entry (the text its field holds and
// the value that reads), in pF, nF or uF on return.
void frmTolvarine::ScaleCapacitance(runtime::WrittenNumber picofarads) {
    calc::Ranged ranged = calc::RangeCapacitance(std::move(picofarads), m_format);
    txtCst.SetText(std::move(ranged.text));
    lblUMs.SetCaption(std::string(ranged.unit));
}

// Each capacitor voltage, in volts on entry, in uV, mV, V, kV or MV on return;
// a voltage of 0 has no unit.
void frmTolvarine::ScaleVoltages() {
    std::array<double, 4> volts{};
    for (std::size_t k = 0; k < 4; ++k)
        volts[k] = runtime::TextToDouble(txtUs[k].Text(), m_format);
    ScaleVoltages(volts);
}

// The same for the values that the fields' texts read.
void frmTolvarine::ScaleVoltages(const std::array<double, 4> &volts) {
    for (std::size_t k = 0; k < 4; ++k) {
        calc::Ranged ranged = calc::RangeVoltage(volts[k], m_format);
        txtUs[k].SetText(std::move(ranged.text));
        txtUMUs[k].SetText(std::string(ranged.unit));
    }
}

} // namespace window
