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
// for each capacitor, the tolerance in +-%, the frequency in Hz) are controls
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
    // in volts; +-10 %; 50 Hz. They raise no notification: the calculation
    // that follows a reset shows them.
    void ResetInputs();

    // Takes the chain as the calculation read it: the capacitances in pF
    // (0: absent) and the applied voltage in volts. While the panel is open
    // the results are rewritten for it; a failure of the check empties them
    // and shows its message.
    void Update(const std::array<double, 4> &picofarads, double volts,
                const runtime::NumberFormat &format);
    // Empties every result: no capacitor is present, or the calculation failed.
    void Clear();

    // The panel that shows the check. While it is closed nothing is checked
    // and the results are empty; opening it checks the last chain at once.
    void SetOpen(bool open, const runtime::NumberFormat &format);
    bool Open() const { return m_open; }

    calc::Margin MarginOf(int k) const { return m_margins.at(static_cast<std::size_t>(k)); }
    // What a screen reader says of the margin of capacitor k + 1.
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
        void SetOn(bool on) { m_on = on; }
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

    struct Chain {
        std::array<double, 4> picofarads;
        double volts;
    };

    void Check(const Chain &chain, const runtime::NumberFormat &format);
    void ClearResults();
    void Show(const calc::RatingResult &result, const runtime::NumberFormat &format);
    double Number(const TextField &field, const runtime::NumberFormat &format) const;

    Relay m_inputs;
    Relay m_results{nullptr};
    Fields txtUn;
    std::array<PickList, 4> cboUn;
    TextField txtTol;
    TextField txtFrec;
    Fields txtUmax, txtUMUmax, txtUvarf, txtUMUvarf, txtMarja, txtUMMarja, txtW, txtUMW;
    TextField txtQ, txtUMQ, txtWt, txtUMWt, txtXc, txtUMXc, txtI, txtUMI;
    Label lblVerificare;
    std::array<calc::Margin, 4> m_margins{};
    std::array<std::string, 4> m_descriptions;
    bool m_open = false;
    // The chain of the last good calculation, checked when the panel opens.
    std::optional<Chain> m_chain;
};

} // namespace window
