// SPDX-License-Identifier: GPL-3.0-or-later
#include "rating_panel.h"

#include "layout_values.h"
#include "rating_layout.h"
#include "theme.h"

#include <QAction>
#include <QComboBox>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPolygonF>
#include <QPushButton>

namespace view {

RatingPanel::RatingPanel(QWidget *window)
    : QFrame(window) {
    const RatingLayout &layout = RatingPanelLayout();
    setObjectName(QStringLiteral("fraVerificare"));
    setFrameStyle(QFrame::Box | QFrame::Sunken);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(ToPixels(layout.frame));
    for (const StaticLabelRow &row : layout.labels) {
        auto *label = new QLabel(QString::fromUtf8(row.caption), this);
        label->setObjectName(QString::fromUtf8(row.name));
        if (row.font != Layout().windowFont)
            label->setFont(ToFont(row.font));
        label->setGeometry(FittedLabelRect(ToPixels(row.rect), label->font(), label->text()));
    }
    hide();
}

QPushButton *BuildToggle(QWidget &window, const QWidget &circuit) {
    const ToggleRow &row = RatingPanelLayout().toggle;
    auto *button = new PushButton(&window);
    button->setObjectName(QString::fromUtf8(row.name));
    button->setGeometry(ToPixels(row.rect).translated(circuit.geometry().topLeft()));
    button->setPalette(WithBackground(button->palette(), ToColor(Layout().background)));
    button->setAccessibleName(QString::fromUtf8(row.accessibleName));
    button->setToolTip(QString::fromUtf8(row.toolTip));
    button->setAccessibleDescription(QString::fromUtf8(row.toolTip));
    button->setCheckable(true);
    button->setAutoDefault(false);
    RenderToggle(*button, false);
    button->raise();
    return button;
}

void RenderToggle(QPushButton &toggle, bool open) {
    QString caption = QString::fromUtf8(RatingPanelLayout().toggle.caption);
    if (open)
        caption.replace(QChar(0x25BE), QChar(0x25B4)); // the arrow points up
    toggle.setText(caption);
    toggle.setChecked(open);
}

void RenderMargin(QLineEdit &edit, const std::string &text, calc::Margin margin,
                  const std::string &description, const std::string &basis) {
    const RatingLayout &layout = RatingPanelLayout();
    const QString shown = QString::fromStdString(text);
    Rgb colour = Layout().text;
    if (margin == calc::Margin::Exceeds)
        colour = layout.exceeds;
    else if (margin == calc::Margin::Within)
        colour = layout.within;
    if (edit.text() != shown)
        edit.setText(shown);
    // A field draws its text in the Text role; WindowText stays the window's.
    QPalette palette = edit.palette();
    if (palette.color(QPalette::Text) != ToColor(colour)) {
        palette.setColor(QPalette::Text, ToColor(colour));
        edit.setPalette(palette);
    }
    const QString signName = QStringLiteral("semnAvertizare");
    QAction *sign = edit.findChild<QAction *>(signName, Qt::FindDirectChildrenOnly);
    if (!sign && margin == calc::Margin::Exceeds) {
        sign = edit.addAction(WarningSign(ToColor(layout.exceeds)), QLineEdit::LeadingPosition);
        sign->setObjectName(signName);
    }
    if (sign && sign->isVisible() != (margin == calc::Margin::Exceeds))
        sign->setVisible(margin == calc::Margin::Exceeds);
    const QString said = QString::fromStdString(description);
    if (edit.accessibleDescription() != said)
        edit.setAccessibleDescription(said);
    const QString tip = said.isEmpty() ? QString::fromStdString("Marja " + basis) : said;
    if (edit.toolTip() != tip)
        edit.setToolTip(tip);
}

void DescribeKinds(QComboBox &kinds) {
    const auto &tips = RatingPanelLayout().kindToolTips;
    for (int entry = 0; entry < kinds.count() && entry < static_cast<int>(tips.size()); ++entry)
        kinds.setItemData(entry, QString::fromUtf8(tips[static_cast<std::size_t>(entry)]),
                          Qt::ToolTipRole);
}

void RenderKind(QComboBox &kinds) {
    const QString tip = kinds.currentData(Qt::ToolTipRole).toString();
    if (kinds.toolTip() != tip) {
        kinds.setToolTip(tip);
        kinds.setAccessibleDescription(tip);
    }
}

QIcon WarningSign(const QColor &colour) {
    QIcon icon;
    for (const int size : {16, 24, 32, 48}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        const qreal s = size;
        painter.setBrush(colour);
        painter.drawPolygon(QPolygonF({{s / 2, s * 0.04}, {s, s * 0.94}, {0, s * 0.94}}));
        // The exclamation mark, cut out in white: its bar and its dot.
        painter.setBrush(Qt::white);
        painter.drawRect(QRectF(s * 0.44, s * 0.34, s * 0.12, s * 0.32));
        painter.drawRect(QRectF(s * 0.44, s * 0.72, s * 0.12, s * 0.12));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

} // namespace view
