# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end tests that read the window through AT-SPI, inside
# a D-Bus session of their own: starts the accessibility bus and waits until
# it owns its name, so that neither the program nor a reader asks for it too
# early on a slow machine (a sanitizer build, a loaded CI runner). The wait
# asks the session bus whether the name has an owner: calling the name itself
# would make D-Bus start a second launcher, which would outlive the session
# and keep the test's output open.
#
# The bus's socket lies in the runtime folder, or without one in the home
# folder's cache, where tests running at the same time would take each
# other's: each session gets a runtime folder of its own.
start_accessibility_bus() {
    XDG_RUNTIME_DIR=$(mktemp -d "${work:-${TMPDIR:-/tmp}}/runtime.XXXXXX")
    export XDG_RUNTIME_DIR
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    bus_pid=$!
    for _ in $(seq 200); do
        if dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
            org.freedesktop.DBus.NameHasOwner string:org.a11y.Bus 2>/dev/null |
            grep -q 'boolean true'; then
            return 0
        fi
        sleep 0.1
    done
    echo "FAIL: the accessibility bus did not answer within 20 s"
    exit 1
}

# Runs the test script (its path and arguments given) again inside a D-Bus
# session of its own; returns once it runs there.
in_own_session() {
    [ -n "${TOLVARINE_TEST_SESSION:-}" ] && return 0
    command -v dbus-run-session >/dev/null || { echo "SKIP: dbus is not installed"; exit 77; }
    exec env TOLVARINE_TEST_SESSION=1 dbus-run-session -- bash "$@"
}

# What a test that reads the window needs besides the given tools: the
# virtual X server, the accessibility bus and Python's AT-SPI binding
# (require_tools is xvfb_session.sh's).
require_reader_tools() {
    require_tools Xvfb /usr/libexec/at-spi-bus-launcher "$@"
    /usr/bin/python3 -c 'import pyatspi' 2>/dev/null ||
        { echo "SKIP: python3-pyatspi is not installed"; exit 77; }
}
