// SPDX-License-Identifier: GPL-3.0-or-later
// The widget tests need a QApplication; without a display they run on Qt's
// offscreen platform.
#include "layout_values.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setFont(view::ProgramFont()); // as the program's start-up does
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
