#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian 12 packages the build needs (when missing), then configures and builds into build/.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(g++ cmake ninja-build qt6-base-dev qt6-serialport-dev libgtest-dev clang-format "$@")
# clang and its runtime libraries build the fuzz targets (scripts/fuzz.sh).
packages+=(clang libclang-rt-14-dev)
# The checks of the printed pages, the desktop files and the manual pages, and the .deb's dependencies.
packages+=(poppler-utils desktop-file-utils appstream shared-mime-info man-db dpkg-dev)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
fi

cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j "$(nproc)"
