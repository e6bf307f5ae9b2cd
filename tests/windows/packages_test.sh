#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The portable zip holds the program and its texts; the installer, run
# silently under Wine for the current user and for all users, installs the
# program, its Start-menu entries (the program, its read-me) and its uninstall
# entry; the installed program starts; the uninstaller then leaves nothing of
# it behind. A failure of the program says what the program and Wine said.
# Usage: packages_test.sh <Tolvarine.exe> <setup.exe> <zip>
#        (WINE: the wine program; WINEPREFIX: its prefix)
set -uo pipefail
exe=$1
setup=$2
zip=$3

source "$(dirname "$0")/../e2e/xvfb_session.sh"
require_tools Xvfb xdotool xwininfo unzip "$WINE" "$(dirname "$WINE")/wineserver"
source "$(dirname "$0")/wine_session.sh"
failed=0
pass() { echo "PASS: $*"; }
fail() { echo "FAIL: $*"; failed=1; }

# The zip: one folder with the program and its three texts.
folder=$(basename "$zip" -win64.zip)
listing=$(unzip -Z1 "$zip" | sort | tr '\n' ' ')
expected="$folder/ $folder/LICENSE.txt $folder/README.txt $folder/THIRD-PARTY.txt $folder/Tolvarine.exe "
[ "$listing" = "$expected" ] && pass "the zip holds $listing" ||
    fail "the zip holds '$listing', expected '$expected'"
unzip -q "$zip" -d "$work/zip"
cmp -s "$exe" "$work/zip/$folder/Tolvarine.exe" && pass "the zip's program is the built one" ||
    fail "the zip's program differs from the built one"

start_xvfb
start_wine_session
drive=$WINEPREFIX/drive_c
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Tolvarine'
found() { find "$drive" -iname "$1" 2>/dev/null; }
registered() { "$WINE" reg query "$1\\$uninstall_key" >/dev/null 2>&1; }

while read -r mode hive; do
    echo "--- installing for $mode"
    run_wine "$setup" /S "/$mode"
    end_wine_session
    installed=$(found Tolvarine.exe)
    if [ "$(wc -l <<<"$installed")" -ne 1 ] || [ -z "$installed" ]; then
        fail "$mode: the program is not installed once: '$installed'"
        continue
    fi
    pass "$mode: installed as ${installed#"$drive"/}"
    cmp -s "$exe" "$installed" || fail "$mode: the installed program differs from the built one"
    shortcut=$(found Tolvarine.lnk)
    [ -n "$shortcut" ] && pass "$mode: Start-menu entry ${shortcut#"$drive"/}" ||
        fail "$mode: no Start-menu entry"
    [ -n "$(found 'Tolvarine - Citiți-mă.lnk')" ] && pass "$mode: the read-me's Start-menu entry" ||
        fail "$mode: no Start-menu entry for the read-me"
    grep -q 'meniul Start' "$(dirname "$installed")/README.txt" &&
        pass "$mode: the read-me is the installed program's" ||
        fail "$mode: the read-me installed is not the installed program's"
    registered "$hive" && pass "$mode: uninstall entry under $hive" ||
        fail "$mode: no uninstall entry under $hive"

    start_wine_program "$installed"
    if wait_for_window; then
        timeout "$window_limit" xdotool windowfocus --sync "$window" key Escape
        if wait_for_end && [ "$status" = 0 ]; then
            pass "$mode: the installed program starts and ends with Esc"
        else
            fail "$mode: the installed program ended with $status after Esc"
            explain
        fi
    else
        fail "$mode: the installed program shows no window"
    fi
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    program_pid=
    end_wine_session

    dir=$(dirname "$installed")
    run_wine "$dir/Uninstall.exe" /S
    end_wine_session
    left=$( { [ -e "$dir" ] && echo "$dir"; found Tolvarine.lnk; found 'Tolvarine - Citiți-mă.lnk'; } |
        sed "s|$drive/||")
    registered "$hive" && left+=" the uninstall entry"
    [ -z "$left" ] && pass "$mode: the uninstaller left nothing behind" ||
        fail "$mode: the uninstaller left $left"
done <<'TABLE'
CurrentUser HKCU
AllUsers HKLM
TABLE
exit $failed
