#!/usr/bin/env bash
# Measures the real program and a plain toolkit window (plain_clock) side by
# side in one run under Xvfb, with openbox and a private session bus, both
# counting down an hour: CPU at 450 x 150 and full screen, peak memory at
# both sizes, and the time from start to the first frame with digits.
#
#   bench/side_by_side.sh [build-dir]
#
# QUENDLE_BENCH_SMALL and QUENDLE_BENCH_FULL set the seconds measured at
# each size (30 and 10), QUENDLE_BENCH_STARTS the start-ups timed (15).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../scripts/xvfb.sh"

BUILD=$(cd "${1:-build}" && pwd)
SMALL_SECONDS=${QUENDLE_BENCH_SMALL:-30}
FULL_SECONDS=${QUENDLE_BENCH_FULL:-10}
STARTS=${QUENDLE_BENCH_STARTS:-15}
QUENDLE="$BUILD/bin/quendle"
PLAIN="$BUILD/bin/plain_clock"
PROBE="$BUILD/bench/libfirst_frame_probe.so"
for f in "$QUENDLE" "$PLAIN" "$PROBE"; do
    [ -e "$f" ] || { echo "no $f: build first" >&2; exit 1; }
done
for tool in Xvfb openbox xdotool dbus-daemon; do
    command -v "$tool" >/dev/null || { echo "$tool is not installed" >&2; exit 1; }
done

WORK=$(mktemp -d)
PIDS=()
APP=
cleanup() {
    [ -n "$APP" ] && kill "$APP" 2>/dev/null || true
    for ((i = ${#PIDS[@]} - 1; i >= 0; i--)); do kill "${PIDS[i]}" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$WORK"
}
trap cleanup EXIT INT TERM

start_xvfb 3840x2160x24
PIDS+=("$XVFB_PID")
export HOME="$WORK/home" XDG_CONFIG_HOME="$WORK/config" XDG_RUNTIME_DIR="$WORK"
mkdir -p "$HOME" "$XDG_CONFIG_HOME"
dbus-daemon --session --nofork --address="unix:path=$WORK/bus" >/dev/null 2>&1 &
PIDS+=($!)
export DBUS_SESSION_BUS_ADDRESS="unix:path=$WORK/bus"
openbox >/dev/null 2>&1 &
PIDS+=($!)
sleep 1
export QT_QPA_PLATFORM=xcb

# CPU of every thread of a process, in nanoseconds.
cpu_ns() { cat /proc/"$1"/task/*/schedstat | awk '{ t += $1 } END { printf "%d", t }'; }
probe() { cat "$WORK/probe" 2>/dev/null || echo "0 0 0"; }

# Starts a program with the probe; APP is its process.
launch() {
    rm -f "$WORK/probe"
    date +%s%N >"$WORK/t0"
    QUENDLE_PROBE_FILE="$WORK/probe" LD_PRELOAD="$PROBE" "$1" >/dev/null 2>&1 &
    APP=$!
}
stop() {
    kill "$APP" 2>/dev/null || true
    wait "$APP" 2>/dev/null || true
    APP=
}
window_of() { xdotool search --sync --onlyvisible --name "$1" | head -n 1; }

# Milliseconds from the launch to the first picture sent to the X server.
first_frame_ms() {
    for _ in $(seq 500); do [ -s "$WORK/probe" ] && break; sleep 0.01; done
    awk -v t0="$(cat "$WORK/t0")" '{ printf "%.1f", ($1 - t0) / 1e6 }' "$WORK/probe"
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Brings a program to a running one-hour count, full screen if asked.
prepare() { # name size
    if [ "$1" = quendle ]; then
        WIN=$(window_of '^Quendle$')
        sleep 0.5
        xdotool windowactivate --sync "$WIN"
        xdotool key ctrl+t
        SHEET=$(window_of '^Set Timer$')
        xdotool windowactivate --sync "$SHEET"
        xdotool type --delay 100 01 # hours, typed over the selected field
        xdotool key Return          # Set
        sleep 0.5
        xdotool windowactivate --sync "$WIN"
        xdotool key space           # Start
    else
        WIN=$(window_of '^Plain clock$')
        sleep 0.5
        xdotool windowactivate --sync "$WIN"
    fi
    [ "$2" = full ] && xdotool key ctrl+f
    sleep 2
}

declare -A CPU MEM REQ PIX START
for size in small full; do
    seconds=$SMALL_SECONDS
    [ "$size" = full ] && seconds=$FULL_SECONDS
    for name in plain quendle; do
        exe=$PLAIN
        [ "$name" = quendle ] && exe=$QUENDLE
        launch "$exe"
        prepare "$name" "$size"
        read -r _ req0 pix0 <<<"$(probe)"
        before=$(cpu_ns "$APP")
        sleep "$seconds"
        after=$(cpu_ns "$APP")
        read -r _ req1 pix1 <<<"$(probe)"
        CPU[$name.$size]=$(( (after - before) / 1000000 ))
        MEM[$name.$size]=$(awk '/VmHWM/ { printf "%.1f", $2 / 1024 }' "/proc/$APP/status")
        REQ[$name.$size]=$((req1 - req0))
        PIX[$name.$size]=$((pix1 - pix0))
        stop
    done
done

for name in plain quendle; do
    exe=$PLAIN
    [ "$name" = quendle ] && exe=$QUENDLE
    launch "$exe"; first_frame_ms >/dev/null; stop # warm the file cache
    for _ in $(seq "$STARTS"); do
        launch "$exe"
        first_frame_ms
        echo
        stop
    done >"$WORK/starts.$name"
    START[$name]=$(median <"$WORK/starts.$name")
done

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { if (b > 0) printf "%.2fx", a / b; else print "-" }'; }
row() { # label plain quendle unit goal
    printf '| %s | %s %s | %s %s (%s) | %s |\n' "$1" "$2" "$4" "$3" "$4" "$(ratio "$3" "$2")" "$5"
}
echo "| counting down, one hour set | plain Qt window | Quendle | goal |"
echo "|---|---|---|---|"
row "450 x 150, CPU per $SMALL_SECONDS s" "${CPU[plain.small]}" "${CPU[quendle.small]}" ms "at most 0.1x"
row "full screen 3840 x 2160, CPU per $FULL_SECONDS s" "${CPU[plain.full]}" "${CPU[quendle.full]}" ms "at most 0.1x"
row "full screen 3840 x 2160, peak memory (VmHWM)" "${MEM[plain.full]}" "${MEM[quendle.full]}" MiB "at most 1.2x"
row "450 x 150, peak memory" "${MEM[plain.small]}" "${MEM[quendle.small]}" MiB "at most 1.1x"
row "start to the first frame with digits (median of $STARTS)" "${START[plain]}" "${START[quendle]}" ms "at most 1.1x"
echo
echo "Drawing sent to the X server while measured (requests, megapixels):"
for size in small full; do
    for name in plain quendle; do
        printf '  %-7s %-5s %6d requests %10.2f Mpx\n' "$name" "$size" "${REQ[$name.$size]}" \
            "$(awk -v p="${PIX[$name.$size]}" 'BEGIN { print p / 1e6 }')"
    done
done
echo "Start-ups (ms): plain $(tr '\n' ' ' <"$WORK/starts.plain"); quendle $(tr '\n' ' ' <"$WORK/starts.quendle")"
