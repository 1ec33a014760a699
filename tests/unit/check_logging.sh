#!/bin/sh
# Every native log line goes through a category of src/logcategories.h, so
# QT_LOGGING_RULES reaches all of them by the names listed there: no category
# is made anywhere else, and no line is written without one.
#   check_logging.sh SOURCE_ROOT
set -u
root=${1:?source root}
status=0
for dir in src tools; do
    for file in $(find "$root/$dir" -type f \( -name '*.cpp' -o -name '*.h' -o -name '*.c' \) | sort); do
        case "$file" in
        "$root"/src/logcategories.h | "$root"/src/logcategories.cpp) continue ;;
        esac
        # Comments may name the macros; code may not use them.
        hits=$(grep -nE '\bQ_(DECLARE_)?LOGGING_CATEGORY\b|\bQLoggingCategory +[A-Za-z_][A-Za-z0-9_]* *[({]|\bq(Debug|Info|Warning|Critical) *\(' "$file" \
            | grep -vE '^[0-9]+: *//')
        if [ -n "$hits" ]; then
            echo "$hits" | sed "s|^|${file#"$root"/}:|"
            status=1
        fi
    done
done
[ "$status" -eq 0 ] && echo "every native log line has a category of src/logcategories.h"
exit "$status"
