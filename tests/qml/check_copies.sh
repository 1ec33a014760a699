#!/bin/sh
# A C++ list model's get(i) hands QML a copy of the row, where a ListModel
# handed out the live row: writing to it, as in
#     gridModel.get(i).display = true
#     var c = desk.get(r); c.port = 2
# changes nothing and says nothing. This check finds such writes in the
# screens' code: an assignment (=, +=, ..., ++, --) to a property of a value
# taken from .get(, directly or through a variable given that value in the
# same function. Each one is named as FILE:LINE; rows change through the
# model's own methods (setProperty, the edit methods) instead.
#   check_copies.sh DIR_OR_FILE...   every .qml and .js under each DIR
# Comments and texts are not code here; a value handed to another function
# and written there is beyond what one reading of one function can see.
set -u
[ "$#" -gt 0 ] || { echo "usage: check_copies.sh DIR_OR_FILE..." >&2; exit 2; }
for arg in "$@"; do
    [ -e "$arg" ] || { echo "check_copies.sh: no such file or folder: $arg" >&2; exit 2; }
done
files=$(for arg in "$@"; do
    if [ -d "$arg" ]; then
        find "$arg" -type f \( -name '*.qml' -o -name '*.js' \) | LC_ALL=C sort
    else
        echo "$arg"
    fi
done)
[ -n "$files" ] || { echo "check_copies.sh: no .qml or .js file in $*" >&2; exit 2; }

program='
function isword(ch) { return ch ~ /[A-Za-z0-9_$]/ }

# The line without comments and without the insides of texts (quotes kept),
# so that braces, parentheses and "=" in them count for nothing. A block
# comment or a template text may go on to the next line.
function clean(line,    out, i, n, ch, nx) {
    out = ""; n = length(line)
    for (i = 1; i <= n; i++) {
        ch = substr(line, i, 1); nx = substr(line, i + 1, 1)
        if (inComment) {
            if (ch == "*" && nx == "/") { inComment = 0; i++ }
            continue
        }
        if (quote != "") {
            if (ch == "\\") { i++; continue }
            if (ch == quote) { out = out ch; quote = "" }
            continue
        }
        if (ch == "/" && nx == "/") break
        if (ch == "/" && nx == "*") { inComment = 1; i++; continue }
        if (ch == "\"" || ch == "\047" || ch == "`") quote = ch
        out = out ch
    }
    # Only a template text may span lines.
    if (quote != "`") quote = ""
    return out
}

# Position of the bracket that closes the one at i, or 0 if not on this line.
function closing(s, i,    open, shut, depth, n, ch) {
    open = substr(s, i, 1); shut = open == "(" ? ")" : "]"
    depth = 0; n = length(s)
    for (; i <= n; i++) {
        ch = substr(s, i, 1)
        if (ch == "(" || ch == "[") depth++
        else if (ch == ")" || ch == "]") { depth--; if (depth == 0) return ch == shut ? i : 0 }
    }
    return 0
}

function skipSpace(s, i) {
    while (substr(s, i, 1) ~ /[ \t]/) i++
    return i
}

# Past a chain of member accesses (.name, [expr]) from i; sets chainLen to
# how many there were.
function pastChain(s, i,    j, k) {
    chainLen = 0
    while (1) {
        j = skipSpace(s, i)
        if (substr(s, j, 1) == "." && substr(s, j + 1, 1) != ".") {
            k = skipSpace(s, j + 1)
            if (!isword(substr(s, k, 1))) return i
            while (isword(substr(s, k, 1))) k++
            i = k; chainLen++
        } else if (substr(s, j, 1) == "[") {
            k = closing(s, j)
            if (!k) return i
            i = k + 1; chainLen++
        } else
            return i
    }
}

# Whether an assignment or an increment starts at i.
function assigns(s, i,    t) {
    i = skipSpace(s, i); t = substr(s, i, 4)
    if (t ~ /^(\+\+|--)/) return 1
    if (t ~ /^=[^=>]/ || t == "=") return 1
    if (t ~ /^(\+|-|\*|\/|%|&|\||\^)=/) return 1
    if (t ~ /^(<<|>>|\*\*|&&|\|\||\?\?)=/ || t ~ /^>>>=/) return 1
    return 0
}

# Whether the two characters before i (spaces skipped) are ++ or --.
function incrementedBefore(s, i) {
    while (i > 1 && substr(s, i - 1, 1) ~ /[ \t]/) i--
    return i > 2 && substr(s, i - 2, 2) ~ /^(\+\+|--)$/
}

# Start of the name chain (a.b.c) that ends just before i.
function chainStart(s, i) {
    while (i > 1 && (isword(substr(s, i - 1, 1)) || substr(s, i - 1, 1) == ".")) i--
    return i
}

# If a .get( call starts at i (at its dot), the position after its closing
# parenthesis, else 0.
function getCallEnd(s, i,    k) {
    if (substr(s, i, 5) != ".get(") return 0
    k = closing(s, i + 4)
    return k ? k + 1 : 0
}

function report(why) {
    printf "%s:%d: %s: %s\n", FILENAME, FNR, why, original
    hits++
}

# The innermost function body (a function, an arrow function or a QML
# handler or binding block); the file itself if none.
function scope(    d) {
    for (d = depth; d > 0; d--) if (fnAt[d]) return d
    return 0
}

function leave(d,    name, gone, n, i) {
    n = 0
    for (name in tainted) if (tainted[name] >= d) gone[++n] = name
    for (i = 1; i <= n; i++) delete tainted[gone[i]]
}

# Writes straight into a .get( result: x.get(i).p = v, x.get(i)[r] += v,
# x.get(i).p++, ++x.get(i).p.
function directWrites(s,    i, n, end, after) {
    n = length(s)
    for (i = 1; i <= n; i++) {
        end = getCallEnd(s, i)
        if (!end) continue
        after = pastChain(s, end)
        if (chainLen > 0 && (assigns(s, after) || incrementedBefore(s, chainStart(s, i))))
            report("writes into a copy from get()")
    }
}

# Names given a .get( result (var c = m.get(i), c = m.get(i)) are tainted in
# the current function; given anything else, no longer.
function bindings(s,    rest, pos, name, start, i, before, value, end, ok) {
    rest = s; pos = 0
    while (match(rest, /[A-Za-z_$][A-Za-z0-9_$]*[ \t]*=/)) {
        start = pos + RSTART; i = start + RLENGTH
        pos += RSTART + RLENGTH - 1; rest = substr(s, pos + 1)
        if (substr(s, i, 1) ~ /[=>]/) continue                 # ==, ===, =>
        if (start > 1 && isword(substr(s, start - 1, 1))) continue
        before = substr(s, 1, start - 1); sub(/[ \t]+$/, "", before)
        if (before ~ /[.]$/) continue                           # a member, not a name
        if (before != "" && before !~ /(^|[^A-Za-z0-9_$])(var|let|const)$/ && before !~ /[;{}(,]$/) continue
        name = substr(s, start); sub(/[^A-Za-z0-9_$].*/, "", name)
        value = skipSpace(s, i)
        # The value is a name chain ending in .get(...), and nothing more.
        ok = 0
        match(substr(s, value), /^[A-Za-z_$][A-Za-z0-9_$.]*/)
        if (RSTART == 1) {
            i = value + RLENGTH - 4
            end = i >= value ? getCallEnd(s, i) : 0
            if (end && substr(s, skipSpace(s, end), 1) ~ /^([;,)}]|)$/) ok = 1
        }
        if (ok) tainted[name] = scope()
        else delete tainted[name]
    }
}

# Writes into a tainted name: c.p = v, c[r] -= v, c.p++, ++c.p.
function taintedWrites(s,    rest, pos, name, start, after) {
    rest = s; pos = 0
    while (match(rest, /[A-Za-z_$][A-Za-z0-9_$]*/)) {
        start = pos + RSTART; name = substr(rest, RSTART, RLENGTH)
        pos += RSTART + RLENGTH - 1; rest = substr(s, pos + 1)
        if (!(name in tainted)) continue
        if (start > 1 && substr(s, start - 1, 1) == ".") continue
        after = pastChain(s, start + length(name))
        if (chainLen > 0 && (assigns(s, after) || incrementedBefore(s, start)))
            report("writes into a copy from get() held in \"" name "\"")
    }
}

# A line is read in pieces between braces, each piece in its scope; a brace
# after "function", "=>" or a QML "name:" opens a function body.
function piece(s) {
    directWrites(s)
    bindings(s)
    taintedWrites(s)
}

function opensFunction(head) {
    return head ~ /(^|[^A-Za-z0-9_$])function([^A-Za-z0-9_$]|$)/ || head ~ /(=>|:)[ \t]*$/
}

FNR == 1 {
    depth = 0; pendingFn = 0; inComment = 0; quote = ""
    split("", tainted); split("", fnAt)
}
{
    original = $0; sub(/^[ \t]+/, "", original)
    s = clean($0); n = length(s); head = ""
    for (i = 1; i <= n; i++) {
        ch = substr(s, i, 1)
        if (ch == "{") {
            piece(head)
            depth++
            fnAt[depth] = pendingFn || opensFunction(head)
            pendingFn = 0; head = ""
        } else if (ch == "}") {
            piece(head)
            if (depth > 0) { leave(depth); fnAt[depth] = 0; depth-- }
            pendingFn = 0; head = ""
        } else
            head = head ch
    }
    piece(head)
    # "function f()" with its brace on the next line.
    if (head ~ /[^ \t]/) pendingFn = opensFunction(head)
}
END { exit hits ? 1 : 0 }
'

# One file at a time: 1 means writes were found, anything else that the
# check itself failed.
status=0
while IFS= read -r file; do
    awk "$program" "$file"
    case $? in
    0) ;;
    1) status=1 ;;
    *) echo "check_copies.sh: cannot read $file" >&2; exit 2 ;;
    esac
done <<EOF_FILES
$files
EOF_FILES
[ "$status" -eq 0 ] && echo "no write into a copy from get()"
exit "$status"
