// SPDX-License-Identifier: GPL-3.0-or-later
// Reading numbers in a locale: IsNumber, TextToDouble and TextEquals.

#include "conversions.h"
#include "locale_formats.h"
#include "param_name.h"
#include "runtime_error.h"
#include "test_formats.h"

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

namespace {

using runtime::NumberFormat;
using runtime_test::Visible;

// One text and what reading it gives: a value, or nothing for a non-number.
struct ReadCase {
    std::string text;
    std::optional<double> value;
};

ReadCase Yes(std::string text, double value) {
    return {std::move(text), value};
}
ReadCase No(std::string text) {
    return {std::move(text), std::nullopt};
}

struct ReadParam {
    NumberFormat format;
    ReadCase c;
};

void PrintTo(const ReadParam &p, std::ostream *os) {
    *os << Visible(p.c.text) << " in {" << Visible(p.format.decimal) << ", "
        << Visible(p.format.group) << "}";
}

std::vector<ReadParam> With(const NumberFormat &format, const std::vector<ReadCase> &cases) {
    std::vector<ReadParam> params;
    for (const auto &c : cases) {
        params.push_back({format, c});
    }
    return params;
}

// The double that std::from_chars reads from a plain "C" text.
double Plain(const std::string &text) {
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

std::string Repeat(char c, std::size_t n) {
    return std::string(n, c);
}

// Cases that read the same in every locale: no separator in them.
std::vector<ReadCase> CommonCases() {
    return {
        Yes("0", 0.0),
        Yes("42", 42.0),
        Yes("-5", -5.0),
        Yes("+5", 5.0),
        Yes("007", 7.0),
        Yes("-0", -0.0),
        Yes("+0", 0.0),
        Yes(" 42 ", 42.0),
        Yes("\t7\t", 7.0),
        Yes("  -3e2  ", -300.0),
        Yes("1e5", 1e5),
        Yes("1E5", 1e5),
        Yes("1e+5", 1e5),
        Yes("-1e-5", -1e-5),
        Yes("1e0", 1.0),
        Yes("0e999999999999999999999", 0.0),
        Yes("1e-400", 0.0),
        Yes("-1e-400", -0.0),
        Yes("1e-99999999999999999999", 0.0),
        Yes("4e-320", 4e-320),
        Yes("5e-324", 5e-324),
        Yes("17976931348623157e292", DBL_MAX),
        Yes("1e308", 1e308),
        Yes(Repeat('1', 300), Plain(Repeat('1', 300))),
        Yes(Repeat('9', 308), Plain(Repeat('9', 308))),
        Yes(Repeat('0', 500) + "12", 12.0),
        Yes("1" + Repeat('0', 20) + "e-20", 1.0),
        No(""),
        No(" "),
        No("\t \t"),
        No("-"),
        No("+"),
        No("--1"),
        No("+-1"),
        No("1-"),
        No("- 5"),
        No("1 2"),
        No("1e"),
        No("1E"),
        No("1e-"),
        No("1e+"),
        No("e5"),
        No("E5"),
        No("-e5"),
        No("1e 5"),
        No("1 e5"),
        No("1e5e1"),
        No("1e1.5"),
        No("1d5"),
        No("1E400"),
        No("-1e309"),
        No("1e99999999999999999999"),
        No("17976931348623159e292"),
        No(Repeat('9', 309)),
        No(Repeat('9', 400)),
        No("inf"),
        No("-inf"),
        No("Infinity"),
        No("nan"),
        No("NaN"),
        No("0x10"),
        No("0X1p3"),
        No("1a"),
        No("a1"),
        No("abc"),
        No("1\xC3\xA9"),              // 1é
        No("\xD9\xA1\xD9\xA2"),       // Arabic-Indic digits 12
        No("\xEF\xBC\x91"),           // fullwidth digit one
        No(std::string("1\0", 2)),    // trailing NUL byte
        No(std::string("1\0002", 3)), // NUL byte inside
        No(std::string("\0", 1)),
        No("1\n"),
        No("\n1"),
        No("(1)"),
        No("1%"),
        No("$1"),
    };
}

std::vector<ReadCase> EnglishCases() {
    return {
        Yes("1,000", 1000.0),
        Yes("12,345,678", 12345678.0),
        Yes("1,000,000,000,000,000,000", 1e18),
        Yes("-1,234.5", -1234.5),
        Yes("999,999.999", 999999.999),
        Yes("1,000e3", 1e6),
        Yes("1.", 1.0),
        Yes("1.e2", 100.0),
        Yes(".5", 0.5),
        Yes("-.5", -0.5),
        Yes(".5e1", 5.0),
        Yes("4.7", 4.7),
        Yes("0.1", 0.1),
        Yes("0." + Repeat('0', 1000) + "1e1005", 1e4),
        Yes("1.7976931348623157e308", DBL_MAX),
        No("."),
        No("-."),
        No("+."),
        No(".e5"),
        No("1..2"),
        No("1.2.3"),
        Yes(",100", 0.1),
        No("1,000,00"),
        No("1,,000"),
        Yes("1000,000", 1000.0),
        No("1,000.000,5"),
        No("1.000,5"),
        No("1.5,000"),
        No("1\u00A0000"),
        No("1.7976931348623159e308"),
        No("1\u00B75"),
    };
}

std::vector<ReadCase> RomanianCases() {
    return {
        Yes("1,0", 1.0),
        Yes("1,", 1.0),
        Yes(",5", 0.5),
        Yes("-,5", -0.5),
        Yes("1,000", 1.0),
        Yes("1.000", 1000.0),
        Yes("1.000,5", 1000.5),
        Yes("12.345.678,25", 12345678.25),
        Yes("-1.000.000", -1e6),
        Yes("1,5e3", 1500.0),
        No(","),
        No("-,"),
        No("1,,0"),
        No("1,0,0"),
        Yes("1.00", 1.0),
        Yes("1.0000", 1.0),
        Yes(".100", 0.1),
        No("1.000,5.3"),
        No("1,000.5"),
        No("1 000"),
    };
}

std::vector<ReadCase> FrenchCases() {
    return {
        Yes("1,5", 1.5),
        Yes("1\u00A0000", 1000.0),
        Yes("1 000", 1000.0),
        Yes(" 1 000 ", 1000.0),
        Yes("-1\u00A0000\u00A0000,25", -1000000.25),
        Yes("1 000 000,25", 1000000.25),
        Yes("1\u00A0000 000", 1000000.0),
        Yes("12 345e-3", 12.345),
        Yes("1,", 1.0),
        Yes(",5", 0.5),
        No("1 00"),
        No("1  000"),
        No("1\u00A0"),
        No("\u00A01"),
        No("1\u00A000"),
        No("1\u00A00000"),
        No("1 000 0"),
        No("1,5\u00A0"),
        No("1,000 000"),
        No("1\xC2"), // the first byte of U+00A0 alone
        No("1\xC2"
           "000"),
        No("1\xA0"
           "000"), // the second byte alone
        No(","),
    };
}

std::vector<ReadCase> MiddleDotCases() {
    return {
        Yes("1\u00B75", 1.5),
        Yes("\u00B75", 0.5),
        Yes("1\u00B7", 1.0),
        Yes("-1\u202F000\u00B725", -1000.25),
        Yes("1 000\u00B725", 1000.25),
        Yes("2\u00B75E-3", 0.0025),
        Yes("1.5", 1.5),
        Yes("1,5", 1.5),
        Yes("1\u00A0000", 1000.0),
        No("1.5,3"),
        No("\u00B7"),
        No("-\u00B7"),
        No("1\u00B7\u00B75"),
        No("1\u00B75\u00B7"),
        No("1\xC2"),
        No("1\xC2"
           "5"),
        No("1\xB7"
           "5"),
        No("1\u202F00"),
    };
}

std::vector<ReadCase> UngroupedCases() {
    return {
        Yes("1000.5", 1000.5),
        Yes("1,000", 1.0),
        No("1 000"),
    };
}

// Both decimal marks: the locale's decimal separator always; the other of
// "." and "," groups only where the locale groups with it and the grouping is
// right, and is a decimal separator anywhere else.
std::vector<ReadParam> DecimalMarkParams() {
    const auto en = test_support::EnglishFormat();
    const auto ro = test_support::RomanianFormat();
    const auto fr = test_support::FrenchFormat();
    const NumberFormat frNarrow{",", "\u202F"};
    std::vector<ReadParam> params = {
        {en, Yes("4.7", 4.7)},
        {en, Yes("1,5", 1.5)},
        {en, Yes("1,", 1.0)},
        {en, Yes("1,0", 1.0)},
        {en, Yes("1,00", 1.0)},
        {en, Yes("0,001", 0.001)},
        {en, Yes("1,0000", 1.0)},
        {en, Yes("1,000", 1000.0)},
        {en, Yes("12,345", 12345.0)},
        {en, Yes("1,000.5", 1000.5)},
        {en, No("1.5,3")},
        {en, Yes("1,000,000", 1e6)},
        {en, No("1,00,000")},
        {en, Yes(",5", 0.5)},
        {en, Yes(".5", 0.5)},
        {en, No("1,,0")},
        {en, No("1.,5")},
        {en, No("1 000")},
        {en, Yes("-0,5e1", -5.0)},
        {en, No("1,0000.5")},
        {ro, Yes("4,7", 4.7)},
        {ro, Yes("4.7", 4.7)},
        {ro, Yes("4.", 4.0)},
        {ro, Yes("0.47", 0.47)},
        {ro, Yes("0.001", 0.001)},
        {ro, Yes("1.000", 1000.0)},
        {ro, Yes("2.200", 2200.0)},
        {ro, Yes("1.000,5", 1000.5)},
        {ro, No("4.7,1")},
    };
    for (const auto &format : {fr, frNarrow}) {
        for (const auto &c :
             {Yes("4.7", 4.7), Yes("1.000", 1.0), Yes("1 000", 1000.0), Yes("1\u00A0000", 1000.0),
              Yes("1\u202F000", 1000.0), Yes("1 000.5", 1000.5), No("0 001"), No("1.5,3")}) {
            params.push_back({format, c});
        }
    }
    return params;
}

class ReadNumberTest : public testing::TestWithParam<ReadParam> {};

TEST_P(ReadNumberTest, IsNumberAndTextToDouble) {
    const auto &[format, c] = GetParam();
    EXPECT_EQ(runtime::IsNumber(c.text, format), c.value.has_value());
    if (c.value) {
        const double actual = runtime::TextToDouble(c.text, format);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(actual), std::bit_cast<std::uint64_t>(*c.value))
            << "read " << actual << ", expected " << *c.value;
    } else {
        try {
            runtime::TextToDouble(c.text, format);
            ADD_FAILURE() << "no error raised";
        } catch (const runtime::RuntimeError &error) {
            EXPECT_EQ(error.kind(), runtime::ErrorKind::UnreadableText);
        }
    }
}

// The text read, after the case's place in its list: texts repeat across lists
// written for different locales, never within one.
std::string CaseName(const testing::TestParamInfo<ReadParam> &info) {
    return std::to_string(info.index) + "_" + test_support::ParamName(info.param.c.text);
}

INSTANTIATE_TEST_SUITE_P(EnglishCommon, ReadNumberTest,
                         testing::ValuesIn(With(test_support::EnglishFormat(), CommonCases())),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(RomanianCommon, ReadNumberTest,
                         testing::ValuesIn(With(test_support::RomanianFormat(), CommonCases())),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(FrenchCommon, ReadNumberTest,
                         testing::ValuesIn(With(test_support::FrenchFormat(), CommonCases())),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(MiddleDotCommon, ReadNumberTest,
                         testing::ValuesIn(With(test_support::MiddleDotFormat(), CommonCases())),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(English, ReadNumberTest,
                         testing::ValuesIn(With(test_support::EnglishFormat(), EnglishCases())),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(Romanian, ReadNumberTest,
                         testing::ValuesIn(With(test_support::RomanianFormat(), RomanianCases())),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(French, ReadNumberTest,
                         testing::ValuesIn(With(test_support::FrenchFormat(), FrenchCases())),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(MiddleDot, ReadNumberTest,
                         testing::ValuesIn(With(test_support::MiddleDotFormat(), MiddleDotCases())),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(DecimalMarks, ReadNumberTest, testing::ValuesIn(DecimalMarkParams()),
                         CaseName);
INSTANTIATE_TEST_SUITE_P(Ungrouped, ReadNumberTest,
                         testing::ValuesIn(With(test_support::UngroupedFormat(), UngroupedCases())),
                         CaseName);

struct EqualsCase {
    std::string a;
    std::string b;
    bool equal;
};

TEST(TextEqualsTest, ExactCaseSensitiveBytes) {
    const std::vector<EqualsCase> cases = {
        {"pF", "pF", true},   {"", "", true},           {"\u00B5F", "\u00B5F", true},
        {"pF", "PF", false},  {"uF", "\u00B5F", false}, {"uF", "UF", false},
        {"nF", "nF ", false}, {"V", "", false},         {std::string("V\0", 2), "V", false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(Visible(c.a) + " vs " + Visible(c.b));
        EXPECT_EQ(runtime::TextEquals(c.a, c.b), c.equal);
        EXPECT_EQ(runtime::TextEquals(c.b, c.a), c.equal);
    }
}

} // namespace
