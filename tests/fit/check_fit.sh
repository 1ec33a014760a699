#!/bin/sh
# Walks every screen of the program in one language on a virtual X screen and
# fails on any text that is cut, too wide for its box, outside its panel or
# the window, or on top of another text or control (tools/screenshots).
#   check_fit.sh DRIVER LANGUAGE
# Runs inside tests/isolated.sh, which gives it a throw-away home and the
# fonts of the test's font set.
set -u
driver=$1
language=$2
. "$(dirname "$0")/../../scripts/xvfb.sh"
start_xvfb "$SEAMRUN_TEST_ROOT" || { cat "$SEAMRUN_TEST_ROOT/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }
trap 'kill "$xvfb_pid" 2>/dev/null' EXIT INT TERM
DISPLAY=$xvfb_display QT_QPA_PLATFORM=xcb "$driver" --check-fit "$language" </dev/null
