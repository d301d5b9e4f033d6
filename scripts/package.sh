#!/usr/bin/env bash
# Sets a Debian 12 or 13 machine up to build and package Quendle, and builds the
# release Debian package into build-package/ (or the folder given): a
# release build of the program alone, installed under /usr by CPack, its
# library dependencies found by dpkg-shlibdeps. The build number is the
# count of commits, unless QUENDLE_BUILD_NUMBER says otherwise. The progress
# goes to stderr; stdout gets the package's path alone, for scripts to take.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${1:-build-package}
# Fd 3 keeps stdout for the path; all else goes to stderr.
exec 3>&1 1>&2

bash scripts/setup.sh build
for tool in dpkg-buildflags dpkg-shlibdeps; do
  command -v "$tool" >/dev/null ||
    { echo "package.sh: $tool is missing; the package is Debian's, built on Debian 12 or 13: elsewhere, build Quendle and cmake --install it" >&2; exit 1; }
done
# After the set-up, which brings git.
build_number=${QUENDLE_BUILD_NUMBER:-$(git rev-list --count HEAD 2>/dev/null || echo 0)}
# The changelog's date and the rights notice's year are the last commit's,
# so that the same commit gives the same package.
if [ -z "${SOURCE_DATE_EPOCH:-}" ] && SOURCE_DATE_EPOCH=$(git log -1 --format=%ct 2>/dev/null); then
  export SOURCE_DATE_EPOCH
fi

# Debian's hardening flags, all of them, as dpkg-buildflags gives them:
# fortified functions, the stack protector, and full RELRO with immediate
# binding.
flags() { DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get "$1"; }

# The install step would otherwise build everything, tests and all; only
# the program goes into the package.
echo "package: release build of the program in $dir"
cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQUENDLE_BENCH=OFF -DBUILD_TESTING=OFF \
  -DCMAKE_CXX_FLAGS="$(flags CPPFLAGS) $(flags CXXFLAGS)" -DCMAKE_EXE_LINKER_FLAGS="$(flags LDFLAGS)" \
  -DCMAKE_SKIP_INSTALL_ALL_DEPENDENCY=ON \
  -DQUENDLE_STAGE_CODE=4 -DQUENDLE_BUILD_NUMBER="$build_number" >/dev/null
cmake --build "$dir" --target quendle
rm -f "$dir"/quendle_*.deb
echo "package: the Debian package, with CPack"
(cd "$dir" && cpack -G DEB)
ls "$dir"/quendle_*.deb >&3
