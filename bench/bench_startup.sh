#!/bin/sh
# Start-up benchmark: process start to the first frame of the main window, and
# peak resident memory, for the program and for a minimal Qt Quick Controls 1
# window (the floor), run alternately under one Xvfb. Prints medians and the
# ratios program / floor.
#   bench/bench_startup.sh [RUNS]     (default 15, at least 11; builds first)
set -eu
cd "$(dirname "$0")/.."
runs=${1:-15}
sh scripts/build.sh >/dev/null
bin=${BUILD_DIR:-build}/bin
. bench/xvfb_probe.sh
# One warm-up each, so both start with the same file cache.
probe probe_floor >/dev/null; probe probe_app >/dev/null
: > "$work/floor"; : > "$work/app"
i=0
while [ "$i" -lt "$runs" ]; do
    probe probe_floor >> "$work/floor"
    probe probe_app >> "$work/app"
    i=$((i + 1))
done

ff=$(grep '^first_frame_ms ' "$work/floor" | median); fa=$(grep '^first_frame_ms ' "$work/app" | median)
mf=$(grep '^peak_rss_kb ' "$work/floor" | median); ma=$(grep '^peak_rss_kb ' "$work/app" | median)
printf 'runs: %s each, medians\n' "$runs"
printf 'first frame   floor %8.1f ms   program %8.1f ms   ratio %.2f  (target <= 1.50)\n' "$ff" "$fa" "$(echo "$fa / $ff" | bc -l)"
printf 'peak memory   floor %8d KiB  program %8d KiB  ratio %.2f  (target <= 1.20)\n' "$mf" "$ma" "$(echo "$ma / $mf" | bc -l)"
