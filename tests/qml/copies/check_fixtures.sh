#!/bin/sh
# check_copies.sh against the two fixtures beside this script: good.qml
# passes with nothing named; bad.qml fails naming exactly its lines marked
# "// copy", no more and no fewer.
#   check_fixtures.sh
set -u
here=$(cd "$(dirname "$0")" && pwd)
. "$here/../../lib/check.sh"
scan="$here/../check_copies.sh"

named() { sed -n 's/^[^:]*:\([0-9][0-9]*\): .*/\1/p' | tr '\n' ' '; }

out=$(sh "$scan" "$here/good.qml"); rc=$?
check "sound code passes" [ "$rc" -eq 0 ]
check "sound code: nothing named" [ -z "$(echo "$out" | named)" ]

out=$(sh "$scan" "$here/bad.qml"); rc=$?
echo "$out"
got=$(echo "$out" | named)
want=$(grep -n '// copy$' "$here/bad.qml" | cut -d: -f1 | tr '\n' ' ')
check "writes into copies fail the check" [ "$rc" -eq 1 ]
check "the marked lines are named, no other (want: $want got: $got)" [ "$got" = "$want" ]
finish
