#include "error_cause.h"

#include "conversions.h"
#include "error_message.h"

#include <cmath>
#include <limits>

namespace window {
namespace {

// A reciprocal above this takes a noticeable share of the range of numbers:
// its capacitance is one of those that are together too small.
constexpr double kNoticeableReciprocal = std::numeric_limits<double>::max() / 1000;

// The calculation writes its intermediate results as text with 15 significant
// digits and reads them back: a value fits when that text is still a number.
bool Fits(double x) {
    if (!std::isfinite(x))
        return false;
    const runtime::NumberFormat format;
    return runtime::IsNumber(runtime::DoubleToText(x, format), format);
}

double Picofarads(double value, const std::string &unit) {
    if (unit == "nF")
        return value * 1000;
    if (unit == "uF")
        return value * 1000 * 1000;
    return value;
}

double Volts(double value, const std::string &unit) {
    if (unit == "uV")
        return value / 1000 / 1000;
    if (unit == "mV")
        return value / 1000;
    if (unit == "V")
        return value;
    return value * 1000;
}

// "C1", "C1 și C3", "C1, C2 și C4": the capacitances as the window labels them.
std::string Names(const std::vector<ControlId> &fields) {
    std::string names;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0)
            names += i + 1 == fields.size() ? " și " : ", ";
        names += "C" + std::to_string(fields[i].index + 1);
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
        picofarads[i] = Picofarads(inputs.capacitance[i], inputs.capacitanceUnit[i]);
        if (!std::isfinite(picofarads[i]))
            tooLarge.push_back(present.back());
    }
    if (!tooLarge.empty())
        return AboutCapacitances(
            tooLarge, " este prea mare: valoarea ei în pF depășește domeniul numeric. Micșorați-o.",
            " sunt prea mari: valorile lor în pF depășesc domeniul numeric. Micșorați-le.");

    std::vector<ControlId> tooSmall;
    std::vector<ControlId> noticeable;
    double sum = 0;
    bool sumFits = true;
    for (const ControlId field : present) {
        const double reciprocal = 1 / picofarads[static_cast<std::size_t>(field.index)];
        if (!Fits(reciprocal))
            tooSmall.push_back(field);
        else if (reciprocal > kNoticeableReciprocal)
            noticeable.push_back(field);
        sum += reciprocal;
        sumFits = sumFits && Fits(sum);
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

    const double equivalent = 1 / sum;
    if (!present.empty() && !Fits(equivalent))
        return {"Capacitatea echivalentă depășește domeniul numeric: micșorați " + Names(present) +
                    ".",
                present};

    const double volts = Volts(inputs.voltage, inputs.voltageUnit);
    if (!Fits(volts))
        return {"Tensiunea aplicată este prea mare: valoarea ei în volți depășește domeniul "
                "numeric. Micșorați tensiunea aplicată.",
                {voltageField}};
    const double product = volts * equivalent;
    bool fitsAcross = Fits(product);
    for (const ControlId field : present)
        fitsAcross =
            fitsAcross && Fits(product / picofarads[static_cast<std::size_t>(field.index)]);
    if (!fitsAcross)
        return {"Tensiunea aplicată este prea mare pentru aceste capacități: împreună cu "
                "capacitatea echivalentă depășește domeniul numeric. Micșorați tensiunea "
                "aplicată.",
                {voltageField}};
    return {ErrorMessage(kind), {}};
}

} // namespace window
