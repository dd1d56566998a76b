#!/usr/bin/env bash
# Gathers the two programs and everything they load into one folder, as the installer and the
# zip ship it: the Qt libraries and the plugins the program loads (what windeployqt would pick
# for it), MinGW's runtime, and Qt's own translations (the message boxes' buttons, the folder
# browser) for every language the program speaks, in translations/ beside it.
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
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
mkdir -p "$out/translations"
for ts in "$root"/translations/trailcam_*.ts; do
    language=${ts##*/trailcam_}
    language=${language%.ts}
    # Qt's Portuguese is Brazil's.
    [ "$language" = pt ] && language=pt_BR
    qt_words=/usr/share/qt6/translations/qtbase_$language.qm
    if [ -f "$qt_words" ]; then
        cp "$qt_words" "$out/translations/"
    else
        echo "deploy.sh: Qt has no words of its own in $language; its buttons stay English" >&2
    fi
done
x86_64-w64-mingw32-strip --strip-unneeded "$out"/*.exe "$out"/*.dll "$out"/*/*.dll
echo "$out"
