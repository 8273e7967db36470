#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# zq61-cli new and show from the staged installation: files, JSON and exit
# codes (0 success, 1 refused or failed, 2 bad usage).
set -uo pipefail
cli="$1"
. "$(dirname "$0")/check_support.sh"

# check_json FILE PYTHON-EXPRESSIONS...: each expression must hold for d = the JSON.
check_json() {
    local file="$1"; shift
    python3 - "$file" "$@" <<'PY' || fail "JSON check of $1"
import json, sys
d = json.load(open(sys.argv[1], encoding="utf-8"))
ok = True
for expr in sys.argv[2:]:
    if not eval(expr):
        print("  does not hold:", expr, file=sys.stderr)
        ok = False
sys.exit(0 if ok else 1)
PY
}

# ends_with_newline: the last output ends its line, so that a shell prompt
# or the next command's output starts on a line of its own.
ends_with_newline() {
    [ "$(tail -c 1 "$work/out" | od -An -c | tr -d ' ')" = '\n' ] ||
        fail "the output of zq61-cli $1 does not end with a newline"
}

# Usage and help.
expect_exit 0 --help
grep -q "new" "$work/out" || fail "--help does not list new"
expect_exit 0 new --help
expect_exit 0 show --help
expect_exit 2
expect_exit 2 frobnicate
expect_exit 2 new
expect_exit 2 new --band uhf "$work/x.dat"
expect_exit 2 show --json

# A new HAM document and what show makes of it.
expect_exit 0 new "$work/ham.dat"
[ "$(stat -c %s "$work/ham.dat")" -eq 25611 ] || fail "new file is not 25611 bytes"
expect_exit 0 show --json "$work/ham.dat"
cp "$work/out" "$work/ham.json"
check_json "$work/ham.json" \
    'd["Header"] == {"Model": "ZQ-61  ", "HeaderBandMode": 2, "Version": "V100"}' \
    'd["ChannelCount"] == 10 and len(d["Channels"]) == 10' \
    '[c["ChNo"] for c in d["Channels"]] == [1, 401] + list(range(402, 410))' \
    'd["Channels"][0]["Frequency"] == "02885000" and d["Channels"][0]["Display"] == "28.85000"' \
    'd["Channels"][9]["Frequency"] == "02800500"' \
    'd["Channels"][0]["OffSetFre"] == 100 and d["Channels"][0]["NB"] == 1' \
    'd["Options"]["MaxLimit"] == 160 and d["Options"]["GroupOn"][0] == 1' \
    'd["FeatChannel"]["OffSetFre"] == 5 and d["FeatChannel"]["Frequency"] == "\0" * 8' \
    'd["Keys"]["KeyModeSet"] == 3 and d["Keys"]["KeyFunctions"] == list(range(1, 19))' \
    'd["Dtmf"]["DtmfRate"] == 10 and len(d["Dtmf"]["Codes"]) == 16' \
    'd["Dtmf"]["Codes"][0] == {"Length": 0, "Code": " " * 16}' \
    'd["ToneTips"]["Tips"][0]["Steps"][0] == {"Pitch": 210, "Duration": 10}' \
    'd["ToneTips"]["Tips"][4]["Count"] == 1'
expect_exit 0 show "$work/ham.dat"
ends_with_newline show
grep -q "28.85000" "$work/out" || fail "summary lacks the first channel"
# The columns line up whatever a tone's name takes (Off, C_023(146.2Hz)).
printf 'Location,Frequency,Tone,rToneFreq\n2,28.900000,Tone,146.2\n' >"$work/tone.csv"
expect_exit 0 import --output "$work/tone.dat" "$work/ham.dat" "$work/tone.csv"
expect_exit 0 show "$work/tone.dat"
python3 - "$work/out" <<'PY' || fail "show does not line up its columns: $(cat "$work/out")"
import sys
lines = open(sys.argv[1]).read().splitlines()
head = next(i for i, line in enumerate(lines) if "RX tone" in line)
rows = [line for line in lines[head + 1:] if not line.startswith("Current")]
tx, mod = lines[head].index("TX tone"), lines[head].index("Mod")
assert any("C_023(146.2Hz)" in row for row in rows)
assert all(row[tx - 1] == " " != row[tx] and row[mod - 1] == " " != row[mod] for row in rows)
PY
expect_exit 0 show --json "$work/ham.dat"
ends_with_newline "show --json"
expect_exit 0 ports
ends_with_newline ports

expect_exit 0 new --band CB --initialize "$work/cb.dat"
expect_exit 0 show --json "$work/cb.dat"
check_json "$work/out" 'd["Header"]["HeaderBandMode"] == 0' \
    'd["Channels"][0]["Frequency"] == "02718500"'

# Raw bytes in a text field come out as valid JSON: quote, backslash, NUL,
# control and high bytes in DTMF code 1 (bytes 285..300); model NUL-padded.
python3 - "$work/ham.dat" "$work/odd.dat" <<'PY'
import sys
b = bytearray(open(sys.argv[1], "rb").read())
b[285:301] = b'"\\\x00\x01\n\xe9\xff/ab</cd\t\x7f'
b[5:7] = b"\0\0"
open(sys.argv[2], "wb").write(b)
PY
expect_exit 0 show --json "$work/odd.dat"
check_json "$work/out" \
    'd["Dtmf"]["Codes"][0]["Code"] == b"\"\\\x00\x01\n\xe9\xff/ab</cd\t\x7f".decode("latin-1")' \
    'd["Header"]["Model"] == "ZQ-61\0\0"'

# Refusals and failures: exit 1 with a message on stderr.
patch() {  # patch SOURCE TARGET OFFSET BYTES(python literal)
    python3 -c "import sys
b = bytearray(open(sys.argv[1], 'rb').read()); o = int(sys.argv[3])
v = eval(sys.argv[4]); b[o:o + len(v)] = v; open(sys.argv[2], 'wb').write(b)" "$@"
}
patch "$work/ham.dat" "$work/model.dat" 0 'b"ZQ-62  "'
patch "$work/ham.dat" "$work/v200.dat" 9 'b"V200"'
patch "$work/ham.dat" "$work/count.dat" 13 'b"\x9a\x01"'
head -c 25000 "$work/ham.dat" >"$work/short.dat"
for bad in model v200 count short missing; do
    expect_exit 1 show "$work/$bad.dat"
    [ -s "$work/err" ] || fail "show $bad.dat gave no message"
    [ -s "$work/out" ] && fail "show $bad.dat printed a document"
done
expect_exit 1 show "$work/v200.dat"
grep -q -- "-> No" "$work/err" || fail "the version question was not answered No"
expect_exit 1 new "$work/no-such-folder/x.dat"
[ -s "$work/err" ] || fail "failed new gave no message"

finish
