#!/usr/bin/env bash
# Shows every window of trailcam-setup as users see it, on a 1024 x 768 desktop with a window
# manager, and saves a picture of each in docs/screenshots (or the folder given): NAME.png, the
# window, and desktop-NAME.png, the whole screen with it. The pictures are taken by the desktop
# check, which also holds each window to its drawn size.
#   tools/screenshot.sh [--language LL] [FOLDER]
# With --language the program speaks the language LL (de, zh_CN ...) and only the windows are
# kept, as NAME-LL.png.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
language=()
if [ "${1:-}" = "--language" ]; then
    language=(--language "$2")
    shift 2
fi
exec "$root/tools/desktop-check.sh" --pictures "${1:-$root/docs/screenshots}" "${language[@]}"
