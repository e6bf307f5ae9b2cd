// SPDX-License-Identifier: GPL-3.0-or-later
// The design part from the keyboard: F3 opens it under the frame with the
// focus in its first input, Tab walks its inputs, the table and "Folosește",
// Enter on a row fills C1 to C4, and undo takes each field back.
#include "window_fixture.h"

#include <QApplication>
#include <QTableWidget>
#include <QTest>

namespace {

class DesignPart : public WindowTest {
protected:
    QString FocusName() const { return QApplication::focusWidget()->objectName(); }
    void PressF3() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_F3); }
    QTableWidget &Table() { return *Window().findChild<QTableWidget *>("tblProiectare"); }
};

TEST_F(DesignPart, F3OpensItBelowTheFrameAndTabWalksItsControls) {
    const int height = Window().height();
    EXPECT_EQ(Window().findChild<QFrame *>("fraProiectare"), nullptr); // built when first opened
    PressF3();
    ASSERT_TRUE(Window().DesignOpen());
    EXPECT_GT(Window().height(), height);
    EXPECT_EQ(FocusName(), "txtCd");
    QTest::keyClicks(QApplication::focusWidget(), "2n5"); // over the selected "0"
    EXPECT_EQ(Edit("txtCd").text() + " " + Combo("cboCd").currentText(), "2.5 nF");
    const std::vector<QString> expected = {"txtCd",   "cboCd",         "cboNrC",      "cboSerie",
                                           "txtCmin", "cboCmin",       "txtCmax",     "cboCmax",
                                           "cboTipD", "tblProiectare", "cmdFoloseste"};
    std::vector<QString> walk{FocusName()};
    while (walk.size() < expected.size()) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        walk.push_back(FocusName());
    }
    EXPECT_EQ(walk, expected);
    for (const QString &name : expected) {
        QWidget *widget = Window().findChild<QWidget *>(name);
        EXPECT_FALSE(widget->accessibleName().isEmpty() && name.startsWith("txt"))
            << name.toStdString();
    }
    PressF3();
    EXPECT_FALSE(Window().DesignOpen());
    EXPECT_EQ(Window().height(), height);
    EXPECT_EQ(FocusName(), "cmdProiectare");
}

TEST_F(DesignPart, EnterOnARowFillsTheCapacitancesAndUndoTakesThemBack) {
    TypeInto("txtCs(3)", "1u");
    PressF3();
    QTest::keyClicks(QApplication::focusWidget(), "2n5");
    Choose("cboNrC", "2");
    Choose("cboSerie", "E24");
    ASSERT_EQ(Table().rowCount(), 10);
    EXPECT_EQ(Table().item(0, 0)->text(), "3 nF + 15 nF");
    EXPECT_EQ(Table().item(0, 2)->text(), "0.000 %");
    Table().setFocus(Qt::TabFocusReason);
    QTest::keyClick(&Table(), Qt::Key_Return);
    EXPECT_EQ(Edit("txtCs(0)").text() + " " + Combo("cboCs(0)").currentText(), "3 nF");
    EXPECT_EQ(Edit("txtCs(1)").text() + " " + Combo("cboCs(1)").currentText(), "15 nF");
    EXPECT_EQ(Edit("txtCs(3)").text(), "0");
    EXPECT_EQ(Edit("txtCst").text(), Table().item(0, 1)->text().section(' ', 0, 0));
    ExpectWidgetsMirrorModel();

    // A double click uses its row as well.
    QWidget *cells = Table().viewport();
    const QRect second = Table().visualItemRect(Table().item(1, 0));
    QTest::mouseClick(cells, Qt::LeftButton, {}, second.center());
    QTest::mouseDClick(cells, Qt::LeftButton, {}, second.center());
    EXPECT_EQ(Edit("txtCs(0)").text() + " " + Edit("txtCs(1)").text(),
              Table().item(1, 0)->text().remove(" nF").replace(" + ", " "));
    QTest::keyClick(&Table(), Qt::Key_Up);
    QTest::keyClick(&Table(), Qt::Key_Return);

    Edit("txtCs(0)").setFocus(Qt::OtherFocusReason);
    QTest::keyClick(&Edit("txtCs(0)"), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&Edit("txtCs(0)"), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(&Edit("txtCs(0)"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Edit("txtCs(0)").text() + " " + Combo("cboCs(0)").currentText(), "0 pF");
    Edit("txtCs(3)").setFocus(Qt::OtherFocusReason);
    QTest::keyClick(&Edit("txtCs(3)"), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Edit("txtCs(3)").text() + " " + Combo("cboCs(3)").currentText(), "1 uF");
}

} // namespace
