#!/usr/bin/env bash
# Checks Quendle as a desktop program, from the build in build/ (or the
# folder given): the desktop entry and the metainfo pass their validators, a
# copy installed into a temporary DESTDIR starts and finds its pictures and
# icon, and the Debian package holds every file of the install and passes
# Debian's checker.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
id=org.example.Quendle
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

DESTDIR=$stage cmake --install "$build" --prefix /usr >/dev/null
desktop-file-validate "$stage/usr/share/applications/$id.desktop"
# The metainfo names its maker twice: by <developer>, as AppStream 1.0
# (Debian 13) asks, and by <developer_name>, all that AppStream 0.16 (Debian
# 12) reads. Each validator notes the other's tag; any other note fails.
status=0
report=$(appstreamcli validate --no-net --strict "$stage/usr/share/metainfo/$id.metainfo.xml" 2>&1) || status=$?
others=$(grep -E '^[EWI]: ' <<<"$report" |
  grep -vE '^I: [^ ]+ (unknown-tag developer|developer-name-tag-deprecated)$' || true)
if [ -n "$others" ] || { [ "$status" -ne 0 ] && ! grep -q '^I: ' <<<"$report"; }; then
  echo "$report" >&2
  echo "metainfo: the validator of AppStream $(appstreamcli --version | awk '{ print $NF }') finds fault with it" >&2
  exit 1
fi
bash scripts/smoke.sh "$stage/usr/bin/quendle"

# Built under the umask Debian 13 gives its users, which lets the group
# write: the package's folders must still be 0755.
deb=$(umask 0002 && bash scripts/package.sh | tail -n 1)
contents=$(dpkg-deb -c "$deb" | awk '{ print $NF }')
expected=(./usr/bin/quendle
          ./usr/share/applications/$id.desktop
          ./usr/share/metainfo/$id.metainfo.xml
          ./usr/share/man/man1/quendle.1.gz
          ./usr/share/doc/quendle/copyright
          ./usr/share/doc/quendle/changelog.Debian.gz)
for size in 16 24 32 48 64 128 256; do
  expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for picture in resources/*.bmp; do
  expected+=("./usr/share/quendle/Resources/$(basename "$picture")")
done
failed=0
for file in "${expected[@]}"; do
  grep -qxF "$file" <<<"$contents" || { echo "package: $file is missing" >&2; failed=1; }
done
depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 libcanberra0 qt6-qpa-plugins sound-theme-freedesktop hicolor-icon-theme; do
  grep -q "\b$package\b" <<<"$depends" || { echo "package: no dependency on $package" >&2; failed=1; }
done
# Lintian counts its hardening tags as info, shown with -I: those fail too.
status=0
report=$(lintian -I --fail-on error,warning "$deb") || status=$?
[ -z "$report" ] || echo "$report"
if [ "$status" -ne 0 ] || grep -q ' hardening-' <<<"$report"; then
  echo "package: lintian finds an error, a warning or a missing hardening flag (exit $status)" >&2
  failed=1
fi
[ "$failed" -eq 0 ]
echo "package: $deb holds all ${#expected[@]} files and passes lintian; $(du -k "$deb" | cut -f1) KiB," \
  "$(dpkg-deb -f "$deb" Installed-Size) KiB installed"
