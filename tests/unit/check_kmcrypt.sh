#!/bin/sh
# The kmcrypt tool end to end, and the shipped resolution list it builds.
#   check_kmcrypt.sh KMCRYPT RESOLUTION_RES RESOLUTIONS_JSON
set -u
k=$1 res=$2 json=$3
failures=0
check() { # description, then a command that must succeed
    what=$1; shift
    if "$@"; then echo "PASS: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}
d=$(mktemp -d) || exit 1
trap 'rm -rf "$d"' EXIT

printf '[{"acceleration":"0","monitorlist":[]}]\r\nzweite Zeile \303\274 \346\227\245\n' > "$d/plain.txt"
check "protect" "$k" protect "$d/plain.txt" "$d/my desk.km"
check "the protected file is not the plain text" sh -c '! cmp -s "$1" "$2"' - "$d/plain.txt" "$d/my desk.km"
check "version 4 is written" test "$("$k" version "$d/my desk.km")" = 4
check "unprotect" "$k" unprotect "$d/my desk.km" "$d/back.txt"
check "round trip gives the same bytes" cmp -s "$d/plain.txt" "$d/back.txt"
check "cat prints the plain text" sh -c '"$1" cat "$2" | cmp -s - "$3"' - "$k" "$d/my desk.km" "$d/plain.txt"

: > "$d/empty"
check "an empty file round-trips" sh -c '"$1" protect "$2" "$2.km" && "$1" unprotect "$2.km" "$2.back" && cmp -s "$2" "$2.back"' - "$k" "$d/empty"

# Failures report non-zero and leave what was already at the output alone.
head -c 100 /dev/zero | tr '\0' 'x' > "$d/foreign.km"
echo keep > "$d/existing.txt"
check "a foreign file is refused" sh -c '! "$1" unprotect "$2" "$3" 2>/dev/null' - "$k" "$d/foreign.km" "$d/existing.txt"
check "a refused unprotect keeps the existing output" test "$(cat "$d/existing.txt")" = keep
check "a failed protect keeps the existing output" sh -c '! "$1" protect "$2/missing" "$3" 2>/dev/null && test "$(cat "$3")" = keep' - "$k" "$d" "$d/existing.txt"
check "no staging file is left behind" sh -c '! ls "$1" | grep -q "\.part$"' - "$d"
check "a short file has no version" sh -c 'echo short > "$2/short"; ! "$1" version "$2/short" 2>/dev/null' - "$k" "$d"
check "usage errors exit with 2" sh -c '"$1" frobnicate >/dev/null 2>&1; test $? -eq 2' - "$k"

check "resolution.res holds data/resolutions.json" sh -c '"$1" cat "$2" | cmp -s - "$3"' - "$k" "$res" "$json"

echo "$failures failed"
[ "$failures" -eq 0 ]
