#!/bin/sh
# The desktop entry, the AppStream metadata, the data file type, the icons and the manual pages pass the
# checks of the tools that read them. Usage: PackagingFiles.sh SOURCE_DIR BUILD_DIR
set -eu
source=$1
build=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

desktop-file-validate --no-hints "$source/packaging/qbh52.desktop" || fail "desktop-file-validate"
appstreamcli validate --no-net "$source/packaging/org.qbh52.Programmer.metainfo.xml" >"$work/out" 2>&1 ||
    fail "appstreamcli: $(cat "$work/out")"

# The data file type is in the database with its header magic (a data file is known by it whatever its name).
mkdir -p "$work/mime/packages"
cp "$source/packaging/qbh52-mime.xml" "$work/mime/packages/qbh52.xml"
update-mime-database "$work/mime" || fail "update-mime-database"
grep -q "application/x-qbh52-data" "$work/mime/types" || fail "the type is not in the database"
grep -aq "PLP47" "$work/mime/magic" || fail "the header is not in the magic"

for size in 48 256; do
    expected=$(printf '%08x%08x' "$size" "$size")
    actual=$(od -An -tx1 -j16 -N8 "$source/packaging/icons/qbh52-$size.png" | tr -d ' \n')
    [ "$actual" = "$expected" ] || fail "qbh52-$size.png is not $size by $size"
done

for page in qbh52 qbh52-cli qbh52-radio-sim; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$build/packaging/man/$page.1" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page.1: $warnings"
done
# Every command of qbh52-cli has its entry in the manual page.
"$build/qbh52-cli" --help >"$work/usage"
sed 's/\\-/-/g' "$build/packaging/man/qbh52-cli.1" >"$work/page"
for command in $(sed -n 's/^  qbh52-cli \([a-z][a-z-]*\).*/\1/p' "$work/usage"); do
    grep -q "^\.BI\? \"$command " "$work/page" || fail "qbh52-cli.1 lacks the command $command"
done
echo "packaging files validated"
