#!/bin/sh
# The editor's cells (gridModel) and monitor list (allmonModel) are read-only
# views of the desk model: get() hands out a copy, so a write into it, or a
# list-model call that would change them, changes nothing on screen or in the
# desk and only looks like an edit. Edits go to the desk model.
#   check_cell_copies.sh SOURCE_DIR
set -u
root=${1:?source folder}
status=0
for file in $(find "$root/src" "$root/tests" "$root/bench" -name '*.qml' -o -name '*.js' | sort); do
    hits=$(grep -nE '(gridModel|allmonModel)\.(setProperty|set|append|insert|remove|move|clear)\(|(gridModel|allmonModel)\.get\([^)]*\)\.[A-Za-z_]+ *(=[^=]|\+=|-=|\+\+|--)' "$file" \
        | grep -vE '^[0-9]+: *//')
    # A cell fetched into a variable and then written to.
    names=$(grep -oE 'var +[A-Za-z_]+ *= *[A-Za-z_.]*(gridModel|allmonModel)\.get\(' "$file" | sed -E 's/var +([A-Za-z_]+).*/\1/' | sort -u)
    for name in $names; do
        more=$(grep -nE "(^|[^A-Za-z_.])$name\.[A-Za-z_]+ *(=[^=]|\+=|-=|\+\+|--)" "$file" | grep -vE '^[0-9]+: *//')
        [ -n "$more" ] && hits=$(printf '%s\n%s' "$hits" "$more")
    done
    hits=$(printf '%s' "$hits" | sed '/^$/d')
    if [ -n "$hits" ]; then
        echo "$hits" | sed "s|^|$file:|"
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "nothing writes into the editor's cell or monitor copies"
exit "$status"
