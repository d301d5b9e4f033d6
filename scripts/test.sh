#!/usr/bin/env bash
# Sets a Debian 12 or 13 machine up to test Quendle, builds Quendle and passes
# every test: the format check, the suite with warnings as errors, the
# suite again under AddressSanitizer and UndefinedBehaviorSanitizer, a
# smoke run of the real program under Xvfb, and bounded fuzz runs of the
# preferences reader, the colour text and the tag styling.
set -euo pipefail
cd "$(dirname "$0")/.."
jobs=$(nproc)

echo "== set up the machine: the Debian packages to build and test with"
bash scripts/setup.sh test

echo "== check the format of the C++ files against .clang-format, with clang-format 19"
if ! command -v clang-format-19 >/dev/null; then
  echo "test.sh: clang-format-19 is missing; the test command is made for Debian 12 and 13, whose set-up installs it" >&2
  exit 1
fi
if ! git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format-19 --dry-run --Werror; then
  echo "test.sh: the files above are off the format; clang-format-19 -i FILE... mends them" >&2
  exit 1
fi

echo "== build and test"
# The suite runs on a build of no type given, which must be optimised.
bash scripts/build.sh build -UCMAKE_BUILD_TYPE -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
if ! grep -q -- ' -O2 ' build/compile_commands.json; then
  echo "test.sh: a configure with no build type compiles without optimisation" >&2
  exit 1
fi
(cd build && ctest --output-on-failure -j "$jobs")

echo "== build and test under ASan and UBSan"
bash scripts/build.sh build-asan -DCMAKE_BUILD_TYPE=Debug -DQUENDLE_SANITIZE=ON -DQUENDLE_BENCH=OFF -DCMAKE_COMPILE_WARNING_AS_ERROR=ON
(cd build-asan &&
  ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 \
  UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --output-on-failure -j "$jobs")

echo "== smoke run under Xvfb"
bash scripts/smoke.sh build/bin/quendle

echo "== install, validate and package"
bash scripts/check_install.sh

echo "== fuzz the preferences reader"
bash scripts/fuzz.sh fuzz_prefs

echo "== fuzz the colour text dropped on a well"
bash scripts/fuzz.sh fuzz_colortext 30

echo "== fuzz the tag styling"
bash scripts/fuzz.sh fuzz_tagged_text 30

echo "test.sh: every check passed"
