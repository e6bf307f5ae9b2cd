// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

namespace view {

// Gives the texts that Qt itself supplies, such as a text field's context
// menu (Undo, Redo, Cut, Copy, Paste, Delete, Select All), in Romanian, as
// the window is, whatever the desktop's language: Qt's own translation where
// one is found (embedded at :/i18n, else in Qt's translations folder), and
// under it the program's own for the context menu of a text field, which
// Qt's translations may lack. The translators live as long as `app`.
void InstallRomanianQtTexts(QCoreApplication &app);

} // namespace view
