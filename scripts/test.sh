#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs every test; exits non-zero when any test fails.
# With --sanitize the core's and the virtual radio's test programs run in build-asan/ instead, built with
# AddressSanitizer and UndefinedBehaviorSanitizer: any report aborts the test that caused it, and so fails the
# run. --sanitize-all runs the whole suite there; leaks are reported too, but for those under Qt and its
# libraries, which free much only at exit (tests/sanitizer/leaks.supp). The style and layering checks read
# sources only, so they run in the normal build.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=build
exclude='^$'
if [ "${1:-}" = "--sanitize" ] || [ "${1:-}" = "--sanitize-all" ]; then
  build=build-asan
  exclude='^(style|layering)_'
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQBH52_SANITIZE=ON >/dev/null
  export ASAN_OPTIONS="abort_on_error=1:detect_stack_use_after_return=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/leaks.supp:print_suppressions=0"
  if [ "$1" = "--sanitize" ]; then
    programs=(test_core_model test_core_files test_core_link test_sim)
    cmake --build "$build" -j "$(nproc)" --target "${programs[@]}"
    cd "$build"
    for program in "${programs[@]}"; do
      "./$program" --gtest_brief=1
    done
    exit 0
  fi
  cmake --build "$build" -j "$(nproc)"
fi
cd "$build"
ctest --output-on-failure -j "$(nproc)" -E "$exclude"
