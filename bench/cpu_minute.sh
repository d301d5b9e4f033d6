#!/usr/bin/env bash
# Runs the real program under Xvfb for 60 seconds and prints the CPU time it
# spent in that minute and its peak memory.
#
#   bench/cpu_minute.sh [build-dir] [count|paused] [screenshot.png]
#
# "count" (the default) sets one hour in the Set Timer sheet with typed keys
# and starts the count before the minute begins; "paused" measures the
# paused window, which repaints four times a second all the same.
set -eu
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/xvfb.sh"

BUILD=${1:-build}
MODE=${2:-count}
SHOT=${3:-}
SECONDS_MEASURED=${QUENDLE_BENCH_SECONDS:-60}
EXE="$BUILD/bin/quendle"
[ -x "$EXE" ] || { echo "no program at $EXE: build first" >&2; exit 1; }
command -v Xvfb >/dev/null || { echo "Xvfb is not installed" >&2; exit 1; }
command -v xdotool >/dev/null || { echo "xdotool is not installed" >&2; exit 1; }

# A private settings folder, so the user's own settings are neither read
# nor touched.
HOME_DIR=$(mktemp -d)
XVFB_PID=
APP=
WM=
cleanup() {
    [ -n "$APP" ] && kill "$APP" 2>/dev/null || true
    [ -n "$WM" ] && kill "$WM" 2>/dev/null || true
    [ -n "$XVFB_PID" ] && kill "$XVFB_PID" 2>/dev/null || true
    rm -rf "$HOME_DIR"
}
trap cleanup EXIT INT TERM
start_xvfb 1280x800x24

export XDG_CONFIG_HOME="$HOME_DIR/config" XDG_RUNTIME_DIR="$HOME_DIR"
export QT_QPA_PLATFORM=xcb
# A window manager gives the sheet the keyboard focus as a desktop would.
if command -v openbox >/dev/null; then
    openbox >/dev/null 2>&1 &
    WM=$!
    sleep 1
fi
"$EXE" >/dev/null 2>&1 &
APP=$!
WIN=$(xdotool search --sync --onlyvisible --name '^Quendle$' | head -n 1)
sleep 1

if [ "$MODE" = count ]; then
    xdotool windowactivate --sync "$WIN"
    xdotool key ctrl+t
    SHEET=$(xdotool search --sync --onlyvisible --name '^Set Timer$' | head -n 1)
    xdotool windowactivate --sync "$SHEET"
    xdotool type --delay 100 01     # hours, typed over the selected field
    xdotool key Return              # Set
    sleep 1
    xdotool windowactivate --sync "$WIN"
    xdotool key space               # Start
    sleep 1
fi

ticks() { awk '{ print $14 + $15 }' "/proc/$APP/stat"; }
HZ=$(getconf CLK_TCK)
BEFORE=$(ticks)
sleep "$SECONDS_MEASURED"
AFTER=$(ticks)
PEAK=$(awk '/VmHWM/ { print $2 }' "/proc/$APP/status")
[ -n "$SHOT" ] && import -window root "$SHOT" 2>/dev/null || true

echo "mode: $MODE, window 450 x 150, $SECONDS_MEASURED s measured"
echo "cpu: $(( (AFTER - BEFORE) * 1000 / HZ )) ms in $SECONDS_MEASURED s (all threads, user + system)"
echo "cpu since start: $(( AFTER * 1000 / HZ )) ms"
echo "peak memory: $(( PEAK / 1024 )) MiB (VmHWM)"
