// SPDX-License-Identifier: GPL-3.0-or-later
// What the user sees after typing, choosing and clicking in the window.
#include "locale_formats.h"
#include "window_fixture.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>

#include <array>

namespace {

struct Capacitor {
    const char *value; // empty: left at "0"
    const char *unit;
};

struct Scenario {
    const char *name;
    std::array<Capacitor, 4> capacitors;
    const char *voltage;
    const char *voltageUnit;
    const char *equivalent;
    const char *equivalentUnit;
    std::array<const char *, 4> voltages;
    std::array<const char *, 4> voltageUnits;
};

const Scenario kScenarios[] = {
    {"SingleCapacitor",
     {{{"4.7", "nF"}, {"", "pF"}, {"", "pF"}, {"", "pF"}}},
     "12",
     "V",
     "4.7",
     "nF",
     {"12", "0", "0", "0"},
     {"V", "", "", ""}},
    {"TwoInSeries",
     {{{"10", "nF"}, {"22", "nF"}, {"", "pF"}, {"", "pF"}}},
     "230",
     "V",
     "6.875",
     "nF",
     {"158.125", "71.875", "0", "0"},
     {"V", "V", "", ""}},
    {"TwoEqualHalveTheVoltage",
     {{{"2", "nF"}, {"", "pF"}, {"2", "nF"}, {"", "pF"}}},
     "10",
     "V",
     "1",
     "nF",
     {"5", "0", "5", "0"},
     {"V", "", "V", ""}},
    {"MicrofaradsOnKilovolts",
     {{{"", "pF"}, {"1", "uF"}, {"", "pF"}, {"1", "uF"}}},
     "1",
     "kV",
     "500",
     "nF",
     {"0", "500", "0", "500"},
     {"", "V", "", "V"}},
};

void PrintTo(const Scenario &s, std::ostream *os) {
    *os << s.name;
}

class Typing : public WindowTest, public testing::WithParamInterface<Scenario> {};

TEST_P(Typing, ShowsTheResultsOfTheSeriesCircuit) {
    const Scenario &s = GetParam();
    const char *fields[] = {"txtCs(0)", "txtCs(1)", "txtCs(2)", "txtCs(3)"};
    const char *lists[] = {"cboCs(0)", "cboCs(1)", "cboCs(2)", "cboCs(3)"};
    for (std::size_t k = 0; k < 4; ++k) {
        if (*s.capacitors[k].value)
            TypeInto(fields[k], QString::fromUtf8(s.capacitors[k].value));
        Choose(lists[k], QString::fromUtf8(s.capacitors[k].unit));
    }
    TypeInto("txtUst", QString::fromUtf8(s.voltage));
    Choose("cboUst", QString::fromUtf8(s.voltageUnit));

    EXPECT_FALSE(Edit("txtCst").isHidden());
    EXPECT_FALSE(Label("lblUMs").isHidden());
    EXPECT_FALSE(Label("lblEticheteS(0)").isHidden());
    EXPECT_EQ(WholeText(Edit("txtCst")).toStdString(), s.equivalent);
    EXPECT_EQ(Label("lblUMs").text().toStdString(), s.equivalentUnit);
    const char *voltages[] = {"txtUs(0)", "txtUs(1)", "txtUs(2)", "txtUs(3)"};
    const char *units[] = {"txtUMUs(0)", "txtUMUs(1)", "txtUMUs(2)", "txtUMUs(3)"};
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(WholeText(Edit(voltages[k])).toStdString(), s.voltages[k]) << voltages[k];
        EXPECT_EQ(Edit(units[k]).text().toStdString(), s.voltageUnits[k]) << units[k];
    }
    EXPECT_TRUE(Label("lblEroare").isHidden());
    ExpectWidgetsMirrorModel();
}

INSTANTIATE_TEST_SUITE_P(Window, Typing, testing::ValuesIn(kScenarios),
                         [](const auto &info) { return std::string(info.param.name); });

using WindowBehaviour = WindowTest;

TEST_F(WindowBehaviour, StartsWithTheLoadedValuesAndTheFocusInC1) {
    for (const char *field : {"txtCs(0)", "txtCs(1)", "txtCs(2)", "txtCs(3)", "txtUst"})
        EXPECT_EQ(Edit(field).text(), "0") << field;
    for (const char *list : {"cboCs(0)", "cboCs(1)", "cboCs(2)", "cboCs(3)"})
        EXPECT_EQ(Combo(list).currentText(), "pF") << list;
    EXPECT_EQ(Combo("cboUst").currentText(), "V");
    for (const char *field : {"txtUs(0)", "txtUs(1)", "txtUs(2)", "txtUs(3)"})
        EXPECT_EQ(Edit(field).text(), "0") << field;
    for (const char *field : {"txtUMUs(0)", "txtUMUs(1)", "txtUMUs(2)", "txtUMUs(3)"})
        EXPECT_EQ(Edit(field).text(), "V") << field;
    EXPECT_TRUE(Edit("txtCst").isHidden());
    EXPECT_TRUE(Label("lblUMs").isHidden());
    EXPECT_TRUE(Label("lblEticheteS(0)").isHidden());
    EXPECT_FALSE(Label("lblEticheteS(3)").isHidden());
    EXPECT_TRUE(Label("lblEroare").isHidden());
    EXPECT_EQ(QApplication::focusWidget(), &Edit("txtCs(0)"));
    ExpectWidgetsMirrorModel();
}

// A hidden caption is measured when it is shown: in a font wider than the
// table's, "Capacitate echivalentă:" grows to its whole width then.
TEST_F(WindowBehaviour, FitsAHiddenCaptionWhenItIsShown) {
    QLabel &caption = Label("lblEticheteS(0)");
    QFont wide = caption.font();
    wide.setPointSizeF(wide.pointSizeF() * 1.5);
    caption.setFont(wide);
    TypeInto("txtCs(0)", "100n");
    ASSERT_FALSE(caption.isHidden());
    EXPECT_GE(caption.width(), QFontMetrics(wide).horizontalAdvance(caption.text()));
}

TEST_F(WindowBehaviour, ShowsTheErrorMessageWhileACapacitanceOverflowsAndTakesItBackAfter) {
    TypeInto("txtCs(0)", "9307");
    Choose("cboCs(0)", "uF");
    TypeInto("txtUst", "12");
    const QString equivalent = Edit("txtCst").text();
    ASSERT_FALSE(equivalent.isEmpty());
    ASSERT_TRUE(Label("lblEroare").isHidden());

    QLineEdit &c1 = Edit("txtCs(0)");
    c1.setFocus(Qt::OtherFocusReason);
    c1.setCursorPosition(1);
    QTest::keyClick(&c1, Qt::Key_E, Qt::NoModifier);
    EXPECT_EQ(c1.text(), "9e307");
    EXPECT_EQ(c1.cursorPosition(), 2);
    EXPECT_FALSE(Label("lblEroare").isHidden());
    EXPECT_FALSE(Label("lblEroare").text().isEmpty());
    EXPECT_EQ(Edit("txtCst").text(), "");
    EXPECT_EQ(Label("lblUMs").text(), "");
    for (const char *field : {"txtUs(0)", "txtUs(1)", "txtUMUs(0)", "txtUMUs(1)"})
        EXPECT_EQ(Edit(field).text(), "") << field;
    ExpectWidgetsMirrorModel();

    QTest::keyClick(&c1, Qt::Key_Backspace);
    EXPECT_EQ(c1.text(), "9307");
    EXPECT_EQ(c1.cursorPosition(), 1);
    EXPECT_TRUE(Label("lblEroare").isHidden());
    EXPECT_EQ(Edit("txtCst").text(), equivalent);
    EXPECT_EQ(Edit("txtUs(0)").text(), "12");
    EXPECT_EQ(Edit("txtUMUs(0)").text(), "V");
    ExpectWidgetsMirrorModel();
}

class InputField : public WindowTest, public testing::WithParamInterface<const char *> {};

TEST_P(InputField, RefusesASeventhCharacter) {
    QLineEdit &edit = Edit(GetParam());
    TypeInto(GetParam(), "123456");
    ASSERT_EQ(edit.text(), "123456");
    QTest::keyClick(&edit, Qt::Key_7);
    EXPECT_EQ(edit.text(), "123456");
    EXPECT_EQ(edit.cursorPosition(), 6);
    // Also in the middle of the text.
    edit.setCursorPosition(2);
    QTest::keyClick(&edit, Qt::Key_9);
    EXPECT_EQ(edit.text(), "123456");
    EXPECT_EQ(edit.cursorPosition(), 2);
    ExpectWidgetsMirrorModel();
}

TEST_P(InputField, RefusesAPasteTooLongWholeAndTrimsBlanks) {
    QLineEdit &edit = Edit(GetParam());
    QLabel &band = Label("lblEroare");
    TypeInto(GetParam(), "1234");
    QApplication::clipboard()->setText("345678901");
    edit.setSelection(1, 2);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "1234");
    EXPECT_EQ(edit.selectionStart(), 1);
    EXPECT_EQ(edit.selectedText(), "23");
    EXPECT_FALSE(band.isHidden());
    EXPECT_TRUE(band.text().startsWith("Textul lipit este prea lung pentru "));

    QApplication::clipboard()->setText("\t 4700\r\n");
    QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit.text(), "4700");
    EXPECT_TRUE(band.isHidden()); // the next edit took the message back
    ExpectWidgetsMirrorModel();
}

TEST_P(InputField, TurnsATextThatIsNoNumberIntoZero) {
    QLineEdit &edit = Edit(GetParam());
    TypeInto(GetParam(), "5");
    QTest::keyClick(&edit, Qt::Key_Backspace);
    EXPECT_EQ(edit.text(), "0");
    QTest::keyClicks(&edit, "x");
    EXPECT_EQ(edit.text(), "0");
    ExpectWidgetsMirrorModel();
}

INSTANTIATE_TEST_SUITE_P(Window, InputField,
                         testing::Values("txtCs(0)", "txtCs(1)", "txtCs(2)", "txtCs(3)", "txtUst"),
                         [](const auto &info) {
                             std::string name = info.param;
                             std::erase_if(name, [](char c) { return c == '(' || c == ')'; });
                             return name;
                         });

TEST_F(WindowBehaviour, KeepsAProgramTextLongerThanTheLimitWhole) {
    // Typed one key at a time, "-" alone would become "0", and a negative
    // paste is refused: the sign goes before a number already there.
    TypeInto("txtCs(0)", "56");
    QLineEdit &c1 = Edit("txtCs(0)");
    c1.setCursorPosition(1);
    QTest::keyClicks(&c1, "E");
    c1.setCursorPosition(0);
    QTest::keyClicks(&c1, "-");
    EXPECT_EQ(Edit("txtCs(0)").text(), "5000000");
    ExpectWidgetsMirrorModel();
}

TEST_F(WindowBehaviour, ResultFieldsCannotBeTypedIntoButCanBeCopied) {
    TypeInto("txtCs(0)", "10");
    TypeInto("txtUst", "5");
    for (const char *name : {"txtCst", "txtUs(0)", "txtUMUs(0)"}) {
        QLineEdit &edit = Edit(name);
        const QString before = edit.text();
        edit.setFocus(Qt::OtherFocusReason);
        EXPECT_TRUE(edit.hasFocus()) << name;
        QTest::keyClicks(&edit, "7");
        QTest::keyClick(&edit, Qt::Key_Backspace);
        EXPECT_EQ(edit.text(), before) << name;
        QTest::keyClick(&edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(&edit, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), before) << name;
    }
    ExpectWidgetsMirrorModel();
}

TEST_F(WindowBehaviour, ChoosingAUnitRecalculatesAtOnce) {
    TypeInto("txtCs(0)", "4700");
    EXPECT_EQ(Edit("txtCst").text(), "4.7");
    EXPECT_EQ(Label("lblUMs").text(), "nF");
    Choose("cboCs(0)", "nF");
    EXPECT_EQ(Edit("txtCst").text(), "4.7");
    EXPECT_EQ(Label("lblUMs").text(), "uF");
    ExpectWidgetsMirrorModel();
}

TEST_F(WindowBehaviour, TheClearButtonPutsEveryValueBack) {
    TypeInto("txtCs(0)", "10");
    Choose("cboCs(0)", "nF");
    TypeInto("txtCs(2)", "22");
    TypeInto("txtUst", "230");
    Choose("cboUst", "mV");
    ASSERT_FALSE(Edit("txtCst").isHidden());

    QTest::mouseClick(&Button(), Qt::LeftButton);

    for (const char *field : {"txtCs(0)", "txtCs(1)", "txtCs(2)", "txtCs(3)", "txtUst"})
        EXPECT_EQ(Edit(field).text(), "0") << field;
    for (const char *list : {"cboCs(0)", "cboCs(1)", "cboCs(2)", "cboCs(3)"})
        EXPECT_EQ(Combo(list).currentText(), "pF") << list;
    EXPECT_EQ(Combo("cboUst").currentText(), "V");
    for (const char *field : {"txtUs(0)", "txtUs(1)", "txtUs(2)", "txtUs(3)"})
        EXPECT_EQ(Edit(field).text(), "0") << field;
    for (const char *field : {"txtUMUs(0)", "txtUMUs(1)", "txtUMUs(2)", "txtUMUs(3)"})
        EXPECT_EQ(Edit(field).text(), "") << field;
    EXPECT_TRUE(Edit("txtCst").isHidden());
    EXPECT_TRUE(Label("lblUMs").isHidden());
    EXPECT_TRUE(Label("lblEticheteS(0)").isHidden());
    EXPECT_EQ(Button().text(), "Sterge valori");
    ExpectWidgetsMirrorModel();
}

class RomanianWindow : public WindowTest {
protected:
    runtime::NumberFormat Format() const override { return test_support::RomanianFormat(); }
};

TEST_F(RomanianWindow, ReadsAndWritesNumbersWithTheDecimalComma) {
    TypeInto("txtCs(0)", "4,7");
    Choose("cboCs(0)", "nF");
    TypeInto("txtUst", "1,5");
    EXPECT_EQ(Edit("txtCst").text(), "4,7");
    EXPECT_EQ(Edit("txtUs(0)").text(), "1,5");
    ExpectWidgetsMirrorModel();
}

} // namespace
