// SPDX-License-Identifier: GPL-3.0-or-later
#include "edit_capture.h"

#include "caret.h"

#include <QApplication>
#include <QClipboard>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>

#include <algorithm>

namespace view {

using window::EditSource;

namespace {

// Whether `after` is `before` with [from, from + removed) replaced.
bool Replaces(const QString &before, const QString &after, int from, int removed) {
    const qsizetype inserted = after.size() - (before.size() - removed);
    if (from < 0 || removed < 0 || from + removed > before.size() || inserted < 0)
        return false;
    return QStringView(after).left(from) == QStringView(before).left(from) &&
           QStringView(after).mid(from + inserted) == QStringView(before).mid(from + removed);
}

} // namespace

window::TextEdit EditBetween(const QString &before, int selectionStart, int selectionLength,
                             int cursor, const QString &after, EditSource source) {
    int from = -1;
    int removed = 0;
    const int shorter = static_cast<int>(before.size() - after.size());
    if (selectionLength > 0 && Replaces(before, after, selectionStart, selectionLength)) {
        from = selectionStart; // typed, pasted or deleted over the selection
        removed = selectionLength;
    } else if (shorter <= 0 && Replaces(before, after, cursor, 0)) {
        from = cursor;
    } else if (shorter > 0 && Replaces(before, after, cursor - shorter, shorter)) {
        from = cursor - shorter; // Backspace
        removed = shorter;
    } else if (shorter > 0 && Replaces(before, after, cursor, shorter)) {
        from = cursor; // Delete
        removed = shorter;
    } else {
        // Made some other way: the texts' common start and end.
        const int most = static_cast<int>(std::min(before.size(), after.size()));
        int head = 0;
        while (head < most && before[head] == after[head])
            ++head;
        int tail = 0;
        while (tail < most - head &&
               before[before.size() - 1 - tail] == after[after.size() - 1 - tail])
            ++tail;
        from = head;
        removed = static_cast<int>(before.size()) - head - tail;
    }
    const qsizetype inserted = after.size() - (before.size() - removed);
    const std::size_t fromCharacters = CaretInCharacters(before, from);
    return {fromCharacters, CaretInCharacters(before, from + removed) - fromCharacters,
            after.mid(from, inserted).toStdString(), source};
}

EditCapture::EditCapture(QObject &parent, Edited edited)
    : QObject(&parent)
    , m_edited(std::move(edited)) {}

void EditCapture::Watch(window::ControlId id, QLineEdit &edit) {
    Note(edit, EditSource::Pasted);
    m_ids.emplace(&edit, id);
    edit.installEventFilter(this);
    connect(&edit, &QLineEdit::textEdited, this,
            [this, id, &edit](const QString &text) { OnTextEdited(id, edit, text); });
}

void EditCapture::Rendered(QLineEdit &edit) {
    if (m_before.contains(&edit))
        Note(edit, m_before.at(&edit).source);
}

void EditCapture::PasteWhole(QLineEdit &edit) {
    if (!m_before.contains(&edit))
        return;
    Note(edit, EditSource::Pasted);
    const Before &b = m_before.at(&edit);
    const int from = b.selectionLength > 0 ? b.selectionStart : b.cursor;
    HandOver(edit, from, b.selectionLength, QApplication::clipboard()->text());
}

// [from, from + length) of the field's text, in UTF-16 units, gives way to
// the pasted `text`, whole.
void EditCapture::HandOver(QLineEdit &edit, int from, int length, const QString &text) {
    const auto id = m_ids.find(&edit);
    if (id == m_ids.end() || edit.isReadOnly())
        return;
    const QString current = edit.text();
    const std::size_t first = CaretInCharacters(current, from);
    const std::size_t last = CaretInCharacters(current, from + length);
    m_edited(id->second, {first, last - first, text.toStdString(), EditSource::Pasted});
}

// A drop or a middle click at `at`; onto a field that shows only "0" it
// replaces it, as a click there selects it.
void EditCapture::PasteAt(QLineEdit &edit, int at, const QString &text) {
    if (edit.text() == QLatin1String("0"))
        HandOver(edit, 0, 1, text);
    else
        HandOver(edit, at, 0, text);
}

void EditCapture::Note(const QLineEdit &edit, EditSource source) {
    m_before[&edit] = {edit.text(), edit.selectionStart(),
                       static_cast<int>(edit.selectedText().size()), edit.cursorPosition(), source};
}

// A key is typed unless it is the paste key; a click, a drop or the context
// menu can only paste. The paste key, a drop from elsewhere and a middle
// click hand their text over whole: QLineEdit would cut it to its maximum
// length.
bool EditCapture::eventFilter(QObject *watched, QEvent *event) {
    const auto it = m_before.find(watched);
    if (it == m_before.end())
        return false;
    auto &edit = static_cast<QLineEdit &>(*watched);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto &key = static_cast<const QKeyEvent &>(*event);
        if (key.matches(QKeySequence::Paste) && !edit.isReadOnly()) {
            PasteWhole(edit);
            return true;
        }
        Note(edit, EditSource::Typed);
        break;
    }
    case QEvent::InputMethod:
        Note(edit, EditSource::Typed);
        break;
    case QEvent::MouseButtonRelease: {
        const auto &mouse = static_cast<const QMouseEvent &>(*event);
        if (mouse.button() == Qt::MiddleButton && QApplication::clipboard()->supportsSelection()) {
            PasteAt(edit, edit.cursorPositionAt(mouse.position().toPoint()),
                    QApplication::clipboard()->text(QClipboard::Selection));
            return true;
        }
        Note(edit, EditSource::Pasted);
        break;
    }
    case QEvent::Drop: {
        auto &drop = static_cast<QDropEvent &>(*event);
        if (drop.source() != &edit && drop.mimeData()->hasText() && !edit.isReadOnly()) {
            PasteAt(edit, edit.cursorPositionAt(drop.position().toPoint()),
                    drop.mimeData()->text());
            drop.acceptProposedAction();
            return true;
        }
        Note(edit, EditSource::Pasted);
        break;
    }
    case QEvent::MouseButtonPress:
    case QEvent::ContextMenu:
    case QEvent::DragEnter:
        Note(edit, EditSource::Pasted);
        break;
    default:
        break;
    }
    return false;
}

void EditCapture::OnTextEdited(window::ControlId id, const QLineEdit &edit, const QString &text) {
    const Before &b = m_before.at(&edit);
    m_edited(id,
             EditBetween(b.text, b.selectionStart, b.selectionLength, b.cursor, text, b.source));
}

} // namespace view
