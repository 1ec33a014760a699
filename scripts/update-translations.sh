#!/bin/sh
# Refreshes the source texts of the ten catalogues from the screens.
set -eu
cd "$(dirname "$0")/.."
for ts in en cn_t cn jp de py ko fr es po; do
    lupdate -silent -no-obsolete -locations none src/Qml src/HeadControl.qml src/FootControl.qml -ts "lang/$ts.ts"
done
