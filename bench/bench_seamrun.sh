#!/bin/sh
# seamrun on a 16-monitor layout, side by side with "kmcrypt cat" on the same
# file in the same run (the floor: starting a program and unprotecting the
# file): the whole process of "seamrun check" and "seamrun show" as a ratio
# to it (target: at most 2x). Then "seamrun apply" against the emulated
# switch with the wait after opening the switch set to 0, so its time is all
# the time beyond that wait (target: under 50 ms), beside "seamrun check" on
# the same file. Best of RUNS batches each, the programs taking turns.
#   bench/bench_seamrun.sh [BIN_DIR] [RUNS]
set -eu
cd "$(dirname "$0")/.."
bin=${1:-build/bin}
runs=${2:-20}
for tool in seamrun kmcrypt libseamrun-switch-emulator.so; do
    [ -e "$bin/$tool" ] || { echo "no $tool in $bin (build first)" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/bench-seamrun.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
export TMPDIR="$work"

# Four ports of four monitors each, 2 x 2 blocks filling rows 1-4, columns 1-4.
monitors=""
for row in 1 2 3 4; do
    for col in 1 2 3 4; do
        port=$(( (row - 1) / 2 * 2 + (col - 1) / 2 + 1 ))
        number=$(( (row - 1) % 2 * 2 + (col - 1) % 2 + 1 ))
        monitors="$monitors${monitors:+,}{\"row\":\"$row\",\"col\":\"$col\",\"width\":\"1920\",\"height\":\"1080\",\"portnum\":\"$port\",\"monitornum\":\"0$number\"}"
    done
done
printf '[{"acceleration":"1","speed":"5","position":"4","switching_focus":1,"duration_time":1,"keep_awake":0,"monitorlist":[%s]}]' \
    "$monitors" > "$work/desk.txt"
"$bin/kmcrypt" protect "$work/desk.txt" "$work/desk.km"
"$bin/seamrun" check "$work/desk.km" >/dev/null || { echo "the benchmark layout does not pass its checks" >&2; exit 1; }

emulator="$(cd "$bin" && pwd)/libseamrun-switch-emulator.so"
apply() {
    SEAMRUN_APPLY_WAIT_MS=0 LD_PRELOAD="$emulator" "$bin/seamrun" apply "$work/desk.km"
}

now() { date +%s%N; }
# time_once COMMAND...: wall time of one run in microseconds, taken over a
# batch of runs so that reading the clock (a process of its own) adds next to
# nothing to the figure.
batch=10
time_once() {
    start=$(now)
    k=0
    while [ "$k" -lt "$batch" ]; do
        "$@" >/dev/null
        k=$((k + 1))
    done
    end=$(now)
    echo $(( (end - start) / 1000 / batch ))
}

best_kmcrypt=""; best_check=""; best_show=""; best_apply=""
min() { if [ -z "$1" ] || [ "$2" -lt "$1" ]; then echo "$2"; else echo "$1"; fi; }
i=0
while [ "$i" -lt "$runs" ]; do
    best_kmcrypt=$(min "$best_kmcrypt" "$(time_once "$bin/kmcrypt" cat "$work/desk.km")")
    best_check=$(min "$best_check" "$(time_once "$bin/seamrun" check "$work/desk.km")")
    best_show=$(min "$best_show" "$(time_once "$bin/seamrun" show "$work/desk.km")")
    best_apply=$(min "$best_apply" "$(time_once apply)")
    i=$((i + 1))
done

echo "16-monitor layout, best of $runs batches of $batch runs (milliseconds per run, whole process)"
printf '%-22s %9s %9s %8s\n' command time baseline ratio
row() { # name time baseline
    echo "$1 $2 $3" | awk '{ printf "%-22s %9.2f %9.2f %7.2fx\n", $1, $2 / 1000, $3 / 1000, $2 / $3 }'
}
row "seamrun-check" "$best_check" "$best_kmcrypt"
row "seamrun-show" "$best_show" "$best_kmcrypt"
row "seamrun-apply(wait=0)" "$best_apply" "$best_check"
echo "baseline: kmcrypt cat for check and show (target <= 2x); seamrun check for apply."
echo "apply beyond the wait: $(echo "$best_apply" | awk '{ printf "%.2f", $1 / 1000 }') ms (target < 50 ms)"
