#!/usr/bin/env bash
# Keeps the other supported Debian release working: makes a fresh minimal
# root of it with debootstrap, from the mirror this machine's own apt
# sources name, clones the committed tree into it, and there, as root, sets
# the machine up, builds with warnings as errors, runs the suite and the
# install check. Debian 12 and 13 are the two releases; on either, the
# other is tried. Needs root; removes the root it made when it ends.
set -euo pipefail
cd "$(dirname "$0")/.."
src=$PWD

[ "$(id -u)" -eq 0 ] || { echo "other_release: making a root with debootstrap needs root" >&2; exit 1; }
# shellcheck source=/dev/null
here=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
case "$here" in
  bookworm) other=trixie; name="Debian 13" ;;
  trixie) other=bookworm; name="Debian 12" ;;
  *) echo "other_release: this machine is neither Debian 12 nor 13 ('$here'), so no other release to try" >&2; exit 1 ;;
esac
# The mirror that serves this release here serves the other as well.
# shellcheck disable=SC2016 # apt's own format fields, not the shell's
mirror=$(apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 'Identifier: Packages' |
  awk -v release="$here" '$2 == release { print $1; exit }')
[ -n "$mirror" ] || { echo "other_release: no apt source for $here names a mirror" >&2; exit 1; }

if ! command -v debootstrap >/dev/null; then
  echo "other_release: installing debootstrap"
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq -o DPkg::Lock::Timeout=600 debootstrap >/dev/null
fi

work=$src/build-ci
root=$work/$other-root
mkdir -p "$work"
mounts=(proc sys dev/shm dev/pts)
release_root() {
  local m
  for ((m = ${#mounts[@]} - 1; m >= 0; m--)); do
    mountpoint -q "$root/${mounts[m]}" && umount -l "$root/${mounts[m]}"
  done
  # Only a root with nothing mounted in it is removed.
  if ! grep -q " $root/" /proc/mounts; then
    rm -rf --one-file-system "$root"
  else
    echo "other_release: $root still has mounts; left in place" >&2
  fi
}
release_root
trap release_root EXIT

start=$SECONDS
echo "== $name: a fresh root from $mirror"
debootstrap --variant=minbase "$other" "$root" "$mirror" >"$work/$other-debootstrap.log" 2>&1 ||
  { tail -n 20 "$work/$other-debootstrap.log" >&2; echo "other_release: debootstrap failed" >&2; exit 1; }
mount -t proc proc "$root/proc"
mount -t sysfs sys "$root/sys"
mkdir -p "$root/dev/shm" "$root/dev/pts"
mount -t tmpfs shm "$root/dev/shm"
mount --bind /dev/pts "$root/dev/pts"
cp /etc/resolv.conf "$root/etc/resolv.conf"
git clone -q "$src" "$root/root/quendle"
echo "== $name: root made in $((SECONDS - start)) s"

inside() {
  chroot "$root" /usr/bin/env -i HOME=/root PATH=/usr/sbin:/usr/bin:/sbin:/bin LANG=C.UTF-8 \
    ${http_proxy:+http_proxy="$http_proxy"} bash -c "cd /root/quendle && $1"
}
# step TITLE COMMAND [LOG]: runs COMMAND in the root, its output to LOG
# if given, shown only when it fails.
step() {
  local begin=$SECONDS
  echo "== $name: $1"
  if [ -n "${3:-}" ]; then
    inside "$2" >"$3" 2>&1 || { tail -n 40 "$3" >&2; echo "other_release: $1 failed; all of it in $3" >&2; exit 1; }
  else
    inside "$2"
  fi
  echo "== $name: $1 took $((SECONDS - begin)) s"
}
step "set up the machine" "bash scripts/setup.sh test" "$work/$other-setup.log"
step "build with warnings as errors" \
  "bash scripts/build.sh build -DCMAKE_COMPILE_WARNING_AS_ERROR=ON" "$work/$other-build.log"
step "the suite" "cd build && ctest --output-on-failure -j $(nproc)"
step "install, validate and package" "bash scripts/check_install.sh"
echo "other_release: $name passed in $((SECONDS - start)) s"
