#include "form_checks.h"

#include "conversions.h"
#include "runtime_error.h"
#include "series_oracle.h"
#include "user_edit.h"

namespace fuzz {
namespace {

constexpr std::size_t kInputLimit = 6;

const window::TextField &InputField(const window::frmTolvarine &form, std::size_t k) {
    return k < 4 ? form.txtCs[k] : form.txtUst;
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

std::string CheckErrorShown(const window::frmTolvarine &form) {
    if (form.lblEroare.Caption().empty())
        return "the error label is shown without a message";
    if (!form.txtCst.Text().empty() || !form.lblUMs.Caption().empty())
        return "the error is shown with an equivalent capacitance \"" + form.txtCst.Text() + "\"";
    for (std::size_t k = 0; k < 4; ++k)
        if (!form.txtUs[k].Text().empty() || !form.txtUMUs[k].Text().empty())
            return "the error is shown with voltage " + std::to_string(k + 1) + " \"" +
                   form.txtUs[k].Text() + "\"";
    return {};
}

// No capacitor: the equivalent group is hidden and every voltage is "0"; a
// voltage that already showed "0" may keep its unit, any other has none.
std::string CheckNoCapacitor(const window::frmTolvarine &form, const FormSnapshot &before) {
    if (form.txtCst.Shown() || form.lblUMs.Shown() || form.lblEticheteS[0].Shown())
        return "no capacitor, yet the equivalent capacitance is shown";
    if (form.lblEroare.Shown())
        return "no capacitor, yet the error is shown";
    for (std::size_t k = 0; k < 4; ++k) {
        const std::string &unit = form.txtUMUs[k].Text();
        if (form.txtUs[k].Text() != "0")
            return "no capacitor, yet voltage " + std::to_string(k + 1) + " is \"" +
                   form.txtUs[k].Text() + "\"";
        const bool kept = before.voltages[k] == "0" && unit == before.voltageUnits[k];
        if (!unit.empty() && !kept)
            return "no capacitor, yet voltage " + std::to_string(k + 1) + " has the unit " + unit;
    }
    return {};
}

} // namespace

FormSnapshot Snapshot(const window::frmTolvarine &form) {
    FormSnapshot s;
    for (std::size_t k = 0; k < 5; ++k)
        s.inputs[k] = InputField(form, k).Text();
    for (std::size_t k = 0; k < 4; ++k) {
        s.voltages[k] = form.txtUs[k].Text();
        s.voltageUnits[k] = form.txtUMUs[k].Text();
    }
    return s;
}

std::string CheckInputs(const window::frmTolvarine &form, const FormSnapshot &before) {
    const auto &format = form.Format();
    for (std::size_t k = 0; k < 5; ++k) {
        const std::string &text = InputField(form, k).Text();
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

std::string CheckResults(const window::frmTolvarine &form, const FormSnapshot &before) {
    const auto &format = form.Format();
    const SeriesExpectation e = ExpectSeries(form);
    if (e.capacitors == 0)
        return CheckNoCapacitor(form, before);
    if (form.lblEroare.Shown()) {
        if (!e.mustOverflow && !e.nearEdge)
            return "the error \"" + form.lblEroare.Caption() +
                   "\" is shown though every value is well inside the range";
        return CheckErrorShown(form);
    }
    if (e.mustOverflow)
        return "a step leaves the range of a double, yet no error is shown";
    if (!form.txtCst.Shown() || !form.lblUMs.Shown() || !form.lblEticheteS[0].Shown())
        return "a capacitor is present, yet the equivalent capacitance is hidden";
    std::string problem =
        CheckShownCapacitance(form.txtCst.Text(), form.lblUMs.Caption(), e.equivalentPf, format);
    if (!problem.empty())
        return "equivalent capacitance: " + problem;
    for (std::size_t k = 0; k < 4; ++k) {
        problem =
            CheckShownVoltage(form.txtUs[k].Text(), form.txtUMUs[k].Text(), e.volts[k], format);
        if (!problem.empty())
            return "voltage " + std::to_string(k + 1) + ": " + problem;
    }
    return {};
}

} // namespace fuzz
