// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control_id.h"
#include "controls.h"
#include "number_format.h"
#include "rating_check.h"

#include <array>
#include <optional>
#include <string>

namespace window {

// The rating check of the window: its inputs (a rated voltage with its unit
// and its kind for each capacitor, the tolerance in +-%, the frequency in Hz)
// are controls
// like the window's own, and its results are read-only fields that each run
// of the calculation rewrites. A result with no value is empty.
class RatingModel {
public:
    // The inputs raise their notifications through `sink`; the results,
    // which nothing handles, raise none.
    explicit RatingModel(NotificationSink &sink);
    RatingModel(const RatingModel &) = delete;
    RatingModel &operator=(const RatingModel &) = delete;

    // The inputs' start values, which they also have at design: no rating,
    // in volts, a DC rating; +-10 %; 50 Hz. They raise no notification: the
    // calculation that follows a reset shows them.
    void ResetInputs();

    // Takes the chain as the calculation found it: the capacitances in pF
    // (0: absent), the applied voltage in volts and the equivalent
    // capacitance in pF. While the panel is open the results are rewritten
    // for it; a failure of the check raises calc::CalculationError, naming
    // the inputs to change, and leaves the results empty.
    void Update(const std::array<double, 4> &picofarads, double volts, double equivalent,
                const runtime::NumberFormat &format);
    // Empties every result: no capacitor is present, or a calculation failed.
    void ClearResults();
    // Takes the marks off the check's inputs.
    void Unmark();

    // Writes the rating of capacitor k + 1 as a program writes it: its text,
    // its unit (an entry of cboUn: "V", "kV", ...) and its kind, each
    // raising its notification where it changes. A unit that the list does
    // not hold leaves the list as it is.
    void SetRating(int k, const std::string &text, std::string_view unit, calc::RatingKind kind);
    // Chooses the kind of capacitor k + 1 as the user does in its list;
    // returns whether it changed.
    bool ChooseKind(int k, calc::RatingKind kind);
    // The kind chosen for capacitor k + 1.
    calc::RatingKind KindOf(int k) const;
    // What the margin of capacitor k + 1 is taken against, after its kind:
    // "față de vârf (c.c.)" or "față de efectivă (c.a.)".
    std::string MarginBasis(int k) const;

    // The panel that shows the check. While it is closed nothing is checked
    // and the results are empty; the recalculation that follows opening it
    // checks the current input.
    void SetOpen(bool open);
    bool Open() const { return m_open; }

    // Counts the times a capacitor's margin has turned red: each is
    // announced with lblVerificare, which says which capacitors exceed
    // their rating and by how much.
    unsigned WarningsRaised() const { return m_warnings; }

    calc::Margin MarginOf(int k) const { return m_margins.at(static_cast<std::size_t>(k)); }
    // What a screen reader says of the margin of capacitor k + 1, with its
    // basis; empty while no rating is given.
    const std::string &MarginDescription(int k) const {
        return m_descriptions.at(static_cast<std::size_t>(k));
    }

    // The panel's controls; nullptr for a control that is not the panel's.
    const TextField *Field(ControlId id) const;
    TextField *MutableField(ControlId id);
    const PickList *List(ControlId id) const;
    PickList *MutableList(ControlId id);
    const Label *LabelOf(ControlId id) const;

private:
    // Hands notifications on to the window while it is on.
    class Relay final : public NotificationSink {
    public:
        explicit Relay(NotificationSink *target)
            : m_target(target) {}
        bool &On() { return m_on; }
        void Raise(ControlId id, Notification notification) override {
            if (m_target && m_on)
                m_target->Raise(id, notification);
        }

    private:
        NotificationSink *m_target;
        bool m_on = true;
    };

    using Fields = std::array<TextField, 4>;
    struct ArrayOf {
        Control control;
        Fields RatingModel::*member;
    };
    struct SingleOf {
        Control control;
        TextField RatingModel::*member;
    };
    static const std::array<ArrayOf, 9> kArrays;
    static const std::array<SingleOf, 10> kSingles;

    void Show(const calc::RatingResult &result, const runtime::NumberFormat &format);
    void ShowWarning(const std::array<calc::Margin, 4> &before);
    double Number(const TextField &field, const runtime::NumberFormat &format) const;

    Relay m_inputs;
    Relay m_results{nullptr};
    Fields txtUn;
    std::array<PickList, 4> cboUn;
    TextField txtTol;
    TextField txtFrec;
    std::array<PickList, 4> cboTipUn;
    Fields txtUmax, txtUMUmax, txtUvarf, txtUMUvarf, txtMarja, txtUMMarja, txtW, txtUMW;
    TextField txtQ, txtUMQ, txtWt, txtUMWt, txtXc, txtUMXc, txtI, txtUMI;
    Label lblVerificare;
    CaptionLabels lblVerifCap;
    std::array<calc::Margin, 4> m_margins{};
    std::array<std::string, 4> m_descriptions;
    std::array<std::string, 4> m_excess; // by how much each exceeds its rating
    bool m_open = false;
    unsigned m_warnings = 0;
};

} // namespace window
