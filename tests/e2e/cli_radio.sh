#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# zq61-cli read, write and info against zq61-sim over real pseudo-terminals:
# with and without an echoing cable, a round trip, the password, a band
# mismatch, port failures and exit codes.
set -uo pipefail
cli="$1"
sim="$2"
. "$(dirname "$0")/radio_support.sh"

# Usage.
expect_exit 2 read
expect_exit 2 read --retries -1 "$work/x.dat"
expect_exit 2 write --port /dev/null
expect_exit 0 ports
grep -q "COM1" "$work/out" || fail "ports does not name the COM mapping"

# A port that does not exist: message 9003 and the reason.
expect_exit 1 read --port /dev/no-such-port "$work/x.dat"
grep -q "serial port cannot be opened" "$work/err" || fail "no 9003 for a missing port"
[ -e "$work/x.dat" ] && fail "a failed read wrote a file"

# A round trip: a document written into a radio without echo, read back over
# an echoing cable, written again: documents and memory images agree.
expect_exit 0 new --band hf --initialize "$work/hf.dat"
start_sim --band hf --save-memory "$work/mem1.bin"
expect_exit 0 write --port "$port" "$work/hf.dat"
grep -q "Writing to the radio is complete" "$work/out" || fail "write gave no 9010 on stdout"
stop_sim
start_sim --band hf --echo --memory "$work/mem1.bin" --save-memory "$work/mem2.bin"
expect_exit 0 read --port "$port" "$work/back.dat"
grep -q "Reading from the radio is complete" "$work/out" || fail "read gave no 9009 on stdout"
same_document "$work/hf.dat" "$work/back.dat"
expect_exit 0 write --port "$port" "$work/back.dat"
stop_sim
cmp -s "$work/mem1.bin" "$work/mem2.bin" || fail "writing the read document changed the memory"

# A read over COMn style naming goes to /dev/ttyS(n-1): here it cannot open.
expect_exit 1 info --port COM17

# The information area: band mode and texts.
python3 - "$work/info.bin" <<'PY'
import sys
b = bytearray(b"\xff" * 256)
b[0] = 0x21                      # band mode HF in the low 4 bits
b[16:32] = bytes(16)             # the protection block: no password
b[32:40] = b"BATCH-07"
b[44:48] = b"EU\x00\x00"
b[48:64] = b"SN123456".ljust(16, b"\x00")
b[96:110] = b"Repaired knob "
b[240:256] = b"J. Smith".ljust(16, b" ")
open(sys.argv[1], "wb").write(b)
PY
start_sim --info "$work/info.bin"
expect_exit 0 info --port "$port" --json
python3 - "$work/out" <<'PY' || fail "info JSON"
import json, sys
d = json.load(open(sys.argv[1]))
t = d["Texts"]
ok = (d["BandMode"] == 1 and d["BandModeName"] == "HF" and d["BandRange"] == "25.615 - 30.105 MHz"
      and len(t) == 12 and t[0] == "EU" and t[1] == "SN123456" and t[4] == "Repaired knob"
      and t[6] == "BATCH-07" and t[11] == "J. Smith" and t[2] == "")
sys.exit(0 if ok else 1)
PY
stop_sim
python3 -c "import sys; open(sys.argv[1], 'wb').write(b'\xff' * 256)" "$work/blank.bin"
start_sim --info "$work/blank.bin" --echo
expect_exit 0 info --port "$port"
grep -q "^Band mode: Unknown$" "$work/out" || fail "an unknown band mode is not shown as Unknown"
stop_sim

# The password: right, wrong, missing; never printed, not even by --trace.
start_sim --password "Qz7!"
expect_exit 0 read --port "$port" --password "Qz7!" --trace "$work/pw.dat"
expect_exit 1 read --port "$port" --password "qz7!" --trace "$work/pw2.dat"
grep -q "PassWord Failure!" "$work/err" || fail "wrong password not reported"
expect_exit 1 read --port "$port" "$work/pw3.dat"
grep -q -- "--password" "$work/err" || fail "a missing password is not explained"
stop_sim
[ -e "$work/pw.dat" ] || fail "the read with the right password saved nothing"
[ -e "$work/pw2.dat" ] && fail "a refused read saved a file"
grep -q "Qz7" "$work/all-output" && fail "the password was printed"

# A band mismatch on write: 9030, exit 1, the radio's memory untouched.
python3 -c "import sys, random; random.seed(5); open(sys.argv[1], 'wb').write(bytes(random.randrange(256) for _ in range(7424)))" "$work/rand.bin"
start_sim --band cb --memory "$work/rand.bin" --save-memory "$work/after.bin"
expect_exit 1 write --port "$port" "$work/hf.dat"
grep -q "different band mode" "$work/err" || fail "no 9030 on a band mismatch"
stop_sim
cmp -s "$work/rand.bin" "$work/after.bin" || fail "a refused write changed the radio"
# The failed write is the newest run of the transfer log, frames and result.
expect_exit 0 log
for line in "--- write ---" "port: $port" "port $port opened, low latency: refused: " \
    "TX 50 52 4F 47 52 41 4D" "RX 4C 4D 06" "echo: no (the cable does not echo)" \
    "low latency: refused: " "retries: " "result: failed"; do
    grep -qF -- "$line" "$work/out" || fail "the logged write lacks \"$line\""
done
[ "$(grep -c "^=== transfer run " "$work/out")" -eq 1 ] || fail "log printed more than one run"

# Firmware this program does not suit: the version question is answered No.
start_sim --firmware V900
expect_exit 1 read --port "$port" "$work/v.dat"
grep -q -- "-> No" "$work/err" || fail "the version question was not answered No"
stop_sim

# Progress: one counting line on a terminal, nothing extra otherwise.
start_sim
expect_exit 0 read --port "$port" "$work/plain.dat"
grep -q "%" "$work/err" && fail "a read to a file printed progress"
if command -v script >/dev/null; then
    timeout -k 5 180 script -qec "$cli read --port $port $work/tty.dat" /dev/null >"$work/tty.out" 2>&1
    grep -q "Reading 100%" "$work/tty.out" || fail "a read on a terminal showed no progress"
fi
stop_sim

# The demonstration radio of "./run --demo": channels in several banks,
# DTMF codes and a service record.
expect_exit 0 demo-image "$work/demo-mem.bin" "$work/demo-info.bin"
start_sim --memory "$work/demo-mem.bin" --info "$work/demo-info.bin"
expect_exit 0 read --port "$port" "$work/demo.dat"
json "$work/demo.dat" | python3 -c '
import json, sys
d = json.load(sys.stdin)
banks = {(c["ChNo"] - 1) // 40 for c in d["Channels"]
         if c["ChNo"] <= 400 and c["Frequency"].strip() not in ("", "FFFFFFFF")}
codes = [c for c in d["Dtmf"]["Codes"] if c["Length"] > 0]
sys.exit(0 if len(banks) >= 3 and codes else 1)' || fail "the demonstration radio holds too little"
expect_exit 0 info --port "$port"
grep -q "ZQ61-000731" "$work/out" || fail "the demonstration radio has no service record"
stop_sim

# The transfer log: the last runs, the newest last, at most 20 kept; the
# radio's password in no log file, neither as text nor as frame bytes.
expect_exit 0 log --count 2
[ "$(grep -c "^=== transfer run " "$work/out")" -eq 2 ] || fail "log --count 2"
[ "$(grep "^--- " "$work/out" | tail -n 1)" = "--- radio information ---" ] ||
    fail "info is not the newest run"
grep -q "^--- read ---" "$work/out" || fail "the read before it is not logged"
grep -q "^result: success" "$work/out" || fail "no successful result logged"
logs="$XDG_DATA_HOME/zq61/logs"
for _ in 1 2 3 4 5; do expect_exit 1 info --port /dev/no-such-port; done
grep -q "^result: failed: .*No such file" "$logs/transfers.log" || fail "no reason for a port failure"
[ "$(grep -c "^=== transfer run " "$logs/transfers.log")" -eq 20 ] || fail "not 20 runs kept"
grep -rqiF -e "Qz7" -e "51 7A 37 21" "$logs" && fail "the password reached the transfer log"
expect_exit 2 log --count 0

# The simulator refuses an image of the wrong size.
head -c 7000 "$work/rand.bin" >"$work/short.bin"
timeout -k 5 10 "$sim" --memory "$work/short.bin" >"$work/out" 2>"$work/err"
[ $? -eq 1 ] && grep -q "7424" "$work/err" || fail "zq61-sim took a short memory image"

finish
