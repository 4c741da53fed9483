#!/usr/bin/env bash
# Runs the user-interface module with the simulated scanner under Wine: builds what is needed, installs
# the module, the data source and the host into the Wine prefix's driver folder, and the data source where
# Wine's source manager loads it, and starts the host, which reaches the scanner through the source manager.
# With a display the session is interactive; without one a scripted session runs on a private Xvfb
# display and leaves its screenshots and the scanned images as PNG files under out/, with out/index.html
# showing them in order with one caption each.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
cd "$KORVA_ROOT"

korva_install_missing || exit 1
korva_build build/win64 -DCMAKE_TOOLCHAIN_FILE="$KORVA_ROOT/cmake/toolchains/mingw-w64-x86_64.cmake" || exit 1

# demo_collect_scans <tag>: the images the host received through the source manager as
# out/scan-<tag>-<n>.png, each with a caption line in out/scan-<tag>-<n>.txt made from the block the
# scanner recorded beside its own copy of the n-th scan.
demo_collect_scans() {
    local tag=$1 n=0 image side
    for image in "$driver"/TRANSFERS/IMAGE*.BMP; do
        [ -e "$image" ] || continue
        n=$((n + 1))
        side=$(printf '%s/SCANS/SCAN%04d.TXT' "$driver" "$n")
        convert "$image" "out/scan-$tag-$n.png" 2>/dev/null || continue
        tr -d '\r' <"$side" | awk -F= -v file="$(basename "$image")" '
            { v[$1] = $2 }
            END {
                split("black and white,grey,colour,256 colours", kind, ",")
                printf "%s, transferred natively: %s, %s, %d bits per sample, %d x %d pixels at %g dpi\n", file,
                       v["origin"], kind[v["pixelType"] + 1], v["bitsPerSample"], v["width"], v["height"], v["dpi"]
            }' >"out/scan-$tag-$n.txt"
    done
    rm -rf "$driver/SCANS" "$driver/TRANSFERS"
}

# demo_page: the story as one HTML page, in the order of the script's "#:" lines, for each session.
demo_page() {
    echo '<!DOCTYPE html><html><head><meta charset="utf-8"><title>The scanner module at work</title>'
    echo '<style>body{font-family:sans-serif;margin:2em}figure{margin:1.5em 0}img{max-width:100%;border:1px solid #ccc}</style>'
    echo '</head><body><h1>The scanner module at work</h1>'
    local tag name caption scan
    for tag in large small; do
        echo "<h2>The $tag template</h2>"
        while read -r name caption; do
            if [ "$name" = scans ]; then
                for scan in out/scan-"$tag"-*.png; do
                    [ -e "$scan" ] || continue
                    echo "<figure><img src=\"$(basename "$scan")\"><figcaption>$(cat "${scan%.png}.txt")</figcaption></figure>"
                done
            elif [ -e "out/$name-$tag.bmp" ] || [ -e "out/$name-$tag.png" ]; then
                echo "<figure><img src=\"$name-$tag.png\"><figcaption>$caption</figcaption></figure>"
            fi
        done < <(sed -n 's/^#: //p' scripts/demo.script.in)
    done
    echo '</body></html>'
}

interactive=""
if [ -n "${DISPLAY:-}" ] && xset q >/dev/null 2>&1; then
    interactive=1
    export KORVA_USE_DISPLAY=1
fi
trap korva_wine_stop EXIT
korva_wine_start

driver=$(korva_driver_folder)
mkdir -p "$driver"
# A clean start: the built-in settings, no preview and no marquees of an earlier run.
rm -f "$driver/LOMTWNS.ini" "$driver/PREVIB7.BMP" "$driver/ZOOMINB6.BMP" "$driver"/SETTINGS/*.stt
rm -rf "$driver/SCANS" "$driver/TRANSFERS"
cp build/win64/src/ui/KVSCANUI.DLL build/win64/tools/datasource/LOMTWNS.DS build/win64/tools/host/korvascan.exe \
    "$driver/"
# The colour-matching runtime beside the module, and the colour profiles where the system keeps them.
cp build/win64/tools/colormatch/CXMRUN2A.DLL "$driver/"
mkdir -p "$WINEPREFIX/drive_c/windows/system/color"
cp build/win64/profiles/*.icm "$WINEPREFIX/drive_c/windows/system/color/"
host='C:\windows\TWAIN_32\VELDRIX\korvascan.exe'
# Wine's source manager loads no other source than "sane.ds" and "gphoto2.ds" of "twain_64" (for the 64-bit
# host): the simulated scanner takes the first name and hands its calls to the installed copy; the second is
# switched off.
mkdir -p "$WINEPREFIX/drive_c/windows/twain_64"
cp build/win64/tools/datasource/LOMTWNS.DS "$WINEPREFIX/drive_c/windows/twain_64/sane.ds"
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;gphoto2.ds="

if [ -n "$interactive" ]; then
    echo "== Starting korvascan on $DISPLAY"
    wine "$host" </dev/null
    exit $?
fi

mkdir -p out
rm -f out/*.bmp out/*.png out/index.html
out=$(winepath -w "$KORVA_ROOT/out" 2>/dev/null)
status=0
# The largest template on a 1024 x 768 desktop; the smallest on an 800 x 600 desktop whose captions are
# 23 pixels high (the template choice takes the next smaller size for tall captions), where it fits whole.
metrics='HKCU\Control Panel\Desktop\WindowMetrics'
wine reg delete "$metrics" /v CaptionHeight /f </dev/null >/dev/null 2>&1  # left by an interrupted run
for session in "large 1024x768" "small 800x600"; do
    read -r tag screen <<<"$session"
    script="$KORVA_ROOT/build/demo-$tag.script"
    # A marquee around the chart's photograph, in pane pixels of each template.
    photo="60 62 316 252"
    [ "$tag" = small ] && photo="42 44 222 178"
    sed -e "s|@OUT@|${out//\\/\\\\}|g" -e "s|@TAG@|$tag|g" -e "s|@SCREEN@|$screen|g" -e "s|@PHOTO@|$photo|g" \
        scripts/demo.script.in >"$script"
    if [ "$tag" = small ]; then
        wine reg add "$metrics" /v CaptionHeight /d -330 /f </dev/null >/dev/null 2>&1
    fi
    echo "== Running the scripted session ($tag template) on a $screen desktop on $DISPLAY"
    timeout 300 wine explorer "/desktop=korva$tag,$screen" "$host" /script "$(winepath -w "$script" 2>/dev/null)" \
        </dev/null || status=$?
    if [ "$tag" = small ]; then
        wine reg delete "$metrics" /v CaptionHeight /f </dev/null >/dev/null 2>&1
    fi
    demo_collect_scans "$tag"
done
demo_page >out/index.html
shots=0
for bmp in out/*.bmp; do
    [ -e "$bmp" ] || continue
    convert "$bmp" "${bmp%.bmp}.png" && rm -f "$bmp" && shots=$((shots + 1))
done
echo "== $shots screenshots and scanned images under out/, shown in order by out/index.html:"
ls out/*.png 2>/dev/null
[ "$status" -eq 0 ] && [ "$shots" -gt 0 ]
