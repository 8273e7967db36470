#!/usr/bin/env bash
# zq61-cli export and import: the full set gives back the same file byte for
# byte, a CHIRP file with bad lines changes nothing and lists each of them,
# and the exit codes (0 done, 1 problems in the CSV, 2 usage or file errors).
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
    9:\ Location 10:\ Duplex 11:\ Power 13:\ Mode; do
    grep -q "^$fixture:$where: " "$work/err" || fail "no problem reported at $where"
done
[ "$(grep -c "^$fixture:" "$work/err")" -eq 9 ] || fail "expected 9 problems: $(cat "$work/err")"
expect_exit 1 import --output "$work/d.dat" "$work/c.dat" "$fixture"
[ -e "$work/d.dat" ] && fail "a failed import wrote its output file"

# File errors.
expect_exit 2 import "$work/c.dat" "$work/missing.csv"
expect_exit 2 import "$work/missing.dat" "$work/full.csv"
expect_exit 2 export "$work/c.dat" "$work/no-such-folder/x.csv"
expect_exit 2 import --output "$work/no-such-folder/x.dat" "$work/c.dat" "$work/full.csv"
ls "$work" | grep -q '\.tmp$' && fail "a temporary file was left behind"

finish
