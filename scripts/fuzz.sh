#!/usr/bin/env bash
# Sets the machine up to build with clang (scripts/setup.sh fuzz), builds
# one libFuzzer target and runs it for a bounded time:
#   scripts/fuzz.sh TARGET [SECONDS]     (default fuzz_prefs, 60 seconds)
# The target's seeds are fuzz/corpus/TARGET and its dictionary
# fuzz/TARGET.dict, each used when it is there. Fails on any crash, hang,
# leak or sanitizer report.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build-fuzz"
target="${1:-fuzz_prefs}"
seconds="${2:-60}"
[[ "$seconds" =~ ^[1-9][0-9]*$ ]] || { echo "fuzz.sh: SECONDS must be a whole number above 0, not '$seconds'" >&2; exit 2; }

bash "$root/scripts/setup.sh" fuzz
echo "$target: building it with clang's libFuzzer in $build"
cmake -S "$root" -B "$build" -G Ninja \
  -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DQUENDLE_FUZZ=ON -DQUENDLE_BENCH=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$build" --target "$target"

# New inputs go to a scratch corpus in the build tree; the seeds in the
# source tree are only read.
work="$build/fuzz-corpus/$target"
artifacts="$build/fuzz-artifacts/$target"
log="$build/$target.log"
mkdir -p "$work" "$artifacts"
inputs=("$work")
[ -d "$root/fuzz/corpus/$target" ] && inputs+=("$root/fuzz/corpus/$target")
options=()
[ -f "$root/fuzz/$target.dict" ] && options+=(-dict="$root/fuzz/$target.dict")

# Targets that drive widgets do so without a display.
export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$root/fuzz/lsan.supp"
echo "$target: fuzzing for $seconds s, with its latest status every 10 s"
"$build/bin/$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
  "${options[@]}" -artifact_prefix="$artifacts/" \
  "${inputs[@]}" >"$log" 2>&1 &
fuzzer=$!
# libFuzzer's own status lines come at every new finding, too many to show,
# or at doubling run counts, too few; the last of them every 10 s instead.
start=$SECONDS
next=10
while kill -0 "$fuzzer" 2>/dev/null; do
  sleep 1
  if [ $((SECONDS - start)) -ge "$next" ] && kill -0 "$fuzzer" 2>/dev/null; then
    echo "$target: $((SECONDS - start)) of $seconds s: $(grep -a '^#[0-9]' "$log" | tail -n 1 | sed -E 's/[[:space:]]+L: .*//; s/[[:space:]]+/ /g')"
    next=$((next + 10))
  fi
done
status=0
wait "$fuzzer" || status=$?

grep -E '^#[0-9]+[[:space:]]+DONE|^Done [0-9]+ runs|^stat::number_of_executed_units' "$log" || true
if [ "$status" -ne 0 ] || grep -qE 'ERROR: (AddressSanitizer|LeakSanitizer|libFuzzer)|runtime error:' "$log"; then
  tail -n 60 "$log"
  echo "$target: failed (exit $status); inputs in $artifacts, log in $log" >&2
  exit 1
fi
echo "$target: no findings in $seconds s"
