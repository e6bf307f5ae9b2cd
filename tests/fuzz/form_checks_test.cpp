// SPDX-License-Identifier: GPL-3.0-or-later
// The checks of the window fuzz target must pass on the window's own results
// and catch every kind of wrong result, or the fuzzer would find nothing.
#include "form_actions.h"
#include "form_checks.h"
#include "form_driver.h"
#include "form_history.h"
#include "form_intent.h"
#include "locale_formats.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <vector>

namespace fuzz {
namespace {

using window::Choose;
using window::Cs;
using window::CsUnit;
using window::frmTolvarine;
using window::Type;
using window::Ust;
using window::UstUnit;

// 10 nF and 22 nF with 230 V: 6.875 nF, 158.125 V and 71.875 V.
void EnterSeries(frmTolvarine &form) {
    Choose(form, CsUnit(0), "nF");
    Choose(form, CsUnit(1), "nF");
    Type(form, Cs(0), "10");
    Type(form, Cs(1), "22");
    Type(form, Ust, "230");
}

struct TamperCase {
    const char *name;
    std::function<void(FormSnapshot &)> tamper;
};

const TamperCase kTamperCases[] = {
    {"EquivalentOffByOneDecimal", [](FormSnapshot &f) { f.equivalent = "6.876"; }},
    {"EquivalentInWrongUnit", [](FormSnapshot &f) { f.equivalentUnit = "uF"; }},
    {"EquivalentNotRanged",
     [](FormSnapshot &f) {
         f.equivalent = "6875";
         f.equivalentUnit = "pF";
     }},
    {"EquivalentRangedTooFar",
     [](FormSnapshot &f) {
         f.equivalent = "0.006875";
         f.equivalentUnit = "uF";
     }},
    {"EquivalentHidden", [](FormSnapshot &f) { f.equivalentShown[0] = false; }},
    {"VoltageWrong", [](FormSnapshot &f) { f.voltages[0] = "158.126"; }},
    {"VoltageNotRounded", [](FormSnapshot &f) { f.voltages[0] = "158.1251"; }},
    {"EquivalentNotRounded", [](FormSnapshot &f) { f.equivalent = "6.8750001"; }},
    {"VoltageInExponentForm", [](FormSnapshot &f) { f.voltages[1] = "7.1875E+01"; }},
    {"VoltageInMillivoltsNotRanged",
     [](FormSnapshot &f) {
         f.voltages[1] = "71875";
         f.voltageUnits[1] = "mV";
     }},
    {"VoltageWithoutUnit", [](FormSnapshot &f) { f.voltageUnits[0] = ""; }},
    {"AbsentCapacitorWithUnit", [](FormSnapshot &f) { f.voltageUnits[2] = "V"; }},
    {"AbsentCapacitorWithVoltage",
     [](FormSnapshot &f) {
         f.voltages[3] = "1";
         f.voltageUnits[3] = "V";
     }},
    {"ErrorShownWithoutCause",
     [](FormSnapshot &f) {
         f.error = "Valoare prea mare";
         f.errorShown = true;
         f.band = frmTolvarine::BandKind::Failure;
     }},
};

class TamperTest : public ::testing::TestWithParam<TamperCase> {};

TEST_P(TamperTest, WrongResultIsReported) {
    frmTolvarine form(test_support::EnglishFormat());
    form.Start({});
    EnterSeries(form);
    const FormSnapshot before = Snapshot(form);
    FormSnapshot after = Snapshot(form);
    ASSERT_EQ(CheckResults(after, before), "");
    GetParam().tamper(after);
    EXPECT_NE(CheckResults(after, before), "");
}

INSTANTIATE_TEST_SUITE_P(Checks, TamperTest, ::testing::ValuesIn(kTamperCases),
                         [](const auto &info) { return std::string(info.param.name); });

struct GoodCase {
    const char *name;
    runtime::NumberFormat format;
    std::function<void(frmTolvarine &)> act;
};

const GoodCase kGoodCases[] = {
    {"Series", test_support::EnglishFormat(), EnterSeries},
    {"ThreePicofarads", test_support::EnglishFormat(),
     [](frmTolvarine &f) {
         for (int k = 0; k < 3; ++k)
             Type(f, Cs(k), "1");
         Type(f, Ust, "3");
     }},
    {"Megavolts", test_support::RomanianFormat(),
     [](frmTolvarine &f) {
         Type(f, Cs(0), "1");
         Type(f, Cs(1), "1");
         Choose(f, UstUnit, "kV");
         Type(f, Ust, "9999,9");
     }},
    {"SignRemovalLongerThanTheLimit", test_support::EnglishFormat(),
     [](frmTolvarine &f) { Type(f, Cs(0), "-5E6"); }},
    {"OverflowShowsTheError", test_support::EnglishFormat(),
     [](frmTolvarine &f) {
         Choose(f, CsUnit(0), "uF");
         Type(f, Ust, "1");
         Type(f, Cs(0), "9e307");
     }},
    {"RefusedPasteKeepsTheResults", test_support::EnglishFormat(),
     [](frmTolvarine &f) { Type(f, Cs(3), "3430000"); }},
    {"ClearAfterValues", test_support::FrenchFormat(),
     [](frmTolvarine &f) {
         EnterSeries(f);
         f.UserClick({window::Control::cmdClear, 0});
     }},
};

class GoodTest : public ::testing::TestWithParam<GoodCase> {};

TEST_P(GoodTest, WindowPassesEveryCheck) {
    frmTolvarine form(GetParam().format);
    form.Start({});
    const FormSnapshot before = Snapshot(form);
    GetParam().act(form);
    const FormSnapshot after = Snapshot(form);
    EXPECT_EQ(CheckInputs(after, before), "");
    EXPECT_EQ(CheckResults(after, before), "");
}

INSTANTIATE_TEST_SUITE_P(Checks, GoodTest, ::testing::ValuesIn(kGoodCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(InputCheck, TextLongerThanTheLimitNotWrittenByTheProgramIsReported) {
    frmTolvarine form(test_support::EnglishFormat());
    form.Start({});
    const FormSnapshot before = Snapshot(form);
    FormSnapshot after = Snapshot(form);
    after.inputs[2] = "01234567"; // a number, so the validation would keep it
    after.values[2].first = after.inputs[2];
    EXPECT_NE(CheckInputs(after, before), "");
}

// Found by the fuzzer: the program wrote "9.99988867182683E-315", deleting
// left "8867182683E-315" and then "683E-315"; an undo brings the longer text
// back, as the field held it.
TEST(InputCheck, AnUndoMayBringBackALongerTextThatTheFieldHeld) {
    frmTolvarine form(test_support::EnglishFormat());
    form.Start({});
    FormSnapshot before = Snapshot(form);
    before.inputs[0] = before.values[0].first = "683E-315";
    FormSnapshot after = before;
    after.inputs[0] = after.values[0].first = "8867182683E-315";
    EXPECT_NE(CheckInputs(after, before), "");
    EXPECT_EQ(CheckInputs(after, before, true), "");
}

// 4.7 nF pasted as "\t4n7" into C1: the oracle passes it, and catches
// another value, another unit, and an undo that brings back another step.
TEST(IntentCheck, PassesTheValueMeantAndCatchesAnotherValueUnitOrStep) {
    frmTolvarine form(test_support::EnglishFormat());
    form.Start({});
    const Intent intent = DecodeIntent({0, 0x81, 0, 4, 7, 1, 0x01, 2}, form.Format());
    HistoryOracle history(Snapshot(form));
    EnterIntent(form, intent, [&] { history.Record(Snapshot(form)); });
    EXPECT_EQ(CheckIntent(form, intent, "pF"), "");
    Type(form, Cs(0), "4.8");
    EXPECT_NE(CheckIntent(form, intent, "pF"), "");
    Type(form, Cs(0), "4.7");
    Choose(form, CsUnit(0), "uF");
    EXPECT_NE(CheckIntent(form, intent, "pF"), "");
    history.Record(Snapshot(form));

    Action undo;
    undo.kind = ActionKind::Undo;
    undo.target = Cs(0);
    const FormSnapshot before = Snapshot(form);
    form.UserUndo(Cs(0));
    EXPECT_EQ(history.CheckStep(undo, before, Snapshot(form)), "");
    FormSnapshot wrong = Snapshot(form);
    wrong.values[0].second = "pF"; // the step before is 4.7 nF
    EXPECT_NE(history.CheckStep(undo, before, wrong), "");
}

struct DecodeCase {
    const char *name;
    std::vector<std::uint8_t> bytes;
    const char *format; // decimal separator
    std::vector<std::string> described;
};

const DecodeCase kDecodeCases[] = {
    {"ReplaceAll", {0, 3, 4, 2, 1, 15}, ".", {"replace txtUst(0) with \"1.\" (paste)"}},
    {"InsertOverSelection",
     {1, 0, 1, 2, 0, 3, 1, 5},
     ",",
     {"type \"5\" into txtCs(1) at 2 over 3"}},
    {"DeleteChooseClearKey",
     {2, 2, 3, 4, 1, 4, 4, 7, 6, 7, 27, 0},
     ",",
     {"delete 2 of txtCs(3) at 4", "choose entry 3 of cboUst(0)", "click Sterge valori", "key 27"}},
    // Undo in txtUst, redo in the first rating, and 4.7 nF pasted as RKM
    // after a tab.
    {"UndoRedoAndAValueMeant",
     {0, 0xC1, 4, 0xD0, 0xC0, 0xE0, 0, 0x81, 0, 4, 7, 1, 0x01, 2},
     ".",
     {"undo in txtUst(0)", "redo in txtUn(0)", "paste \"\t4n7\" into txtCs(0)"}},
    {"ChooseCapacitanceUnit", {0, 5, 2, 5}, ".", {"choose entry 2 of cboCs(2)"}},
    // The design part opened, its target pasted, its lists chosen, undo.
    {"DesignPart",
     {0, 0x86, 0, 0xC6, 0, 1, 3, 2, 33, 5, 4, 0xF2, 3, 4, 0xF1, 1, 0x46, 2, 0xC1, 0xC6},
     ".",
     {"click Proiectare", "paste \"2n5\" into txtCd(0) at 0 over 0",
      "choose entry 3 of cboSerie(0)", "choose entry 1 of cboNrC(0)", "use design row 3",
      "undo in txtCd(0)"}},
};

class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, BytesBecomeActions) {
    const DecodeCase &c = GetParam();
    const Script script = DecodeScript(c.bytes.data(), c.bytes.size());
    EXPECT_EQ(script.format.decimal, c.format);
    std::vector<std::string> described;
    for (const Action &action : script.actions)
        described.push_back(Describe(action));
    EXPECT_EQ(described, c.described);
}

INSTANTIATE_TEST_SUITE_P(Checks, DecodeTest, ::testing::ValuesIn(kDecodeCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace fuzz
