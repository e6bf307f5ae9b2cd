// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#ifndef Q_MOC_RUN
#include "control_id.h"
#endif

#include <QObject>

#include <functional>
#include <map>

class QLineEdit;
class QPoint;

namespace view {

// Undo and redo of the input fields (Ctrl+Z; Ctrl+Shift+Z or Ctrl+Y; the
// field's context menu) go to the window model, and so does the menu's paste, which keeps each
// field's history of text and unit: QLineEdit's own would know neither the unit nor the program's
// rewrites.
class FieldUndo final : public QObject {
    Q_OBJECT

public:
    // `step` undoes (back) or redoes; `can` tells whether there is a step;
    // `paste` hands the clipboard's text to the model whole.
    struct Actions {
        std::function<void(window::ControlId id, bool back)> step;
        std::function<bool(window::ControlId id, bool back)> can;
        std::function<void(window::ControlId id)> paste;
    };

    FieldUndo(QObject &parent, Actions actions);

    // Takes over the undo keys and the context menu of an input field.
    void Watch(window::ControlId id, QLineEdit &edit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void ShowContextMenu(window::ControlId id, QLineEdit &edit, const QPoint &globalPos);

    Actions m_actions;
    std::map<const QObject *, window::ControlId> m_ids;
};

} // namespace view
