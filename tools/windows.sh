#!/usr/bin/env bash
# Cross-builds trailcam-setup.exe, trailcam-card.exe and the test suite for 64-bit Windows on
# Debian 12, runs the suite under Wine, and makes the installer and the zip.
#   tools/windows.sh              builds the two programs and the tests, in build-windows
#   tools/windows.sh --test       and runs the whole suite under Wine, reads the programs'
#                                 resources back and compares the files both builds write
#   tools/windows.sh --package    and makes trailcam-setup-VERSION-win64-setup.exe and
#                                 trailcam-setup-VERSION-win64.zip in build-windows (with --test,
#                                 the installer is checked under Wine too)
# Qt for MinGW: the folder TRAILCAM_QT_MINGW (holding lib/cmake/Qt6), else the copy cached in
# ${XDG_CACHE_HOME:-~/.cache}/trailcam-setup/qt6-mingw64: unpacked there from the archive
# TRAILCAM_QT_MINGW_ARCHIVE if one is given, else built from Debian's sources by
# tools/windows/build-qt-mingw64.sh (about 40 minutes on two cores, once).
set -euo pipefail
# A step that fails says which, so that a failure no command explains can still be placed.
trap 'echo "$0: line $LINENO: $BASH_COMMAND failed" >&2' ERR
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
test=no
package=no
while [ $# -gt 0 ]; do
    case $1 in
    --test) test=yes ;;
    --package) package=yes ;;
    *)
        echo "usage: $0 [--test] [--package]" >&2
        exit 2
        ;;
    esac
    shift
done

"$root/tools/install-deps.sh" g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix \
    mingw-w64-tools wine64 wine nsis zip xz-utils ccache python3

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

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

if [ $test = yes ]; then
    # One Wine prefix for the whole run; its first start sets it up.
    export WINEPREFIX=$build/wine-prefix
    rm -rf "$WINEPREFIX"
    "$root/tools/windows/wine-run.sh" --setup
    # Drive T: leads to a folder of its own: the card that the writer's tests swap.
    mkdir -p "$build/wine-card"
    ln -sfn "$build/wine-card" "$WINEPREFIX/dosdevices/t:"
    (cd "$build" && ctest --output-on-failure --no-tests=error --timeout 600)

    # Each program carries its icon, its version and the manifest with the common controls of
    # version 6, per-monitor DPI awareness and no elevation.
    for program in trailcam-setup trailcam-card; do
        resources=$(python3 "$root/tools/windows/resources.py" "$build/$program.exe")
        for expected in "icon group of 7 sizes" "version FileVersion=$version.0.0" \
            "version ProductVersion=$version" "version ProductName=trailcam-setup" \
            "version OriginalFilename=$program.exe" "version CompanyName=trailcam-setup developers" \
            'manifest <assemblyIdentity type="win32" name="Microsoft.Windows.Common-Controls" version="6.0.0.0"' \
            'manifest <requestedExecutionLevel level="asInvoker" uiAccess="false"/>' \
            'manifest <dpiAwareness xmlns="http://schemas.microsoft.com/SMI/2016/WindowsSettings">PerMonitorV2</dpiAwareness>'; do
            grep -qxF "$expected" <<<"$resources" || {
                echo "$program.exe lacks the resource: $expected" >&2
                exit 1
            }
        done
        if grep -q activeCodePage <<<"$resources"; then
            echo "$program.exe asks for a code page of its own" >&2
            exit 1
        fi
    done
    echo "Both programs carry their icon, version and manifest."

    # The Linux build's trailcam-card, to hold the Windows build's files against.
    host=$build/host
    cmake -S "$root" -B "$host" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRAILCAM_TESTS=OFF \
        -DTRAILCAM_SANITIZE=OFF >/dev/null
    cmake --build "$host" --parallel 2 --target trailcam-card
    "$root/tools/windows/same-bytes.sh" "$host/src/trailcam-card" "$build/trailcam-card.exe"
fi

if [ $package = yes ]; then
    deploy=$build/deploy
    name=trailcam-setup-$version-win64
    # What the installer puts where, and takes away again: every deployed file, by folder.
    files=$build/installer-files.nsh
    {
        echo '!macro INSTALL_FILES'
        (cd "$deploy" && find . -type d | sort) | while read -r folder; do
            folder=${folder#.}
            echo "    SetOutPath \"\$INSTDIR${folder//\//\\}\""
            find "$deploy$folder" -maxdepth 1 -type f | sort | while read -r file; do
                echo "    File \"$file\""
            done
        done
        echo '    SetOutPath "$INSTDIR"'
        echo '!macroend'
        echo '!macro REMOVE_FILES'
        (cd "$deploy" && find . -type f | sort) | while read -r file; do
            file=${file#./}
            echo "    Delete \"\$INSTDIR\\${file//\//\\}\""
        done
        (cd "$deploy" && find . -mindepth 1 -type d | sort -r) | while read -r folder; do
            folder=${folder#./}
            echo "    RMDir \"\$INSTDIR\\${folder//\//\\}\""
        done
        echo '!macroend'
    } >"$files"
    makensis -V2 -DVERSION="$version" -DICON="$root/src/res/app_icon.ico" -DFILES="$files" \
        -DOUTFILE="$build/$name-setup.exe" "$root/cmake/windows/installer.nsi"
    # The zip: the same files in one folder, dated by the last commit.
    rm -rf "$build/zip" "$build/$name.zip"
    mkdir -p "$build/zip"
    cp -r "$deploy" "$build/zip/$name"
    stamp=$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)
    find "$build/zip/$name" -exec touch -h -d "@$stamp" {} +
    (cd "$build/zip" && find "$name" | LC_ALL=C sort | zip -qX -@ "$build/$name.zip")
    rm -rf "$build/zip"
    ls -l "$build/$name-setup.exe" "$build/$name.zip"
    if [ $test = yes ]; then
        "$root/tools/windows/check-installer.sh" "$build/$name-setup.exe" "$deploy"
    fi
fi
