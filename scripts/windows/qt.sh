#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the static Qt for Windows (Core, Gui, Widgets) that Tolvarine.exe
# links, from Debian's own qt6-base source, once: the result is kept in the
# user's cache folder and reused while what it was built from stays the same.
# Prints the folder Qt is installed in on its last line.
#   scripts/windows/qt.sh            builds it if it is not cached
#   scripts/windows/qt.sh --folder   only names the cache folder, built or not
# The cache is looked up first: when it holds this Qt, nothing is fetched.
# A new Debian revision of the same Qt is only reported; TOLVARINE_QT_REBUILD=1
# rebuilds with it.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
source "$root/scripts/common.sh"
toolchain=$root/cmake/mingw-w64-x86_64.cmake
cache=${TOLVARINE_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tolvarine}

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

# What the built Qt depends on, all read from this machine without a network:
# the host tools (Debian's qt6-base-dev-tools, which Qt's build runs) are of
# the same Qt as the source, so their version names the source's upstream
# version; the Debian revision is left out of the key.
installed=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools)
upstream=${installed%-*}
mingw=x86_64-w64-mingw32-g++-posix
mingw_version=$(echo | "$mingw" -E -dM -x c++ - |
    awk '/__GNUC__ |__GNUC_MINOR__ |__GNUC_PATCHLEVEL__ / { v[$2] = $3 }
         END { print v["__GNUC__"] "." v["__GNUC_MINOR__"] "." v["__GNUC_PATCHLEVEL__"] }')
host_tools=$(/usr/lib/qt6/libexec/moc -v)
# The options and the toolchain's settings count, not their comments.
settings() { printf '%s\n' "${options[@]}"; grep -v '^ *#' "$toolchain"; }
key=$( (echo "qt $upstream"; echo "mingw $mingw_version"; echo "host $host_tools"; settings) |
    sha256sum | cut -c1-12)
dir=$cache/qt-$upstream-$key
prefix=$dir/prefix
[ "${1:-}" = --folder ] && { echo "$dir"; exit 0; }

# A Qt cached before the key held the compiler and the host tools, in
# qt-<Debian version>-<hash of the options and toolchain>, is taken over when
# those are the same as today's: its qconfig.pri names its Qt and GCC.
adopt_older() {
    local old_key old qconfig
    old_key=$(settings | sha256sum | cut -c1-12)
    old=$cache/qt-$installed-$old_key
    qconfig=$old/prefix/mkspecs/qconfig.pri
    [ -f "$old/prefix/.complete" ] && [ -f "$qconfig" ] && [ ! -e "$dir" ] || return 0
    local qt gcc
    qt=$(sed -n 's/^QT_VERSION = //p' "$qconfig")
    gcc=$(awk -F' = ' '/^QT_GCC_(MAJOR|MINOR|PATCH)_VERSION/ { v = v sep $2; sep = "." }
                       END { print v }' "$qconfig")
    if [ "moc $qt" = "$host_tools" ] && [ "$gcc" = "$mingw_version" ] &&
        diff -q <(grep -v '^ *#' "$old/toolchain.cmake") <(grep -v '^ *#' "$toolchain") >/dev/null
    then
        say "taking over the static Qt in $old"
        mv "$old" "$dir"
        # Qt's CMake files find their folder themselves; any text that names
        # the old one is mended.
        grep -rlIF "$old" "$dir/prefix" | xargs -r sed -i "s|$old|$dir|g"
        echo "$installed" >"$dir/source-version"
    fi
}
adopt_older

if [ -f "$prefix/.complete" ] && [ "${TOLVARINE_QT_REBUILD:-}" != 1 ]; then
    built=$(cat "$dir/source-version" 2>/dev/null || echo unknown)
    say "static Qt $upstream found in $dir (built from qt6-base $built)"
    if [ "$built" != "$installed" ]; then
        say "note: this machine's Qt is now $installed; the cached Qt stays in use"
        say "      (TOLVARINE_QT_REBUILD=1 scripts/windows.sh rebuilds it, about half an hour)"
    fi
    echo "$prefix"
    exit 0
fi
[ "${TOLVARINE_QT_REBUILD:-}" = 1 ] && [ -f "$prefix/.complete" ] && rm -rf "$dir"

# Debian's source, fetched with a source list of our own for this one call,
# from the archive and release the system uses: the machine's apt
# configuration is left as it is.
fetch_source() {
    local apt=$cache/apt
    mkdir -p "$apt/lists/partial" "$apt/download"
    local system=/etc/apt/sources.list.d/debian.sources uri keyring codename
    uri=$(awk '/^URIs:/ {print $2; exit}' "$system" 2>/dev/null || true)
    keyring=$(awk '/^Signed-By:/ {print $2; exit}' "$system" 2>/dev/null || true)
    codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
    [ -n "$codename" ] || { say "no VERSION_CODENAME in /etc/os-release"; exit 1; }
    uri=${uri:-http://deb.debian.org/debian}
    keyring=${keyring:-/usr/share/keyrings/debian-archive-keyring.gpg}
    echo "deb-src [signed-by=$keyring] $uri $codename main" >"$apt/sources.list"
    local private=(-o "Dir::Etc::SourceList=$apt/sources.list" -o Dir::Etc::SourceParts=-
        -o "Dir::State::Lists=$apt/lists" -o APT::Sandbox::User=root)
    say "reading Debian's source index ($codename)"
    apt-get "${private[@]}" update -qq
    rm -f "$apt"/download/qt6-base_*
    (cd "$apt/download" && apt-get "${private[@]}" source --download-only qt6-base -qq)
}

if [ ! -f "$dir/build/build.ninja" ]; then
    fetch_source
    dscs=("$cache"/apt/download/qt6-base_*.dsc)
    dsc=${dscs[-1]}
    version=$(basename "$dsc" .dsc)
    version=${version#qt6-base_}
    if [ "${version%-*}" != "$upstream" ]; then
        say "Debian's source is qt6-base $version, the host tools are $installed:"
        say "update qt6-base-dev-tools (apt-get upgrade) so that both are the same Qt"
        exit 1
    fi
fi

say "building the static Qt $upstream for Windows in $dir"
say "this is done once; it takes about half an hour on 2 cores (about 1,100 steps)"
start=$(date +%s)
log=$dir/build.log
# A build that stopped part-way goes on where it was.
if [ ! -f "$dir/build/build.ninja" ]; then
    rm -rf "$dir"
    mkdir -p "$dir"
    cp "$toolchain" "$dir/toolchain.cmake"
    echo "$version" >"$dir/source-version"
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
# The installed Qt is about 100 MB; its build tree is many times that. Older
# Qts are dropped now that this one is complete.
rm -rf "$dir/build" "$dir/src"
for other in "$cache"/qt-*; do
    [ "$other" = "$dir" ] || { say "removing the older $other"; rm -rf "$other"; }
done
echo "$prefix"
