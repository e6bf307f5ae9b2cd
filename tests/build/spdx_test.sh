#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Every source, script and build file that git tracks names the project's
# licence in an SPDX line among its first three lines. Which files: C++
# (.cpp, .h), CMake (CMakeLists.txt, .cmake), shell (.sh), Python (.py),
# Windows resources (.rc), XPM images (.xpm, which are C), NSIS scripts
# (.nsi), manual pages (.1) and any file that starts with "#!". A template
# (name.in) counts as the file it writes. Data (JSON, images, fuzz corpora),
# documents, the desktop entry, the metadata and the Debian files do not.
# Usage: spdx_test.sh <source folder> <licence>
set -uo pipefail
source_dir=$1
licence=$2

if ! command -v git >/dev/null || ! git -C "$source_dir" rev-parse --git-dir >/dev/null 2>&1; then
    echo "SKIP: not a git checkout"
    exit 77
fi

checked=0
missing=()
while IFS= read -r -d '' file; do
    path=$source_dir/$file
    [ -f "$path" ] || continue
    kind=${file%.in}
    case $(basename "$kind") in
    CMakeLists.txt | *.cpp | *.h | *.cmake | *.sh | *.py | *.rc | *.xpm | *.nsi | *.1) ;;
    *) [ "$(head -c 2 "$path" | tr -d '\0')" = '#!' ] || continue ;;
    esac
    checked=$((checked + 1))
    head -n 3 "$path" | grep -qF "SPDX-License-Identifier: $licence" || missing+=("$file")
done < <(git -C "$source_dir" ls-files -z)

if [ ${#missing[@]} -ne 0 ]; then
    echo "FAIL: ${#missing[@]} of $checked files have no 'SPDX-License-Identifier: $licence':"
    printf '  %s\n' "${missing[@]}"
    exit 1
fi
echo "PASS: all $checked source, script and build files name $licence"
