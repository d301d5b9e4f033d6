#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine (as root), builds Quendle and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
# The program alone: its pictures and icons come with it, the tests and the
# benchmarks are left for the test command.
bash scripts/build.sh build --target quendle
exec build/bin/quendle
