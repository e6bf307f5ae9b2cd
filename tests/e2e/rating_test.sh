#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program under a virtual X server, types 2 x 100 nF on 230 V in
# engineering notation, opens the rating check with F2, rates both capacitors
# at 160 V, sees the margins turn red, copies the results with Ctrl+Shift+C
# and reads them back from the clipboard.
# Usage: rating_test.sh <Tolvarine program> <folder for the screenshot>
set -euo pipefail
program=$1
out=$2

source "$(dirname "$0")/xvfb_session.sh"
require_tools Xvfb xdotool import convert xclip
start_xvfb
start_program "$program"

red_pixels() { # pixels of the margin's red in a screenshot of the window
    convert "$1" -fx '(r>0.55 && g<0.25 && b<0.25) ? 1 : 0' -format '%[fx:round(mean*w*h)]' info:
}
height() { xdotool getwindowgeometry "$window" | sed -n 's/.*Geometry: [0-9]*x//p'; }

# C1 and C2: 100n, the unit letter choosing nF; 230 V applied.
xdotool key --delay 40 ctrl+a
xdotool type --delay 40 100n
xdotool key --delay 40 Tab Tab
xdotool type --delay 40 100n
xdotool key --delay 40 Tab Tab Tab Tab Tab Tab
xdotool type --delay 40 230
closed=$(height)

# F2 opens the panel, the window grows downwards, the focus goes to the C1 rating.
xdotool key F2
sleep 0.5
opened=$(height)
echo "window height closed: $closed, open: $opened"
[ "$opened" -gt "$closed" ] || { echo "FAIL: F2 did not open the panel"; exit 1; }
import -window "$window" "$work/unrated.png"
xdotool type --delay 40 160
xdotool key --delay 40 Tab Tab
xdotool type --delay 40 160
sleep 0.5
import -window "$window" "$out/e2e_rating.png"
echo "Screenshot: $out/e2e_rating.png"
before=$(red_pixels "$work/unrated.png")
after=$(red_pixels "$out/e2e_rating.png")
echo "red pixels before the ratings: $before, after: $after"
[ "$before" -eq 0 ] && [ "$after" -gt 0 ] || { echo "FAIL: the margins did not turn red"; exit 1; }

xdotool key ctrl+shift+c
sleep 0.3
xclip -selection clipboard -o >"$work/clipboard.txt"
cat "$work/clipboard.txt"
expect_line() {
    grep -qxF "$(printf "$1")" "$work/clipboard.txt" || { echo "FAIL: no line '$1'"; exit 1; }
}
expect_line 'C1\t100\tnF\t115\tV'
expect_line 'Tensiunea aplicată\t230\tV'
expect_line 'Capacitate echivalentă\t50\tnF'
expect_line 'C2\t160\tV\t126.5\tV\t178.898\tV\t-18.898\tV\tdepășește\t661.25\tuJ'
expect_line 'Reactanță Xc\t63.662\tkΩ'
echo "PASS: the rating check marks both capacitors and the results reach the clipboard"

xdotool key Escape
timeout 10 tail --pid="$program_pid" -f /dev/null || { echo "FAIL: Esc did not end the program"; exit 1; }
program_pid=
