#!/bin/sh
# Runs one fuzz target for FUZZ_SECONDS seconds (60 unless set) from its seed corpus, under the
# sanitizers it was built with; any finding fails, and the input that caused it is printed (the
# reproducer), with the command that repeats it.
#   tests/fuzz/run.sh <target program> <seed corpus folder> <scratch folder>
set -eu
target=$1
seeds=$2
scratch=$3
seconds=${FUZZ_SECONDS:-60}
name=$(basename "$target")

rm -rf "$scratch"
mkdir -p "$scratch/corpus" "$scratch/findings"
# New inputs go into the scratch corpus; the seed folder in the source tree stays as committed.
status=0
"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix="$scratch/findings/" "$scratch/corpus" "$seeds" || status=$?
for finding in "$scratch"/findings/*; do
    [ -e "$finding" ] || continue
    echo "== $name: finding $(basename "$finding") ($(wc -c <"$finding") bytes), kept in $finding"
    echo "== as text:"
    cat -v "$finding" | head -c 4000
    echo
    echo "== as bytes:"
    od -A d -t x1 "$finding" | head -n 64
    echo "== to repeat it: $target $finding"
    status=1
done
exit "$status"
