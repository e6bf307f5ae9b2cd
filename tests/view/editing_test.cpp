// SPDX-License-Identifier: GPL-3.0-or-later
// Editing as in any desktop field: undo and redo across the program's own
// rewrites, Enter on the button, long results, and the message band's alert.
#include "long_text.h"
#include "window_fixture.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QTest>

namespace {

enum class Step { CtrlZ, CtrlShiftZ, CtrlY, MenuUndo, MenuRedo };

struct UndoCase {
    Step step;
    const char *c1;         // the text of C1 afterwards
    const char *equivalent; // empty: hidden, no capacitor counts
};

class UndoTest : public WindowTest {
protected:
    void Do(Step step) {
        QLineEdit &c1 = Edit("txtCs(0)");
        switch (step) {
        case Step::CtrlZ:
            QTest::keyClick(&c1, Qt::Key_Z, Qt::ControlModifier);
            break;
        case Step::CtrlShiftZ:
            QTest::keyClick(&c1, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            break;
        case Step::CtrlY:
            QTest::keyClick(&c1, Qt::Key_Y, Qt::ControlModifier);
            break;
        case Step::MenuUndo:
        case Step::MenuRedo: {
            const QPoint at(4, 4);
            QContextMenuEvent event(QContextMenuEvent::Keyboard, at, c1.mapToGlobal(at));
            QApplication::sendEvent(&c1, &event);
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            ASSERT_NE(menu, nullptr);
            auto *action = menu->findChild<QAction *>(step == Step::MenuUndo ? "undo" : "redo");
            ASSERT_NE(action, nullptr);
            action->trigger();
            menu->close();
            break;
        }
        }
    }
};

TEST_F(UndoTest, UndoAndRedoCrossTheProgramsRewritesAndTheResultsFollow) {
    TypeInto("txtUst", "10");
    TypeInto("txtCs(0)", "2200");
    QTest::keyClicks(&Edit("txtCs(0)"), "x");
    ASSERT_EQ(Edit("txtCs(0)").text(), "0");

    const UndoCase steps[] = {
        {Step::CtrlZ, "2200", "2.2"},   {Step::CtrlShiftZ, "0", ""},
        {Step::CtrlY, "0", ""},         {Step::MenuUndo, "2200", "2.2"},
        {Step::MenuUndo, "220", "220"}, {Step::CtrlY, "2200", "2.2"},
        {Step::MenuRedo, "0", ""},      {Step::CtrlZ, "2200", "2.2"},
    };
    int n = 0;
    for (const UndoCase &c : steps) {
        SCOPED_TRACE(testing::Message() << "step " << ++n);
        Do(c.step);
        EXPECT_EQ(Edit("txtCs(0)").text(), c.c1);
        EXPECT_EQ(Edit("txtCst").isHidden(), !*c.equivalent);
        if (*c.equivalent) {
            EXPECT_EQ(Edit("txtCst").text(), c.equivalent);
            EXPECT_EQ(Edit("txtUs(0)").text(), "10");
        }
        ExpectWidgetsMirrorModel();
    }
    // A new edit ends what could be redone.
    QTest::keyClicks(&Edit("txtCs(0)"), "0");
    Do(Step::CtrlY);
    EXPECT_EQ(Edit("txtCs(0)").text(), "22000");
}

class EnterKey : public WindowTest, public testing::WithParamInterface<Qt::KeyboardModifiers> {};

TEST_P(EnterKey, OnTheFocusedButtonClicksIt) {
    TypeInto("txtCs(0)", "47");
    Button().setFocus(Qt::TabFocusReason);
    const Qt::Key key = GetParam() == Qt::KeypadModifier ? Qt::Key_Enter : Qt::Key_Return;
    QTest::keyClick(&Button(), key, GetParam());
    EXPECT_EQ(Edit("txtCs(0)").text(), "0");
    EXPECT_TRUE(Edit("txtCst").isHidden());
}

INSTANTIATE_TEST_SUITE_P(Window, EnterKey, testing::Values(Qt::NoModifier, Qt::KeypadModifier),
                         [](const auto &info) {
                             return info.param == Qt::KeypadModifier ? "KeypadEnter" : "Return";
                         });

using LongResult = WindowTest;

void PasteInto(QLineEdit &edit, const QString &text) {
    QApplication::clipboard()->setText(text);
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
}

// A result too long for its box shows a shorter form of the same value,
// never its leading digits alone; the tooltip and the description give it
// whole.
TEST_F(LongResult, ShowsAFormThatFitsWithItsWholeTextAsTooltipAndDescription) {
    PasteInto(Edit("txtCs(0)"), "1e11u");
    QLineEdit &equivalent = Edit("txtCst");
    ASSERT_EQ(Window().Form().Field({window::Control::txtCst, 0}).Text(), "100000000000");
    EXPECT_EQ(equivalent.text(), "1E+11");
    EXPECT_EQ(equivalent.toolTip(), "100000000000");
    EXPECT_TRUE(equivalent.accessibleDescription().contains("100000000000"));

    // 1 nF and 3 nF on 1e15 kV: 750000000000 MV, in a narrower box.
    TypeInto("txtCs(0)", "1n");
    TypeInto("txtCs(1)", "3n");
    PasteInto(Edit("txtUst"), "1e15k");
    QLineEdit &voltage = Edit("txtUs(0)");
    const QString whole =
        QString::fromStdString(Window().Form().Field({window::Control::txtUs, 0}).Text());
    ASSERT_TRUE(whole.startsWith("750000000000")) << whole.toStdString();
    EXPECT_EQ(Edit("txtUMUs(0)").text(), "MV");
    EXPECT_FALSE(whole.startsWith(voltage.text())) << voltage.text().toStdString();
    EXPECT_TRUE(voltage.text().endsWith("E+11") || voltage.text() == QChar(0x2026))
        << voltage.text().toStdString();
    EXPECT_EQ(voltage.toolTip(), whole);
    EXPECT_EQ(Edit("txtUs(2)").text(), "0");
    EXPECT_EQ(Edit("txtUs(2)").toolTip(), ""); // a result that fits needs none
}

// The tooltip follows each new result, also after a long one was painted.
TEST_F(LongResult, TooltipFollowsEachNewResult) {
    for (const char *field : {"txtCs(0)", "txtCs(1)", "txtCs(2)"})
        TypeInto(field, "3");
    QLineEdit &result = Edit("txtUs(0)");
    const std::pair<const char *, bool> voltages[] = {
        {"1e300", true}, {"2e300", true}, {"3", false}, {"1e300", true}};
    for (const auto &[voltage, tooltip] : voltages) {
        QApplication::clipboard()->setText(voltage);
        QTest::keyClick(&Edit("txtUst"), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&Edit("txtUst"), Qt::Key_V, Qt::ControlModifier);
        result.repaint();
        const QString whole =
            QString::fromStdString(Window().Form().Field({window::Control::txtUs, 0}).Text());
        EXPECT_EQ(result.toolTip(), tooltip ? whole : QString()) << voltage;
        EXPECT_EQ(result.text() == whole, !tooltip) << voltage;
    }
}

using MessageBand = WindowTest;

// Screen readers get the message as an alert: what the accessibility bridge
// sends is checked under AT-SPI by the end-to-end alert test.
TEST_F(MessageBand, IsAnAlertNamedByItsMessage) {
    QLabel &band = Label("lblEroare");
    Choose("cboCs(0)", "uF");
    QApplication::clipboard()->setText("9e307");
    QLineEdit &c1 = Edit("txtCs(0)");
    QTest::keyClick(&c1, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&c1, Qt::Key_V, Qt::ControlModifier);
    ASSERT_FALSE(band.isHidden());

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&band);
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::AlertMessage);
    EXPECT_FALSE(band.text().isEmpty());
    EXPECT_EQ(accessible->text(QAccessible::Name), band.text());
    EXPECT_FALSE(accessible->state().invisible);
}

TEST_F(MessageBand, MarksTheInputThatCausedTheErrorUntilTheNextGoodResult) {
    QLineEdit &c3 = Edit("txtCs(2)");
    const QPalette unmarked = c3.palette();
    QApplication::clipboard()->setText("4e-320");
    c3.setFocus(Qt::OtherFocusReason);
    QTest::keyClick(&c3, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&c3, Qt::Key_V, Qt::ControlModifier);
    ASSERT_TRUE(Label("lblEroare").text().startsWith("Capacitatea C3 este prea mică"));

    EXPECT_NE(c3.palette().color(QPalette::Base), unmarked.color(QPalette::Base));
    EXPECT_NE(c3.palette().color(QPalette::Text), unmarked.color(QPalette::Text));
    for (const char *other : {"txtCs(0)", "txtCs(1)", "txtCs(3)", "txtUst"})
        EXPECT_EQ(Edit(other).palette().color(QPalette::Base), unmarked.color(QPalette::Base))
            << other;

    TypeInto("txtCs(2)", "4");
    EXPECT_TRUE(Label("lblEroare").isHidden());
    EXPECT_EQ(c3.palette(), unmarked);
}

} // namespace
