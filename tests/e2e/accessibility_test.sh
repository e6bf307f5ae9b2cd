#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Walks the window's accessibility tree as a screen reader gets it: AT-SPI on
# the xcb platform under Xvfb, in a D-Bus session of its own, after typing
# 10 pF and 10 pF on 230 V. Skipped (77) only when the display cannot start.
# Usage: accessibility_test.sh <Tolvarine program>
set -uo pipefail
program=$(realpath "$1")
here=$(dirname "$(realpath "$0")")

if [ "${2:-}" != --in-session ]; then
    work=$(mktemp -d)
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" \
        2>"$work/xvfb.log" &
    xvfb_pid=$!
    trap 'kill "$xvfb_pid" 2>/dev/null; rm -rf "$work"' EXIT
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    if [ ! -s "$work/display" ]; then
        cat "$work/xvfb.log"
        echo "SKIP: Xvfb did not start"
        exit 77
    fi
    DISPLAY=:$(head -n 1 "$work/display") dbus-run-session -- bash "$0" "$program" --in-session
    exit $?
fi

source "$here/atspi_bus.sh"
start_accessibility_bus
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb LC_ALL=C.UTF-8 "$program" &
program_pid=$!
trap 'kill "$program_pid" "$bus_pid" 2>/dev/null' EXIT

window=$(timeout 20 xdotool search --sync --name '^ Tolvarine $' | head -n 1)
[ -n "$window" ] || { echo "FAIL: no window named ' Tolvarine '"; exit 1; }
xdotool windowfocus --sync "$window"
sleep 0.5
# C1 and C2: 10 pF each (pF is their unit at start); the applied voltage:
# 230 V. Tab selects a field's whole text.
xdotool key --delay 40 ctrl+a
xdotool type --delay 40 10
xdotool key --delay 40 Tab Tab
xdotool type --delay 40 10
xdotool key --delay 40 Tab Tab Tab Tab Tab Tab
xdotool type --delay 40 230
sleep 0.5

/usr/bin/python3 "$here/accessibility_walk.py"
