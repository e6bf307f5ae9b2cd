// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace window {

// What a value field shows at one step: its text with its unit (the chosen
// entry of its list; -1 for a field without one) and where the caret stood.
struct FieldStep {
    std::string text;
    int unit = -1;
    std::size_t caret = 0;
};

// The undo history of one value field: one step per change of its text or
// its unit, whoever made it, up to a hundred steps.
class FieldHistory {
public:
    explicit FieldHistory(FieldStep start);

    // The field shows `step` now: a change of text or unit is a new step,
    // which ends what could be redone; otherwise only the caret moves.
    void Record(FieldStep step);

    const FieldStep &Current() const { return m_steps[m_current]; }
    bool CanUndo() const { return m_current > 0; }
    bool CanRedo() const { return m_current + 1 < m_steps.size(); }
    // Step back or forward; the caller checks that it can.
    const FieldStep &Undo() { return m_steps[--m_current]; }
    const FieldStep &Redo() { return m_steps[++m_current]; }

private:
    std::vector<FieldStep> m_steps;
    std::size_t m_current = 0;
};

} // namespace window
