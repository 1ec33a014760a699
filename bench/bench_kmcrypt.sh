#!/bin/sh
# Protects and unprotects a 64 MiB file with kmcrypt, side by side with
# "openssl enc -aes-128-ecb -nopad" on the same data, and prints the median
# times of RUNS runs and the ratios ours/openssl for both directions. Each
# run times the four commands one after the other (kmcrypt protect, openssl
# encrypt, kmcrypt unprotect, openssl decrypt), so both tools meet the same
# state of the machine.
#   bench/bench_kmcrypt.sh [KMCRYPT] [RUNS]     (RUNS default 11)
set -eu
cd "$(dirname "$0")/.."
kmcrypt=${1:-build/bin/kmcrypt}
runs=${2:-11}
[ -x "$kmcrypt" ] || { echo "no kmcrypt at $kmcrypt (build first)" >&2; exit 2; }
command -v openssl >/dev/null || { echo "openssl not found" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/bench-kmcrypt.XXXXXX")
trap 'rm -rf "$work"' EXIT INT TERM
head -c 67108864 /dev/urandom > "$work/plain.bin"
key=$(openssl rand -hex 16)

now() { date +%s.%N; }
# timed NAME COMMAND...: appends the wall time of COMMAND, in seconds, to
# $work/NAME.
timed() {
    name=$1
    shift
    start=$(now)
    "$@" >/dev/null
    end=$(now)
    echo "$start $end" | awk '{ printf "%.4f\n", $2 - $1 }' >> "$work/$name"
}
median() { sort -n "$work/$1" | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

: > "$work/ours_enc"; : > "$work/ossl_enc"; : > "$work/ours_dec"; : > "$work/ossl_dec"
i=0
while [ "$i" -lt "$runs" ]; do
    timed ours_enc "$kmcrypt" protect "$work/plain.bin" "$work/plain.km"
    timed ossl_enc openssl enc -aes-128-ecb -nopad -K "$key" -in "$work/plain.bin" -out "$work/plain.enc"
    timed ours_dec "$kmcrypt" unprotect "$work/plain.km" "$work/back.bin"
    timed ossl_dec openssl enc -d -aes-128-ecb -nopad -K "$key" -in "$work/plain.enc" -out "$work/plain.dec"
    i=$((i + 1))
done
cmp -s "$work/plain.bin" "$work/back.bin" || { echo "kmcrypt round trip differs" >&2; exit 1; }
cmp -s "$work/plain.bin" "$work/plain.dec" || { echo "openssl round trip differs" >&2; exit 1; }

echo "64 MiB, median of $runs runs (seconds)"
printf '%-10s %10s %10s %8s  %s\n' direction kmcrypt openssl ratio target
for row in "encrypt $(median ours_enc) $(median ossl_enc)" "decrypt $(median ours_dec) $(median ossl_dec)"; do
    echo "$row" | awk '{ printf "%-10s %10.3f %10.3f %7.2fx  <= 1.10x\n", $1, $2, $3, $2 / $3 }'
done
