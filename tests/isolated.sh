#!/bin/sh
# Runs one test command in a throw-away home: HOME, XDG folders, runtime folder,
# single-instance folder and TMPDIR all point into a fresh temporary folder that
# is removed afterwards.
set -u
root=$(mktemp -d "${TMPDIR:-/tmp}/seamrun-test.XXXXXX") || exit 1
trap 'rm -rf "$root"' EXIT INT TERM
mkdir -p "$root/home" "$root/config" "$root/data" "$root/cache" "$root/state" "$root/runtime" "$root/tmp"
chmod 700 "$root/runtime"
export HOME="$root/home"
export XDG_CONFIG_HOME="$root/config"
export XDG_DATA_HOME="$root/data"
export XDG_CACHE_HOME="$root/cache"
export XDG_STATE_HOME="$root/state"
export XDG_RUNTIME_DIR="$root/runtime"
# The single-instance socket's folder: the program's own is per user id, which
# tests running side by side would share.
export SEAMRUN_INSTANCE_DIR="$root/instance"
export TMPDIR="$root/tmp"
# System-wide settings under /etc/xdg (Qt's logging rules, settings fallbacks)
# are the machine's, not the test's.
mkdir -p "$root/xdg"
export XDG_CONFIG_DIRS="$root/xdg"
# Qt settings of the desktop session would change what the tests see: another
# platform plugin with no display to use, scaled screens and fonts, another
# style, debug messages filtered out or reformatted.
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_AUTO_SCREEN_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING \
      QT_SCALE_FACTOR_ROUNDING_POLICY QT_DEVICE_PIXEL_RATIO QT_FONT_DPI QT_USE_PHYSICAL_DPI \
      QT_QPA_PLATFORMTHEME QT_STYLE_OVERRIDE QT_QUICK_CONTROLS_STYLE QT_QUICK_CONTROLS_1_STYLE \
      QT_LOGGING_RULES QT_LOGGING_CONF QT_MESSAGE_PATTERN
export QT_QPA_PLATFORM=offscreen
export QT_QUICK_BACKEND=software
export QML_DISK_CACHE_PATH="$root/cache/qml"
export SEAMRUN_TEST_ROOT="$root"
# The fonts the package depends on and no others, whatever the machine has
# installed: what the screen tests measure must not change with them.
# SEAMRUN_TEST_FONTS picks another set (tests/fonts/wide-sans.conf); a set
# can include package.conf by name, found beside it.
export FONTCONFIG_FILE="${SEAMRUN_TEST_FONTS:-$(cd "$(dirname "$0")" && pwd)/fonts/package.conf}"
FONTCONFIG_PATH=$(dirname "$FONTCONFIG_FILE")
export FONTCONFIG_PATH
# Where the emulated switch (when preloaded) writes its log.
export SEAMRUN_EMU_LOG="${SEAMRUN_EMU_LOG:-$root/switch.jsonl}"
unset DISPLAY WAYLAND_DISPLAY SESSION_MANAGER
"$@"
status=$?
exit $status
