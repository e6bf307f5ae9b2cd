// SPDX-License-Identifier: GPL-3.0-or-later
#include "form_history.h"

namespace fuzz {
namespace {

constexpr std::size_t kMostSteps = 100;

std::string Shown(const std::pair<std::string, std::string> &step) {
    return "\"" + step.first + "\" " + step.second;
}

} // namespace

HistoryOracle::HistoryOracle(const FormSnapshot &start) {
    for (const auto &value : start.values)
        m_fields.push_back({{value}, 0});
}

void HistoryOracle::Record(const FormSnapshot &after) {
    for (std::size_t k = 0; k < m_fields.size(); ++k) {
        Steps &field = m_fields[k];
        if (after.values[k] == field.steps[field.current])
            continue;
        field.steps.resize(field.current + 1);
        field.steps.push_back(after.values[k]);
        if (field.steps.size() > kMostSteps)
            field.steps.erase(field.steps.begin());
        field.current = field.steps.size() - 1;
    }
}

std::string HistoryOracle::CheckStep(const Action &action, const FormSnapshot &before,
                                     const FormSnapshot &after) {
    const std::vector<window::ControlId> ids = ValueFields();
    for (std::size_t k = 0; k < ids.size(); ++k) {
        if (ids[k] != action.target) {
            if (after.values[k] != before.values[k])
                return "field " + std::to_string(k) + " changed from " + Shown(before.values[k]) +
                       " to " + Shown(after.values[k]);
            continue;
        }
        Steps &field = m_fields[k];
        const bool back = action.kind == ActionKind::Undo;
        if (back ? field.current > 0 : field.current + 1 < field.steps.size())
            field.current += back ? -1 : 1;
        const Step &expected = field.steps[field.current];
        if (after.values[k] != expected)
            return "the field shows " + Shown(after.values[k]) + ", its step is " + Shown(expected);
    }
    return {};
}

} // namespace fuzz
