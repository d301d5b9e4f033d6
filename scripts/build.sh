#!/usr/bin/env bash
# Sets the machine up to build (scripts/setup.sh build), then configures
# and builds into the folder given (default: build):
#   scripts/build.sh [FOLDER] [--target NAME]... [-DNAME=VALUE]...
# Everything, or with --target only that target and what it needs; the
# other arguments go to the configuration.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build}
shift || true
configure=()
targets=()
while [ $# -gt 0 ]; do
  if [ "$1" = --target ]; then
    [ $# -ge 2 ] || { echo "build.sh: --target needs a target's name" >&2; exit 2; }
    targets+=(--target "$2")
    shift 2
  else
    configure+=("$1")
    shift
  fi
done
bash scripts/setup.sh build
# No build type unless one is given: the project's own default is the one
# a plain configure gets, and so the one tried here.
cmake -S . -B "$dir" -G Ninja "${configure[@]}" >/dev/null
cmake --build "$dir" "${targets[@]}"
