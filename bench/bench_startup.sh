#!/bin/sh
# Start-up benchmark: process start to the first frame of the main window, and
# peak resident memory, for the program and for a minimal Qt Quick Controls 1
# window (the floor), run alternately under one Xvfb. Prints medians and the
# ratios program / floor.
#   bench/bench_startup.sh [RUNS]     (default 15; builds first)
set -eu
cd "$(dirname "$0")/.."
runs=${1:-15}
sh scripts/build.sh >/dev/null
bin=${BUILD_DIR:-build}/bin
work=$(mktemp -d)
trap 'kill $xvfb 2>/dev/null; rm -rf "$work"' EXIT INT TERM
display=:$(( 200 + $$ % 500 ))
Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
sleep 1

mkdir -p "$work/home" "$work/runtime" && chmod 700 "$work/runtime"
probe() {
    rm -rf "$work/home/.config"
    env -i PATH="$PATH" DISPLAY="$display" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
        SEAMRUN_INSTANCE_DIR="$work/instance" QT_QUICK_BACKEND=software SEAMRUN_BENCH_T0="$(date +%s%N)" "$bin/$1" 2>/dev/null
}
# One warm-up each, so both start with the same file cache.
probe probe_floor >/dev/null; probe probe_app >/dev/null
: > "$work/floor"; : > "$work/app"
i=0
while [ "$i" -lt "$runs" ]; do
    probe probe_floor >> "$work/floor"
    probe probe_app >> "$work/app"
    i=$((i + 1))
done

median() { grep "^$1 " "$2" | awk '{print $2}' | sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
ff=$(median first_frame_ms "$work/floor"); fa=$(median first_frame_ms "$work/app")
mf=$(median peak_rss_kb "$work/floor"); ma=$(median peak_rss_kb "$work/app")
printf 'runs: %s each, medians\n' "$runs"
printf 'first frame   floor %8.1f ms   program %8.1f ms   ratio %.2f  (target <= 2.00)\n' "$ff" "$fa" "$(echo "$fa / $ff" | bc -l)"
printf 'peak memory   floor %8d KiB  program %8d KiB  ratio %.2f  (target <= 1.50)\n' "$mf" "$ma" "$(echo "$ma / $mf" | bc -l)"
