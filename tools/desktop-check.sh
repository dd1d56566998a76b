#!/usr/bin/env bash
# Runs trailcam-setup as a user meets it: on a 1024 x 768 screen at 96 dpi with a window manager
# (openbox), driven by pointer and keyboard. For the main window and each form it checks that the
# window manager adds no frame of its own, that the whole window is on the screen at the size the
# layout was drawn for, and that the painted title band is at its top; it moves, maximises,
# restores, minimises and closes through the painted band and buttons, and checks that the About
# box keeps the window manager's frame.
#   tools/desktop-check.sh [--pictures FOLDER] [--language LL] [--screen WIDTHxHEIGHT]
#                          [--scale PERCENT] [PROGRAM]
# With --pictures it saves each window as the screen shows it (NAME.png) and the whole screen
# with it (desktop-NAME.png). With --language the program speaks the language LL (de, zh_CN ...)
# and the pictures are named NAME-LL.png. --screen sets the screen's size; --scale says at what
# scale PROGRAM draws (a Windows program under Wine told another resolution), so that the windows
# are held to their drawn sizes at that scale. Run as it stands, without them, it goes on to run
# the same program natively on Wayland (tools/wayland-check.sh). PROGRAM defaults to the one
# tools/run.sh builds.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

pictures=""
language=""
screen_size=1024x768
scale=100
while [ $# -gt 0 ]; do
    case $1 in
    --pictures)
        pictures=$2
        mkdir -p "$pictures"
        ;;
    --language) language=$2 ;;
    --screen) screen_size=$2 ;;
    --scale) scale=$2 ;;
    *) break ;;
    esac
    shift 2
done
screen_w=${screen_size%x*}
screen_h=${screen_size#*x}

"$root/tools/install-deps.sh" openbox x11-utils x11-xserver-utils xdotool

source "$root/tools/desktop-session.sh"
desktop_program "${1:-}"
start_desktop "$screen_size"
xsetroot -solid '#3a6ea5'

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# The pattern of a window's title, in the language of the check: the translation of TEXT in
# CONTEXT.
title_pattern() {
    local title=$2
    if [ -n "$language" ]; then
        title=$(python3 - "$root/translations/trailcam_$language.ts" "$1" "$2" <<'PYTHON'
import sys
import xml.etree.ElementTree as ElementTree
path, context, source = sys.argv[1:]
for found in ElementTree.parse(path).getroot().iter("context"):
    if found.findtext("name") == context:
        for message in found.iter("message"):
            if message.findtext("source") == source:
                print(message.findtext("translation") or source)
                sys.exit(0)
print(source)
PYTHON
        )
    fi
    printf '^%s$' "$(sed 's/[][\\.*^$+?(){}|]/\\&/g' <<<"$title")"
}

# The program's visible window whose title matches the pattern, once it is there. The titles are
# compared as UTF-8, whatever the locale of the check.
window_named() {
    local id
    for _ in $(seq 100); do
        for id in $(xdotool search --onlyvisible --pid "$program_pid" 2>/dev/null); do
            if xdotool getwindowname "$id" 2>/dev/null | grep -qE -- "$1"; then
                echo "$id"
                return 0
            fi
        done
        sleep 0.1
    done
    return 1
}

# X, Y, WIDTH, HEIGHT of a window on the screen.
geometry() {
    eval "$(xdotool getwindowgeometry --shell "$1")"
    echo "$X $Y $WIDTH $HEIGHT"
}

pixel() {
    import -window root -crop "1x1+$1+$2" -depth 8 txt:- | sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p'
}

settle() {
    sleep "${1:-0.5}"
}

# Device pixels of a length in pixels of the layout, at the scale the program draws.
px() {
    echo $((($1 * scale + 50) / 100))
}

# Clicks at a point given in pixels of the layout from the window's top-left corner, or, with
# click_from_right, from its top-right corner.
click_in() {
    local x y w h
    read -r x y w h < <(geometry "$1")
    xdotool mousemove --sync $((x + $(px "$2"))) $((y + $(px "$3"))) click 1
}
click_from_right() {
    local x y w h
    read -r x y w h < <(geometry "$1")
    xdotool mousemove --sync $((x + w - $(px "$2"))) $((y + $(px "$3"))) click 1
}

picture() {
    [ -n "$pictures" ] || return 0
    local x y w h name=$2 whole=$pictures/desktop-$2.png
    # In another language only the window is kept.
    if [ -n "$language" ]; then
        name=$2-$language
        whole=$work/desktop.png
    fi
    read -r x y w h < <(geometry "$1")
    import -window root "$whole"
    local extents left right top bottom
    extents=$(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.* = //p' | tr -d ' ')
    IFS=, read -r left right top bottom <<<"${extents:-0,0,0,0}"
    convert "$whole" \
        -crop "$((w + left + right))x$((h + top + bottom))+$((x - left))+$((y - top))" +repage \
        "$pictures/$name.png"
    echo "wrote $pictures/$name.png"
}

# A skinned window: no frame of the window manager's, wholly on the screen at its drawn size
# (given in pixels of the layout), the painted band at its top.
check_skinned() {
    local id=$1 name=$2 want_w want_h
    want_w=$(px "$3")
    want_h=$(px "$4")
    local extents x y w h
    extents=$(xprop -id "$id" _NET_FRAME_EXTENTS | sed -n 's/.* = //p')
    [ "$extents" = "0, 0, 0, 0" ] || fail "$name: the window manager frames it (${extents:-no extents})"
    read -r x y w h < <(geometry "$id")
    if [ "$x" -lt 0 ] || [ "$y" -lt 0 ] || [ $((x + w)) -gt "$screen_w" ] ||
        [ $((y + h)) -gt "$screen_h" ]; then
        fail "$name: ${w}x${h} at $x,$y is not wholly on the ${screen_size} screen"
    fi
    if [ $((w - want_w)) -lt -2 ] || [ $((w - want_w)) -gt 2 ] ||
        [ $((h - want_h)) -lt -2 ] || [ $((h - want_h)) -gt 2 ]; then
        fail "$name: ${w}x${h}, drawn as ${want_w}x${want_h}"
    fi
    local band
    band=$(pixel $((x + w * 3 / 4)) $((y + $(px 2))))
    [ "$band" = "BBC88F" ] || fail "$name: #$band at the top, not the title band's colour"
    echo "$name: ${w}x${h} at $x,$y, frame ${extents}"
}

# Drags from one point to another with the pauses of a hand: Wine asks the window manager to move
# its window a moment after the press, and the move follows only the pointer's later motion.
xdotool_drag() {
    xdotool mousemove --sync "$1" "$2" mousedown 1
    sleep 0.3
    xdotool mousemove --sync $(($1 + 20)) $(($2 + 10))
    sleep 0.2
    xdotool mousemove --sync "$3" "$4"
    sleep 0.2
    xdotool mouseup 1
}

# The program alone runs in the language: "de" as on a German desktop, de_DE.
speaks=()
if [ -n "$language" ]; then
    case $language in
    *_*) locale=$language ;;
    pt) locale=pt_BR ;;
    *) locale=${language}_${language^^} ;;
    esac
    speaks=(env -u LC_ALL -u LC_MESSAGES LANGUAGE="$language" LANG="$locale.UTF-8")
fi
"${speaks[@]}" "$program" >"$work/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

main_title=$(title_pattern MainWindow 'Setup  V2.1')
main=$(window_named "$main_title") || { cat "$work/program.log" >&2; fail "no main window"; exit 1; }
settle 1
check_skinned "$main" "main window" 550 403
picture "$main" main-window

# Moving by the band, maximising and restoring by the painted button, minimising and back.
read -r x y w h < <(geometry "$main")
xdotool_drag $((x + w / 2)) $((y + $(px 10))) $((x + w / 2 + 40)) $((y + $(px 10) + 30))
settle
read -r x2 y2 _ _ < <(geometry "$main")
[ "$x2" -eq $((x + 40)) ] && [ "$y2" -eq $((y + 30)) ] ||
    fail "main window: dragged by 40,30 from $x,$y it stands at $x2,$y2"
click_from_right "$main" 31 10
settle
read -r _ _ mw mh < <(geometry "$main")
[ "$mw" -eq "$screen_w" ] && [ "$mh" -eq "$screen_h" ] ||
    fail "main window: maximised it is ${mw}x${mh}"
click_from_right "$main" 31 10
settle
read -r rx ry rw rh < <(geometry "$main")
[ "$rw" -eq "$w" ] && [ "$rh" -eq "$h" ] && [ "$rx" -eq "$x2" ] && [ "$ry" -eq "$y2" ] ||
    fail "main window: restored it is ${rw}x${rh} at $rx,$ry, not ${w}x${h} at $x2,$y2"
click_from_right "$main" 50 10
settle
xprop -id "$main" WM_STATE | grep -q 'Iconic' || fail "main window: not minimised"
xdotool windowactivate --sync "$main" 2>/dev/null
settle
xprop -id "$main" WM_STATE | grep -q 'Normal' || fail "main window: not restored from the task bar"

# The About box, from the window menu behind the icon.
click_in "$main" 10 10
settle
xdotool key Up Return
if about=$(window_named 'Palvenor'); then
    settle
    extents=$(xprop -id "$about" _NET_FRAME_EXTENTS | sed -n 's/.* = //p')
    [ -n "$extents" ] && [ "$extents" != "0, 0, 0, 0" ] ||
        fail "About box: no frame of the window manager's (${extents:-none})"
    echo "About box: $(geometry "$about" | awk '{print $3 "x" $4}'), frame $extents"
    picture "$about" about-box
    xdotool key Return
    settle
else
    fail "the window menu did not open the About box"
fi

# Each form, opened by its button on the main window: the model is chosen in the list with the
# keyboard, and the form is closed by its painted close button, its Exit button or the keyboard.
open_form() {
    local model_steps=$1 button_x=$2 button_y=$3
    xdotool windowactivate --sync "$main" 2>/dev/null
    click_in "$main" 271 114  # the model list drops down
    settle
    xdotool key Home
    for _ in $(seq "$model_steps"); do xdotool key Down; done
    xdotool key Return
    settle
    click_in "$main" "$button_x" "$button_y"
}

# Checks the form titled $1, opened with the list's item $3 and the button at $4,$5, drawn at
# $6 x $7, and closes it as $8 says: its painted close button or the keyboard.
check_form() {
    local title=$1 picture_name=$2 form context
    case $title in
    "Camera Setup") context=CameraSetup ;;
    "MMS Setup") context=MmsSetup ;;
    *) context=SmtpSetup ;;
    esac
    open_form "$3" "$4" "$5"
    if form=$(window_named "$(title_pattern "$context" "$title")"); then
        settle 1
        check_skinned "$form" "$title" "$6" "$7"
        picture "$form" "$picture_name"
        if [ "$8" = keyboard ]; then
            xdotool key alt+F4
        else
            click_from_right "$form" 12 10
        fi
    else
        fail "$title did not open"
    fi
    main=$(window_named "$main_title") || fail "the main window did not come back"
}

check_form "Camera Setup" camera-setup 0 151 212 517 564 button
check_form "MMS Setup" mms-setup 1 394 214 946 413 keyboard
check_form "Smtp Setup" smtp-setup 2 152 317 948 411 button

# The main window's close button ends the program.
click_from_right "$main" 12 10
for _ in $(seq 50); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
kill -0 "$program_pid" 2>/dev/null && fail "the close button did not end the program"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "desktop check passed"

# The same program natively on Wayland, unless only pictures, another language, screen or scale
# were asked for.
if [ -z "$pictures$language" ] && [ "$screen_size" = 1024x768 ] && [ "$scale" = 100 ]; then
    "$root/tools/wayland-check.sh" "$program"
fi
