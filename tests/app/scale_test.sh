#!/usr/bin/env bash
# The windows at every display scale: runs the scale test exe in a Wine prefix of its own (the
# screen's resolution is the prefix's, so the build's shared one is never touched), with LogPixels
# 96, 120, 144 and 192, each under the Czech (1250) and the Western (1252) code page, on an X
# server of its own, large enough for the main window at 200 %.
# Usage: scale_test.sh BUILD_DIR SCALE_TEST_EXE
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build_dir=$1
exe=$2
export KVIZAR_PREFIX="$(cd "$(dirname "$exe")" && pwd)/wineprefix"
source "$root/scripts/wine-env.sh" "$build_dir"
source "$root/scripts/xvfb.sh"
trap 'stop_wine_and_xvfb' EXIT
XVFB_SCREEN=1600x1200x24 start_xvfb

status=0
for dpi in 96 120 144 192; do
    "$root/scripts/scaled-prefix.sh" "$build_dir" "$dpi"
    for run in cs_CZ:1250 en_US:1252; do
        echo "scale_test: $dpi DPI, code page ${run#*:}"
        (cd "$(dirname "$exe")" && LANG=${run%:*}.UTF-8 KVIZAR_EXPECT_DPI=$dpi KVIZAR_EXPECT_ACP=${run#*:} \
            "$root/scripts/wine-run.sh" "$build_dir" "$exe") || status=1
    done
done
exit $status
