#!/bin/sh
# Refreshes the source texts of the ten catalogues from the screens; then run
# scripts/translations.py to fill in the translations.
#   scripts/update-translations.sh              updates lang/*.ts
#   scripts/update-translations.sh --into FILE  writes the screens' texts into
#                                               FILE only (the catalogue test)
# LUPDATE names the lupdate to use (default: the one on the PATH).
set -eu
cd "$(dirname "$0")/.."
screens="src/Qml src/HeadControl.qml src/FootControl.qml"
lupdate=${LUPDATE:-lupdate}
if [ "${1:-}" = "--into" ]; then
    [ $# -eq 2 ] || { echo "usage: $0 [--into FILE]" >&2; exit 2; }
    # shellcheck disable=SC2086
    exec "$lupdate" -silent -no-obsolete -locations none $screens -ts "$2"
fi
for ts in en cn_t cn jp de py ko fr es po; do
    # shellcheck disable=SC2086
    "$lupdate" -silent -no-obsolete -locations none $screens -ts "lang/$ts.ts"
done
