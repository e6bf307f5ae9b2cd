// SPDX-License-Identifier: GPL-3.0-or-later
#include "display_check.h"

#include <QString>
#include <QtGlobal>

#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace view {
namespace {

#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
bool IsSet(const char *name) {
    return !qEnvironmentVariableIsEmpty(name);
}
#endif

// What Qt says while the platform starts, held back so that a failure is
// told by the program's own message first. Qt's message handler takes no
// context, hence one list for the program.
QStringList &HeldMessages() {
    static QStringList held;
    return held;
}

void PrintHeldMessages() {
    for (const QString &message : HeldMessages())
        std::fprintf(stderr, "%s\n", qPrintable(message));
    HeldMessages().clear();
}

void ExitOnFatal(QtMsgType type, const QMessageLogContext &, const QString &message) {
    if (type != QtFatalMsg) {
        HeldMessages().append(message);
        return;
    }
    std::fprintf(stderr, "%.*s\n", static_cast<int>(kNoDisplayMessage.size()),
                 kNoDisplayMessage.data());
    PrintHeldMessages();
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

bool DisplayAvailable() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    return IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY") || IsSet("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

DisplayFailureGuard::DisplayFailureGuard() {
    qInstallMessageHandler(ExitOnFatal);
}

DisplayFailureGuard::~DisplayFailureGuard() {
    qInstallMessageHandler(nullptr);
    PrintHeldMessages();
}

} // namespace view
