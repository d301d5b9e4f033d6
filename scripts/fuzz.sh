#!/usr/bin/env bash
# Builds the preferences reader's libFuzzer target with clang and runs it for
# a bounded time (60 seconds, or the number of seconds given as the first
# argument). Fails on any crash, hang, leak or sanitizer report.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"
seconds="${1:-60}"

cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUENDLE_FUZZ=ON -DQUENDLE_BENCH=OFF >/dev/null
cmake --build "$build" --target fuzz_prefs

# New inputs go to a scratch corpus in the build tree; the seeds in the
# source tree are only read.
work="$build/fuzz-corpus"
artifacts="$build/fuzz-artifacts"
log="$build/fuzz_prefs.log"
mkdir -p "$work" "$artifacts"

export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
status=0
"$build/bin/fuzz_prefs" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
  -dict="$root/fuzz/plist.dict" -artifact_prefix="$artifacts/" \
  "$work" "$root/fuzz/corpus" >"$log" 2>&1 || status=$?

grep -E '^#[0-9]+[[:space:]]+DONE|^Done [0-9]+ runs|^stat::number_of_executed_units' "$log" || true
if [ "$status" -ne 0 ] || grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$log"; then
  tail -n 60 "$log"
  echo "fuzz_prefs: failed (exit $status); inputs in $artifacts, log in $log" >&2
  exit 1
fi
echo "fuzz_prefs: no findings in $seconds s"
