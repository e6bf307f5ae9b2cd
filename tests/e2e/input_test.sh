#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Types and pastes into the real window as a user does, in a Romanian and an
# English locale, and reads the fields and the message band back through the
# accessibility bus, as a screen reader would.
# Usage: input_test.sh <Tolvarine program>
set -euo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3

# A private session bus, with the accessibility bus on it.
source "$here/atspi_bus.sh"
in_own_session "$0" "$@"
source "$here/xvfb_session.sh"
require_reader_tools xdotool xclip
for name in ro_RO en_US; do
    if ! locale -a | grep -qx "$name.utf8"; then
        echo "SKIP: no locale $name.UTF-8 (scripts/install-deps.sh test)"
        exit 77
    fi
done

helpers=()
trap 'kill "${helpers[@]}" 2>/dev/null; cleanup' EXIT
start_accessibility_bus
helpers+=("$bus_pid")
start_xvfb

start() { # <locale>
    start_program "$program" LC_ALL="$1" QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
}

stop() {
    xdotool key Escape
    timeout 10 tail --pid="$program_pid" -f /dev/null || echo "FAIL: Esc did not end the program"
    wait "$program_pid" || true
    program_pid=
}

keys() { xdotool key --delay 60 "$@"; }
typed() { xdotool type --delay 80 "$1"; }
pasted() { # <text>: the clipboard's text pasted over the whole field
    printf '%b' "$1" | xclip -selection clipboard
    keys ctrl+a ctrl+v
}

failed=0
declare -A shown
read_fields() { # <accessible name>...
    sleep 0.3
    shown=()
    while IFS=$'\t' read -r name text; do
        shown[$name]=$text
    done < <("$python" "$here/atspi_window.py" fields "$@")
}
expect() { # <what> <accessible name> <text>
    if [ "${shown[$2]-<missing>}" == "$3" ]; then
        echo "PASS ($1): $2 shows '$3'"
    else
        echo "FAIL ($1): $2 shows '${shown[$2]-<missing>}', expected '$3'"
        failed=1
    fi
}
expect_band() { # <what> <shown|hidden> <message>
    local state text
    IFS=$'\t' read -r state text < <("$python" "$here/atspi_window.py" alert)
    if [ "$state" == "$2" ] && { [ "$2" == hidden ] || [ "$text" == "$3" ]; }; then
        echo "PASS ($1): the message band is $2 ${3:+with '$3'}"
    else
        echo "FAIL ($1): the message band is $state with '$text', expected $2 ${3:+with '$3'}"
        failed=1
    fi
}

# Romanian: the point typed from the keyboard is the decimal mark too.
start ro_RO.UTF-8
keys ctrl+a
typed 4.7
keys Tab n Tab Tab Tab Tab Tab Tab Tab
typed 12
read_fields C1 "Capacitate echivalentă" "Tensiunea pe C1" "Unitatea tensiunii pe C1"
expect "ro, 4.7 nF on 12 V" C1 4.7
expect "ro, 4.7 nF on 12 V" "Capacitate echivalentă" 4,7
expect "ro, 4.7 nF on 12 V" "Tensiunea pe C1" 12
expect "ro, 4.7 nF on 12 V" "Unitatea tensiunii pe C1" V
stop

# Romanian: unit letters as engineers write them, a spreadsheet cell's line
# break, and an undo that brings a paste's unit back with its value.
start ro_RO.UTF-8
pasted '100nF\n'
keys Tab Tab Tab Tab Tab Tab Tab Tab
typed 1k5V
read_fields C1 "Unitatea C1" "Tensiunea aplicată" "Unitatea tensiunii aplicate" \
    "Capacitate echivalentă" "Tensiunea pe C1" "Unitatea tensiunii pe C1"
expect "ro, 100nF pasted" C1 100
expect "ro, 100nF pasted" "Unitatea C1" nF
expect "ro, 1k5V typed" "Tensiunea aplicată" 1,5
expect "ro, 1k5V typed" "Unitatea tensiunii aplicate" kV
expect "ro, 100 nF on 1.5 kV" "Capacitate echivalentă" 100
expect "ro, 100 nF on 1.5 kV" "Tensiunea pe C1" 1,5
expect "ro, 100 nF on 1.5 kV" "Unitatea tensiunii pe C1" kV
pasted '230 mV'
read_fields "Tensiunea aplicată" "Unitatea tensiunii aplicate" "Tensiunea pe C1"
expect "ro, 230 mV pasted" "Tensiunea aplicată" 230
expect "ro, 230 mV pasted" "Unitatea tensiunii aplicate" mV
expect "ro, 230 mV pasted" "Tensiunea pe C1" 230
keys ctrl+z
read_fields "Tensiunea aplicată" "Unitatea tensiunii aplicate" "Tensiunea pe C1" \
    "Unitatea tensiunii pe C1"
expect "ro, the paste undone" "Tensiunea aplicată" 1,5
expect "ro, the paste undone" "Unitatea tensiunii aplicate" kV
expect "ro, the paste undone" "Tensiunea pe C1" 1,5
expect "ro, the paste undone" "Unitatea tensiunii pe C1" kV
stop

# English: an error names its cause, and a paste too long for the field is
# refused whole with a message; a screen reader hears both. Grouping typed
# key by key is never wiped.
start en_US.UTF-8
too_small="Capacitatea C1 este prea mică: inversul ei depășește domeniul numeric. Măriți-o."
too_long="Textul lipit este prea lung pentru C1 (cel mult 6 caractere)."
"$python" "$here/atspi_window.py" listen 10 >"$work/alerts" &
listener=$!
helpers+=("$listener")
for _ in $(seq 50); do grep -q listening "$work/alerts" && break; sleep 0.1; done
pasted 4e-320
expect_band "en, capacitance too small" shown "$too_small"
pasted 100000000
read_fields C1
expect "en, paste too long" C1 4e-320
expect_band "en, paste too long" shown "$too_long"
keys ctrl+a
typed 1,000
keys Tab Tab Tab Tab Tab Tab Tab Tab
pasted ' 10\n'
read_fields C1 "Tensiunea aplicată" "Capacitate echivalentă" "Tensiunea pe C1"
expect "en, 1,000 pF on a pasted 10 V" C1 1,000
expect "en, 1,000 pF on a pasted 10 V" "Tensiunea aplicată" 10
expect "en, 1,000 pF on a pasted 10 V" "Capacitate echivalentă" 1
expect "en, 1,000 pF on a pasted 10 V" "Tensiunea pe C1" 10
expect_band "en, the next edit" hidden ""
# One undo brings back what the program's rewrite to "0" replaced.
typed x
keys ctrl+z
read_fields "Tensiunea aplicată" "Tensiunea pe C1"
expect "en, undo after a rewrite" "Tensiunea aplicată" 10
expect "en, undo after a rewrite" "Tensiunea pe C1" 10
wait "$listener" || true
if [ "$(grep '^alert' "$work/alerts")" == "$(printf 'alert\t%s\nalert\t%s' "$too_small" "$too_long")" ]; then
    echo "PASS (en): both messages were announced as alerts on the accessibility bus"
else
    echo "FAIL (en): the alerts announced on the accessibility bus were:"
    cat "$work/alerts"
    failed=1
fi
stop

exit $failed
