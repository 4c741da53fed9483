# Shared by test.sh and demo.sh: installing what is missing, building, and a private Wine session
# (own Xvfb display, own Wine prefix under build/, own wineserver), stopped by pid.

KORVA_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
KORVA_PACKAGES=(cmake ninja-build g++ googletest libbenchmark-dev
                g++-mingw-w64-x86-64 g++-mingw-w64-i686 binutils-mingw-w64-x86-64 binutils-mingw-w64-i686
                wine wine64 fonts-wine xvfb x11-apps x11-xserver-utils imagemagick
                liblcms2-dev)
KORVA_PACKAGES+=(clang)  # scripts/fuzz.sh

korva_install_missing() {
    local missing=()
    for package in "${KORVA_PACKAGES[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    if [ ${#missing[@]} -gt 0 ]; then
        echo "== Installing: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq
        apt-get install -y -qq "${missing[@]}" >/dev/null
    fi
}

# korva_build <dir> [cmake options...]: configures once, then builds.
korva_build() {
    local dir=$1
    shift
    if [ ! -f "$KORVA_ROOT/$dir/build.ninja" ]; then
        cmake -S "$KORVA_ROOT" -B "$KORVA_ROOT/$dir" -G Ninja "$@" >/dev/null
    fi
    echo "== Building $dir"
    local output status
    output=$(ninja -C "$KORVA_ROOT/$dir" 2>&1)
    status=$?
    grep -v -E '^\[|^ninja: (Entering|no work)|^-- ' <<<"$output" || true
    return $status
}

korva_build_windows() {
    korva_build build/win64 -DCMAKE_TOOLCHAIN_FILE="$KORVA_ROOT/cmake/toolchains/mingw-w64-x86_64.cmake"
    korva_build build/win32 -DCMAKE_TOOLCHAIN_FILE="$KORVA_ROOT/cmake/toolchains/mingw-w64-i686.cmake" \
        -DKORVA_TESTS=OFF
}

KORVA_XVFB_PID=""
KORVA_WINESERVER_PID=""

# Starts Xvfb on a free display (unless KORVA_USE_DISPLAY is set), prepares the Wine prefix and starts
# a persistent wineserver with one warm-up run, so that later Wine programs start fast and leave no
# service processes attached to the caller's pipes.
korva_wine_start() {
    export WINEPREFIX="$KORVA_ROOT/build/wineprefix"
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="
    if [ -z "${KORVA_USE_DISPLAY:-}" ]; then
        local n=90
        while [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
        Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
        KORVA_XVFB_PID=$!
        export DISPLAY=":$n"
        for _ in $(seq 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    fi
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        echo "== Creating the Wine prefix $WINEPREFIX"
        wineboot -i </dev/null >/dev/null 2>&1
        wineserver -w
        # Every window inside one virtual desktop: Wine draws the frames itself, with or without a window manager.
        wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f </dev/null >/dev/null 2>&1
        wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f </dev/null >/dev/null 2>&1
        wineserver -w
    fi
    # The caption buttons are drawn with Marlett, which this Wine finds only in the prefix's own font folder.
    local fonts="$WINEPREFIX/drive_c/windows/Fonts"
    if [ ! -f "$fonts/marlett.ttf" ] && [ -f /usr/share/wine/fonts/marlett.ttf ]; then
        mkdir -p "$fonts" && cp /usr/share/wine/fonts/marlett.ttf "$fonts/"
    fi
    wineserver -f -p </dev/null >/dev/null 2>&1 &
    KORVA_WINESERVER_PID=$!
    wine cmd /c exit </dev/null >/dev/null 2>&1 || true
}

korva_wine_stop() {
    if [ -n "$KORVA_WINESERVER_PID" ]; then
        wineserver -k >/dev/null 2>&1 || true
        kill "$KORVA_WINESERVER_PID" 2>/dev/null || true
        wait "$KORVA_WINESERVER_PID" 2>/dev/null || true
        KORVA_WINESERVER_PID=""
    fi
    if [ -n "$KORVA_XVFB_PID" ]; then
        kill "$KORVA_XVFB_PID" 2>/dev/null || true
        wait "$KORVA_XVFB_PID" 2>/dev/null || true
        KORVA_XVFB_PID=""
    fi
}

# The driver folder inside the Wine prefix ("\TWAIN_32\VELDRIX" under the Windows directory).
korva_driver_folder() {
    echo "$WINEPREFIX/drive_c/windows/TWAIN_32/VELDRIX"
}
