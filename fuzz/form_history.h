// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The undo oracle: each value field's steps of text and unit as the fuzz
// target saw them, and what an undo or redo must bring back.

#include "form_actions.h"
#include "form_checks.h"

#include <string>
#include <utility>
#include <vector>

namespace fuzz {

class HistoryOracle {
public:
    explicit HistoryOracle(const FormSnapshot &start);

    // Checks an undo or redo of `action.target`: that field shows the step
    // before or after, and no other value field changed. Empty when it holds.
    std::string CheckStep(const Action &action, const FormSnapshot &before,
                          const FormSnapshot &after);
    // Any other action: every changed field has a new step.
    void Record(const FormSnapshot &after);

private:
    using Step = std::pair<std::string, std::string>; // text, unit
    struct Steps {
        std::vector<Step> steps;
        std::size_t current = 0;
    };
    std::vector<Steps> m_fields; // in the order of ValueFields()
};

} // namespace fuzz
