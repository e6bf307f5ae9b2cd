// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

#include <optional>

namespace view {

// The options that the program answers without a window or a display:
// --help (-h) prints how to use it, --version (-v) its name and version as
// QCoreApplication holds them; either ends it with exit code 0. Nothing else
// is answered here: Qt takes its own options, such as -style.
std::optional<int> AnswerCommandLine(int argc, const char *const argv[]);

// Once Qt has taken its own options from the application's arguments, any
// argument left is unknown: prints the usage line and gives exit code 2.
std::optional<int> RefuseUnknownArguments(const QStringList &arguments);

} // namespace view
