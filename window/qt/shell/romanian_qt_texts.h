// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QCoreApplication;

namespace view {

// Gives the texts that Qt itself supplies, such as a text field's context
// menu (Undo, Redo, Cut, Copy, Paste, Delete, Select All), in Romanian, as
// the window is, whatever the desktop's language. Qt ships no Romanian
// translation of its own, so the program carries one for the texts that its
// window shows (embedded at :/i18n); Qt's translations folder is the fallback.
// The translator lives as long as `app`.
void InstallRomanianQtTexts(QCoreApplication &app);

} // namespace view
