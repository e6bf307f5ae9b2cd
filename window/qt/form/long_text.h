// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QLineEdit;

namespace view {

// Shows a read-only field's text from its start, so that a result too long
// for its field shows its leading digits, and gives the whole text as the
// field's tooltip while it does not fit (none while it does).
void ShowLeadingText(QLineEdit &edit);

// Whether the field's text, `textWidth` pixels wide, fits its width whole.
bool TextFits(const QLineEdit &edit, int textWidth);

} // namespace view
