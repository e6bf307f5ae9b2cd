// SPDX-License-Identifier: GPL-3.0-or-later
// The least a Qt Widgets program shows, at the program's size: a window of
// the same client area that fills its background and shows a label, ending
// once its first frame is painted. The yardstick for the program's start-up.
#include "first_paint.h"
#include "layout.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    const view::WindowLayout &layout = view::Layout();
    window.setFixedSize(layout.clientWidth / view::kTwipsPerPixel,
                        layout.clientHeight / view::kTwipsPerPixel);
    window.setAutoFillBackground(true);
    QVBoxLayout column(&window);
    QLabel label(QStringLiteral("Tolvarine"));
    column.addWidget(&label);
    QuitAfterFirstPaint(window);
    window.show();
    return QApplication::exec();
}
