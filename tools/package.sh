#!/usr/bin/env bash
# Builds the Debian package of trailcam-setup (Release, without the tests) in build-package/
# and prints the path of the .deb it made; everything else it says goes to standard error.
#   deb=$(tools/package.sh) && sudo apt-get install "$deb"
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-package"
{
    # dpkg-shlibdeps (dpkg-dev) and file compute the package's dependencies.
    "$root/tools/install-deps.sh" dpkg-dev file
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRAILCAM_TESTS=OFF \
        -DCMAKE_INSTALL_PREFIX=/usr
    rm -f "$build"/*.deb
    cmake --build "$build" --target package
} >&2
debs=("$build"/trailcam-setup_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "no single package in $build" >&2
    exit 1
fi
echo "${debs[0]}"
