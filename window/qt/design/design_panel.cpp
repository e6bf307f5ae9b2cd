// SPDX-License-Identifier: GPL-3.0-or-later
#include "design_panel.h"

#include "design_layout.h"
#include "layout_values.h"
#include "theme.h"

#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace view {
namespace {

QString Text(const std::string &text) {
    return QString::fromStdString(text);
}

// The cells of a row, left to right.
std::array<QString, 5> Cells(const window::DesignRow &row) {
    return {Text(row.parts), Text(row.equivalent + " " + row.unit), Text(row.deviation),
            Text(window::PerPart(row.worst, row.count)),
            Text(window::PerPart(row.ratings, row.count))};
}

} // namespace

DesignPanel::DesignPanel(QWidget *window)
    : QFrame(window) {
    const DesignLayout &layout = DesignPanelLayout();
    setObjectName(QStringLiteral("fraProiectare"));
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    for (const StaticLabelRow &row : layout.labels) {
        auto *label = new QLabel(Text(row.caption), this);
        label->setObjectName(Text(row.name));
        label->setFont(ToFont(row.font));
        label->setGeometry(FittedLabelRect(ToPixels(row.rect), label->font(), label->text()));
    }
    m_table = new QTableWidget(0, static_cast<int>(layout.columns.size()), this);
    m_table->setObjectName(Text(layout.tableName));
    m_table->setAccessibleName(QStringLiteral("Combinații de condensatoare standard"));
    m_table->setGeometry(ToPixels(layout.table));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->setTabKeyNavigation(false);
    m_table->setWordWrap(false);
    m_table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->verticalHeader()->setDefaultSectionSize(m_table->fontMetrics().height() + 2);
    QStringList headers;
    for (std::size_t c = 0; c < layout.columns.size(); ++c) {
        headers << Text(layout.columns[c].header);
        m_table->setColumnWidth(static_cast<int>(c), layout.columns[c].width / kTwipsPerPixel);
    }
    m_table->setHorizontalHeaderLabels(headers);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_table->setPalette(WithBackground(m_table->palette(), ToColor(kResult)));

    m_use = new PushButton(this);
    m_use->setObjectName(Text(layout.use.name));
    m_use->setText(Text(layout.use.caption));
    m_use->setGeometry(ToPixels(layout.use.rect));
    m_use->setPalette(WithBackground(m_use->palette(), ToColor(kGrey)));
    m_use->setAccessibleName(Text(layout.use.accessibleName));
    m_use->setToolTip(Text(layout.use.toolTip));
    m_use->setAutoDefault(false);
    hide();
}

void DesignPanel::RenderRows(const std::vector<window::DesignRow> &rows) {
    const auto count = static_cast<int>(rows.size());
    if (m_table->rowCount() != count)
        m_table->setRowCount(count);
    const QColor unratedColour = ToColor(RatingPanelLayout().exceeds);
    for (int r = 0; r < count; ++r) {
        const window::DesignRow &row = rows[static_cast<std::size_t>(r)];
        std::array<QString, 5> cells = Cells(row);
        if (row.unrated)
            cells[0].prepend(QStringLiteral("\u26A0 "));
        for (int c = 0; c < static_cast<int>(cells.size()); ++c) {
            QTableWidgetItem *item = m_table->item(r, c);
            if (!item) {
                item = new QTableWidgetItem;
                m_table->setItem(r, c, item);
            }
            if (item->text() != cells[static_cast<std::size_t>(c)])
                item->setText(cells[static_cast<std::size_t>(c)]);
            const QString tip = row.unrated ? Text(DesignPanelLayout().unratedTip) : QString();
            if (item->toolTip() != tip)
                item->setToolTip(tip);
            const QBrush brush = row.unrated ? QBrush(unratedColour) : QBrush();
            if (item->foreground() != brush)
                item->setForeground(brush);
        }
    }
    if (count > 0 && m_table->currentRow() < 0)
        m_table->setCurrentCell(0, 0);
    m_use->setEnabled(count > 0);
}

QPushButton *BuildPartToggle(QWidget &window, const QWidget &circuit, const ToggleRow &row) {
    auto *button = new PushButton(&window);
    button->setObjectName(Text(row.name));
    button->setGeometry(ToPixels(row.rect).translated(circuit.geometry().topLeft()));
    button->setPalette(WithBackground(button->palette(), ToColor(Layout().background)));
    button->setAccessibleName(Text(row.accessibleName));
    button->setToolTip(Text(row.toolTip));
    button->setAccessibleDescription(Text(row.toolTip));
    button->setCheckable(true);
    button->setAutoDefault(false);
    RenderPartToggle(*button, row, false);
    button->raise();
    return button;
}

void RenderPartToggle(QPushButton &toggle, const ToggleRow &row, bool open) {
    QString caption = Text(row.caption);
    if (open)
        caption.replace(QChar(0x25BE), QChar(0x25B4)); // the arrow points up
    if (toggle.text() != caption)
        toggle.setText(caption);
    if (toggle.isChecked() != open)
        toggle.setChecked(open);
}

} // namespace view
