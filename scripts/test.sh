#!/bin/sh
# Sets up, builds and runs every test through CTest.
#   scripts/test.sh               the ordinary build, in build/
#   scripts/test.sh --sanitize    the same suite under AddressSanitizer and
#                                 UndefinedBehaviorSanitizer, in build-sanitize/
#                                 (less the repeats under the second font set)
set -eu
cd "$(dirname "$0")/.."
sh scripts/setup.sh
sh scripts/build.sh "$@"
dir=build
[ "${1:-}" = "--sanitize" ] && dir=build-sanitize
cd "$dir"
if [ "$dir" = build-sanitize ]; then
    # The repeats under the second font set run the same native code as the
    # first: they test the screens' fit, which the ordinary build does.
    ctest -j 2 --output-on-failure --timeout 600 -LE second_font_set
else
    ctest -j 2 --output-on-failure --timeout 600
fi
