#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# zq61-cli print: the printout of known documents as PDF, checked from the
# text pdftotext (poppler-utils) finds on each page; and what happens when
# the PDF cannot be written. Runs without a display, as on a server.
set -uo pipefail
cli="$1"
. "$(dirname "$0")/check_support.sh"

command -v pdftotext >/dev/null || { echo "FAIL: pdftotext is missing (poppler-utils)" >&2; exit 1; }

# Without a display, whatever the caller's session has.
headless() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@"; }

# The command line runs headless here.
cli_run() { headless timeout -k 5 180 "$cli" "$@"; }

# page_text PDF PAGE: the page's text, each run of blanks made one blank.
page_text() { pdftotext -layout -f "$2" -l "$2" "$1" - | tr -s ' '; }

# on_page PDF PAGE TEXT...: each text is a line (or part of one) of that page.
on_page() {
    local pdf="$1" page="$2"; shift 2
    page_text "$pdf" "$page" >"$work/page"
    for want in "$@"; do
        grep -qF -- "$want" "$work/page" || fail "page $page of $(basename "$pdf") lacks '$want'"
    done
}

pages() { pdfinfo "$1" 2>/dev/null | awk '/^Pages:/ { print $2 }'; }

# A new HAM document: channel 1 in bank A, the VFO slot, eight memory channels.
expect_exit 0 new "$work/ham.dat"
expect_exit 0 print "$work/ham.dat" "$work/ham.pdf"
[ -s "$work/out" ] && fail "print wrote to stdout: $(cat "$work/out")"
[ "$(pages "$work/ham.pdf")" = 7 ] || fail "HAM printout has $(pages "$work/ham.pdf") pages, expected 7"
on_page "$work/ham.pdf" 1 "ZQ-61 Programming Software" "Model: ZQ-61" "Band mode: HAM" \
    "Frequency range: 28.000 - 29.700 MHz" "ham.dat"
on_page "$work/ham.pdf" 2 "Channels - Group A" \
    "No. Frequency (MHz) Shift Offset RX tone TX tone Modulation TX power Scan" \
    "1 28.85000 Off 100 Off Off FM Low Add"
on_page "$work/ham.pdf" 3 "Channels - Group VFO" "1 28.85000 Off 100"
on_page "$work/ham.pdf" 4 "Channels - Group MEM" "1 28.01500 Off 100" "8 28.00500 Off 100"
[ "$(page_text "$work/ham.pdf" 4 | grep -cE '^ ?[1-8] 28\.[0-9]{5} ')" = 8 ] ||
    fail "the MEM table does not hold eight channels"
on_page "$work/ham.pdf" 5 "Group settings" "Group Group enable Working channel" "A On 1 1 (FM) 1 (FM)" \
    "J Off 1" "Optional Features" "Max. limit 160"
pdftotext -layout "$work/ham.pdf" - | tr -s ' ' >"$work/all"
for want in "Common Channel Settings" "DTMF Settings" "Digit duration (ms) 100" "DTMF codes" \
    "Tone Tips" "1 1 0 2100/100, Silence/100" "Key Assignments" "Key modes: 1&2&3" \
    "Key P1 MOD DSP NB" "Key P6 POW CAL 5K"; do
    grep -qF -- "$want" "$work/all" || fail "HAM printout lacks '$want'"
done

# A CB document from the Initialize data: one page per country group with channels.
expect_exit 0 new --band cb --initialize "$work/cb.dat"
expect_exit 0 print "$work/cb.dat" "$work/cb.pdf"
pdftotext -layout "$work/cb.pdf" - | tr -s ' ' >"$work/all"
grep -qF "Band mode: CB" "$work/all" || fail "CB printout lacks its band mode"
[ "$(grep -c 'Channels - Group ' "$work/all")" -ge 2 ] || fail "CB printout has fewer than two groups"
[ "$(pages "$work/cb.pdf")" -ge 3 ] || fail "CB printout has fewer than three pages"

# Failures: usage, a document that cannot be opened, a PDF that cannot be
# written (reported, nothing left behind, no file replaced by a broken one).
expect_exit 2 print "$work/ham.dat"
expect_exit 1 print "$work/missing.dat" "$work/missing.pdf"
[ -e "$work/missing.pdf" ] && fail "a PDF was written for a document that does not open"
expect_exit 1 print "$work/ham.dat" "$work/no/such/folder/out.pdf"
grep -q "printout could not be written" "$work/err" && grep -qF "out.pdf" "$work/err" ||
    fail "an unwritable PDF is not reported: $(cat "$work/err")"

# The other commands still need no display and no Qt Gui.
expect_exit 0 show "$work/ham.dat"

finish
