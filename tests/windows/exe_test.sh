#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads Tolvarine.exe back: its version record field by field, its icon and
# manifest, that it is a GUI program, and that every DLL it imports is part
# of Windows (an API set, or found in the Wine prefix's system folder), so
# it runs alone.
# Usage: exe_test.sh <Tolvarine.exe>    (WINEPREFIX: a prefix Wine has made)
set -uo pipefail
exe=$1
objdump=x86_64-w64-mingw32-objdump
for tool in wrestool "$objdump"; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit 77; }
done
system32=$WINEPREFIX/drive_c/windows/system32
[ -d "$system32" ] || { echo "SKIP: no Wine prefix at $WINEPREFIX"; exit 77; }

failed=0
check() { # <what> <expected> <actual>
    if [ "$2" = "$3" ]; then
        echo "PASS: $1: $3"
    else
        echo "FAIL: $1: expected '$2', found '$3'"
        failed=1
    fi
}

# The version record's strings, each name followed by its value.
record=$(wrestool -x --raw --type=16 "$exe" | strings -el)
value() { awk -v key="$1" 'found { print; exit } $0 == key { found = 1 }' <<<"$record"; }
while read -r field expected; do
    check "$field" "$expected" "$(value "$field")"
done <<'TABLE'
ProductName Tolvarine
InternalName Tolvarine
OriginalFilename Tolvarine.exe
FileVersion 1.00
ProductVersion 1.00
TABLE

check "icon resources" yes "$(wrestool -l --type=14 "$exe" | grep -q . && echo yes || echo no)"
check "DPI awareness in the manifest" PerMonitorV2 \
    "$(wrestool -x --raw --type=24 "$exe" | grep -o 'PerMonitorV2' | head -n 1)"
headers=$("$objdump" -p "$exe")
check "subsystem" "Windows GUI" "$(sed -n 's/^Subsystem.*(\(.*\))$/\1/p' <<<"$headers")"

foreign=()
while read -r dll; do
    # api-ms-win-*: API sets, names that Windows itself resolves.
    [[ $dll == api-ms-win-* ]] || [ -e "$system32/${dll,,}" ] || foreign+=("$dll")
done < <(sed -n 's/^[[:space:]]*DLL Name: //p' <<<"$headers")
check "DLLs that are not part of Windows" "" "${foreign[*]}"
echo "size: $(stat -c %s "$exe") bytes"
exit $failed
