#!/bin/sh
# Layout editor benchmark: from "Build" of the 16-monitor template to the
# editor's first frame, the median of each editing action (100 repeats per
# run, call plus the frame it causes; undo and redo of a port change and of a
# move with 16 monitors placed), and peak resident memory against the
# home page alone (probe_app), run alternately under one Xvfb. Prints medians
# over the runs and the targets beside them.
#   bench/bench_editor.sh [RUNS]     (default 7; builds first)
set -eu
cd "$(dirname "$0")/.."
runs=${1:-7}
sh scripts/build.sh >/dev/null
bin=${BUILD_DIR:-build}/bin
. bench/xvfb_probe.sh
probe probe_app >/dev/null; probe probe_editor >/dev/null
: > "$work/home-page"; : > "$work/editor"
i=0
while [ "$i" -lt "$runs" ]; do
    probe probe_app >> "$work/home-page"
    probe probe_editor >> "$work/editor"
    i=$((i + 1))
done

printf 'runs: %s each, medians\n' "$runs"
printf 'Build to first frame   %8.1f ms   (target <= 50)\n' "$(grep '^open_ms ' "$work/editor" | median)"
for action in place select delete port swap checkRule undo redo; do
    printf 'action %-10s      %8.2f ms   (target < 5)\n' "$action" \
        "$(grep "^action_ms $action " "$work/editor" | median)"
done
printf 'a frame with no change  %7.2f ms   (what every action includes)\n' \
    "$(grep '^action_ms frame ' "$work/editor" | median)"
mh=$(grep '^peak_rss_kb ' "$work/home-page" | median)
mo=$(grep '^open_peak_rss_kb ' "$work/editor" | median)
me=$(grep '^peak_rss_kb ' "$work/editor" | median)
printf 'memory after Build   home page %8d KiB  editor %8d KiB  ratio %.2f\n' \
    "$mh" "$mo" "$(echo "$mo / $mh" | bc -l)"
printf 'peak after the actions   home page %8d KiB  editor %8d KiB  ratio %.2f  (target <= 1.20)\n' \
    "$mh" "$me" "$(echo "$me / $mh" | bc -l)"
