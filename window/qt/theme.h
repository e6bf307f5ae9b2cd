// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QComboBox>
#include <QLineEdit>

// The window's look under any desktop theme: its own light colours, also in
// the popups of its lists, and a visible keyboard focus on every field.
namespace view {

// A list's popup is a window of its own and takes the desktop's colours; this
// gives it the list's colours each time it opens.
void KeepPopupColours(QComboBox &combo);

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
// would show nothing at all.
class FieldEdit final : public QLineEdit {
public:
    explicit FieldEdit(QWidget *parent)
        : QLineEdit(parent) {}

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace view
