#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The bash completion of zq61-cli, run as bash runs it on <Tab>: commands,
# options, option values and files of each argument's kind; and its table
# holds every command and option that zq61-cli --help-all lists.
#   cli_completion.sh ZQ61_CLI COMPLETION_FILE
set -uo pipefail
cli="$(realpath "$1")"
completion="$2"
. "$(dirname "$0")/check_support.sh"

# The completion stands on bash-completion's helpers, as in an interactive shell.
. /usr/share/bash-completion/bash_completion || { echo "FAIL: no bash-completion" >&2; exit 1; }
. "$completion"

# complete LINE: the words offered for the end of LINE, sorted, on one line.
complete_line() {
    local line="$1"
    COMP_LINE="$line"
    COMP_POINT=${#line}
    read -ra COMP_WORDS <<<"$line"
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMPREPLY=()
    _zq61_cli zq61-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    printf '%s\n' "${COMPREPLY[@]}" | sort | tr '\n' ' ' | sed 's/ $//'
}

mkdir -p "$work/files/folder" && cd "$work/files" &&
    touch a.dat b.DAT c.csv d.pdf e.img f.txt

ports="$(ls -d /dev/ttyS* /dev/ttyUSB* /dev/ttyACM* 2>/dev/null | sort | tr '\n' ' ' | sed 's/ $//')"
while IFS='|' read -r line want; do
    got="$(complete_line "$line")"
    [ "$got" = "$want" ] || fail "'$line<Tab>' offers '$got', expected '$want'"
done <<EOF
zq61-cli im|import
zq61-cli d|demo-image diff
zq61-cli --v|--version
zq61-cli read --po|--port --ports-from
zq61-cli read --port |$ports
zq61-cli read --port=/dev/pts/nothing|
zq61-cli new --band |cb ham hf
zq61-cli export --format=|chirp full
zq61-cli show |a.dat b.DAT folder
zq61-cli print a.dat |d.pdf folder
zq61-cli import --format chirp a.dat |c.csv folder
zq61-cli diff --json a.dat r|radio
zq61-cli demo-image e.img |e.img folder
zq61-cli ports |
EOF

# Every command and option that zq61-cli --help-all lists is in the table:
# "command option" pairs, one per line, and each command alone.
help="$(timeout 60 "$cli" --help-all 2>&1)" || fail "zq61-cli --help-all: $help"
listed="$(echo "$help" | awk '
    /^Subcommands:/ { in_commands = 1; next }
    in_commands && /^[a-z]/ { command = $1; print command }
    in_commands && command != "" && /^ +--[a-z]/ { print command, $1 }')"
[ -n "$listed" ] || fail "no commands in zq61-cli --help-all: $help"
table="$(_zq61_cli_table | awk -F'|' '{
    gsub(/ /, "", $1); print $1; n = split($3, options, " ")
    for (i = 1; i <= n; i++) { sub(/=$/, "", options[i]); print $1, options[i] } }')"
while read -r entry; do
    echo "$table" | grep -qxF "$entry" || fail "the completion's table lacks: $entry"
done <<<"$listed"

finish
