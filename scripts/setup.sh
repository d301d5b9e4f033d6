#!/usr/bin/env bash
# Installs every Debian package that building, testing and running Quendle
# need. Run as root on Debian 12.
set -euo pipefail

packages=(
  # build
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libcanberra-dev libxcb1-dev
  # run: the alert sound and its theme, the D-Bus session
  libcanberra0 sound-theme-freedesktop dbus dbus-x11 fonts-dejavu-core
  # tests, benchmarks, fuzzing and the format check
  libbenchmark-dev clang libclang-rt-14-dev clang-format
  xvfb xauth openbox xdotool wmctrl x11-utils imagemagick
  # the desktop entry's and metainfo's validators; file for CPack's dpkg-shlibdeps
  desktop-file-utils appstream file
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "setup: installing ${#missing[@]} Debian packages and what they need (minutes on a fresh machine): ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
