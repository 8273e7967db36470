#!/usr/bin/env bash
# A radio that loses, delays and spoils answers: with retries the transfers
# either succeed with the right data or fail cleanly; a radio that goes
# away mid-transfer ends the command instead of hanging it.
set -uo pipefail
cli="$1"
sim="$2"
. "$(dirname "$0")/radio_support.sh"

expect_exit 0 new "$work/ham.dat"
start_sim --save-memory "$work/clean.bin"
expect_exit 0 write --port "$port" "$work/ham.dat"
stop_sim

for seed in 11; do  # a seed whose read needs the link failure prompt once
    start_sim --memory "$work/clean.bin" --faults 0.02 --seed "$seed" --save-memory "$work/f$seed.bin"
    timeout -k 5 180 "$cli" read --port "$port" --retries 2 "$work/f$seed.dat" >"$work/out" 2>"$work/err"
    status=$?
    case $status in
        0) same_document "$work/ham.dat" "$work/f$seed.dat" ;;
        1) grep -q "Communication with the radio failed" "$work/err" ||
               fail "seed $seed: a failed read without the link failure message" ;;
        *) fail "seed $seed: read ended with $status: $(tail -n 3 "$work/err")" ;;
    esac
    timeout -k 5 180 "$cli" write --port "$port" --retries 2 "$work/ham.dat" >"$work/out" 2>"$work/err"
    status=$?
    [ "$status" -le 1 ] || fail "seed $seed: write ended with $status"
    stop_sim
    # A write that reports success has put exactly the document into the radio.
    [ "$status" -eq 0 ] && ! cmp -s "$work/clean.bin" "$work/f$seed.bin" &&
        fail "seed $seed: a successful write left other memory"
done

# The radio goes away in the middle of a read.
start_sim --pace
timeout -k 5 60 "$cli" read --port "$port" "$work/gone.dat" >"$work/out" 2>"$work/err" &
reader=$!
sleep 1
kill -TERM "$sim_pid"
wait "$sim_pid"
wait "$reader"
status=$?
[ "$status" -eq 1 ] || fail "a read from a radio that went away ended with $status"
[ -e "$work/gone.dat" ] && fail "a broken read saved a file"

finish
