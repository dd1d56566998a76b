#!/usr/bin/env bash
# How qt-6.4.2-mingw64.tar.xz beside this file was made: Qt 6.4.2 (Core, Gui, Widgets, Test, the
# windows and offscreen platform plugins, the Windows styles) cross-built for 64-bit Windows with
# MinGW-w64 from Debian 12's own qt6-base source package, using the host Qt 6.4.2 of Debian for moc,
# rcc and uic. About 1,100 build steps: some 40 minutes on two cores.
#   build-qt-mingw64.sh PREFIX [WORKDIR]     installs into PREFIX (then tar it up if you like)
# Needs, as root: apt-get install g++-mingw-w64-x86-64-posix gcc-mingw-w64-x86-64-posix
#   mingw-w64-tools qt6-base-dev qt6-base-dev-tools cmake ninja-build xz-utils
set -euo pipefail
prefix=$1; work=${2:-$(mktemp -d)}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
toolchain="$here/../../cmake/windows/mingw64-toolchain.cmake"
mkdir -p "$work/lists/partial"
cat > "$work/src.sources" <<SRC
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
apt_src=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$work" -o Dir::State::Lists="$work/lists")
apt-get "${apt_src[@]}" update
(cd "$work" && apt-get "${apt_src[@]}" source --download-only qt6-base=6.4.2+dfsg-10)
tar -C "$work" -xJf "$work"/qt6-base_6.4.2+dfsg.orig.tar.xz
# The Debian source lacks the Wintab headers, so tablet events are off.
cmake -S "$work/qtbase-everywhere-src-6.4.2" -B "$work/build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DQT_HOST_PATH=/usr \
  -DQT_HOST_PATH_CMAKE_DIR=/usr/lib/x86_64-linux-gnu/cmake \
  -DCMAKE_INSTALL_PREFIX="$prefix" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
  -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF -DFEATURE_opengl=OFF -DINPUT_opengl=no \
  -DFEATURE_vulkan=OFF -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF \
  -DFEATURE_testlib=ON -DFEATURE_widgets=ON -DFEATURE_gui=ON -DFEATURE_tabletevent=OFF \
  -DFEATURE_system_zlib=OFF -DFEATURE_system_pcre2=OFF -DFEATURE_system_harfbuzz=OFF \
  -DFEATURE_system_freetype=OFF -DFEATURE_system_jpeg=OFF -DFEATURE_jpeg=OFF \
  -DFEATURE_pkg_config=OFF -DFEATURE_icu=OFF -DFEATURE_directwrite3=OFF
cmake --build "$work/build" --parallel
cmake --install "$work/build"
