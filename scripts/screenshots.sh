#!/usr/bin/env bash
# Saves the README's pictures: a robot walks through every window of the real program on a
# private X server (as on a Czech system, whose system font the buttons' captions use) and
# pictures each one. Usage: screenshots.sh [OUT_DIR]   (default: docs/images)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$root/build"
out_dir=$(mkdir -p "${1:-$root/docs/images}" && cd "${1:-$root/docs/images}" && pwd)

"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$build_dir"
source "$root/scripts/wine-env.sh" "$build_dir"
source "$root/scripts/xvfb.sh"
export LANG=cs_CZ.UTF-8

shots=$(mktemp -d)
trap 'stop_wine_and_xvfb; rm -rf "$shots"' EXIT
start_xvfb

export KVIZAR_SHOTS="Z:$(echo "$shots" | tr / '\\')"
tour="$build_dir/tests/screenshot_tour/screenshot_tour.exe"
(cd "$(dirname "$tour")" && timeout 300 wine "$tour")
for picture in "$shots"/*.bmp; do
    convert "$picture" "$out_dir/$(basename "${picture%.bmp}").png"
done
echo "screenshots: $(ls "$shots" | wc -l) pictures in $out_dir"
