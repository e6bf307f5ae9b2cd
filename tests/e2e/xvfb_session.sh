# SPDX-License-Identifier: GPL-3.0-or-later
# Sourced by the end-to-end tests that drive the program under a virtual X
# server: a temporary folder $work, and on exit the program and the server
# ended and the folder removed.

work=$(mktemp -d)
xvfb_pid=
program_pid=
window=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Exits with 77, CTest's "skipped", when a tool is missing.
require_tools() {
    for tool in "$@"; do
        if ! command -v "$tool" >/dev/null; then
            echo "SKIP: $tool is not installed"
            exit 77
        fi
    done
}

# Xvfb picks a free display number and writes it to descriptor 3.
start_xvfb() {
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
    [ -s "$work/display" ] || { cat "$work/xvfb.log"; echo "FAIL: Xvfb did not start"; exit 1; }
    export DISPLAY=:$(head -n 1 "$work/display")
}

# Starts the program in an English locale and gives its window the focus.
# Environment settings after the program's path come on top (LC_ALL=...).
start_program() {
    local program=$1
    shift
    env LC_ALL=C.UTF-8 "$@" "$program" &
    program_pid=$!
    window=$(timeout 20 xdotool search --sync --name '^ Tolvarine $' | head -n 1)
    [ -n "$window" ] || { echo "FAIL: no window named ' Tolvarine '"; exit 1; }
    xdotool windowfocus --sync "$window"
    sleep 0.5
}
