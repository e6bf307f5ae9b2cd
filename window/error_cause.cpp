// SPDX-License-Identifier: GPL-3.0-or-later
#include "error_cause.h"

#include "conversions.h"
#include "error_message.h"
#include "series.h"

#include <limits>
#include <optional>

namespace window {
namespace {

// A reciprocal above this takes a noticeable share of the range of numbers:
// its capacitance is one of those that are together too small.
constexpr double kNoticeableReciprocal = std::numeric_limits<double>::max() / 1000;

// The result of one step of the calculation, where it stays in the range of
// numbers. The calculation writes its results as text with 15 significant
// digits and reads them back: a result fits when that text is still a number.
template<class CalculationStep> std::optional<double> Fitting(CalculationStep step) {
    const runtime::NumberFormat format;
    try {
        const double value = step();
        if (runtime::IsNumber(runtime::DoubleToText(value, format), format))
            return value;
    } catch (const runtime::RuntimeError &) {
    }
    return std::nullopt;
}

// "C1", "C1 și C3", "C1, C2 și C4": the capacitances as the window labels them.
std::string Names(const std::vector<ControlId> &fields) {
    std::string names;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            names += i + 1 == fields.size() ? " și " : ", ";
        names += InputName(fields[i]);
    }
    return names;
}

// One sentence for one capacitance, another for several.
ErrorCause AboutCapacitances(std::vector<ControlId> fields, const std::string &one,
                             const std::string &several) {
    const std::string names = Names(fields);
    const bool single = fields.size() == 1;
    return {(single ? "Capacitatea " : "Capacitățile ") + names + (single ? one : several),
            std::move(fields)};
}

} // namespace

ErrorCause TraceError(const SeriesInputs &inputs, runtime::ErrorKind kind) {
    const ControlId voltageField{Control::txtUst, 0};
    std::array<double, 4> picofarads{};
    std::vector<ControlId> present;
    std::vector<ControlId> tooLarge;
    for (int k = 0; k < 4; ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (inputs.capacitance[i] == 0)
            continue;
        present.push_back({Control::txtCs, k});
        const auto value = Fitting(
            [&] { return calc::ToPicofarads(inputs.capacitance[i], inputs.capacitanceUnit[i]); });
        if (value)
            picofarads[i] = *value;
        else
            tooLarge.push_back(present.back());
    }
    if (!tooLarge.empty())
        return AboutCapacitances(
            tooLarge, " este prea mare: valoarea ei în pF depășește domeniul numeric. Micșorați-o.",
            " sunt prea mari: valorile lor în pF depășesc domeniul numeric. Micșorați-le.");

    const runtime::NumberFormat format;
    std::vector<ControlId> tooSmall;
    std::vector<ControlId> noticeable;
    double sum = 0;
    bool sumFits = true;
    for (const ControlId field : present) {
        const double pf = picofarads[static_cast<std::size_t>(field.index)];
        const auto reciprocal = Fitting([&] { return calc::Reciprocal(pf); });
        if (!reciprocal)
            tooSmall.push_back(field);
        else if (*reciprocal > kNoticeableReciprocal)
            noticeable.push_back(field);
        sumFits = sumFits && Fitting([&] {
                      sum = calc::AddReciprocal(sum, pf, format).value;
                      return sum;
                  });
    }
    if (!tooSmall.empty())
        return AboutCapacitances(
            tooSmall, " este prea mică: inversul ei depășește domeniul numeric. Măriți-o.",
            " sunt prea mici: inversele lor depășesc domeniul numeric. Măriți-le.");
    if (!sumFits && !noticeable.empty())
        return AboutCapacitances(
            noticeable, " este prea mică: inversul ei depășește domeniul numeric. Măriți-o.",
            " sunt împreună prea mici: suma inverselor lor depășește domeniul numeric. "
            "Măriți-le.");
    if (present.empty() || !sumFits)
        return {ErrorMessage(kind), {}};

    const auto equivalent = Fitting([&] { return calc::Reciprocal(sum); });
    if (!equivalent)
        return {"Capacitatea echivalentă depășește domeniul numeric: micșorați " + Names(present) +
                    ".",
                present};

    const auto volts = Fitting([&] { return calc::ToVolts(inputs.voltage, inputs.voltageUnit); });
    if (!volts)
        return {"Tensiunea aplicată este prea mare: valoarea ei în volți depășește domeniul "
                "numeric. Micșorați tensiunea aplicată.",
                {voltageField}};
    for (const ControlId field : present) {
        const double pf = picofarads[static_cast<std::size_t>(field.index)];
        if (!Fitting([&] { return calc::VoltageAcross(*volts, *equivalent, pf); }))
            return {"Tensiunea aplicată este prea mare pentru aceste capacități: împreună cu "
                    "capacitatea echivalentă depășește domeniul numeric. Micșorați tensiunea "
                    "aplicată.",
                    {voltageField}};
    }
    return {ErrorMessage(kind), {}};
}

} // namespace window
