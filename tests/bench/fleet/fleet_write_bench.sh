#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# How long one zq61-cli write to four radios at once takes against a single
# write: virtual radios paced like real cables (zq61-sim --pace), one plain,
# one over an echoing cable, one with a password and one of another band
# mode (refused), as the end-to-end test has them. Prints the times of the
# best of RUNS runs (default 1) and the ratio, without and with --verify;
# the goal is a ratio of at most 1.15.
#   tests/bench/fleet/fleet_write_bench.sh [BUILD]    (default build-bench)
set -euo pipefail
export LC_ALL=C
build="${1:-build-bench}"
programs="$build/stage/V100"
cli="$programs/zq61-cli"
sim="$programs/zq61-sim"
runs="${RUNS:-1}"
[ -x "$cli" ] && [ -x "$sim" ] || { echo "no zq61-cli and zq61-sim in $programs" >&2; exit 2; }
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
work="$(mktemp -d)"
export XDG_DATA_HOME="$work/data"
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill -TERM "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# radio ARGS...: a paced virtual radio; its port in $port.
radio() {
    local out="$work/radio.${#pids[@]}"
    "$sim" --pace "$@" >"$out" 2>&1 &
    pids+=($!)
    port=""
    for _ in $(seq 100); do
        port="$(head -n 1 "$out" 2>/dev/null)" && [ -n "$port" ] && return
        sleep 0.05
    done
    echo "zq61-sim did not start: $(cat "$out")" >&2
    exit 1
}

# seconds COMMAND...: the wall time of the command, in seconds.
seconds() {
    local start end
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 || true
    end=$(date +%s%N)
    echo "scale=2; ($end - $start) / 1000000000" | bc
}

"$cli" new --band ham --initialize "$work/ham.dat" >/dev/null
radio; single="$port"
radio; plain="$port"
radio --echo; echoing="$port"
radio --password 1234; locked="$port"
radio --band cb; other="$port"

best() { sort -n | head -n 1; }
for verify in "" "--verify"; do
    one=$(for _ in $(seq "$runs"); do
        seconds "$cli" write --port "$single" $verify "$work/ham.dat"
    done | best)
    four=$(for _ in $(seq "$runs"); do
        seconds "$cli" write --port "$plain" --port "$echoing" --port "$locked" --port "$other" \
            --password 1234 $verify "$work/ham.dat"
    done | best)
    printf 'write%-9s one radio %6.2f s   four radios %6.2f s   ratio %.3f\n' \
        "${verify:+ --verify}" "$one" "$four" "$(echo "scale=4; $four / $one" | bc)"
done
