// SPDX-License-Identifier: GPL-3.0-or-later
// The rating check on values: worst-case voltages within the tolerance, the
// peak against the rating, and the chain's charge, energy and reactance.
#include "rating_check.h"

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
    double coulombs;
    std::optional<double> ohms;
};

void PrintTo(const RatingCase &c, std::ostream *os) {
    *os << c.name;
}

constexpr double kExampleWorst = 126.5;               // 230 / (1 + 0.9 / 1.1)
constexpr double kExamplePeak = 178.89801564019281;   // 126.5 x sqrt(2)
constexpr double kExampleReactance = 63661.977236758; // 1 / (2 pi 50 Hz 50 nF)
const double kSqrt2 = std::sqrt(2.0);

RatingInput Example(double rating, RatingKind kind) {
    return {{{{100 * nF, rating, kind}, {100 * nF, rating, kind}, {}, {}}}, 50 * nF, 230, 10, 50};
}

constexpr double kMixedWorst = 220;               // 400 / (1 + 0.9 / 1.1)
constexpr double kMixedPeak = 311.12698372208092; // 220 x sqrt(2)

const RatingCase kCases[] = {
    {"ExampleDirectRatingsAgainstThePeak",
     Example(160, RatingKind::DirectPeak),
     {Expected{115, kExampleWorst, Margin::Exceeds, 160 - kExamplePeak},
      Expected{115, kExampleWorst, Margin::Exceeds, 160 - kExamplePeak}, std::nullopt,
      std::nullopt},
     11.5e-6,
     kExampleReactance},
    {"ExampleAlternatingRatingsAgainstTheRms",
     Example(275, RatingKind::AlternatingRms),
     {Expected{115, kExampleWorst, Margin::Within, 148.5},
      Expected{115, kExampleWorst, Margin::Within, 148.5}, std::nullopt, std::nullopt},
     11.5e-6,
     kExampleReactance},
    // An X2 part rated 275 V~ in series with a film part rated 630 V DC:
    // each margin against its own kind.
    {"MixedKindsEachAgainstItsOwn",
     {{{{100 * nF, 275, RatingKind::AlternatingRms},
        {100 * nF, 630, RatingKind::DirectPeak},
        {},
        {}}},
      50 * nF,
      400,
      10,
      50},
     {Expected{200, kMixedWorst, Margin::Within, 275 - kMixedWorst},
      Expected{200, kMixedWorst, Margin::Within, 630 - kMixedPeak}, std::nullopt, std::nullopt},
     20e-6,
     kExampleReactance},
    {"MixedKindsTheAlternatingOneExceeds",
     {{{{100 * nF, 200, RatingKind::AlternatingRms},
        {100 * nF, 300, RatingKind::DirectPeak},
        {},
        {}}},
      50 * nF,
      400,
      10,
      50},
     {Expected{200, kMixedWorst, Margin::Exceeds, 200 - kMixedWorst},
      Expected{200, kMixedWorst, Margin::Exceeds, 300 - kMixedPeak}, std::nullopt, std::nullopt},
     20e-6,
     kExampleReactance},
    {"SingleCapacitorTakesTheWholeVoltage",
     {{{{}, {}, {4.7 * nF, 25}, {}}}, 4.7 * nF, 12, 20, 50},
     {std::nullopt, std::nullopt, Expected{12, 12, Margin::Within, 25 - 12 * kSqrt2}, std::nullopt},
     12 * 4.7e-9,
     1 / (2 * std::numbers::pi * 50 * 4.7e-9)},
    {"ZeroToleranceIsTheNominalVoltage",
     {{{{10 * nF, 0}, {22 * nF, 0}, {}, {}}}, 6.875 * nF, 230, 0, 50},
     {Expected{158.125, 158.125, Margin::NotGiven, 0},
      Expected{71.875, 71.875, Margin::NotGiven, 0}, std::nullopt, std::nullopt},
     230 * 6.875e-9,
     1 / (2 * std::numbers::pi * 50 * 6.875e-9)},
    {"AbsentCapacitorsBetweenAtZeroHertz",
     {{{{}, {1000 * nF, 1000}, {}, {1000 * nF, 600}}}, 500 * nF, 1000, 20, 0},
     {std::nullopt, Expected{500, 600, Margin::Within, 1000 - 600 * kSqrt2}, std::nullopt,
      Expected{500, 600, Margin::Exceeds, 600 - 600 * kSqrt2}},
     0.5e-3,
     std::nullopt},
    // Where the window's own calculation succeeds, so does the check: no
    // partial product leaves the range of numbers.
    {"HugeBesideOnePicofarad",
     {{{{17e307, 0}, {1, 0}, {}, {}}}, 1, 230, 10, 50},
     {Expected{230 / 17e307, 230 / 17e307 / 0.9 * 1.1, Margin::NotGiven, 0},
      Expected{230, 230, Margin::NotGiven, 0}, std::nullopt, std::nullopt},
     230e-12,
     1e12 / (2 * std::numbers::pi * 50)},
    {"TinyCapacitanceOnAHugeVoltage",
     {{{{1e-200, 0}, {}, {}, {}}}, 1e-200, 1e160, 10, 50},
     {Expected{1e160, 1e160, Margin::NotGiven, 0}, std::nullopt, std::nullopt, std::nullopt},
     1e-52,
     1e212 / (2 * std::numbers::pi * 50)},
};

void ExpectNear(double actual, double expected, const std::string &what) {
    EXPECT_NEAR(actual, expected, std::fabs(expected) * 1e-12 + 1e-300) << what;
}

class RatingCheck : public ::testing::TestWithParam<RatingCase> {};

TEST_P(RatingCheck, GivesTheWorstCaseOfEachCapacitorAndTheChain) {
    const RatingCase &c = GetParam();
    const auto result = CheckRatings(c.input);
    ASSERT_TRUE(result);
    for (std::size_t k = 0; k < 4; ++k) {
        const CapacitorRating &r = result->capacitors[k];
        const std::string at = "C" + std::to_string(k + 1) + " ";
        ASSERT_EQ(r.present, c.capacitors[k].has_value()) << at;
        if (!r.present)
            continue;
        const Expected &e = *c.capacitors[k];
        ExpectNear(r.nominalVolts, e.nominal, at + "nominal");
        ExpectNear(r.worstVolts, e.worst, at + "worst");
        ExpectNear(r.worstPeak, e.worst * kSqrt2, at + "peak");
        EXPECT_EQ(r.margin, e.margin) << at;
        ExpectNear(r.headroom, e.headroom, at + "headroom");
        // 1/2 C Upk^2 at the worst peak.
        const double c_i = c.input.capacitors[k].picofarads * 1e-12;
        ExpectNear(r.peakJoules, 0.5 * c_i * 2 * e.worst * e.worst, at + "energy");
    }
    const ChainRating &chain = result->chain;
    ExpectNear(chain.coulombs, c.coulombs, "Q");
    ExpectNear(chain.peakJoules, c.coulombs * c.input.volts, "W"); // 1/2 Ceq (U sqrt 2)^2
    ASSERT_EQ(chain.ohms.has_value(), c.ohms.has_value());
    ExpectNear(chain.amperes, c.ohms ? c.input.volts / *c.ohms : 0, "I");
    if (c.ohms)
        ExpectNear(*chain.ohms, *c.ohms, "Xc");
}

INSTANTIATE_TEST_SUITE_P(Table, RatingCheck, ::testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(RatingCheckWithoutCapacitors, GivesNothing) {
    EXPECT_FALSE(CheckRatings({{}, 0, 230, 10, 50}));
}

// Twice the RMS value's 1.3225 mJ: what discharge and safety work need.
TEST(RatingCheckEnergy, TwoHundredNanofaradsOn230VHold2645MicrojoulesAtThePeak) {
    const auto result = CheckRatings(Example(0, RatingKind::DirectPeak));
    ASSERT_TRUE(result);
    EXPECT_NEAR(result->chain.peakJoules, 2.645e-3, 1e-15);
}

// A value truly out of range names the inputs to change, and which way.
struct FailureCase {
    const char *name;
    RatingInput input;
    Step step;
    Direction direction;
    std::vector<InputRef> inputs;
};

const InputRef kC1{Input::Capacitance, 0};
const InputRef kU{Input::AppliedVoltage};
const InputRef kHertz{Input::Frequency};

const FailureCase kFailures[] = {
    {"ToleranceOfAHundredPercent",
     {{{{1000, 0}, {1000, 0}, {}, {}}}, 500, 10, 100, 50},
     Step::Tolerance,
     Direction::TooLarge,
     {{Input::Tolerance}}},
    {"ToleranceAboveAHundredPercent",
     {{{{1000, 0}, {1000, 0}, {}, {}}}, 500, 10, 150, 50},
     Step::Tolerance,
     Direction::TooLarge,
     {{Input::Tolerance}}},
    {"EnergyTooLarge",
     {{{{1e150, 0}, {}, {}, {}}}, 1e150, 1e150, 10, 50},
     Step::Energy,
     Direction::TooLarge,
     {kU, kC1}},
    {"ReactanceOfATinyCapacitance",
     {{{{1e-299, 0}, {}, {}, {}}}, 1e-299, 230, 10, 50},
     Step::Reactance,
     Direction::TooSmall,
     {kHertz, kC1}},
    {"ReactanceAtATinyFrequency",
     {{{{}, {1, 0}, {}, {}}}, 1, 230, 10, 1e-300},
     Step::Reactance,
     Direction::TooSmall,
     {kHertz, {Input::Capacitance, 1}}},
    {"VoltageAcrossTooLarge",
     {{{{2e4, 0}, {2e4, 0}, {}, {}}}, 1e4, 1e306, 10, 50},
     Step::Peak,
     Direction::TooLarge,
     {kU, kC1, {Input::Capacitance, 1}}},
    {"CurrentTooLarge",
     {{{{1e200, 0}, {}, {}, {}}}, 1e200, 1e10, 0, 1e200},
     Step::Current,
     Direction::TooLarge,
     {kU, kHertz, kC1}},
};

void PrintTo(const FailureCase &c, std::ostream *os) {
    *os << c.name;
}

class RatingCheckFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(RatingCheckFailure, NamesTheInputsOfTheStep) {
    const FailureCase &c = GetParam();
    try {
        CheckRatings(c.input);
        FAIL() << "no error";
    } catch (const CalculationError &error) {
        EXPECT_EQ(error.step(), c.step);
        EXPECT_EQ(error.direction(), c.direction);
        EXPECT_TRUE(OfRatingCheck(error.step()));
        EXPECT_EQ(error.inputs(), c.inputs);
    }
}

INSTANTIATE_TEST_SUITE_P(Table, RatingCheckFailure, ::testing::ValuesIn(kFailures),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace calc
