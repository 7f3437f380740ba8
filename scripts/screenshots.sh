#!/usr/bin/env bash
# Saves the README's pictures: a robot walks through every window of the real program on a
# private X server and pictures each one, as on a Czech system (code page 1250); then, as on a
# Western one (1252), the main window and a question sheet again, as NAME-western.png; then the
# main window at 150 % (144 DPI, in a Wine prefix of its own), as main-window-150.png.
# Usage: screenshots.sh [OUT_DIR]   (default: docs/images)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$root/build"
out_dir=$(mkdir -p "${1:-$root/docs/images}" && cd "${1:-$root/docs/images}" && pwd)

"$root/scripts/setup.sh"
source "$root/scripts/pick-build.sh"
"$root/scripts/build.sh" "$build_dir"
"$root/scripts/make-prefix.sh" "$build_dir"
source "$root/scripts/wine-env.sh" "$build_dir"
source "$root/scripts/xvfb.sh"

shots=$(mktemp -d)
trap 'stop_wine_and_xvfb; rm -rf "$shots"' EXIT

export KVIZAR_SHOTS="Z:$(echo "$shots" | tr / '\\')"
tour_exe="$build_dir/tests/screenshot_tour/screenshot_tour.exe"
# tour LOCALE SUFFIX [NAME...]: the walk under LOCALE, on a fresh X server (the pointer where a
# new one puts it); keeps the pictures named (all when none) as NAME$SUFFIX.png. It runs in the
# prefix KVIZAR_PREFIX names, where that is set.
tour() {
    local locale=$1 suffix=$2
    shift 2
    rm -f "$shots"/*.bmp
    start_xvfb
    (cd "$(dirname "$tour_exe")" && LANG=$locale timeout 300 "$root/scripts/wine-run.sh" "$build_dir" "$tour_exe")
    stop_wine_and_xvfb
    [ $# -gt 0 ] || set -- $(cd "$shots" && ls *.bmp | sed 's/\.bmp$//')
    for name in "$@"; do
        convert "$shots/$name.bmp" "$out_dir/$name$suffix.png"
    done
    echo "screenshots: $# pictures under $locale in $out_dir"
}
tour cs_CZ.UTF-8 ""
tour en_US.UTF-8 -western main-window create-sheet
export KVIZAR_PREFIX="$build_dir/tests/screenshot_tour/wineprefix-150"
"$root/scripts/scaled-prefix.sh" "$build_dir" 144
tour cs_CZ.UTF-8 -150 main-window
