// SPDX-License-Identifier: GPL-3.0-or-later
// The focus order, the key preview and the end of the program by Esc.
#include "window_fixture.h"

#include <QApplication>
#include <QEventLoop>
#include <QTest>
#include <QTimer>

namespace {

using Keys = WindowTest;

QString FocusName() {
    return QApplication::focusWidget()->objectName();
}

std::vector<QString> TabWalk(int steps) {
    std::vector<QString> names{FocusName()};
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        names.push_back(FocusName());
    }
    return names;
}

const std::vector<QString> kFocusOrder = {
    "txtCs(0)",   "cboCs(0)", "txtCs(1)",      "cboCs(1)",     "txtCs(2)",   "cboCs(2)",
    "txtCs(3)",   "cboCs(3)", "txtUst",        "cboUst",       "cmdClear",   "txtUs(0)",
    "txtUMUs(0)", "txtUs(1)", "txtUMUs(1)",    "txtUs(2)",     "txtUMUs(2)", "txtUs(3)",
    "txtUMUs(3)", "txtCst",   "cmdVerificare", "cmdProiectare"};

TEST_F(Keys, TabWalksTheFocusOrderAndSkipsTheHiddenEquivalentCapacitance) {
    ASSERT_TRUE(Edit("txtCst").isHidden());
    std::vector<QString> expected = kFocusOrder;
    std::erase(expected, "txtCst");
    expected.push_back("txtCs(0)"); // round again
    EXPECT_EQ(TabWalk(21), expected);
}

TEST_F(Keys, TabReachesTheEquivalentCapacitanceOnceItIsShown) {
    TypeInto("txtCs(1)", "5");
    Edit("txtCs(0)").setFocus(Qt::TabFocusReason);
    std::vector<QString> expected = kFocusOrder;
    expected.push_back("txtCs(0)");
    EXPECT_EQ(TabWalk(22), expected);
}

TEST_F(Keys, ShiftTabWalksBack) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(FocusName(), "cmdProiectare");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(FocusName(), "cmdVerificare");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(FocusName(), "txtUMUs(3)"); // txtCst is hidden
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(FocusName(), "txtUs(3)");
}

// Sends Esc to the focused control from inside the event loop and returns the
// exit code with which the window ended that loop (-1: it did not end it).
int ExitCodeAfterEscape(view::TolvarineWindow &window) {
    QEventLoop loop;
    QObject::connect(&window, &view::TolvarineWindow::ended, &loop, &QEventLoop::exit);
    QTimer::singleShot(0, &loop, [] {
        QWidget *target = QApplication::activePopupWidget();
        target = target ? target->focusWidget() : QApplication::focusWidget();
        if (target) {
            QTest::keyClick(target, Qt::Key_Escape);
        }
    });
    QTimer::singleShot(2000, &loop, [&loop] { loop.exit(-1); });
    return loop.exec();
}

class EscapeFrom : public WindowTest, public testing::WithParamInterface<const char *> {};

TEST_P(EscapeFrom, EndsTheProgramWithExitCodeZeroAndLeavesTheControlAlone) {
    QWidget *control = Window().findChild<QWidget *>(GetParam());
    ASSERT_NE(control, nullptr);
    control->setFocus(Qt::OtherFocusReason);
    const auto *edit = qobject_cast<QLineEdit *>(control);
    const QString before = edit ? edit->text() : QString();

    EXPECT_EQ(ExitCodeAfterEscape(Window()), 0);
    EXPECT_TRUE(Window().Form().EndRequested());
    EXPECT_FALSE(Window().isVisible());
    if (edit) {
        EXPECT_EQ(edit->text(), before);
    }
}

INSTANTIATE_TEST_SUITE_P(Window, EscapeFrom,
                         testing::Values("txtCs(0)", "cboCs(2)", "txtUst", "cboUst", "cmdClear",
                                         "txtUs(1)", "txtUMUs(3)"),
                         [](const auto &info) {
                             std::string name = info.param;
                             std::erase_if(name, [](char c) { return c == '(' || c == ')'; });
                             return name;
                         });

TEST_F(Keys, EscapeClosesAnOpenListFirst) {
    QComboBox &list = Combo("cboCs(1)");
    list.setFocus(Qt::OtherFocusReason);
    list.showPopup();
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);

    QWidget *popup = QApplication::activePopupWidget();
    QTest::keyClick(popup->focusWidget() ? popup->focusWidget() : popup, Qt::Key_Escape);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_FALSE(Window().Form().EndRequested());
    EXPECT_TRUE(Window().isVisible());
    EXPECT_EQ(list.currentText(), "pF");

    EXPECT_EQ(ExitCodeAfterEscape(Window()), 0);
}

TEST_F(Keys, CharacterKeysInAnOpenListStillReachIt) {
    QComboBox &list = Combo("cboUst");
    list.setFocus(Qt::OtherFocusReason);
    list.showPopup();
    QWidget *popup = QApplication::activePopupWidget();
    ASSERT_NE(popup, nullptr);
    QWidget *view = popup->focusWidget() ? popup->focusWidget() : popup;
    QTest::keyClick(view, Qt::Key_K);
    QTest::keyClick(view, Qt::Key_Return);
    EXPECT_EQ(list.currentText(), "kV");
    EXPECT_EQ(Window().Form().List({window::Control::cboUst, 0}).Text(), "kV");
}

TEST_F(Keys, EveryOtherKeyReachesItsControlUntouched) {
    QLineEdit &c1 = Edit("txtCs(0)");
    c1.setFocus(Qt::OtherFocusReason);
    c1.end(false);
    QTest::keyClicks(&c1, "12");
    QTest::keyClick(&c1, Qt::Key_Left);
    QTest::keyClick(&c1, Qt::Key_Home);
    QTest::keyClick(&c1, Qt::Key_Delete);
    EXPECT_EQ(c1.text(), "12");
    EXPECT_FALSE(Window().Form().EndRequested());
    ExpectWidgetsMirrorModel();
}

} // namespace
