#!/usr/bin/env bash
# Runs scripts/setup.sh build as a user, with stand-ins for id, sudo, apt-get
# and dpkg-query on a PATH of their own (the real sudo and apt out of reach),
# and checks what it says in each case: refused by sudo, failed in apt,
# waiting for a busy package manager, on another distribution, nothing missing.
set -uo pipefail
setup="$(cd "$(dirname "$0")/../.." && pwd)/scripts/setup.sh"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
mkdir "$tmp/bin" "$tmp/tools"
for tool in bash env grep sed head tee mktemp rm sleep; do
  ln -s "$(command -v "$tool")" "$tmp/tools/$tool"
done
# The stand-ins read the case from $CASE and note each call in $STANDIN/calls.
standin() {
  { echo "#!$(command -v bash)"; cat; } >"$tmp/bin/$1"
  chmod +x "$tmp/bin/$1"
}
standin id <<'END'
echo 1000
END
standin dpkg-query <<'END'
[ "$CASE" = installed ] && { printf 'install ok installed'; exit 0; }
echo "dpkg-query: no packages found matching ${*: -1}" >&2
exit 1
END
standin sudo <<'END'
echo "sudo $*" >>"$STANDIN/calls"
if [ "$1" = -v ]; then
  [ "$CASE" = refused ] || exit 0
  echo "Sorry, user alice may not run sudo on desk." >&2
  exit 1
fi
exec "$@"
END
# busy: the first update finds apt's lists locked, the first install dpkg's
# lock; busy-on: every call finds its lock held.
standin apt-get <<'END'
echo "apt-get $*" >>"$STANDIN/calls"
[[ " $* " == *" update "* ]] && command=update || command=install
if [ "$CASE" = busy-on ] || { [ "$CASE" = busy ] && [ ! -e "$STANDIN/locked-$command" ]; }; then
  : >"$STANDIN/locked-$command"
  if [ "$command" = update ]; then
    echo "E: Could not get lock /var/lib/apt/lists/lock. It is held by process 4242 (packagekitd)" >&2
    echo "E: Unable to lock directory /var/lib/apt/lists/" >&2
  else
    echo "E: Could not get lock /var/lib/dpkg/lock-frontend. It is held by process 4242 (packagekitd)" >&2
    echo "E: Unable to acquire the dpkg frontend lock (/var/lib/dpkg/lock-frontend), is another process using it?" >&2
  fi
  exit 100
fi
if [ "$CASE" = unknown ] && [ "$command" = install ]; then
  echo "E: Unable to locate package foo" >&2
  exit 100
fi
END

failed=0
# run CASE STATUS [VAR=VALUE]...: runs the set-up in CASE, wants the exit
# STATUS, and leaves its output in $out.
run() {
  case=$1
  : >"$tmp/calls"
  rm -f "$tmp"/locked-*
  out=$(timeout 20 env CASE="$case" STANDIN="$tmp" PATH="$tmp/bin:$tmp/tools" "${@:3}" bash "$setup" build 2>&1)
  local status=$?
  [ "$status" -eq "$2" ] || fail "exit $status, not $2"
}
fail() {
  echo "test_setup: $case: $1; the set-up said:"
  local lines
  mapfile -t lines <<<"$out"
  printf '  | %s\n' "${lines[@]}"
  failed=1
}
# count N PATTERN: wants N lines of the output to match the extended regex.
count() {
  local n
  n=$(grep -Ec -- "$2" <<<"$out")
  [ "$n" -eq "$1" ] || fail "$n lines match '$2', not $1"
}

run installed 0
[ -z "$out" ] || fail "says something"
[ ! -s "$tmp/calls" ] || fail "runs sudo or apt-get"

run refused 1
count 1 '^Sorry, user alice may not run sudo'
count 1 '^setup: sudo refused .* as root: apt-get install '
count 0 'installing the packages failed'
! grep -q apt-get "$tmp/calls" || fail "runs apt-get"

run unknown 1
count 1 '^E: Unable to locate package foo$'
count 1 '^setup: installing the packages failed \(apt-get install, exit 100\)'
count 0 'sudo refused'

run busy 0 QUENDLE_SETUP_LOCK_WAIT=5
count 1 '^setup: another program is using the package manager \(packagekitd, process 4242\), .* waiting up to 5 seconds'
count 0 '^E: |failed|stayed busy'
[ "$(grep -c '^apt-get .* install ' "$tmp/calls")" -eq 2 ] || fail "does not try the install again"

run busy-on 1 QUENDLE_SETUP_LOCK_WAIT=0
count 1 '^setup: the package manager stayed busy for 0 seconds: '
count 0 '^E: |failed'

# Without dpkg and apt: the stand-ins out of the PATH.
run elsewhere 0 PATH="$tmp/tools"
count 1 '^setup: no dpkg-query and apt-get here, .* CMake 3\.24 or newer'
[ "$(wc -l <<<"$out")" -eq 1 ] || fail "says more than one line"

[ "$failed" -eq 0 ] && echo "test_setup: every case passed"
