// SPDX-License-Identifier: GPL-3.0-or-later
#include "field_undo.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>

namespace view {

using window::ControlId;

namespace {

// Ctrl+Y redoes as well, whatever the desktop's own key for redo.
bool IsRedo(const QKeyEvent &key) {
    return key.matches(QKeySequence::Redo) ||
           (key.key() == Qt::Key_Y && key.modifiers() == Qt::ControlModifier);
}

} // namespace

FieldUndo::FieldUndo(QObject &parent, Actions actions)
    : QObject(&parent)
    , m_actions(std::move(actions)) {}

void FieldUndo::Watch(ControlId id, QLineEdit &edit) {
    m_ids.emplace(&edit, id);
    edit.installEventFilter(this);
}

bool FieldUndo::eventFilter(QObject *watched, QEvent *event) {
    const auto it = m_ids.find(watched);
    if (it == m_ids.end())
        return false;
    const ControlId id = it->second;
    if (event->type() == QEvent::KeyPress) {
        const auto &key = static_cast<const QKeyEvent &>(*event);
        if (key.matches(QKeySequence::Undo) || IsRedo(key)) {
            m_actions.step(id, key.matches(QKeySequence::Undo));
            return true;
        }
    } else if (event->type() == QEvent::ContextMenu) {
        ShowContextMenu(id, static_cast<QLineEdit &>(*watched),
                        static_cast<const QContextMenuEvent &>(*event).globalPos());
        return true;
    }
    return false;
}

// The field's own menu, with its undo and redo turned to the model's.
// QLineEdit connects its menu's actions by signature, so only a
// disconnection by signature finds them.
void FieldUndo::ShowContextMenu(ControlId id, QLineEdit &edit, const QPoint &globalPos) {
    QMenu *menu = edit.createStandardContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction *action : menu->actions()) {
        if (disconnect(action, SIGNAL(triggered()), &edit, SLOT(paste())))
            connect(action, &QAction::triggered, this, [this, id] { m_actions.paste(id); });
        for (const bool back : {true, false}) {
            if (disconnect(action, SIGNAL(triggered()), &edit,
                           back ? SLOT(undo()) : SLOT(redo()))) {
                action->setObjectName(back ? QStringLiteral("undo") : QStringLiteral("redo"));
                action->setEnabled(m_actions.can(id, back));
                connect(action, &QAction::triggered, this,
                        [this, id, back] { m_actions.step(id, back); });
            }
        }
    }
    menu->popup(globalPos);
}

} // namespace view
