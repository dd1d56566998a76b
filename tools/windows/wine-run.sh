#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, finding the libraries and plugins of Qt for
# MinGW and MinGW's runtime:
#   tools/windows/wine-run.sh PROGRAM.exe [ARGUMENT...]
#   tools/windows/wine-run.sh --setup          makes the prefix WINEPREFIX ready (once per run)
# WINEPREFIX must be set. Without a display, Wine's null display driver is used, so windows
# that Qt's offscreen platform never shows need no X server.
set -euo pipefail
: "${WINEPREFIX:?set WINEPREFIX to the Wine prefix of this run}"
build=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)/build-windows
qt=$(sed -n 's/^TRAILCAM_QT_MINGW:[A-Z]*=//p' "$build/CMakeCache.txt")
export WINEDEBUG=${WINEDEBUG:--all}
# No .NET and no Internet Explorer engine: nothing here needs them, and Wine would offer to
# download them.
export WINEDLLOVERRIDES="mscoree,mshtml="
windows_path() { winepath -w "$1" 2>/dev/null; }
if [ "${1:-}" = "--setup" ]; then
    wineboot --init
    if [ -z "${DISPLAY:-}" ]; then
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
    fi
    wineserver --wait
    exit 0
fi
WINEPATH="$(windows_path "$build/deploy");$(windows_path "$qt/bin")"
export WINEPATH
QT_PLUGIN_PATH=$(windows_path "$qt/plugins")
export QT_PLUGIN_PATH
exec wine "$@"
