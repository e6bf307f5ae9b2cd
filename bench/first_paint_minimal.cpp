// The least a Qt Widgets program shows: a label in a window, ending once its
// first frame is painted. The yardstick for the program's start-up.
#include "first_paint.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    QVBoxLayout layout(&window);
    QLabel label(QStringLiteral("Tolvarine"));
    layout.addWidget(&label);
    QuitAfterFirstPaint(window);
    window.show();
    return QApplication::exec();
}
