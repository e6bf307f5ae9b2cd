// SPDX-License-Identifier: GPL-3.0-or-later
#include "tolvarine_window.h"

#include "accessibility.h"
#include "app_icon.h"
#include "caret.h"
#include "circuit_frame.h"
#include "covered_edges.h"
#include "edit_capture.h"
#include "field_undo.h"
#include "key_codes.h"
#include "key_preview.h"
#include "layout_values.h"
#include "message_band.h"
#include "rating_panel.h"
#include "theme.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace view {

using window::Control;
using window::ControlId;

namespace {

Qt::Alignment ToAlignment(Align align) {
    return (align == Align::Right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter;
}

// The widget's look from its row of the table: place, size, font, colours.
void Place(QWidget &widget, const ControlRow &row) {
    widget.setObjectName(QString::fromUtf8(row.name));
    widget.setGeometry(ToPixels(row.rect));
    // A control in the window's font inherits it: setting it again would only
    // resolve the same font once more for every control.
    if (row.font != Layout().windowFont)
        widget.setFont(ToFont(row.font));
    if (row.background)
        widget.setPalette(WithBackground(widget.palette(), ToColor(*row.background)));
    if (*row.accessibleName)
        widget.setAccessibleName(QString::fromUtf8(row.accessibleName));
}

} // namespace

TolvarineWindow::TolvarineWindow(runtime::NumberFormat format, QWidget *parent)
    : QWidget(parent)
    , m_form(std::move(format)) {
    const WindowLayout &layout = Layout();
    setObjectName(QStringLiteral("frmTolvarine"));
    setWindowTitle(QString::fromUtf8(layout.caption));
    setWindowIcon(TolvarineIcon());
    setPalette(WindowPalette());
    setAutoFillBackground(true);
    // The program's font (see ProgramFont), which start-up sets for the
    // whole application; the window sets only its own.
    setFont(ProgramFont());
    setFixedSize(layout.clientWidth / kTwipsPerPixel, layout.clientHeight / kTwipsPerPixel);

    InstallListAccessibility();
    m_frame = new CircuitFrame(this);
    m_frame->setGeometry(ToPixels(layout.frame));
    m_undo = new FieldUndo(
        *this,
        {[this](ControlId id, bool back) { OnStepped(id, back); },
         [this](ControlId id, bool back) { return back ? m_form.CanUndo(id) : m_form.CanRedo(id); },
         [this](ControlId id) { m_capture->PasteWhole(*m_fields.at(id)); }});
    m_capture = new EditCapture(
        *this, [this](ControlId id, const window::TextEdit &edit) { OnEdited(id, edit); });
    BuildControls();
    BuildStaticLabels();
    MaskCoveredEdges(*m_frame);
    SetFocusOrder();
    BuildRatingCheck();
    BuildDesign();
    // The widgets show the model first in Start, after its load: the design
    // values that the load replaces are never shown.
    m_keyPreview =
        new KeyPreview(*this, [this](std::int16_t keyAscii) { return PreviewKey(keyAscii); });
}

TolvarineWindow::~TolvarineWindow() {
    delete m_keyPreview; // no key reaches the model while the widgets go
}

void TolvarineWindow::Start() {
    m_form.Start([this] {
        Render();
        show();
    });
    m_fields.at(Layout().focusOrder.front())->setFocus(Qt::OtherFocusReason);
}

QWidget *TolvarineWindow::WidgetOf(ControlId id) const {
    if (const auto it = m_fields.find(id); it != m_fields.end())
        return it->second;
    if (const auto it = m_lists.find(id); it != m_lists.end())
        return it->second;
    if (const auto it = m_labels.find(id); it != m_labels.end())
        return it->second;
    if (id.control == Control::cmdClear)
        return m_clear;
    if (id.control == Control::cmdVerificare)
        return m_toggle;
    if (id.control == Control::cmdProiectare)
        return m_designToggle;
    return nullptr;
}

void TolvarineWindow::BuildControls() {
    for (const ControlRow &row : Layout().controls)
        BuildControl(row, *m_frame);
}

void TolvarineWindow::BuildControl(const ControlRow &row, QWidget &parent) {
    switch (row.kind) {
    case WidgetKind::Field:
        m_fields.emplace(row.id, BuildField(row, parent));
        break;
    case WidgetKind::List:
        m_lists.emplace(row.id, BuildList(row, parent));
        break;
    case WidgetKind::Label:
        m_labels.emplace(row.id, BuildLabel(row, parent));
        m_labelRects.emplace(row.id, ToPixels(row.rect));
        break;
    case WidgetKind::Button:
        m_clear = BuildButton(row, parent);
        break;
    }
}

QLineEdit *TolvarineWindow::BuildField(const ControlRow &row, QWidget &parent) {
    auto *edit = new FieldEdit(&parent);
    Place(*edit, row);
    edit->setAlignment(ToAlignment(row.align));
    edit->setFrame(row.border == Border::Sunken);
    // The model applies the limit of the input fields: QLineEdit's maxLength
    // would cut the program's own longer texts, such as "5000000".
    // One pixel of each side margin goes to the text, so that seven
    // characters of a result fit the narrow fields whole.
    edit->setTextMargins(-1, 0, -1, 0);
    const window::TextField &field = m_form.Field(row.id);
    edit->setReadOnly(field.ReadOnly()); // still focusable, selectable, copyable
    if (!field.ReadOnly()) {
        m_undo->Watch(row.id, *edit);
        m_capture->Watch(row.id, *edit); // after the undo: it sees the context menu first
    }
    return edit;
}

QComboBox *TolvarineWindow::BuildList(const ControlRow &row, QWidget &parent) {
    auto *combo = new ListBox(&parent);
    Place(*combo, row);
    combo->setEditable(false);
    const window::PickList &list = m_form.List(row.id);
    for (int entry = 0; entry < list.ListCount(); ++entry)
        combo->addItem(QString::fromStdString(list.List(entry)));
    combo->setCurrentIndex(-1);
    const ControlId id = row.id;
    connect(combo, &QComboBox::activated, this, [this, id](int entry) { OnChosen(id, entry); });
    return combo;
}

QLabel *TolvarineWindow::BuildLabel(const ControlRow &row, QWidget &parent) {
    auto *label = new QLabel(&parent);
    Place(*label, row);
    label->setAlignment(ToAlignment(row.align));
    if (row.id.control == Control::lblEroare) {
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, ToColor(Layout().errorText));
        label->setPalette(palette);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        MakeAlert(*label);
        // The note stands in the band's place, over the frame rather than in
        // it: one of the two is shown at a time.
        m_noteBand = new QLabel(this);
        m_noteBand->setObjectName(QStringLiteral("lblNota"));
        m_noteBand->setGeometry(label->geometry().translated(parent.geometry().topLeft()));
        m_noteBand->setWordWrap(true);
        m_noteBand->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        m_noteBand->hide();
    } else if (row.id.control == Control::lblVerificare) {
        // The rating check's warning in the same colour, drawn in the Text
        // role so that the label's WindowText stays the window's; an alert
        // as the message band is.
        QPalette palette = label->palette();
        palette.setColor(QPalette::Text, ToColor(Layout().errorText));
        label->setPalette(palette);
        label->setForegroundRole(QPalette::Text);
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        MakeAlert(*label);
    }
    return label;
}

QPushButton *TolvarineWindow::BuildButton(const ControlRow &row, QWidget &parent) {
    auto *button = new PushButton(&parent);
    Place(*button, row);
    button->setAutoDefault(false);
    const ControlId id = row.id;
    connect(button, &QPushButton::clicked, this, [this, id] { OnClicked(id); });
    return button;
}

void TolvarineWindow::BuildStaticLabels() {
    for (const StaticLabelRow &row : Layout().labels) {
        auto *label = new QLabel(QString::fromUtf8(row.caption), m_frame);
        label->setObjectName(QString::fromUtf8(row.name));
        if (row.font != Layout().windowFont)
            label->setFont(ToFont(row.font));
        label->setGeometry(FittedLabelRect(ToPixels(row.rect), label->font(), label->text()));
    }
}

// Qt skips a hidden widget when Tab moves the focus.
void TolvarineWindow::SetFocusOrder() {
    const auto &order = Layout().focusOrder;
    for (std::size_t i = 1; i < order.size(); ++i)
        setTabOrder(WidgetOf(order[i - 1]), WidgetOf(order[i]));
}

void TolvarineWindow::OnEdited(ControlId id, const window::TextEdit &edit) {
    const auto outcome = Act([&] { return m_form.UserEdit(id, edit); });
    QLineEdit &field = *m_fields.at(id);
    const int caret = CaretInUtf16(field.text(), outcome.caret);
    if (outcome.selected > 0) // a refused paste: the selection it went over stays
        field.setSelection(caret,
                           CaretInUtf16(field.text(), outcome.caret + outcome.selected) - caret);
    else
        field.setCursorPosition(caret);
    m_capture->Rendered(field);
}

// An undo or redo: the field's text and unit of the step before or after.
void TolvarineWindow::OnStepped(ControlId id, bool back) {
    const auto outcome = Act([&] { return back ? m_form.UserUndo(id) : m_form.UserRedo(id); });
    QLineEdit &field = *m_fields.at(id);
    if (outcome.accepted)
        field.setCursorPosition(CaretInUtf16(field.text(), outcome.caret));
    m_capture->Rendered(field);
}

void TolvarineWindow::OnChosen(ControlId id, int entry) {
    Act([&] { m_form.UserChoose(id, entry); });
}

void TolvarineWindow::OnClicked(ControlId id) {
    Act([&] { m_form.UserClick(id); });
}

// A key that goes on ends in the action of the control that gets it (an
// edit, a click), which renders once; the preview itself changes nothing that
// the window shows, so only a key that stops here renders.
// Esc inside the rating check or the design part closes that part; elsewhere
// it ends the program.
bool TolvarineWindow::PreviewKey(std::int16_t keyAscii) {
    if (keyAscii == window::kKeyEscape) {
        const QWidget *focus = QApplication::focusWidget();
        const auto inside = [focus](const LazyPanel &part) {
            return focus && part.IsOpen() && part.Widget()->isAncestorOf(focus);
        };
        if (inside(m_ratingPanel)) {
            SetRatingOpen(false);
            return false;
        }
        if (inside(m_designPanel)) {
            SetDesignOpen(false);
            return false;
        }
    }
    const bool goesOn = m_form.UserKeyPress(keyAscii);
    if (!goesOn)
        Act([] {});
    if (m_form.EndRequested()) {
        close();
        emit ended(0);
    }
    return goesOn;
}

} // namespace view
