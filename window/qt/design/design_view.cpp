// SPDX-License-Identifier: GPL-3.0-or-later
// The design part in the window: its button and F3, its panel under the
// frame (and under the rating check's while that is open), and the use of a
// row by Enter, double click or "Folosește".
#include "tolvarine_window.h"

#include "circuit_frame.h"
#include "design_layout.h"
#include "design_panel.h"
#include "layout_values.h"
#include "message_band.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTableWidget>

namespace view {

using window::Control;

// The button after "Verificare" in the focus order, and F3; the panel itself
// is built when it first opens.
void TolvarineWindow::BuildDesign() {
    const DesignLayout &layout = DesignPanelLayout();
    m_designToggle = BuildPartToggle(*this, *m_frame, layout.toggle);
    setTabOrder(m_toggle, m_designToggle);
    connect(m_designToggle, &QPushButton::clicked, this,
            [this] { SetDesignOpen(!m_form.DesignOpen()); });
    auto *toggle = new QAction(QString::fromUtf8(layout.toggle.accessibleName), this);
    toggle->setShortcut(Qt::Key_F3);
    toggle->setShortcutVisibleInContextMenu(true);
    connect(toggle, &QAction::triggered, this, [this] { SetDesignOpen(!m_form.DesignOpen()); });
    addAction(toggle);
}

// The panel at its first opening, hidden; the opening renders it.
QWidget *TolvarineWindow::BuildDesignPanel() {
    const DesignLayout &layout = DesignPanelLayout();
    m_design = new DesignPanel(this);
    for (const ControlRow &row : layout.controls)
        BuildControl(row, *m_design);
    for (const ToolTipRow &row : layout.toolTips) {
        QWidget *widget = WidgetOf(row.id);
        widget->setToolTip(QString::fromUtf8(row.toolTip));
        widget->setProperty(kToolTipProperty, widget->toolTip());
    }
    // Its inputs follow its button in the focus order, then the table and
    // "Folosește".
    QWidget *previous = m_designToggle;
    for (const ControlRow &row : layout.controls) {
        if (row.kind == WidgetKind::Label)
            continue;
        setTabOrder(previous, WidgetOf(row.id));
        previous = WidgetOf(row.id);
    }
    setTabOrder(previous, &m_design->Table());
    setTabOrder(&m_design->Table(), &m_design->Use());
    connect(&m_design->Table(), &QTableWidget::activated, this, [this] { ApplyDesignRow(); });
    connect(&m_design->Use(), &QPushButton::clicked, this, [this] { ApplyDesignRow(); });
    return m_design;
}

void TolvarineWindow::SetDesignOpen(bool open) {
    QWidget *focus = QApplication::focusWidget();
    Act([&] {
        m_form.UserShowDesign(open);
        if (!open && focus && m_designPanel.Widget() && m_designPanel.Widget()->isAncestorOf(focus))
            m_designToggle->setFocus(Qt::OtherFocusReason);
        m_designPanel.SetOpen(open);
        ArrangePanels();
    });
    // After the render, as a key brings it there: the field's text is
    // selected, to be typed over, and a first text would undo the selection.
    if (open)
        WidgetOf({Control::txtCd, 0})->setFocus(Qt::ShortcutFocusReason);
}

void TolvarineWindow::ApplyDesignRow() {
    const int row = m_design->Table().currentRow();
    if (row < 0)
        return;
    Act([&] { m_form.UserApplyDesign(static_cast<std::size_t>(row)); });
}

// The window grows downwards for each open part; nothing above them moves.
void TolvarineWindow::ArrangePanels() {
    const WindowLayout &layout = Layout();
    int height = m_form.PanelOpen() ? RatingPanelLayout().clientHeightOpen : layout.clientHeight;
    if (m_designPanel.Widget() && m_form.DesignOpen()) {
        const DesignLayout &design = DesignPanelLayout();
        TwipRect frame = design.frame;
        frame.top += height;
        m_design->setGeometry(ToPixels(frame));
        height += design.growth;
    }
    setFixedSize(layout.clientWidth / kTwipsPerPixel, height / kTwipsPerPixel);
}

void TolvarineWindow::RenderDesign() {
    RenderPartToggle(*m_designToggle, DesignPanelLayout().toggle, m_form.DesignOpen());
    if (m_design)
        m_design->RenderRows(m_form.Design().Rows());
}

} // namespace view
