#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets (clang, AddressSanitizer, UndefinedBehaviorSanitizer) into build-fuzz/ and runs
# each for SECONDS (default 60) from its seed corpus in fuzz/corpus/<name>/. New inputs stay in
# build-fuzz/corpus/<name>/; a crash, hang or sanitizer report stops that target, leaves its input in
# build-fuzz/findings/ and makes the script fail. Usage: scripts/fuzz.sh [SECONDS] [TARGET...]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(fuzz_data_file fuzz_profile fuzz_language fuzz_codecs fuzz_link fuzz_csv)

cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQBH52_FUZZ=ON \
  -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz -j "$(nproc)" --target "${targets[@]}"

mkdir -p build-fuzz/findings
failed=0
for target in "${targets[@]}"; do
  name="${target#fuzz_}"
  corpus="build-fuzz/corpus/$name"
  log="build-fuzz/$target.log"
  mkdir -p "$corpus"
  start=$(date +%s)
  if ! build-fuzz/"$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
    -artifact_prefix=build-fuzz/findings/"$target"- "$corpus" fuzz/corpus/"$name" >"$log" 2>&1; then
    failed=1
    echo "$target: FINDING (see $log and build-fuzz/findings/)"
    tail -n 40 "$log"
  fi
  runs=$(grep -o 'number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo "?")
  echo "$target: $(($(date +%s) - start)) s, $runs runs, corpus of $(find "$corpus" -type f | wc -l) inputs"
done
exit $failed
