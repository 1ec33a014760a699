#!/bin/sh
# "Save to device" benchmark: the 16-monitor template uploaded to the emulated
# switch (two chained switches) by the program's own screens, in a throw-away
# home, headless. Prints the switch's exchanges per upload and the median time
# the upload takes beyond the dialog's three-second wait, against the same
# exchanges sent straight through the device object.
#   bench/bench_upload.sh [RUNS]     (default 15; builds first)
set -eu
cd "$(dirname "$0")/.."
runs=${1:-15}
sh scripts/build.sh >/dev/null
bin=$PWD/${BUILD_DIR:-build}/bin
SEAMRUN_EMU_CHAIN=2 LD_PRELOAD="$bin/libseamrun-switch-emulator.so" \
    sh tests/isolated.sh "$bin/probe_upload" "$runs" 2>/dev/null
