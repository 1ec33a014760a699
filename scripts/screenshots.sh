#!/bin/bash
# Photographs the program's screens on a virtual X screen: the home page, its
# template pages, the configurations of a template, the About box, the
# notices and questions, the editor page (also once the switch's firmware is
# read) with both menus, every settings dialog, and the layout editor with a
# 16-monitor template, its lists, the delete prompt, each error page, the
# tutorial and the smallest zoom, the questions and the connection dialog of
# "Save to device", the open language list, and the low-resolution and
# already-running notices.
#   scripts/screenshots.sh [OUTPUT_DIR] [LANGUAGE]
# OUTPUT_DIR defaults to screenshots/; LANGUAGE is a catalogue name of lang/
# (en, cn_t, cn, jp, de, py, ko, fr, es, po), English when left out.
# Builds first when needed. Runs in a throw-away home, so the pictures show a
# first start and nothing touches your own settings.
set -euo pipefail
cd "$(dirname "$0")/.."
out=$(realpath -m "${1:-screenshots}")
language=${2:-en}
if [ ! -f "lang/$language.ts" ]; then
    echo "no language \"$language\" in lang/" >&2
    exit 2
fi
mkdir -p "$out"

if [ ! -x build/bin/screenshot_driver ] || [ ! -x build/bin/seamrun-config ]; then
    sh scripts/build.sh
else
    cmake --build build -j2 --target screenshot_driver >/dev/null
fi

root=$(mktemp -d "${TMPDIR:-/tmp}/seamrun-shots.XXXXXX")
xvfb_pid=""
driver_pid=""
cleanup() {
    [ -n "$driver_pid" ] && kill "$driver_pid" 2>/dev/null || true
    [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT INT TERM

# A screen large enough for the main window, on a free display.
. scripts/xvfb.sh
start_xvfb "$root" || { cat "$root/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }

mkdir -p "$root/home" "$root/config" "$root/data" "$root/cache" "$root/runtime"
chmod 700 "$root/runtime"
mkfifo "$root/to-driver" "$root/from-driver"

env -u WAYLAND_DISPLAY DISPLAY="$xvfb_display" HOME="$root/home" XDG_CONFIG_HOME="$root/config" \
    XDG_DATA_HOME="$root/data" XDG_CACHE_HOME="$root/cache" XDG_RUNTIME_DIR="$root/runtime" \
    SEAMRUN_INSTANCE_DIR="$root/instance" QT_QPA_PLATFORM=xcb QT_QUICK_BACKEND=software \
    build/bin/screenshot_driver "$out" "$language" <"$root/to-driver" >"$root/from-driver" 2>"$root/driver.log" &
driver_pid=$!

exec 3>"$root/to-driver"
count=0
while read -r word name window <&4; do
    case "$word" in
    shot)
        if DISPLAY="$xvfb_display" import -window "$window" "$out/$name.png" 2>>"$root/import.log"; then
            echo next >&3
        else
            # The X server could not hand out the window: let the program
            # render it itself.
            echo grab >&3
        fi
        count=$((count + 1))
        echo "$out/$name.png"
        ;;
    done)
        break
        ;;
    esac
done 4<"$root/from-driver"
exec 3>&-

status=0
wait "$driver_pid" || status=$?
driver_pid=""
if [ "$status" -ne 0 ]; then
    cat "$root/driver.log" >&2
    exit "$status"
fi
# Warnings of the screens, for whoever looks at the pictures.
if [ -s "$root/driver.log" ]; then
    echo "--- program output ---" >&2
    cat "$root/driver.log" >&2
fi
echo "$count screenshots in $out"
