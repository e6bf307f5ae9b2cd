// SPDX-License-Identifier: GPL-3.0-or-later
// The rating check in the window: F2 and its button open the panel under the
// frame, a rating turns the margin red, and the results reach the clipboard.
#include "window_fixture.h"

#include <QAccessible>
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

// "Verificare" is last in the window's focus order; Space and Enter open and
// close the panel, whose inputs follow it; its results are no Tab stops.
TEST_F(RatingPanel, TabReachesTheButtonThenThePanelsInputsOnly) {
    const struct {
        Qt::Key key; // pressed on the button
        bool open;   // the panel afterwards
        std::vector<QString> walk;
    } cases[] = {
        {Qt::Key_Tab, false, {"cmdProiectare", "txtCs(0)"}},
        {Qt::Key_Space,
         true,
         {"txtUn(0)", "cboUn(0)", "cboTipUn(0)", "txtUn(1)", "cboUn(1)", "cboTipUn(1)", "txtUn(2)",
          "cboUn(2)", "cboTipUn(2)", "txtUn(3)", "cboUn(3)", "cboTipUn(3)", "txtTol", "txtFrec",
          "cmdProiectare", "txtCs(0)"}},
        {Qt::Key_Return, false, {"cmdVerificare", "cmdProiectare", "txtCs(0)"}},
    };
    for (const auto &c : cases) {
        Edit("txtUMUs(3)").setFocus(Qt::TabFocusReason);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), &Toggle());
        QTest::keyClick(&Toggle(), c.key);
        EXPECT_EQ(Window().RatingOpen(), c.open) << c.key;
        std::vector<QString> walk{QApplication::focusWidget()->objectName()};
        while (walk.size() < c.walk.size()) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            walk.push_back(QApplication::focusWidget()->objectName());
        }
        EXPECT_EQ(walk, c.walk) << c.key;
    }
}

TEST_F(RatingPanel, ItsButtonSitsInAFreeCornerOfTheFrame) {
    const QRect button = Toggle().geometry().translated(-Frame("fraSerie").pos());
    EXPECT_TRUE(Frame("fraSerie").contentsRect().contains(button));
    for (QWidget *w : Frame("fraSerie").findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        EXPECT_FALSE(w->geometry().intersects(button)) << w->objectName().toStdString();
}

TEST_F(RatingPanel, ARatingBelowTheWorstPeakTurnsTheMarginRed) {
    TypeExample();
    PressF2();
    TypeInto("txtUn(0)", "160");
    QLineEdit &margin = Edit("txtMarja(0)");
    EXPECT_EQ(margin.text(), "-18.898");
    EXPECT_EQ(margin.palette().color(QPalette::Text), QColor(0xB0, 0x00, 0x00));
    EXPECT_EQ(margin.accessibleDescription(),
              QString::fromUtf8("Depășește tensiunea nominală cu 18.898 V, față de vârf (c.c.)"));
    EXPECT_EQ(margin.toolTip(), margin.accessibleDescription());
    EXPECT_EQ(Edit("txtXc").text(), "63.662");
    EXPECT_EQ(Edit("txtUMXc").text(), QString::fromUtf8("kΩ"));

    TypeInto("txtUn(0)", "0k2");
    EXPECT_EQ(Combo("cboUn(0)").currentText(), "kV");
    EXPECT_EQ(margin.text(), "21.102");
    EXPECT_EQ(margin.palette().color(QPalette::Text), QColor(0x00, 0x64, 0x00));
    const auto signs = margin.findChildren<QAction *>("semnAvertizare");
    ASSERT_EQ(signs.size(), 1);
    EXPECT_FALSE(signs[0]->isVisible());
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
        "C2\t160\tV\tc.c.\t126.5\tV\t178.898\tV\t-18.898\tV\tdepășește\tvârf\t1.6\tmJ\n")));
}

// The longest texts of six typed characters without an exponent: 999999 kV
// is 1000 MV RMS and 1414,212 MV at its peak.
TEST_F(RatingPanel, EachResultFieldShowsItsLongestTextWhole) {
    TypeExample();
    PressF2();
    TypeInto("txtUn(1)", "1"); // the warning sign takes its room
    const std::pair<const char *, const char *> longest[] = {
        {"txtUmax(0)", "999,999"}, {"txtUvarf(3)", "1414,212"}, {"txtMarja(1)", "-1414,212"},
        {"txtW(2)", "999,999"},    {"txtQ", "999,999"},         {"txtWt", "999,999"},
        {"txtXc", "999,999"},      {"txtI", "999,999"},
    };
    for (const auto &[name, text] : longest) {
        QLineEdit &edit = Edit(name);
        // QLineEdit keeps 2 pixels between its contents and the text.
        int room = edit.contentsRect().marginsRemoved(edit.textMargins()).width() - 4;
        for (const QWidget *side : edit.findChildren<QWidget *>()) {
            if (side->isVisible())
                room -= side->width();
        }
        EXPECT_LE(edit.fontMetrics().boundingRect(QString::fromUtf8(text)).width(), room)
            << name << " cuts " << text;
    }
}

// The warning of a margin that turns red is an alert, announced by being
// shown (the Linux bridge passes on the showing of an alert); staying red or
// turning green again announces nothing.
TEST_F(RatingPanel, AnnouncesAMarginThatTurnsRed) {
    struct ShowCounter final : QObject {
        int shown = 0;
        bool eventFilter(QObject *, QEvent *event) override {
            shown += event->type() == QEvent::Show;
            return false;
        }
    } counter;
    TypeExample();
    PressF2();
    QLabel &warning = Label("lblVerificare");
    warning.installEventFilter(&counter);
    const std::pair<const char *, int> steps[] = {{"160", 1}, {"170", 1}, {"1000", 1}, {"100", 2}};
    for (const auto &[rating, expected] : steps) {
        TypeInto("txtUn(0)", rating);
        EXPECT_EQ(counter.shown, expected) << rating;
    }
    warning.removeEventFilter(&counter);
    QAccessibleInterface *iface = QAccessible::queryAccessibleInterface(&warning);
    ASSERT_NE(iface, nullptr);
    EXPECT_EQ(iface->role(), QAccessible::AlertMessage);
    EXPECT_EQ(iface->text(QAccessible::Name),
              QString::fromUtf8("C1 depășește tensiunea nominală cu 78.898 V."));
}

} // namespace
