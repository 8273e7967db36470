#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# zq61-cli against zq61-sim: the backups of every read, write --verify on a
# healthy radio and on one with a damaged memory cell, and diff between
# files, backups and the radio.
set -uo pipefail
cli="$1"
sim="$2"
. "$(dirname "$0")/radio_support.sh"

newest() { ls "$backups"/*."$1" 2>/dev/null | tail -n 1; }
count() { ls "$backups"/*.dat 2>/dev/null | wc -l; }

expect_exit 2 diff "$work/only-one.dat"
expect_exit 0 new --band hf --initialize "$work/hf.dat"

# A healthy radio: the write verifies, the radio equals the file, and a read
# leaves a backup whose image is the radio's memory byte for byte.
start_sim --band hf --save-memory "$work/mem.bin"
expect_exit 0 write --verify --port "$port" "$work/hf.dat"
grep -q "^Verified" "$work/out" || fail "a healthy write was not reported verified"
expect_exit 0 diff --port "$port" "$work/hf.dat" radio
[ -s "$work/out" ] && fail "the radio differs from the file just written: $(head -n 3 "$work/out")"
expect_exit 0 read --port "$port" "$work/back.dat"
grep -q "^Backup of this read: $backups/.*_ZQ-61_HF.dat$" "$work/out" || fail "read named no backup"
expect_exit 0 read --no-backup --port "$port" "$work/back2.dat"
stop_sim
[ "$(count)" -eq 2 ] || fail "expected the backups of two reads (diff, read), found $(count)"
cmp -s "$(newest img)" "$work/mem.bin" || fail "the backup image is not the radio's memory"
cmp -s "$(newest dat)" "$work/back.dat" || fail "the backup document is not the file read"
[ -e "${work}/back2.dat" ] || fail "read --no-backup saved no file"

# A damaged cell in channel 12's slot: the verify names address and field.
start_sim --band hf --corrupt-byte 0x00BC
expect_exit 1 write --verify --port "$port" "$work/hf.dat"
grep -q "0x00BC: written .., read back .. (channel 12, tone tip)" "$work/err" ||
    fail "verify did not name channel 12's tone tip: $(cat "$work/err")"
grep -q "^Verified" "$work/out" && fail "a failed verify was reported verified"
stop_sim

# A damaged DTMF rate: settings area named; what is read back differs from
# the file by that one setting, in text and in JSON, and from the backup.
start_sim --band hf --corrupt-byte 0x1A4E
expect_exit 1 write --verify --port "$port" "$work/hf.dat"
grep -q "0x1A4E: .*(settings area, DTMF rate)" "$work/err" || fail "verify did not name the DTMF rate"
expect_exit 0 read --port "$port" "$work/damaged.dat"
stop_sim
expect_exit 1 diff "$work/back.dat" "$work/damaged.dat"
[ "$(wc -l <"$work/out")" -eq 1 ] && grep -q "^DTMF rate: [0-9]* -> [0-9]*$" "$work/out" ||
    fail "diff of two files: $(cat "$work/out")"
expect_exit 1 diff --json "$(newest dat)" "$work/back.dat"
python3 - "$work/out" <<'PY' || fail "diff --json of a backup and a file: $(cat "$work/out")"
import json, sys
d = json.load(open(sys.argv[1]))
sys.exit(0 if len(d) == 1 and d[0]["subject"] == "DTMF rate" and d[0]["kind"] == "changed" else 1)
PY
expect_exit 0 diff "$work/back.dat" "$work/back2.dat"
expect_exit 0 diff "$(newest img)" "$work/damaged.dat"
expect_exit 1 diff "$work/back.dat" "$(newest img)"
grep -q "^DTMF rate: " "$work/out" || fail "diff with a backup image: $(cat "$work/out")"
cp "$(newest img)" "$work/noband.img"
expect_exit 1 diff "$work/noband.img" "$work/back.dat"
grep -q "band mode is not in the name" "$work/err" || fail "an image without band mode was taken"

# A backups folder that cannot be written (read-only; for root, who may
# write anywhere, a file in its place): reported, the read still succeeds.
if [ "$(id -u)" -eq 0 ]; then
    rm -rf "$backups" && touch "$backups"
else
    chmod a-w "$backups"
fi
start_sim --band hf
expect_exit 0 read --port "$port" "$work/blocked.dat"
stop_sim
chmod -R u+w "$XDG_DATA_HOME" 2>/dev/null
grep -q "backup of this read could not be written" "$work/err" || fail "a failed backup was not reported"
[ -s "$work/blocked.dat" ] || fail "a failed backup stopped the read"

finish
