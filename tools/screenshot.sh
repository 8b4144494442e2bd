#!/bin/sh
# Takes docs/mainwindow.png, the main window as the README and software centres show it, by running
# the built program on a virtual X server and photographing its window; with --scale 2, the same
# on a high-density screen (QT_SCALE_FACTOR=2) as docs/mainwindow@2x.png.
# Usage: tools/screenshot.sh [--scale N] [build directory] [display]      (defaults: 1, build, :99)
# Needs: xvfb, x11-utils and imagemagick (apt-get install xvfb x11-utils imagemagick).
set -eu
cd "$(dirname "$0")/.."
scale=1
if [ "${1:-}" = "--scale" ]; then
    scale=${2:?"--scale needs a number"}
    shift 2
fi
build=${1:-build}
display=${2:-:99}
if [ "$scale" = 1 ]; then out=docs/mainwindow.png; else out="docs/mainwindow@${scale}x.png"; fi
# The window is found by its title, as the main window's form sets it.
title=$(sed -n '/<property name="windowTitle">/{n;s/.*<string>\(.*\)<\/string>.*/\1/p;q;}' mainwindow/mainwindow.ui)
[ -n "$title" ] || { echo "screenshot.sh: no window title in mainwindow/mainwindow.ui" >&2; exit 1; }

for tool in Xvfb xdpyinfo xwininfo import; do
    command -v "$tool" >/dev/null || { echo "screenshot.sh: $tool is missing" >&2; exit 1; }
done
[ -x "$build/app/sekivo" ] || { echo "screenshot.sh: build $build/app/sekivo first" >&2; exit 1; }

xvfb="" app=""
cleanup() {
    [ -z "$app" ] || { kill "$app" 2>/dev/null; wait "$app" 2>/dev/null; } || true
    # Waited for, so that the display is free again when the script returns.
    [ -z "$xvfb" ] || { kill "$xvfb" 2>/dev/null; wait "$xvfb" 2>/dev/null; } || true
}
trap cleanup EXIT INT TERM

Xvfb "$display" -screen 0 2048x1536x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
tries=0
until xdpyinfo -display "$display" >/dev/null 2>&1; do
    tries=$((tries + 1)); [ "$tries" -le 50 ] || { echo "screenshot.sh: no X server on $display" >&2; exit 1; }
    sleep 0.1
done

DISPLAY=$display LANG=C.UTF-8 LC_ALL=C.UTF-8 QT_QPA_PLATFORM=xcb QT_SCALE_FACTOR=$scale \
    "$build/app/sekivo" &
app=$!
tries=0
until window=$(xwininfo -display "$display" -name "$title" 2>/dev/null | sed -n 's/^xwininfo: Window id: \(0x[0-9a-f]*\).*/\1/p') \
        && [ -n "$window" ]; do
    tries=$((tries + 1)); [ "$tries" -le 100 ] || { echo "screenshot.sh: the window did not appear" >&2; exit 1; }
    sleep 0.1
done
sleep 1 # let the first paint finish
mkdir -p docs
import -display "$display" -window "$window" -strip "$out"
echo "wrote $out ($(identify -format '%wx%h' "$out"))"
