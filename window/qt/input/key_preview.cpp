// SPDX-License-Identifier: GPL-3.0-or-later
#include "key_preview.h"

#include "key_codes.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

namespace view {
namespace {

bool BelongsTo(const QWidget &widget, const QWidget &window) {
    for (const QWidget *w = &widget; w; w = w->parentWidget()) {
        if (w == &window)
            return true;
    }
    return false;
}

} // namespace

KeyPreview::KeyPreview(QWidget &window, Preview preview)
    : QObject(&window)
    , m_window(window)
    , m_preview(std::move(preview)) {
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview() {
    qApp->removeEventFilter(this);
}

// A key that a control leaves unused travels on to its parents, and the
// application's filters see it again at each; only the control that first
// receives it previews it, so that each key is previewed once. While a list's
// popup is open, the popup's focused view receives the keys.
bool KeyPreview::IsControlOfWindow(const QWidget &widget) const {
    if (const QWidget *popup = QApplication::activePopupWidget()) {
        const QWidget *receiver = popup->focusWidget() ? popup->focusWidget() : popup;
        return &widget == receiver && BelongsTo(*popup, m_window);
    }
    return widget.window() == &m_window && (widget.focusPolicy() & Qt::TabFocus);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    const auto &widget = static_cast<const QWidget &>(*watched);
    if (!IsControlOfWindow(widget))
        return false;

    const auto &key = static_cast<const QKeyEvent &>(*event);
    std::int16_t keyAscii = 0;
    if (key.key() == Qt::Key_Escape) {
        // An open list takes Esc to close itself first.
        if (QApplication::activePopupWidget())
            return false;
        keyAscii = window::kKeyEscape;
    } else if (!key.text().isEmpty()) {
        keyAscii = static_cast<std::int16_t>(key.text().at(0).unicode());
    } else {
        return false; // not a character key
    }
    return !m_preview(keyAscii);
}

} // namespace view
