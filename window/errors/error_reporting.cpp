// SPDX-License-Identifier: GPL-3.0-or-later
// The message band and the marks of the input fields: a failed computation
// shows its cause there until the next good one, and a refused paste its
// notice until the user's next action.
#include "frm_tolvarine.h"

namespace window {

// A failed run leaves no value from earlier input and no partial sum on the
// window.
void frmTolvarine::ClearResults() {
    txtCst.SetText("");
    lblUMs.SetCaption("");
    for (std::size_t k = 0; k < 4; ++k) {
        txtUs[k].SetText("");
        txtUMUs[k].SetText("");
    }
    m_rating.ClearResults();
    m_design.ClearResults();
}

// The one place where a failure reaches the window: the message in the band,
// which the view announces as an alert, and its inputs marked. A failure of
// the rating check takes only the check's results away, one of the design
// part only the design's.
void frmTolvarine::ReportError(const ErrorCause &cause) {
    if (cause.designOnly)
        m_design.ClearResults();
    else if (cause.seriesStands)
        m_rating.ClearResults();
    else
        ClearResults();
    SetMarks(cause.fields);
    m_failure = cause.message;
    m_designFailed = cause.designOnly;
    RenderBand();
}

void frmTolvarine::SetMarks(const std::vector<ControlId> &fields) {
    for (TextField &field : txtCs)
        field.SetMarked(false);
    txtUst.SetMarked(false);
    m_rating.Unmark();
    m_design.Unmark();
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

// The neutral note is no message of lblEroare: the window shows it in the
// band's place while the band is empty.
void frmTolvarine::RenderBand() {
    const std::string &message = m_notice.empty() ? m_failure : m_notice;
    lblEroare.SetCaption(message);
    lblEroare.SetShown(!message.empty());
}

frmTolvarine::BandKind frmTolvarine::Band() const {
    if (!m_notice.empty())
        return BandKind::Notice;
    if (!m_failure.empty())
        return BandKind::Failure;
    return m_note.empty() ? BandKind::None : BandKind::Note;
}

} // namespace window
