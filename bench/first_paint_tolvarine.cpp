// SPDX-License-Identifier: GPL-3.0-or-later
// The program's window, created as the program creates it, ending once its
// first frame is painted.
#include "first_paint.h"
#include "layout_values.h"
#include "project_info.h"
#include "tolvarine_window.h"
#include "user_locale.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvarine"));
    QApplication::setApplicationVersion(QLatin1StringView(project::kVersion));
    // Before the window exists: its line edits first lay out their text in
    // the application's font (see view::ProgramFont).
    QApplication::setFont(view::ProgramFont());

    view::TolvarineWindow window(view::NumberFormatOf(QLocale::system()));
    QuitAfterFirstPaint(window);
    window.Start();
    return QApplication::exec();
}
