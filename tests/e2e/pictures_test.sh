#!/usr/bin/env bash
# The README's pictures stay as they are on a Czech system: the screenshot tour under code page
# 1250 gives every picture of docs/images (but the Western ones, and the web page's and the
# document's, which a browser and LibreOffice draw) pixel for pixel; those named NAME-150 it gives
# at 150 % (144 DPI), in a Wine prefix of its own.
# Usage: pictures_test.sh BUILD_DIR TOUR_EXE
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
# tour DIR: the walk, its pictures saved in DIR.
tour() {
    rm -rf "$1" && mkdir -p "$1"
    local code=0
    (cd "$1" && KVIZAR_SHOTS="Z:$(echo "$1" | tr / '\\')" "$root/scripts/wine-run.sh" "$build_dir" "$tour_exe" \
        >/dev/null) || code=$?
    return $code
}
build_dir=$1
tour_exe=$2
shots="$1/tests/pictures_test"
tour "$shots"
# Its own prefix's processes end with it; the build's prefix serves the other tests meanwhile.
prefix_150="$1/tests/pictures_test-150-prefix"
trap '(export KVIZAR_PREFIX=$prefix_150; source "$root/scripts/wine-env.sh" "$build_dir"; wineserver -k) 2>/dev/null || true' EXIT
(export KVIZAR_PREFIX=$prefix_150 && "$root/scripts/scaled-prefix.sh" "$build_dir" 144 && tour "$1/tests/pictures_test-150")
status=0
for picture in "$root"/docs/images/*.png; do
    name=$(basename "$picture" .png)
    [[ $name == *-western || $name == page-* || $name == document-* ]] && continue
    shot="$shots/$name.bmp"
    [[ $name == *-150 ]] && shot="$1/tests/pictures_test-150/${name%-150}.bmp"
    differing=$(compare -metric AE "$picture" "$shot" null: 2>&1) || true
    echo "pictures_test: $name: $differing pixels differ"
    [ "$differing" = 0 ] || status=1
done
exit $status
