#!/usr/bin/env bash
# Builds the Debian package of trailcam-setup (without the tests) in build-package/ and prints the
# path of the .deb it made; everything else it says goes to standard error.
#   deb=$(tools/package.sh) && sudo apt-get install "$deb"
#   tools/package.sh --clean    the same from an empty build folder
#
# The programs are built with Debian's flags and hardening (dpkg-buildflags, with every hardening
# feature on: -O2, the strong stack protector, _FORTIFY_SOURCE, read-only relocations bound at
# start), without a run path, and stripped. The package is reproducible: every time stamp in it
# is the commit's (SOURCE_DATE_EPOCH), so two builds of one commit give the same bytes.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-package"
{
    # dpkg-shlibdeps (dpkg-dev) and file compute the package's dependencies.
    "$root/tools/install-deps.sh" dpkg-dev file
    if [ "${1:-}" = "--clean" ]; then
        rm -rf "$build"
    fi
    if [ -z "${SOURCE_DATE_EPOCH:-}" ]; then
        SOURCE_DATE_EPOCH=$(git -C "$root" log -1 --format=%ct 2>/dev/null || date +%s)
    fi
    export SOURCE_DATE_EPOCH
    export DEB_BUILD_MAINT_OPTIONS=hardening=+all
    # dpkg-buildflags maps the folder it runs in to "." in the debugging data.
    cd "$root"
    cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
    ldflags=$(dpkg-buildflags --get LDFLAGS)
    # The build type gives only NDEBUG; the optimisation is Debian's.
    cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRAILCAM_TESTS=OFF \
        -DTRAILCAM_SANITIZE=OFF -DCMAKE_INSTALL_PREFIX=/usr \
        -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_CXX_FLAGS_RELEASE=-DNDEBUG \
        -DCMAKE_EXE_LINKER_FLAGS="$ldflags" -DCMAKE_SKIP_INSTALL_RPATH=ON
    rm -f "$build"/*.deb
    cmake --build "$build" --target package
} >&2
debs=("$build"/trailcam-setup_*.deb)
if [ ${#debs[@]} -ne 1 ] || [ ! -f "${debs[0]}" ]; then
    echo "no single package in $build" >&2
    exit 1
fi
echo "${debs[0]}"
