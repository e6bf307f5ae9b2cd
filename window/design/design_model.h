// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control_id.h"
#include "controls.h"
#include "design_search.h"
#include "number_format.h"
#include "preferred_values.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace window {

// Texts of the parts of a row, C1 first: "279,531 V; 73,901 V".
std::string PerPart(const std::array<std::string, 4> &texts, int count);

// One combination as the design part shows it, and what choosing it writes.
struct DesignRow {
    int count = 0;
    std::string parts;                  // "3 nF + 15 nF", smallest first
    std::string equivalent;             // as the window shows it after the row is used
    std::string unit;                   // of the equivalent capacitance
    std::string deviation;              // "-0,168 %"
    std::array<std::string, 4> worst;   // per part: the voltage its rating holds, with unit
    std::array<std::string, 4> ratings; // "400 V", or "—" where no standard rating does
    bool unrated = false;               // a part has no rating
    // What choosing the row writes: each part's text and unit entry, and
    // its rating in volts (0: none).
    std::array<std::string, 4> texts;
    std::array<int, 4> units{};
    std::array<int, 4> ratingVolts{};
};

// The design part of the window: its inputs (the capacitance wanted with its
// unit, how many parts, the series, the range of parts with units, the kind
// of rating) are controls like the window's own, and its results are the
// best combinations. The applied voltage and the tolerance are the window's
// and the rating check's own.
class DesignModel {
public:
    // The inputs raise their notifications through `sink`.
    explicit DesignModel(NotificationSink &sink);
    DesignModel(const DesignModel &) = delete;
    DesignModel &operator=(const DesignModel &) = delete;

    // The inputs' start values, silently: no capacitance wanted (0 nF), at
    // most 4 parts, E12, parts from 10 pF to 10 uF, DC ratings.
    void ResetInputs();

    // Searches again while the part is open, for the applied voltage in
    // volts (`applied` as the window writes it) and the tolerance in %.
    // A target that no combination approaches within 50 %, or an input out
    // of range, raises ReportedFailure; calc's failures raise
    // calc::CalculationError.
    void Update(double volts, const std::string &applied, double tolerancePercent,
                const runtime::NumberFormat &format);
    void ClearResults();
    void Unmark();

    void SetOpen(bool open);
    bool Open() const { return m_open; }
    const std::vector<DesignRow> &Rows() const { return m_rows; }
    // The rating kind of the rows: the entry of cboTipD, as calc::RatingKind.
    int KindEntry() const;
    // How many searches have run; one only where the question changed.
    unsigned Searches() const { return m_searches; }

    // The part's controls; nullptr for a control that is not the part's.
    const TextField *Field(ControlId id) const;
    TextField *MutableField(ControlId id);
    const PickList *List(ControlId id) const;
    PickList *MutableList(ControlId id);
    const Label *LabelOf(ControlId id) const;

private:
    // Hands notifications on to the window unless muted.
    class Relay final : public NotificationSink {
    public:
        explicit Relay(NotificationSink &target)
            : m_target(target) {}
        bool muted = false;
        void Raise(ControlId id, Notification notification) override {
            if (!muted)
                m_target.Raise(id, notification);
        }

    private:
        NotificationSink &m_target;
    };

    double Picofarads(ControlId field, const PickList &unit,
                      const runtime::NumberFormat &format) const;
    DesignRow RowOf(const calc::Combination &combination, const std::vector<calc::PartValue> &parts,
                    double target, double volts, double tolerancePercent,
                    const runtime::NumberFormat &format) const;

    Relay m_inputs;
    TextField txtCd;
    PickList cboCd;
    PickList cboNrC;
    PickList cboSerie;
    TextField txtCmin;
    PickList cboCmin;
    TextField txtCmax;
    PickList cboCmax;
    PickList cboTipD;
    Label lblProiectare;
    bool m_open = false;
    std::optional<calc::DesignQuery> m_asked; // the question of the rows shown
    std::vector<calc::Combination> m_found;
    std::vector<DesignRow> m_rows;
    unsigned m_searches = 0;
};

} // namespace window
