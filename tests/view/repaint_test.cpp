// SPDX-License-Identifier: GPL-3.0-or-later
// What a keystroke repaints: only the widgets whose content changed, and
// the window it leaves on screen is the one a whole repaint draws. The
// screen's copy is compared at the scale of 1 only, where it is not resized.
#include "window_fixture.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QPaintEvent>
#include <QScreen>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <functional>
#include <set>

namespace {

// The names of the widgets that paint, as the event loop flushes a change.
class PaintedWidgets final : public QObject {
public:
    explicit PaintedWidgets(QWidget &window) {
        for (QWidget *widget : window.findChildren<QWidget *>())
            widget->installEventFilter(this);
    }
    std::set<QString> names;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() == QEvent::Paint)
            names.insert(watched->objectName());
        return false;
    }
};

class KeystrokeRepaint : public WindowTest {
protected:
    void SetUp() override {
        m_flashTime = QApplication::cursorFlashTime();
        QApplication::setCursorFlashTime(0); // a caret that stays, for grabs
        WindowTest::SetUp();
        TypeInto("txtCs(0)", "10");
        TypeInto("txtCs(1)", "22");
        TypeInto("txtCs(2)", "470");
        TypeInto("txtUst", "230");
        Edit("txtCs(0)").end(false);
        Flush();
    }
    void TearDown() override {
        WindowTest::TearDown();
        QApplication::setCursorFlashTime(m_flashTime);
    }
    void Flush() { QCoreApplication::processEvents(); }
    void Press(Qt::Key key) {
        QTest::keyClick(&Edit("txtCs(0)"), key);
        Flush();
    }

private:
    int m_flashTime = 0;
};

TEST_F(KeystrokeRepaint, LeaveTheWindowAsAWholeRepaintDrawsIt) {
    const auto expectAsWhole = [this](const char *step) {
        const QImage onScreen = Window().screen()->grabWindow(Window().winId()).toImage();
        const QImage whole = Window().grab().toImage();
        EXPECT_EQ(onScreen.convertToFormat(whole.format()), whole) << step;
    };
    for (const Qt::Key key : {Qt::Key_5, Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_7}) {
        Press(key);
        expectAsWhole("after a key");
    }
    // The focus frame of a result field, and its removal, beside its unit.
    for (const char *field : {"txtUs(0)", "txtUMUs(0)", "txtCs(0)"}) {
        Edit(field).setFocus(Qt::TabFocusReason);
        Flush();
        expectAsWhole(field);
    }
}

TEST_F(KeystrokeRepaint, RepaintOnlyTheFieldsThatChangedAndTheFrameBehindThem) {
    const PaintedWidgets painted(Window());
    Press(Qt::Key_5);
    // The voltage units of the first three capacitors stay "V": their
    // neighbours' new values must not repaint them.
    for (const char *name : {"txtUMUs(0)", "txtUMUs(1)", "txtUMUs(2)", "txtCs(1)", "txtUst"})
        EXPECT_EQ(painted.names.count(name), 0u) << name;
    for (const char *name : {"txtCs(0)", "txtCst", "txtUs(0)", "txtUs(2)", "fraSerie"})
        EXPECT_EQ(painted.names.count(name), 1u) << name;
}

} // namespace

namespace {

// Each action of the user shows the model's state in the widgets once,
// driven as a user does: keys and clicks.
class OneRender : public WindowTest {
protected:
    QWidget &Named(const char *name) { return *Window().findChild<QWidget *>(name); }
    // Presses `key` where the focus is, as the keyboard does.
    std::function<void()> Key(Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        return [key, modifiers] { QTest::keyClick(QApplication::focusWidget(), key, modifiers); };
    }
    std::function<void()> Click(const char *button) {
        return [this, button] { QTest::mouseClick(&Named(button), Qt::LeftButton); };
    }
    std::function<void()> FocusThen(const char *widget, std::function<void()> then) {
        return [this, widget, then] {
            Named(widget).setFocus(Qt::OtherFocusReason);
            then();
        };
    }
};

TEST_F(OneRender, PerActionOfTheUser) {
    struct Action {
        const char *action;
        std::function<void()> act;
    };
    std::vector<Action> actions = {
        {"digit typed", FocusThen("txtCs(0)", Key(Qt::Key_4))},
        {"unit letter typed", Key(Qt::Key_N)},
        {"Backspace", Key(Qt::Key_Backspace)},
        {"undo", Key(Qt::Key_Z, Qt::ControlModifier)},
        {"paste",
         [this] {
             QApplication::clipboard()->setText(QStringLiteral("4n7\n"));
             Key(Qt::Key_V, Qt::ControlModifier)();
         }},
        {"list choice with a key", FocusThen("cboUst", Key(Qt::Key_Down))},
        {"button clicked", Click("cmdClear")},
        {"F2, the panel's first opening", Key(Qt::Key_F2)},
        {"kind chosen with a key", FocusThen("cboTipUn(0)", Key(Qt::Key_Down))},
        {"F2 closing the panel", Key(Qt::Key_F2)},
        {"the panel's button clicked", Click("cmdVerificare")},
        {"the panel's button clicked again", Click("cmdVerificare")},
        {"F3, the design part's first opening", Key(Qt::Key_F3)},
        {"digit typed in the design part", Key(Qt::Key_5)},
        {"design row used with Enter",
         [this] {
             auto *table = Window().findChild<QTableWidget *>("tblProiectare");
             table->setFocus(Qt::TabFocusReason);
             QTest::keyClick(table, Qt::Key_Return);
         }},
        {"F3 closing the design part", Key(Qt::Key_F3)},
        {"the design part's button clicked", Click("cmdProiectare")},
    };
    for (const auto &[action, act] : actions) {
        const std::size_t before = Window().RenderCount();
        act();
        EXPECT_EQ(Window().RenderCount() - before, 1U) << action;
    }
    EXPECT_EQ(Combo("cboTipUn(0)").currentText(), "c.a.");
}

} // namespace
