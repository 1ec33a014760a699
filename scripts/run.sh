#!/bin/sh
# Sets up, builds and starts the utility.
#   scripts/run.sh [program arguments]
#   scripts/run.sh --emulator [program arguments]
#       the same against an emulated switch (no hardware needed); the switch's
#       log of every request and reply goes to build/switch-emulator.jsonl
set -eu
cd "$(dirname "$0")/.."
emulator=""
if [ "${1:-}" = "--emulator" ]; then
    emulator=1
    shift
fi
sh scripts/setup.sh
sh scripts/build.sh
if [ -n "$emulator" ]; then
    log="$PWD/build/switch-emulator.jsonl"
    echo "Emulated OrrinKM switch (1209:0001); its log: $log"
    SEAMRUN_EMU_LOG="$log" LD_PRELOAD="$PWD/build/bin/libseamrun-switch-emulator.so" \
        exec build/bin/seamrun-config "$@"
fi
exec build/bin/seamrun-config "$@"
