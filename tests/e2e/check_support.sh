# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the end-to-end scripts: a work folder removed at exit, failures
# counted rather than stopping at the first, and the command line run with a
# time limit so that nothing can hold the test. Sets $work.
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0

fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# cli_run ARGS...: zq61-cli ($cli) with a time limit; scripts may wrap it.
cli_run() { timeout -k 5 180 "$cli" "$@"; }

# expect_exit CODE ARGS...: runs the command line; stdout in $work/out,
# stderr in $work/err.
expect_exit() {
    local want="$1"; shift
    cli_run "$@" >"$work/out" 2>"$work/err"
    local got=$?
    [ "$got" -eq "$want" ] || fail "zq61-cli $* exited $got, expected $want: $(tail -n 5 "$work/err")"
}

finish() {
    [ "$failures" -eq 0 ] && echo "all checks passed"
    exit $((failures > 0))
}
