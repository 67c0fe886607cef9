#!/usr/bin/env bash
# Runs a test program on a virtual X server (Xvfb) with a real window manager
# (openbox), the way a user's desktop runs VorvanCalc. Exits 77 (skipped) when
# either cannot start here.
set -uo pipefail
skip() { echo "SKIP: $*"; exit 77; }
command -v Xvfb >/dev/null || skip "Xvfb is not installed"
command -v openbox >/dev/null || skip "openbox is not installed"

scratch=$(mktemp -d)
cleanup() {
    [ -n "${wm:-}" ] && kill "$wm" 2>/dev/null
    [ -n "${xvfb:-}" ] && kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$scratch"
}
trap cleanup EXIT

# Xvfb picks a free display and writes its number to the given descriptor.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$scratch/display" 2>"$scratch/xvfb.log" &
xvfb=$!
for _ in $(seq 100); do [ -s "$scratch/display" ] && break; sleep 0.05; done
[ -s "$scratch/display" ] || { cat "$scratch/xvfb.log"; skip "Xvfb did not start"; }
export DISPLAY=":$(cat "$scratch/display")"

# openbox with its own empty configuration home, so no user's settings apply.
XDG_CONFIG_HOME=$scratch HOME=$scratch openbox --sm-disable >"$scratch/openbox.log" 2>&1 &
wm=$!

unset WAYLAND_DISPLAY
export QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR=$scratch
"$@"
