// SPDX-License-Identifier: GPL-3.0-or-later
// The messages of the calculations' failures: each step names the inputs it
// combined, and here they get the names that the window gives them.
#include "error_cause.h"

#include "error_message.h"

#include <algorithm>

namespace window {
namespace {

using calc::Input;
using calc::Step;

bool IsCapacitance(calc::InputRef input) {
    return input.input == Input::Capacitance;
}

// "C1", "C1 și C3", "C1, C2 și C4": the capacitances as the window labels them.
std::string Names(const std::vector<calc::InputRef> &inputs) {
    std::vector<std::string> names;
    for (const calc::InputRef input : inputs) {
        if (IsCapacitance(input))
            names.push_back(InputName(FieldOf(input)));
    }
    std::string joined;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0)
            joined += i + 1 == names.size() ? " și " : ", ";
        joined += names[i];
    }
    return joined;
}

// One sentence for one capacitance, another for several.
std::string AboutCapacitances(const std::vector<calc::InputRef> &inputs, const std::string &one,
                              const std::string &several) {
    const bool single = inputs.size() == 1;
    return (single ? "Capacitatea " : "Capacitățile ") + Names(inputs) + (single ? one : several);
}

// "capacitatea C1", "capacitățile C1 și C2".
std::string TheCapacitances(const std::vector<calc::InputRef> &inputs) {
    const auto count = std::count_if(inputs.begin(), inputs.end(), IsCapacitance);
    return (count == 1 ? "capacitatea " : "capacitățile ") + Names(inputs);
}

std::string Message(const calc::CalculationError &error) {
    const std::vector<calc::InputRef> &inputs = error.inputs();
    switch (error.step()) {
    case Step::CapacitanceInPicofarads:
        return AboutCapacitances(
            inputs, " este prea mare: valoarea ei în pF depășește domeniul numeric. Micșorați-o.",
            " sunt prea mari: valorile lor în pF depășesc domeniul numeric. Micșorați-le.");
    case Step::Reciprocal:
        return AboutCapacitances(
            inputs, " este prea mică: inversul ei depășește domeniul numeric. Măriți-o.",
            " sunt prea mici: inversele lor depășesc domeniul numeric. Măriți-le.");
    case Step::SumOfReciprocals:
        return AboutCapacitances(
            inputs, " este prea mică: inversul ei depășește domeniul numeric. Măriți-o.",
            " sunt împreună prea mici: suma inverselor lor depășește domeniul numeric. "
            "Măriți-le.");
    case Step::Equivalent:
        return "Capacitatea echivalentă depășește domeniul numeric: micșorați " + Names(inputs) +
               ".";
    case Step::AppliedVoltageInVolts:
        return "Tensiunea aplicată este prea mare: valoarea ei în volți depășește domeniul "
               "numeric. Micșorați tensiunea aplicată.";
    case Step::VoltageAcross:
        return "Tensiunea aplicată este prea mare pentru aceste capacități: împreună cu "
               "capacitatea echivalentă depășește domeniul numeric. Micșorați tensiunea aplicată.";
    case Step::RatingInVolts:
        return "Tensiunea nominală a " + InputName(FieldOf({Input::Capacitance, inputs[0].index})) +
               " este prea mare: valoarea ei în volți depășește domeniul numeric. Micșorați-o.";
    case Step::Tolerance:
        return "Toleranța trebuie să fie sub 100 %.";
    case Step::Peak:
        return "Tensiunea aplicată este prea mare: vârful ei depășește domeniul numeric. "
               "Micșorați tensiunea aplicată.";
    case Step::Charge:
        return "Sarcina depășește domeniul numeric: micșorați tensiunea aplicată sau " +
               TheCapacitances(inputs) + ".";
    case Step::Energy:
        return "Energia depășește domeniul numeric: micșorați tensiunea aplicată sau " +
               TheCapacitances(inputs) + ".";
    case Step::Reactance:
        return "Reactanța depășește domeniul numeric: măriți frecvența sau " +
               TheCapacitances(inputs) + ".";
    case Step::ScaledByLetter:
        if (inputs[0].input == Input::Frequency)
            return "Frecvența este prea mare: valoarea ei în Hz depășește domeniul numeric. "
                   "Micșorați-o.";
        return "Capacitatea " + Names(inputs) +
               " este prea mare: valoarea ei în uF depășește domeniul numeric. Micșorați-o.";
    case Step::Current:
        return "Curentul depășește domeniul numeric: micșorați tensiunea aplicată, frecvența "
               "sau " +
               TheCapacitances(inputs) + ".";
    }
    return ErrorMessage(error.kind());
}

} // namespace

ControlId FieldOf(calc::InputRef input) {
    switch (input.input) {
    case Input::Capacitance:
        return {Control::txtCs, input.index};
    case Input::AppliedVoltage:
        return {Control::txtUst, 0};
    case Input::Rating:
        return {Control::txtUn, input.index};
    case Input::Tolerance:
        return {Control::txtTol, 0};
    case Input::Frequency:
        return {Control::txtFrec, 0};
    }
    return {Control::txtUst, 0};
}

calc::InputRef InputOf(ControlId field) {
    switch (field.control) {
    case Control::txtUst:
        return {Input::AppliedVoltage};
    case Control::txtUn:
        return {Input::Rating, field.index};
    case Control::txtTol:
        return {Input::Tolerance};
    case Control::txtFrec:
        return {Input::Frequency};
    default:
        return {Input::Capacitance, field.index};
    }
}

ErrorCause CauseOf(const calc::CalculationError &error) {
    ErrorCause cause{Message(error), {}, calc::OfRatingCheck(error.step())};
    for (const calc::InputRef input : error.inputs())
        cause.fields.push_back(FieldOf(input));
    return cause;
}

} // namespace window
