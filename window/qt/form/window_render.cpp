// SPDX-License-Identifier: GPL-3.0-or-later
// Shows the window model's state in the widgets.
#include "tolvarine_window.h"

#include "accessibility.h"
#include "edit_capture.h"
#include "layout_values.h"
#include "long_text.h"
#include "message_band.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace view {

using window::Control;
using window::ControlId;

namespace {

void RenderShown(QWidget &widget, bool shown) {
    if (widget.isHidden() == shown)
        widget.setVisible(shown);
}

} // namespace

void TolvarineWindow::Render() {
    ++m_renders;
    for (const auto &[id, edit] : m_fields) {
        if (id.control != Control::txtMarja) // shown with its state below
            RenderField(id, m_form.Field(id), *edit);
        if (!edit->isReadOnly())
            RenderNote(id, *edit);
    }
    for (const auto &[id, combo] : m_lists)
        RenderList(m_form.List(id), *combo);
    for (const auto &[id, label] : m_labels)
        RenderLabel(id, m_form.LabelOf(id), *label);
    const QString caption =
        QString::fromStdString(m_form.ButtonOf({window::Control::cmdClear, 0}).Caption());
    if (m_clear->text() != caption)
        m_clear->setText(caption);
    DescribeResults(m_form, m_fields, m_describedUnits);
    RenderRatingCheck();
    RenderDesign();
}

void TolvarineWindow::RenderField(ControlId id, const window::TextField &field, QLineEdit &edit) {
    const QString text = QString::fromStdString(field.Text());
    const QString whole = edit.property(kWholeTextProperty).toString();
    if ((whole.isEmpty() ? edit.text() : whole) != text) {
        const QSignalBlocker blocker(edit);
        if (field.ReadOnly()) {
            ShowResult(edit, text, m_form.Format());
        } else {
            edit.setText(text);
            m_capture->Rendered(edit);
        }
    }
    if (field.Marked() != m_markedFields.contains(id)) {
        ShowMarked(edit, field.Marked());
        if (field.Marked())
            m_markedFields.insert(id);
        else
            m_markedFields.erase(id);
    }
    RenderShown(edit, field.Shown());
}

// The note on an ambiguous mark is the field's tooltip and accessible
// description too, over the tooltip that says how values may be written.
// A marked field is described as invalid: Qt's text fields have no
// invalid-entry state to give assistive technologies.
void TolvarineWindow::RenderNote(ControlId id, QLineEdit &edit) {
    const bool noted = m_form.NoteField() == id;
    const QString note = noted ? QString::fromStdString(m_form.Note()) : QString();
    const QString tip = noted ? note : edit.property(kToolTipProperty).toString();
    if (edit.toolTip() != tip)
        edit.setToolTip(tip);
    const QString description = m_form.Field(id).Marked()
                                    ? QStringLiteral("Valoare nevalidă, vedeți mesajul de eroare.")
                                    : note;
    if (edit.accessibleDescription() != description)
        edit.setAccessibleDescription(description);
}

void TolvarineWindow::RenderList(const window::PickList &list, QComboBox &combo) {
    if (combo.currentIndex() != list.ListIndex()) {
        const QSignalBlocker blocker(combo);
        combo.setCurrentIndex(list.ListIndex());
    }
}

void TolvarineWindow::RenderLabel(ControlId id, const window::Label &label, QLabel &widget) {
    const QString caption = QString::fromStdString(label.Caption());
    const bool wasShown = !widget.isHidden();
    const bool changed = widget.text() != caption;
    if (changed)
        widget.setText(caption);
    // A caption wider than the table's size makes its label grow; the
    // messages of lblEroare and lblVerificare wrap instead. A hidden caption
    // is measured when it is shown: measuring loads its font.
    if (label.Shown() && (changed || !wasShown) && id.control != Control::lblEroare &&
        id.control != Control::lblVerificare)
        widget.setGeometry(FittedLabelRect(m_labelRects.at(id), widget.font(), caption));
    RenderShown(widget, label.Shown());
    // The warning is announced when a margin turns red, not when it turns
    // green again nor while the excess changes.
    if (id.control == Control::lblVerificare) {
        const unsigned warnings = m_form.Rating().WarningsRaised();
        if (warnings != m_warningsAnnounced) {
            m_warningsAnnounced = warnings;
            AnnounceMessage(widget, wasShown);
        }
        return;
    }
    if (id.control != Control::lblEroare)
        return;
    if (label.Shown() && (changed || !wasShown))
        AnnounceMessage(widget, wasShown);
    // The note: in the band's place, in the window's text colour, and no alert.
    const bool note = m_form.Band() == window::frmTolvarine::BandKind::Note;
    const QString noteText = note ? QString::fromStdString(m_form.Note()) : QString();
    if (m_noteBand->text() != noteText)
        m_noteBand->setText(noteText);
    RenderShown(*m_noteBand, note);
}

} // namespace view
