#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs every test; exits non-zero when any test fails.
# With --sanitize the core and virtual-radio test programs run in build-asan/ instead, built with
# AddressSanitizer and UndefinedBehaviorSanitizer: any report aborts the test that caused it, and so fails the
# run. The window tests are not yet run there: Qt's own allocations at exit have not been sorted out.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=build
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQBH52_SANITIZE=ON >/dev/null
  programs=(test_core_model test_core_files test_core_link test_sim)
  cmake --build "$build" -j "$(nproc)" --target "${programs[@]}"
  export ASAN_OPTIONS="abort_on_error=1:detect_stack_use_after_return=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  cd "$build"
  for program in "${programs[@]}"; do
    "./$program" --gtest_brief=1
  done
  exit 0
fi
cd "$build"
ctest --output-on-failure -j "$(nproc)"
