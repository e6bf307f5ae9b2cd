// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#ifndef Q_MOC_RUN
#include "control_id.h"
#include "user_edit.h"
#endif

#include <QObject>
#include <QString>

#include <functional>
#include <map>

class QLineEdit;

namespace view {

// Hands the window model each edit of an input field as the field made it:
// the range replaced, the text inserted, and whether it was typed or pasted
// (a paste, a drop or a middle click). The selection and caret are noted
// before the field sees each key, click or drop, so that the change that
// follows is known for what it was rather than guessed from the new text.
class EditCapture final : public QObject {
    Q_OBJECT

public:
    using Edited = std::function<void(window::ControlId id, const window::TextEdit &edit)>;

    EditCapture(QObject &parent, Edited edited);

    void Watch(window::ControlId id, QLineEdit &edit);

    // The field shows the model's text again: the next edit starts there.
    void Rendered(QLineEdit &edit);

    // Hands the clipboard's text to the model whole, over the field's
    // selection or at its caret: QLineEdit would cut it to its maximum length
    // before the model saw it. The paste key comes here too.
    void PasteWhole(QLineEdit &edit);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Before {
        QString text;
        int selectionStart = -1;
        int selectionLength = 0;
        int cursor = 0;
        window::EditSource source = window::EditSource::Pasted;
    };

    void Note(const QLineEdit &edit, window::EditSource source);
    void HandOver(QLineEdit &edit, int from, int length, const QString &text);
    void PasteAt(QLineEdit &edit, int at, const QString &text);
    void OnTextEdited(window::ControlId id, const QLineEdit &edit, const QString &text);

    Edited m_edited;
    std::map<const QObject *, Before> m_before;
    std::map<const QObject *, window::ControlId> m_ids;
};

// The edit that turned `before` into `after`: the selection or the caret
// noted before it tells where it was made.
window::TextEdit EditBetween(const QString &before, int selectionStart, int selectionLength,
                             int cursor, const QString &after, window::EditSource source);

} // namespace view
