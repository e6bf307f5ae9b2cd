// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A byte stream decoded into the user's actions on the window, as the view
// would deliver them: typing or pasting any text at any caret position or over
// a selection, deleting, choosing a list entry, the reset button, opening
// and closing the rating check (whose fields take edits only while open), any key,
// undo and redo, and a value with a known meaning entered as users write
// values (see form_intent.h).

#include "control_id.h"
#include "form_intent.h"
#include "frm_tolvarine.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace fuzz {

enum class ActionKind {
    Insert,
    Delete,
    ReplaceAll,
    Choose,
    Clear,
    Panel,
    Key,
    Undo,
    Redo,
    Enter,
    UseRow
};

struct Action {
    ActionKind kind = ActionKind::Key;
    window::ControlId target{window::Control::frmTolvarine, 0};
    std::size_t from = 0;   // first character of the selection (Insert, Delete)
    std::size_t length = 0; // characters selected (Insert, Delete)
    std::string text;       // what is typed or pasted (Insert, ReplaceAll)
    int entry = 0;          // the chosen entry (Choose), the design row used (UseRow)
    std::int16_t key = 0;   // the character code (Key)
    // An insertion of one character is typed, of more a paste.
    window::EditSource source = window::EditSource::Typed;
    Intent intent; // Enter
};

// The actions and the locale that a fuzz input stands for.
struct Script {
    runtime::NumberFormat format;
    std::vector<Action> actions;
};

Script DecodeScript(const std::uint8_t *data, std::size_t size);

// Hands the action to the window as the view would: the whole new text of the
// field with the caret after what was typed, the chosen entry, the click or
// the key.
// `afterEach` runs after each edit of a value entered key by key, and once
// after any other action.
void Perform(window::frmTolvarine &form, const Action &action,
             const std::function<void()> &afterEach);

std::string Describe(const Action &action);

// The input fields: txtCs(0) to txtCs(3), then txtUst.
std::vector<window::ControlId> InputFields();

// Every value field, as the design values list them: the window's own
// inputs txtCs(0) to txtCs(3) and txtUst, then the rating check's and the
// design part's.
std::vector<window::ControlId> ValueFields();

} // namespace fuzz
