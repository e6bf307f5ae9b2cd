// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

namespace view {

inline constexpr std::string_view kNoDisplayMessage =
    "Tolvarine needs a graphical display (X11 or Wayland), and none was found; "
    "set DISPLAY or WAYLAND_DISPLAY, or start it from a desktop session.";

// Whether a window can be shown: on Linux a display or a Qt platform is named
// in the environment. Elsewhere there always is one.
bool DisplayAvailable();

// While it lives, a Qt platform that fails to start (a display that is named
// but cannot be reached) ends the program with kNoDisplayMessage, as the
// first line on stderr, and exit code 1 instead of aborting it. What Qt says
// meanwhile follows that line, or is printed when the guard ends.
class DisplayFailureGuard {
public:
    DisplayFailureGuard();
    ~DisplayFailureGuard();
    DisplayFailureGuard(const DisplayFailureGuard &) = delete;
    DisplayFailureGuard &operator=(const DisplayFailureGuard &) = delete;
};

} // namespace view
