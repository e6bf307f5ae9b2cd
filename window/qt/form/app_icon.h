// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>

namespace view {

// The program's icon, 32 x 32: a green printed circuit board with chips and a
// gold edge connector.
QIcon TolvarineIcon();

} // namespace view
