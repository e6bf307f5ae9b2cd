// SPDX-License-Identifier: GPL-3.0-or-later
#include "controls.h"

#include <algorithm>
#include <stdexcept>
#include <utility>

namespace window {

TextField::TextField(NotificationSink &sink, ControlId id, std::string designText, FieldKind kind,
                     std::optional<std::size_t> limit)
    : m_sink(sink)
    , m_id(id)
    , m_text(std::move(designText))
    , m_kind(kind)
    , m_limit(limit) {}

void TextField::SetText(std::string text) {
    // An unchanged text raises nothing; no result depends on it.
    if (text == m_text)
        return;
    // The program's own texts are kept whole: the limit binds the user only.
    m_text = std::move(text);
    m_sink.Raise(m_id, Notification::Change);
}

PickList::PickList(NotificationSink &sink, ControlId id, std::vector<std::string> entries)
    : m_sink(sink)
    , m_id(id)
    , m_entries(std::move(entries)) {}

const std::string &PickList::Text() const {
    static const std::string none;
    return m_chosen < 0 ? none : m_entries[static_cast<std::size_t>(m_chosen)];
}

void PickList::SetText(const std::string &text) {
    const auto found = std::find(m_entries.begin(), m_entries.end(), text);
    if (found == m_entries.end())
        throw std::invalid_argument("no such entry: " + text);
    const int entry = static_cast<int>(found - m_entries.begin());
    if (entry == m_chosen)
        return;
    m_chosen = entry;
    m_sink.Raise(m_id, Notification::Click);
}

void PickList::Choose(int entry) {
    if (entry < 0 || entry >= ListCount())
        throw std::out_of_range("no such entry");
    m_chosen = entry;
    m_sink.Raise(m_id, Notification::Click);
}

CaptionLabels::CaptionLabels(std::string caption0, std::string caption3)
    : m_0(std::move(caption0))
    , m_3(std::move(caption3)) {}

Label &CaptionLabels::operator[](int index) {
    return const_cast<Label &>(std::as_const(*this)[index]);
}

const Label &CaptionLabels::operator[](int index) const {
    if (index == 0)
        return m_0;
    if (index == 3)
        return m_3;
    throw std::out_of_range("lblEticheteS has the elements 0 and 3 only");
}

} // namespace window
