#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program under a virtual X server, types 4.7 nF on 12 V the way a
# user does, takes a screenshot and ends the program with Esc.
# Usage: typing_test.sh <Tolvarine program> <folder for the screenshot>
set -euo pipefail
program=$1
out=$2

source "$(dirname "$0")/xvfb_session.sh"
require_tools Xvfb xdotool import convert
start_xvfb
start_program "$program"

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
