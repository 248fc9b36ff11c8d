#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and packages: build/qbh52_<version>_amd64.deb, installing under /usr, with its dependencies
# computed from the binaries (dpkg-shlibdeps).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cd build
cpack -G DEB
ls -1 "$PWD"/qbh52_*.deb
