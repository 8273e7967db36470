#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# zq61-cli write and read with several radios at once. One document is
# written into four radios paced like real cables, side by side: one over an
# echoing cable, one with a password, one in another band mode (refused);
# then two radios are read into one folder, and the port lists are checked.
set -uo pipefail
cli="$1"
sim="$2"
. "$(dirname "$0")/radio_support.sh"

# start_radio NAME ARGS...: a virtual radio whose memory is saved to
# $work/NAME.bin when it stops; its port in ${radio_port[NAME]}.
declare -A radio_port radio_pid
start_radio() {
    local name="$1"; shift
    start_sim "$@" --save-memory "$work/$name.bin"
    radio_port[$name]="$port"
    radio_pid[$name]="$sim_pid"
}
stop_radios() {
    for name in "$@"; do stop_process "${radio_pid[$name]}"; wait "${radio_pid[$name]}"; done
}

expect_exit 0 new --band ham --initialize "$work/ham.dat"
head -c 7424 /dev/urandom >"$work/cb-before.bin"

start_radio plain --pace --band ham
start_radio echo --pace --band ham --echo
start_radio locked --pace --band ham --password 12
start_radio other --pace --band cb --memory "$work/cb-before.bin"
printf '# the rest of the fleet\n%s\n\n%s\n' "${radio_port[locked]}" "${radio_port[other]}" \
    >"$work/ports.txt"
expect_exit 1 write --port "${radio_port[plain]}" --port "${radio_port[echo]}" \
    --ports-from "$work/ports.txt" --password 12 --verify --json "$work/ham.dat"
cp "$work/out" "$work/fleet.json"
stop_radios plain echo locked other

python3 - "$work/fleet.json" "$work" "${radio_port[plain]}" "${radio_port[echo]}" \
    "${radio_port[locked]}" "${radio_port[other]}" <<'PY' || fail "the fleet's JSON or memories"
import hashlib, json, sys
d = json.load(open(sys.argv[1]))
work, ports = sys.argv[2], sys.argv[3:]
radios = d["radios"]
assert [r["port"] for r in radios] == ports, radios
for name, r in zip(["plain", "echo", "locked"], radios):
    assert r["result"] == "verified" and r["bandMode"] == "HAM" and r["model"] == "ZQ-61", r
    held = hashlib.sha256(open(f"{work}/{name}.bin", "rb").read()).hexdigest()
    assert held == d["imageSha256"], f"{name} does not hold the packed document"
other = radios[3]
assert other["result"] == "refused" and "band mode" in other["reason"], other
assert other["bandMode"] == "CB" and not other["partlyWritten"], other
assert d["verify"] is True and d["document"].endswith("ham.dat")
PY
cmp -s "$work/cb-before.bin" "$work/other.bin" || fail "the refused radio was changed"
grep -q "Radios: 4" "$work/err" || fail "the confirmation was not asked once for the four radios"

# The run is one entry of the transfer log: a write and a verify per good
# radio, the refused write, then the table with the document and its digest.
log="$XDG_DATA_HOME/zq61/logs/transfers.log"
digest="$(python3 -c 'import json,sys; print(json.load(open(sys.argv[1]))["imageSha256"])' \
    "$work/fleet.json")"
[ "$(grep -c '^=== transfer run' "$log")" -eq 1 ] || fail "the fleet is not one run of the log"
[ "$(grep -c '^--- verify ---' "$log")" -eq 3 ] || fail "the log lacks a verify per good radio"
grep -q "^image sha-256: $digest\$" "$log" || fail "the log lacks the image's digest"
grep -q "refused: .*band mode" "$log" || fail "the log's table lacks the refused radio"

# Two radios read into one folder, each file named after its port; each
# read kept among the backups.
start_radio first --band ham --memory "$work/plain.bin"
start_radio second --band ham --echo --memory "$work/echo.bin"
expect_exit 0 read --port "${radio_port[first]}" --port "${radio_port[second]}" "$work/read"
stop_radios first second
files=()
for name in first second; do
    files+=("$work/read/$(basename "$(dirname "${radio_port[$name]}")")-$(basename "${radio_port[$name]}").dat")
done
same_document "$work/ham.dat" "${files[0]}"
cmp -s "${files[0]}" "${files[1]}" || fail "the two radios' files differ: ${files[*]}"
[ "$(grep -c ' read$' "$work/out")" -eq 2 ] || fail "the read's table: $(cat "$work/out")"
[ "$(ls "$backups"/*.img | wc -l)" -eq 2 ] || fail "not one backup per radio read"

# Port lists: the same port twice, a list without a port.
expect_exit 2 write --port /dev/pts/9 --port /dev/pts/9 "$work/ham.dat"
grep -q "given twice" "$work/err" || fail "a port given twice was not named"
printf '# none\n' >"$work/empty.txt"
expect_exit 2 read --ports-from "$work/empty.txt" "$work/read"

finish
