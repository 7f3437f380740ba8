#!/usr/bin/env bash
# The installed-ZIP test: packs the portable ZIP, unpacks it as a user would into a fresh folder,
# turns the sample test back into its Aiken source with the converter that comes beside the
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
exe=$(ls "$work"/unpacked/*/kvizar.exe)
unpacked=$(dirname "$exe")
echo "zip_test: unpacked $(basename "$unpacked"), $(stat -c %s "$exe") bytes"

# The two programs side by side and the sample test in its folder, nothing else.
contents=$(cd "$unpacked" && find . -mindepth 1 | LC_ALL=C sort | tr '\n' ' ')
expected='./Kvizar ./Kvizar/Všeobecné znalosti.tst ./kvizar-convert.exe ./kvizar.exe '
[ "$contents" = "$expected" ] || { echo "zip_test: the ZIP holds $contents, not $expected" >&2; exit 1; }

# The sample as the converter exports it is its source, line ends apart (CRLF there, LF here).
(cd "$unpacked/Kvizar" && "$here/../../scripts/wine-run.sh" "$build_dir" ../kvizar-convert.exe \
    "Všeobecné znalosti.tst" </dev/null)
tr -d '\r' <"$unpacked/Kvizar/Všeobecné znalosti.txt" | cmp - "$here/../../samples/vseobecne-znalosti.txt"
rm "$unpacked/Kvizar/Všeobecné znalosti.txt"

export KVIZAR_INSTALLED_EXE="Z:$(echo "$exe" | tr / '\\')"
cd "$work"
exec "$here/../../scripts/wine-run.sh" "$build_dir" "$robot" --gtest_filter='InstalledSample.*'
