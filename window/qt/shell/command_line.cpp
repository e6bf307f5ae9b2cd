// SPDX-License-Identifier: GPL-3.0-or-later
#include "command_line.h"

#include "project_info.h"

#include <QCoreApplication>

#include <cstdio>
#include <string_view>

namespace view {
namespace {

constexpr std::string_view kUsage = "Usage: Tolvarine [--help] [--version] [Qt options]\n";
constexpr std::string_view kHelp =
    "Capacitors in series: the equivalent capacitance and the voltage across each of up\n"
    "to four capacitors, in a window whose texts are Romanian.\n"
    "\n"
    "  -h, --help     print this help and exit\n"
    "  -v, --version  print the version and exit\n"
    "\n"
    "In the window: unit letters choose the unit as they are typed (4n7 is 4.7 nF,\n"
    "1k5 is 1.5 kV); F2 opens the rating check; Ctrl+Shift+C copies the results;\n"
    "Ctrl+Z undoes an edit; Esc ends the program.\n";

} // namespace

std::optional<int> AnswerCommandLine(int argc, const char *const argv[]) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--help" || argument == "-h") {
            std::fwrite(kUsage.data(), 1, kUsage.size(), stdout);
            std::fwrite(kHelp.data(), 1, kHelp.size(), stdout);
            return 0;
        }
        if (argument == "--version" || argument == "-v") {
            const QString version = QCoreApplication::applicationName() + QLatin1Char(' ') +
                                    QCoreApplication::applicationVersion();
            std::printf("%s\n%s\n", qPrintable(version), project::kLicenceLine);
            return 0;
        }
    }
    return std::nullopt;
}

std::optional<int> RefuseUnknownArguments(const QStringList &arguments) {
    if (arguments.size() < 2)
        return std::nullopt;
    std::fprintf(stderr, "Tolvarine: unknown option '%s'\n", qPrintable(arguments.at(1)));
    std::fwrite(kUsage.data(), 1, kUsage.size(), stderr);
    return 2;
}

} // namespace view
