#!/bin/sh
# Builds the Windows Qt that the `windows` preset links: qtbase of the same Debian version as the
# host's Qt (so the host's moc, rcc and uic serve it), cross-compiled with MinGW-w64, installed
# into a cache outside the source tree and reused by every later run:
#   /var/cache/sekivo/qt-<version>-<key>/     the installed Qt (Core, Gui, Widgets, Test)
#   /var/cache/sekivo/windows-qt              link to the one in use (cmake/mingw-w64-x86_64.cmake)
# The key is a hash of the recipe below (options, compiler, source version): a changed recipe
# builds anew. The build runs in a scratch folder beside the cache and is moved into place only
# after a successful install, so a half-built Qt is never found; a failing step stops the script
# with its name, and its log is kept in /var/cache/sekivo/failed.log. `rm -rf /var/cache/sekivo`
# clears everything. Called by `tools/deps.sh --windows`; run as root.
set -eu

cache=/var/cache/sekivo
link=$cache/windows-qt
jobs=${SEKIVO_JOBS:-2}

die() {
    echo "windows-qt.sh: $*" >&2
    exit 1
}

command -v x86_64-w64-mingw32-g++-posix >/dev/null || die "no MinGW-w64 compiler (tools/deps.sh --windows installs it)"
version=$(dpkg-query -W -f='${Version}' qt6-base-dev-tools 2>/dev/null) || die "no host Qt tools (qt6-base-dev-tools)"
compiler=$(dpkg-query -W -f='${Version}' g++-mingw-w64-x86-64-posix)

# The compilers for the Qt build; the project's own toolchain file (cmake/) is kept apart so that
# changing it does not rebuild Qt.
toolchain='set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(CMAKE_C_COMPILER x86_64-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER x86_64-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER x86_64-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/x86_64-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)'

# Only what Sekivo and its tests use. Debian's source lacks the Wintab header, so no tablet events;
# the third-party libraries are Qt's bundled ones (there are no Windows builds of the system's).
# OpenGL is switched off through INPUT_opengl: FEATURE_opengl=OFF alone leaves dynamic OpenGL on,
# and the Windows platform plugin then fails to compile.
options='-DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON
-DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake
-DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF
-DFEATURE_tabletevent=OFF
-DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DINPUT_opengl=no
-DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF -DFEATURE_jpeg=OFF
-DFEATURE_system_zlib=OFF -DFEATURE_system_png=OFF -DFEATURE_system_freetype=OFF
-DFEATURE_system_harfbuzz=OFF -DFEATURE_system_pcre2=OFF'

key=$(printf '%s\n' "$version" "$compiler" "$toolchain" "$options" | sha256sum | cut -c1-12)
prefix=$cache/qt-$version-$key

use() {
    ln -sfn "$(basename "$prefix")" "$link.new" && mv -T "$link.new" "$link"
    # Earlier recipes' builds are no longer linked: drop them.
    for old in "$cache"/qt-*; do
        [ "$old" = "$prefix" ] || rm -rf "$old"
    done
}

if [ -f "$prefix/lib/cmake/Qt6/Qt6Config.cmake" ]; then
    use
    echo "windows-qt.sh: Windows Qt $version ready in $prefix (cached)"
    exit 0
fi

mkdir -p "$cache"
work=$(mktemp -d "$cache/tmp.XXXXXX")
trap 'rm -rf "$work"' EXIT
log=$work/log
start=$(date +%s)

# Runs one step with its output in the log; on failure names the step, shows the log's end and
# keeps it.
step() {
    name=$1
    shift
    echo "windows-qt.sh: $name ($(($(date +%s) - start)) s)"
    if ! "$@" >>"$log" 2>&1; then
        tail -n 40 "$log" >&2
        cp "$log" "$cache/failed.log"
        die "step '$name' failed; log in $cache/failed.log"
    fi
}

# Debian's source package through a private apt configuration: deb-src entries derived from the
# machine's configured Debian sources (tools/apt-sources.sh), so that the source comes from the
# mirror, proxy or cache the host's Qt came from; the system's sources, lists and cache untouched.
apt_private() {
    apt-get -q -o APT::Sandbox::User=root -o Dir::Etc::SourceList="$work/apt/sources.list" \
        -o Dir::Etc::SourceParts="$work/apt/sources.list.d" \
        -o Dir::State::Lists="$work/apt/lists" -o Dir::Cache="$work/apt/cache" "$@"
}
mkdir -p "$work/apt/sources.list.d" "$work/apt/lists/partial" "$work/apt/cache/archives/partial" "$work/src"
: >"$work/apt/sources.list"
derive_sources() {
    "$(dirname "$0")/apt-sources.sh" >"$work/apt/sources.list.d/host.sources"
}
# An entry whose index cannot be fetched (a vendor's host out of reach) need not stop the build:
# apt-get source below fails, with this log, if the source is nowhere to be had.
update_indexes() {
    apt_private update || echo "windows-qt.sh: some deb-src indexes could not be fetched"
}
printf '%s\n' "$toolchain" >"$work/toolchain.cmake"

fetch_source() (
    cd "$work/src" && apt_private source "qt6-base=$version"
)
step "download: deb-src entries from the machine's apt sources" derive_sources
step "download: apt-get update (deb-src)" update_indexes
step "download: apt-get source qt6-base=$version" fetch_source
src=$(find "$work/src" -mindepth 1 -maxdepth 1 -type d -name 'qt6-base-*' | head -n 1)
[ -n "$src" ] || die "step 'download' failed: no unpacked source in $work/src"

# shellcheck disable=SC2086
step configure cmake -S "$src" -B "$work/build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$work/toolchain.cmake" -DCMAKE_INSTALL_PREFIX="$prefix" $options
step "build (about 1,000 steps, 15 to 20 minutes on 2 cores)" nice -n 10 cmake --build "$work/build" -j "$jobs"
step install env DESTDIR="$work/dest" cmake --install "$work/build" --strip
[ -f "$work/dest$prefix/lib/cmake/Qt6/Qt6Config.cmake" ] || die "step 'install' failed: no Qt6Config.cmake"

rm -rf "$prefix"
mv "$work/dest$prefix" "$prefix"
use
rm -f "$cache/failed.log"
echo "windows-qt.sh: Windows Qt $version built in $(($(date +%s) - start)) s, in $prefix"
