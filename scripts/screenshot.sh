#!/usr/bin/env bash
# Takes docs/screenshot.png: the window with 10 nF and 22 nF on 230 V, under a
# virtual X server. Usage: scripts/screenshot.sh [path to the Tolvarine program]
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-build/release/app/Tolvarine}
if [ ! -x "$program" ]; then
    echo "No program at $program; build it first (scripts/run.sh) or pass its path." >&2
    exit 1
fi
for tool in Xvfb xdotool import; do
    command -v "$tool" >/dev/null || { echo "screenshot.sh needs $tool" >&2; exit 1; }
done

display=:$((90 + RANDOM % 100))
Xvfb "$display" -screen 0 1024x768x24 -nolisten tcp &
xvfb_pid=$!
program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
    kill "$xvfb_pid" 2>/dev/null || true
}
trap cleanup EXIT
export DISPLAY=$display
for _ in $(seq 50); do xdotool getmouselocation >/dev/null 2>&1 && break; sleep 0.1; done

LC_ALL=C.UTF-8 "$program" &
program_pid=$!
window=$(xdotool search --sync --name '^ Tolvarine $' | head -n 1)
xdotool windowfocus --sync "$window"
sleep 0.5

# C1 = 10 nF, C2 = 22 nF, the applied voltage 230 (V is the unit at start).
xdotool key --delay 50 ctrl+a
xdotool type --delay 50 10
xdotool key --delay 50 Tab n Tab
xdotool type --delay 50 22
xdotool key --delay 50 Tab n Tab Tab Tab Tab Tab
xdotool type --delay 50 230
# Park the caret where it hides nothing: on the button.
xdotool key --delay 50 Tab Tab
sleep 0.5

import -window "$window" docs/screenshot.png
echo "Wrote docs/screenshot.png"
