#!/usr/bin/env bash
# Cross-builds trailcam-setup.exe, trailcam-card.exe and the test suite for 64-bit Windows on
# Debian 12, runs the suite under Wine, and makes the installer and the zip.
#   tools/windows.sh              builds the two programs and the tests, in build-windows
#   tools/windows.sh --test       and runs the whole suite under Wine
# Qt for MinGW: the folder TRAILCAM_QT_MINGW (holding lib/cmake/Qt6), else the copy cached in
# ${XDG_CACHE_HOME:-~/.cache}/trailcam-setup/qt6-mingw64: unpacked there from the archive
# TRAILCAM_QT_MINGW_ARCHIVE if one is given, else built from Debian's sources by
# tools/windows/build-qt-mingw64.sh (about 40 minutes on two cores, once).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
test=no
while [ $# -gt 0 ]; do
    case $1 in
    --test) test=yes ;;
    *)
        echo "usage: $0 [--test]" >&2
        exit 2
        ;;
    esac
    shift
done

"$root/tools/install-deps.sh" g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
    mingw-w64-tools wine64 wine nsis zip xz-utils ccache

cache=${XDG_CACHE_HOME:-$HOME/.cache}/trailcam-setup
qt=${TRAILCAM_QT_MINGW:-$cache/qt6-mingw64}
if [ ! -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ]; then
    [ -z "${TRAILCAM_QT_MINGW:-}" ] || { echo "no Qt for MinGW in $qt" >&2; exit 1; }
    mkdir -p "$cache"
    rm -rf "$qt"
    if [ -n "${TRAILCAM_QT_MINGW_ARCHIVE:-}" ]; then
        echo "Unpacking $TRAILCAM_QT_MINGW_ARCHIVE into $cache"
        tar -C "$cache" -xJf "$TRAILCAM_QT_MINGW_ARCHIVE"
    else
        echo "Building Qt for MinGW into $qt (once; it takes long)"
        "$root/tools/install-deps.sh" qt6-base-dev qt6-base-dev-tools cmake ninja-build
        "$root/tools/windows/build-qt-mingw64.sh" "$qt" "$cache/qt-build"
        rm -rf "$cache/qt-build"
    fi
fi

build=$root/build-windows
export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
cmake -S "$root" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/windows/mingw64-toolchain.cmake" \
    -DTRAILCAM_QT_MINGW="$qt" -DCMAKE_BUILD_TYPE=Release -DTRAILCAM_TESTS=ON \
    -DTRAILCAM_SANITIZE=OFF -DCMAKE_CROSSCOMPILING_EMULATOR="$root/tools/windows/wine-run.sh"
cmake --build "$build" --parallel 2

# Everything the programs load, beside them, as the installer puts it.
"$root/tools/windows/deploy.sh" "$qt" "$build"

if [ $test = yes ]; then
    # One Wine prefix for the whole run; its first start sets it up.
    export WINEPREFIX=$build/wine-prefix
    rm -rf "$WINEPREFIX"
    "$root/tools/windows/wine-run.sh" --setup
    # Drive T: leads to a folder of its own: the card that the writer's tests swap.
    mkdir -p "$build/wine-card"
    ln -sfn "$build/wine-card" "$WINEPREFIX/dosdevices/t:"
    (cd "$build" && ctest --output-on-failure --no-tests=error --timeout 600)
fi
