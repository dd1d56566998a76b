#!/usr/bin/env bash
# Installs what is missing, builds trailcam-setup and starts it; arguments go to the program.
# The program is built in a folder of its own (build-run), apart from the test build.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/install-deps.sh" --run
build="$root/build-run"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRAILCAM_TESTS=OFF \
    -DTRAILCAM_SANITIZE=OFF
cmake --build "$build" --target trailcam-setup
exec "$build/src/trailcam-setup" "$@"
