#!/usr/bin/env bash
# Runs the user-interface module with the simulated scanner under Wine: builds what is needed, installs
# the module, the data source and the host into the Wine prefix's driver folder and starts the host.
# With a display the session is interactive; without one a scripted session runs on a private Xvfb
# display and leaves its screenshots as PNG files under out/.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$KORVA_ROOT"

korva_install_missing || exit 1
korva_build build/win64 -DCMAKE_TOOLCHAIN_FILE="$KORVA_ROOT/cmake/toolchains/mingw-w64-x86_64.cmake" || exit 1

interactive=""
if [ -n "${DISPLAY:-}" ] && xset q >/dev/null 2>&1; then
    interactive=1
    export KORVA_USE_DISPLAY=1
fi
trap korva_wine_stop EXIT
korva_wine_start

driver=$(korva_driver_folder)
mkdir -p "$driver"
cp build/win64/src/ui/KVSCANUI.DLL build/win64/tools/datasource/LOMTWNS.DS build/win64/tools/host/korvascan.exe \
    "$driver/"
host='C:\windows\TWAIN_32\VELDRIX\korvascan.exe'

if [ -n "$interactive" ]; then
    echo "== Starting korvascan on $DISPLAY"
    wine "$host" </dev/null
    exit $?
fi

mkdir -p out
rm -f out/*.bmp out/*.png
script="$KORVA_ROOT/build/demo.script"
out=$(winepath -w "$KORVA_ROOT/out" 2>/dev/null)
sed "s|@OUT@|${out//\\/\\\\}|g" scripts/demo.script.in >"$script"
echo "== Running the scripted session on $DISPLAY"
timeout 300 wine "$host" /script "$(winepath -w "$script" 2>/dev/null)" </dev/null
status=$?
shots=0
for bmp in out/*.bmp; do
    [ -e "$bmp" ] || continue
    convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp" && shots=$((shots + 1))
done
echo "== $shots screenshots under out/:"
ls out/*.png 2>/dev/null
[ "$status" -eq 0 ] && [ "$shots" -gt 0 ]
