// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "number_format.h"

#include <QString>

class QLineEdit;

namespace view {

// The property of a result field that holds its whole text while the field
// shows it shortened; empty while it shows it whole.
inline constexpr char kWholeTextProperty[] = "wholeText";

// Shows a result in a read-only field: whole where it fits; where it does
// not, in the first of calc::ShorterForms that fits: fewer decimals, rounded
// ("123,46"), or scientific notation ("7,5E+11" for 750000000000); never as
// its leading digits alone. A text that is no number
// (a unit) shows from its start. The whole
// text is then the field's tooltip and its kWholeTextProperty; neither is
// set while it fits.
void ShowResult(QLineEdit &edit, const QString &whole, const runtime::NumberFormat &format);

// Whether the field's text, `textWidth` pixels wide, fits its width whole.
bool TextFits(const QLineEdit &edit, int textWidth);

} // namespace view
