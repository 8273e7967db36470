#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang in their own build folder and runs each
# one briefly from its seeds, as many at a time as there are cores. Fails
# when a target finds a crash, a hang or a sanitizer report.
#   tests/fuzz/run.sh [build-folder] [seconds-per-target] [all|build|run]
# "build" only builds the targets, "run" only runs them (built before): the
# test run builds them while its other tests run.
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build-fuzz}"
seconds="${2:-20}"
step="${3:-all}"

if [[ $step != run ]]; then
    cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
        -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
        -DZQ61_FUZZ=ON -DZQ61_WITH_QT=OFF -DZQ61_TESTS=OFF -DZQ61_SANITIZE=ON >/dev/null
    cmake --build "$build"
fi
[[ $step == build ]] && exit 0

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
export build seconds

# One target, "NAME:LONGEST-INPUT"; prints its figures, or its log's end
# when it found something.
fuzz_one() {
    local target="${1%%:*}" longest="${1##*:}"
    local corpus="$build/corpus/$target" log="$build/$target.log"
    rm -rf "$corpus"
    mkdir -p "$corpus"
    if "$build/tests/fuzz/$target" -seed=1 -max_total_time="$seconds" -timeout=10 \
        -max_len="$longest" -print_final_stats=1 -artifact_prefix="$build/$target-" \
        "$corpus" "$build/tests/fuzz/seeds/$target" 2>"$log"; then
        echo "fuzzed $target for ${seconds} s: $(grep -E "stat::number_of_executed_units" "$log")"
    else
        tail -n 40 "$log" >&2
        echo "FAIL: $target (log: $log)" >&2
        return 1
    fi
}
export -f fuzz_one

# Each target with the longest input it is given: the ini files and names
# are read whole for every lookup, so short inputs keep the runs quick.
printf '%s\n' engine_replies_fuzz:26000 dat_file_fuzz:26000 csv_import_fuzz:26000 \
    profile_files_fuzz:1024 version_table_fuzz:4096 backup_names_fuzz:256 \
    backup_image_fuzz:7700 |
    xargs -P "$(nproc)" -I{} bash -c 'fuzz_one "$1"' _ {}
