#!/usr/bin/env bash
# Pictures of the Windows build's windows as Wine draws them, taken by the desktop check on its
# virtual screen: the program deployed by tools/windows.sh, run by Wine with its X11 driver and
# Qt's windows platform. Saves windows-NAME.png in docs/screenshots (or the folder given).
# Wine has no SimSun; through Wine's own text drawing the small texts of the Song face it finds
# instead (AR PL UMing) come out cut off at the top, so Qt draws them with its FreeType engine,
# hinted as on Linux (the program asks for that wherever FreeType draws), and the windows come out
# at the Linux build's sizes.
#   tools/windows/screenshots.sh [FOLDER]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
out=${1:-$root/docs/screenshots}
deploy=$root/build-windows/deploy
[ -f "$deploy/trailcam-setup.exe" ] || { echo "no $deploy: run tools/windows.sh first" >&2; exit 1; }
"$root/tools/install-deps.sh" xvfb imagemagick wine64 wine

work=$(mktemp -d)
trap 'WINEPREFIX=$work/prefix wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
export WINEPREFIX=$work/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wineboot --init 2>/dev/null
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
# The check holds the windows to the Linux build's sizes and frames; here only the pictures count.
"$root/tools/desktop-check.sh" --pictures "$work/pictures" "$work/trailcam-setup" || true
for name in main-window camera-setup mms-setup smtp-setup about-box; do
    if [ -f "$work/pictures/$name.png" ]; then
        cp "$work/pictures/$name.png" "$out/windows-$name.png"
        echo "wrote $out/windows-$name.png"
    fi
done
