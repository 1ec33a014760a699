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
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
export QT_QUICK_BACKEND="${QT_QUICK_BACKEND:-software}"
export QML_DISK_CACHE_PATH="$root/cache/qml"
export SEAMRUN_TEST_ROOT="$root"
# Where the emulated switch (when preloaded) writes its log.
export SEAMRUN_EMU_LOG="${SEAMRUN_EMU_LOG:-$root/switch.jsonl}"
unset DISPLAY WAYLAND_DISPLAY SESSION_MANAGER
"$@"
status=$?
exit $status
