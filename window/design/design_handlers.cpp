// SPDX-License-Identifier: GPL-3.0-or-later
// The design part's inputs, its search after every change, and the use of a
// row: its parts into C1 to C4 and, with the rating check open, their
// ratings into the check's fields.
#include "frm_tolvarine.h"

#include "conversions.h"
#include "design_values.h"
#include "input_reading.h"
#include "series.h"

namespace window {

// The capacitance wanted and the range are corrected in place as C1 to C4 are.
void frmTolvarine::txtDesign_Change(ControlId id) {
    ValidateInput(MutableField(id));
}

void frmTolvarine::cboDesign_Click() {
    Recalculate();
}

void frmTolvarine::cmdProiectare_Click() {
    m_design.SetOpen(!m_design.Open());
    Recalculate();
}

void frmTolvarine::UserShowDesign(bool open) {
    Dispatch(std::nullopt, Failing::Computation, [&] {
        m_entry.reset();
        if (open != m_design.Open())
            UserClick({Control::cmdProiectare, 0});
    });
}

// The parts' voltages are those of the window's applied voltage and of the
// rating check's tolerance: one field for each. A failure of calc here is the
// design part's alone: the window's results stand.
void frmTolvarine::UpdateDesign() {
    if (!m_design.Open())
        return;
    try {
        const double volts = calc::VoltsOf({calc::Input::AppliedVoltage},
                                           InputValue(txtUst.Text(), m_format), cboUst.Text());
        const std::string applied = WrittenInput(txtUst.Text(), m_format) + " " + cboUst.Text();
        const double tolerance = InputValue(Field({Control::txtTol, 0}).Text(), m_format);
        m_design.Update(volts, applied, tolerance, m_format);
    } catch (const calc::CalculationError &error) {
        ErrorCause cause = CauseOf(error);
        cause.designOnly = true;
        throw ReportedFailure(std::move(cause));
    }
}

void frmTolvarine::UserApplyDesign(std::size_t index) {
    Dispatch(std::nullopt, Failing::Computation, [&] {
        EndNotice();
        m_entry.reset();
        if (index >= m_design.Rows().size())
            return;
        // A copy: each assignment runs the calculation, which writes the rows again.
        const DesignRow row = m_design.Rows()[index];
        for (std::size_t k = 0; k < 4; ++k) {
            if (static_cast<int>(k) < row.count) {
                if (cboCs[k].ListIndex() != row.units[k])
                    cboCs[k].Choose(row.units[k]);
                txtCs[k].SetText(row.texts[k]);
            } else {
                txtCs[k].SetText(runtime::IntToText(0));
            }
        }
        if (m_rating.Open())
            WriteRatings(row);
        RefreshNote(std::nullopt);
        RecordHistories(std::nullopt, 0);
    });
}

// Each part's standard rating in volts with the row's kind of rating; no
// rating where the row has none for a part or no part.
void frmTolvarine::WriteRatings(const DesignRow &row) {
    const auto kind = static_cast<calc::RatingKind>(m_design.KindEntry());
    for (int k = 0; k < 4; ++k) {
        const int volts = k < row.count ? row.ratingVolts[static_cast<std::size_t>(k)] : 0;
        if (volts != 0)
            m_rating.SetRating(k, runtime::IntToText(volts), calc::kVolt, kind);
        else
            m_rating.SetRating(k, "", "", kind);
    }
}

} // namespace window
