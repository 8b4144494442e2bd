#!/bin/sh
# The Wayland stress run: starts Sekivo again and again under a headless weston, and in each run
# opens every calculator, types "12" and Enter into it and closes it, a few times over (the
# benchmark's hook, bench/hook.cpp). It counts the runs that abort and prints how many aborts
# fell per thousand cycles (one cycle: one calculator opened, typed into and closed). A tool for
# the README's figures, not a test: an abort is a matter of chance.
#
#   bench/stress.sh [--cycles N] [--load N] [--sanitize] [--platform P]
#
#   --cycles N     at least N cycles in all (default 1000)
#   --load N       N busy processes beside the program while it runs (default 0)
#   --sanitize     the AddressSanitizer build (the sanitize preset, build-sanitize/) instead of
#                  the Release build (build-stress/)
#   --platform P   wayland         natively on Wayland (default)
#                  frames-on-main  natively, with the tests' preloaded library that keeps Qt's
#                                  frame callbacks on the main thread (tests/display)
#                  default         as shipped: no platform chosen, in a Wayland session with
#                                  XWayland, where the program picks its own (needs the
#                                  xwayland package)
set -eu

src=$(cd "$(dirname "$0")/.." && pwd)
cycles=1000
load=0
sanitize=false
platform=wayland
while [ $# -gt 0 ]; do
    case "$1" in
    --cycles) cycles=$2; shift 2 ;;
    --load) load=$2; shift 2 ;;
    --sanitize) sanitize=true; shift ;;
    --platform) platform=$2; shift 2 ;;
    *) echo "usage: $0 [--cycles N] [--load N] [--sanitize] [--platform wayland|frames-on-main|default]" >&2; exit 2 ;;
    esac
done
case "$platform" in wayland | frames-on-main | default) ;; *) echo "stress.sh: no platform $platform" >&2; exit 2 ;; esac

# The hook (and the tests' preloaded library) come from a Release tree of their own,
# build-stress/, whichever program runs.
bench=${STRESS_BUILD_DIR:-$src/build-stress}
cmake -S "$src" -B "$bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON \
    -DSEKIVO_BENCH=ON >/dev/null
cmake --build "$bench" --target sekivo sekivo_bench_hook sekivo_frames_on_main >/dev/null
hook=$bench/bench/libsekivo_bench_hook.so
program=$bench/app/sekivo
if $sanitize; then
    (cd "$src" && cmake --preset sanitize >/dev/null && cmake --build --preset sanitize --target sekivo >/dev/null)
    program=$src/build-sanitize/app/sekivo
    # Aborts are what is counted here; leaks at exit are the tests' business.
    export ASAN_OPTIONS=detect_leaks=0:verify_asan_link_order=0
fi
preload=$hook
[ "$platform" != frames-on-main ] || preload="$bench/tests/display/libsekivo_frames_on_main.so:$hook"
# The dynamic loader only warns about a library it cannot preload.
for library in $(echo "$preload" | tr ':' ' '); do
    [ -f "$library" ] || { echo "stress.sh: no $library" >&2; exit 1; }
done

runtime=$(mktemp -d "${TMPDIR:-/tmp}/sekivo-stress.XXXXXX")
chmod 0700 "$runtime"
pids=""
cleanup() {
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$runtime"
}
trap cleanup EXIT
trap 'exit 130' INT TERM HUP

xwayland=""
[ "$platform" != default ] || xwayland=--xwayland
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=stress $xwayland \
    --idle-time=0 --no-config --log="$runtime/weston.log" </dev/null >/dev/null 2>&1 &
pids=$!
i=0
until [ -S "$runtime/stress" ]; do
    i=$((i + 1))
    [ $i -lt 100 ] || { cat "$runtime/weston.log" >&2; echo "stress.sh: weston did not start" >&2; exit 1; }
    sleep 0.1
done
unset DISPLAY QT_QPA_PLATFORM
if [ -n "$xwayland" ]; then
    i=0
    until display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$runtime/weston.log") &&
        [ -n "$display" ]; do
        i=$((i + 1))
        [ $i -lt 100 ] || { cat "$runtime/weston.log" >&2; echo "stress.sh: no XWayland (apt-get install xwayland)" >&2; exit 1; }
        sleep 0.1
    done
    export DISPLAY="$display"
else
    export QT_QPA_PLATFORM=wayland
fi
# A headless weston has no seat, and Qt 6.4's Wayland text input then crashes on the first key
# (as in tests/display/on-weston.sh).
export XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=stress QT_IM_MODULE=none
# The league table's forms, kept between runs, go to the scratch folder too.
export XDG_CONFIG_HOME="$runtime"
export LANG=C.UTF-8 LC_ALL=C.UTF-8

n=0
while [ "$n" -lt "$load" ]; do
    sh -c 'while :; do :; done' &
    pids="$pids $!"
    n=$((n + 1))
done

runs=0 done_cycles=0 aborts=0 other=0
start=$(date +%s)
while [ "$done_cycles" -lt "$cycles" ]; do
    status=0
    SEKIVO_BENCH_FD=3 SEKIVO_BENCH_OPENS=5 SEKIVO_BENCH_TYPE=1 LD_PRELOAD=$preload \
        timeout 300 "$program" 3>"$runtime/report" >"$runtime/out" 2>&1 || status=$?
    runs=$((runs + 1))
    done_cycles=$((done_cycles + $(grep -c '^open ' "$runtime/report" || true)))
    if [ "$status" -eq 134 ] || grep -q 'Assertion .* failed' "$runtime/out"; then
        aborts=$((aborts + 1))
        echo "run $runs: aborted: $(grep -m1 'Assertion' "$runtime/out" || tail -n1 "$runtime/out")" >&2
    elif [ "$status" -ne 0 ] || ! grep -q '^done' "$runtime/report"; then
        other=$((other + 1))
        echo "run $runs: exit status $status: $(tail -n1 "$runtime/out")" >&2
    fi
done
build=Release
! $sanitize || build=sanitize
echo "| $build | $platform | $load | $done_cycles | $runs | $aborts | $other |" \
    "$(awk "BEGIN { printf \"%.2f\", $aborts * 1000 / $done_cycles }") | $(($(date +%s) - start)) s |"
