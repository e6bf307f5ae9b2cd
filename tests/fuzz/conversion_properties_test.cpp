// SPDX-License-Identifier: GPL-3.0-or-later
// The conversion properties of the fuzz target: they hold on the runtime's
// own conversions and reject texts of the wrong shape.
#include "conversion_properties.h"
#include "locale_formats.h"
#include "param_name.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <ostream>
#include <string>
#include <utility>

namespace fuzz {
namespace {

using test_support::Shortest;

struct RoundCase {
    double x;
    double expected;
};

void PrintTo(const RoundCase &c, std::ostream *out) {
    *out << Shortest(c.x) << " to " << Shortest(c.expected);
}

class Significant15Test : public ::testing::TestWithParam<RoundCase> {};

TEST_P(Significant15Test, RoundsToFifteenDigits) {
    EXPECT_EQ(RoundToSignificant15(GetParam().x), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Properties, Significant15Test,
                         ::testing::Values(RoundCase{0.1, 0.1},
                                           RoundCase{1.0 / 3, 0.333333333333333},
                                           RoundCase{9.999999999999999e14, 1e15},
                                           RoundCase{123456789012345678.0, 1.23456789012346e17},
                                           RoundCase{-2.0 / 3, -0.666666666666667},
                                           RoundCase{DBL_MAX, 1.79769313486231e308},
                                           RoundCase{-DBL_MAX, -1.79769313486231e308}),
                         test_support::PrintedName());

struct WriteCase {
    double x;
    runtime::NumberFormat format;
};

std::string FormatName(const runtime::NumberFormat &format) {
    return format.decimal == "." ? "English" : format.group == "." ? "Romanian" : "French";
}

void PrintTo(const WriteCase &c, std::ostream *out) {
    *out << Shortest(c.x) << " in " << FormatName(c.format);
}

class WritingTest : public ::testing::TestWithParam<WriteCase> {};

TEST_P(WritingTest, RuntimeWritesTheExactShape) {
    EXPECT_EQ(CheckDoubleWriting(GetParam().x, GetParam().format), "");
}

INSTANTIATE_TEST_SUITE_P(
    Properties, WritingTest,
    ::testing::Values(WriteCase{0, test_support::EnglishFormat()},
                      WriteCase{-0.0, test_support::EnglishFormat()},
                      WriteCase{0.0001, test_support::RomanianFormat()},
                      WriteCase{0.00001, test_support::FrenchFormat()},
                      WriteCase{999999999999999.0, test_support::EnglishFormat()},
                      WriteCase{9.999999999999999e14, test_support::EnglishFormat()},
                      WriteCase{4.9406564584124654e-324, test_support::RomanianFormat()},
                      WriteCase{DBL_MAX, test_support::FrenchFormat()},
                      WriteCase{-4699.99999999999, test_support::EnglishFormat()}),
    test_support::PrintedName());

struct ShapeCase {
    const char *text;
    double x;
};

void PrintTo(const ShapeCase &c, std::ostream *out) {
    *out << "text " << c.text << " for " << Shortest(c.x);
}

class WrongShapeTest : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(WrongShapeTest, IsReported) {
    EXPECT_NE(CheckWrittenShape(GetParam().text, GetParam().x, test_support::EnglishFormat()), "");
}

INSTANTIATE_TEST_SUITE_P(
    Properties, WrongShapeTest,
    ::testing::Values(ShapeCase{"1.50", 1.5}, ShapeCase{"1.", 1}, ShapeCase{"01", 1},
                      ShapeCase{"1,5", 1.5}, ShapeCase{"+1", 1}, ShapeCase{"1", -1},
                      ShapeCase{"1E5", 1e15}, ShapeCase{"1E+5", 1e15}, ShapeCase{"1E+015", 1e15},
                      ShapeCase{"1000000000000000", 1e15}, ShapeCase{"1E+14", 1e14},
                      ShapeCase{"0.00001", 1e-5}, ShapeCase{"1E-04", 1e-4},
                      ShapeCase{"10E+14", 1e15}, ShapeCase{"1.0000000000000001", 1},
                      ShapeCase{"1 000", 1000}, ShapeCase{".5", 0.5}, ShapeCase{"1E+16", 1e15}),
    test_support::PrintedName());

TEST(RightShape, IsAccepted) {
    for (const auto &[text, x] :
         {std::pair{"1E+15", 1e15}, std::pair{"0.0001", 1e-4}, std::pair{"-1.5E-05", -1.5e-5},
          std::pair{"0", 0.0}, std::pair{"123456789012345", 123456789012345.0}})
        EXPECT_EQ(CheckWrittenShape(text, x, test_support::EnglishFormat()), "") << text;
}

struct ReadCase {
    const char *text;
    runtime::NumberFormat format;
};

void PrintTo(const ReadCase &c, std::ostream *out) {
    *out << "text " << c.text << " in " << FormatName(c.format);
}

class ReadingTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadingTest, IsNumberAndTextToDoubleAgree) {
    EXPECT_EQ(CheckTextReading(GetParam().text, GetParam().format), "");
}

INSTANTIATE_TEST_SUITE_P(Properties, ReadingTest,
                         ::testing::Values(ReadCase{"1,000", test_support::EnglishFormat()},
                                           ReadCase{"1,000", test_support::RomanianFormat()},
                                           ReadCase{"1\u00A0000,5", test_support::FrenchFormat()},
                                           ReadCase{"1e", test_support::EnglishFormat()},
                                           ReadCase{"1E400", test_support::EnglishFormat()},
                                           ReadCase{"", test_support::EnglishFormat()},
                                           ReadCase{"\xff\xfe", test_support::FrenchFormat()}),
                         test_support::PrintedName());

struct RoundingCase {
    double x;
    int decimals;
};

void PrintTo(const RoundingCase &c, std::ostream *out) {
    *out << Shortest(c.x) << " to " << c.decimals << " decimals";
}

class RoundingTest : public ::testing::TestWithParam<RoundingCase> {};

TEST_P(RoundingTest, RoundsWithinHalfAUnit) {
    EXPECT_EQ(CheckRounding(GetParam().x, GetParam().decimals), "");
}

INSTANTIATE_TEST_SUITE_P(Properties, RoundingTest,
                         ::testing::Values(RoundingCase{2.5, 0}, RoundingCase{0.0005, 3},
                                           RoundingCase{-1234.56789, 3},
                                           RoundingCase{4503599627370497.0, 0},
                                           RoundingCase{DBL_MAX, 3}, RoundingCase{5e-324, 12}),
                         test_support::PrintedName());

} // namespace
} // namespace fuzz
