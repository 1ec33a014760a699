# Sourced by the scripts and tests that need a virtual screen.
#   start_xvfb DIR   starts Xvfb on a display it picks itself (a free one),
#                    1600 x 1000, large enough for the main window, and waits
#                    until it takes clients; sets xvfb_pid and xvfb_display
#                    (":N"). Its log goes to DIR/xvfb.log. Fails (status 1)
#                    when it does not start within 30 seconds.
start_xvfb() {
    : >"$1/display"
    Xvfb -displayfd 5 -screen 0 1600x1000x24 -nolisten tcp 5>"$1/display" 2>"$1/xvfb.log" &
    xvfb_pid=$!
    xvfb_wait=0
    while [ ! -s "$1/display" ] && [ "$xvfb_wait" -lt 300 ] && kill -0 "$xvfb_pid" 2>/dev/null; do
        sleep 0.1
        xvfb_wait=$((xvfb_wait + 1))
    done
    [ -s "$1/display" ] || return 1
    xvfb_display=":$(head -n 1 "$1/display")"
}
