// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>

namespace view {

// The options that the program answers without a window or a display:
// --help (-h) prints how to use it, --version (-v) its name and version as
// QCoreApplication holds them; either ends it with exit code 0. Nothing else
// is answered here: Qt takes its own options, such as -style.
std::optional<int> AnswerCommandLine(int argc, const char *const argv[]);

} // namespace view
