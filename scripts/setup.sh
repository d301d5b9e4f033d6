#!/usr/bin/env bash
# Installs the Debian packages of one set on Debian 12, those that are
# missing only:
#   scripts/setup.sh build   to build, run and package Quendle
#   scripts/setup.sh fuzz    that, and clang's libFuzzer
#   scripts/setup.sh test    that, and every tool of the test command
# Run as root.
set -euo pipefail

build=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-qpa-plugins libgl-dev
  libcanberra-dev libxcb1-dev
  # the package: file and dpkg-dev for CPack's dpkg-shlibdeps
  file dpkg-dev
  # run: the alert sound and its theme, the D-Bus session
  libcanberra0 sound-theme-freedesktop dbus dbus-x11 fonts-dejavu-core
)
fuzz=(clang libclang-rt-14-dev)
test=(
  "${fuzz[@]}"
  # the benchmarks, the format check and the smoke run under Xvfb
  libbenchmark-dev clang-format
  xvfb xauth openbox xdotool wmctrl x11-utils imagemagick
  # the validators of the desktop entry, the metainfo and the package
  desktop-file-utils appstream lintian
)
case "${1:-}" in
  build) packages=("${build[@]}"); purpose="build, run and package Quendle" ;;
  fuzz) packages=("${build[@]}" "${fuzz[@]}"); purpose="build and fuzz Quendle" ;;
  test) packages=("${build[@]}" "${test[@]}"); purpose="build, run, package and test Quendle" ;;
  *) echo "setup.sh: name the set of packages to install: build, fuzz or test" >&2; exit 2 ;;
esac

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -gt 0 ] || exit 0

echo "setup: the $1 set: installing the ${#missing[@]} Debian packages missing to $purpose, and what they need (minutes on a fresh machine): ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends "${missing[@]}"
