#!/usr/bin/env bash
# Looks at trailcam-setup as a screen reader (Orca) does, over AT-SPI on a virtual screen with a
# window manager: it opens the window menu of the main window and of the Camera Setup form by a
# click on the title band's icon (the window manager keeps Alt+Space for its own menu) and fails
# unless the accessibility tree then holds the menu with its items by name.
#   tools/screen-reader-check.sh [PROGRAM]
# PROGRAM defaults to the one tools/run.sh builds.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

"$root/tools/install-deps.sh" openbox x11-utils xdotool dbus-daemon at-spi2-core python3-pyatspi
source "$root/tools/desktop-session.sh"
desktop_program "${1:-}"
program=$(realpath "$program")
start_desktop

cat >"$work/check.py" <<'EOF'
import subprocess, sys, time
import pyatspi

program = sys.argv[1]
failures = []


def nodes(accessible, depth=0):
    if accessible is None or depth > 40:
        return
    yield accessible
    for i in range(accessible.childCount):
        yield from nodes(accessible.getChildAtIndex(i), depth + 1)


def application():
    for _ in range(100):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == "trailcam-setup":
                return app
        time.sleep(0.1)
    raise SystemExit("FAIL: trailcam-setup does not appear over AT-SPI")


def wait_for(find, what):
    for _ in range(50):
        found = find()
        if found is not None:
            return found
        time.sleep(0.1)
    failures.append(what)
    return None


def menu_items():
    for node in nodes(application()):
        if node.getRole() in (pyatspi.ROLE_POPUP_MENU, pyatspi.ROLE_MENU) and \
                node.getState().contains(pyatspi.STATE_SHOWING):
            return [child.name for child in node if child is not None and
                    child.getRole() == pyatspi.ROLE_MENU_ITEM]
    return None


def click_icon():
    window = subprocess.run(["xdotool", "getactivewindow"], check=True, capture_output=True,
                            text=True).stdout.strip()
    geometry = dict(line.split("=") for line in subprocess.run(
        ["xdotool", "getwindowgeometry", "--shell", window], check=True, capture_output=True,
        text=True).stdout.split())
    subprocess.run(["xdotool", "mousemove", "--sync", str(int(geometry["X"]) + 10),
                    str(int(geometry["Y"]) + 10), "click", "1"], check=True)


def check_window_menu(window, expected):
    click_icon()
    items = wait_for(menu_items, f"{window}: no window menu in the accessibility tree")
    if items is not None:
        for name in expected:
            if name not in items:
                failures.append(f"{window}: the window menu has no item \"{name}\": {items}")
        print(f"{window}: window menu with {items}")
    subprocess.run(["xdotool", "key", "Escape"], check=True)
    wait_for(lambda: True if menu_items() is None else None,
             f"{window}: the window menu stays in the tree after Escape")


def press(name):
    for node in nodes(application()):
        if node.getRole() == pyatspi.ROLE_PUSH_BUTTON and node.name == name:
            node.queryAction().doAction(0)
            return
    failures.append(f"no button \"{name}\"")


standard = ["Restore", "Minimize", "Maximize", "Close"]
process = subprocess.Popen([program])
try:
    application()
    time.sleep(1)
    check_window_menu("main window", standard)
    press("Camera Setup")
    time.sleep(1)
    check_window_menu("Camera Setup", standard + ["Load from card"])
finally:
    process.terminate()
    process.wait()

for failure in failures:
    print("FAIL:", failure, file=sys.stderr)
sys.exit(1 if failures else 0)
EOF

# Qt speaks AT-SPI when the desktop's accessibility bus is there.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0
dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately >/dev/null 2>&1 &
    sleep 1
    /usr/bin/python3 "$1" "$2"
' check "$work/check.py" "$program"
