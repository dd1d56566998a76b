#!/usr/bin/env bash
# Checks the Windows installer under Wine as a user meets it: it installs silently, every
# deployed file is in place with the Start-menu entry and the entry in "Apps", the installed
# trailcam-card writes a settings file and the installed trailcam-setup answers --version with
# nothing but the installed files; then it uninstalls silently and nothing it installed is left.
#   tools/windows/check-installer.sh INSTALLER.exe DEPLOY_FOLDER
# Uses a Wine prefix of its own.
set -euo pipefail
installer=$1 deploy=$2
export WINEPREFIX
WINEPREFIX=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX"' EXIT
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# Nothing of the build's Qt may help the installed programs.
unset WINEPATH QT_PLUGIN_PATH WINEQT_PLUGIN_PATH
wineboot --init 2>/dev/null
if [ -z "${DISPLAY:-}" ]; then
    wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d null /f >/dev/null 2>&1
fi
wineserver --wait

fail() {
    echo "check-installer: $*" >&2
    exit 1
}
unix() { winepath -u "$1" 2>/dev/null; }
local_app_data=$(wine cmd /c echo %LOCALAPPDATA% 2>/dev/null | tr -d '\r')
app_data=$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')
target=$(unix "$local_app_data\\Programs\\trailcam-setup")
entry=$(unix "$app_data\\Microsoft\\Windows\\Start Menu\\Programs\\Trail camera setup.lnk")
key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\trailcam-setup'
listing() { (cd "$1" && find . -type f | LC_ALL=C sort); }

wine "$installer" /S
wineserver --wait
[ -d "$target" ] || fail "nothing was installed in $target"
expected=$( (listing "$deploy"; echo ./uninstall.exe) | LC_ALL=C sort)
[ "$(listing "$target")" = "$expected" ] ||
    fail "the installed files are not the deployed ones: $(diff <(echo "$expected") <(listing "$target"))"
for file in $(cd "$deploy" && find . -type f); do
    cmp -s "$deploy/$file" "$target/$file" || fail "$file differs from the deployed one"
done
[ -f "$entry" ] || fail "no Start-menu entry"
wine reg query "$key" /v DisplayVersion >/dev/null 2>&1 || fail "no entry in the installed programs"
echo "Installed $(listing "$target" | wc -l) files into $local_app_data\\Programs\\trailcam-setup," \
    "with the Start-menu entry."

card=$(mktemp -d)
trap 'wineserver -k 2>/dev/null || true; rm -rf "$WINEPREFIX" "$card"' EXIT
written=$(wine "$target/trailcam-card.exe" write camera --set MRES=0 "$(winepath -w "$card")" 2>&1 |
    tr -d '\r')
[ -s "$card/CameraSet.dat" ] || fail "the installed trailcam-card wrote nothing: $written"
echo "The installed trailcam-card: $written"
version=$(wine "$target/trailcam-setup.exe" --version 2>/dev/null | tr -d '\r')
[[ $version == "trailcam-setup "* ]] || fail "the installed trailcam-setup answered \"$version\""
echo "The installed trailcam-setup: $version"

wine "$target/uninstall.exe" /S
# The uninstaller goes on from a copy of itself, so wait for every Wine process.
wineserver --wait
if [ -e "$target" ]; then
    fail "left after uninstalling: $(cd "$target" && find . | tr '\n' ' ')"
fi
[ ! -e "$entry" ] || fail "the Start-menu entry was left"
if wine reg query "$key" >/dev/null 2>&1; then fail "the entry in the installed programs was left"; fi
echo "Uninstalled: no file, Start-menu entry or registry entry is left."
