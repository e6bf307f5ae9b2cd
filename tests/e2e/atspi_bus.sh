# Sourced by the end-to-end tests that read the window through AT-SPI, inside
# a D-Bus session of their own: starts the accessibility bus and waits until
# it answers, so that neither the program nor a reader asks for it too early
# on a slow machine (a sanitizer build, a loaded CI runner).
start_accessibility_bus() {
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    bus_pid=$!
    for _ in $(seq 200); do
        if dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus \
            org.a11y.Bus.GetAddress >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.1
    done
    echo "FAIL: the accessibility bus did not answer within 20 s"
    exit 1
}
