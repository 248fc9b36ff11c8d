#!/usr/bin/env bash
# Sets up, builds and runs every test; exits non-zero when any test fails.
# With --sanitize the suite runs in build-asan/ instead, built with AddressSanitizer and
# UndefinedBehaviorSanitizer: any report aborts the test that caused it, and so fails the run.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=build
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQBH52_SANITIZE=ON >/dev/null
  cmake --build "$build" -j "$(nproc)"
  export ASAN_OPTIONS="abort_on_error=1:detect_stack_use_after_return=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
cd "$build"
ctest --output-on-failure -j "$(nproc)"
