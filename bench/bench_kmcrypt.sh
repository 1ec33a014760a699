#!/bin/sh
# Protects and unprotects a 64 MiB file with kmcrypt, side by side with
# "openssl enc -aes-128-ecb -nopad" on the same data, and prints the times
# and the ratios ours/openssl for both directions (best of RUNS each).
#   bench/bench_kmcrypt.sh [KMCRYPT] [RUNS]
set -eu
cd "$(dirname "$0")/.."
kmcrypt=${1:-build/bin/kmcrypt}
runs=${2:-3}
[ -x "$kmcrypt" ] || { echo "no kmcrypt at $kmcrypt (build first)" >&2; exit 2; }
command -v openssl >/dev/null || { echo "openssl not found" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/bench-kmcrypt.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
head -c 67108864 /dev/urandom > "$work/plain.bin"
key=$(openssl rand -hex 16)

now() { date +%s.%N; }
# best_of COMMAND...: the shortest wall time of $runs runs, in seconds.
best_of() {
    best=""
    i=0
    while [ "$i" -lt "$runs" ]; do
        start=$(now)
        "$@" >/dev/null
        end=$(now)
        t=$(echo "$start $end" | awk '{ printf "%.4f", $2 - $1 }')
        best=$(echo "$best $t" | awk '{ if (NF == 1 || $2 < $1) print $NF; else print $1 }')
        i=$((i + 1))
    done
    echo "$best"
}

ours_enc=$(best_of "$kmcrypt" protect "$work/plain.bin" "$work/plain.km")
ours_dec=$(best_of "$kmcrypt" unprotect "$work/plain.km" "$work/back.bin")
cmp -s "$work/plain.bin" "$work/back.bin" || { echo "kmcrypt round trip differs" >&2; exit 1; }
ossl_enc=$(best_of openssl enc -aes-128-ecb -nopad -K "$key" -in "$work/plain.bin" -out "$work/plain.enc")
ossl_dec=$(best_of openssl enc -d -aes-128-ecb -nopad -K "$key" -in "$work/plain.enc" -out "$work/plain.dec")
cmp -s "$work/plain.bin" "$work/plain.dec" || { echo "openssl round trip differs" >&2; exit 1; }

echo "64 MiB, best of $runs runs (seconds)"
printf '%-10s %10s %10s %8s\n' direction kmcrypt openssl ratio
for row in "encrypt $ours_enc $ossl_enc" "decrypt $ours_dec $ossl_dec"; do
    echo "$row" | awk '{ printf "%-10s %10.3f %10.3f %7.2fx\n", $1, $2, $3, $2 / $3 }'
done
