#!/usr/bin/env bash
# Runs a test program on a virtual X server (Xvfb) under a real window manager,
# the way a user's desktop runs VorvanCalc:
#
#   run-under-wm.sh WM PROGRAM [ARGS...]
#
# WM is one of openbox, xfwm4, metacity, mutter, kwin, icewm, fluxbox, or
# weston (the program then runs on weston's XWayland, weston itself on Xvfb),
# or wayland (the program a native Wayland client of a headless weston).
# Exits 77 (skipped) when the window manager or Xvfb is not installed, or
# cannot start here; the test program reads VORVAN_DESKTOP_WM to know which.
set -uo pipefail
skip() { echo "SKIP: $*"; exit 77; }
wmName=${1:?window manager}
shift

# The window manager's program, and the font it sets titles in by default
# (family, points, weight), for the test's check that titles fit.
case $wmName in
openbox) need=openbox title="Sans,8,bold" ;;
xfwm4) need=xfwm4 title="Sans,9,bold" ;;
metacity) need=metacity title="Cantarell,11,bold" ;;
mutter) need=mutter title="Cantarell,11,bold" ;;
kwin) need=kwin_x11 title="Noto Sans,10,normal" ;;
icewm) need=icewm title="DejaVu Sans,12,normal" ;;
fluxbox) need=fluxbox title="Sans,8,normal" ;;
weston) need="weston Xwayland" title="" ;;
wayland) need=weston title="" ;;
*)
    echo "unknown window manager $wmName"
    exit 2
    ;;
esac
[ "$wmName" = wayland ] || command -v Xvfb >/dev/null || skip "Xvfb is not installed"
for c in $need; do command -v "$c" >/dev/null || skip "$c is not installed"; done
# KWin draws no frames without its Breeze decoration.
if [ "$wmName" = kwin ] && ! ls /usr/lib/*/qt*/plugins/org.kde.kdecoration*/*breeze* >/dev/null 2>&1; then
    skip "kwin-style-breeze is not installed"
fi

scratch=$(mktemp -d)
chmod 700 "$scratch"
cleanup() {
    # The window manager ends first, while its X server still runs: KWin that
    # loses its server restarts itself, onto whatever server next takes the
    # display's number. Some (fluxbox) stay on a TERM signal and are killed.
    if [ -n "${wm:-}" ]; then
        kill "$wm" 2>/dev/null
        for _ in $(seq 20); do kill -0 "$wm" 2>/dev/null || break; sleep 0.05; done
        kill -KILL "$wm" 2>/dev/null
    fi
    [ -n "${bus:-}" ] && kill "$bus" 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

# Every window manager with its own empty home, so no user's settings apply.
export HOME=$scratch XDG_CONFIG_HOME=$scratch/config XDG_RUNTIME_DIR=$scratch
mkdir -p "$XDG_CONFIG_HOME"
unset WAYLAND_DISPLAY

# No X server at all: weston draws into memory, and the program talks Wayland.
if [ "$wmName" = wayland ]; then
    log=$scratch/wm.log
    weston --backend=headless-backend.so --width=1280 --height=1024 --idle-time=0 --socket=vorvan-test \
        >"$log" 2>&1 &
    wm=$!
    for _ in $(seq 100); do [ -S "$scratch/vorvan-test" ] && break; sleep 0.05; done
    [ -S "$scratch/vorvan-test" ] || { tail -5 "$log"; skip "weston did not start here"; }
    unset DISPLAY
    export WAYLAND_DISPLAY=vorvan-test QT_QPA_PLATFORM=wayland VORVAN_DESKTOP_WM=wayland
    "$@"
    status=$?
    [ $status -ne 0 ] && [ $status -ne 77 ] && { echo "--- weston log"; tail -20 "$log"; }
    exit $status
fi

# Xvfb picks a free display and writes its number to the given descriptor.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.05; done
[ -s "$scratch/display" ] || { cat "$scratch/xvfb.log"; skip "Xvfb did not start"; }
export DISPLAY=":$(cat "$scratch/display")"
# mutter and KWin talk to a session bus, and what the bus starts for them
# needs the display: each run gets its own bus.
if command -v dbus-daemon >/dev/null; then
    dbus-daemon --session --nofork --print-address=4 4>"$scratch/bus" 2>/dev/null &
    bus=$!
    for _ in $(seq 100); do [ -s "$scratch/bus" ] && break; sleep 0.05; done
    DBUS_SESSION_BUS_ADDRESS=$(head -1 "$scratch/bus")
    export DBUS_SESSION_BUS_ADDRESS
fi
log=$scratch/wm.log
start() {
    case $wmName in
    openbox) openbox --sm-disable >"$log" 2>&1 & ;;
    xfwm4) xfwm4 --compositor=off --sm-client-disable >"$log" 2>&1 & ;;
    metacity) metacity --no-composite --sm-disable >"$log" 2>&1 & ;;
    mutter) mutter --x11 --sm-disable >"$log" 2>&1 & ;;
    # Without compositing (no OpenGL here), and without KDE's crash handler,
    # which would start it again.
    kwin) KDE_DEBUG=1 KWIN_COMPOSE=N QT_QPA_PLATFORM=xcb kwin_x11 >"$log" 2>&1 & ;;
    icewm) icewm >"$log" 2>&1 & ;;
    fluxbox)
        # No desktop background: setting one pops up a message box here.
        mkdir -p "$HOME/.fluxbox"
        echo "background: none" >"$HOME/.fluxbox/overlay"
        fluxbox >"$log" 2>&1 &
        ;;
    weston)
        # No animations: a closed window fading out would still show in pictures of the screen.
        printf '[shell]\nanimation=none\nclose-animation=none\nstartup-animation=none\n' >"$XDG_CONFIG_HOME/weston.ini"
        weston --backend=x11-backend.so --use-pixman --width=1280 --height=1024 --xwayland --idle-time=0 \
            --socket=vorvan-test >"$log" 2>&1 &
        ;;
    esac
    wm=$!
    sleep 0.3
    kill -0 "$wm" 2>/dev/null
}
# Now and then a window manager ends at once on a loaded machine: once more then.
if ! start; then
    echo "$wmName ended at once, starting it again:"
    tail -5 "$log"
    start || { tail -5 "$log"; skip "$wmName did not start here"; }
fi

if [ "$wmName" = weston ]; then
    # The program runs on weston's X server, which weston starts on the first
    # X client and names in its log.
    for _ in $(seq 100); do grep -q 'xserver listening on display' "$log" && break; sleep 0.05; done
    xdisplay=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$log" | tail -1)
    [ -n "$xdisplay" ] || { cat "$log"; skip "weston started no X server"; }
    export VORVAN_DESKTOP_SCREEN=$DISPLAY DISPLAY=$xdisplay
fi

export QT_QPA_PLATFORM=xcb VORVAN_DESKTOP_WM=$wmName VORVAN_DESKTOP_TITLE_FONT=$title
"$@"
status=$?
[ $status -ne 0 ] && [ $status -ne 77 ] && { echo "--- $wmName log"; tail -20 "$log"; }
exit $status
