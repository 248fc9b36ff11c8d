#!/usr/bin/env bash
# Sets up, builds and runs every test; exits non-zero when any test fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cd build
ctest --output-on-failure -j "$(nproc)"
