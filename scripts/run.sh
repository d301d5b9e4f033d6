#!/usr/bin/env bash
# Sets a Debian 12 or 13 machine up to build and run Quendle, builds it and starts
# it in the desktop session it is run from, as the user who runs this.
set -euo pipefail
cd "$(dirname "$0")/.."
# Without a display the program cannot open its window; say so before the
# set-up and the build rather than after them.
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "run.sh: Quendle needs a graphical session (neither DISPLAY nor WAYLAND_DISPLAY is set): run this from a desktop, or without one on a virtual screen: install xvfb (sudo apt-get install xvfb), then xvfb-run -a bash scripts/run.sh" >&2
  exit 1
fi
# The program alone: its pictures and icons come with it, the tests and the
# benchmarks are left for the test command.
bash scripts/build.sh build --target quendle
exec build/bin/quendle
