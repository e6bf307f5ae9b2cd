#pragma once

#include <compare>

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
};

// One control, or one element of a control array.
struct ControlId {
    Control control;
    int index = 0;

    auto operator<=>(const ControlId &) const = default;
};

enum class Notification { Load, KeyPress, Click, Change };

// Where a control hands the notifications that an assignment raises.
class NotificationSink {
public:
    virtual void Raise(ControlId id, Notification notification) = 0;

protected:
    ~NotificationSink() = default;
};

} // namespace window
