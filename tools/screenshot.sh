#!/usr/bin/env bash
# Shows every window of trailcam-setup on a virtual X display and saves a picture of each in
# docs/screenshots (or the folder given), plus one of the whole screen with the program
# running as a user starts it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
out=${1:-$root/docs/screenshots}
"$root/tools/install-deps.sh"
cmake -S "$root" -B "$root/build" -G Ninja >/dev/null
cmake --build "$root/build" --target trailcam-setup trailcam-screenshots
mkdir -p "$out"

xvfb-run -a -s "-screen 0 1024x768x24 -dpi 96" "$root/build/tools/trailcam-screenshots" "$out"

xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" bash -c '
    "$1" & program=$!
    sleep 3
    import -window root "$2"
    kill "$program"
' _ "$root/build/src/trailcam-setup" "$out/desktop.png"
echo "wrote $out/desktop.png"
