// SPDX-License-Identifier: GPL-3.0-or-later
// Writing numbers: DoubleToText (shape, examples, round trip), WriteDouble and
// IntToText.

#include "conversions.h"
#include "locale_formats.h"
#include "runtime_error.h"
#include "test_formats.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <bit>
#include <cfloat>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <regex>
#include <string>
#include <system_error>
#include <vector>

namespace {

using runtime::NumberFormat;
using runtime_test::Localized;
using runtime_test::Visible;

struct NamedFormat {
    const char *name;
    NumberFormat format;
};

const std::array<NamedFormat, 4> kFormats = {{
    {"English", test_support::EnglishFormat()},
    {"Romanian", test_support::RomanianFormat()},
    {"French", test_support::FrenchFormat()},
    {"MiddleDot", test_support::MiddleDotFormat()},
}};

// A value and its text in English; the other locales swap the separator.
struct WriteCase {
    double value;
    std::string english;
};

const std::vector<WriteCase> &WriteCases() {
    static const std::vector<WriteCase> cases = {
        {0.0, "0"},
        {-0.0, "0"},
        {1.0, "1"},
        {-5.0, "-5"},
        {12.5, "12.5"},
        {-1234.5, "-1234.5"},
        {1.0 / 4700, "0.000212765957446809"},
        {4699.99999999999, "4699.99999999999"},
        {1.0 / 3, "0.333333333333333"},
        {2.0 / 3, "0.666666666666667"},
        {2000000000.0, "2000000000"},
        {0.1 + 0.2, "0.3"},
        {5000000.0, "5000000"},
        {0.000145454545454545, "0.000145454545454545"},
        {999999999999999.9, "1E+15"},
        {0.0001, "0.0001"},
        {0.00001, "1E-05"},
        {9.999999999999999e-5, "0.0001"},
        {0.00012345, "0.00012345"},
        {123456789012345.0, "123456789012345"},
        {123456789012345.6, "123456789012346"},
        {1e14, "100000000000000"},
        {1e15, "1E+15"},
        {1.5e15, "1.5E+15"},
        {1e21, "1E+21"},
        {1e100, "1E+100"},
        {1e-300, "1E-300"},
        {-2.5e-7, "-2.5E-07"},
        {1.23456789012345678e-5, "1.23456789012346E-05"},
        {99999.99999999999, "100000"},
        {0.5, "0.5"},
        {158.125, "158.125"},
        {6.875, "6.875"},
        // Rounded to 15 digits these exceed the largest double; they are
        // written one unit of the last digit lower so that they read back.
        {DBL_MAX, "1.79769313486231E+308"},
        {-DBL_MAX, "-1.79769313486231E+308"},
        {1.797693134862315e308, "1.79769313486231E+308"},
        {1.797693134862314e308, "1.79769313486231E+308"},
        {1.79769313486231e308, "1.79769313486231E+308"},
        {1.7976931348623e308, "1.7976931348623E+308"},
        {1e308, "1E+308"},
        {DBL_MIN, "2.2250738585072E-308"},
        {5e-324, "4.94065645841247E-324"},
    };
    return cases;
}

class DoubleToTextTest : public testing::TestWithParam<NamedFormat> {};

TEST_P(DoubleToTextTest, Examples) {
    const NumberFormat &format = GetParam().format;
    for (const auto &c : WriteCases()) {
        const std::string expected = Localized(c.english, format);
        SCOPED_TRACE(c.english);
        const std::string text = runtime::DoubleToText(c.value, format);
        EXPECT_EQ(text, expected) << Visible(text) << " vs " << Visible(expected);
        EXPECT_TRUE(runtime::IsNumber(text, format));
    }
}

TEST_P(DoubleToTextTest, NonFiniteRaises) {
    const NumberFormat &format = GetParam().format;
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        double value;
        runtime::ErrorKind kind;
    };
    for (const Case &c :
         {Case{inf, runtime::ErrorKind::Overflow}, Case{-inf, runtime::ErrorKind::Overflow},
          Case{nan, runtime::ErrorKind::InvalidOperation},
          Case{-nan, runtime::ErrorKind::InvalidOperation}}) {
        try {
            runtime::DoubleToText(c.value, format);
            ADD_FAILURE() << "no error for " << c.value;
        } catch (const runtime::RuntimeError &error) {
            EXPECT_EQ(error.kind(), c.kind) << c.value;
        }
    }
}

// x rounded to 15 significant digits, the way the reference library does it,
// and the decimal exponent of that rounded value.
struct Rounded15 {
    double value;
    int exponent;
};

Rounded15 RoundTo15(double x) {
    std::array<char, 64> buffer{};
    const auto end = std::to_chars(buffer.data(), buffer.data() + buffer.size(), x,
                                   std::chars_format::scientific, 14)
                         .ptr;
    Rounded15 r{};
    if (std::from_chars(buffer.data(), end, r.value).ec == std::errc::result_out_of_range) {
        // Above the largest double: DoubleToText writes the 15-digit value below.
        r.value = std::copysign(1.79769313486231e308, x);
    }
    const char *e = std::find(buffer.data(), end, 'e') + 1;
    if (*e == '+') {
        ++e;
    }
    std::from_chars(e, end, r.exponent);
    return r;
}

std::string RegexEscape(const std::string &text) {
    std::string out;
    for (char c : text) {
        if (std::string_view("\\^$.|?*+()[]{}").find(c) != std::string_view::npos) {
            out += '\\';
        }
        out += c;
    }
    return out;
}

// Finite doubles from random bit patterns across the whole exponent range,
// plus values near the switch between plain and exponent form.
std::vector<double> RandomDoubles() {
    std::mt19937_64 random(20240601);
    std::vector<double> values;
    while (values.size() < 4000) {
        const double x = std::bit_cast<double>(random());
        if (std::isfinite(x)) {
            values.push_back(x);
        }
    }
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    for (int exponent = -7; exponent <= 17; ++exponent) {
        for (int i = 0; i < 40; ++i) {
            const double x = mantissa(random) * std::pow(10.0, exponent);
            values.push_back(i % 2 == 0 ? x : -x);
        }
        // Just below a power of ten, where rounding to 15 digits carries.
        values.push_back(std::nextafter(std::pow(10.0, exponent), 0.0));
    }
    // Midpoints between two 15-digit values and their neighbouring doubles,
    // where the last digits decide which way the rounding goes.
    std::uniform_int_distribution<long long> fifteen(100000000000000, 999999999999999);
    std::uniform_int_distribution<int> anyExponent(-320, 290);
    std::uniform_int_distribution<int> commonExponent(-24, 0); // 1E-08 to 1E+15
    for (int i = 0; i < 400; ++i) {
        const int exponent = i % 2 == 0 ? anyExponent(random) : commonExponent(random);
        const std::string text = std::to_string(fifteen(random)) + "5e" + std::to_string(exponent);
        double x = 0;
        std::from_chars(text.data(), text.data() + text.size(), x);
        for (int step = 0; step < 4; ++step) {
            values.push_back(x);
            values.push_back(-std::nextafter(x, 0.0));
            x = std::nextafter(x, DBL_MAX);
        }
    }
    // The top of the range, where rounding to 15 digits would overflow.
    double top = DBL_MAX;
    for (int i = 0; i < 40; ++i) {
        values.push_back(top);
        values.push_back(-top);
        top = std::nextafter(top, 0.0);
    }
    values.push_back(1.797693134862315e308);
    values.push_back(std::nextafter(1.797693134862315e308, 0.0));
    return values;
}

TEST_P(DoubleToTextTest, RoundTripAndShape) {
    const NumberFormat &format = GetParam().format;
    const std::string dec = RegexEscape(format.decimal);
    // Plain: an integer part without leading zeros, an optional fraction with
    // no trailing zero. Exponent: one mantissa digit, the same optional
    // fraction, "E", a sign and two or three exponent digits.
    const std::regex plain("-?(0|[1-9][0-9]*)(" + dec + "[0-9]*[1-9])?");
    const std::regex exponential("-?[1-9](" + dec + "[0-9]*[1-9])?E[+-](0[0-9]|[1-9][0-9]{1,2})");

    int checked = 0;
    for (const double x : RandomDoubles()) {
        const std::string text = runtime::DoubleToText(x, format);
        const Rounded15 expected = RoundTo15(x);
        const double back = runtime::TextToDouble(text, format);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(back), std::bit_cast<std::uint64_t>(expected.value))
            << Visible(text) << " from " << x;
        // WriteDouble gives the same text and, unread, the same value.
        const runtime::WrittenNumber written = runtime::WriteDouble(x, format);
        ASSERT_EQ(written.text, text);
        ASSERT_EQ(std::bit_cast<std::uint64_t>(written.value), std::bit_cast<std::uint64_t>(back))
            << Visible(text) << " from " << x;

        const bool wantExponent = x != 0 && (expected.exponent < -4 || expected.exponent > 14);
        ASSERT_TRUE(std::regex_match(text, wantExponent ? exponential : plain))
            << Visible(text) << " from " << x;

        int digits = 0;
        bool leading = true;
        for (char c : text.substr(0, text.find('E'))) {
            if (c >= '1' && c <= '9') {
                leading = false;
            }
            if (c >= '0' && c <= '9' && !leading) {
                ++digits;
            }
        }
        ASSERT_LE(digits, 15) << Visible(text);
        ++checked;
    }
    EXPECT_GT(checked, 4000);
}

INSTANTIATE_TEST_SUITE_P(Locales, DoubleToTextTest, testing::ValuesIn(kFormats),
                         [](const testing::TestParamInfo<NamedFormat> &info) {
                             return std::string(info.param.name);
                         });

TEST(IntToTextTest, Examples) {
    struct Case {
        int value;
        const char *text;
    };
    for (const Case &c :
         {Case{0, "0"}, Case{-5, "-5"}, Case{42, "42"}, Case{32767, "32767"},
          Case{-32768, "-32768"}, Case{INT_MAX, "2147483647"}, Case{INT_MIN, "-2147483648"}}) {
        EXPECT_EQ(runtime::IntToText(c.value), c.text);
    }
}

} // namespace
