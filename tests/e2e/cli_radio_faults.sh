#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A radio that loses, delays and spoils answers: with retries the transfers
# either succeed with the right data or fail cleanly; a cable pulled out
# mid-transfer ends the command at once and says why.
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

# The cable is pulled out (the device goes away after so many answers)
# during a read, a write, the read-back of a verify and a comparison: each
# command ends at once, without time-outs or the failure prompt, naming the
# port and the system's reason; a write says the radio is partly written;
# nothing is saved.
lost="The connection to the radio was lost:"
cases=("100||read $work/gone.dat"
       "100|The radio is only partly written.|write $work/ham.dat"
       "600|Verify failed|write --verify $work/ham.dat"
       "100||diff --no-backup $work/ham.dat radio")
for case in "${cases[@]}"; do
    IFS='|' read -r answers also args <<<"$case"
    start_sim --vanish-after "$answers"
    # shellcheck disable=SC2086
    expect_exit 1 $args --port "$port"
    grep -qF "$lost" "$work/err" && grep -qF "$port: " "$work/err" ||
        fail "$args: the lost cable was not told with its port: $(tail -n 3 "$work/err")"
    [ -z "$also" ] || grep -qF "$also" "$work/err" || fail "$args: '$also' was not said"
    grep -q "Communication with the radio failed" "$work/err" &&
        fail "$args: a lost cable went through the failure prompt"
    stop_sim
done
[ -e "$work/gone.dat" ] && fail "a broken read saved a file"

finish
