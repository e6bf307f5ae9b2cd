// SPDX-License-Identifier: GPL-3.0-or-later
// Undo and redo bring back a field's text with its unit, whichever way the
// unit came; a click into a field that shows "0" selects it; the note on an
// ambiguous mark; and the edit reaches the model as the field made it.
#include "edit_capture.h"
#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <functional>

namespace {

struct UndoUnitCase {
    const char *name;
    const char *field;
    const char *list;
    std::function<void(WindowTest &)> act; // run by the fixture, see below
    const char *text;                      // before the last action, back after Ctrl+Z
    const char *unit;
    const char *redoneText; // after Ctrl+Y
    const char *redoneUnit;
};

class UndoWithUnit : public WindowTest, public testing::WithParamInterface<UndoUnitCase> {
public:
    using WindowTest::Choose;
    using WindowTest::Edit;
    using WindowTest::TypeInto;
    void Paste(const char *field, const QString &text) {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(&Edit(field), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&Edit(field), Qt::Key_V, Qt::ControlModifier);
    }
    void Click() { QTest::mouseClick(&Button(), Qt::LeftButton); }
};

const UndoUnitCase kUndoUnits[] = {
    {"PasteWithUnit", "txtCs(0)", "cboCs(0)",
     [](WindowTest &t) {
         auto &w = static_cast<UndoWithUnit &>(t);
         w.TypeInto("txtCs(0)", "33");
         w.Paste("txtCs(0)", QString::fromUtf8("4.7 µF\n"));
     },
     "33", "pF", "4.7", "uF"},
    {"LetterTyped", "txtUst", "cboUst",
     [](WindowTest &t) {
         auto &w = static_cast<UndoWithUnit &>(t);
         w.TypeInto("txtUst", "10");
         QTest::keyClicks(&w.Edit("txtUst"), "k");
     },
     "10", "V", "10", "kV"},
    {"ListChoice", "txtCs(1)", "cboCs(1)",
     [](WindowTest &t) {
         auto &w = static_cast<UndoWithUnit &>(t);
         w.TypeInto("txtCs(1)", "22");
         w.Choose("cboCs(1)", "nF"); // each arrow key is a choice, and a step
         w.Edit("txtCs(1)").setFocus(Qt::OtherFocusReason);
     },
     "22", "pF", "22", "nF"},
    {"AfterReset", "txtCs(0)", "cboCs(0)",
     [](WindowTest &t) {
         auto &w = static_cast<UndoWithUnit &>(t);
         w.TypeInto("txtCs(0)", "47n");
         w.Click();
         w.Edit("txtCs(0)").setFocus(Qt::OtherFocusReason);
     },
     "47", "nF", "0", "pF"},
};

TEST_P(UndoWithUnit, BringsBackTheTextAndItsUnitAndTheResultsFollow) {
    const UndoUnitCase &c = GetParam();
    c.act(*this);
    QLineEdit &edit = Edit(c.field);
    QTest::keyClick(&edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), c.text);
    EXPECT_EQ(Combo(c.list).currentText(), c.unit);
    ExpectWidgetsMirrorModel();
    QTest::keyClick(&edit, Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), c.redoneText);
    EXPECT_EQ(Combo(c.list).currentText(), c.redoneUnit);
    ExpectWidgetsMirrorModel();
}

INSTANTIATE_TEST_SUITE_P(Window, UndoWithUnit, testing::ValuesIn(kUndoUnits),
                         [](const auto &info) { return std::string(info.param.name); });

using ClickIntoZero = WindowTest;

TEST_F(ClickIntoZero, SelectsItSoThatTypingReplacesIt) {
    QLineEdit &c2 = Edit("txtCs(1)");
    QTest::mouseClick(&c2, Qt::LeftButton, {}, QPoint(2, c2.height() / 2));
    EXPECT_EQ(c2.selectedText(), "0");
    QTest::keyClicks(&c2, "4");
    EXPECT_EQ(c2.text(), "4");
    QTest::mouseClick(&c2, Qt::LeftButton, {}, QPoint(2, c2.height() / 2));
    EXPECT_FALSE(c2.hasSelectedText()); // any other text keeps the caret where clicked
}

using AmbiguityNote = WindowTest;

// English reads "4,700" as 4700: a note in the band's place, not an alert.
TEST_F(AmbiguityNote, ShowsNeutralInTheBandAndTheFieldsTooltipUntilAnotherFieldIsEdited) {
    const QString note = QString::fromUtf8(
        "C1: „4,700” este citit 4700 (virgula desparte miile; pentru zecimale scrieți 4.7)");
    const QString ownTip = Edit("txtCs(0)").toolTip(); // how values may be written
    TypeInto("txtCs(0)", "4,700");
    auto *band = Window().findChild<QLabel *>("lblNota");
    ASSERT_NE(band, nullptr);
    EXPECT_FALSE(band->isHidden());
    EXPECT_EQ(band->text(), note);
    EXPECT_TRUE(Label("lblEroare").isHidden());
    EXPECT_EQ(Edit("txtCs(0)").toolTip(), note);
    EXPECT_EQ(Edit("txtCs(0)").accessibleDescription(), note);
    TypeInto("txtCs(1)", "2");
    EXPECT_TRUE(band->isHidden());
    EXPECT_EQ(Edit("txtCs(0)").toolTip(), ownTip);
    EXPECT_EQ(Edit("txtCs(0)").accessibleDescription(), "");
    ExpectWidgetsMirrorModel();
}

// Where the edit was made, from the selection and caret noted before it.
TEST(EditBetween, TellsTheEditFromTheSelectionAndCaretBeforeIt) {
    using window::EditSource;
    struct Case {
        const char *before;
        int selectionStart, selectionLength, cursor;
        const char *after;
        std::size_t from, removed;
        const char *inserted;
    };
    const Case cases[] = {
        {"100", 0, 3, 3, "100\n", 0, 3, "100\n"}, // pasted over the same text
        {"1000", 0, 4, 4, "1000\u202F", 0, 4, "1000\u202F"},
        {"12", -1, 0, 2, "123", 2, 0, "3"},
        {"123", -1, 0, 2, "13", 1, 1, ""}, // Backspace
        {"123", -1, 0, 1, "13", 1, 1, ""}, // Delete
        {"11", -1, 0, 2, "1", 1, 1, ""},
        {"µ5", -1, 0, 1, "µ45", 1, 0, "4"},
    };
    for (const Case &c : cases) {
        const window::TextEdit edit =
            view::EditBetween(QString::fromUtf8(c.before), c.selectionStart, c.selectionLength,
                              c.cursor, QString::fromUtf8(c.after), EditSource::Pasted);
        EXPECT_EQ(edit.from, c.from) << c.before << " -> " << c.after;
        EXPECT_EQ(edit.removed, c.removed) << c.before << " -> " << c.after;
        EXPECT_EQ(edit.inserted, c.inserted) << c.before << " -> " << c.after;
    }
}

} // namespace
