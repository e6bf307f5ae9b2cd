// SPDX-License-Identifier: GPL-3.0-or-later
// Every new text of an input field is corrected in place: a non-number
// becomes "0", a negative number loses its sign, a number is kept as typed.
#include "form_driver.h"
#include "locale_formats.h"
#include "ranging.h"

#include <gtest/gtest.h>

namespace window {
namespace {

struct ValidationCase {
    const char *name;
    runtime::NumberFormat format;
    const char *typed;
    const char *shown;
    std::size_t recalculations;
    // With 1 V across that one capacitor in pF: the equivalent it counts as.
    const char *counted;
};

const auto en = test_support::EnglishFormat();
const auto ro = test_support::RomanianFormat();
const auto fr = test_support::FrenchFormat();

const ValidationCase kCases[] = {
    {"Minus", en, "-", "0", 1, nullptr},
    {"Point", en, ".", "0", 1, nullptr},
    {"Plus", en, "+", "0", 1, nullptr},
    {"Empty", en, "", "0", 1, nullptr},
    {"UnfinishedExponent", en, "1e", "0", 1, nullptr},
    {"UnfinishedSignedExponent", en, "1e-", "0", 1, nullptr},
    {"Letters", en, "abc", "0", 1, nullptr},
    {"BlankInside", en, "4 7", "0", 1, nullptr},
    {"DoubleSign", en, "--5", "0", 1, nullptr},
    {"TwoPoints", en, "1.2.3", "0", 1, nullptr},
    {"FullwidthDigits", en, "１２", "0", 1, nullptr},
    {"ArabicIndicDigit", en, "٣", "0", 1, nullptr},
    {"Infinity", en, "inf", "0", 1, nullptr},
    {"Hexadecimal", en, "0x10", "0", 1, nullptr},
    {"OverflowingExponent", en, "1E400", "0", 1, nullptr},
    {"CommaThatDoesNotGroupIsDecimal", en, "1,0", "1,0", 1, "1"},
    {"Negative", en, "-5", "5", 2, "5"},
    {"NegativeExponent", en, "-1e-5", "1E-05", 2, "0.00001"},
    {"NegativeBecomesLong", en, "-2e9", "2000000000", 2, "2000000000"},
    {"NegativeZeroStays", en, "-0", "-0", 1, nullptr},
    {"NegativeZeroPointZeroStays", en, "-0.0", "-0.0", 1, nullptr},
    {"LeadingZeros", en, "007", "007", 1, "7"},
    {"TrailingPoint", en, "1.", "1.", 1, "1"},
    {"LeadingPoint", en, ".5", ".5", 1, "0.5"},
    {"BlanksAroundAPasteGo", en, " 5 ", "5", 1, "5"},
    {"Exponent", en, "1E-05", "1E-05", 1, "0.00001"},
    {"Grouping", en, "1,000", "1,000", 1, "1000"},
    {"ExplicitPlus", en, "+12", "+12", 1, "12"},
    {"RomanianComma", ro, "1,5", "1,5", 1, "1,5"},
    {"RomanianPointIsDecimal", ro, "4.7", "4.7", 1, "4,7"},
    {"RomanianNegative", ro, "-1,5", "1,5", 2, "1,5"},
    {"RomanianGrouping", ro, "1.000", "1.000", 1, "1000"},
    {"FrenchNoBreakSpace", fr, "1\u00A0000", "1\u00A0000", 1, "1000"},
    {"FrenchComma", fr, "2,5", "2,5", 1, "2,5"},
};

class ValidationTest : public ::testing::TestWithParam<ValidationCase> {};

TEST_P(ValidationTest, CapacitanceField) {
    const ValidationCase &c = GetParam();
    DeliveryLog log;
    frmTolvarine form(c.format, &log);
    form.Start({});
    Type(form, Ust, "1");
    Type(form, Cs(2), "9"); // a different text, so every case is a change
    const std::size_t before = log.recalculations;

    Type(form, Cs(2), c.typed);

    EXPECT_EQ(Text(form, Cs(2)), c.shown);
    EXPECT_EQ(log.recalculations - before, c.recalculations);
    if (c.counted) {
        // Ceq of one capacitor is its own value, rounded to thousandths of a
        // pF (and scaled only from 1000 pF up).
        const double value = runtime::TextToDouble(c.counted, c.format);
        if (value < 1000) {
            EXPECT_EQ(Text(form, Cst),
                      runtime::DoubleToText(runtime::RoundDecimals(value, 3), c.format));
        }
        EXPECT_TRUE(IsShown(form, Cst));
        EXPECT_EQ(Text(form, Us(2)), "1");
    } else {
        EXPECT_FALSE(IsShown(form, Cst)); // counts as absent
    }
}

TEST_P(ValidationTest, AppliedVoltageField) {
    const ValidationCase &c = GetParam();
    DeliveryLog log;
    frmTolvarine form(c.format, &log);
    form.Start({});
    Type(form, Cs(0), "1");
    Type(form, Ust, "9");
    const std::size_t before = log.recalculations;

    Type(form, Ust, c.typed);

    EXPECT_EQ(Text(form, Ust), c.shown);
    EXPECT_EQ(log.recalculations - before, c.recalculations);
    // One capacitor carries the whole applied voltage.
    const double volts = c.counted ? runtime::TextToDouble(c.counted, c.format) : 0.0;
    const calc::Ranged expected = calc::RangeVoltage(volts, c.format);
    EXPECT_EQ(Text(form, Us(0)), expected.text);
    EXPECT_EQ(Text(form, UsUnit(0)), expected.unit);
}

INSTANTIATE_TEST_SUITE_P(Cases, ValidationTest, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Validation, NegativeRecalculatesTwiceOnTheSameContents) {
    DeliveryLog log;
    frmTolvarine form(test_support::EnglishFormat(), &log);
    form.Start({});
    log.Clear();
    Type(form, Cs(1), "-5");

    std::vector<std::pair<int, std::string>> changes;
    for (const auto &entry : log.entries)
        if (entry.id == Cs(1))
            changes.emplace_back(entry.depth, entry.fieldText);
    const std::vector<std::pair<int, std::string>> expected = {{1, "-5"}, {2, "5"}};
    EXPECT_EQ(changes, expected); // one nested run, one level deep
    EXPECT_EQ(Text(form, Cst), "5");
}

TEST(Validation, BlanksTypedAroundANumberStay) {
    frmTolvarine form(test_support::EnglishFormat());
    form.Start({});
    Type(form, Cs(0), "5");
    form.UserEdit(Cs(0), " 5", 1);
    form.UserEdit(Cs(0), " 5 ", 3);
    EXPECT_EQ(Text(form, Cs(0)), " 5 ");
    EXPECT_EQ(Text(form, Cst), "5");
}

TEST(Validation, DeletingTheWholeTextShowsZeroAtOnce) {
    DeliveryLog log;
    frmTolvarine form(test_support::EnglishFormat(), &log);
    form.Start({});
    Type(form, Cs(0), "47");
    const std::size_t before = log.recalculations;
    EXPECT_TRUE(form.UserEdit(Cs(0), "", 0).accepted);
    EXPECT_EQ(Text(form, Cs(0)), "0");
    EXPECT_EQ(log.recalculations - before, 1u);
}

TEST(Validation, TypingOnAfterZeroAndThroughAPoint) {
    frmTolvarine form(test_support::EnglishFormat());
    form.Start({});
    const std::vector<std::pair<std::string, std::string>> steps = {
        {"05", "5"}, {"05.", "5"}, {"05.5", "5.5"}, {"1e", ""}};
    for (const auto &[typed, equivalent] : steps) {
        form.UserEdit(Cs(0), typed, CharacterCount(typed));
        if (equivalent.empty()) {
            EXPECT_EQ(Text(form, Cs(0)), "0");
            EXPECT_FALSE(IsShown(form, Cst));
        } else {
            EXPECT_EQ(Text(form, Cs(0)), typed);
            EXPECT_EQ(Text(form, Cst), equivalent);
        }
    }
}

} // namespace
} // namespace window
