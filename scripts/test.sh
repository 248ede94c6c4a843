#!/usr/bin/env bash
# The README's test command: installs what is missing, then
#   1. builds with gcc and runs every test, then installs that build and takes it as hosts do
#      (scripts/check-packaging.sh),
#   2. builds with clang + ASan + UBSan and runs every test again (any report fails),
#   3. runs each fuzz target for a bounded time from its seed corpus (any crash fails).
# FUZZ_SECONDS (default 60) bounds each fuzz target.
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-deps.sh

echo "== release build and tests"
export TAVRO_INSTALL_PREFIX="$PWD/build/packaging/prefix"
scripts/build.sh release
# The window host and its test are built only where SDL2 is found; here they must be.
for program in examples/window-host/window-host tests/test_window_host; do
  if [ ! -x "build/release/$program" ]; then
    echo "build/release/$program was not built: SDL2 or Xlib missing (scripts/install-deps.sh installs them)" >&2
    exit 1
  fi
done
seed=$((RANDOM % 99999 + 1)); echo "tests run in shuffled order: GTEST_RANDOM_SEED=$seed repeats it"
GTEST_SHUFFLE=1 GTEST_RANDOM_SEED=$seed ctest --test-dir build/release --output-on-failure -j "$(nproc)"

echo "== packaging"
scripts/check-packaging.sh

echo "== sanitizer build and tests"
scripts/build.sh sanitize
export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:strict_string_checks=1"
export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
# The font stack keeps process-wide caches until exit; only those are suppressed.
export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp:print_suppressions=0"
ctest --test-dir build/sanitize --output-on-failure -j "$(nproc)"

echo "== fuzzing"
scripts/fuzz.sh "${FUZZ_SECONDS:-60}"
