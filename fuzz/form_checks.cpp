// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_checks.h"

#include "conversions.h"
#include "design_values.h"
#include "error_message.h"
#include "form_intent.h"
#include "input_reading.h"
#include "runtime_error.h"
#include "series_oracle.h"
#include "user_edit.h"

#include <map>

namespace fuzz {
namespace {

using window::kInputLimit;

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

std::string Name(ControlId id) {
    static const std::map<Control, const char *> kNames = {
        {Control::txtCs, "txtCs"},     {Control::txtUst, "txtUst"},   {Control::txtUn, "txtUn"},
        {Control::txtTol, "txtTol"},   {Control::txtFrec, "txtFrec"}, {Control::txtCd, "txtCd"},
        {Control::txtCmin, "txtCmin"}, {Control::txtCmax, "txtCmax"}};
    const auto name = kNames.find(id.control);
    return std::string(name != kNames.end() ? name->second : "field") + "(" +
           std::to_string(id.index) + ")";
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
    if (s.band == window::frmTolvarine::BandKind::Failure && !s.designFailed)
        return "no capacitor, yet the error \"" + s.error + "\" is shown";
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
    s.band = form.Band();
    s.designFailed = form.DesignFailed();
    s.panelOpen = form.PanelOpen();
    for (const ControlId id : ValueFields())
        s.values.emplace_back(form.Field(id).Text(), UnitText(form, id));
    return s;
}

std::string CheckInputs(const FormSnapshot &after, const FormSnapshot &before, bool historyStep) {
    const auto &format = after.format;
    const std::vector<ControlId> fields = ValueFields();
    for (std::size_t k = 0; k < fields.size(); ++k) {
        const std::string &text = after.values[k].first;
        const std::string where = Name(fields[k]) + " holds \"" + text + "\"";
        if (window::HasControlCharacter(text))
            return where + ", a control character";
        if (text.empty() && fields[k].control == Control::txtUn)
            continue; // a rating not given
        if (text != "0") {
            if (!window::IsInputNumber(text, format))
                return where + ", not a number";
            if (window::InputValue(text, format) < 0)
                return where + ", below zero";
        }
        if (k >= 5 || historyStep)
            continue;
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
    using Band = window::frmTolvarine::BandKind;
    if (after.band == Band::Notice)
        return CheckNoticeKeepsResults(after, before);
    if (e.capacitors == 0)
        return CheckNoCapacitor(after, before);
    // A failure of the rating check or of the design part alone leaves the
    // window's own results, which must then be right.
    if (after.band == Band::Failure && !after.designFailed &&
        !(after.panelOpen && !after.equivalent.empty())) {
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
