#!/usr/bin/env bash
# Builds the Debian package and checks it as a user meets it: installs it with apt-get, checks
# that every installed file is where it belongs, that the menu entry and the software-centre
# data validate, that the installed program answers --version and starts, then removes the
# package and checks that nothing of it is left behind.
#
# It installs and removes trailcam-setup on this machine: run it as root or as a user who may
# use sudo, where that is welcome (CI does).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
app_id=org.trailcamsetup.TrailcamSetup
program=/usr/bin/trailcam-setup
card_program=/usr/bin/trailcam-card
desktop_entry=/usr/share/applications/$app_id.desktop
metainfo=/usr/share/metainfo/$app_id.metainfo.xml
manual=/usr/share/man/man1/trailcam-setup.1.gz
card_manual=/usr/share/man/man1/trailcam-card.1.gz
card_completion=/usr/share/bash-completion/completions/trailcam-card

# Every file the package puts on the system; no other may come with it.
expected=(
    "$program"
    "$card_program"
    "$desktop_entry"
    "$metainfo"
    "$manual"
    "$card_manual"
    "$card_completion"
    /usr/share/doc/trailcam-setup/copyright
    /usr/share/doc/trailcam-setup/changelog.gz
    /usr/share/icons/hicolor/{48x48,64x64,128x128,256x256}/apps/"$app_id".png
    /usr/share/icons/hicolor/scalable/apps/"$app_id".svg
)

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
apt() { DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get "$@" -y -q; }
installed() { dpkg-query -W -f='${db:Status-Status}' trailcam-setup 2>/dev/null | grep -qx installed; }

passed=0
failed=0
# Runs one check: a description, then the command that must succeed.
check() {
    local what=$1 output
    shift
    if output=$("$@" 2>&1); then
        passed=$((passed + 1))
        echo "ok      $what"
    else
        failed=$((failed + 1))
        echo "FAILED  $what"
        [ -z "$output" ] || printf '        %s\n' "${output//$'\n'/$'\n'        }"
    fi
}

# The checks, each a function that says what is wrong on failure.
control_fields() {
    local depends
    depends=$(dpkg-deb -f "$deb" Depends)
    [ "$(dpkg-deb -f "$deb" Package)" = trailcam-setup ] &&
        [ "$(dpkg-deb -f "$deb" Section)" = utils ] &&
        [ -n "$(dpkg-deb -f "$deb" Maintainer)" ] &&
        dpkg-deb -f "$deb" Description | sed -n '2p' | grep -q . &&
        grep -q 'libqt6widgets6' <<<"$depends" &&
        grep -q 'libc6' <<<"$depends" &&
        grep -q 'qt6-translations-l10n' <<<"$depends" &&
        grep -Eq 'qt6-base-abi \(= [0-9]+\.[0-9]+\.[0-9]+\)' <<<"$depends" && return 0
    dpkg-deb -f "$deb" Package Section Maintainer Depends Description
    return 1
}
files_where_they_belong() {
    diff <(printf '%s\n' "${expected[@]}" | sort) <(printf '%s\n' "${files[@]}") &&
        for path in "${files[@]}"; do
            local want=644
            [ "$path" != "$program" ] && [ "$path" != "$card_program" ] || want=755
            [ "$(stat -c %a "$path")" = "$want" ] || {
                echo "$path: mode $(stat -c %a "$path"), not $want"
                return 1
            }
        done
}
icons_of_their_size() {
    for size in 48 64 128 256; do
        local icon=/usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png
        file -b "$icon" | grep -q "^PNG image data, $size x $size," || {
            echo "$icon: $(file -b "$icon")"
            return 1
        }
    done
}
desktop_entry_valid() {
    local report
    report=$(desktop-file-validate "$desktop_entry" 2>&1) && [ -z "$report" ] && return 0
    echo "$report"
    return 1
}
entry_starts_the_program_with_its_icon() {
    local command icon
    command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$desktop_entry")
    icon=$(sed -n 's/^Icon=//p' "$desktop_entry")
    [ "$(command -v "$command")" = "$program" ] && [ "$icon" = "$app_id" ] && return 0
    echo "Exec=$command ($(command -v "$command")), Icon=$icon"
    return 1
}
package_tree_valid() {
    # The metainfo together with the entry and icons it names, as the package ships them.
    local tree
    tree=$(mktemp -d)
    dpkg-deb -x "$deb" "$tree"
    appstreamcli validate-tree --no-net --strict "$tree"
    local result=$?
    rm -rf "$tree"
    return $result
}
manuals_render_cleanly() {
    local page warnings
    for page in "$manual" "$card_manual"; do
        warnings=$(zcat "$page" | LC_ALL=C.UTF-8 groff -man -Tutf8 -ww -z 2>&1) &&
            [ -z "$warnings" ] && ! zgrep -n /usr/local "$page" || {
            echo "$page: $warnings"
            return 1
        }
    done
}
manuals_lint_clean() {
    local page report
    for page in "$manual" "$card_manual"; do
        report=$(zcat "$page" | mandoc -T lint -W warning 2>&1) && [ -z "$report" ] || {
            echo "$page: $report"
            return 1
        }
    done
}
lintian_clean() {
    # Informational tags are kept only where a reason stands here beside them: none.
    local report
    report=$(lintian --pedantic --tag-display-limit 0 "$deb" 2>&1) || true
    echo "$report"
    ! grep -q '^[EW]: ' <<<"$report"
}
# Control-flow protection (-fcf-protection) is not among the flags Debian 12 builds with.
hardened() {
    local binary report
    for binary in "$program" "$card_program"; do
        report=$(hardening-check --nocfprotection "$binary") || {
            echo "$report"
            return 1
        }
        ! readelf -d "$binary" | grep -q 'R\(UN\)\?PATH' || {
            echo "$binary has a run path"
            return 1
        }
    done
}
reproducible() {
    # A second build from an empty build folder, with the same commit, gives the same bytes.
    local again
    again=$("$root/tools/package.sh" --clean 2>/dev/null) && cmp "$first_build" "$again"
}
answers_version_without_display() {
    local answer newest_release
    answer=$(env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$program" --version)
    answer=${answer%%$'\n'*}
    newest_release=$(grep -o -m1 '<release version="[^"]*"' "$metainfo" | cut -d'"' -f2)
    [ "$answer" = "trailcam-setup $version" ] && [ "$newest_release" = "$version" ] && return 0
    echo "--version: '$answer'; newest release in the metainfo: $newest_release; package: $version"
    return 1
}
completes_the_card_command() {
    # Where bash-completion looks for a command's completion, loaded as it loads it.
    local offered
    offered=$(bash -c 'source "$0"; COMP_LINE="trailcam-card write camera --set MRES="
        COMP_POINT=${#COMP_LINE}; _trailcam_card; echo "${COMPREPLY[*]}"' "$card_completion") &&
        [ "$offered" = "0 1 2 1080P 720P VGA" ] && return 0
    echo "after 'trailcam-card write camera --set MRES=' it offers: '$offered'"
    return 1
}
keeps_running_until_told_to_quit() {
    # Started from the menu's command in a clean environment; SIGTERM after 5 s is the quit.
    local home status
    home=$(mktemp -d)
    (cd "$home" && env -i PATH=/usr/bin:/bin HOME="$home" XDG_RUNTIME_DIR="$home" \
        QT_QPA_PLATFORM=offscreen timeout -k 5 5 trailcam-setup) >"$home/log" 2>&1 &&
        status=0 || status=$?
    [ "$status" -eq 124 ] || {
        echo "ended by itself with status $status"
        cat "$home/log"
    }
    rm -rf "$home"
    [ "$status" -eq 124 ]
}
speaks_the_desktops_language() {
    # The programs' own German, Qt's German for its buttons, and the menu entry's name.
    local english german
    english=$(LC_ALL=C trailcam-card bogus 2>&1) || true
    german=$(env -u LANGUAGE -u LC_ALL -u LC_MESSAGES LANG=de_DE.UTF-8 trailcam-card bogus 2>&1) ||
        true
    [ "$german" != "$english" ] && [ -f /usr/share/qt6/translations/qtbase_de.qm ] &&
        grep -q '^Name\[de\]=' "$desktop_entry" && return 0
    echo "LC_ALL=C: $english"
    echo "LANG=de_DE.UTF-8: $german"
    return 1
}
nothing_left_behind() {
    local status
    status=$(dpkg-query -W -f='${db:Status-Status}' trailcam-setup 2>/dev/null) || status=
    [ -z "$status" ] || [ "$status" = not-installed ] || {
        echo "dpkg still knows it as: $status"
        return 1
    }
    for path in "${files[@]}" "${own_folders[@]}"; do
        [ ! -e "$path" ] || {
            echo "left behind: $path"
            return 1
        }
    done
}

"$root/tools/install-deps.sh" desktop-file-utils appstream groff-base file lintian mandoc \
    devscripts binutils
deb=$("$root/tools/package.sh")
version=$(dpkg-deb -f "$deb" Version)
echo "checking $deb"
check "package fields and dependencies from the linked libraries" control_fields
check "lintian --pedantic reports no error and no warning" lintian_clean

# A run that stopped half-way may have left the package installed.
if installed; then
    apt remove trailcam-setup >/dev/null
fi
apt install "$deb"
installed || { echo "trailcam-setup did not install" >&2; exit 1; }
trap 'if installed; then apt remove trailcam-setup >/dev/null; fi' EXIT

mapfile -t files < <(dpkg -L trailcam-setup | while read -r path; do
    [ -d "$path" ] || echo "$path"
done | sort)
# Folders that only this package uses: removing it must remove them too.
mapfile -t own_folders < <(dpkg -L trailcam-setup | while read -r path; do
    [ -d "$path" ] && [ "$(dpkg -S "$path" 2>/dev/null)" = "trailcam-setup: $path" ] &&
        echo "$path"
done)

check "every installed file where it belongs, with its mode" files_where_they_belong
check "icons in the theme at 48, 64, 128 and 256 pixels" icons_of_their_size
check "desktop-file-validate on the menu entry" desktop_entry_valid
check "the menu entry starts $program with the package's icon" \
    entry_starts_the_program_with_its_icon
check "appstreamcli validate on the installed metainfo" \
    appstreamcli validate --no-net --strict "$metainfo"
check "appstreamcli validate-tree on the package's files" package_tree_valid
check "the manual pages render without warnings" manuals_render_cleanly
check "mandoc -T lint finds nothing in the manual pages" manuals_lint_clean
check "bash completes trailcam-card's keys and values from $card_completion" \
    completes_the_card_command
check "both programs hardened (hardening-check) and without a run path" hardened
check "--version answered without a display, matching the package and its release notes" \
    answers_version_without_display
check "the installed program starts offscreen and keeps running until told to quit" \
    keeps_running_until_told_to_quit
check "a German desktop gets German words, Qt's own for its buttons, and a German menu entry" \
    speaks_the_desktops_language

apt remove trailcam-setup
check "apt-get remove leaves nothing of the package behind" nothing_left_behind

first_build=$(mktemp)
cp "$deb" "$first_build"
check "a second build of the same commit gives the same bytes" reproducible
rm -f "$first_build"

echo "check-package: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
