#!/bin/sh
# Configures (once) and builds into BUILD_DIR (default: build).
#   scripts/build.sh [--sanitize]
set -eu
cd "$(dirname "$0")/.."
dir=${BUILD_DIR:-build}
flags=""
if [ "${1:-}" = "--sanitize" ]; then
    dir=${BUILD_DIR:-build-sanitize}
    flags="-DSEAMRUN_SANITIZE=ON"
fi
if [ ! -f "$dir/CMakeCache.txt" ]; then
    # shellcheck disable=SC2086
    cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo $flags
fi
cmake --build "$dir" -j "$(nproc)"
