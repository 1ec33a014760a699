#!/bin/sh
# A C++ list model's get(i) hands QML a copy of the row, where a ListModel
# handed out the live row: writing to it, as in
#     gridModel.get(i).display = true
#     var c = desk.get(r); c.port = 2
# changes nothing and says nothing. This check finds such writes in the
# screens' code: an assignment (=, +=, ..., ++, --) to a property of a value
# taken from .get(, directly or through a variable given that value in the
# same function, and such a value handed to a named function that writes to
# that parameter (function showMonitor(cell, m) { cell.row = m.row }). Each
# one is named as FILE:LINE; rows change through the model's own methods
# (setProperty, the edit methods) instead.
#   check_copies.sh DIR_OR_FILE...   every .qml and .js under each DIR
# Comments and texts are not code here. Functions are known by name across
# all the files read; a value passed on through a second function is not
# followed.
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
    if (pass == 1) return
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
    n = 0
    for (name in param) if (param[name] >= d) gone[++n] = name
    for (i = 1; i <= n; i++) { delete param[gone[i]]; delete paramOf[gone[i]] }
}

# The parameters of "function name(a, b)" in head become known in the body
# that opens at depth d, as (name, 1) and (name, 2).
function parameters(head, d,    fn, list, n, i, p) {
    if (!match(head, /function[ \t]+[A-Za-z_$][A-Za-z0-9_$]*[ \t]*\([^)]*\)/)) return
    fn = substr(head, RSTART, RLENGTH); sub(/^function[ \t]+/, "", fn)
    list = fn; sub(/^[^(]*\(/, "", list); sub(/\)$/, "", list)
    sub(/[ \t]*\(.*/, "", fn)
    n = split(list, names, ",")
    for (i = 1; i <= n; i++) {
        p = names[i]; sub(/^[ \t]+/, "", p); sub(/[^A-Za-z0-9_$].*/, "", p)
        if (p == "") continue
        param[p] = d; paramOf[p] = fn SUBSEP i
    }
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
        delete param[name]; delete paramOf[name]
    }
}

# Writes into a tainted name: c.p = v, c[r] -= v, c.p++, ++c.p.
function taintedWrites(s,    rest, pos, name, start, after) {
    rest = s; pos = 0
    while (match(rest, /[A-Za-z_$][A-Za-z0-9_$]*/)) {
        start = pos + RSTART; name = substr(rest, RSTART, RLENGTH)
        pos += RSTART + RLENGTH - 1; rest = substr(s, pos + 1)
        if (!(name in tainted) && !(name in param)) continue
        if (start > 1 && substr(s, start - 1, 1) == ".") continue
        after = pastChain(s, start + length(name))
        if (!(chainLen > 0 && (assigns(s, after) || incrementedBefore(s, start)))) continue
        if (name in tainted)
            report("writes into a copy from get() held in \"" name "\"")
        else if (pass == 1)
            writer[paramOf[name]] = 1
    }
}

# Whether the argument text a is a copy from get(): a name holding one, or a
# .get( call and nothing more.
function isCopy(a,    i) {
    if (a ~ /^[A-Za-z_$][A-Za-z0-9_$]*$/) return a in tainted
    if (!match(a, /^[A-Za-z_$][A-Za-z0-9_$.]*/)) return 0
    i = RLENGTH - 3
    return i > 1 && getCallEnd(a, i) == length(a) + 1
}

# A copy handed to a function that writes into that parameter:
# showMonitor(gridModel.get(i), m) or e.showMonitor(cell, m).
function calls(s,    rest, pos, start, name, open, shut, depth, i, ch, k, arg, before) {
    rest = s; pos = 0
    while (match(rest, /[A-Za-z_$][A-Za-z0-9_$]*[ \t]*\(/)) {
        start = pos + RSTART; open = pos + RSTART + RLENGTH - 1
        name = substr(rest, RSTART, RLENGTH); sub(/[^A-Za-z0-9_$].*/, "", name)
        pos = open; rest = substr(s, pos + 1)
        before = substr(s, 1, start - 1)
        if (before ~ /(^|[^A-Za-z0-9_$])function[ \t]+$/) continue
        shut = closing(s, open)
        if (!shut) continue
        k = 1; arg = ""; depth = 0
        for (i = open + 1; i <= shut; i++) {
            ch = substr(s, i, 1)
            if (depth == 0 && (ch == "," || i == shut)) {
                sub(/^[ \t]+/, "", arg); sub(/[ \t]+$/, "", arg)
                if (((name SUBSEP k) in writer) && isCopy(arg))
                    report("hands a copy from get() to " name "(), which writes into it")
                k++; arg = ""
                continue
            }
            if (ch ~ /[([{]/) depth++
            else if (ch ~ /[)\]}]/) depth--
            arg = arg ch
        }
    }
}

# A line is read in pieces between braces, each piece in its scope; a brace
# after "function", "=>" or a QML "name:" opens a function body.
function piece(s) {
    directWrites(s)
    bindings(s)
    taintedWrites(s)
    if (pass == 2) calls(s)
}

function opensFunction(head) {
    return head ~ /(^|[^A-Za-z0-9_$])function([^A-Za-z0-9_$]|$)/ || head ~ /(=>|:)[ \t]*$/
}

FNR == 1 {
    depth = 0; pendingFn = 0; inComment = 0; quote = ""
    split("", tainted); split("", fnAt); split("", param); split("", paramOf)
    fnHead = ""
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
            parameters(pendingFn ? fnHead head : head, depth)
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
    if (head ~ /[^ \t]/) { pendingFn = opensFunction(head); fnHead = head }
}
END { exit hits ? 1 : 0 }
'

# Every file twice: first to learn which functions write into which of their
# parameters, then to look for writes. A file name that awk would take for an
# assignment gets a leading "./".
set -- pass=1
for pass in 1 2; do
    [ "$pass" -eq 2 ] && set -- "$@" pass=2
    while IFS= read -r file; do
        case $file in [A-Za-z_]*=*) file="./$file" ;; esac
        set -- "$@" "$file"
    done <<EOF_FILES
$files
EOF_FILES
done
awk "$program" "$@"
status=$?
case $status in
0) echo "no write into a copy from get()" ;;
1) ;;
*) echo "check_copies.sh: the check could not run" >&2; exit 2 ;;
esac
exit "$status"
