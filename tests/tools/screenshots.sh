#!/usr/bin/env bash
# Screenshots of the authoring dialogs as they really appear under Wine, into docs/images/.
# Usage: screenshots.sh [BUILD_DIR]   (default: build; the build must be done)
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=${1:-"$root/build"}
tool="$build_dir/tests/tools/ShowDialog.exe"
out="$root/docs/images"
mkdir -p "$out"

"$root/scripts/make-prefix.sh" "$build_dir"
source "$root/scripts/wine-env.sh" "$build_dir"
source "$root/scripts/xvfb.sh"
# As on a Czech system, whose system font has the Czech letters.
export LANG=cs_CZ.UTF-8
cleanup() {
    wineserver -k 2>/dev/null || true
    stop_xvfb
}
trap cleanup EXIT
start_xvfb

shoot() { # DIALOG TITLE FILE
    wine "$tool" "$1" >/dev/null 2>&1 &
    local pid=$!
    "$root/scripts/screenshot.sh" "$2" "$out/$3"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    wineserver -k 2>/dev/null || true
}
shoot new-test "Vytvo" new-test.png
shoot create-sheet "Vytvo" create-sheet.png
shoot edit-sheet "Editace testu" edit-sheet.png
echo "screenshots: $out/new-test.png $out/create-sheet.png $out/edit-sheet.png"
