// SPDX-License-Identifier: GPL-3.0-or-later
// The rating check's inputs: each is corrected in place as the window's own
// inputs are (an empty rating stays: it is not given), then the results are
// computed again.
#include "frm_tolvarine.h"

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

void frmTolvarine::cboTipUn_Click(std::int16_t) {
    Recalculate();
}

// Opens or closes the panel; the recalculation checks the current input
// while it is open, and takes back the message of a check that failed.
void frmTolvarine::cmdVerificare_Click() {
    m_rating.SetOpen(!m_rating.Open());
    Recalculate();
}

} // namespace window
