#!/bin/sh
# Runs a test program under a real Japanese input method: IBus with the Anthy engine in its
# hiragana mode, on a private virtual X server with its own session bus and settings, all of
# which is taken down again when the program ends. Usage: with-ibus.sh PROGRAM [ARGS...]
set -eu

fail() {
    echo "with-ibus.sh: $*" >&2
    exit 1
}

for tool in Xvfb dbus-daemon ibus-daemon ibus gsettings xdotool; do
    command -v "$tool" >/dev/null || fail "$tool is missing (tools/deps.sh installs it)"
done
[ -x /usr/libexec/ibus-engine-anthy ] || fail "ibus-anthy is missing (tools/deps.sh installs it)"

work=$(mktemp -d)
pids=""
cleanup() {
    for pid in $pids; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in $pids; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 1' INT TERM HUP

# Nothing of the user's own desktop is used or changed.
mkdir -p "$work/home" "$work/config" "$work/cache" "$work/data" "$work/runtime"
chmod 700 "$work/runtime"
export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_CACHE_HOME="$work/cache"
export XDG_DATA_HOME="$work/data" XDG_RUNTIME_DIR="$work/runtime"
unset IBUS_ADDRESS GTK_IM_MODULE XMODIFIERS
# The Anthy engine is a Python program that needs the system's Python and its modules.
export PATH="/usr/sbin:/usr/bin:/sbin:/bin:$PATH"

# Waits up to ten seconds for a command to succeed.
await() {
    tries=100
    until "$@" >/dev/null 2>&1; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

# -noreset: a server left by its last client resets and refuses whoever connects meanwhile.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
pids="$pids $!"
await test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
DISPLAY=":$(cat "$work/display")"
export DISPLAY

dbus-daemon --session --nofork --print-address=3 3>"$work/bus" 2>"$work/dbus.log" &
pids="$pids $!"
await test -s "$work/bus" || fail "the session bus did not start: $(cat "$work/dbus.log")"
DBUS_SESSION_BUS_ADDRESS=$(head -n 1 "$work/bus")
export DBUS_SESSION_BUS_ADDRESS

# Anthy starts in its Latin mode unless told otherwise; hiragana (0) is what our users type in.
gsettings set org.freedesktop.ibus.engine.anthy.common input-mode 0

# Not daemonised: the daemon ends with this script, and no panel or extension is needed.
ibus-daemon --panel=disable --emoji-extension=disable --cache=refresh \
    >"$work/ibus.log" 2>&1 &
pids="$pids $!"
# `ibus engine NAME` reports failure even when it succeeds; ask which engine is on instead.
anthy_on() {
    ibus engine anthy
    [ "$(ibus engine)" = anthy ]
}
await anthy_on || fail "IBus did not take the Anthy engine: $(cat "$work/ibus.log")"

status=0
QT_QPA_PLATFORM=xcb QT_IM_MODULE=ibus "$@" || status=$?
exit "$status"
