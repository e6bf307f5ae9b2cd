// SPDX-License-Identifier: GPL-3.0-or-later
// The rating check in the window: its panel under the frame, the button and
// F2 that open and close it, and the copy of the results.
#include "tolvarine_window.h"

#include "circuit_frame.h"
#include "layout_values.h"
#include "message_band.h"
#include "rating_layout.h"
#include "rating_panel.h"
#include "results_table.h"
#include "theme.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>

namespace view {

using window::Control;

// The button, the keys and the context menu; the panel itself is built when
// it first opens, so that the start-up does not pay for it.
void TolvarineWindow::BuildRatingCheck() {
    const RatingLayout &layout = RatingPanelLayout();
    ApplyToolTips();
    m_toggle = BuildToggle(*this, *m_frame);
    setTabOrder(WidgetOf(Layout().focusOrder.back()), m_toggle);
    connect(m_toggle, &QPushButton::clicked, this, [this] { SetRatingOpen(!m_form.PanelOpen()); });
    auto *toggle = new QAction(QString::fromUtf8(layout.toggle.accessibleName), this);
    toggle->setShortcut(Qt::Key_F2);
    connect(toggle, &QAction::triggered, this, [this] { SetRatingOpen(!m_form.PanelOpen()); });
    auto *copy = new QAction(QStringLiteral("Copiază rezultatele"), this);
    copy->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C));
    connect(copy, &QAction::triggered, this, [this] { CopyResults(); });
    // Both in the window's context menu, with their keys shown whatever the
    // platform's habit; it and the fields' menus keep the window's colours.
    copy->setShortcutVisibleInContextMenu(true);
    toggle->setShortcutVisibleInContextMenu(true);
    addAction(copy);
    addAction(toggle);
    setContextMenuPolicy(Qt::ActionsContextMenu);
    KeepMenuColours(*this);
}

// The panel at its first opening, hidden; the opening renders it.
QWidget *TolvarineWindow::BuildRatingPanel() {
    const RatingLayout &layout = RatingPanelLayout();
    auto *panel = new RatingPanel(this);
    for (const ControlRow &row : layout.controls)
        BuildControl(row, *panel);
    ApplyToolTips();
    for (int k = 0; k < 4; ++k)
        DescribeKinds(*m_lists.at({Control::cboTipUn, k}));
    // The panel's inputs follow its button in the focus order. Its results
    // take the focus from a click only: a screen reader's review reads them
    // and "Copiază rezultatele" copies them.
    QWidget *previous = m_toggle;
    for (const ControlRow &row : layout.controls) {
        QWidget *widget = WidgetOf(row.id);
        if (row.kind == WidgetKind::Label)
            continue;
        if (row.kind == WidgetKind::Field && m_form.Field(row.id).ReadOnly()) {
            widget->setFocusPolicy(Qt::ClickFocus);
            continue;
        }
        setTabOrder(previous, widget);
        previous = widget;
    }
    return panel;
}

// Each input that exists so far says how values may be written.
void TolvarineWindow::ApplyToolTips() {
    for (const ToolTipRow &row : RatingPanelLayout().toolTips) {
        if (QWidget *widget = WidgetOf(row.id)) {
            widget->setToolTip(QString::fromUtf8(row.toolTip));
            widget->setProperty(kToolTipProperty, widget->toolTip());
        }
    }
}

// The window grows downwards for the panel; nothing above it moves. The
// first opening builds the panel; either way the action renders once.
void TolvarineWindow::SetRatingOpen(bool open) {
    Act([&] {
        m_form.UserShowPanel(open);
        const WindowLayout &layout = Layout();
        QWidget *focus = QApplication::focusWidget();
        if (!open && focus && m_ratingPanel.Widget() && m_ratingPanel.Widget()->isAncestorOf(focus))
            WidgetOf(layout.focusOrder.front())->setFocus(Qt::OtherFocusReason);
        m_ratingPanel.SetOpen(open);
        ArrangePanels();
        if (open)
            WidgetOf({Control::txtUn, 0})->setFocus(Qt::OtherFocusReason);
        RenderToggle(*m_toggle, open);
    });
}

void TolvarineWindow::CopyResults() const {
    const std::string table = window::ResultsTable(m_form);
    QApplication::clipboard()->setText(QString::fromStdString(table));
}

void TolvarineWindow::RenderRatingCheck() {
    if (!m_ratingPanel.Widget())
        return;
    const window::RatingModel &rating = m_form.Rating();
    for (int k = 0; k < 4; ++k) {
        const window::ControlId id{Control::txtMarja, k};
        RenderMargin(*m_fields.at(id), m_form.Field(id).Text(), rating.MarginOf(k),
                     rating.MarginDescription(k), rating.MarginBasis(k));
        RenderKind(*m_lists.at({Control::cboTipUn, k}));
    }
}

} // namespace view
