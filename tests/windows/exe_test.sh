#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Reads Tolvarine.exe back: its version record field by field, its icon in
# every size Windows asks for, all of one drawing, its manifest, that it is a
# GUI program, and that every DLL it imports is part of Windows (an API set,
# or found in the Wine prefix's system folder), so it runs alone.
# Usage: exe_test.sh <Tolvarine.exe> <version>
#        (WINEPREFIX: a prefix Wine has made)
set -uo pipefail
exe=$1
version=$2
objdump=x86_64-w64-mingw32-objdump
for tool in wrestool icotool convert compare "$objdump"; do
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
TABLE
check FileVersion "$version" "$(value FileVersion)"
check ProductVersion "$version" "$(value ProductVersion)"

# The icon: 32 and 256 pixels repeat the drawing's pixels, so the 256 one
# shrunk to 32 is the 32 one exactly; the others are the 256 one smoothed
# down, within the difference of two smoothing filters (a mirrored drawing
# differs by twice as much).
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
wrestool -x --type=14 "$exe" >"$work/icon.ico"
sizes=$(icotool -l "$work/icon.ico" | sed -n 's/.*--width=\([0-9]*\).*/\1/p' | sort -n | xargs)
check "icon sizes" "16 24 32 48 256" "$sizes"
icotool -x -o "$work" "$work/icon.ico"
image() { find "$work" -name "icon_*_$1x$1x*.png" | head -n 1; }
if [ -n "$(image 256)" ] && [ -n "$(image 32)" ]; then
    convert "$(image 256)" -scale 32x32 "$work/256to32.png"
    check "the 256 px icon is the 32 px one, each pixel 8 x 8" 0 \
        "$(compare -metric AE "$work/256to32.png" "$(image 32)" null: 2>&1)"
    for size in 16 24 48; do
        [ -n "$(image $size)" ] || continue
        convert "$(image 256)" -resize "${size}x$size" "$work/down.png"
        difference=$(compare -metric RMSE "$work/down.png" "$(image $size)" null: 2>&1 |
            sed 's/.*(\(.*\))/\1/')
        check "the $size px icon is the drawing smoothed down" yes \
            "$(awk -v d="$difference" 'BEGIN { print (d < 0.08) ? "yes" : "no, " d }')"
    done
fi
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
