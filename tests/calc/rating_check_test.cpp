// SPDX-License-Identifier: GPL-3.0-or-later
// The rating check on values: worst-case voltages within the tolerance, the
// peak against the rating, and the chain's charge, energy and reactance.
#include "rating_check.h"

#include "runtime_error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>

namespace calc {
namespace {

constexpr double nF = 1000; // in pF

struct Expected {
    double nominal;
    double worst;
    Margin margin;
    double headroom;
};

struct RatingCase {
    const char *name;
    RatingInput input;
    std::array<std::optional<Expected>, 4> capacitors; // none: absent
    double picofarads;
    double coulombs;
    std::optional<double> ohms;
};

void PrintTo(const RatingCase &c, std::ostream *os) {
    *os << c.name;
}

constexpr double kExampleWorst = 126.5;               // 230 / (1 + 0.9 / 1.1)
constexpr double kExamplePeak = 178.89801564019281;   // 126.5 x sqrt(2)
constexpr double kExampleReactance = 63661.977236758; // 1 / (2 pi 50 Hz 50 nF)

const RatingCase kCases[] = {
    {"TwoOf100nFOn230V",
     {{{{100 * nF, 160}, {100 * nF, 160}, {}, {}}}, 230, 0.1, 50},
     {Expected{115, kExampleWorst, Margin::Exceeds, 160 - kExamplePeak},
      Expected{115, kExampleWorst, Margin::Exceeds, 160 - kExamplePeak}, std::nullopt,
      std::nullopt},
     50 * nF,
     11.5e-6,
     kExampleReactance},
    {"SingleCapacitorTakesTheWholeVoltage",
     {{{{}, {}, {4.7 * nF, 25}, {}}}, 12, 0.2, 50},
     {std::nullopt, std::nullopt, Expected{12, 12, Margin::Within, 25 - 12 * std::sqrt(2.0)},
      std::nullopt},
     4.7 * nF,
     12 * 4.7e-9,
     1 / (2 * std::numbers::pi * 50 * 4.7e-9)},
    {"ZeroToleranceIsTheNominalVoltage",
     {{{{10 * nF, 0}, {22 * nF, 0}, {}, {}}}, 230, 0, 50},
     {Expected{158.125, 158.125, Margin::NotGiven, 0},
      Expected{71.875, 71.875, Margin::NotGiven, 0}, std::nullopt, std::nullopt},
     6.875 * nF,
     230 * 6.875e-9,
     1 / (2 * std::numbers::pi * 50 * 6.875e-9)},
    {"AbsentCapacitorsBetweenAtDirectCurrent",
     {{{{}, {1000 * nF, 1000}, {}, {1000 * nF, 600}}}, 1000, 0.2, 0},
     {std::nullopt, Expected{500, 600, Margin::Within, 1000 - 600 * std::sqrt(2.0)}, std::nullopt,
      Expected{500, 600, Margin::Exceeds, 600 - 600 * std::sqrt(2.0)}},
     500 * nF,
     0.5e-3,
     std::nullopt},
};

void ExpectNear(double actual, double expected, const std::string &what) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * 1e-12 + 1e-300) << what;
}

class RatingCheck : public ::testing::TestWithParam<RatingCase> {};

TEST_P(RatingCheck, GivesTheWorstCaseOfEachCapacitorAndTheChain) {
    const RatingCase &c = GetParam();
    const auto result = CheckRatings(c.input);
    ASSERT_TRUE(result);
    double joules = 0;
    for (std::size_t k = 0; k < 4; ++k) {
        const CapacitorRating &r = result->capacitors[k];
        const std::string at = "C" + std::to_string(k + 1) + " ";
        ASSERT_EQ(r.present, c.capacitors[k].has_value()) << at;
        if (!r.present)
            continue;
        const Expected &e = *c.capacitors[k];
        ExpectNear(r.nominalVolts, e.nominal, at + "nominal");
        ExpectNear(r.worstVolts, e.worst, at + "worst");
        ExpectNear(r.worstPeak, e.worst * std::sqrt(2.0), at + "peak");
        EXPECT_EQ(r.margin, e.margin) << at;
        ExpectNear(r.headroom, e.headroom, at + "headroom");
        const double own = 0.5 * c.input.capacitors[k].picofarads * 1e-12 * e.nominal * e.nominal;
        ExpectNear(r.joules, own, at + "energy");
        joules += own;
    }
    const ChainRating &chain = result->chain;
    ExpectNear(chain.picofarads, c.picofarads, "Ceq");
    ExpectNear(chain.coulombs, c.coulombs, "Q");
    ExpectNear(chain.joules, joules, "W");
    ASSERT_EQ(chain.ohms.has_value(), c.ohms.has_value());
    ASSERT_EQ(chain.amperes.has_value(), c.ohms.has_value());
    if (c.ohms) {
        ExpectNear(*chain.ohms, *c.ohms, "Xc");
        ExpectNear(*chain.amperes, c.input.volts / *c.ohms, "I");
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RatingCheck, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(RatingCheckWithoutCapacitors, GivesNothing) {
    EXPECT_FALSE(CheckRatings({{}, 230, 0.1, 50}));
}

struct FailureCase {
    const char *name;
    RatingInput input;
    runtime::ErrorKind kind;
};

const FailureCase kFailures[] = {
    {"EnergyOverflows", {{{{1000, 0}, {}, {}, {}}}, 1e200, 0.1, 50}, runtime::ErrorKind::Overflow},
    {"ChargeOverflows", {{{{1e300, 0}, {}, {}, {}}}, 1e10, 0, 0}, runtime::ErrorKind::Overflow},
    {"ToleranceAboveAHundredPercent",
     {{{{1000, 0}, {1000, 0}, {}, {}}}, 10, 1.5, 50},
     runtime::ErrorKind::InvalidOperation},
};

class RatingCheckFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(RatingCheckFailure, RaisesTheRuntimeError) {
    try {
        CheckRatings(GetParam().input);
        FAIL() << "no error";
    } catch (const runtime::RuntimeError &error) {
        EXPECT_EQ(error.kind(), GetParam().kind);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RatingCheckFailure, ::testing::ValuesIn(kFailures),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace calc
