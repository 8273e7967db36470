# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the radio end-to-end scripts: starting and stopping virtual
# radios, running the command line with a time limit, checking results.
# Expects $cli and $sim to be set; sets $work.
. "$(dirname "${BASH_SOURCE[0]}")/check_support.sh"
# Reads keep backups in the per-user data folder: here, a temporary one.
export XDG_DATA_HOME="$work/data"
backups="$XDG_DATA_HOME/zq61/backups"
sim_pids=()

# stop_process PID: SIGTERM, then SIGKILL when it has not ended within 10 s,
# so that a radio that stopped answering signals cannot hold the test.
stop_process() {
    kill -TERM "$1" 2>/dev/null || return 0
    for _ in $(seq 100); do
        kill -0 "$1" 2>/dev/null || return 0
        sleep 0.1
    done
    echo "process $1 ignored SIGTERM for 10 s: killed" >&2
    kill -KILL "$1" 2>/dev/null
}

cleanup() {
    for pid in "${sim_pids[@]}"; do stop_process "$pid"; done
    wait 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# start_sim ARGS...: a virtual radio in the background; sets $port (its
# pseudo-terminal) and $sim_pid.
start_sim() {
    local out="$work/sim.$RANDOM.out"
    # The virtual radio is a test tool: its leak check at exit is skipped (in
    # a sanitizer build it could hold up the radio's end for long under load).
    ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0" \
        timeout -k 5 600 "$sim" "$@" >"$out" 2>"$out.err" &
    sim_pid=$!
    sim_pids+=("$sim_pid")
    port=""
    for _ in $(seq 100); do
        port="$(head -n 1 "$out" 2>/dev/null)"
        [ -n "$port" ] && break
        sleep 0.05
    done
    [ -n "$port" ] || fail "zq61-sim $* did not start: $(cat "$out.err")"
}

# stop_sim: SIGTERM to the last radio started; waits until it has saved.
stop_sim() {
    stop_process "$sim_pid"
    wait "$sim_pid"
    local status=$?
    [ "$status" -eq 0 ] || fail "zq61-sim ended with $status"
}

# expect_exit CODE ARGS...: runs zq61-cli with a time limit; stdout in
# $work/out, stderr in $work/err, both also added to $work/all-output.
expect_exit() {
    local want="$1"; shift
    timeout -k 5 180 "$cli" "$@" >"$work/out" 2>"$work/err"
    local got=$?
    cat "$work/out" "$work/err" >>"$work/all-output"
    [ "$got" -eq "$want" ] ||
        fail "zq61-cli $* exited $got, expected $want: $(tail -n 5 "$work/err")"
}

# json FILE.dat: the document as the program opens it, as JSON.
json() { timeout -k 5 60 "$cli" show --json "$1"; }

# same_document A.dat B.dat: the radio's part of two documents is equal
# (channels and every setting the memory image holds; the VFO slot 401 has
# no scan bit in the radio).
same_document() {
    json "$1" >"$work/a.json" && json "$2" >"$work/b.json" || { fail "show of $1 or $2"; return; }
    python3 - "$work/a.json" "$work/b.json" <<'PY' || fail "$1 and $2 differ"
import json, sys
a, b = (json.load(open(p, encoding="utf-8")) for p in sys.argv[1:3])
for d in (a, b):
    for c in d.get("Channels", []):
        if c["ChNo"] == 401:
            c["Scan"] = 0
bad = [k for k in ("Header", "ChannelCount", "Channels", "Options", "Keys", "Dtmf", "ToneTips")
       if a.get(k) != b.get(k)]
for k in bad:
    print("  differs:", k, file=sys.stderr)
sys.exit(1 if bad else 0)
PY
}

