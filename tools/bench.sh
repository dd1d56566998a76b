#!/usr/bin/env bash
# Builds the benchmarks in Release (in build-bench) and runs them; each figure is a ratio against
# a floor measured in the same run on the same machine (see bench/ and the README).
#   tools/bench.sh [FOLDER]   FOLDER: where generating is timed, in a folder of its own made there
#                             and removed after (default: the system's temporary folder; give a
#                             card's folder to time the card)
# Runs headless unless QT_QPA_PLATFORM says otherwise (xcb under a desktop or xvfb-run).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
"$root/tools/install-deps.sh"

build="$root/build-bench"
benches=(trailcam-startup-bench trailcam-growth-bench trailcam-generate-bench trailcam-card
    trailcam-slow-sync trailcam-check-costs)
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRAILCAM_TESTS=ON \
    -DTRAILCAM_SANITIZE=OFF -DTRAILCAM_FUZZ=OFF >/dev/null
cmake --build "$build" --target "${benches[@]}" >/dev/null

export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
# A desktop session has a runtime folder; without one the toolkit warns at every start, and the
# warning would be timed with the rest.
if [ -z "${XDG_RUNTIME_DIR:-}" ]; then
    XDG_RUNTIME_DIR=$(mktemp -d)
    export XDG_RUNTIME_DIR
    trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
fi
echo "== start-up and memory"
"$build/bench/trailcam-startup-bench"
echo
echo "== growth while forms open and close"
"$build/bench/trailcam-growth-bench"
echo
echo "== generating a file"
"$build/bench/trailcam-generate-bench" ${1:+"$1"}
echo
echo "== generating a file on a FAT file system in user space"
"$root/bench/fat_card.sh" "$build/bench/trailcam-generate-bench"
echo
echo "== what each check of a write adds to a safe write"
"$build/bench/trailcam-check-costs" ${1:+"$1"}
echo
echo "== the same on a FAT file system in user space"
"$root/bench/fat_card.sh" "$build/bench/trailcam-check-costs" 60
echo
echo "== trailcam-card onto several slow cards at once"
"$root/bench/many_cards.sh" "$build/src/trailcam-card" "$build/bench/libtrailcam-slow-sync.so"
