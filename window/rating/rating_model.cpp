// SPDX-License-Identifier: GPL-3.0-or-later
// The rating check panel's model: inputs read with the locale's conversions,
// results written auto-ranged in the locale's format.
#include "rating_model.h"

#include "checked_math.h"
#include "conversions.h"
#include "design_values.h"
#include "error_message.h"
#include "input_reading.h"
#include "ranging.h"
#include "scoped_value.h"
#include "series.h"
#include "units.h"

namespace window {
namespace {

std::array<TextField, 4> FieldArray(NotificationSink &sink, Control control, FieldKind kind) {
    const std::optional<std::size_t> limit =
        kind == FieldKind::Editable ? std::optional(kInputLimit) : std::nullopt;
    return {TextField(sink, {control, 0}, "", kind, limit),
            TextField(sink, {control, 1}, "", kind, limit),
            TextField(sink, {control, 2}, "", kind, limit),
            TextField(sink, {control, 3}, "", kind, limit)};
}

// The entries of cboTipUn, in the order of calc::RatingKind.
std::vector<std::string> RatingKinds() {
    return {"c.c.", "c.a."};
}

std::array<PickList, 4> KindLists(NotificationSink &sink) {
    return {PickList(sink, {Control::cboTipUn, 0}, RatingKinds()),
            PickList(sink, {Control::cboTipUn, 1}, RatingKinds()),
            PickList(sink, {Control::cboTipUn, 2}, RatingKinds()),
            PickList(sink, {Control::cboTipUn, 3}, RatingKinds())};
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
    , cboUn{PickList(m_inputs, {Control::cboUn, 0}, VoltageUnitEntries()),
            PickList(m_inputs, {Control::cboUn, 1}, VoltageUnitEntries()),
            PickList(m_inputs, {Control::cboUn, 2}, VoltageUnitEntries()),
            PickList(m_inputs, {Control::cboUn, 3}, VoltageUnitEntries())}
    , txtTol(m_inputs, {Control::txtTol, 0}, "10", FieldKind::Editable, kInputLimit)
    , txtFrec(m_inputs, {Control::txtFrec, 0}, "50", FieldKind::Editable, kInputLimit)
    , cboTipUn(KindLists(m_inputs))
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
    , lblVerificare("")
    // Each capacitor has its own kind: the headers name the columns, each
    // margin's description names what it is taken against.
    , lblVerifCap("Tensiune nominală", "Marjă") {
    lblVerificare.SetShown(false);
    ResetInputs();
}

void RatingModel::ResetInputs() {
    const ScopedValue muted(m_inputs.On(), false);
    for (std::size_t k = 0; k < 4; ++k) {
        txtUn[k].SetText("");
        cboUn[k].SetText(cboUn[k].List(kVoltEntry));
        cboTipUn[k].SetText(cboTipUn[k].List(0));
    }
    txtTol.SetText(runtime::IntToText(10));
    txtFrec.SetText(runtime::IntToText(50));
}

void RatingModel::SetRating(int k, const std::string &text, std::string_view unit,
                            calc::RatingKind kind) {
    const auto i = static_cast<std::size_t>(k);
    PickList &units = cboUn.at(i);
    for (int entry = 0; entry < units.ListCount(); ++entry) {
        if (units.List(entry) == unit && entry != units.ListIndex())
            units.Choose(entry);
    }
    ChooseKind(k, kind);
    txtUn.at(i).SetText(text);
}

bool RatingModel::ChooseKind(int k, calc::RatingKind kind) {
    PickList &kinds = cboTipUn.at(static_cast<std::size_t>(k));
    const int entry = static_cast<int>(kind);
    if (kinds.ListIndex() == entry)
        return false;
    kinds.Choose(entry);
    return true;
}

calc::RatingKind RatingModel::KindOf(int k) const {
    return cboTipUn.at(static_cast<std::size_t>(k)).ListIndex() == 1
               ? calc::RatingKind::AlternatingRms
               : calc::RatingKind::DirectPeak;
}

std::string RatingModel::MarginBasis(int k) const {
    return KindOf(k) == calc::RatingKind::AlternatingRms ? "față de efectivă (c.a.)"
                                                         : "față de vârf (c.c.)";
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
    m_excess.fill("");
    lblVerificare.SetCaption("");
    lblVerificare.SetShown(false);
}

void RatingModel::Unmark() {
    for (TextField &field : txtUn)
        field.SetMarked(false);
    txtTol.SetMarked(false);
    txtFrec.SetMarked(false);
}

// An empty input counts as 0: for a rating, not given.
double RatingModel::Number(const TextField &field, const runtime::NumberFormat &format) const {
    return field.Text().empty() ? 0 : InputValue(field.Text(), format);
}

void RatingModel::SetOpen(bool open) {
    m_open = open;
    if (!open)
        ClearResults();
}

void RatingModel::Update(const std::array<double, 4> &picofarads, double volts, double equivalent,
                         const runtime::NumberFormat &format) {
    if (!m_open)
        return;
    const std::array<calc::Margin, 4> before = m_margins;
    ClearResults();
    calc::RatingInput input;
    for (std::size_t k = 0; k < 4; ++k) {
        input.capacitors[k].picofarads = picofarads[k];
        input.capacitors[k].ratedVolts = calc::VoltsOf({calc::Input::Rating, static_cast<int>(k)},
                                                       Number(txtUn[k], format), cboUn[k].Text());
        input.capacitors[k].kind = KindOf(static_cast<int>(k));
    }
    input.equivalent = equivalent;
    input.volts = volts;
    input.tolerancePercent = Number(txtTol, format);
    input.hertz = Number(txtFrec, format);
    if (const auto result = calc::CheckRatings(input)) {
        Show(*result, format);
        ShowWarning(before);
    }
}

void RatingModel::Show(const calc::RatingResult &result, const runtime::NumberFormat &format) {
    for (std::size_t k = 0; k < 4; ++k) {
        const calc::CapacitorRating &c = result.capacitors[k];
        if (!c.present)
            continue;
        Write(txtUmax[k], txtUMUmax[k], calc::RangeVoltage(c.worstVolts, format));
        Write(txtUvarf[k], txtUMUvarf[k], calc::RangeVoltage(c.worstPeak, format));
        Write(txtW[k], txtUMW[k],
              Range(c.peakJoules, calc::kJouleIndex, calc::kEnergyUnits, format));
        m_margins[k] = c.margin;
        if (c.margin == calc::Margin::NotGiven)
            continue;
        // The headroom below 0 is the excess over the rating.
        calc::Ranged by = calc::RangeVoltage(c.marginVolts, format);
        const std::string amount = by.text + " " + std::string(by.unit);
        const std::string basis = MarginBasis(static_cast<int>(k));
        if (c.margin == calc::Margin::Exceeds) {
            m_descriptions[k] = "Depășește tensiunea nominală cu " + amount + ", " + basis;
            m_excess[k] = amount;
            by.text.insert(by.text.begin(), '-');
        } else {
            m_descriptions[k] =
                "În limita tensiunii nominale, cu o rezervă de " + amount + ", " + basis;
        }
        Write(txtMarja[k], txtUMMarja[k], by);
    }
    const calc::ChainRating &chain = result.chain;
    Write(txtQ, txtUMQ, Range(chain.coulombs, calc::kCoulombIndex, calc::kChargeUnits, format));
    Write(txtWt, txtUMWt, Range(chain.peakJoules, calc::kJouleIndex, calc::kEnergyUnits, format));
    if (chain.ohms)
        Write(txtXc, txtUMXc, Range(*chain.ohms, calc::kOhmIndex, calc::kReactanceUnits, format));
    else // at 0 Hz
        Write(txtXc, txtUMXc, {"∞", calc::kReactanceUnits[calc::kOhmIndex]});
    Write(txtI, txtUMI, Range(chain.amperes, calc::kAmpereIndex, calc::kCurrentUnits, format));
}

// "C1 depășește tensiunea nominală cu 18,898 V.", or for several "Depășesc
// tensiunea nominală: C1 cu 18,898 V, C2 cu 18,898 V."; raised
// anew when a margin has turned red since the last check shown.
void RatingModel::ShowWarning(const std::array<calc::Margin, 4> &before) {
    std::vector<std::size_t> exceeding;
    bool turned = false;
    for (std::size_t k = 0; k < 4; ++k) {
        if (m_margins[k] != calc::Margin::Exceeds)
            continue;
        exceeding.push_back(k);
        turned = turned || before[k] != calc::Margin::Exceeds;
    }
    if (exceeding.empty())
        return;
    const auto name = [](std::size_t k) { return CapacitorName(static_cast<int>(k)); };
    std::string text;
    if (exceeding.size() == 1) {
        text = name(exceeding[0]) + " depășește tensiunea nominală cu " + m_excess[exceeding[0]];
    } else {
        text = "Depășesc tensiunea nominală: ";
        for (std::size_t i = 0; i < exceeding.size(); ++i) {
            const std::size_t k = exceeding[i];
            text += (i == 0 ? "" : ", ") + name(k) + " cu " + m_excess[k];
        }
    }
    lblVerificare.SetCaption(text + ".");
    lblVerificare.SetShown(true);
    if (turned)
        ++m_warnings;
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
    if (id.control == Control::cboTipUn)
        return &cboTipUn.at(static_cast<std::size_t>(id.index));
    if (id.control != Control::cboUn)
        return nullptr;
    return &cboUn.at(static_cast<std::size_t>(id.index));
}

const Label *RatingModel::LabelOf(ControlId id) const {
    if (id.control == Control::lblVerifCap)
        return &lblVerifCap[id.index];
    return id.control == Control::lblVerificare ? &lblVerificare : nullptr;
}

} // namespace window
