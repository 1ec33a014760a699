# Sourced by the shell tests: one PASS or FAIL line per check, then a count.
#   check DESCRIPTION COMMAND...   runs COMMAND, which must succeed
#   finish                         prints the count; the test's exit status
failures=0
check() {
    what=$1; shift
    if "$@"; then echo "PASS: $what"; else echo "FAIL: $what"; failures=$((failures + 1)); fi
}
finish() {
    echo "$failures failed"
    [ "$failures" -eq 0 ]
}
