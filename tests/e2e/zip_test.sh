#!/usr/bin/env bash
# The installed-ZIP test: packs the portable ZIP, unpacks it as a user would into a fresh folder,
# finds the guide there as the build made it, turns the sample test back into its Aiken source with the converter that comes beside the
# program, and lets the robot run the sample test from there. Usage: zip_test.sh BUILD_DIR ROBOT_EXE
set -euo pipefail
build_dir=$(cd "$1" && pwd)
robot=$2
here=$(cd "$(dirname "$0")" && pwd)
work="$build_dir/tests/zip_test"

source "$here/../../scripts/wine-env.sh" "$build_dir"
rm -rf "$work"
mkdir -p "$work"
(cd "$build_dir" && cpack -G ZIP -B "$work/package" >/dev/null)
unzip -q "$work"/package/*.zip -d "$work/unpacked"

# One commit packs into one ZIP: every file carries the commit's time, in UTC, wherever and
# whenever it is packed (outside a git checkout, the build's).
(cd "$build_dir" && TZ=Asia/Tokyo cpack -G ZIP -B "$work/again" >/dev/null)
cmp "$work"/package/*.zip "$work"/again/*.zip
if commit=$(TZ=UTC LC_ALL=C git -C "$here" log -1 --date=format-local:'%y-%b-%d %H:%M' --format=%cd 2>/dev/null); then
    dates=$(LC_ALL=C zipinfo "$work"/package/*.zip | awk '/^[-d]r/ {print $7, $8}' | sort -u)
    [ "$dates" = "$commit" ] || { echo "zip_test: the ZIP's files are dated $dates, not $commit" >&2; exit 1; }
fi
exe=$(ls "$work"/unpacked/*/kvizar.exe)
unpacked=$(dirname "$exe")
echo "zip_test: unpacked $(basename "$unpacked"), $(stat -c %s "$exe") bytes"
cmp "$unpacked/Navod.html" "$build_dir/navod/Navod.html"

# The two programs and the guide side by side and the sample test in its folder, nothing else.
contents=$(cd "$unpacked" && find . -mindepth 1 | LC_ALL=C sort | tr '\n' ' ')
expected='./Kvizar ./Kvizar/Všeobecné znalosti.tst ./Navod.html ./kvizar-convert.exe ./kvizar.exe '
[ "$contents" = "$expected" ] || { echo "zip_test: the ZIP holds $contents, not $expected" >&2; exit 1; }

# The sample as the converter exports it is its source, line ends apart (CRLF there, LF here).
(cd "$unpacked/Kvizar" && "$here/../../scripts/wine-run.sh" "$build_dir" ../kvizar-convert.exe \
    "Všeobecné znalosti.tst" </dev/null)
tr -d '\r' <"$unpacked/Kvizar/Všeobecné znalosti.txt" | cmp - "$here/../../samples/vseobecne-znalosti.txt"
rm "$unpacked/Kvizar/Všeobecné znalosti.txt"

export KVIZAR_INSTALLED_EXE="Z:$(echo "$exe" | tr / '\\')"
cd "$work"
exec "$here/../../scripts/wine-run.sh" "$build_dir" "$robot" --gtest_filter='InstalledSample.*'
