// SPDX-License-Identifier: GPL-3.0-or-later
#include "series_oracle.h"

#include "conversions.h"
#include "runtime_error.h"

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <sstream>

namespace fuzz {
namespace {

// The computation runs in doubles; long double sees where it must overflow.
constexpr long double kMax = DBL_MAX;
constexpr long double kSureOverflow = kMax * (1 + 1e-9L);
// Beyond these magnitudes the cuts to 15 digits may decide either way.
constexpr long double kEdgeHigh = 1e300L;
constexpr long double kEdgeLow = 1e-300L;
// The 15-digit cuts of the partial sums and of each written value.
constexpr long double kRelative = 1e-9L;

long double CapacitanceFactor(const std::string &unit) {
    if (unit == "nF")
        return 1e3L;
    if (unit == "uF")
        return 1e6L;
    return 1; // pF, and any other text
}

long double VoltageFactor(const std::string &unit) {
    if (unit == "uV")
        return 1e-6L;
    if (unit == "mV")
        return 1e-3L;
    if (unit == "V")
        return 1;
    return 1e3L; // kV, and any other text
}

long double Read(const std::string &text, const runtime::NumberFormat &format) {
    return runtime::TextToDouble(text, format);
}

std::string Show(long double x) {
    std::ostringstream out;
    out.precision(17);
    out << x;
    return out.str();
}

// Decimals of a shown text: the digits after the separator, or for the
// exponent form the decimals its value needs ("1.5E-05" needs 6).
std::size_t DecimalsOf(const std::string &text, const runtime::NumberFormat &format) {
    const auto exponent = text.find('E');
    const std::string mantissa = text.substr(0, exponent);
    const auto separator = mantissa.find(format.decimal);
    const long long fraction =
        separator == std::string::npos
            ? 0
            : static_cast<long long>(mantissa.size() - separator - format.decimal.size());
    const long long power =
        exponent == std::string::npos ? 0 : std::atoll(text.c_str() + exponent + 1);
    return static_cast<std::size_t>(std::max(0LL, fraction - power));
}

// A shown value in the unit with `factor`: rounded to three decimals there,
// perhaps after an earlier rounding in the unit below; at most 1000 unless
// it is the last unit; at least one of the unit unless it is the first.
std::string CheckShown(const std::string &text, const std::string &unit, long double expected,
                       long double factor, bool firstUnit, bool lastUnit,
                       const runtime::NumberFormat &format) {
    long double shown = 0;
    try {
        shown = Read(text, format);
    } catch (const runtime::RuntimeError &) {
        return "\"" + text + "\" is not a number";
    }
    const std::string what = "\"" + text + "\" " + unit + " for " + Show(expected);
    if (DecimalsOf(text, format) > 3)
        return what + ": more than three decimals";
    if (runtime::DoubleToText(static_cast<double>(shown), format) != text)
        return what + ": not written as DoubleToText writes its value";
    const long double tolerance =
        0.0005L * factor * 1.002L + 0.0005L * (factor / 1000) + kRelative * std::fabs(expected);
    if (std::fabs(shown * factor - expected) > tolerance)
        return what + ": too far from the value";
    if (!lastUnit && shown >= 1000)
        return what + ": 1000 or more where a larger unit exists";
    if (!firstUnit && shown != 0 && expected < factor * (1 - 1e-6L))
        return what + ": below one of its unit where a smaller unit exists";
    return {};
}

} // namespace

SeriesExpectation ExpectSeries(const std::array<std::string, 5> &inputs,
                               const std::array<std::string, 5> &units,
                               const runtime::NumberFormat &format) {
    SeriesExpectation e;
    std::array<long double, 4> pf{};
    long double sum = 0;
    const auto watch = [&e](long double magnitude) {
        magnitude = std::fabs(magnitude);
        if (magnitude > kSureOverflow)
            e.mustOverflow = true;
        if (magnitude > kEdgeHigh || (magnitude != 0 && magnitude < kEdgeLow))
            e.nearEdge = true;
    };
    for (std::size_t i = 0; i < 4; ++i) {
        pf[i] = Read(inputs[i], format) * CapacitanceFactor(units[i]);
        e.present[i] = pf[i] != 0;
        if (!e.present[i])
            continue;
        ++e.capacitors;
        watch(pf[i]);
        watch(1 / pf[i]);
        sum += 1 / pf[i];
        watch(sum);
    }
    if (e.capacitors == 0)
        return e;
    e.equivalentPf = 1 / sum;
    watch(e.equivalentPf);
    const long double applied = Read(inputs[4], format);
    const long double volts = applied * VoltageFactor(units[4]);
    watch(applied);
    watch(volts);
    for (std::size_t i = 0; i < 4; ++i) {
        if (!e.present[i])
            continue;
        const long double product = volts * e.equivalentPf;
        watch(product);
        e.volts[i] = product / pf[i];
        watch(e.volts[i]);
    }
    return e;
}

std::string CheckShownCapacitance(const std::string &text, const std::string &unit,
                                  long double expectedPf, const runtime::NumberFormat &format) {
    if (unit == "pF")
        return CheckShown(text, unit, expectedPf, 1, true, false, format);
    if (unit == "nF")
        return CheckShown(text, unit, expectedPf, 1e3L, false, false, format);
    if (unit == "uF")
        return CheckShown(text, unit, expectedPf, 1e6L, false, true, format);
    return "capacitance unit \"" + unit + "\" is not pF, nF or uF";
}

std::string CheckShownVoltage(const std::string &text, const std::string &unit,
                              long double expectedVolts, const runtime::NumberFormat &format) {
    if (unit.empty()) {
        // Only a voltage shown as 0 has no unit; it rounds to 0 in uV.
        long double shown = 1;
        try {
            shown = Read(text, format);
        } catch (const runtime::RuntimeError &) {
        }
        if (shown != 0)
            return "voltage \"" + text + "\" without a unit";
        return CheckShown(text, "(none)", expectedVolts, 1e-6L, true, false, format);
    }
    struct Unit {
        const char *name;
        long double factor;
    };
    static const Unit units[] = {
        {"uV", 1e-6L}, {"mV", 1e-3L}, {"V", 1}, {"kV", 1e3L}, {"MV", 1e6L}};
    for (std::size_t u = 0; u < 5; ++u) {
        if (unit != units[u].name)
            continue;
        long double shown = 1;
        try {
            shown = Read(text, format);
        } catch (const runtime::RuntimeError &) {
            return "\"" + text + "\" is not a number";
        }
        if (shown == 0)
            return "voltage 0 with the unit " + unit;
        return CheckShown(text, unit, expectedVolts, units[u].factor, u == 0, u == 4, format);
    }
    return "voltage unit \"" + unit + "\" is not uV, mV, V, kV or MV";
}

} // namespace fuzz
