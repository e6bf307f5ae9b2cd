// SPDX-License-Identifier: GPL-3.0-or-later
// A failed recalculation is traced to the inputs that caused it, with the
// advice to raise or lower them.
#include "error_cause.h"
#include "error_message.h"

#include <gtest/gtest.h>

namespace window {
namespace {

const ControlId C1{Control::txtCs, 0};
const ControlId C2{Control::txtCs, 1};
const ControlId C3{Control::txtCs, 2};
const ControlId U{Control::txtUst, 0};

struct CauseCase {
    const char *name;
    SeriesInputs inputs;
    std::string message;
    std::vector<ControlId> fields;
};

SeriesInputs Inputs(std::array<double, 4> values, std::array<std::string, 4> units, double volts,
                    std::string voltageUnit) {
    return {values, std::move(units), volts, std::move(voltageUnit)};
}

const std::array<std::string, 4> kPicofarads = {"pF", "pF", "pF", "pF"};

const CauseCase kCases[] = {
    {"CapacitanceTooLargeInPicofarads",
     Inputs({9e307, 0, 0, 0}, {"uF", "pF", "pF", "pF"}, 10, "V"),
     "Capacitatea C1 este prea mare: valoarea ei în pF depășește domeniul numeric. Micșorați-o.",
     {C1}},
    {"SeveralCapacitancesTooLarge",
     Inputs({2e305, 1, 2e305, 0}, {"nF", "uF", "nF", "pF"}, 10, "V"),
     "Capacitățile C1 și C3 sunt prea mari: valorile lor în pF depășesc domeniul numeric. "
     "Micșorați-le.",
     {C1, C3}},
    {"CapacitanceTooSmall",
     Inputs({0, 0, 4e-320, 0}, kPicofarads, 3, "V"),
     "Capacitatea C3 este prea mică: inversul ei depășește domeniul numeric. Măriți-o.",
     {C3}},
    {"CapacitancesTogetherTooSmall",
     Inputs({1e-308, 1e-308, 0, 1}, kPicofarads, 3, "V"),
     "Capacitățile C1 și C2 sunt împreună prea mici: suma inverselor lor depășește domeniul "
     "numeric. Măriți-le.",
     {C1, C2}},
    {"AppliedVoltageTooLargeInVolts",
     Inputs({1, 0, 0, 0}, kPicofarads, 1e308, "kV"),
     "Tensiunea aplicată este prea mare: valoarea ei în volți depășește domeniul numeric. "
     "Micșorați tensiunea aplicată.",
     {U}},
    {"AppliedVoltageTooLargeAcrossTheCapacitors",
     Inputs({0, 1, 0, 0}, {"pF", "uF", "pF", "pF"}, 1e305, "V"),
     "Tensiunea aplicată este prea mare pentru aceste capacități: împreună cu capacitatea "
     "echivalentă depășește domeniul numeric. Micșorați tensiunea aplicată.",
     {U}},
    {"NoInputToBlame",
     Inputs({1, 0, 0, 0}, kPicofarads, 1e300, "uV"),
     ErrorMessage(runtime::ErrorKind::DivisionByZero),
     {}},
};

void PrintTo(const CauseCase &c, std::ostream *os) {
    *os << c.name;
}

class ErrorCauseTest : public testing::TestWithParam<CauseCase> {};

TEST_P(ErrorCauseTest, NamesTheInputsAndTheDirection) {
    const CauseCase &c = GetParam();
    const ErrorCause cause = TraceError(c.inputs, runtime::ErrorKind::DivisionByZero);
    EXPECT_EQ(cause.message, c.message);
    EXPECT_EQ(cause.fields, c.fields);
}

INSTANTIATE_TEST_SUITE_P(Cases, ErrorCauseTest, testing::ValuesIn(kCases),
                         [](const auto &info) { return std::string(info.param.name); });

} // namespace
} // namespace window
