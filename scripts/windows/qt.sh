#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the static Qt for Windows (Core, Gui, Widgets) that Tolvarine.exe
# links, from Debian's own qt6-base source, once: the result is kept in the
# user's cache folder and reused while Qt's version and the options below stay
# the same. Prints the folder Qt is installed in on its last line.
#   scripts/windows/qt.sh
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
toolchain=$root/cmake/mingw-w64-x86_64.cmake
cache=${TOLVARINE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tolvarine}
jobs=$(nproc)

say() { echo "windows/qt: $*" >&2; }

# Every feature is decided here, before the first configure: changing one
# later rebuilds most of Qt. The program needs no network, SQL, printing,
# D-Bus, XML, OpenGL or image formats beyond those built into Gui.
options=(
    -DBUILD_SHARED_LIBS=OFF -DCMAKE_BUILD_TYPE=Release
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
    "-DCMAKE_C_FLAGS=-ffunction-sections -fdata-sections"
    "-DCMAKE_CXX_FLAGS=-ffunction-sections -fdata-sections"
    -DFEATURE_optimize_size=ON
    -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_printsupport=OFF
    -DFEATURE_testlib=OFF -DFEATURE_concurrent=OFF -DFEATURE_dbus=OFF
    -DFEATURE_xml=OFF -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF
    # Debian's source has no Wintab header; without OpenGL the platform
    # plugin's dynamic-GL code does not compile.
    -DFEATURE_tabletevent=OFF -DFEATURE_dynamicgl=OFF
    -DFEATURE_gif=OFF -DFEATURE_ico=OFF -DFEATURE_jpeg=OFF
    -DFEATURE_pdf=OFF -DFEATURE_textodfwriter=OFF
    -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
    -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF
    -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_freetype=OFF
    -DFEATURE_system_png=OFF -DFEATURE_system_jpeg=OFF
    -DFEATURE_system_doubleconversion=OFF
)

# Debian's source, fetched with a source list of our own for this one call:
# the machine's apt configuration is left as it is.
fetch_source() {
    local apt=$cache/apt
    mkdir -p "$apt/lists/partial" "$apt/download"
    local uri keyring
    uri=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null ||
        true)
    keyring=$(awk '/^Signed-By:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources \
        2>/dev/null || true)
    uri=${uri:-http://deb.debian.org/debian}
    keyring=${keyring:-/usr/share/keyrings/debian-archive-keyring.gpg}
    echo "deb-src [signed-by=$keyring] $uri bookworm main" >"$apt/sources.list"
    local private=(-o "Dir::Etc::SourceList=$apt/sources.list" -o Dir::Etc::SourceParts=-
        -o "Dir::State::Lists=$apt/lists")
    say "reading Debian's source index"
    apt-get "${private[@]}" -o APT::Sandbox::User=root update -qq
    (cd "$apt/download" && apt-get "${private[@]}" -o APT::Sandbox::User=root \
        source --download-only qt6-base -qq)
}

fetch_source
dsc=$(ls "$cache"/apt/download/qt6-base_*.dsc | sort -V | tail -n 1)
version=$(basename "$dsc" .dsc)
version=${version#qt6-base_}
# The folder's name changes with the options and the toolchain's settings,
# not with their comments.
key=$( (printf '%s\n' "${options[@]}"; grep -v '^ *#' "$toolchain") | sha256sum | cut -c1-12)
dir=$cache/qt-$version-$key
prefix=$dir/prefix

if [ -f "$prefix/.complete" ]; then
    say "static Qt $version found in $dir"
    echo "$prefix"
    exit 0
fi

say "building the static Qt $version for Windows in $dir"
say "this is done once; it takes about half an hour on 2 cores (about 1,100 steps)"
start=$(date +%s)
log=$dir/build.log
# A build that stopped part-way goes on where it was.
if [ ! -f "$dir/build/build.ninja" ]; then
    rm -rf "$dir"
    mkdir -p "$dir"
    cp "$toolchain" "$dir/toolchain.cmake"
    (cd "$dir" && dpkg-source --no-check -x "$dsc" src >"$dir/unpack.log")
    say "configuring (log: $log)"
    if ! cmake -S "$dir/src" -B "$dir/build" -G Ninja \
        -DCMAKE_TOOLCHAIN_FILE="$dir/toolchain.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" \
        -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
        "${options[@]}" >"$log" 2>&1; then
        tail -n 40 "$log" >&2
        rm -rf "$dir/build"
        say "configuring Qt failed"
        exit 1
    fi
fi

# Ninja's "[step/total]" lines go to the log; about every 5 percent one is
# shown with the minutes so far.
progress() {
    local shown=0 line
    while IFS= read -r line; do
        printf '%s\n' "$line" >>"$log"
        if [[ $line =~ ^\[([0-9]+)/([0-9]+)\] ]]; then
            local n=${BASH_REMATCH[1]} total=${BASH_REMATCH[2]}
            if (( n * 20 >= (shown + 1) * total )); then
                shown=$(( n * 20 / total ))
                say "$n/$total steps ($(( 100 * n / total ))%), $(( ($(date +%s) - start) / 60 )) min"
            fi
        fi
    done
}
say "building with $jobs jobs"
if ! cmake --build "$dir/build" --parallel "$jobs" 2>&1 | progress; then
    grep -A 20 '^FAILED' "$log" | head -n 60 >&2 || tail -n 40 "$log" >&2
    say "building Qt failed (log: $log)"
    exit 1
fi
cmake --install "$dir/build" >>"$log" 2>&1
touch "$prefix/.complete"
say "static Qt built in $(( ($(date +%s) - start) / 60 )) min"
# The installed Qt is about 100 MB; its build tree is many times that.
rm -rf "$dir/build" "$dir/src"
echo "$prefix"
