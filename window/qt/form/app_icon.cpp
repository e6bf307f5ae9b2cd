// SPDX-License-Identifier: GPL-3.0-or-later
#include "app_icon.h"

#include "tolvarine.xpm"

#include <QPixmap>

namespace view {

QIcon TolvarineIcon() {
    return QIcon(QPixmap(tolvarine_xpm));
}

} // namespace view
