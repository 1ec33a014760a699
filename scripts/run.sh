#!/bin/sh
# Sets up, builds and starts the utility.
#   scripts/run.sh [program arguments]
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
sh scripts/build.sh
exec build/bin/seamrun-config "$@"
