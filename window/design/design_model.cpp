// SPDX-License-Identifier: GPL-3.0-or-later
// The design part's model: its inputs read as the window reads its own, the
// search in calc, and each row's equivalent capacitance and voltages computed
// by the window's own series and rating functions.
#include "design_model.h"

#include "conversions.h"
#include "design_values.h"
#include "error_cause.h"
#include "error_message.h"
#include "input_reading.h"
#include "ranging.h"
#include "runtime_error.h"
#include "series.h"
#include "units.h"

#include <algorithm>
#include <cmath>

namespace window {
namespace {

// The entries of cboNrC: exactly 1 to 4 parts, or the fewest up to 4 that
// come closest.
constexpr int kAtMostEntry = 4;

std::vector<std::string> CountEntries() {
    return {"1", "2", "3", "4", "cel mult 4"};
}

std::vector<std::string> SeriesEntries() {
    std::vector<std::string> entries;
    for (const calc::PreferredSeries series : calc::kPreferredSeries)
        entries.emplace_back(calc::SeriesName(series));
    return entries;
}

// In the order of calc::RatingKind, as cboTipUn.
std::vector<std::string> KindEntries() {
    return {"c.c.", "c.a."};
}

int UnitEntry(std::string_view unit) {
    const auto &units = calc::kCapacitanceUnits;
    return static_cast<int>(std::find(units.begin(), units.end(), unit) - units.begin());
}

std::string WithUnit(const calc::Ranged &ranged) {
    return ranged.unit.empty() ? ranged.text : ranged.text + " " + std::string(ranged.unit);
}

// A deviation in %, three decimals and its sign: "+0,420 %", "-0,168 %",
// "0,000 %".
std::string DeviationText(double percent, const runtime::NumberFormat &format) {
    const double rounded = runtime::RoundDecimals(percent, 3);
    std::string text = runtime::DoubleToText(std::fabs(rounded), format);
    const std::size_t mark = text.find(format.decimal);
    const std::size_t decimals =
        mark == std::string::npos ? 0 : text.size() - mark - format.decimal.size();
    if (mark == std::string::npos)
        text += format.decimal;
    text.append(3 - std::min<std::size_t>(decimals, 3), '0');
    const char *sign = rounded > 0 ? "+" : rounded < 0 ? "-" : "";
    return sign + text + " %";
}

} // namespace

std::string PerPart(const std::array<std::string, 4> &texts, int count) {
    std::string joined;
    for (std::size_t k = 0; k < static_cast<std::size_t>(std::clamp(count, 0, 4)); ++k)
        joined += (k > 0 ? "; " : "") + texts[k];
    return joined;
}

DesignModel::DesignModel(NotificationSink &sink)
    : m_inputs(sink)
    , txtCd(m_inputs, {Control::txtCd, 0}, "0", FieldKind::Editable, kInputLimit)
    , cboCd(m_inputs, {Control::cboCd, 0}, CapacitanceUnitEntries())
    , cboNrC(m_inputs, {Control::cboNrC, 0}, CountEntries())
    , cboSerie(m_inputs, {Control::cboSerie, 0}, SeriesEntries())
    , txtCmin(m_inputs, {Control::txtCmin, 0}, "10", FieldKind::Editable, kInputLimit)
    , cboCmin(m_inputs, {Control::cboCmin, 0}, CapacitanceUnitEntries())
    , txtCmax(m_inputs, {Control::txtCmax, 0}, "10", FieldKind::Editable, kInputLimit)
    , cboCmax(m_inputs, {Control::cboCmax, 0}, CapacitanceUnitEntries())
    , cboTipD(m_inputs, {Control::cboTipD, 0}, KindEntries())
    , lblProiectare("") {
    ResetInputs();
}

void DesignModel::ResetInputs() {
    m_inputs.muted = true;
    txtCd.SetText(runtime::IntToText(0));
    cboCd.Choose(1);
    cboNrC.Choose(kAtMostEntry);
    cboSerie.Choose(2);
    txtCmin.SetText(runtime::IntToText(10));
    cboCmin.Choose(0);
    txtCmax.SetText(runtime::IntToText(10));
    cboCmax.Choose(2);
    cboTipD.Choose(0);
    m_inputs.muted = false;
}

int DesignModel::KindEntry() const {
    return std::max(cboTipD.ListIndex(), 0);
}

void DesignModel::SetOpen(bool open) {
    m_open = open;
    if (!open)
        ClearResults();
}

void DesignModel::ClearResults() {
    m_rows.clear();
    lblProiectare.SetCaption("");
}

void DesignModel::Unmark() {
    for (TextField *field : {&txtCd, &txtCmin, &txtCmax})
        field->SetMarked(false);
}

// A value in pF; one too large there is the user's to lower.
double DesignModel::Picofarads(ControlId id, const PickList &unit,
                               const runtime::NumberFormat &format) const {
    try {
        return calc::ToPicofarads(InputValue(Field(id)->Text(), format), unit.Text());
    } catch (const runtime::RuntimeError &) {
        std::string name = InputName(id);
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
        throw ReportedFailure({name + " este prea mare: valoarea ei în pF depășește domeniul "
                                      "numeric. Micșorați-o.",
                               {id},
                               false,
                               true});
    }
}

void DesignModel::Update(double volts, const std::string &applied, double tolerancePercent,
                         const runtime::NumberFormat &format) {
    if (!m_open) {
        m_rows.clear();
        return;
    }
    const double target = Picofarads({Control::txtCd, 0}, cboCd, format);
    const double from = Picofarads({Control::txtCmin, 0}, cboCmin, format);
    const double to = Picofarads({Control::txtCmax, 0}, cboCmax, format);
    const auto series =
        calc::kPreferredSeries[static_cast<std::size_t>(std::clamp(cboSerie.ListIndex(), 0, 3))];
    const std::vector<calc::PartValue> parts = calc::PartValues(series, from, to, format);

    calc::DesignQuery query;
    for (const calc::PartValue &part : parts)
        query.parts.push_back(part.picofarads);
    query.target = target;
    const int count = std::clamp(cboNrC.ListIndex(), 0, kAtMostEntry);
    query.fewest = count == kAtMostEntry ? 1 : count + 1;
    query.most = count == kAtMostEntry ? 4 : count + 1;
    query.volts = volts;
    query.tolerancePercent = tolerancePercent;
    query.kind = static_cast<calc::RatingKind>(KindEntry());
    lblProiectare.SetCaption("U max: de vârf pentru c.c., efectivă pentru c.a., la " + applied +
                             " aplicați și toleranța ±" +
                             runtime::DoubleToText(tolerancePercent, format) + " %");
    if (!m_asked || !(*m_asked == query)) {
        m_rows.clear();
        m_found = calc::BestCombinations(query);
        m_asked = query;
        ++m_searches;
    }
    if (target == 0 || m_found.empty())
        m_rows.clear();
    if (target == 0)
        return;
    if (m_found.empty()) {
        const auto range = [&format](const TextField &field, const PickList &unit) {
            return WrittenInput(field.Text(), format) + " " + unit.Text();
        };
        throw ReportedFailure({"Nicio combinație din " + std::string(calc::SeriesName(series)) +
                                   " între " + range(txtCmin, cboCmin) + " și " +
                                   range(txtCmax, cboCmax) + " nu se apropie de " +
                                   range(txtCd, cboCd),
                               {{Control::txtCd, 0}},
                               false,
                               true});
    }
    // The rows of the same question stand until a failure takes them away.
    if (!m_rows.empty())
        return;
    std::vector<DesignRow> rows;
    for (const calc::Combination &combination : m_found)
        rows.push_back(RowOf(combination, parts, target, volts, query.tolerancePercent, format));
    m_rows = std::move(rows);
}

// The equivalent capacitance as the window computes it from C1 to C4 with
// the row's texts, and the worst voltages as its rating check finds them.
DesignRow DesignModel::RowOf(const calc::Combination &combination,
                             const std::vector<calc::PartValue> &parts, double target, double volts,
                             double tolerancePercent, const runtime::NumberFormat &format) const {
    DesignRow row;
    row.count = combination.count;
    calc::PerCapacitor picofarads{};
    for (std::size_t k = 0; k < static_cast<std::size_t>(combination.count); ++k) {
        const calc::PartValue &part = parts[static_cast<std::size_t>(combination.parts[k])];
        picofarads[k] = part.picofarads;
        row.texts[k] = part.text;
        row.units[k] = UnitEntry(part.unit);
        row.parts += (k > 0 ? " + " : "") + part.text + " " + std::string(part.unit);
    }
    const std::vector<runtime::WrittenNumber> sums = calc::PartialSums(picofarads, format);
    const calc::Equivalent equivalent = calc::EquivalentOf(sums.back().value, picofarads, format);
    calc::Ranged shown = calc::RangeCapacitance(equivalent.shown, format);
    row.equivalent = std::move(shown.text);
    row.unit = std::string(shown.unit);
    row.deviation = DeviationText((equivalent.picofarads - target) / target * 100, format);

    calc::RatingInput input;
    const auto kind = static_cast<calc::RatingKind>(KindEntry());
    for (std::size_t k = 0; k < 4; ++k)
        input.capacitors[k] = {.picofarads = picofarads[k], .kind = kind};
    input.equivalent = equivalent.picofarads;
    input.volts = volts;
    input.tolerancePercent = tolerancePercent;
    const std::optional<calc::RatingResult> rating = calc::CheckRatings(input);
    for (std::size_t k = 0; rating && k < static_cast<std::size_t>(combination.count); ++k) {
        const calc::CapacitorRating &part = rating->capacitors[k];
        const double compared =
            kind == calc::RatingKind::DirectPeak ? part.worstPeak : part.worstVolts;
        row.worst[k] = WithUnit(calc::RangeVoltage(compared, format));
        const std::optional<double> standard = calc::StandardRating(kind, compared);
        row.ratingVolts[k] = standard ? static_cast<int>(*standard) : 0;
        row.ratings[k] = standard ? runtime::IntToText(row.ratingVolts[k]) + " V" : "—";
        row.unrated = row.unrated || !standard;
    }
    return row;
}

const TextField *DesignModel::Field(ControlId id) const {
    return const_cast<DesignModel *>(this)->MutableField(id);
}

TextField *DesignModel::MutableField(ControlId id) {
    switch (id.control) {
    case Control::txtCd:
        return &txtCd;
    case Control::txtCmin:
        return &txtCmin;
    case Control::txtCmax:
        return &txtCmax;
    default:
        return nullptr;
    }
}

const PickList *DesignModel::List(ControlId id) const {
    return const_cast<DesignModel *>(this)->MutableList(id);
}

PickList *DesignModel::MutableList(ControlId id) {
    switch (id.control) {
    case Control::cboCd:
        return &cboCd;
    case Control::cboNrC:
        return &cboNrC;
    case Control::cboSerie:
        return &cboSerie;
    case Control::cboCmin:
        return &cboCmin;
    case Control::cboCmax:
        return &cboCmax;
    case Control::cboTipD:
        return &cboTipD;
    default:
        return nullptr;
    }
}

const Label *DesignModel::LabelOf(ControlId id) const {
    return id.control == Control::lblProiectare ? &lblProiectare : nullptr;
}

} // namespace window
