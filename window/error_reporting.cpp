// SPDX-License-Identifier: GPL-3.0-or-later
// The message band and the marks of the input fields: a failed computation
// shows its cause there until the next good one, and a refused paste its
// notice until the user's next action.
#include "frm_tolvarine.h"

#include "conversions.h"

namespace window {

namespace {

double ValueOf(const TextField &field, const runtime::NumberFormat &format) {
    return runtime::IsNumber(field.Text(), format) ? runtime::TextToDouble(field.Text(), format)
                                                   : 0;
}

} // namespace

// A failed run leaves no value from earlier input and no partial sum on the
// window.
void frmTolvarine::ClearResults() {
    txtCst.SetText("");
    lblUMs.SetCaption("");
    for (std::size_t k = 0; k < 4; ++k) {
        txtUs[k].SetText("");
        txtUMUs[k].SetText("");
    }
    m_rating.Clear();
}

void frmTolvarine::ReportError(const ErrorCause &cause) {
    ClearResults();
    SetMarks(cause.fields);
    m_failure = cause.message;
    RenderBand();
}

void frmTolvarine::SetMarks(const std::vector<ControlId> &fields) {
    for (TextField &field : txtCs)
        field.SetMarked(false);
    txtUst.SetMarked(false);
    for (const ControlId id : fields)
        MutableField(id).SetMarked(true);
}

void frmTolvarine::ShowNotice(std::string notice) {
    m_notice = std::move(notice);
    RenderBand();
}

void frmTolvarine::EndNotice() {
    if (m_notice.empty())
        return;
    m_notice.clear();
    RenderBand();
}

void frmTolvarine::RenderBand() {
    const std::string &message = m_notice.empty() ? m_failure : m_notice;
    lblEroare.SetCaption(message);
    lblEroare.SetShown(!message.empty());
}

SeriesInputs frmTolvarine::Inputs() const {
    SeriesInputs inputs;
    for (std::size_t k = 0; k < 4; ++k) {
        inputs.capacitance[k] = ValueOf(txtCs[k], m_format);
        inputs.capacitanceUnit[k] = cboCs[k].Text();
    }
    inputs.voltage = ValueOf(txtUst, m_format);
    inputs.voltageUnit = cboUst.Text();
    return inputs;
}

} // namespace window
