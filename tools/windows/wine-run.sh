#!/usr/bin/env bash
# Runs a Windows program of the build under Wine, finding the libraries and plugins of Qt for
# MinGW and MinGW's runtime:
#   tools/windows/wine-run.sh PROGRAM.exe [ARGUMENT...]
#   tools/windows/wine-run.sh --setup          makes the prefix WINEPREFIX ready (once per run)
# WINEPREFIX must be set. Without a display, Wine's null display driver is used, so windows
# that Qt's offscreen platform never shows need no X server.
set -euo pipefail
# A step that fails says which, so that a failure no command explains can still be placed.
trap 'echo "$0: line $LINENO: $BASH_COMMAND failed" >&2' ERR
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
    # Debian's Song face, which the layouts are measured in, and Liberation Sans for Arial (both
    # installed by tools/install-deps.sh).
    mkdir -p "$WINEPREFIX/qt-fonts"
    ln -sf /usr/share/fonts/truetype/arphic/uming.ttc \
        /usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf \
        /usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf "$WINEPREFIX/qt-fonts/"
    if [ -z "${DISPLAY:-}" ]; then
        wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null
    fi
    wineserver --wait
    exit 0
fi
WINEPATH="$(windows_path "$build/deploy");$(windows_path "$qt/bin")"
export WINEPATH
# Wine keeps every QT_ variable of the Unix side from the Windows program (they are meant for the
# host's Qt) and hands on WINEQT_ ones under their QT_ name instead. Without this the program
# never sees QT_QPA_PLATFORM or QT_PLUGIN_PATH, finds no platform plugin, and waits for ever on
# the message box that says so, which the null display driver never shows.
QT_PLUGIN_PATH=$(windows_path "$qt/plugins")
export QT_PLUGIN_PATH
# Qt's offscreen platform on Windows draws with its own FreeType and finds fonts only in one
# folder (Qt's own, or QT_QPA_FONTDIR), where there are none: the prefix's folder of the faces the
# Linux build draws in.
if [ -z "${QT_QPA_FONTDIR:-}" ] && [ -d "$WINEPREFIX/qt-fonts" ]; then
    QT_QPA_FONTDIR=$(windows_path "$WINEPREFIX/qt-fonts")
    export QT_QPA_FONTDIR
fi
for name in $(compgen -e); do
    case $name in
    QT_*) export "WINE$name=${!name}" ;;
    esac
done
exec wine "$@"
