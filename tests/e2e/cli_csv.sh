#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# zq61-cli export and import: the full set gives back the same file byte for
# byte, a CHIRP file with bad lines changes nothing and lists each of them,
# CHIRP-written lists (watts, other radios' locations, several bands) with
# --first-channel and --skip-unfit, and the exit codes (0 done, 1 problems
# in the CSV, 2 usage or file errors).
set -uo pipefail
cli="$1"
fixture="$2"
. "$(dirname "$0")/check_support.sh"

expect_exit 0 --help
grep -q "export" "$work/out" && grep -q "import" "$work/out" || fail "--help lists no CSV commands"
expect_exit 0 export --help
expect_exit 0 import --help
expect_exit 2 export
expect_exit 2 export --format xml "$work/a.dat" "$work/a.csv"
expect_exit 2 import "$work/a.dat"

expect_exit 0 new "$work/a.dat"
cp "$work/a.dat" "$work/original.dat"

# The full set: export, then import into the same file in place.
expect_exit 0 export --format full "$work/a.dat" "$work/full.csv"
head -1 "$work/full.csv" | grep -q "^ChNo,Frequency,Scan," || fail "full header: $(head -1 "$work/full.csv")"
expect_exit 0 import "$work/a.dat" "$work/full.csv"
cmp -s "$work/a.dat" "$work/original.dat" || fail "full import in place changed the file"

# A CHIRP edit, written to another file; the full set then restores the original.
expect_exit 0 export "$work/a.dat" "$work/chirp.csv"
head -1 "$work/chirp.csv" | grep -q "^Location,Name,Frequency,Duplex,Offset,Tone," ||
    fail "CHIRP header: $(head -1 "$work/chirp.csv")"
sed -e 's/^1,A-1,28.850000,,0.100000,,/1,A-1,29.100000,-,0.600000,TSQL,/' \
    -e 's/^402,\(.*\),FM,5.00,,Low,/402,\1,AM,5.00,S,Medium,/' "$work/chirp.csv" >"$work/edit.csv"
cmp -s "$work/chirp.csv" "$work/edit.csv" && fail "the CHIRP edit did not apply to the export"
expect_exit 0 import --output "$work/b.dat" "$work/a.dat" "$work/edit.csv"
grep -q "2 channels changed" "$work/out" || fail "import summary: $(cat "$work/out")"
cmp -s "$work/a.dat" "$work/original.dat" || fail "import with --output changed FILE"
cmp -s "$work/b.dat" "$work/original.dat" && fail "the CHIRP edit changed nothing"
expect_exit 0 show --json "$work/b.dat"
python3 - "$work/out" <<'PY' || fail "the CHIRP edit is not in the document"
import json, sys
d = json.load(open(sys.argv[1]))
c = {ch["ChNo"]: ch for ch in d["Channels"]}
assert c[1]["Frequency"] == "02910000" and c[1]["DUP"] == 2 and c[1]["OffSetFre"] == 600
assert c[1]["TDCT"] == c[1]["RDCT"] == 8          # TSQL 88.5 Hz
assert c[402]["AM_FM"] == 1 and c[402]["Scan"] == 0 and c[402]["Tx_Power"] == 1
PY
expect_exit 0 import --format full "$work/b.dat" "$work/full.csv"
cmp -s "$work/b.dat" "$work/original.dat" || fail "the full set did not restore the original bytes"

# A hand-written CHIRP file with good and bad lines: nothing written, every
# bad line listed as FILE:LINE: COLUMN: message.
cp "$work/original.dat" "$work/c.dat"
expect_exit 1 import "$work/c.dat" "$fixture"
cmp -s "$work/c.dat" "$work/original.dat" || fail "a file with problems changed the document"
[ -s "$work/out" ] && fail "a failed import printed a summary on stdout"
for where in 4:\ Frequency 5:\ Frequency 6:\ rToneFreq 7:\ DtcsPolarity 8:\ Location \
    9:\ Location 10:\ Duplex 13:\ Mode; do
    grep -q "^$fixture:$where: " "$work/err" || fail "no problem reported at $where"
done
[ "$(grep -c "^$fixture:" "$work/err")" -eq 8 ] || fail "expected 8 problems: $(cat "$work/err")"
expect_exit 1 import --output "$work/d.dat" "$work/c.dat" "$fixture"
[ -e "$work/d.dat" ] && fail "a failed import wrote its output file"

# A 10 m list as CHIRP writes it for another radio (byte order mark, CR LF,
# memories from 0, watts, a quoted name): its Location is refused, the rows
# placed from channel 41 (bank B) are taken in file order.
header="Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE"
{
    printf '\xef\xbb\xbf%s\r\n' "$header"
    printf '0,FM call,29.600000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,10.00,,50W,,,,,\r\n'
    printf '1,"Rptr ""K1"", Boston",29.620000,-,0.100000,Tone,146.2,88.5,023,NN,023,Tone->Tone,FM,10.00,,5.0W,,,,,\r\n'
    printf '2,AM call,29.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,10.00,S,50W,,,,,\r\n'
} >"$work/ten.csv"
cp "$work/original.dat" "$work/e.dat"
expect_exit 1 import "$work/e.dat" "$work/ten.csv"
grep -q "ten.csv:2: Location: channel 0 is in no group" "$work/err" || fail "Location 0: $(cat "$work/err")"
expect_exit 0 import --first-channel 41 "$work/e.dat" "$work/ten.csv"
grep -q "3 channels changed" "$work/out" || fail "placed import: $(cat "$work/out")"
expect_exit 0 show --json "$work/e.dat"
python3 - "$work/out" <<'CHECK' || fail "the placed rows are not channels 41-43"
import json, sys
c = {ch["ChNo"]: ch for ch in json.load(open(sys.argv[1]))["Channels"]}
assert c[41]["Frequency"] == "02960000" and c[41]["Tx_Power"] == 2     # 50 W: High
assert c[42]["Frequency"] == "02962000" and c[42]["Tx_Power"] == 0     # 5 W: Low
assert c[42]["DUP"] == 2 and c[42]["OffSetFre"] == 100
assert c[43]["AM_FM"] == 1 and c[43]["Tx_Power"] == 1 and c[43]["Scan"] == 0  # AM: Medium
CHECK
# Placed past the last channel, or from a channel no list goes to: refused.
expect_exit 1 import --first-channel 408 "$work/e.dat" "$work/ten.csv"
grep -q "ten.csv:4: no channel is left" "$work/err" || fail "past 409: $(cat "$work/err")"
expect_exit 2 import --first-channel 401 "$work/e.dat" "$work/ten.csv"
expect_exit 2 import --first-channel 0 "$work/e.dat" "$work/ten.csv"
expect_exit 2 import --first-channel 5 "$work/e.dat" "$work/full.csv"

# A list of several bands: without --skip-unfit nothing is taken; with it
# the 10 m line is, every other line is listed as skipped.
{
    echo "$header,Extra"
    echo "1,2 m call,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,High,,,,,,x"
    echo "2,70 cm,446.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,,Low,,,,,,x"
    echo "3,10 m,28.400000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,Mid,,,,,,x"
    echo "4,Air,121.500000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,AM,25.00,,H,,,,,,x"
    echo "5,10 m USB,28.300000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,USB,5.00,,L,,,,,,x"
} >"$work/mixed.csv"
cp "$work/original.dat" "$work/f.dat"
expect_exit 1 import "$work/f.dat" "$work/mixed.csv"
cmp -s "$work/f.dat" "$work/original.dat" || fail "a mixed list without --skip-unfit changed the file"
expect_exit 0 import --skip-unfit "$work/f.dat" "$work/mixed.csv"
grep -q "1 channel changed" "$work/out" || fail "skip-unfit summary: $(cat "$work/out")"
for where in 2:\ Frequency 3:\ Mode 5:\ Frequency 6:\ Mode; do
    grep -q "^$work/mixed.csv:$where: " "$work/err" || fail "no skipped line $where: $(cat "$work/err")"
done
grep -q "^$work/mixed.csv:4:" "$work/err" && fail "the 10 m line was listed as skipped"
grep -v "^3," "$work/mixed.csv" >"$work/unfit.csv"
expect_exit 1 import --skip-unfit "$work/f.dat" "$work/unfit.csv"
grep -q "no line fits; nothing was changed" "$work/err" || fail "nothing fits: $(cat "$work/err")"

# File errors: exit 1, as for every command.
expect_exit 1 import "$work/c.dat" "$work/missing.csv"
expect_exit 1 import "$work/missing.dat" "$work/full.csv"
expect_exit 1 export "$work/missing.dat" "$work/x.csv"
expect_exit 1 export "$work/c.dat" "$work/no-such-folder/x.csv"
expect_exit 1 import --output "$work/no-such-folder/x.dat" "$work/c.dat" "$work/full.csv"
ls "$work" | grep -q '\.tmp$' && fail "a temporary file was left behind"

finish
