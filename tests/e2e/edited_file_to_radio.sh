#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A document edited through the editor windows (gui_EditorsToFileTest leaves
# original.dat, edited.dat and expected-changes.txt in FOLDER) is written
# into one virtual radio, the original into another: the two memory images
# differ, and only inside the radio areas of the edited fields.
# Usage: edited_file_to_radio.sh ZQ61-CLI ZQ61-SIM FOLDER
set -uo pipefail
cli="$1"
sim="$2"
files="$3"
. "$(dirname "$0")/radio_support.sh"

for f in original.dat edited.dat expected-changes.txt; do
    [ -s "$files/$f" ] || { fail "$files/$f is missing: gui_EditorsToFileTest makes it"; finish; }
done

for which in original edited; do
    start_sim --save-memory "$work/$which.bin"
    expect_exit 0 write --port "$port" "$files/$which.dat"
    stop_sim
done

# Radio addresses (link/engine/memory_map.h) each edited field may change,
# by the first two words of its line: "channel N", "option N",
# "common-channel 0", "dtmf-code K", "tone-tip K", "key N".
python3 - "$work/original.bin" "$work/edited.bin" "$files/expected-changes.txt" <<'PY' || fail "the radio images do not differ exactly in the edited areas"
import sys

def channel_slot(n):
    if 1 <= n <= 400:
        return 0x0000 + (n - 1) * 16          # kChannelSlots
    if n == 401:
        return 0x1A00                         # kVfoSlot
    return 0x1980 + (n - 402) * 16            # kMemorySlots

def tone_tip(k):
    i = k - 1
    return 0x1B00 + (i // 2) * 64 + (i % 2) * 30   # kToneTips, pair stride, tip size

def areas(kind, n):
    if kind == "channel":
        return [range(channel_slot(n), channel_slot(n) + 16)]
    if kind == "option":                      # option items, limit and its switch
        return [range(0x1A11, 0x1A13), range(0x1A40, 0x1A48), range(0x1A49, 0x1A4E),
                range(0x1A54, 0x1A56)]
    if kind == "common-channel":              # kFeatChannel, bytes 3..15
        return [range(0x1A33, 0x1A40)]
    if kind == "dtmf-code":                   # the code and its defined bit
        return [range(0x1C00 + (n - 1) * 16, 0x1C00 + n * 16), range(0x1A19, 0x1A1B)]
    if kind == "tone-tip":
        return [range(tone_tip(n), tone_tip(n) + 30)]
    if kind == "key":                         # kKeyModeSet, kKeyFunctions
        return [range(0x1A48, 0x1A49), range(0x1A80, 0x1A92)]
    raise SystemExit("unknown edited field: %s %d" % (kind, n))

before, after = (open(p, "rb").read() for p in sys.argv[1:3])
ok = len(before) == len(after) == 7424
if not ok:
    print("  memory images of %d and %d bytes" % (len(before), len(after)), file=sys.stderr)
    sys.exit(1)
changed = [a for a in range(7424) if before[a] != after[a]]
fields = [line.split() for line in open(sys.argv[3], encoding="utf-8") if line.strip()]
expected = {line[0] + " " + line[1]: areas(line[0], int(line[1])) for line in fields}
if not changed:
    print("  writing the edited file left the radio as the original did", file=sys.stderr)
    ok = False
outside = [a for a in changed if not any(a in r for rs in expected.values() for r in rs)]
if outside:
    print("  changed outside the edited areas:", " ".join("0x%04X" % a for a in outside),
          file=sys.stderr)
    ok = False
for name, rs in expected.items():
    if not any(a in r for a in changed for r in rs):
        print("  %s did not change in the radio" % name, file=sys.stderr)
        ok = False
sys.exit(0 if ok else 1)
PY

finish
