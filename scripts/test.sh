#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs every test; exits non-zero when any test fails.
# With --sanitize the suite runs in build-asan/ instead, built with AddressSanitizer and
# UndefinedBehaviorSanitizer: any report aborts the test that caused it, and so fails the run. Leaks are reported
# too, but for those under Qt and its libraries, which free much only at exit (tests/sanitizer/leaks.supp). The
# style and layering checks read sources only, and the fault matrix measures time and CPU, which the
# sanitizers stretch: those run in the normal build only.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
build=build
exclude='^$'
if [ "${1:-}" = "--sanitize" ]; then
  build=build-asan
  exclude='^(style|layering)_|^tst_FaultMatrix'
  cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQBH52_SANITIZE=ON >/dev/null
  cmake --build "$build" -j "$(nproc)"
  export ASAN_OPTIONS="abort_on_error=1:detect_stack_use_after_return=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
  export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizer/leaks.supp:print_suppressions=0"
fi
cd "$build"
ctest --output-on-failure -j "$(nproc)" -E "$exclude"
