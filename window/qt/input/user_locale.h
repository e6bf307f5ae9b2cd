// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "number_format.h"

#include <QLocale>

namespace view {

// The separators with which `locale` writes numbers, as the conversions take
// them.
runtime::NumberFormat NumberFormatOf(const QLocale &locale);

} // namespace view
