#!/usr/bin/env bash
# Installs the Debian packages of one set on Debian 12 or 13, those that are
# missing only:
#   scripts/setup.sh build   to build, run and package Quendle
#   scripts/setup.sh fuzz    that, and clang's libFuzzer
#   scripts/setup.sh test    that, and every tool of the test command
# Run as a user, it installs through sudo, so that the build and the program
# never run as root; with nothing missing it needs no root at all. Another
# program using the package manager (the software updater, often, just after
# login) is waited for, up to QUENDLE_SETUP_LOCK_WAIT seconds (10 minutes).
# Without dpkg and apt it installs nothing and names what to install.
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
lock_wait=${QUENDLE_SETUP_LOCK_WAIT:-600}
[[ "$lock_wait" =~ ^[0-9]+$ ]] ||
  { echo "setup.sh: QUENDLE_SETUP_LOCK_WAIT must be a whole number of seconds, not '$lock_wait'" >&2; exit 2; }

if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
  needs="a C++20 compiler, CMake 3.24 or newer, Ninja, pkg-config, Qt 6 Base (Widgets, D-Bus, Test), libcanberra"
  case $1 in
    fuzz) needs+=", xcb and clang with its libFuzzer" ;;
    *) needs+=" and xcb" ;;
  esac
  note=
  [ "$1" != test ] || note="; the test command itself is made for Debian (it checks the Debian package with lintian)"
  echo "setup: no dpkg-query and apt-get here, so the set-up installs nothing: to build Quendle, install $needs from your distribution$note"
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
if [ ${#as_root[@]} -gt 0 ]; then
  echo "setup: you are not root, so the install runs through sudo, which may ask for your password"
  # Asked on its own, so that sudo's refusal is told apart from apt's failure.
  if ! sudo -v; then
    echo "setup: sudo refused (its reason above), so nothing was installed: run this as root, or first, as root: apt-get install ${missing[*]}" >&2
    exit 1
  fi
fi

if [ "$lock_wait" -ge 60 ] && [ $((lock_wait % 60)) -eq 0 ]; then span="$((lock_wait / 60)) minutes"; else span="$lock_wait seconds"; fi
log=$(mktemp)
trap 'rm -f "$log"' EXIT
deadline=
# Runs apt-get as root with its output shown but for its error lines, kept in
# $log; on a failure of apt's own, shows them and stops. While another
# program holds one of apt's locks, says so once and tries again every second
# until the deadline: apt-get update does not wait for its lock, and apt-get
# install, which can (DPkg::Lock::Timeout), would wait without a word at -qq,
# so it is asked to only once the wait has been announced.
apt_get() {
  local status holder
  while :; do
    status=0
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive \
      apt-get -o DPkg::Lock::Timeout=$((deadline > SECONDS ? deadline - SECONDS : 0)) "$@" 2>&1 |
      tee "$log" | { grep --line-buffered -v '^E: ' || true; } || status=${PIPESTATUS[0]}
    [ "$status" -ne 0 ] || return 0
    if ! grep -Eq '^E: .*/lock(-frontend)?([^[:alnum:]_-]|$)' "$log"; then
      grep '^E: ' "$log" >&2 || true
      echo "setup: installing the packages failed (apt-get $1, exit $status), for apt's reason above: mend that, often the network or the sources in /etc/apt/sources.list, then run this again" >&2
      exit 1
    fi
    if [ -z "$deadline" ]; then
      deadline=$((SECONDS + lock_wait))
      holder=$(sed -n 's/^E: .* held by process \([0-9]*\) (\([^)]*\)).*/ (\2, process \1)/p' "$log" | head -n 1)
      [ "$lock_wait" -eq 0 ] ||
        echo "setup: another program is using the package manager$holder, the software updater perhaps: waiting up to $span for it to finish"
    fi
    if [ "$SECONDS" -ge "$deadline" ]; then
      echo "setup: the package manager stayed busy for $span: let the other program finish (the software updater may be asking you something), or close it, then run this again" >&2
      exit 1
    fi
    sleep 1
  done
}
apt_get update -qq
apt_get install -y -qq --no-install-recommends "${missing[@]}"
