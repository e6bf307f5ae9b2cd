// SPDX-License-Identifier: GPL-3.0-or-later
#include "theme.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
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

// Sees every menu that opens and gives one of the window's its colours.
class MenuColours final : public QObject {
public:
    explicit MenuColours(QWidget &window)
        : QObject(&window)
        , m_window(window) {
        qApp->installEventFilter(this);
    }

    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::Show)
            return false;
        auto *menu = qobject_cast<QMenu *>(watched);
        QWidget *owner = menu ? menu->parentWidget() : nullptr;
        if (owner && (owner == &m_window || m_window.isAncestorOf(owner))) {
            QPalette palette = m_window.palette();
            palette.setResolveMask(~QPalette::ResolveMask{0});
            menu->setPalette(palette);
        }
        return false;
    }

private:
    QWidget &m_window;
};

} // namespace

void KeepMenuColours(QWidget &window) {
    new MenuColours(window);
}

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

void FieldEdit::mouseReleaseEvent(QMouseEvent *event) {
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && !isReadOnly() && !hasSelectedText() &&
        text() == QLatin1String("0"))
        selectAll();
}

void FieldEdit::paintEvent(QPaintEvent *event) {
    QLineEdit::paintEvent(event);
    if (!hasFocus() || hasFrame())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void PushButton::keyPressEvent(QKeyEvent *event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

} // namespace view
