#!/usr/bin/env bash
# Pictures of the Windows build's windows as Wine draws them, taken by the desktop check on its
# virtual screen: the program deployed by tools/windows.sh, run by Wine with its X11 driver and
# Qt's windows platform. Saves windows-NAME.png in docs/screenshots (or the folder given).
# Wine has no SimSun; through Wine's own text drawing the small texts of the Song face it finds
# instead (AR PL UMing) come out cut off at the top, so Qt draws them with its FreeType engine,
# hinted as on Linux (the program asks for that wherever FreeType draws), and the windows come out
# at the Linux build's sizes.
#   tools/windows/screenshots.sh [--scale PERCENT] [--screen WIDTHxHEIGHT] [FOLDER]
# --scale gives Windows' display scale (125 or 150: Wine's LogPixels 120 or 144), which the program,
# aware of each monitor's scale, draws at; the pictures are then windows-NAME-PERCENT.png, and the
# desktop check holds every window to its drawn size at that scale, whole on the screen (1024 x 768
# unless --screen says otherwise).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
scale=100
screen=1024x768
while [ $# -gt 0 ]; do
    case $1 in
    --scale) scale=$2; shift 2 ;;
    --screen) screen=$2; shift 2 ;;
    *) break ;;
    esac
done
out=${1:-$root/docs/screenshots}
deploy=$root/build-windows/deploy
[ -f "$deploy/trailcam-setup.exe" ] || { echo "no $deploy: run tools/windows.sh first" >&2; exit 1; }
"$root/tools/install-deps.sh" xvfb imagemagick wine64 wine

work=$(mktemp -d)
trap 'WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init 2>/dev/null
# Windows' display scale: the resolution it tells programs, 96 dots per inch at 100 %.
dpi=$((96 * scale / 100))
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wine reg add 'HKCC\Software\Fonts' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
wineserver --wait
# The desktop check starts the program as a command of its own, with a home of its own.
cat >"$work/trailcam-setup" <<PROGRAM
#!/bin/sh
export WINEPREFIX="$WINEPREFIX" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
export WINEQT_QPA_PLATFORM=windows:fontengine=freetype
exec wine "$deploy/trailcam-setup.exe"
PROGRAM
chmod +x "$work/trailcam-setup"
mkdir -p "$work/pictures" "$out"
status=0
"$root/tools/desktop-check.sh" --pictures "$work/pictures" --screen "$screen" --scale "$scale" \
    "$work/trailcam-setup" || status=$?
suffix=""
[ "$scale" -eq 100 ] || suffix=-$scale
for name in main-window camera-setup mms-setup smtp-setup about-box; do
    if [ -f "$work/pictures/$name.png" ]; then
        cp "$work/pictures/$name.png" "$out/windows-$name$suffix.png"
        echo "wrote $out/windows-$name$suffix.png"
    fi
done
exit $status
