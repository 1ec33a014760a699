#!/bin/sh
# Builds the cipher library's fuzz targets with clang and libFuzzer (plus
# AddressSanitizer and UndefinedBehaviorSanitizer) into build-fuzz/ and runs
# each one for a chosen number of seconds.
#   scripts/fuzz.sh [SECONDS] [TARGET...]
# Targets: decrypt_file check_version aes_data decrypt_string (default: all).
# New interesting inputs collect in build-fuzz/corpus/TARGET; a crashing input
# lands in build-fuzz/crashes/TARGET/. Keep it as a regression case by copying
# it to tests/fuzz/regressions/TARGET/: the normal test run replays it.
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
[ $# -gt 0 ] && shift
targets=${*:-decrypt_file check_version aes_data decrypt_string}

sh scripts/setup.sh
out=build-fuzz
mkdir -p "$out/obj"
flags="-std=c++17 -g -O1 -fno-omit-frame-pointer -fsanitize=address,undefined -fno-sanitize-recover=undefined"
crypto=$(pkg-config --libs libcrypto)

# The library once, instrumented for coverage.
objs=""
for src in src/EncryptAPI/*.cpp; do
    obj="$out/obj/$(basename "$src" .cpp).o"
    if [ ! -f "$obj" ] || [ "$src" -nt "$obj" ] || [ -n "$(find src/EncryptAPI -name '*.h' -newer "$obj")" ]; then
        # shellcheck disable=SC2086
        clang++ $flags -fsanitize=fuzzer-no-link -DSEAMRUN_BUILDING_ENCRYPTAPI -Isrc/EncryptAPI -c "$src" -o "$obj"
    fi
    objs="$objs $obj"
done

status=0
for t in $targets; do
    src=tests/fuzz/fuzz_$t.cpp
    [ -f "$src" ] || { echo "unknown target: $t" >&2; exit 2; }
    # shellcheck disable=SC2086
    clang++ $flags -fsanitize=fuzzer -Isrc/EncryptAPI "$src" $objs $crypto -o "$out/fuzz_$t"
    mkdir -p "$out/corpus/$t" "$out/crashes/$t"
    seeds=tests/fuzz/corpus/$t
    regressions=tests/fuzz/regressions/$t
    [ -d "$regressions" ] || regressions=""
    echo "== $t: $seconds s"
    # The first folder receives new inputs; the committed seeds stay as they are.
    # shellcheck disable=SC2086
    if ! ASAN_OPTIONS=detect_leaks=1 "$out/fuzz_$t" -max_total_time="$seconds" -print_final_stats=1 \
            -artifact_prefix="$out/crashes/$t/" "$out/corpus/$t" "$seeds" $regressions; then
        echo "== $t: FAILED, see $out/crashes/$t/" >&2
        status=1
    fi
done
exit $status
