// SPDX-License-Identifier: GPL-3.0-or-later
// The series calculation on the window's fields. A capacitance of 0 counts as
// absent. Every value is read from a field's text and written back as text;
// the arithmetic is calc's.
#include "frm_tolvarine.h"

#include "conversions.h"
#include "delivery_observer.h"
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
    SetMarks({});
    RenderBand();
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
        m_rating.Clear();
        return;
    }

    // Everything in pF from here on.
    for (std::size_t i = 1; i <= 4; ++i)
        capacitance[i] = calc::ToPicofarads(capacitance[i], cboCs[i - 1].Text());

    // The sum of reciprocals is kept as text, so each partial sum is cut to
    // 15 significant digits before the next term is added. Each text goes to
    // its field with the value that it reads, so nothing that the calculation
    // wrote is read back from a field.
    runtime::WrittenNumber sum{IntToText(0), 0};
    txtCst.SetText(std::move(sum.text));
    for (std::size_t i = 1; i <= 4; ++i) {
        if (capacitance[i] != 0) {
            sum = calc::AddReciprocal(sum.value, capacitance[i], m_format);
            txtCst.SetText(std::move(sum.text));
        }
    }

    // The voltages use the exact reciprocal; only the shown capacitance is
    // rounded to three decimals of a pF.
    const double equivalent = calc::Reciprocal(sum.value);
    runtime::WrittenNumber shown =
        runtime::WriteDouble(runtime::RoundDecimals(equivalent, 3), m_format);
    txtCst.SetText(shown.text);
    ScaleCapacitance(std::move(shown));

    const double volts = calc::ToVolts(number(txtUst), cboUst.Text());

    // Written in volts, unrounded: the ranging rounds in the unit it shows.
    std::array<double, 4> written{};
    for (std::size_t i = 1; i <= 4; ++i) {
        if (capacitance[i] != 0) {
            runtime::WrittenNumber across = runtime::WriteDouble(
                calc::VoltageAcross(volts, equivalent, capacitance[i]), m_format);
            txtUs[i - 1].SetText(std::move(across.text));
            written[i - 1] = across.value;
        } else {
            txtUs[i - 1].SetText(IntToText(0));
        }
    }
    ScaleVoltages(written);
    m_rating.Update({capacitance[1], capacitance[2], capacitance[3], capacitance[4]}, volts,
                    m_format);
}

} // namespace window
