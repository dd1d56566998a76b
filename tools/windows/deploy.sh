#!/usr/bin/env bash
# Gathers the two programs and everything they load into one folder, as the installer and the
# zip ship it: the Qt libraries and the plugins the program loads (what windeployqt would pick
# for it), MinGW's runtime, and the German texts, which a German Windows finds beside the program.
#   tools/windows/deploy.sh QT_MINGW BUILD      fills BUILD/deploy and prints its path
set -euo pipefail
qt=$1 build=$2
gcc_dlls=/usr/lib/gcc/x86_64-w64-mingw32/12-posix
mingw_dlls=/usr/x86_64-w64-mingw32/lib
out=$build/deploy
rm -rf "$out"
mkdir -p "$out/platforms" "$out/styles"
cp "$build/trailcam-setup.exe" "$build/trailcam-card.exe" "$out/"
cp "$qt"/bin/Qt6{Core,Gui,Widgets}.dll "$out/"
cp "$qt/plugins/platforms/qwindows.dll" "$out/platforms/"
cp "$qt/plugins/styles/qwindowsvistastyle.dll" "$out/styles/"
cp "$gcc_dlls/libstdc++-6.dll" "$gcc_dlls/libgcc_s_seh-1.dll" "$mingw_dlls/libwinpthread-1.dll" \
    "$out/"
cp "$(dirname "${BASH_SOURCE[0]}")/../../data/trailcam-setup.de.ini" "$out/"
x86_64-w64-mingw32-strip --strip-unneeded "$out"/*.exe "$out"/*.dll "$out"/*/*.dll
echo "$out"
