// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>
#include <QWidget>

#include <functional>

namespace view {

// A part of the window that is built the first time it opens, so that the
// start-up builds, and loads the fonts and images of, only what the first
// paint shows. The window holds one for each such part and says when it
// opens or closes; the builder makes the part's widgets as Qt children of
// the window, hidden, and wires them, but shows nothing of the model: the
// window's action that opened the part renders once afterwards.
class LazyPanel {
public:
    using Builder = std::function<QWidget *()>;
    explicit LazyPanel(Builder build)
        : m_build(std::move(build)) {}

    // Shows or hides the part, building it first at its first opening.
    // Closing a part never opened builds nothing.
    void SetOpen(bool open);
    bool IsOpen() const { return m_widget && !m_widget->isHidden(); }
    // The part's widget; nullptr until it first opens.
    QWidget *Widget() const { return m_widget; }

private:
    Builder m_build;
    QPointer<QWidget> m_widget;
};

} // namespace view
