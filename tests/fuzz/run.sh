#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the fuzz targets with clang in their own build folder and runs each
# one briefly from its seeds. Fails when a target finds a crash, a hang or a
# sanitizer report.
#   tests/fuzz/run.sh [build-folder] [seconds-per-target]
set -euo pipefail
cd "$(dirname "$0")/../.."
build="${1:-build-fuzz}"
seconds="${2:-20}"

cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" \
    -DZQ61_FUZZ=ON -DZQ61_WITH_QT=OFF -DZQ61_TESTS=OFF -DZQ61_SANITIZE=ON >/dev/null
cmake --build "$build"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# Each target with the longest input it is given: the ini files and names
# are read whole for every lookup, so short inputs keep the runs quick.
for entry in engine_replies_fuzz:26000 dat_file_fuzz:26000 csv_import_fuzz:26000 \
             profile_files_fuzz:1024 version_table_fuzz:4096 backup_names_fuzz:256 \
             backup_image_fuzz:7700; do
    target="${entry%%:*}"
    corpus="$build/corpus/$target"
    rm -rf "$corpus"
    mkdir -p "$corpus"
    echo "fuzzing $target for ${seconds} s"
    "$build/tests/fuzz/$target" -seed=1 -max_total_time="$seconds" -timeout=10 \
        -max_len="${entry##*:}" -print_final_stats=1 -artifact_prefix="$build/$target-" \
        "$corpus" "$build/tests/fuzz/seeds/$target" 2>"$build/$target.log" || {
        tail -n 40 "$build/$target.log" >&2
        echo "FAIL: $target (log: $build/$target.log)" >&2
        exit 1
    }
    grep -E "stat::number_of_executed_units|cov:" "$build/$target.log" | tail -n 2
done
