// Rewrites the results in a readable unit, three decimals in that unit.
#include "frm_tolvarine.h"

#include "checked_math.h"
#include "conversions.h"

#include <array>

namespace window {

using runtime::Div;
using runtime::DoubleToText;
using runtime::Mul;
using runtime::RoundDecimals;

// The equivalent capacitance, in pF on entry, in pF, nF or uF on return. The
// nF test reads the rounded value, so 999.9996 nF goes on to 1 uF.
void frmTolvarine::ScaleCapacitance() {
    const auto value = [this] { return runtime::TextToDouble(txtCst.Text(), m_format); };
    if (value() < 1000) {
        lblUMs.SetCaption("pF");
        return;
    }
    txtCst.SetText(DoubleToText(RoundDecimals(Div(value(), 1000), 3), m_format));
    if (value() < 1000) {
        lblUMs.SetCaption("nF");
        return;
    }
    txtCst.SetText(DoubleToText(RoundDecimals(Div(value(), 1000), 3), m_format));
    lblUMs.SetCaption("uF");
}

// Each capacitor voltage, in volts on entry, in uV, mV, V, kV or MV on return,
// rounded to three decimals of that unit. A value that rounds to 1000 of its
// unit moves on to the next one; a voltage of 0 has no unit.
void frmTolvarine::ScaleVoltages() {
    static const std::array<const char *, 5> units = {"uV", "mV", "V", "kV", "MV"};
    for (std::size_t k = 0; k < 4; ++k) {
        const double v = runtime::TextToDouble(txtUs[k].Text(), m_format);
        std::size_t unit = 0;
        double shown = 0;
        if (v < 0.001) {
            shown = Mul(Mul(v, 1000), 1000);
        } else if (v < 1) {
            unit = 1;
            shown = Mul(v, 1000);
        } else if (v < 1000) {
            unit = 2;
            shown = v;
        } else if (v < 1000000) {
            unit = 3;
            shown = Div(v, 1000);
        } else {
            unit = 4;
            shown = Div(Div(v, 1000), 1000);
        }
        shown = RoundDecimals(shown, 3);
        while (shown >= 1000 && unit + 1 < units.size()) {
            shown = RoundDecimals(Div(shown, 1000), 3);
            ++unit;
        }
        txtUs[k].SetText(DoubleToText(shown, m_format));
        txtUMUs[k].SetText(units[unit]);
        if (runtime::TextToDouble(txtUs[k].Text(), m_format) == 0)
            txtUMUs[k].SetText("");
    }
}

} // namespace window
