// SPDX-License-Identifier: GPL-3.0-or-later
#include "user_locale.h"

namespace view {

runtime::NumberFormat NumberFormatOf(const QLocale &locale) {
    return {locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

} // namespace view
