#!/bin/sh
# The screens take their colours, font and text sizes from the Theme singleton:
# no colour literal, font family or pixel size is written out in a screen
# outside Theme.qml.
#   check_theme.sh SRC_DIR
# The focus frame colour main.frame_color is data (stored back as it came),
# not style, and stays a literal.
set -u
src=${1:?source folder}
status=0
for file in "$src"/*.qml "$src"/Qml/*.qml "$src"/Qml/*/*.qml; do
    name=$(basename "$file")
    [ "$name" = Theme.qml ] && continue
    # Comments may name colours; code may not.
    hits=$(grep -nE '"#[0-9A-Fa-f]{3,8}"|\b(color|Color|fillStyle|strokeStyle)\b[^"]*"[A-Za-z]+"|Qt\.(rgba|rgb|hsla|hsva|tint)\(|family *: *[^ T]|family *: *T[^h]|pixelSize *: *[0-9]' "$file" \
        | grep -vE '^[0-9]+: *//' \
        | grep -vE 'property string frame_color: "#[0-9A-Fa-f]{6}"')
    if [ -n "$hits" ]; then
        echo "$hits" | sed "s|^|$file:|"
        status=1
    fi
done
[ "$status" -eq 0 ] && echo "every screen takes its colours, font and text sizes from Theme"
exit "$status"
