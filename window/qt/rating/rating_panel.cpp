// SPDX-License-Identifier: GPL-3.0-or-later
#include "rating_panel.h"

#include "layout_values.h"
#include "rating_layout.h"
#include "theme.h"

#include <QLabel>
#include <QLineEdit>
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
                  const std::string &description) {
    const RatingLayout &layout = RatingPanelLayout();
    QString shown = QString::fromStdString(text);
    Rgb colour = Layout().text;
    if (margin == calc::Margin::Exceeds) {
        shown.prepend(QStringLiteral("\u26A0 "));
        colour = layout.exceeds;
    } else if (margin == calc::Margin::Within) {
        colour = layout.within;
    }
    if (edit.text() != shown)
        edit.setText(shown);
    // A field draws its text in the Text role; WindowText stays the window's.
    QPalette palette = edit.palette();
    if (palette.color(QPalette::Text) != ToColor(colour)) {
        palette.setColor(QPalette::Text, ToColor(colour));
        edit.setPalette(palette);
    }
    edit.setAccessibleDescription(QString::fromStdString(description));
}

} // namespace view
