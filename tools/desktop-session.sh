# Sourced by the scripts that run trailcam-setup on a desktop of their own.
#   desktop_program [PROGRAM]  sets $program: PROGRAM, else the one tools/run.sh builds
#   start_desktop [WxH]        a 1024 x 768 screen (or W x H) at 96 dpi with openbox on it, a
#                              scratch folder $work as the user's home, all ended and removed
#                              at exit
desktop_program() {
    program=${1:-}
    if [ -z "$program" ]; then
        local build="$root/build-run"
        cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DTRAILCAM_TESTS=OFF \
            -DTRAILCAM_SANITIZE=OFF >/dev/null
        cmake --build "$build" --target trailcam-setup >/dev/null
        program="$build/src/trailcam-setup"
    fi
}

start_desktop() {
    # A display of our own, whatever else runs.
    display=""
    local n
    for n in $(seq 90 120); do
        if [ ! -e "/tmp/.X11-unix/X$n" ] && [ ! -e "/tmp/.X$n-lock" ]; then
            display=":$n"
            break
        fi
    done
    [ -n "$display" ] || { echo "no free X display number" >&2; exit 1; }

    work=$(mktemp -d)
    pids=()
    trap desktop_cleanup EXIT

    Xvfb "$display" -screen 0 "${1:-1024x768}x24" -dpi 96 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    export DISPLAY=$display
    for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
    # The user's own settings stay out of it: no localisation file, no other configuration.
    export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_RUNTIME_DIR="$work/run"
    mkdir -p "$HOME" "$XDG_RUNTIME_DIR"
    chmod 700 "$XDG_RUNTIME_DIR"
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    # A loaded machine may take seconds; without a window manager nothing after means anything.
    for _ in $(seq 200); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    cat "$work/openbox.log" >&2
    echo "openbox did not start within 20 seconds" >&2
    exit 1
}

desktop_cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
