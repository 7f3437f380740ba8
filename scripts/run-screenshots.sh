#!/usr/bin/env bash
# Saves screenshots of the quiz and of the results window, once green and once red, into
# docs/images/ (quiz.png, results-green.png, results-red.png), each shown with sample data on a
# private X server. Usage: run-screenshots.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-"$root/build"}
images="$root/docs/images"

"$root/scripts/build.sh" "$build_dir"
"$root/scripts/make-prefix.sh" "$build_dir"
source "$root/scripts/wine-env.sh" "$build_dir"
source "$root/scripts/xvfb.sh"
# As on a Czech system, whose dialog font holds the Czech letters of the labels.
export LANG=cs_CZ.UTF-8
trap stop_wine_and_xvfb EXIT
start_xvfb
mkdir -p "$images"
tool="$build_dir/tests/run_screens/run_screens.exe"

# shoot MODE TITLE FILE: shows the window, saves it, ends the tool (which also ends itself).
shoot() {
    wine "$tool" "$1" >/dev/null 2>&1 &
    local pid=$!
    "$root/scripts/screenshot.sh" "$2" "$images/$3"
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    echo "run-screenshots: $images/$3"
}
shoot quiz "Kvizar 2004 - " quiz.png
shoot results-green "Výsledky testu" results-green.png
shoot results-red "Výsledky testu" results-red.png
