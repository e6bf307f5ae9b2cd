// SPDX-License-Identifier: GPL-3.0-or-later
// The rating check in the window: F2 and its button open the panel under the
// frame, a rating turns the margin red, and the results reach the clipboard.
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFrame>
#include <QTest>

namespace {

class RatingPanel : public WindowTest {
protected:
    QFrame &Frame(const char *name) { return *Window().findChild<QFrame *>(name); }
    QPushButton &Toggle() { return *Window().findChild<QPushButton *>("cmdVerificare"); }
    void PressF2() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F2); }
    // 2 x 100 nF on 230 V, typed with the unit letter.
    void TypeExample() {
        TypeInto("txtCs(0)", "100n");
        TypeInto("txtCs(1)", "100n");
        TypeInto("txtUst", "230");
    }
    std::map<QString, QRect> FrameGeometry() {
        std::map<QString, QRect> geometry;
        for (QWidget *w : Frame("fraSerie").findChildren<QWidget *>())
            geometry[w->objectName()] = w->geometry();
        return geometry;
    }
};

TEST_F(RatingPanel, OpensWithF2UnderTheFrameAndClosesAgainMovingNoControl) {
    const auto before = FrameGeometry();
    ASSERT_EQ(Window().findChild<QFrame *>("fraVerificare"), nullptr) << "built at start-up";
    PressF2();
    EXPECT_FALSE(Frame("fraVerificare").isHidden());
    EXPECT_EQ(Window().size(), QSize(794, 506));
    EXPECT_GT(Frame("fraVerificare").y(), Frame("fraSerie").geometry().bottom());
    EXPECT_EQ(Frame("fraSerie").geometry(), QRect(8, 8, 777, 313));
    EXPECT_EQ(FrameGeometry(), before);
    EXPECT_EQ(QApplication::focusWidget(), &Edit("txtUn(0)"));
    EXPECT_TRUE(Toggle().isChecked());
    // Each input with a unit says how to write it.
    for (const char *name : {"txtCs(0)", "txtCs(3)", "txtUst", "txtUn(0)"})
        EXPECT_TRUE(Edit(name).toolTip().contains(name[3] == 'C' ? "4n7" : "1k5")) << name;

    PressF2();
    EXPECT_TRUE(Frame("fraVerificare").isHidden());
    EXPECT_EQ(Window().size(), QSize(794, 330));
    EXPECT_EQ(QApplication::focusWidget(), &Edit("txtCs(0)"));
    QTest::mouseClick(&Toggle(), Qt::LeftButton);
    EXPECT_FALSE(Frame("fraVerificare").isHidden());
}

TEST_F(RatingPanel, ItsControlsFollowTheWindowsInTheFocusOrder) {
    TypeInto("txtCs(0)", "1"); // shows txtCst
    PressF2();
    Edit("txtCst").setFocus(Qt::TabFocusReason);
    QTest::keyClick(&Edit("txtCst"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &Edit("txtUn(0)"));
    QTest::keyClick(&Edit("txtUn(0)"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &Combo("cboUn(0)"));
    Edit("txtUMI").setFocus(Qt::TabFocusReason);
    QTest::keyClick(&Edit("txtUMI"), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &Edit("txtCs(0)"));
}

TEST_F(RatingPanel, ItsButtonSitsInAFreeCornerOfTheFrame) {
    const QRect button = Toggle().geometry().translated(-Frame("fraSerie").pos());
    EXPECT_TRUE(Frame("fraSerie").contentsRect().contains(button));
    for (QWidget *w : Frame("fraSerie").findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        EXPECT_FALSE(w->geometry().intersects(button)) << w->objectName().toStdString();
    EXPECT_EQ(Toggle().focusPolicy(), Qt::NoFocus);
}

TEST_F(RatingPanel, ARatingBelowTheWorstPeakTurnsTheMarginRed) {
    TypeExample();
    PressF2();
    TypeInto("txtUn(0)", "160");
    QLineEdit &margin = Edit("txtMarja(0)");
    EXPECT_EQ(margin.text(), QString::fromUtf8("\u26A0 -18.898"));
    EXPECT_EQ(margin.palette().color(QPalette::Text), QColor(0xB0, 0x00, 0x00));
    EXPECT_EQ(margin.accessibleDescription(),
              QString::fromUtf8("Depășește tensiunea nominală cu 18.898 V"));
    EXPECT_EQ(Edit("txtXc").text(), "63.662");
    EXPECT_EQ(Edit("txtUMXc").text(), QString::fromUtf8("kΩ"));

    TypeInto("txtUn(0)", "0k2");
    EXPECT_EQ(Combo("cboUn(0)").currentText(), "kV");
    EXPECT_EQ(margin.text(), "21.102");
    EXPECT_EQ(margin.palette().color(QPalette::Text), QColor(0x00, 0x64, 0x00));
}

TEST_F(RatingPanel, CopiesTheResultsWithCtrlShiftCAndFromTheContextMenu) {
    TypeExample();
    QTest::keyClick(&Edit("txtUst"), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QString closed = QApplication::clipboard()->text();
    EXPECT_TRUE(closed.contains("C1\t100\tnF\t115\tV\n")) << closed.toStdString();
    EXPECT_FALSE(closed.contains("Verificare"));

    PressF2();
    TypeInto("txtUn(1)", "160");
    QApplication::clipboard()->clear();
    const auto actions = Window().actions();
    const auto copy = std::ranges::find_if(
        actions, [](QAction *a) { return a->text() == QString::fromUtf8("Copiază rezultatele"); });
    ASSERT_NE(copy, actions.end());
    EXPECT_EQ(Window().contextMenuPolicy(), Qt::ActionsContextMenu);
    (*copy)->trigger();
    EXPECT_TRUE(QApplication::clipboard()->text().contains(QString::fromUtf8(
        "C2\t160\tV\t126.5\tV\t178.898\tV\t-18.898\tV\tdepășește\t661.25\tuJ\n")));
}

} // namespace
