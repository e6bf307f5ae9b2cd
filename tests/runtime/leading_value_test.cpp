// LeadingValue: the locale-independent leading number of a text (VB's Val).

#include "conversions.h"
#include "runtime_error.h"
#include "test_formats.h"

#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace {

struct LeadingCase {
    std::string text;
    double value;
};

TEST(LeadingValueTest, Examples) {
    const std::vector<LeadingCase> cases = {
        {"0", 0.0},
        {"42", 42.0},
        {"007", 7.0},
        {"05", 5.0},
        {"1.", 1.0},
        {"1.5", 1.5},
        {".5", 0.5},
        {"-5", -5.0},
        {"+5", 5.0},
        {"-0", -0.0},
        {"1E-05", 1e-5},
        {"-1e-5", -1e-5},
        {"1e5", 1e5},
        {"1d2", 100.0},
        {"1D+2", 100.0},
        {"+.5e1", 5.0},
        // Blanks, tabs and line feeds are ignored wherever they stand.
        {" 1 2 3", 123.0},
        {"\n\t 5\n", 5.0},
        {"- 5", -5.0},
        {"5 e 2", 500.0},
        {"1 . 5", 1.5},
        // Reading stops at the first character that cannot continue the number.
        {"4,7", 4.0},
        {"-1,5", -1.0},
        {"1,000", 1.0},
        {"1\u00A0000", 1.0},
        {"1.2.3", 1.2},
        {"12abc", 12.0},
        {"1e", 1.0},
        {"1e+", 1.0},
        {"1e-x", 1.0},
        {"1ee5", 1.0},
        {"3pF", 3.0},
        {std::string("1\0"
                     "5",
                     3),
         1.0},
        {"1\r5", 1.0},
        // No leading number: 0.
        {"", 0.0},
        {"   ", 0.0},
        {"-", 0.0},
        {"+", 0.0},
        {".", 0.0},
        {"-.", 0.0},
        {"--5", 0.0},
        {"abc", 0.0},
        {"e5", 0.0},
        {"\u00B5F", 0.0},
        {"inf", 0.0},
        {"nan", 0.0},
        // Far ends of the range.
        {"1e-400", 0.0},
        {"4e-320", 4e-320},
        {"1.7976931348623157e308", 1.7976931348623157e308},
        {std::string(300, '1') + "x", 1.1111111111111111e299},
    };
    for (const LeadingCase &c : cases) {
        SCOPED_TRACE(runtime_test::Visible(c.text));
        const double actual = runtime::LeadingValue(c.text);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(actual), std::bit_cast<std::uint64_t>(c.value))
            << actual << " vs " << c.value;
    }
}

TEST(LeadingValueTest, OverflowRaises) {
    for (const char *text : {"1e400", "-1e309", "1.7976931348623159e308 "}) {
        try {
            runtime::LeadingValue(text);
            ADD_FAILURE() << "no error for " << text;
        } catch (const runtime::RuntimeError &error) {
            EXPECT_EQ(error.kind(), runtime::ErrorKind::Overflow) << text;
        }
    }
}

} // namespace
