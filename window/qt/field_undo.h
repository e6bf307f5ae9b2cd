// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#ifndef Q_MOC_RUN
#include "control_id.h"
#endif

#include <QObject>

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

class QLineEdit;
class QMenu;

namespace view {

// Undo and redo of the input fields (Ctrl+Z; Ctrl+Shift+Z or Ctrl+Y; the
// field's context menu), kept here rather than in QLineEdit: the program's own
// rewrites would empty QLineEdit's history, and undoing into a text that the
// program rewrote would only have it rewritten again. Each field keeps the
// texts it has shown, one step per change, and an undo or redo hands the
// older or newer text back to the model as the user's.
class FieldUndo final : public QObject {
    Q_OBJECT

public:
    using Restore =
        std::function<void(window::ControlId id, const std::string &text, std::size_t caret)>;

    FieldUndo(QObject &parent, Restore restore);

    // Takes over the undo keys and the context menu of an input field.
    void Watch(window::ControlId id, QLineEdit &edit);
    // The field shows `text` now with the caret at `caret` (in characters):
    // a changed text is a new step, which ends what could be redone.
    void Record(window::ControlId id, const std::string &text, std::size_t caret);

    bool CanUndo(window::ControlId id) const;
    bool CanRedo(window::ControlId id) const;
    void Undo(window::ControlId id);
    void Redo(window::ControlId id);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct State {
        std::string text;
        std::size_t caret = 0;
    };
    struct History {
        std::vector<State> states;
        std::size_t current = 0;
    };

    void ShowContextMenu(window::ControlId id, QLineEdit &edit, const QPoint &globalPos);
    void StepTo(window::ControlId id, std::size_t step);

    Restore m_restore;
    std::map<const QObject *, window::ControlId> m_ids;
    std::map<window::ControlId, History> m_histories;
};

} // namespace view
