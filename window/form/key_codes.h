// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace window {

// The character codes of keys that the window previews.
inline constexpr std::int16_t kKeyEscape = 27;

} // namespace window
