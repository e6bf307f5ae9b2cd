// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control_id.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace window {

enum class FieldKind { Editable, ReadOnly };

// A single-line text field. Assigning its text from code replaces the whole
// text and raises the change notification inside the assignment.
class TextField {
public:
    TextField(NotificationSink &sink, ControlId id, std::string designText, FieldKind kind,
              std::optional<std::size_t> limit = std::nullopt);

    const std::string &Text() const { return m_text; }
    void SetText(std::string text);

    bool Shown() const { return m_shown; }
    void SetShown(bool shown) { m_shown = shown; }

    bool ReadOnly() const { return m_kind == FieldKind::ReadOnly; }
    // The most characters a user may put into the field; none for most fields.
    std::optional<std::size_t> Limit() const { return m_limit; }

    // Marked as the cause of a failed computation, until the next good one.
    bool Marked() const { return m_marked; }
    void SetMarked(bool marked) { m_marked = marked; }

private:
    NotificationSink &m_sink;
    ControlId m_id;
    std::string m_text;
    FieldKind m_kind;
    std::optional<std::size_t> m_limit;
    bool m_shown = true;
    bool m_marked = false;
};

// A drop-down list whose text is always one of its entries, or empty while no
// entry is chosen. Assigning the text of an entry chooses it and raises the
// click notification inside the assignment.
class PickList {
public:
    PickList(NotificationSink &sink, ControlId id, std::vector<std::string> entries);

    const std::string &Text() const;
    void SetText(const std::string &text);

    const std::string &List(int entry) const {
        return m_entries.at(static_cast<std::size_t>(entry));
    }
    int ListCount() const { return static_cast<int>(m_entries.size()); }
    // The chosen entry, or -1 while none is chosen.
    int ListIndex() const { return m_chosen; }
    // Chooses an entry and raises the click notification, as a user's choice does.
    void Choose(int entry);

private:
    NotificationSink &m_sink;
    ControlId m_id;
    std::vector<std::string> m_entries;
    int m_chosen = -1;
};

// A label: its caption and visibility change without any notification.
class Label {
public:
    explicit Label(std::string caption)
        : m_caption(std::move(caption)) {}

    const std::string &Caption() const { return m_caption; }
    void SetCaption(std::string caption) { m_caption = std::move(caption); }
    bool Shown() const { return m_shown; }
    void SetShown(bool shown) { m_shown = shown; }

private:
    std::string m_caption;
    bool m_shown = true;
};

// The captions of a label array that has the elements 0 and 3 only.
class CaptionLabels {
public:
    CaptionLabels(std::string caption0, std::string caption3);
    Label &operator[](int index);
    const Label &operator[](int index) const;

private:
    Label m_0;
    Label m_3;
};

class Button {
public:
    explicit Button(std::string caption)
        : m_caption(std::move(caption)) {}
    const std::string &Caption() const { return m_caption; }

private:
    std::string m_caption;
};

} // namespace window
