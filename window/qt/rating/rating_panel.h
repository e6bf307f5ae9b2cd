// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#ifndef Q_MOC_RUN
#include "rating_check.h"
#endif

#include <QFrame>

#include <string>

class QComboBox;
class QIcon;
class QLineEdit;
class QPushButton;

namespace view {

// The frame fraVerificare of the rating check, under the frame fraSerie, with
// its static captions; hidden until the user opens it. The window builds its
// controls from the rating layout table into it.
class RatingPanel final : public QFrame {
    Q_OBJECT

public:
    explicit RatingPanel(QWidget *window);
};

// The button that opens and closes the panel: a child of the window over the
// free corner of the frame `circuit`, above cmdClear, last in the window's
// focus order; Space, Enter and F2 do the same from the keyboard.
QPushButton *BuildToggle(QWidget &window, const QWidget &circuit);
// Its caption points down while the panel is closed and up while it is open.
void RenderToggle(QPushButton &toggle, bool open);

// The margin of a capacitor: green while the rating holds, red with a
// warning sign while it is exceeded, its description for a screen reader,
// and its tooltip saying what it is taken against (`basis`).
void RenderMargin(QLineEdit &edit, const std::string &text, calc::Margin margin,
                  const std::string &description, const std::string &basis);

// A kind list's entries each say in their tooltip what the kind is compared
// with; the list itself says it of its current entry, also to a screen
// reader.
void DescribeKinds(QComboBox &kinds);
void RenderKind(QComboBox &kinds);

// The warning sign before a red margin, drawn solid in `colour` rather than
// taken from a font: a symbol font's outline glyph reads pale.
QIcon WarningSign(const QColor &colour);

} // namespace view
