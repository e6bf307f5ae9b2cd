#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows Qt cache of scripts/windows/qt.sh, in a scratch cache folder
# with apt-get replaced by one that records its calls: a complete cached Qt
# is used without fetching anything, also when the machine's Debian revision
# of Qt is newer (which is reported); a Qt cached under the older key (named
# by the Debian version) is taken over when its Qt, compiler and toolchain
# are today's; one built by another compiler is not.
# Usage: qt_cache_test.sh <qt.sh>
set -uo pipefail
qt=$1
command -v x86_64-w64-mingw32-g++-posix >/dev/null && [ -x /usr/lib/qt6/libexec/moc ] ||
    { echo "SKIP: no MinGW compiler or Qt host tools"; exit 77; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
printf '#!/bin/sh\necho "apt-get $*" >>"%s/apt.log"\nexit 1\n' "$work" >"$work/bin/apt-get"
chmod +x "$work/bin/apt-get"
export TOLVARINE_CACHE=$work/cache PATH=$work/bin:$PATH
failed=0
check() { # <what> <expected> <actual>
    [ "$2" = "$3" ] && echo "PASS: $1" || { echo "FAIL: $1: expected '$2', found '$3'"; failed=1; }
}
run() { "$qt" 2>"$work/said" | tail -n 1; }

folder=$("$qt" --folder)
installed=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
mkdir -p "$folder/prefix" && touch "$folder/prefix/.complete"
echo "$installed" >"$folder/source-version"
check "a cached Qt is used" "$folder/prefix" "$(run)"
echo "0.0-1" >"$folder/source-version"
check "an older Debian revision is used too" "$folder/prefix" "$(run)"
check "and reported" yes "$(grep -q "now $installed" "$work/said" && echo yes || echo no)"
check "apt-get is not called" "" "$(cat "$work/apt.log" 2>/dev/null)"

# The older key: the options and the toolchain without comments.
rm -rf "$TOLVARINE_CACHE"
settings=$(sed -n '/^options=(/,/^)/p' "$qt")
options=()
old_key=$( (eval "$settings"; printf '%s\n' "${options[@]}"
    grep -v '^ *#' "$(dirname "$qt")/../../cmake/mingw-w64-x86_64.cmake") | sha256sum | cut -c1-12)
old=$TOLVARINE_CACHE/qt-$installed-$old_key
gcc=$(echo | x86_64-w64-mingw32-g++-posix -E -dM -x c++ - |
    awk '/__GNUC__ |__GNUC_MINOR__ |__GNUC_PATCHLEVEL__ / { v[$2] = $3 }
         END { print v["__GNUC__"] " " v["__GNUC_MINOR__"] " " v["__GNUC_PATCHLEVEL__"] }')
qt_version=$(/usr/lib/qt6/libexec/moc -v | cut -d' ' -f2)
while IFS='|' read -r what gcc_major expected; do
    rm -rf "$TOLVARINE_CACHE"
    mkdir -p "$old/prefix/mkspecs"
    touch "$old/prefix/.complete"
    cp "$(dirname "$qt")/../../cmake/mingw-w64-x86_64.cmake" "$old/toolchain.cmake"
    read -r major minor patch <<<"$gcc"
    printf 'QT_VERSION = %s\nQT_GCC_MAJOR_VERSION = %s\nQT_GCC_MINOR_VERSION = %s\nQT_GCC_PATCH_VERSION = %s\nprefix %s\n' \
        "$qt_version" "${gcc_major/#-/$major}" "$minor" "$patch" "$old" >"$old/prefix/mkspecs/qconfig.pri"
    if [ "$expected" = taken ]; then
        check "an older cache folder built $what is taken over" "$folder/prefix" "$(run)"
        check "and names its new place" yes \
            "$(grep -qx "prefix $folder" "$folder/prefix/mkspecs/qconfig.pri" && echo yes || echo no)"
    else
        check "an older cache folder built $what is not used" "" "$(run)"
    fi
done <<TABLE
with today's compiler|-|taken
by another compiler|1|no
TABLE
exit $failed
