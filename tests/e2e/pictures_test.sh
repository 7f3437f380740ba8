#!/usr/bin/env bash
# The README's pictures stay as they are on a Czech system: the screenshot tour under code page
# 1250 gives every picture of docs/images (but the Western ones, and the web page's and the
# document's, which a browser and LibreOffice draw) pixel for pixel.
# Usage: pictures_test.sh BUILD_DIR TOUR_EXE
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
shots="$1/tests/pictures_test"
rm -rf "$shots" && mkdir -p "$shots"
export KVIZAR_SHOTS="Z:$(echo "$shots" | tr / '\\')"
code=0
(cd "$shots" && "$root/scripts/wine-run.sh" "$1" "$2" >/dev/null) || code=$?
[ "$code" -eq 0 ] || exit "$code"
status=0
for picture in "$root"/docs/images/*.png; do
    name=$(basename "$picture" .png)
    [[ $name == *-western || $name == page-* || $name == document-* ]] && continue
    differing=$(compare -metric AE "$picture" "$shots/$name.bmp" null: 2>&1) || true
    echo "pictures_test: $name: $differing pixels differ"
    [ "$differing" = 0 ] || status=1
done
exit $status
