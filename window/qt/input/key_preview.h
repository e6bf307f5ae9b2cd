// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <cstdint>
#include <functional>

class QWidget;

namespace view {

// The window's key preview: every character key typed into one of the
// window's controls, its list popups included, is handed to `preview` before
// the control sees it; the key goes on only when `preview` returns true.
// Installed on the application while it lives.
class KeyPreview final : public QObject {
    Q_OBJECT

public:
    using Preview = std::function<bool(std::int16_t keyAscii)>;

    KeyPreview(QWidget &window, Preview preview);
    ~KeyPreview() override;
    KeyPreview(const KeyPreview &) = delete;
    KeyPreview &operator=(const KeyPreview &) = delete;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool IsControlOfWindow(const QWidget &widget) const;

    QWidget &m_window;
    Preview m_preview;
};

} // namespace view
