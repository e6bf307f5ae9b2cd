// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "control_id.h"

namespace window {

class frmTolvarine;

// Sees every notification that the form delivers, with the nesting depth at
// which its handler runs (1 for a notification from the user), and every run
// of the recalculation. Given to the form when it is created.
class DeliveryObserver {
public:
    virtual void Delivered(const frmTolvarine &form, ControlId id, Notification notification,
                           int depth) = 0;
    virtual void Recalculated() {}

protected:
    ~DeliveryObserver() = default;
};

} // namespace window
