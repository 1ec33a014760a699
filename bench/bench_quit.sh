#!/bin/sh
# Quit benchmark: from the main window closing (the probe closes it as a
# click on its close button does, once start-up has settled) to the end of
# the process, for the program and for the bare Qt Quick Controls 1 window
# of the start-up benchmark (the floor), run alternately under one Xvfb.
# Prints medians, the ratio program / floor and the program's time against
# the absolute target.
#   bench/bench_quit.sh [RUNS]     (default 15; builds first)
set -eu
cd "$(dirname "$0")/.."
runs=${1:-15}
sh scripts/build.sh >/dev/null
bin=${BUILD_DIR:-build}/bin
. bench/xvfb_probe.sh

# quit_ms PROGRAM: milliseconds from the close to the process's end.
quit_ms() {
    out=$(probe "$1" SEAMRUN_BENCH_QUIT=1)
    end=$(date +%s%N)
    closed=$(echo "$out" | awk '$1 == "close_at_ns" { print $2 }')
    [ -n "$closed" ] || { echo "$1 did not close its window" >&2; exit 1; }
    echo "quit_ms $(echo "($end - $closed) / 1000000" | bc -l)"
}

quit_ms probe_floor >/dev/null; quit_ms probe_app >/dev/null
: > "$work/floor"; : > "$work/app"
i=0
while [ "$i" -lt "$runs" ]; do
    quit_ms probe_floor >> "$work/floor"
    quit_ms probe_app >> "$work/app"
    i=$((i + 1))
done

qf=$(median < "$work/floor"); qa=$(median < "$work/app")
printf 'runs: %s each, medians\n' "$runs"
printf 'quit          floor %8.1f ms   program %8.1f ms   ratio %.2f  (target: program <= 200 ms)\n' \
    "$qf" "$qa" "$(echo "$qa / $qf" | bc -l)"
