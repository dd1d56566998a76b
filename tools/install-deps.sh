#!/usr/bin/env bash
# Installs what building, running and testing trailcam-setup needs on Debian 12, and only
# what is missing. Packages named as arguments are wanted too (the packaging scripts add theirs).
#   tools/install-deps.sh --run   only what building and running the program needs (tools/run.sh)
set -euo pipefail

# qt6-base-private-dev: the skin cuts a window's outline through Qt's platform window, and the
# tests play window-system reports through Qt's platform interface.
packages=(
    build-essential cmake ninja-build
    qt6-base-dev qt6-base-private-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
    qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
    fonts-dejavu-core fonts-liberation2 fonts-wqy-microhei fonts-arphic-uming
)
if [ "${1:-}" = "--run" ]; then
    shift
else
    # The tests (python3 reads their JSON as a script would), benchmarks and pictures of the
    # windows.
    packages+=(libgtest-dev googletest libbenchmark-dev xvfb xauth imagemagick python3)
fi
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=()
if [ "$(id -u)" -ne 0 ]; then
    if ! command -v sudo >/dev/null; then
        echo "These packages are missing: ${missing[*]}" >&2
        echo "Install them as root, then run this again:" >&2
        echo "  apt-get install --no-install-recommends ${missing[*]}" >&2
        exit 1
    fi
    sudo=(sudo)
fi
echo "Installing: ${missing[*]}"
"${sudo[@]}" apt-get update -q
DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
