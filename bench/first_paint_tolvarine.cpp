// The program's window, created as the program creates it, ending once its
// first frame is painted.
#include "first_paint.h"
#include "tolvarine_window.h"
#include "user_locale.h"

#include <QApplication>
#include <QLocale>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tolvarine"));
    QApplication::setApplicationVersion(QStringLiteral("1.00"));

    view::TolvarineWindow window(view::NumberFormatOf(QLocale::system()));
    QuitAfterFirstPaint(window);
    window.Start();
    return QApplication::exec();
}
