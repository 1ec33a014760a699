#!/bin/sh
# Sets up, builds and runs every test through CTest.
#   scripts/test.sh               the ordinary build, in build/
#   scripts/test.sh --sanitize    the same suite under AddressSanitizer and
#                                 UndefinedBehaviorSanitizer, in build-sanitize/
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
sh scripts/build.sh "$@"
dir=build
[ "${1:-}" = "--sanitize" ] && dir=build-sanitize
cd "$dir"
ctest -j 2 --output-on-failure --timeout 600
