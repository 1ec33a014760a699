# Sourced by the benchmarks that time screens: a throw-away home and one Xvfb
# for the whole run (both removed on exit), and
#   probe PROGRAM [NAME=VALUE...]
#                   runs $bin/PROGRAM in that home on that screen, with the
#                   software renderer, its own single-instance folder,
#                   SEAMRUN_BENCH_T0 set to the start time and the variables
#                   given; prints its output
#   median          the median of the last field of the lines on stdin
# The sourcing script sets $bin first.
. scripts/xvfb.sh
work=$(mktemp -d)
xvfb_pid=""
trap 'kill $xvfb_pid 2>/dev/null; rm -rf "$work"' EXIT INT TERM
start_xvfb "$work" || { cat "$work/xvfb.log" >&2; echo "Xvfb did not start" >&2; exit 1; }

mkdir -p "$work/home" "$work/runtime" && chmod 700 "$work/runtime"
probe() {
    probe_program=$1
    shift
    rm -rf "$work/home/.config"
    env -i PATH="$PATH" DISPLAY="$xvfb_display" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
        SEAMRUN_INSTANCE_DIR="$work/instance" QT_QUICK_BACKEND=software "$@" SEAMRUN_BENCH_T0="$(date +%s%N)" \
        "$bin/$probe_program" 2>/dev/null
}

median() { awk '{print $NF}' | sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }
