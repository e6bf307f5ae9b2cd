#pragma once

#include <QLineEdit>

class QComboBox;

// The window's look under any desktop theme: its own light colours, also in
// the popups of its lists, and a visible keyboard focus on every field.
namespace view {

// A list's popup is a window of its own and takes the desktop's colours; this
// gives it the list's colours each time it opens.
void KeepPopupColours(QComboBox &combo);

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
