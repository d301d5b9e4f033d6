#!/usr/bin/env bash
# Starts the real program under Xvfb with a window manager: the window must
# appear with its icon and its pictures, close when asked, and the process
# must exit with 0.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/xvfb.sh"
exe=${1:-build/bin/quendle}
workdir=$(mktemp -d)
cleanup() { kill "${wm_pid:-}" "${XVFB_PID:-}" 2>/dev/null || true; rm -rf "$workdir"; }
trap cleanup EXIT

start_xvfb 1280x800x24
openbox >/dev/null 2>&1 &
wm_pid=$!
sleep 0.5

# A private home, so the smoke test neither reads nor writes the user's settings.
HOME=$workdir XDG_CONFIG_HOME=$workdir/config QT_QPA_PLATFORM=xcb "$exe" &
app_pid=$!
found=
for _ in $(seq 100); do
  if xdotool search --onlyvisible --name '^Quendle$' >/dev/null 2>&1; then found=1; break; fi
  sleep 0.1
done
if [ -z "$found" ]; then
  echo "smoke: the Quendle window did not appear" >&2
  kill "$app_pid" 2>/dev/null || true
  exit 1
fi
sleep 1

# The window carries the application icon, and the display shows the paused
# state icon, a blue disc in its top-left corner and the only blue on a fresh
# display: the program found its icons and its pictures.
wid=$(xdotool search --onlyvisible --name '^Quendle$' | head -n 1)
# _NET_WM_ICON holds width, height and ARGB pixels of each size. Qt gives
# every window a grey stand-in, so look for the stopwatch's red sector.
red=$(xprop -id "$wid" -f _NET_WM_ICON 32c '=$0+\n' _NET_WM_ICON | tr ',' '\n' |
  awk '{ a = int($1 / 16777216); r = int($1 / 65536) % 256; g = int($1 / 256) % 256; b = $1 % 256 }
       a > 200 && r > 180 && g < 100 && b < 100 { n++ } END { print n + 0 }')
if [ "$red" -lt 20 ]; then
  echo "smoke: the Quendle window has no icon" >&2
  kill "$app_pid"
  exit 1
fi
blue=$(import -window "$wid" -crop 64x96+0+0 -depth 8 txt:- |
  awk -F'[(,)]' 'NR > 1 && $5 - $3 > 40 { n++ } END { print n + 0 }')
if [ "$blue" -lt 20 ]; then
  echo "smoke: no state icon on the display ($blue blue pixels): pictures not found" >&2
  kill "$app_pid"
  exit 1
fi

wmctrl -c Quendle
for _ in $(seq 100); do kill -0 "$app_pid" 2>/dev/null || break; sleep 0.1; done
if kill -0 "$app_pid" 2>/dev/null; then
  echo "smoke: Quendle did not quit when its window was closed" >&2
  kill "$app_pid"
  exit 1
fi
code=0
wait "$app_pid" || code=$?
echo "smoke: window appeared with its icon and pictures, closed, exit code $code"
exit "$code"
