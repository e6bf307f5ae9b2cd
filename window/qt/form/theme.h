// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

// The window's look under any desktop theme: its own light colours, also in
// the popups of its lists, and a visible keyboard focus on every field.
namespace view {

// A list's popup is a window of its own and takes the desktop's colours; this
// gives it the list's colours each time it opens.
void KeepPopupColours(QComboBox &combo);

// The menus of the window and of its fields, windows of their own too, take
// the window's colours each time they open.
void KeepMenuColours(QWidget &window);

// A list that keeps its colours in its popup. The popup is made when the list
// first opens rather than with the list, since the window shows none of them
// at start-up.
class ListBox final : public QComboBox {
public:
    explicit ListBox(QWidget *parent)
        : QComboBox(parent) {}

    void showPopup() override;

private:
    bool m_keepsColours = false;
};

// A text field that marks its keyboard focus with a dotted frame when it has
// no frame of its own: a read-only field shows no caret, and an empty one
// would show nothing at all. A click into an input field that shows only "0"
// selects it, as Tab does, so that what is typed replaces it.
class FieldEdit final : public QLineEdit {
public:
    explicit FieldEdit(QWidget *parent)
        : QLineEdit(parent) {}

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

// A button that Enter and the keypad's Enter click while it has the focus,
// as Space does.
class PushButton final : public QPushButton {
public:
    explicit PushButton(QWidget *parent)
        : QPushButton(parent) {}

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace view
