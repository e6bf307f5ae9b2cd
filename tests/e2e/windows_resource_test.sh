#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Compiles the Windows resource with MinGW's windres, so that it cannot rot,
# and reads its version record and icon back.
# Usage: windows_resource_test.sh <tolvarine.rc> <folder that holds tolvarine.ico> <version>
set -euo pipefail
rc=$1
icons=$2
version=$3
# "1.00" is 1, 0, 0, 0 in binary.
binary="${version%%.*}, $((10#${version#*.})), 0, 0"
windres=x86_64-w64-mingw32-windres

if ! command -v "$windres" >/dev/null; then
    echo "SKIP: $windres is not installed (Debian package binutils-mingw-w64-x86-64)"
    exit 77
fi
# Without MinGW's compiler, the machine's own preprocessor does.
preprocessor=()
command -v x86_64-w64-mingw32-gcc >/dev/null || preprocessor=(--preprocessor=cpp)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$windres" "${preprocessor[@]}" -I "$icons" -i "$rc" -O coff -o "$work/tolvarine.o"
"$windres" "${preprocessor[@]}" -I "$icons" -i "$rc" -O res -o "$work/tolvarine.res"
"$windres" -J res -i "$work/tolvarine.res" -O rc -o "$work/decompiled.rc"

failed=0
expect() { # <pattern> <what>
    if grep -Eq "$1" "$work/decompiled.rc"; then
        echo "PASS: $2"
    else
        echo "FAIL: $2"
        failed=1
    fi
}
expect 'VALUE "ProductName", "Tolvarine"' "product name"
expect 'VALUE "InternalName", "Tolvarine"' "internal name"
expect 'VALUE "OriginalFilename", "Tolvarine.exe"' "file name"
expect "VALUE \"FileVersion\", \"$version\"" "file version"
expect "VALUE \"ProductVersion\", \"$version\"" "product version"
expect "FILEVERSION $binary" "binary file version"
expect 'VALUE "LegalCopyright", ".*GPL-3.0-or-later"' "licence"
expect 'ICON' "icon"
if [ "$failed" -ne 0 ]; then
    cat "$work/decompiled.rc"
fi
exit $failed
