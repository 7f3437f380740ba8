#!/usr/bin/env bash
# The installed-ZIP test: packs the portable ZIP, unpacks it as a user would into a fresh folder
# and lets the robot run the sample test from there. Usage: zip_test.sh BUILD_DIR ROBOT_EXE
set -euo pipefail
build_dir=$(cd "$1" && pwd)
robot=$2
here=$(cd "$(dirname "$0")" && pwd)
work="$build_dir/tests/zip_test"

rm -rf "$work"
mkdir -p "$work"
(cd "$build_dir" && cpack -G ZIP -B "$work/package" >/dev/null)
unzip -q "$work"/package/*.zip -d "$work/unpacked"
exe=$(ls "$work"/unpacked/*/kvizar.exe)
echo "zip_test: unpacked $(basename "$(dirname "$exe")"), $(stat -c %s "$exe") bytes"

export KVIZAR_INSTALLED_EXE="Z:$(echo "$exe" | tr / '\\')"
cd "$work"
exec "$here/../../scripts/wine-run.sh" "$build_dir" "$robot" --gtest_filter='InstalledSample.*'
