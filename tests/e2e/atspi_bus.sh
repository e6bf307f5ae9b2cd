# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end tests that read the window through AT-SPI, inside
# a D-Bus session of their own: starts the accessibility bus and waits until
# it owns its name, so that neither the program nor a reader asks for it too
# early on a slow machine (a sanitizer build, a loaded CI runner). The wait
# asks the session bus whether the name has an owner: calling the name itself
# would make D-Bus start a second launcher, which would outlive the session
# and keep the test's output open.
start_accessibility_bus() {
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
