#!/bin/sh
# The kmcrypt tool end to end, and the shipped resolution list it builds.
#   check_kmcrypt.sh KMCRYPT RESOLUTION_RES RESOLUTIONS_JSON
set -u
k=$1 res=$2 json=$3
. "$(dirname "$0")/../lib/check.sh"
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
# A protected file cut short (its header gives the body's full length) is
# damaged: exit 1 with that message, and no text at all, not one with garbage
# at its end.
for i in 1 2 3 4 5 6 7 8; do cat "$d/plain.txt"; done > "$d/long.txt"
"$k" protect "$d/long.txt" "$d/long.km"
for cut in 1 100; do
    size=$(wc -c < "$d/long.km")
    head -c $((size - cut)) "$d/long.km" > "$d/cut$cut.km"
    check "cut short by $cut: unprotect reports a damaged file" sh -c \
        '"$1" unprotect "$2" "$3" 2>"$4"; test $? -eq 1 && grep -q "not a protected file, or a damaged one" "$4"' - \
        "$k" "$d/cut$cut.km" "$d/existing.txt" "$d/err"
    check "cut short by $cut: the existing output is kept" test "$(cat "$d/existing.txt")" = keep
    check "cut short by $cut: cat prints nothing" sh -c '! "$1" cat "$2" > "$3" 2>/dev/null && test ! -s "$3"' - \
        "$k" "$d/cut$cut.km" "$d/cat.out"
done
rm -f "$d/err" "$d/cat.out"
check "the intact file still unprotects" sh -c '"$1" cat "$2" | cmp -s - "$3"' - "$k" "$d/long.km" "$d/long.txt"

check "no work folder is left behind" sh -c '! ls -A "$1" | grep -q "kmcrypt-"' - "$d"
check "a short file has no version" sh -c 'echo short > "$2/short"; ! "$1" version "$2/short" 2>/dev/null' - "$k" "$d"
check "usage errors exit with 2" sh -c '"$1" frobnicate >/dev/null 2>&1; test $? -eq 2' - "$k"

# The tool touches nothing but its output: the library's scratch names
# ("<name>.tmp" beside the file it works on) and any staging name are left to
# the user. Each decoy must come through byte for byte, and nothing else may
# appear in the folder.
mkdir "$d/decoys"
cp "$d/plain.txt" "$d/decoys/layout.json"
"$k" protect "$d/decoys/layout.json" "$d/decoys/layout.km"
for name in layout.tmp data.tmp data.km.tmp data.km.part out.txt in.km; do
    echo "decoy $name" > "$d/decoys/$name"
done
before=$(ls -A "$d/decoys")
check "protect beside decoys" "$k" protect "$d/decoys/layout.json" "$d/decoys/data.km"
check "unprotect beside decoys" "$k" unprotect "$d/decoys/layout.km" "$d/decoys/back.json"
check "cat beside decoys" sh -c '"$1" cat "$2" | cmp -s - "$3"' - "$k" "$d/decoys/layout.km" "$d/plain.txt"
check "protect again, over the old output" "$k" protect "$d/decoys/layout.json" "$d/decoys/data.km"
for name in layout.tmp data.tmp data.km.tmp data.km.part out.txt in.km; do
    check "decoy $name untouched" test "$(cat "$d/decoys/$name")" = "decoy $name"
done
check "only the outputs are new" test "$(ls -A "$d/decoys")" = "$(printf '%s\n' $before back.json data.km | sort)"
check "the outputs are right" sh -c '"$1" cat "$2" | cmp -s - "$3" && cmp -s "$4" "$3"' - "$k" \
    "$d/decoys/data.km" "$d/plain.txt" "$d/decoys/back.json"

# An output that is a symbolic link is written where the link leads (to the
# end of a chain, or to a file not there yet), and every link stays as it was.
# A file that is replaced keeps its permission bits.
mkdir -p "$d/links/real"
printf 'another layout\n' > "$d/other.txt"
"$k" protect "$d/plain.txt" "$d/links/real/desk.km"
chmod 600 "$d/links/real/desk.km"
echo "old text" > "$d/links/real/back.txt"
chmod 640 "$d/links/real/back.txt"
ln -s real/desk.km "$d/links/desk.km"
ln -s "$d/links/mid.txt" "$d/links/back.txt"
ln -s real/back.txt "$d/links/mid.txt"
ln -s real/new.km "$d/links/new.km"
check "protect through a link" "$k" protect "$d/other.txt" "$d/links/desk.km"
check "unprotect through a chain of links" "$k" unprotect "$d/links/desk.km" "$d/links/back.txt"
check "protect through a link to a file not there yet" "$k" protect "$d/other.txt" "$d/links/new.km"
check "the links stay links" test "$(readlink "$d/links/desk.km")|$(readlink "$d/links/back.txt")|$(readlink "$d/links/mid.txt")|$(readlink "$d/links/new.km")" \
    = "real/desk.km|$d/links/mid.txt|real/back.txt|real/new.km"
check "the files they lead to are written" sh -c '"$1" cat "$2/real/desk.km" | cmp -s - "$3" && cmp -s "$2/real/back.txt" "$3" && "$1" cat "$2/real/new.km" | cmp -s - "$3"' - \
    "$k" "$d/links" "$d/other.txt"
check "replaced files keep their permissions" test "$(stat -c %a "$d/links/real/desk.km") $(stat -c %a "$d/links/real/back.txt")" = "600 640"
cp "$d/my desk.km" "$d/private.km"
chmod 600 "$d/private.km"
check "protect over a private file keeps it private" sh -c 'umask 022 && "$1" protect "$2" "$3" && test "$(stat -c %a "$3")" = 600' - \
    "$k" "$d/other.txt" "$d/private.km"
check "nothing else appears beside the links" test "$(ls -A "$d/links" | tr '\n' ' ')$(ls -A "$d/links/real" | tr '\n' ' ')" \
    = "back.txt desk.km mid.txt new.km real back.txt desk.km new.km "
ln -s loop.km "$d/links/loop2.km"
ln -s loop2.km "$d/links/loop.km"
check "links that go round in circles are refused" sh -c '! "$1" protect "$2" "$3" 2>/dev/null' - "$k" "$d/other.txt" "$d/links/loop.km"
check "and stay as they were" test "$(readlink "$d/links/loop.km") $(readlink "$d/links/loop2.km")" = "loop2.km loop.km"

# Only ordinary files are read, and only an ordinary file (or a new name) is
# written: a named pipe would hold the tool for ever, a device would be read
# without end or replaced by a plain file. Each refusal exits 1 at once with
# the reason and writes nothing. Devices are reached only through links in
# the test's folder, and only /dev/null and /dev/zero; time and file-size
# limits keep a regression from hanging the test or filling the disk.
mkdir "$d/special" "$d/special-err"
mkfifo "$d/special/pipe"
ln -s /dev/null "$d/special/null"
ln -s /dev/zero "$d/special/zero"
mkdir "$d/special/folder"
refused() { # refused DESCRIPTION KMCRYPT-ARGUMENTS...
    what=$1; shift
    check "$what" sh -c 'ulimit -f 2048; timeout 20 "$@" >/dev/null 2>"$0"; test $? -eq 1 && grep -q "not an ordinary file" "$0"' \
        "$d/special-err/err" "$k" "$@"
}
for input in pipe null zero folder; do
    refused "version of a $input is refused" version "$d/special/$input"
    refused "cat of a $input is refused" cat "$d/special/$input"
    refused "protect from a $input is refused" protect "$d/special/$input" "$d/special/out.km"
    refused "unprotect from a $input is refused" unprotect "$d/special/$input" "$d/special/out.txt"
done
for output in pipe null folder; do
    refused "protect into a $output is refused" protect "$d/plain.txt" "$d/special/$output"
    refused "unprotect into a $output is refused" unprotect "$d/my desk.km" "$d/special/$output"
done
check "the named pipe is still a named pipe" test -p "$d/special/pipe"
check "the links still lead to the devices" test "$(readlink "$d/special/null") $(readlink "$d/special/zero")" = "/dev/null /dev/zero"
check "/dev/null is still a character device" test -c /dev/null
check "the folder is still an empty folder" test -d "$d/special/folder" -a -z "$(ls -A "$d/special/folder")"
check "nothing was written beside them" test "$(ls -A "$d/special" | tr '\n' ' ')" = "folder null pipe zero "

# An input in a folder the tool may not write to. As root nothing is read-only,
# so the tool then runs as "nobody" on a folder of root's; otherwise the folder
# is made read-only.
mkdir "$d/ro" "$d/out"
cp "$d/my desk.km" "$d/ro/layout.km"
echo "decoy" > "$d/ro/layout.tmp"
chmod 755 "$d/ro"
chmod 777 "$d/out"
as_user=""
k_ro=$k
if [ "$(id -u)" -eq 0 ]; then
    if command -v setpriv >/dev/null && id nobody >/dev/null 2>&1; then
        # nobody must reach the test's folders and the tool.
        dir=$d
        while [ "$dir" != "/" ]; do chmod o+x "$dir" 2>/dev/null; dir=$(dirname "$dir"); done
        as_user="setpriv --reuid=$(id -u nobody) --regid=$(id -g nobody) --clear-groups"
        # The build tree may sit in a folder nobody cannot enter (a private
        # clone), so nobody runs a copy of the tool and its library.
        mkdir "$d/tool"
        cp "$k" "$d/tool/kmcrypt"
        lib=$(ldd "$k" | awk '/libEncryptAPI/ { print $3 }')
        [ -n "$lib" ] && cp "$lib" "$d/tool/"
        chmod -R a+rX "$d/tool"
        as_user="$as_user env LD_LIBRARY_PATH=$d/tool"
        k_ro=$d/tool/kmcrypt
        check "the folder is read-only for the tool" sh -c '! '"$as_user"' touch "$1/probe" 2>/dev/null' - "$d/ro"
    else
        echo "SKIP: read-only folder (root without setpriv or a nobody account)"
    fi
else
    chmod 555 "$d/ro"
    check "the folder is read-only for the tool" sh -c '! touch "$1/probe" 2>/dev/null' - "$d/ro"
fi
if [ "$(id -u)" -ne 0 ] || [ -n "$as_user" ]; then
    check "unprotect from a read-only folder" $as_user "$k_ro" unprotect "$d/ro/layout.km" "$d/out/back.txt"
    check "its output is right" cmp -s "$d/out/back.txt" "$d/plain.txt"
    check "cat from a read-only folder" sh -c 'TMPDIR="$4" '"$as_user"' "$1" cat "$2" | cmp -s - "$3"' - \
        "$k_ro" "$d/ro/layout.km" "$d/plain.txt" "$d/out"
    check "the read-only folder is as it was" test "$(ls -A "$d/ro")" = "$(printf 'layout.km\nlayout.tmp')"
    check "its decoy is untouched" test "$(cat "$d/ro/layout.tmp")" = decoy
    check "cat leaves nothing in TMPDIR" test "$(ls -A "$d/out")" = back.txt
fi
chmod 755 "$d/ro"

check "resolution.res holds data/resolutions.json" sh -c '"$1" cat "$2" | cmp -s - "$3"' - "$k" "$res" "$json"

finish
