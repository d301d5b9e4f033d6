#!/usr/bin/env bash
# Installs the Debian packages of one set on Debian 12, those that are
# missing only:
#   scripts/setup.sh build   to build, run and package Quendle
#   scripts/setup.sh fuzz    that, and clang's libFuzzer
#   scripts/setup.sh test    that, and every tool of the test command
# Run as a user, it installs through sudo, so that the build and the program
# never run as root; with nothing missing it needs no root at all. Without
# dpkg and apt it installs nothing and names what to install.
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
fuzz=(clang libclang-rt-dev)
test=(
  "${fuzz[@]}"
  # the benchmarks, the format check and the smoke run under Xvfb
  libbenchmark-dev clang-format-19
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

if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
  needs="a C++20 compiler, CMake 3.24 or newer, Ninja, pkg-config, Qt 6 Base (Widgets, D-Bus, Test), libcanberra"
  case $1 in
    build) needs="to build Quendle, install $needs and xcb from your distribution" ;;
    fuzz) needs="to build and fuzz Quendle, install $needs, xcb and clang with its libFuzzer from your distribution" ;;
    test) needs="to build Quendle, install $needs and xcb from your distribution; the test command itself is made for Debian (it checks the Debian package with lintian)" ;;
  esac
  echo "setup: no dpkg-query and apt-get here, so the set-up installs nothing: $needs"
  exit 0
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -gt 0 ] || exit 0

as_root=()
if [ "$(id -u)" -ne 0 ]; then
  if ! command -v sudo >/dev/null; then
    echo "setup: ${#missing[@]} Debian packages are missing and installing them needs root: run this as root, or first, as root: apt-get install ${missing[*]}" >&2
    exit 1
  fi
  as_root=(sudo)
fi
echo "setup: the $1 set: installing the ${#missing[@]} Debian packages missing to $purpose, and what they need (minutes on a fresh machine): ${missing[*]}"
[ ${#as_root[@]} -eq 0 ] || echo "setup: you are not root, so the install runs through sudo, which may ask for your password"
apt_get() { "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get "$@"; }
if ! { apt_get update -qq && apt_get install -y -qq --no-install-recommends "${missing[@]}"; }; then
  [ ${#as_root[@]} -eq 0 ] ||
    echo "setup: the install through sudo failed: run this as root, or first, as root: apt-get install ${missing[*]}" >&2
  exit 1
fi
