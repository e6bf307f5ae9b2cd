#!/usr/bin/env bash
# Starts the program under a virtual X server, types 4.7 nF on 12 V the way a
# user does, takes a screenshot and ends the program with Esc.
# Usage: typing_test.sh <Tolvarine program> <folder for the screenshot>
set -euo pipefail
program=$1
out=$2

for tool in Xvfb xdotool import convert; do
    if ! command -v "$tool" >/dev/null; then
        echo "SKIP: $tool is not installed (Debian packages xvfb, xdotool, imagemagick)"
        exit 77
    fi
done

work=$(mktemp -d)
xvfb_pid=
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Xvfb picks a free display number and writes it to descriptor 3.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { cat "$work/xvfb.log"; echo "FAIL: Xvfb did not start"; exit 1; }
export DISPLAY=:$(head -n 1 "$work/display")

LC_ALL=C.UTF-8 "$program" &
program_pid=$!
window=$(timeout 20 xdotool search --sync --name '^ Tolvarine $' | head -n 1)
[ -n "$window" ] || { echo "FAIL: no window named ' Tolvarine '"; exit 1; }
xdotool windowfocus --sync "$window"
sleep 0.5

yellow_pixels() { # pixels of the result fields' yellow in a screenshot
    convert "$1" -fill black +opaque '#FFFF80' -fill white -opaque '#FFFF80' \
        -format '%[fx:round(mean*w*h)]' info:
}
import -window root "$work/before.png"

# C1: 4.7 nF; the applied voltage: 12 V (V is its unit at start).
xdotool key --delay 40 ctrl+a
xdotool type --delay 40 4.7
xdotool key --delay 40 Tab n
xdotool key --delay 40 Tab Tab Tab Tab Tab Tab Tab
xdotool type --delay 40 12
sleep 0.5
import -window root "$out/e2e_screenshot.png"
echo "Screenshot: $out/e2e_screenshot.png"

# The equivalent capacitance, hidden at start, is shown now: more yellow.
before=$(yellow_pixels "$work/before.png")
after=$(yellow_pixels "$out/e2e_screenshot.png")
echo "yellow pixels before: $before, after: $after"
if [ "$after" -le "$before" ]; then
    echo "FAIL: typing did not show the equivalent capacitance"
    exit 1
fi

xdotool key Escape
status=0
timeout 10 tail --pid="$program_pid" -f /dev/null || { echo "FAIL: Esc did not end the program"; exit 1; }
wait "$program_pid" || status=$?
program_pid=
if [ "$status" -ne 0 ]; then
    echo "FAIL: the program ended with exit code $status after Esc"
    exit 1
fi
echo "PASS: the program ended with exit code 0 after Esc"
