#!/bin/sh
# Runs a test program on Qt's wayland platform, under a headless weston of its own that is started
# here, in a private runtime directory, and stopped when the program ends, however it ends.
# Usage: on-weston.sh <program> [arguments...]
#   SEKIVO_WESTON_SOCKET_PREFIX   the socket's name before "-<pid>" (default: sekivo-test)
#   SEKIVO_WESTON_PRELOAD         a library to preload into the program (LD_PRELOAD)
set -eu

fail() {
    echo "on-weston.sh: $*" >&2
    exit 1
}
command -v weston >/dev/null || fail "weston is missing (tools/deps.sh installs it)"

runtime=$(mktemp -d "${TMPDIR:-/tmp}/sekivo-weston.XXXXXX")
chmod 0700 "$runtime"
socket="${SEKIVO_WESTON_SOCKET_PREFIX:-sekivo-test}-$$"
weston=""
cleanup() {
    if [ -n "$weston" ]; then
        kill "$weston" 2>/dev/null || true
        wait "$weston" 2>/dev/null || true
    fi
    rm -rf "$runtime"
}
trap cleanup EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket="$socket" \
    --idle-time=0 --no-config --log="$runtime/weston.log" </dev/null >/dev/null 2>&1 &
weston=$!

# Up to 10 s for the socket; a weston that exits or never listens fails the test at once.
tries=0
until [ -S "$runtime/$socket" ]; do
    if ! kill -0 "$weston" 2>/dev/null; then
        cat "$runtime/weston.log" >&2 2>/dev/null || true
        weston=""
        fail "weston exited before it listened on $socket"
    fi
    tries=$((tries + 1))
    if [ "$tries" -gt 100 ]; then
        cat "$runtime/weston.log" >&2 2>/dev/null || true
        fail "weston did not listen on $socket within 10 s"
    fi
    sleep 0.1
done

# A headless weston has no seat, and Qt 6.4 then crashes in its Wayland text-input context on
# the first key event (it asks the missing keyboard for its text input); a desktop always has one.
# No input-method module keeps that context out.
export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland QT_IM_MODULE=none
# Under AddressSanitizer, the full stack of allocations made inside libwayland-client (which
# keeps no frame pointers), so that the suppressions can name Qt's function, not the library.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:fast_unwind_on_malloc=0"
fi
if [ -n "${SEKIVO_WESTON_PRELOAD:-}" ]; then
    export LD_PRELOAD="$SEKIVO_WESTON_PRELOAD${LD_PRELOAD:+:$LD_PRELOAD}"
    # The preloaded library comes before AddressSanitizer's runtime, which it does not use.
    [ -z "${ASAN_OPTIONS:-}" ] || export ASAN_OPTIONS="$ASAN_OPTIONS:verify_asan_link_order=0"
fi
"$@"
