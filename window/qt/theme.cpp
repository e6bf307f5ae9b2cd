// SPDX-License-Identifier: GPL-3.0-or-later
#include "theme.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QPainter>

namespace view {
namespace {

// Gives the popup and its view the list's palette just before it is shown:
// the list resets the popup to the desktop's menu colours whenever the style
// or the application's palette changes.
class PopupColours final : public QObject {
public:
    explicit PopupColours(QComboBox &combo)
        : QObject(&combo)
        , m_combo(combo) {
        combo.view()->window()->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Show) {
            // The entries are drawn in the application's menu colours but for
            // the roles that the view's palette sets: it sets them all.
            QPalette palette = m_combo.palette();
            palette.setResolveMask(~QPalette::ResolveMask{0});
            static_cast<QWidget *>(watched)->setPalette(palette);
            m_combo.view()->setPalette(palette);
        }
        return false;
    }

private:
    QComboBox &m_combo;
};

} // namespace

void KeepPopupColours(QComboBox &combo) {
    new PopupColours(combo);
}

void ListBox::showPopup() {
    if (!m_keepsColours) {
        KeepPopupColours(*this);
        m_keepsColours = true;
    }
    QComboBox::showPopup();
}

void FieldEdit::paintEvent(QPaintEvent *event) {
    QLineEdit::paintEvent(event);
    if (!hasFocus() || hasFrame())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace view
