// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string>

namespace runtime {

// The separators of the user's locale, as UTF-8 texts (a separator may be more
// than one byte, such as the no-break space of a French locale).
struct NumberFormat {
    std::string decimal = ".";
    std::string group = ",";

    bool operator==(const NumberFormat &) const = default;
};

} // namespace runtime
