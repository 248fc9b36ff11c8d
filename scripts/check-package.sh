#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs build/qbh52_*.deb (scripts/package.sh makes it) into a fresh minimal Debian 12 tree made by
# debootstrap, runs the installed programs from /, removes the package and lists any file it left behind.
# Needs root and the Debian mirror; the tree is kept in build/clean-debian for the next run.
set -euo pipefail
cd "$(dirname "$0")/.."
deb=$(ls -1 "$PWD"/build/qbh52_*.deb | tail -n 1)
root="$PWD/build/clean-debian"
command -v debootstrap >/dev/null || apt-get install -y -q debootstrap
[ -x "$root/bin/bash" ] || debootstrap --variant=minbase bookworm "$root" http://deb.debian.org/debian
cp "$deb" "$root/tmp/qbh52.deb"
cp /etc/resolv.conf "$root/etc/resolv.conf"
mount -t proc proc "$root/proc"
trap 'umount "$root/proc"' EXIT
chroot "$root" bash -euo pipefail -c '
  apt-get update -q >/dev/null
  apt-get install -y -q /tmp/qbh52.deb >/dev/null
  cd / && export HOME=/root
  qbh52-cli new /tmp/new.dat
  qbh52-cli info /tmp/new.dat
  status=0
  QT_QPA_PLATFORM=offscreen timeout 5 qbh52 /tmp/new.dat || status=$?
  [ "$status" = 124 ] || { echo "qbh52 ended with $status instead of running"; exit 1; }
  dpkg -r qbh52 >/dev/null
  left=$(dpkg-deb -c /tmp/qbh52.deb | awk "{print \$6}" | sed "s|^\.||;s|/$||" |
         while read -r path; do [ -f "$path" ] && echo "$path"; done || true)
  [ -z "$left" ] || { echo "left behind after dpkg -r:"; echo "$left"; exit 1; }
  echo "installed, ran from /, removed without a trace"
'
