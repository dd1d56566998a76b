#!/usr/bin/env bash
# Installs what is missing, builds trailcam-setup and starts it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRAILCAM_TESTS=OFF
cmake --build "$root/build" --target trailcam-setup
exec "$root/build/src/trailcam-setup"
