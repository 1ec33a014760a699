#!/bin/sh
# Cost of the switch status poll: two processes idle for SECONDS side by side,
# one polling the device list every two seconds as the program does and one
# not; prints the CPU each used and the difference as a share of one core
# (target < 1%), then the CPU of one look at the device list from a burst.
# Both with the system's hidapi (what the program ships with) and with the
# emulated switch preloaded.
#   bench/bench_status.sh [SECONDS]     (default 60; builds first)
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
sh scripts/build.sh >/dev/null
bin=${BUILD_DIR:-build}/bin
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

run() { # label, LD_PRELOAD value
    env LD_PRELOAD="$2" "$bin/probe_status" idle "$seconds" > "$work/idle" 2>/dev/null &
    idle=$!
    env LD_PRELOAD="$2" "$bin/probe_status" poll "$seconds" > "$work/poll" 2>/dev/null &
    poll=$!
    wait "$idle" "$poll"
    i=$(awk '/^cpu_ms/ {print $2}' "$work/idle")
    p=$(awk '/^cpu_ms/ {print $2}' "$work/poll")
    each=$(env LD_PRELOAD="$2" "$bin/probe_status" burst 2000 2>/dev/null | awk '/^poll_cpu_us/ {print $2}')
    printf '%-20s idle %8.1f ms  polling %8.1f ms  poll share %.4f %% of a core  (target < 1)\n' \
        "$1" "$i" "$p" "$(echo "($p - $i) / ($seconds * 1000) * 100" | bc -l)"
    printf '%-20s one look at the device list %.1f us CPU -> %.4f %% of a core at one look per 2 s\n' \
        "" "$each" "$(echo "$each / 2000000 * 100" | bc -l)"
}

printf 'over %s s each\n' "$seconds"
run "system hidapi" ""
run "emulated switch" "$bin/libseamrun-switch-emulator.so"
