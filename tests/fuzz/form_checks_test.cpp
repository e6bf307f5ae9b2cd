// SPDX-License-Identifier: GPL-3.0-or-later
// The checks of the window fuzz target must pass on the window's own results
// and catch every kind of wrong result, or the fuzzer would find nothing.
#include "form_actions.h"
#include "form_checks.h"
#include "form_driver.h"
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
    EXPECT_NE(CheckInputs(after, before), "");
}

struct DecodeCase {
    const char *name;
    std::vector<std::uint8_t> bytes;
    const char *format; // decimal separator
    std::vector<std::string> described;
};

const DecodeCase kDecodeCases[] = {
    {"ReplaceAll", {0, 3, 4, 2, 1, 14}, ".", {"replace txtUst with \"1.\""}},
    {"InsertOverSelection",
     {1, 0, 1, 2, 0, 3, 1, 5},
     ",",
     {"type \"5\" into txtCs(1) at 2 over 3"}},
    {"DeleteChooseClearKey",
     {2, 2, 3, 4, 1, 4, 4, 7, 6, 7, 27, 0},
     ",",
     {"delete 2 of txtCs(3) at 4", "choose entry 3 of cboUst", "click Sterge valori", "key 27"}},
    {"ChooseCapacitanceUnit", {0, 5, 2, 5}, ".", {"choose entry 2 of cboCs(2)"}},
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
