// Capacitors in series: Ceq = 1 / (1/C1 + 1/C2 + ...), and the voltage across
// capacitor i is U x Ceq / Ci. A capacitance of 0 counts as absent. Every
// value is read from a field's text and written back as text.
#include "frm_tolvarine.h"

#include "checked_math.h"
#include "conversions.h"
#include "error_message.h"
#include "runtime_error.h"

#include <array>

namespace window {

using runtime::Add;
using runtime::Div;
using runtime::DoubleToText;
using runtime::IntToText;
using runtime::Mul;
using runtime::TextEquals;

// A failed run leaves no value from earlier input and no partial sum on the
// window, only the message; the error then ends the handler that ran it.
void frmTolvarine::Recalculate() {
    ++m_recalculateRuns;
    try {
        ComputeResults();
    } catch (const runtime::RuntimeError &error) {
        ShowError(ErrorMessage(error.kind()));
        throw;
    }
    lblEroare.SetCaption("");
    lblEroare.SetShown(false);
}

void frmTolvarine::ShowError(const std::string &message) {
    txtCst.SetText("");
    lblUMs.SetCaption("");
    for (std::size_t k = 0; k < 4; ++k) {
        txtUs[k].SetText("");
        txtUMUs[k].SetText("");
    }
    lblEroare.SetCaption(message);
    lblEroare.SetShown(true);
}

void frmTolvarine::ComputeResults() {
    const auto number = [this](const TextField &field) {
        return runtime::TextToDouble(field.Text(), m_format);
    };

    txtCst.SetShown(true);
    lblUMs.SetShown(true);
    lblEticheteS[0].SetShown(true);

    // Capacitances by capacitor number 1 to 4; slot 0 is not used.
    std::array<double, 5> capacitance{};
    int count = 0;
    for (std::size_t i = 1; i <= 4; ++i) {
        const double x = number(txtCs[i - 1]);
        if (x != 0)
            ++count;
        capacitance[i] = x;
    }

    if (count == 0) {
        txtCst.SetShown(false);
        lblUMs.SetShown(false);
        lblEticheteS[0].SetShown(false);
        // No capacitor, so no voltage: a value left from earlier input goes.
        for (std::size_t k = 0; k < 4; ++k) {
            if (txtUs[k].Text() != IntToText(0)) {
                txtUs[k].SetText(IntToText(0));
                txtUMUs[k].SetText("");
            }
        }
        return;
    }

    // Everything in pF from here on.
    for (std::size_t i = 1; i <= 4; ++i) {
        if (TextEquals(cboCs[i - 1].Text(), "nF"))
            capacitance[i] = Mul(capacitance[i], 1000);
        else if (TextEquals(cboCs[i - 1].Text(), "uF"))
            capacitance[i] = Mul(Mul(capacitance[i], 1000), 1000);
    }

    // The sum of reciprocals is kept as text, so each partial sum is cut to
    // 15 significant digits before the next term is added.
    txtCst.SetText(IntToText(0));
    for (std::size_t i = 1; i <= 4; ++i) {
        if (capacitance[i] != 0)
            txtCst.SetText(DoubleToText(Add(number(txtCst), Div(1, capacitance[i])), m_format));
    }

    // The voltages use the exact reciprocal; only the shown capacitance is
    // rounded to three decimals of a pF.
    const double equivalent = Div(1, number(txtCst));
    txtCst.SetText(DoubleToText(runtime::RoundDecimals(equivalent, 3), m_format));
    ScaleCapacitance();

    double volts = 0;
    const std::string &unit = cboUst.Text();
    if (TextEquals(unit, "uV"))
        volts = Div(Div(number(txtUst), 1000), 1000);
    else if (TextEquals(unit, "mV"))
        volts = Div(number(txtUst), 1000);
    else if (TextEquals(unit, "V"))
        volts = number(txtUst);
    else
        volts = Mul(number(txtUst), 1000);

    // Written in volts, unrounded: the ranging rounds in the unit it shows.
    for (std::size_t i = 1; i <= 4; ++i) {
        if (capacitance[i] != 0)
            txtUs[i - 1].SetText(
                DoubleToText(Div(Mul(volts, equivalent), capacitance[i]), m_format));
        else
            txtUs[i - 1].SetText(IntToText(0));
    }
    ScaleVoltages();
}

} // namespace window
