// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_checks.h"

#include "conversions.h"
#include "error_message.h"
#include "runtime_error.h"
#include "series_oracle.h"
#include "user_edit.h"

namespace fuzz {
namespace {

constexpr std::size_t kInputLimit = 6;

using window::Control;
using window::ControlId;

ControlId Of(Control control, std::size_t k) {
    return {control, static_cast<int>(k)};
}

bool AnyShown(const FormSnapshot &s) {
    return s.equivalentShown[0] || s.equivalentShown[1] || s.equivalentShown[2];
}
bool AllShown(const FormSnapshot &s) {
    return s.equivalentShown[0] && s.equivalentShown[1] && s.equivalentShown[2];
}

std::string Name(std::size_t k) {
    return k < 4 ? "txtCs(" + std::to_string(k) + ")" : "txtUst";
}

// A text as DoubleToText writes it: what the sign removal puts in a field.
bool IsWrittenByProgram(const std::string &text, const runtime::NumberFormat &format) {
    try {
        return runtime::DoubleToText(runtime::TextToDouble(text, format), format) == text;
    } catch (const runtime::RuntimeError &) {
        return false;
    }
}

std::string CheckErrorShown(const FormSnapshot &s) {
    if (s.error.empty())
        return "the error label is shown without a message";
    if (!s.equivalent.empty() || !s.equivalentUnit.empty())
        return "the error is shown with an equivalent capacitance \"" + s.equivalent + "\"";
    for (std::size_t k = 0; k < 4; ++k)
        if (!s.voltages[k].empty() || !s.voltageUnits[k].empty())
            return "the error is shown with voltage " + std::to_string(k + 1) + " \"" +
                   s.voltages[k] + "\"";
    return {};
}

// No capacitor: the equivalent group is hidden and every voltage is "0"; a
// voltage that already showed "0" may keep its unit, any other has none.
std::string CheckNoCapacitor(const FormSnapshot &s, const FormSnapshot &before) {
    if (AnyShown(s))
        return "no capacitor, yet the equivalent capacitance is shown";
    if (s.errorShown)
        return "no capacitor, yet the error is shown";
    for (std::size_t k = 0; k < 4; ++k) {
        const std::string &unit = s.voltageUnits[k];
        if (s.voltages[k] != "0")
            return "no capacitor, yet voltage " + std::to_string(k + 1) + " is \"" + s.voltages[k] +
                   "\"";
        const bool kept = before.voltages[k] == "0" && unit == before.voltageUnits[k];
        if (!unit.empty() && !kept)
            return "no capacitor, yet voltage " + std::to_string(k + 1) + " has the unit " + unit;
    }
    return {};
}

// The notice of a paste refused as too long, for any input field.
bool IsPasteNotice(const std::string &message) {
    for (std::size_t k = 0; k < 5; ++k) {
        const window::ControlId field =
            k < 4 ? Of(Control::txtCs, k) : window::ControlId{Control::txtUst, 0};
        if (message == window::PasteTooLongMessage(field, kInputLimit))
            return true;
    }
    return false;
}

// A refused paste recalculates nothing: its notice stands over the results
// that the action before left, until the user's next edit, choice or click.
std::string CheckNoticeKeepsResults(const FormSnapshot &s, const FormSnapshot &before) {
    if (s.equivalent != before.equivalent || s.equivalentUnit != before.equivalentUnit ||
        s.equivalentShown != before.equivalentShown || s.voltages != before.voltages ||
        s.voltageUnits != before.voltageUnits)
        return "the notice \"" + s.error + "\" is shown, yet the results changed";
    return {};
}

} // namespace

FormSnapshot Snapshot(const window::frmTolvarine &form) {
    FormSnapshot s;
    s.format = form.Format();
    for (std::size_t k = 0; k < 4; ++k) {
        s.inputs[k] = form.Field(Of(Control::txtCs, k)).Text();
        s.inputUnits[k] = form.List(Of(Control::cboCs, k)).Text();
        s.voltages[k] = form.Field(Of(Control::txtUs, k)).Text();
        s.voltageUnits[k] = form.Field(Of(Control::txtUMUs, k)).Text();
    }
    s.inputs[4] = form.Field({Control::txtUst, 0}).Text();
    s.inputUnits[4] = form.List({Control::cboUst, 0}).Text();
    const window::TextField &equivalent = form.Field({Control::txtCst, 0});
    const window::Label &unit = form.LabelOf({Control::lblUMs, 0});
    s.equivalent = equivalent.Text();
    s.equivalentUnit = unit.Caption();
    s.equivalentShown = {equivalent.Shown(), unit.Shown(),
                         form.LabelOf({Control::lblEticheteS, 0}).Shown()};
    const window::Label &error = form.LabelOf({Control::lblEroare, 0});
    s.error = error.Caption();
    s.errorShown = error.Shown();
    return s;
}

std::string CheckInputs(const FormSnapshot &after, const FormSnapshot &before) {
    const auto &format = after.format;
    for (std::size_t k = 0; k < 5; ++k) {
        const std::string &text = after.inputs[k];
        const std::string where = Name(k) + " holds \"" + text + "\"";
        if (text != "0") {
            if (!runtime::IsNumber(text, format))
                return where + ", not a number";
            if (runtime::TextToDouble(text, format) < 0)
                return where + ", below zero";
        }
        const std::size_t length = window::CharacterCount(text);
        if (length > kInputLimit && length >= window::CharacterCount(before.inputs[k]) &&
            text != before.inputs[k] && !IsWrittenByProgram(text, format))
            return where + ", more than " + std::to_string(kInputLimit) + " typed characters";
    }
    return {};
}

std::string CheckResults(const FormSnapshot &after, const FormSnapshot &before) {
    const auto &format = after.format;
    const SeriesExpectation e = ExpectSeries(after.inputs, after.inputUnits, format);
    if (after.errorShown && IsPasteNotice(after.error))
        return CheckNoticeKeepsResults(after, before);
    if (e.capacitors == 0)
        return CheckNoCapacitor(after, before);
    if (after.errorShown) {
        if (!e.mustOverflow && !e.nearEdge)
            return "the error \"" + after.error +
                   "\" is shown though every value is well inside the range";
        return CheckErrorShown(after);
    }
    if (e.mustOverflow)
        return "a step leaves the range of a double, yet no error is shown";
    if (!AllShown(after))
        return "a capacitor is present, yet the equivalent capacitance is hidden";
    std::string problem =
        CheckShownCapacitance(after.equivalent, after.equivalentUnit, e.equivalentPf, format);
    if (!problem.empty())
        return "equivalent capacitance: " + problem;
    for (std::size_t k = 0; k < 4; ++k) {
        problem = CheckShownVoltage(after.voltages[k], after.voltageUnits[k], e.volts[k], format);
        if (!problem.empty())
            return "voltage " + std::to_string(k + 1) + ": " + problem;
    }
    return {};
}

} // namespace fuzz
