// SPDX-License-Identifier: GPL-3.0-or-later
// The series calculation on the window's fields. A capacitance of 0 counts as
// absent. Every value is read from a field's text and written back as text;
// the arithmetic is calc's.
#include "frm_tolvarine.h"

#include "conversions.h"
#include "delivery_observer.h"
#include "input_reading.h"
#include "series.h"

#include <array>

namespace window {

using runtime::IntToText;

// An error ends the run where it arises and goes to the handler's dispatcher,
// which reports it; a good run takes back any message and mark of a failed one.
void frmTolvarine::Recalculate() {
    if (m_observer)
        m_observer->Recalculated();
    ComputeResults();
    m_failure.clear();
    m_designFailed = false;
    SetMarks({});
    UpdateDesign();
    RenderBand();
}

void frmTolvarine::ComputeResults() {
    const auto number = [this](const TextField &field) {
        return InputValue(field.Text(), m_format);
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
        m_rating.ClearResults();
        return;
    }

    // Everything in pF from here on. Each step of calc names the inputs it
    // failed on, and the dispatcher tells the user which to change.
    const std::array<std::string_view, 4> units = {cboCs[0].Text(), cboCs[1].Text(),
                                                   cboCs[2].Text(), cboCs[3].Text()};
    const calc::PerCapacitor picofarads =
        calc::InPicofarads({capacitance[1], capacitance[2], capacitance[3], capacitance[4]}, units);

    // The sum of reciprocals is kept as text, so each partial sum is cut to
    // 15 significant digits before the next term is added. Each text goes to
    // its field with the value that it reads, so nothing that the calculation
    // wrote is read back from a field.
    txtCst.SetText(IntToText(0));
    std::vector<runtime::WrittenNumber> sums = calc::PartialSums(picofarads, m_format);
    for (runtime::WrittenNumber &sum : sums)
        txtCst.SetText(std::move(sum.text));

    // The voltages use the exact reciprocal; only the shown capacitance is
    // rounded to three decimals of a pF.
    calc::Equivalent equivalent = calc::EquivalentOf(sums.back().value, picofarads, m_format);
    txtCst.SetText(equivalent.shown.text);
    ScaleCapacitance(std::move(equivalent.shown));

    const double volts =
        calc::VoltsOf({calc::Input::AppliedVoltage}, number(txtUst), cboUst.Text());

    // Written in volts, unrounded: the ranging rounds in the unit it shows.
    std::array<runtime::WrittenNumber, 4> across =
        calc::VoltagesAcross(volts, equivalent.picofarads, picofarads, m_format);
    std::array<double, 4> written{};
    for (std::size_t k = 0; k < 4; ++k) {
        written[k] = across[k].value;
        txtUs[k].SetText(std::move(across[k].text));
    }
    ScaleVoltages(written);
    m_rating.Update(picofarads, volts, equivalent.picofarads, m_format);
}

} // namespace window
