#!/bin/sh
# Installs the build into a temporary prefix and runs the installed programs from /, as a user of the
# package would: they find their data relative to themselves, keep their settings in $XDG_CONFIG_HOME and
# never write under the prefix; a relocated install runs too, and a missing data folder is reported.
# Usage: InstallRuns.sh BUILD_DIR VERSION
set -eu
build=$1
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null
for file in bin/qbh52 bin/qbh52-cli bin/qbh52-radio-sim share/qbh52/English.Ini share/qbh52/Chinese.Ini \
    share/qbh52/SysInfo.Ini share/qbh52/udev/60-qbh52-programming-cable.rules share/applications/qbh52.desktop \
    share/icons/hicolor/scalable/apps/qbh52.svg share/icons/hicolor/48x48/apps/qbh52.png \
    share/icons/hicolor/256x256/apps/qbh52.png share/mime/packages/qbh52.xml \
    share/metainfo/org.qbh52.Programmer.metainfo.xml share/man/man1/qbh52.1 share/man/man1/qbh52-cli.1 \
    share/man/man1/qbh52-radio-sim.1 share/doc/qbh52/copyright share/doc/qbh52/CHANGELOG.md; do
    [ -f "$prefix/$file" ] || fail "the install lacks $file"
done
[ ! -e "$prefix/lib/udev" ] || fail "the udev rule is active"

export HOME="$work/home" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_STATE_HOME="$work/state"
export QT_QPA_PLATFORM=offscreen
cd /
find "$prefix" | sort >"$work/before"

for program in qbh52 qbh52-cli qbh52-radio-sim; do
    "$prefix/bin/$program" --version >"$work/out" || fail "$program --version failed"
    grep -q "^$program (QB-H52 Programmer) $version\$" "$work/out" || fail "$program --version says: $(cat "$work/out")"
    grep -q "GPL-3.0-or-later" "$work/out" || fail "$program --version names no licence"
done

# The command line on a new data set, and its data folder found (no complaint on stderr).
"$prefix/bin/qbh52-cli" new "$work/new.dat" 2>"$work/err" || fail "new: $(cat "$work/err")"
"$prefix/bin/qbh52-cli" info "$work/new.dat" >"$work/out" 2>"$work/err" || fail "info: $(cat "$work/err")"
grep -q "^Model Type: " "$work/out" || fail "info printed: $(cat "$work/out")"
[ ! -s "$work/err" ] || fail "info complained: $(cat "$work/err")"
"$prefix/bin/qbh52-cli" print "$work/new.dat" "$work/new.pdf" 2>"$work/err" || fail "print: $(cat "$work/err")"
[ -s "$work/new.pdf" ] || fail "print wrote no PDF"

# The program starts and keeps running with its window (offscreen) until it is stopped; an early end is a crash
# or a start-up failure. Its settings stay where they belong.
status=0
timeout 20 "$prefix/bin/qbh52" "$work/new.dat" >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 124 ] || fail "qbh52 ended with status $status: $(cat "$work/err")"
if grep -q "data folder" "$work/err"; then fail "qbh52 did not find its data: $(cat "$work/err")"; fi

find "$prefix" | sort >"$work/after"
cmp -s "$work/before" "$work/after" || fail "the programs wrote under the prefix: $(diff "$work/before" "$work/after")"

# Moved elsewhere, the install still finds its data; without its data folder it says so and still works.
mv "$prefix" "$work/moved"
"$work/moved/bin/qbh52-cli" info "$work/new.dat" >"$work/out" 2>"$work/err" || fail "moved info: $(cat "$work/err")"
[ ! -s "$work/err" ] || fail "the moved install complained: $(cat "$work/err")"
rm -r "$work/moved/share/qbh52"
"$work/moved/bin/qbh52-cli" info "$work/new.dat" >"$work/out" 2>"$work/err" || fail "info without data failed"
missing="data folder \"$work/moved/bin/../share/qbh52/\" is missing"
grep -q "$missing" "$work/err" || fail "qbh52-cli said no word of the data: $(cat "$work/err")"
status=0
timeout 20 "$work/moved/bin/qbh52" >"$work/out" 2>"$work/err" || status=$?
[ "$status" -eq 124 ] || fail "qbh52 without its data ended with status $status: $(cat "$work/err")"
grep -q "$missing" "$work/err" || fail "qbh52 said no word of the data: $(cat "$work/err")"
echo "installed programs run from / under $prefix"
