#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the program under a virtual X server with a screen reader's view of
# it (AT-SPI), opens the rating check with F2 and pastes "9e307k" into the
# frequency: 9e307 kHz is beyond the largest number in Hz. The program must
# still run, the frequency keep its value, and the message band say why,
# naming the frequency.
# Usage: extreme_paste_test.sh <Tolvarine program>
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3

source "$here/atspi_bus.sh"
in_own_session "$0" "$@"
source "$here/xvfb_session.sh"
require_reader_tools xdotool xclip
helpers=()
trap 'kill "${helpers[@]}" 2>/dev/null; cleanup' EXIT
start_accessibility_bus
helpers+=("$bus_pid")
start_xvfb
start_program "$program" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1

# F2 puts the focus on the C1 rating; the frequency is thirteen Tabs on (a
# rating, its unit and its kind for each capacitor, then the tolerance).
xdotool key F2
sleep 0.5
for _ in $(seq 13); do xdotool key --delay 40 Tab; done
printf '9e307k' | xclip -selection clipboard
xdotool key --delay 40 ctrl+a ctrl+v
sleep 0.5

failed=0
if ! kill -0 "$program_pid" 2>/dev/null; then
    echo "FAIL: the program ended"
    exit 1
fi
frequency=$("$python" "$here/atspi_window.py" fields "Frecvența" | cut -f2)
band=$("$python" "$here/atspi_window.py" alert)
echo "frequency: $frequency; message band: $band"
[ "$frequency" == "50" ] || { echo "FAIL: the frequency is not 50 as before"; failed=1; }
grep -q '^shown	Frecvența este prea mare' <<<"$band" ||
    { echo "FAIL: the band does not say that the frequency is too large"; failed=1; }
[ "$failed" -eq 0 ] && echo "PASS: 9e307k pasted into the frequency is refused with the reason"
xdotool key Escape Escape
exit "$failed"
