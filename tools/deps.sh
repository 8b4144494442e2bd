#!/bin/sh
# Installs what building, running, testing and packaging Sekivo needs on Debian 12 (run as root).
# fonts-dejavu-extra and fonts-noto-cjk draw the logo in the build (the program itself keeps to
# IPAGothic); qt6-wayland lets Qt draw natively on a Wayland desktop, and weston runs the tests
# again on it, headless; desktop-file-utils and appstream validate the installed launcher and
# AppStream data; dpkg-dev and file let CPack compute the Debian package's library dependencies;
# lintian checks the package; xvfb, dbus, at-spi2-core and python3-pyatspi let a test read the
# program's accessibility tree over the AT-SPI bus, as a screen reader does; with xdotool, ibus,
# ibus-anthy, dconf-gsettings-backend and libglib2.0-bin (gsettings) a test types through a real
# Japanese input method; clang with its sanitizer and libFuzzer runtimes (libclang-rt-14-dev)
# builds the fuzz targets of the league table's engine.
# With --windows also what the Windows build needs: the MinGW-w64 cross compiler, Wine to run its
# tests and its own fonts (fonts-wine: Tahoma, Windows' dialog face), NSIS for the installer, xclip
# and icoutils for the checks of the installed program and of its resources; then it builds the
# Windows Qt once (tools/windows-qt.sh, about 20 minutes; later runs reuse it).
# Cheap when everything is already there: apt is only asked when a package is missing.
set -eu

windows=false
case "${1-}" in
--windows) windows=true ;;
"") ;;
*)
    echo "usage: $0 [--windows]" >&2
    exit 2
    ;;
esac

packages="build-essential cmake ninja-build
qt6-base-dev qt6-base-dev-tools qt6-translations-l10n qt6-wayland
fonts-ipafont-gothic fonts-dejavu-extra fonts-noto-cjk
weston
desktop-file-utils appstream dpkg-dev file lintian
xvfb dbus at-spi2-core python3-pyatspi
xdotool ibus ibus-anthy dconf-gsettings-backend libglib2.0-bin
clang libclang-rt-14-dev"
if $windows; then
    packages="$packages g++-mingw-w64-x86-64-posix wine wine64 fonts-wine nsis xclip icoutils"
fi

missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    export DEBIAN_FRONTEND=noninteractive
    apt-get update -qq
    # shellcheck disable=SC2086
    apt-get install -y -qq --no-install-recommends $missing
fi

if $windows; then
    "$(dirname "$0")/windows-qt.sh"
fi
