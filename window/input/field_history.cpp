// SPDX-License-Identifier: GPL-3.0-or-later
#include "field_history.h"

namespace window {
namespace {

constexpr std::size_t kMostSteps = 100;

} // namespace

FieldHistory::FieldHistory(FieldStep start)
    : m_steps{std::move(start)} {}

void FieldHistory::Record(FieldStep step) {
    FieldStep &current = m_steps[m_current];
    if (current.text == step.text && current.unit == step.unit) {
        current.caret = step.caret;
        return;
    }
    m_steps.resize(m_current + 1);
    m_steps.push_back(std::move(step));
    if (m_steps.size() > kMostSteps)
        m_steps.erase(m_steps.begin());
    m_current = m_steps.size() - 1;
}

} // namespace window
