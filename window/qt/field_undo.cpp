// SPDX-License-Identifier: GPL-3.0-or-later
#include "field_undo.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace view {

using window::ControlId;

namespace {

constexpr std::size_t kMostSteps = 100;

// Ctrl+Y redoes as well, whatever the desktop's own key for redo.
bool IsRedo(const QKeyEvent &key) {
    return key.matches(QKeySequence::Redo) ||
           (key.key() == Qt::Key_Y && key.modifiers() == Qt::ControlModifier);
}

} // namespace

FieldUndo::FieldUndo(QObject &parent, Restore restore)
    : QObject(&parent)
    , m_restore(std::move(restore)) {}

void FieldUndo::Watch(ControlId id, QLineEdit &edit) {
    m_ids.emplace(&edit, id);
    m_histories[id].states.push_back({edit.text().toStdString(), 0});
    edit.installEventFilter(this);
}

void FieldUndo::Record(ControlId id, const std::string &text, std::size_t caret) {
    const auto it = m_histories.find(id);
    if (it == m_histories.end())
        return;
    History &history = it->second;
    if (history.states[history.current].text == text) {
        history.states[history.current].caret = caret;
        return;
    }
    history.states.resize(history.current + 1);
    history.states.push_back({text, caret});
    if (history.states.size() > kMostSteps)
        history.states.erase(history.states.begin());
    history.current = history.states.size() - 1;
}

bool FieldUndo::CanUndo(ControlId id) const {
    return m_histories.at(id).current > 0;
}

bool FieldUndo::CanRedo(ControlId id) const {
    const History &history = m_histories.at(id);
    return history.current + 1 < history.states.size();
}

void FieldUndo::Undo(ControlId id) {
    if (CanUndo(id))
        StepTo(id, m_histories.at(id).current - 1);
}

void FieldUndo::Redo(ControlId id) {
    if (CanRedo(id))
        StepTo(id, m_histories.at(id).current + 1);
}

void FieldUndo::StepTo(ControlId id, std::size_t step) {
    History &history = m_histories.at(id);
    history.current = step;
    const State state = history.states[step]; // the restore records into the history
    m_restore(id, state.text, state.caret);
}

bool FieldUndo::eventFilter(QObject *watched, QEvent *event) {
    const auto it = m_ids.find(watched);
    if (it == m_ids.end())
        return false;
    const ControlId id = it->second;
    if (event->type() == QEvent::KeyPress) {
        const auto &key = static_cast<const QKeyEvent &>(*event);
        if (key.matches(QKeySequence::Undo)) {
            Undo(id);
            return true;
        }
        if (IsRedo(key)) {
            Redo(id);
            return true;
        }
    } else if (event->type() == QEvent::ContextMenu) {
        ShowContextMenu(id, static_cast<QLineEdit &>(*watched),
                        static_cast<const QContextMenuEvent &>(*event).globalPos());
        return true;
    }
    return false;
}

// The field's own menu, with its undo and redo turned to these. QLineEdit
// connects its menu's actions by signature, so only a disconnection by
// signature finds them.
void FieldUndo::ShowContextMenu(ControlId id, QLineEdit &edit, const QPoint &globalPos) {
    QMenu *menu = edit.createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction *action : menu->actions()) {
        if (disconnect(action, SIGNAL(triggered()), &edit, SLOT(undo()))) {
            action->setObjectName(QStringLiteral("undo"));
            action->setEnabled(CanUndo(id));
            connect(action, &QAction::triggered, this, [this, id] { Undo(id); });
        } else if (disconnect(action, SIGNAL(triggered()), &edit, SLOT(redo()))) {
            action->setObjectName(QStringLiteral("redo"));
            action->setEnabled(CanRedo(id));
            connect(action, &QAction::triggered, this, [this, id] { Redo(id); });
        }
    }
    menu->popup(globalPos);
}

} // namespace view
