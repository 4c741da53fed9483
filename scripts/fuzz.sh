#!/usr/bin/env bash
# Builds the fuzz targets with clang's libFuzzer, AddressSanitizer and UBSan in build/fuzz and runs each
# for the given number of seconds (default 60), printing executions and crashes per target. Each run
# starts from the seed corpus under tests/fuzz/corpus and adds what it finds to a working corpus under
# build/fuzz; crash reproducers land in build/fuzz/crashes/<target>. Exits non-zero on any crash.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$KORVA_ROOT"

seconds=${1:-60}
korva_install_missing || exit 1
CC=clang CXX=clang++ korva_build build/fuzz -DKORVA_FUZZ=ON -DKORVA_TESTS=OFF -DKORVA_BENCH=OFF || exit 1

# The targets read their inputs from files in a temporary folder: a folder in memory runs them many
# times faster.
[ -d /dev/shm ] && export TMPDIR=/dev/shm
crashed=0
for seeds in tests/fuzz/corpus/*/; do
    name=$(basename "$seeds")
    work="build/fuzz/corpus/$name"
    crashes="build/fuzz/crashes/$name"
    log="build/fuzz/$name.log"
    rm -rf "$crashes"
    mkdir -p "$work" "$crashes"
    nice -n 19 "build/fuzz/tests/fuzz/fuzz_$name" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$crashes/" "$work" "$seeds" >"$log" 2>&1
    executions=$(sed -nE 's/^stat::number_of_executed_units: *([0-9]+)/\1/p' "$log" | tail -n 1)
    found=$(find "$crashes" -type f | wc -l)
    echo "$name: ${executions:-0} executions, $found crashes"
    if [ "$found" -ne 0 ] || [ -z "$executions" ]; then
        crashed=1
        grep -m 3 -E 'ERROR|runtime error|SUMMARY' "$log"
    fi
done
exit $crashed
