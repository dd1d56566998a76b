#!/usr/bin/env bash
# Runs trailcam-setup natively on Wayland, as users of Weston, GNOME or KDE Plasma meet it: Qt's
# wayland platform under Weston, which runs nested on a virtual X screen so that xdotool can drive
# its pointer and keyboard, and ImageMagick can see what it shows. For the main window and each
# form it checks that the whole window is on the screen at the size the layout was drawn for with
# the painted title band at its top; it moves the main window by the band, maximises and restores
# through the painted button and through the window menu, minimises and brings the window back
# with Weston's window switcher, opens the About box, each form and, in Camera Setup, the folder
# browser and a message box, and closes through the painted button and the keyboard. Then it
# starts the program and closes it again many times in a row: every run must end within a few
# seconds with status 0. Any Wayland protocol error in the program's output fails the check.
#   tools/wayland-check.sh [--scale N] [--pictures FOLDER] [--closes N] [PROGRAM]
# --scale N gives Weston's output a scale of N (a whole number), so Qt draws at N device pixels a
# pixel. With --pictures it saves each window as the screen shows it, as wayland-NAME.png (or
# wayland-NAME-N00.png at a scale of N). --closes sets how many starts and closes follow (20).
# PROGRAM defaults to the one tools/run.sh builds. Run as root, Weston and the program run as the
# unprivileged user trailcam-desktop, made if missing: Weston will not run as root.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

scale=1
pictures=""
closes=20
while [ $# -gt 0 ]; do
    case $1 in
    --scale) scale=$2; shift 2 ;;
    --pictures) pictures=$(mkdir -p "$2" && cd "$2" && pwd); shift 2 ;;
    --closes) closes=$2; shift 2 ;;
    *) break ;;
    esac
done

"$root/tools/install-deps.sh" weston qt6-wayland xvfb xauth xdotool x11-utils imagemagick

source "$root/tools/desktop-session.sh"
desktop_program "${1:-}"

# Everything of the session lives in a folder of its own, which the session's user owns.
work=$(mktemp -d)
chmod 755 "$work"
pids=()
program_pid=""
cleanup() {
    local pid
    for pid in $program_pid "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${pids[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT

as_user=()
if [ "$(id -u)" -eq 0 ]; then
    user=trailcam-desktop
    id "$user" >/dev/null 2>&1 ||
        useradd --system --no-create-home --home-dir /nonexistent --shell /usr/sbin/nologin "$user"
    as_user=(setpriv --reuid="$user" --regid="$(id -g "$user")" --init-groups --)
fi
mkdir -p "$work/home" "$work/run"
cp "$program" "$work/trailcam-setup"
chmod 755 "$work/trailcam-setup"
chmod 700 "$work/run"
if [ ${#as_user[@]} -gt 0 ]; then
    chown -R "$user" "$work/home" "$work/run"
fi
# Runs a command as the session's user, with the session's surroundings and nothing of the
# caller's: no X display for the program, so that it cannot fall back to X11. It is only run in the
# background, and the background shell becomes the command, so that $! is the command's own
# process: killing it at the end leaves nothing of the session behind.
session() {
    exec env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME="$work/home" XDG_RUNTIME_DIR="$work/run" \
        XDG_CONFIG_HOME="$work/home/.config" LANG=C.UTF-8 "$@"
}

# A virtual screen of its own, and Weston on it as the only window, filling it but for a strip
# below.
width=$((1024 * scale))
height=$((768 * scale))
display=""
for n in $(seq 130 160); do
    if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
        display=":$n"
        break
    fi
done
[ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }
# The X screen is a strip taller than Weston's window, from which the pointer enters it (below).
Xvfb "$display" -screen 0 "${width}x$((height + 16))x24" -dpi 96 -nolisten tcp \
    >"$work/xvfb.log" 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

cat >"$work/weston.ini" <<'INI'
[core]
idle-time=0
[shell]
background-color=0xff3a6ea5
panel-position=none
locking=false
INI
socket=trailcam-wayland-$$
session "${as_user[@]}" env DISPLAY="$display" weston --backend=x11-backend.so \
    --width=$((width / scale)) --height=$((height / scale)) --scale="$scale" --use-pixman \
    --config="$work/weston.ini" --socket="$socket" >"$work/weston.log" 2>&1 &
pids+=($!)
for _ in $(seq 100); do [ -S "$work/run/$socket" ] && break; sleep 0.1; done
if [ ! -S "$work/run/$socket" ]; then
    cat "$work/weston.log" >&2
    echo "Weston did not start" >&2
    exit 1
fi
sleep 1
# Weston's X11 backend takes pointer input only once the pointer has entered its window, which a
# window mapped under a resting pointer may never be told: so the pointer comes in from outside.
xdotool mousemove $((width / 2)) $((height + 8)) sleep 0.2 mousemove $((width / 2)) $((height / 2))
sleep 0.2

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Starts the program natively on Wayland; its output goes to $log, its process id into $program_pid.
start_program() {
    log=$work/program-$1.log
    session "${as_user[@]}" env WAYLAND_DISPLAY="$socket" QT_QPA_PLATFORM=wayland \
        XDG_SESSION_TYPE=wayland "$work/trailcam-setup" >"$log" 2>&1 &
    program_pid=$!
}

# What the program said about the Wayland connection: a protocol error ends the program.
protocol_errors() {
    grep -Ei 'protocol error|wl_display|xdg_[a-z_]*@[0-9]+|error [0-9]+:|wayland' "$1" || true
}

screen() {
    import -window root "$work/screen.png"
}

# X, Y, WIDTH, HEIGHT of what wears the title band's colour: the skinned window on the screen,
# band, frame bands and all; nothing when none is shown.
skinned_window() {
    screen
    convert "$work/screen.png" -fill black +opaque '#BBC88F' -fill white -opaque '#BBC88F' \
        -bordercolor black -border 1 -trim -format '%X %Y %w %h' info:- 2>/dev/null |
        tr -d '+' | awk '$3 > 1 { print $1 - 1, $2 - 1, $3, $4 }'
}

# How many pixels of the screen show the colour $1.
pixels_of() {
    screen
    convert "$work/screen.png" -fill black +opaque "$1" -fill white -opaque "$1" \
        -format '%[fx:int(mean*w*h+0.5)]' info:-
}

# Waits until the skinned window is W x H (device pixels, within 2), or until none is shown when
# W is 0; then sets x, y, w, h. Fails after ten seconds.
wait_window() {
    local want_w=$1 want_h=$2 what=$3 found
    for _ in $(seq 50); do
        found=$(skinned_window)
        if [ "$want_w" -eq 0 ]; then
            [ -z "$found" ] && return 0
        elif [ -n "$found" ]; then
            read -r x y w h <<<"$found"
            if [ $((w - want_w)) -ge -2 ] && [ $((w - want_w)) -le 2 ] &&
                [ $((h - want_h)) -ge -2 ] && [ $((h - want_h)) -le 2 ]; then
                return 0
            fi
        fi
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.2
    done
    fail "$what: the window is ${found:-not shown}, not ${want_w}x${want_h}"
    return 1
}

# Waits until at least (or, with "gone", fewer than) $2 pixels show the colour $1.
wait_pixels() {
    local colour=$1 count=$2 gone=${3:-}
    for _ in $(seq 50); do
        local now
        now=$(pixels_of "$colour")
        if [ -z "$gone" ] && [ "$now" -ge "$count" ]; then return 0; fi
        if [ -n "$gone" ] && [ "$now" -lt "$count" ]; then return 0; fi
        sleep 0.2
    done
    return 1
}

park_pointer() {
    xdotool mousemove $((width - 2)) $((height - 2))
}

# Clicks at a point given in pixels of the layout from the skinned window's top-left corner. The
# button is held for a moment, as a hand holds it: Weston opens a popup menu (the window menu, a
# list's items) only while the press that asked for it is the latest input.
click_in() {
    local at_x=$((x + $1 * scale)) at_y=$((y + $2 * scale))
    xdotool mousemove "$at_x" $((at_y + 1)) sleep 0.1 mousemove "$at_x" "$at_y" sleep 0.1 \
        mousedown 1 sleep 0.15 mouseup 1
}

key() {
    xdotool key "$@"
    sleep 0.3
}

# Opens the window menu, by Alt+Space (held, as for a click) or by a click on the band's icon, and
# waits until it is shown: a good part of the screen changes.
open_window_menu() {
    local changed
    screen
    cp "$work/screen.png" "$work/before-menu.png"
    if [ "$2" = keyboard ]; then
        xdotool keydown alt keydown space sleep 0.15 keyup space keyup alt
    else
        click_in 10 10
    fi
    for _ in $(seq 50); do
        screen
        changed=$(compare -metric AE "$work/before-menu.png" "$work/screen.png" null: 2>&1 || true)
        [ "${changed%%.*}" -ge $((10000 * scale * scale)) ] 2>/dev/null && return 0
        sleep 0.2
    done
    fail "$1: the window menu did not open"
    return 1
}

# The window as the screen shows it, when pictures are asked for.
picture() {
    [ -n "$pictures" ] || return 0
    local name=wayland-$1
    [ "$scale" -eq 1 ] || name=$name-${scale}00
    park_pointer
    sleep 0.5
    screen
    convert "$work/screen.png" -crop "${w}x${h}+$x+$y" +repage "$pictures/$name.png"
    echo "wrote $pictures/$name.png"
}

# The skinned window is on the screen at its drawn size, with the painted band at its top.
check_skinned() {
    local name=$1 drawn_w=$(($2 * scale)) drawn_h=$(($3 * scale))
    wait_window "$drawn_w" "$drawn_h" "$name" || return 0
    if [ "$x" -lt 0 ] || [ "$y" -lt 0 ] || [ $((x + w)) -gt "$width" ] ||
        [ $((y + h)) -gt "$height" ]; then
        fail "$name: ${w}x${h} at $x,$y is not wholly on the ${width}x${height} screen"
    fi
    local band
    band=$(convert "$work/screen.png" -crop "1x1+$((x + w * 3 / 4))+$((y + 2))" -depth 8 txt:- |
        sed -n 's/.*#\([0-9A-F]\{6\}\).*/\1/p')
    [ "$band" = "BBC88F" ] || fail "$name: #$band at the top, not the title band's colour"
    echo "$name: ${w}x${h} at $x,$y"
}

# Maximises and restores the skinned window of the layout size $2 x $3, by the painted middle
# button and by the window menu (Alt+Space, then the item's letter); each time it must fill the
# screen and then come back at its drawn size, where the compositor put it back.
maximise_and_restore() {
    local name=$1 drawn_w=$(($2 * scale)) drawn_h=$(($3 * scale)) way
    for way in button menu; do
        if [ $way = button ]; then
            click_in $(($2 - 31)) 10
        else
            open_window_menu "$name" keyboard || return 0
            key x
        fi
        wait_window "$width" "$height" "$name maximised by the $way" || return 0
        if [ $way = button ]; then
            click_in $((w / scale - 31)) 10
        else
            open_window_menu "$name" keyboard || return 0
            key r
        fi
        wait_window "$drawn_w" "$drawn_h" "$name restored by the $way" || return 0
        echo "$name: maximised and restored by the $way"
    done
}

# Minimises by the painted button and brings the window back with Weston's window switcher.
minimise_and_back() {
    local name=$1 drawn_w=$(($2 * scale)) drawn_h=$(($3 * scale))
    click_in $(($2 - 50)) 10
    wait_window 0 0 "$name minimised" || return 0
    xdotool keydown super sleep 0.2 key Tab sleep 0.3 keyup super
    wait_window "$drawn_w" "$drawn_h" "$name back from the switcher" || return 0
    echo "$name: minimised and back"
}

# A window of the platform's own (message box, folder browser) shows Qt's window colour.
platform_window_opened() {
    wait_pixels '#EFEFEF' 20000 || { fail "$1 did not open"; return 1; }
}
platform_window_closed() {
    wait_pixels '#EFEFEF' 20000 gone || fail "$1 did not close"
}

start_program main
check_skinned "main window" 550 403
picture main-window
read -r x0 y0 _ _ <<<"$x $y $w $h"
drag_x=$((x + w / 2))
drag_y=$((y + 10 * scale))
xdotool mousemove "$drag_x" "$drag_y" sleep 0.1 mousedown 1 sleep 0.1 \
    mousemove $((drag_x + 20)) $((drag_y + 10)) sleep 0.1 \
    mousemove $((drag_x + 40)) $((drag_y + 30)) sleep 0.1 mouseup 1
if wait_window $((550 * scale)) $((403 * scale)) "main window dragged"; then
    if [ "$x" -eq $((x0 + 40)) ] && [ "$y" -eq $((y0 + 30)) ]; then
        echo "main window: dragged by its band from $x0,$y0 to $x,$y"
    else
        fail "main window: dragged by 40,30 from $x0,$y0 it stands at $x,$y"
    fi
fi
maximise_and_restore "main window" 550 403
minimise_and_back "main window" 550 403

# The About box, from the window menu behind the icon: a light-blue face in Qt's own frame.
open_window_menu "main window" icon && key Up Return
if wait_pixels '#A6CAF0' 10000; then
    echo "About box: shown"
    key Return
    wait_pixels '#A6CAF0' 10000 gone || fail "Return did not close the About box"
else
    fail "the window menu did not open the About box"
fi

# Each form from its button on the main window, the model chosen in the list with the keyboard.
check_form() {
    local title=$1 picture_name=$2 steps=$3 button_x=$4 button_y=$5 drawn_w=$6 drawn_h=$7
    check_skinned "main window" 550 403 || return 0
    click_in 271 114
    sleep 0.5
    key Home
    for _ in $(seq "$steps"); do key Down; done
    key Return
    click_in "$button_x" "$button_y"
    check_skinned "$title" "$drawn_w" "$drawn_h"
    picture "$picture_name"
    maximise_and_restore "$title" "$drawn_w" "$drawn_h"
    if [ "$title" = "Camera Setup" ]; then
        minimise_and_back "$title" "$drawn_w" "$drawn_h"
        # "Select" opens the folder browser, which Escape cancels; "Generate" into the root
        # folder, where the user may not write, says so in a message box, which Return closes.
        click_in 72 511
        if platform_window_opened "the folder browser"; then
            echo "$title: the folder browser opened"
            key Escape
            platform_window_closed "the folder browser"
        fi
        click_in 163 541
        if platform_window_opened "the message box"; then
            echo "$title: a message box opened"
            key Return
            platform_window_closed "the message box"
        fi
        click_in $((drawn_w - 12)) 10
    else
        key alt+F4
    fi
    check_skinned "main window" 550 403 >/dev/null &&
        echo "$title: closed, the main window is back"
}

check_form "Camera Setup" camera-setup 0 151 212 517 564
check_form "MMS Setup" mms-setup 1 394 214 946 413
check_form "Smtp Setup" smtp-setup 2 152 317 948 411

# Whether the program ends within $1 seconds with status 0; if not, $outcome says how it fared.
ends_within() {
    local seconds=$1 status=0
    for _ in $(seq $((seconds * 10))); do
        kill -0 "$program_pid" 2>/dev/null || break
        sleep 0.1
    done
    if kill -0 "$program_pid" 2>/dev/null; then
        kill -9 "$program_pid"
        wait "$program_pid" 2>/dev/null || true
        outcome="still running ${seconds} seconds after its window was closed"
        return 1
    fi
    wait "$program_pid" 2>/dev/null || status=$?
    outcome="ended with status $status"
    [ "$status" -eq 0 ]
}

# The main window's close button ends the program.
check_skinned "main window" 550 403 >/dev/null && click_in $((550 - 12)) 10
if ends_within 5; then
    echo "main window: its close button ended the program"
else
    fail "main window: $outcome"
fi
errors=$(protocol_errors "$log")
[ -z "$errors" ] || fail "the program's output: $errors"

# Closed on Wayland, the program ends, every time.
hung=0
for run in $(seq "$closes"); do
    start_program "close-$run"
    wait_window $((550 * scale)) $((403 * scale)) "start $run" || { hung=$((hung + 1)); continue; }
    click_in $((550 - 12)) 10
    if ! ends_within 5; then
        fail "close $run: $outcome"
        hung=$((hung + 1))
    fi
    errors=$(protocol_errors "$log")
    [ -z "$errors" ] || fail "close $run, the program's output: $errors"
done
echo "closed $closes times: $((closes - hung)) ended within 5 seconds with status 0"

if [ "$failures" -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "Wayland check passed (Weston $(weston --version 2>&1 | awk '{print $2}'), scale $scale)"
