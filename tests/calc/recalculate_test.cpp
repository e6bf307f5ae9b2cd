// SPDX-License-Identifier: GPL-3.0-or-later
// The series calculation, driven through the window's fields as a user would.
#include "form_driver.h"
#include "locale_formats.h"

#include <gtest/gtest.h>

#include <array>

namespace window {
namespace {

struct SeriesCase {
    const char *name;
    runtime::NumberFormat format;
    std::array<const char *, 4> capacitances;
    std::array<const char *, 4> units;
    const char *voltage;
    const char *voltageUnit;
    Shown expected;
};

Shown Result(const char *ceq, const char *unit, std::vector<std::string> volts,
             std::vector<std::string> voltUnits) {
    return {ceq, unit, true, std::move(volts), std::move(voltUnits)};
}

const auto en = test_support::EnglishFormat();
const auto ro = test_support::RomanianFormat();

const SeriesCase kSeriesCases[] = {
    {"SingleNanofarad",
     en,
     {"4.7", "0", "0", "0"},
     {"nF", "pF", "pF", "pF"},
     "12",
     "V",
     Result("4.7", "nF", {"12", "0", "0", "0"}, {"V", "", "", ""})},
    {"TwoEqual",
     en,
     {"2", "2", "0", "0"},
     {"nF", "nF", "pF", "pF"},
     "10",
     "V",
     Result("1", "nF", {"5", "5", "0", "0"}, {"V", "V", "", ""})},
    {"TenAndTwentyTwo",
     en,
     {"10", "22", "0", "0"},
     {"nF", "nF", "pF", "pF"},
     "230",
     "V",
     Result("6.875", "nF", {"158.125", "71.875", "0", "0"}, {"V", "V", "", ""})},
    {"MixedUnits",
     en,
     {"1", "1000", "0", "0"},
     {"nF", "pF", "pF", "pF"},
     "0",
     "V",
     Result("500", "pF", {"0", "0", "0", "0"}, {"", "", "", ""})},
    {"Microfarads",
     en,
     {"1", "1", "0", "0"},
     {"uF", "uF", "pF", "pF"},
     "1",
     "kV",
     Result("500", "nF", {"500", "500", "0", "0"}, {"V", "V", "", ""})},
    // The voltages use the exact equivalent capacitance, not the shown 0.333.
    {"ThreeOnePicofarad",
     en,
     {"1", "1", "1", "0"},
     {"pF", "pF", "pF", "pF"},
     "3",
     "V",
     Result("0.333", "pF", {"1", "1", "1", "0"}, {"V", "V", "V", ""})},
    // Small voltages keep their value in a smaller unit.
    {"FourOnMillivolt",
     en,
     {"100", "100", "100", "100"},
     {"pF", "pF", "pF", "pF"},
     "1",
     "mV",
     Result("25", "pF", {"250", "250", "250", "250"}, {"uV", "uV", "uV", "uV"})},
    {"ThirdOfAVolt",
     en,
     {"1", "2", "0", "0"},
     {"pF", "pF", "pF", "pF"},
     "1",
     "V",
     Result("0.667", "pF", {"666.667", "333.333", "0", "0"}, {"mV", "mV", "", ""})},
    {"MicrovoltsApplied",
     en,
     {"1", "0", "0", "3"},
     {"nF", "pF", "pF", "nF"},
     "4",
     "uV",
     Result("750", "pF", {"3", "0", "0", "1"}, {"uV", "", "", "uV"})},
    // Rounds to 0 pF, but the one capacitor still carries the whole voltage.
    {"TinyCapacitance",
     en,
     {"0.0001", "0", "0", "0"},
     {"pF", "pF", "pF", "pF"},
     "5",
     "V",
     Result("0", "pF", {"5", "0", "0", "0"}, {"V", "", "", ""})},
    {"LastCapacitorOnly",
     en,
     {"0", "0", "0", "47"},
     {"pF", "pF", "pF", "uF"},
     "400",
     "kV",
     Result("47", "uF", {"0", "0", "0", "400"}, {"", "", "", "kV"})},
    {"MegavoltsAcrossSmallCapacitor",
     en,
     {"1", "1", "0", "0"},
     {"pF", "uF", "pF", "pF"},
     "2500",
     "kV",
     Result("1", "pF", {"2.5", "2.5", "0", "0"}, {"MV", "V", "", ""})},
    {"RoundsUpIntoTheNextUnit",
     en,
     {"1", "999", "0", "0"},
     {"pF", "uF", "pF", "pF"},
     "999",
     "kV",
     Result("1", "pF", {"999", "1", "0", "0"}, {"kV", "mV", "", ""})},
    {"EquivalentInMicrofarads",
     en,
     {"999", "999", "0", "0"},
     {"uF", "uF", "pF", "pF"},
     "2",
     "V",
     Result("499.5", "uF", {"1", "1", "0", "0"}, {"V", "V", "", ""})},
    {"ExponentInput",
     en,
     {"1E-05", "0", "0", "0"},
     {"uF", "pF", "pF", "pF"},
     "1e3",
     "mV",
     Result("10", "pF", {"1", "0", "0", "0"}, {"V", "", "", ""})},
    // Capacitances are read in the user's locale, as the validation reads them.
    {"RomanianDecimalComma",
     ro,
     {"4,7", "0", "0", "0"},
     {"nF", "pF", "pF", "pF"},
     "1,5",
     "V",
     Result("4,7", "nF", {"1,5", "0", "0", "0"}, {"V", "", "", ""})},
    {"EnglishGrouping",
     en,
     {"1,000", "0", "0", "0"},
     {"pF", "pF", "pF", "pF"},
     "1,000",
     "mV",
     Result("1", "nF", {"1", "0", "0", "0"}, {"V", "", "", ""})},
    {"RomanianGrouping",
     ro,
     {"1.000", "1.000", "0", "0"},
     {"pF", "pF", "pF", "pF"},
     "0,002",
     "V",
     Result("500", "pF", {"1", "1", "0", "0"}, {"mV", "mV", "", ""})},
    // An exact half of the last decimal shown goes to the even digit, in
    // every unit alike (the ranging's table has the other cases).
    {"HalfOfAThousandthMicrovoltAfterOne",
     en,
     {"1", "0", "0", "0"},
     {"pF", "pF", "pF", "pF"},
     "1.0005",
     "uV",
     Result("1", "pF", {"1", "0", "0", "0"}, {"uV", "", "", ""})},
    {"HalfOfAMillivoltToEven",
     en,
     {"9", "0", "0", "0"},
     {"uF", "pF", "pF", "pF"},
     "1.2345",
     "V",
     Result("9", "uF", {"1.234", "0", "0", "0"}, {"V", "", "", ""})},
};

class SeriesTest : public ::testing::TestWithParam<SeriesCase> {};

TEST_P(SeriesTest, ShowsEquivalentAndVoltages) {
    const SeriesCase &c = GetParam();
    frmTolvarine form(c.format);
    form.Start({});
    for (int k = 0; k < 4; ++k) {
        Choose(form, CsUnit(k), c.units[k]);
        Type(form, Cs(k), c.capacitances[k]);
    }
    Choose(form, UstUnit, c.voltageUnit);
    Type(form, Ust, c.voltage);

    EXPECT_EQ(ResultsOf(form), c.expected);
    EXPECT_TRUE(IsShown(form, CstUnit));
    EXPECT_TRUE(IsShown(form, Caption(0)));
    EXPECT_FALSE(IsShown(form, Eroare));
}

INSTANTIATE_TEST_SUITE_P(Cases, SeriesTest, ::testing::ValuesIn(kSeriesCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Recalculate, PartialSumsPassThroughTheEquivalentField) {
    DeliveryLog log;
    frmTolvarine form(en, &log);
    form.Start({});
    Choose(form, CsUnit(0), "nF");
    Choose(form, CsUnit(1), "nF");
    Type(form, Cs(0), "10");

    log.Clear();
    Type(form, Cs(1), "22");
    std::vector<std::string> seen;
    for (const auto &entry : log.entries)
        if (entry.id == Cst && entry.notification == Notification::Change)
            seen.push_back(entry.fieldText);

    const std::vector<std::string> expected = {"0", "0.0001", "0.000145454545454545", "6875",
                                               "6.875"};
    EXPECT_EQ(seen, expected);
}

TEST(Recalculate, EveryCapacitanceZeroHidesEquivalentAndClearsStaleVoltages) {
    frmTolvarine form(en);
    form.Start({});
    Type(form, Cs(0), "47");
    Type(form, Cs(2), "10");
    Type(form, Ust, "5");
    Type(form, Cs(0), "0");
    ASSERT_TRUE(IsShown(form, Cst));
    ASSERT_EQ(Text(form, Us(2)), "5");
    const std::string equivalent = Text(form, Cst);

    Type(form, Cs(2), "-0"); // a negative zero counts as absent too

    const Shown expected{
        equivalent, Text(form, CstUnit), false, {"0", "0", "0", "0"}, {"", "", "", ""}};
    EXPECT_EQ(ResultsOf(form), expected);
    EXPECT_FALSE(IsShown(form, CstUnit));
    EXPECT_FALSE(IsShown(form, Caption(0)));
}

TEST(Recalculate, UnknownUnitsCountAsPicofaradsAndKilovolts) {
    // Before the load no list has a chosen entry: an empty capacitance unit
    // counts as pF, an empty voltage unit as kV.
    frmTolvarine form(en);
    Type(form, Ust, "2");
    Type(form, Cs(0), "5");
    EXPECT_EQ(ResultsOf(form), Result("5", "pF", {"2", "0", "0", "0"}, {"kV", "", "", ""}));
}

TEST(Recalculate, ChangingAUnitRecalculatesAtOnce) {
    DeliveryLog log;
    frmTolvarine form(en, &log);
    form.Start({});
    Type(form, Cs(0), "4.7");
    Type(form, Ust, "12");
    const std::size_t runs = log.recalculations;
    Choose(form, CsUnit(0), "uF");
    EXPECT_EQ(log.recalculations, runs + 1);
    EXPECT_EQ(Text(form, Cst), "4.7");
    EXPECT_EQ(Text(form, CstUnit), "uF");

    // A unit for an absent capacitor changes nothing that is shown.
    const Shown before = ResultsOf(form);
    Choose(form, CsUnit(3), "nF");
    Choose(form, UstUnit, "V");
    EXPECT_EQ(ResultsOf(form), before);
}

} // namespace
} // namespace window
