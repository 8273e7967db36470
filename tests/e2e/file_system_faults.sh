#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A full disk and a read-only one. On a small file system filled to the
# last byte, `new`, `import`, `export`, `print`, the backup of a read and the
# window program's Save each fail naming the file and "No space left on
# device", and the file that was there stays as it was (the read itself goes
# on). On a read-only one the window program starts and works, and says once
# that its settings cannot be saved there, and once that its backups cannot.
#
# The file systems are mounted in a mount namespace of this test's own, so
# nothing is left behind if it dies; where no such namespace may be made the
# test is skipped (exit 77) and says why.
#   file_system_faults.sh ZQ61-CLI ZQ61-SIM GUI-TESTS
set -uo pipefail
if [ -z "${ZQ61_OWN_MOUNTS:-}" ]; then
    if [ "$(id -u)" -eq 0 ]; then namespace=(unshare --mount); else namespace=(unshare -rm); fi
    if ! why=$("${namespace[@]}" sh -c 'd=$(mktemp -d) && mount -t tmpfs -o size=64k tmpfs "$d" &&
                                        umount "$d" && rmdir "$d"' 2>&1); then
        echo "SKIPPED: no mount namespace with a tmpfs may be made here (${namespace[*]}): $why"
        exit 77
    fi
    ZQ61_OWN_MOUNTS=1 exec "${namespace[@]}" bash "$0" "$@"
fi
cli="$1"
sim="$2"
gui="$3"
. "$(dirname "$0")/radio_support.sh"
export QT_QPA_PLATFORM=offscreen
full="$work/full"
ro="$work/ro"
# The file systems go before the work folder is removed.
trap 'umount "$full" "$ro" 2>/dev/null; cleanup' EXIT

# has TEXT: the last command's stderr holds TEXT.
has() { grep -qF -- "$1" "$work/err" || fail "expected '$1' in: $(tail -n 4 "$work/err")"; }
# unchanged NAME: the file on the full disk is the copy taken before.
unchanged() { cmp -s "$full/$1" "$work/before/$1" || fail "$1 changed on the full disk"; }

# ---- A full disk ----
mkdir -p "$full" "$work/before"
mount -t tmpfs -o size=512k tmpfs "$full" || { fail "tmpfs cannot be mounted"; finish; }
expect_exit 0 new "$work/ham.dat"
expect_exit 0 export "$work/ham.dat" "$work/ham.csv"
# The files that are there before the disk fills up, and the backups folder.
cp "$work/ham.dat" "$full/old.dat"
expect_exit 0 export --format full "$work/ham.dat" "$full/old.csv"
printf '%%PDF-1.4 an earlier printout\n' >"$full/old.pdf"
mkdir -p "$full/data/zq61/backups"
cp "$full/old.dat" "$full/old.csv" "$full/old.pdf" "$work/before/"
cat /dev/zero >"$full/filler" 2>/dev/null
[ "$(df --output=avail "$full" | tail -n 1)" -eq 0 ] || fail "the disk did not fill up"

expect_exit 1 new "$full/old.dat"
has "old.dat: No space left on device"
unchanged old.dat
expect_exit 1 import "$work/ham.dat" "$work/ham.csv" --output "$full/old.dat"
has "old.dat: No space left on device"
unchanged old.dat
expect_exit 1 export "$work/ham.dat" "$full/old.csv"
has "old.csv: No space left on device"
unchanged old.csv
expect_exit 1 print "$work/ham.dat" "$full/old.pdf"
has "old.pdf: No space left on device"
unchanged old.pdf
start_sim --band ham
XDG_DATA_HOME="$full/data" expect_exit 0 read --port "$port" "$work/read.dat"
has "$full/data/zq61/backups/"
has "No space left on device"
[ -s "$work/read.dat" ] || fail "the read did not go on without its backup"
stop_sim
left="$(cd "$full" && ls -A | tr '\n' ' ')$(ls -A "$full/data/zq61/backups")"
[ "$left" = "data filler old.csv old.dat old.pdf " ] || fail "failed writes left files behind: $left"

# ---- A read-only disk: an installation, this user's settings, the backups ----
mkdir -p "$ro"
mount -t tmpfs -o size=4m tmpfs "$ro" || { fail "tmpfs cannot be mounted"; finish; }
stage="$(dirname "$cli")/.."
mkdir -p "$ro/V100/language" "$ro/language" "$ro/config" "$ro/backups"
cp "$stage/Version.ini" "$ro/"
cp "$stage/V100/language/"*.ini "$ro/V100/language/"
printf '[language]\nIsFirstRun=0\ncomPort=1\nCurrentLanguage=1\n' >"$ro/language/mysetup.ini"
mount -o remount,ro "$ro" || fail "the tmpfs cannot be made read-only"

# The window program: Save on the full disk, and the read-only folders.
ZQ61_FULL_DIR="$full" ZQ61_READ_ONLY_DIR="$ro" timeout -k 5 180 "$gui" FileSystemFaultsTest \
    saveOnFullDisk "unwritableFolders:read-only disk" >"$work/gui.out" 2>&1 ||
    fail "the window program's test failed: $(grep -E 'FAIL|SKIP|Totals' "$work/gui.out")"
grep -q "SKIP" "$work/gui.out" && fail "the window program's test skipped: $(grep SKIP "$work/gui.out")"
unchanged old.dat

finish
