#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/screenshots.sh [BUILD_FOLDER]: the pictures of the README, made again from the program in
# BUILD_FOLDER (default: build) under Xvfb (xvfb-run):
#   docs/mainwindow.png         the main window on a 1600 x 1000 screen, after a read from the virtual radio
#   docs/mainwindow-scale2.png  the same at QT_SCALE_FACTOR=2 (a 3200 x 2000 screen: the same layout, sharp)
#   docs/portdialog.png         Setup > Communication Port over it
# The virtual radio qbh52-radio-sim starts with its example channels; qbh52-cli reads it into a data file, which
# the program opens. The program runs from a folder of its own (with a settings file that names the virtual
# radio as COM5), so that the settings file of the build folder stays as it is. The environment variable
# QBH52_GRAB_DIR makes the program save its main window and the port dialog (QWidget::grab) into that folder and
# end.
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build}" && pwd)
work=$(mktemp -d)
sim=
cleanup() {
    [ -n "$sim" ] && kill "$sim" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

"$build/qbh52-radio-sim" --link "$work/radio" >"$work/sim.out" &
sim=$!
tries=0
until [ -s "$work/sim.out" ]; do
    tries=$((tries + 1))
    [ "$tries" -lt 50 ] || { echo "screenshots.sh: the virtual radio did not start" >&2; exit 1; }
    sleep 0.1
done
XDG_DATA_HOME="$work/data" "$build/qbh52-cli" read --port "$work/radio" "$work/radio.dat"

mkdir -p "$work/app"
cp "$build/qbh52" "$build/English.Ini" "$build/Chinese.Ini" "$work/app/"
cat >"$work/app/SysInfo.Ini" <<EOF
[SysInfo]
Com=COM5
Language_ID=0
Language_SW=English|Chinese
Language=English|Chinese
English=English|Chinese
Chinese=English|中文

[Ports]
COM5=$work/radio
EOF

# shot SCREEN SCALE: runs the program on an Xvfb screen of that size and leaves main.png and port.png in $work.
shot() {
    rm -f "$work/main.png" "$work/port.png"
    QBH52_GRAB_DIR="$work" QT_SCALE_FACTOR="$2" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" \
        xvfb-run -a -s "-screen 0 ${1}x24" "$work/app/qbh52" "$work/radio.dat"
    [ -s "$work/main.png" ] && [ -s "$work/port.png" ] || { echo "screenshots.sh: no picture at $1" >&2; exit 1; }
}

shot 1600x1000 1
cp "$work/main.png" "$root/docs/mainwindow.png"
cp "$work/port.png" "$root/docs/portdialog.png"
shot 3200x2000 2
cp "$work/main.png" "$root/docs/mainwindow-scale2.png"
echo "docs/mainwindow.png docs/mainwindow-scale2.png docs/portdialog.png"
