// SPDX-License-Identifier: GPL-3.0-or-later
// Tolvarine: capacitors in series.
#include "command_line.h"
#include "display_check.h"
#include "layout_values.h"
#include "project_info.h"
#include "romanian_qt_texts.h"
#include "tolvarine_window.h"
#include "user_locale.h"

#include <QApplication>
#include <QLocale>

#include <cstdio>
#include <optional>

int main(int argc, char *argv[]) {
    QApplication::setApplicationName(QStringLiteral("Tolvarine"));
    QApplication::setApplicationVersion(QLatin1StringView(project::kVersion));
    QGuiApplication::setDesktopFileName(QLatin1StringView(project::kApplicationId));
    if (const std::optional<int> answered = view::AnswerCommandLine(argc, argv))
        return *answered;
    if (!view::DisplayAvailable()) {
        std::fprintf(stderr, "%s\n", view::kNoDisplayMessage.data());
        return 1;
    }
    std::optional<view::DisplayFailureGuard> guard(std::in_place);
    QApplication app(argc, argv);
    guard.reset();
    if (const std::optional<int> refused = view::RefuseUnknownArguments(app.arguments()))
        return *refused;
    view::InstallRomanianQtTexts(app);
    // Before the window exists: its line edits first lay out their text in
    // the application's font (see view::ProgramFont).
    QApplication::setFont(view::ProgramFont());

    view::TolvarineWindow window(view::NumberFormatOf(QLocale::system()));
    QObject::connect(&window, &view::TolvarineWindow::ended, &app,
                     [](int exitCode) { QCoreApplication::exit(exitCode); });
    window.Start();
    return QApplication::exec();
}
