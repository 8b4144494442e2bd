#!/bin/sh
# Builds Sekivo and its start-up benchmark (Release, in build-bench/) and runs the benchmark on
# an X display of its own, printing Markdown tables for the README.
#
#   bench/run.sh                 start-up against a bare Qt window, then every dialog's opening
#   bench/run.sh --ingredients   also what each of the program's ingredients costs on its own
#
# The dialogs are opened on that display and again on Qt's offscreen platform (no window system:
# what the program itself costs), each in BENCH_ROUNDS fresh processes.
#
# BENCH_DISPLAY picks the display (default :99; an Xvfb is started unless one is running there),
# BENCH_BUILD_DIR the build directory, BENCH_RUNS, BENCH_OPENS and BENCH_ROUNDS the repetitions.
set -eu

src=$(cd "$(dirname "$0")/.." && pwd)
build=${BENCH_BUILD_DIR:-$src/build-bench}
display=${BENCH_DISPLAY:-:99}
runs=${BENCH_RUNS:-21}
opens=${BENCH_OPENS:-15}
rounds=${BENCH_ROUNDS:-5}

cmake -S "$src" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DSEKIVO_BENCH=ON >/dev/null
cmake --build "$build" --target sekivo sekivo_bench sekivo_bench_bare sekivo_bench_hook >/dev/null

socket=/tmp/.X11-unix/X${display#:}
if [ ! -S "$socket" ]; then
    Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb=$!
    trap 'kill "$xvfb"' EXIT
    trap 'exit 130' INT TERM HUP PIPE
    i=0
    while [ ! -S "$socket" ] && [ $i -lt 100 ]; do sleep 0.1; i=$((i + 1)); done
fi
export DISPLAY="$display"
# What the program keeps between runs (the league table's forms) goes to a folder of the build,
# so that the user's settings stay as they are.
export XDG_CONFIG_HOME="$build/config"

bench() {
    "$build/bench/sekivo_bench" --hook "$build/bench/libsekivo_bench_hook.so" \
        --bare "$build/bench/sekivo_bench_bare" "$@"
}

echo "$(nproc) cores, LANG=${LANG:-unset}, load average $(cut -d' ' -f1-3 /proc/loadavg)," \
    "$(fc-match -f '%{family[0]}' 'sans:lang=ja' 2>/dev/null || echo 'unknown font') for Japanese"
echo
bench --app "$build/app/sekivo" --runs "$runs" --opens "$opens" --rounds "$rounds"
echo
echo "The same on Qt's offscreen platform:"
echo
QT_QPA_PLATFORM=offscreen bench --app "$build/app/sekivo" --runs 0 --opens "$opens" \
    --rounds "$rounds" | tail -n +3

if [ "${1:-}" = "--ingredients" ]; then
    echo
    echo "Each ingredient alone, added to the bare window (with / without = ratio; $((runs / 2 + 1)) runs):"
    echo
    echo "| added | first paint (ms) | processor time (ms) | resident memory (MiB) |"
    echo "|---|---:|---:|---:|"
    # The bare window against itself: how far apart two equal sides land on this machine.
    bench --app "$build/bench/sekivo_bench_bare" --runs $((runs / 2 + 1)) --opens 0 \
        --row "nothing (noise)"
    for ingredient in icon logo japanese richtext translator; do
        bench --app "$build/bench/sekivo_bench_bare" --app-arg "$ingredient" \
            --runs $((runs / 2 + 1)) --opens 0 --row "$ingredient"
    done
    bench --app "$build/bench/sekivo_bench_bare" --runs $((runs / 2 + 1)) --opens 0 \
        --app-arg icon --app-arg logo --app-arg japanese --app-arg richtext \
        --app-arg translator --row "all five"
    bench --app "$build/app/sekivo" --runs $((runs / 2 + 1)) --opens 0 \
        --bare-arg icon --bare-arg logo --bare-arg japanese --bare-arg richtext \
        --bare-arg translator --row "Sekivo against the bare window with all five"
fi
