#!/usr/bin/env bash
# The one test command: installs what is missing, builds everything, runs every test natively and
# under Wine, checks the exports of both DLLs and prints one summary line.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$KORVA_ROOT"

passed=0
failed=0
problems=()
trap korva_wine_stop EXIT

# run_ctest <name> <build dir> [ctest options...]: runs the suite and adds its counts to the summary.
run_ctest() {
    local name=$1 dir=$2
    shift 2
    echo "== Tests: $name"
    local log="$KORVA_ROOT/$dir/ctest.log"
    (cd "$KORVA_ROOT/$dir" && ctest --output-on-failure "$@") >"$log" 2>&1
    local status=$?
    local line total bad
    line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -n 1)
    if [ -z "$line" ]; then
        tail -n 30 "$log"
        problems+=("$name did not run")
        return
    fi
    bad=$(sed -E 's/.* ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
    total=$(sed -E 's/.* out of ([0-9]+).*/\1/' <<<"$line")
    passed=$((passed + total - bad))
    failed=$((failed + bad))
    echo "   $line"
    if [ "$status" -ne 0 ] || [ "$bad" -ne 0 ]; then
        sed -n '/The following tests FAILED/,$p' "$log"
        grep -B2 -A20 -E '\[  FAILED  \]|Failure' "$log" | head -n 80
    fi
}

# check_exports <objdump> <dll>: the DLL exports exactly the six entry points, by name.
check_exports() {
    local objdump=$1 dll=$2
    local expected="ActivateDialog DeleteDialog DllMain HideDialog IsDialogMsg PostProcess"
    local actual
    actual=$("$objdump" -p "$dll" | sed -n '/\[Ordinal\/Name Pointer\] Table/,/^$/p' |
        sed -nE 's/^\s*\[ *[0-9]+\] (\S+)$/\1/p' | sort | tr '\n' ' ' | sed 's/ $//')
    if [ "$actual" = "$expected" ]; then
        echo "   $(basename "$(dirname "$(dirname "$(dirname "$dll")")")"): exports $actual"
        passed=$((passed + 1))
    else
        echo "   $dll exports [$actual], expected [$expected]"
        failed=$((failed + 1))
    fi
}

korva_install_missing || problems+=("package installation failed")

# The native tests and the benchmarks run optimised as shipped (-O3), where the compiler warns most.
korva_build build/native -DCMAKE_BUILD_TYPE=Release || problems+=("native build failed")
korva_build build/asan -DKORVA_SANITIZE=ON -DKORVA_BENCH=OFF || problems+=("sanitizer build failed")
korva_build_windows || problems+=("Windows build failed")

run_ctest "native" build/native -j"$(nproc)"
ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 run_ctest "native, AddressSanitizer and UBSan" build/asan -j"$(nproc)"

korva_wine_start
run_ctest "Windows (x86_64, Wine)" build/win64
korva_wine_stop

echo "== Exports"
check_exports x86_64-w64-mingw32-objdump build/win64/src/ui/KVSCANUI.DLL
check_exports i686-w64-mingw32-objdump build/win32/src/ui/KVSCANUI.DLL

for problem in "${problems[@]}"; do
    echo "!! $problem"
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ] && [ ${#problems[@]} -eq 0 ]
