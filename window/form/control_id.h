// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <compare>
#include <string>

namespace window {

// The controls of the window that hold state. The names are the window's own.
enum class Control {
    frmTolvarine, // the window itself
    txtCs,
    cboCs,
    txtUst,
    cboUst,
    txtCst,
    lblUMs,
    lblEticheteS,
    txtUs,
    txtUMUs,
    cmdClear,
    lblEroare, // the message shown when a computation fails
    // The rating check: inputs
    txtUn,    // rated voltage of each capacitor, 0 to 3
    cboUn,    // its unit
    txtTol,   // tolerance of the capacitances, +-%
    txtFrec,  // frequency of the applied voltage, Hz
    cboTipUn, // what its rating is: DC, against the peak, or AC, against the RMS value
    // its results, each a value and its unit; per capacitor, 0 to 3
    txtUmax, // worst-case RMS voltage within the tolerance
    txtUMUmax,
    txtUvarf, // its peak
    txtUMUvarf,
    txtMarja, // the rating less the peak
    txtUMMarja,
    txtW, // energy
    txtUMW,
    // of the chain
    txtQ, // charge
    txtUMQ,
    txtWt, // energy of all capacitors
    txtUMWt,
    txtXc, // reactance
    txtUMXc,
    txtI, // current
    txtUMI,
    lblVerificare, // which capacitors exceed their rating, and by how much
    lblVerifCap,   // the headers that name what is compared: 0 the rating, 3 the margin
    cmdVerificare, // opens and closes the rating check
    // The design part: which standard parts give a capacitance
    txtCd,         // the capacitance wanted
    cboCd,         // its unit
    cboNrC,        // how many parts: exactly 1 to 4, or at most 4
    cboSerie,      // the preferred-number series: E3 to E24
    txtCmin,       // the smallest part allowed
    cboCmin,       // its unit
    txtCmax,       // the largest part allowed
    cboCmax,       // its unit
    cboTipD,       // the kind of rating to propose: DC or AC
    lblProiectare, // what the parts' voltages are computed for
    cmdProiectare, // opens and closes the design part
};

// One control, or one element of a control array.
struct ControlId {
    Control control;
    int index = 0;

    auto operator<=>(const ControlId &) const = default;
};

// A capacitor as the window labels it, by its index 0 to 3: "C1" to "C4".
inline std::string CapacitorName(int index) {
    // Appended rather than "C" + ...: GCC 12 warns falsely (-Wrestrict) on
    // the inlined insert of an optimised build.
    std::string name = "C";
    name += std::to_string(index + 1);
    return name;
}

enum class Notification { Load, KeyPress, Click, Change };

// Where a control hands the notifications that an assignment raises.
class NotificationSink {
public:
    virtual void Raise(ControlId id, Notification notification) = 0;

protected:
    ~NotificationSink() = default;
};

} // namespace window
