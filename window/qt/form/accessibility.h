// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// moc need not read the model.
#ifndef Q_MOC_RUN
#include "frm_tolvarine.h"
#endif

#include <map>
#include <string>

class QLineEdit;

// What a screen reader learns of the window beyond the widgets' own names.
namespace view {

// Gives every unit list its own name, with its chosen entry as its value: on
// Linux Qt would name a list by its chosen entry, so that the five lists
// would share the names "pF" and "V". Installs once for the program.
void InstallListAccessibility();

// Describes each result field as a read-only result, led by the unit that
// stands beside it ("nF. Rezultat, numai pentru citire."), so that a screen
// reader says the value with its unit. `describedUnits` holds the unit each
// field was last described with: a field is described again only when its
// unit has changed.
void DescribeResults(const window::frmTolvarine &form,
                     const std::map<window::ControlId, QLineEdit *> &fields,
                     std::map<window::ControlId, std::string> &describedUnits);

} // namespace view
