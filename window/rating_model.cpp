// SPDX-License-Identifier: GPL-3.0-or-later
// The rating check panel's model: inputs read with the locale's conversions,
// results written auto-ranged in the locale's format.
#include "rating_model.h"

#include "checked_math.h"
#include "conversions.h"
#include "error_message.h"
#include "ranging.h"
#include "runtime_error.h"
#include "series.h"
#include "units.h"

#include <cmath>

namespace window {
namespace {

constexpr std::size_t kInputLimit = 6;

std::array<TextField, 4> FieldArray(NotificationSink &sink, Control control, FieldKind kind) {
    const std::optional<std::size_t> limit =
        kind == FieldKind::Editable ? std::optional(kInputLimit) : std::nullopt;
    return {TextField(sink, {control, 0}, "", kind, limit),
            TextField(sink, {control, 1}, "", kind, limit),
            TextField(sink, {control, 2}, "", kind, limit),
            TextField(sink, {control, 3}, "", kind, limit)};
}

// A rating is entered in the units of the applied voltage.
std::vector<std::string> VoltageUnits() {
    return {calc::kVoltageUnits.begin(),
            calc::kVoltageUnits.begin() + calc::kAppliedVoltageUnitCount};
}

TextField Result(NotificationSink &sink, Control control) {
    return TextField(sink, {control, 0}, "", FieldKind::ReadOnly);
}

void Write(TextField &value, TextField &unit, const calc::Ranged &ranged) {
    value.SetText(ranged.text);
    unit.SetText(std::string(ranged.unit));
}

// A result other than a voltage; 0, like a voltage of 0, has no unit.
calc::Ranged Range(double value, std::size_t base, std::span<const std::string_view> units,
                   const runtime::NumberFormat &format) {
    if (value == 0)
        return {runtime::IntToText(0), {}};
    return calc::RangeIn(value, base, units, format);
}

} // namespace

const std::array<RatingModel::ArrayOf, 9> RatingModel::kArrays = {{
    {Control::txtUn, &RatingModel::txtUn},
    {Control::txtUmax, &RatingModel::txtUmax},
    {Control::txtUMUmax, &RatingModel::txtUMUmax},
    {Control::txtUvarf, &RatingModel::txtUvarf},
    {Control::txtUMUvarf, &RatingModel::txtUMUvarf},
    {Control::txtMarja, &RatingModel::txtMarja},
    {Control::txtUMMarja, &RatingModel::txtUMMarja},
    {Control::txtW, &RatingModel::txtW},
    {Control::txtUMW, &RatingModel::txtUMW},
}};

const std::array<RatingModel::SingleOf, 10> RatingModel::kSingles = {{
    {Control::txtTol, &RatingModel::txtTol},
    {Control::txtFrec, &RatingModel::txtFrec},
    {Control::txtQ, &RatingModel::txtQ},
    {Control::txtUMQ, &RatingModel::txtUMQ},
    {Control::txtWt, &RatingModel::txtWt},
    {Control::txtUMWt, &RatingModel::txtUMWt},
    {Control::txtXc, &RatingModel::txtXc},
    {Control::txtUMXc, &RatingModel::txtUMXc},
    {Control::txtI, &RatingModel::txtI},
    {Control::txtUMI, &RatingModel::txtUMI},
}};

RatingModel::RatingModel(NotificationSink &sink)
    : m_inputs(&sink)
    , txtUn(FieldArray(m_inputs, Control::txtUn, FieldKind::Editable))
    , cboUn{PickList(m_inputs, {Control::cboUn, 0}, VoltageUnits()),
            PickList(m_inputs, {Control::cboUn, 1}, VoltageUnits()),
            PickList(m_inputs, {Control::cboUn, 2}, VoltageUnits()),
            PickList(m_inputs, {Control::cboUn, 3}, VoltageUnits())}
    , txtTol(m_inputs, {Control::txtTol, 0}, "10", FieldKind::Editable, kInputLimit)
    , txtFrec(m_inputs, {Control::txtFrec, 0}, "50", FieldKind::Editable, kInputLimit)
    , txtUmax(FieldArray(m_results, Control::txtUmax, FieldKind::ReadOnly))
    , txtUMUmax(FieldArray(m_results, Control::txtUMUmax, FieldKind::ReadOnly))
    , txtUvarf(FieldArray(m_results, Control::txtUvarf, FieldKind::ReadOnly))
    , txtUMUvarf(FieldArray(m_results, Control::txtUMUvarf, FieldKind::ReadOnly))
    , txtMarja(FieldArray(m_results, Control::txtMarja, FieldKind::ReadOnly))
    , txtUMMarja(FieldArray(m_results, Control::txtUMMarja, FieldKind::ReadOnly))
    , txtW(FieldArray(m_results, Control::txtW, FieldKind::ReadOnly))
    , txtUMW(FieldArray(m_results, Control::txtUMW, FieldKind::ReadOnly))
    , txtQ(Result(m_results, Control::txtQ))
    , txtUMQ(Result(m_results, Control::txtUMQ))
    , txtWt(Result(m_results, Control::txtWt))
    , txtUMWt(Result(m_results, Control::txtUMWt))
    , txtXc(Result(m_results, Control::txtXc))
    , txtUMXc(Result(m_results, Control::txtUMXc))
    , txtI(Result(m_results, Control::txtI))
    , txtUMI(Result(m_results, Control::txtUMI))
    , lblVerificare("") {
    lblVerificare.SetShown(false);
    ResetInputs();
}

void RatingModel::ResetInputs() {
    m_inputs.SetOn(false);
    for (std::size_t k = 0; k < 4; ++k) {
        txtUn[k].SetText("");
        cboUn[k].SetText(cboUn[k].List(2));
    }
    txtTol.SetText(runtime::IntToText(10));
    txtFrec.SetText(runtime::IntToText(50));
    m_inputs.SetOn(true);
}

void RatingModel::Clear() {
    ClearResults();
    m_chain.reset();
}

void RatingModel::ClearResults() {
    for (const ArrayOf &row : kArrays) {
        if (row.control != Control::txtUn) {
            for (TextField &field : this->*row.member)
                field.SetText("");
        }
    }
    for (const SingleOf &row : kSingles) {
        TextField &field = this->*row.member;
        if (field.ReadOnly())
            field.SetText("");
    }
    m_margins.fill(calc::Margin::NotGiven);
    m_descriptions.fill("");
    lblVerificare.SetCaption("");
    lblVerificare.SetShown(false);
}

// An empty input counts as 0: for a rating, not given.
double RatingModel::Number(const TextField &field, const runtime::NumberFormat &format) const {
    return field.Text().empty() ? 0 : runtime::TextToDouble(field.Text(), format);
}

void RatingModel::Update(const std::array<double, 4> &picofarads, double volts,
                         const runtime::NumberFormat &format) {
    m_chain = Chain{picofarads, volts};
    if (m_open)
        Check(*m_chain, format);
}

void RatingModel::SetOpen(bool open, const runtime::NumberFormat &format) {
    m_open = open;
    if (open && m_chain)
        Check(*m_chain, format);
    else
        ClearResults();
}

void RatingModel::Check(const Chain &chain, const runtime::NumberFormat &format) {
    ClearResults();
    try {
        calc::RatingInput input;
        for (std::size_t k = 0; k < 4; ++k) {
            input.capacitors[k].picofarads = chain.picofarads[k];
            input.capacitors[k].ratedVolts =
                calc::ToVolts(Number(txtUn[k], format), cboUn[k].Text());
        }
        input.volts = chain.volts;
        input.tolerance = runtime::Div(Number(txtTol, format), 100);
        input.hertz = Number(txtFrec, format);
        if (const auto result = calc::CheckRatings(input))
            Show(*result, format);
    } catch (const runtime::RuntimeError &error) {
        ClearResults();
        lblVerificare.SetCaption(ErrorMessage(error.kind()));
        lblVerificare.SetShown(true);
    }
}

void RatingModel::Show(const calc::RatingResult &result, const runtime::NumberFormat &format) {
    for (std::size_t k = 0; k < 4; ++k) {
        const calc::CapacitorRating &c = result.capacitors[k];
        if (!c.present)
            continue;
        Write(txtUmax[k], txtUMUmax[k], calc::RangeVoltage(c.worstVolts, format));
        Write(txtUvarf[k], txtUMUvarf[k], calc::RangeVoltage(c.worstPeak, format));
        Write(txtW[k], txtUMW[k], Range(c.joules, calc::kJouleIndex, calc::kEnergyUnits, format));
        m_margins[k] = c.margin;
        if (c.margin == calc::Margin::NotGiven)
            continue;
        // The headroom below 0 is the excess of the peak over the rating.
        calc::Ranged by = calc::RangeVoltage(std::fabs(c.headroom), format);
        const std::string amount = by.text + " " + std::string(by.unit);
        if (c.margin == calc::Margin::Exceeds) {
            m_descriptions[k] = "Depășește tensiunea nominală cu " + amount;
            by.text.insert(by.text.begin(), '-');
        } else {
            m_descriptions[k] = "În limita tensiunii nominale, cu o rezervă de " + amount;
        }
        Write(txtMarja[k], txtUMMarja[k], by);
    }
    const calc::ChainRating &chain = result.chain;
    Write(txtQ, txtUMQ, Range(chain.coulombs, calc::kCoulombIndex, calc::kChargeUnits, format));
    Write(txtWt, txtUMWt, Range(chain.joules, calc::kJouleIndex, calc::kEnergyUnits, format));
    if (chain.ohms && chain.amperes) {
        Write(txtXc, txtUMXc, Range(*chain.ohms, calc::kOhmIndex, calc::kReactanceUnits, format));
        Write(txtI, txtUMI, Range(*chain.amperes, calc::kAmpereIndex, calc::kCurrentUnits, format));
    }
}

const TextField *RatingModel::Field(ControlId id) const {
    return const_cast<RatingModel *>(this)->MutableField(id);
}

TextField *RatingModel::MutableField(ControlId id) {
    for (const ArrayOf &row : kArrays) {
        if (row.control == id.control)
            return &(this->*row.member).at(static_cast<std::size_t>(id.index));
    }
    for (const SingleOf &row : kSingles) {
        if (row.control == id.control)
            return &(this->*row.member);
    }
    return nullptr;
}

const PickList *RatingModel::List(ControlId id) const {
    return const_cast<RatingModel *>(this)->MutableList(id);
}

PickList *RatingModel::MutableList(ControlId id) {
    if (id.control != Control::cboUn)
        return nullptr;
    return &cboUn.at(static_cast<std::size_t>(id.index));
}

const Label *RatingModel::LabelOf(ControlId id) const {
    return id.control == Control::lblVerificare ? &lblVerificare : nullptr;
}

} // namespace window
