#!/usr/bin/env bash
# The benchmark command: installs what is missing, builds the benchmarks optimised in their own build
# folders (native, and the pane repaint for Windows), runs every benchmark program, the repaint under
# Wine, and prints one line per target: the description, the figure, the target and the verdict. Exits
# non-zero only when a program failed to build or run, whatever the verdicts.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$KORVA_ROOT"

KORVA_PACKAGES+=(libopencv-dev python3)  # the side-by-side comparison; reading the results

NATIVE=build/bench
WINDOWS=build/bench-win64
RESULTS=$NATIVE/results
# Repetitions and a minimum time a repetition, so that a figure is the median of several steady runs.
RUN_OPTIONS=(--benchmark_format=json --benchmark_repetitions=5 --benchmark_report_aggregates_only=true
             --benchmark_min_time=0.3)

problems=()
trap korva_wine_stop EXIT

# build_targets <dir> <targets (empty for all)> [cmake options...]: configures once, then builds.
build_targets() {
    local dir=$1 targets=$2
    shift 2
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S "$KORVA_ROOT" -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DKORVA_TESTS=OFF "$@" >/dev/null
    fi
    echo "== Building $dir"
    # shellcheck disable=SC2086  # the targets are separate words
    ninja -C "$dir" $targets 2>&1 | grep -v -E '^\[|^ninja: (Entering|no work)|^-- '
    return "${PIPESTATUS[0]}"
}

korva_install_missing || problems+=("package installation failed")
build_targets "$NATIVE" "" || problems+=("native benchmark build failed")
build_targets "$WINDOWS" pane_repaint_bench \
    -DCMAKE_TOOLCHAIN_FILE="$KORVA_ROOT/cmake/toolchains/mingw-w64-x86_64.cmake" ||
    problems+=("Windows benchmark build failed")

rm -rf "$RESULTS"
mkdir -p "$RESULTS"
for program in "$NATIVE"/bench/*_bench; do
    [ -x "$program" ] || continue
    name=$(basename "$program")
    echo "== Running $name"
    "$program" "${RUN_OPTIONS[@]}" >"$RESULTS/$name.json" 2>"$RESULTS/$name.log" ||
        problems+=("$name failed: $(tail -n 1 "$RESULTS/$name.log")")
done

repaint=$WINDOWS/bench/repaint/pane_repaint_bench.exe
if [ -f "$repaint" ]; then
    echo "== Running pane_repaint_bench under Wine"
    korva_wine_start
    wine "$repaint" </dev/null >"$RESULTS/pane_repaint_bench.json" 2>"$RESULTS/pane_repaint_bench.log" ||
        problems+=("pane_repaint_bench failed under Wine")
    korva_wine_stop
fi

echo "== Targets"
python3 - "$RESULTS"/*.json <<'PYTHON' || problems+=("the results could not be read")
import json
import sys

# A case stands for a target when it reports the counters value, target and lower_is_better; of the
# repetitions' aggregates the median is the figure.
for path in sys.argv[1:]:
    with open(path) as file:
        text = file.read()
    if not text.strip():
        continue
    for case in json.loads(text).get("benchmarks", []):
        if "target" not in case or case.get("aggregate_name", "median") != "median":
            continue
        value, target = case["value"], case["target"]
        lower = case.get("lower_is_better", 1) >= 0.5
        holds = value <= target if lower else value >= target
        label = case.get("label") or case.get("run_name") or case["name"]
        print(f"   {label}: {value:.3f} (target {'<=' if lower else '>='} {target:g}) "
              f"{'holds' if holds else 'misses'}")
PYTHON

for problem in "${problems[@]}"; do
    echo "!! $problem"
done
[ ${#problems[@]} -eq 0 ]
