// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What must hold on the window after every user action. Each check returns
// an empty text when it holds, otherwise what went wrong.

#include "form_actions.h"
#include "frm_tolvarine.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace fuzz {

// What the window shows, as the checks read it: before and after an action.
struct FormSnapshot {
    runtime::NumberFormat format;
    std::array<std::string, 5> inputs;       // txtCs(0..3), txtUst
    std::array<std::string, 5> inputUnits;   // cboCs(0..3), cboUst
    std::string equivalent;                  // txtCst
    std::string equivalentUnit;              // lblUMs
    std::array<bool, 3> equivalentShown{};   // txtCst, lblUMs, lblEticheteS(0)
    std::array<std::string, 4> voltages;     // txtUs
    std::array<std::string, 4> voltageUnits; // txtUMUs
    std::string error;                       // lblEroare
    bool errorShown = false;
    window::frmTolvarine::BandKind band = window::frmTolvarine::BandKind::None;
    bool designFailed = false; // the failure in the band is the design part's
    bool panelOpen = false;    // a failure of the rating check leaves the results
    // Every value field with its unit (empty for one without a list), in
    // the order of ValueFields().
    std::vector<std::pair<std::string, std::string>> values;
};

FormSnapshot Snapshot(const window::frmTolvarine &form);

// Every input field holds "0" or a number not below zero (a rating may be
// empty); no field holds a control character; a user's edit never leaves
// more than 6 characters: a longer text is one the sign removal wrote, what
// deleting left of one, or a frequency written in Hz. After an undo or a
// redo (`historyStep`) the limit is not checked: the step brings back a text
// that the field held, which the history oracle compares.
std::string CheckInputs(const FormSnapshot &after, const FormSnapshot &before,
                        bool historyStep = false);

// The results agree with the series formulas within the display rounding, or
// the error message is shown and every result is empty.
std::string CheckResults(const FormSnapshot &after, const FormSnapshot &before);

} // namespace fuzz
