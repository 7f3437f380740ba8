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
prefix="$(cd "$(dirname "$exe")" && pwd)/wineprefix"
"$root/scripts/make-prefix.sh" "$build_dir" "$prefix" >/dev/null
source "$root/scripts/wine-env.sh" "$build_dir"
export WINEPREFIX=$prefix
source "$root/scripts/xvfb.sh"
trap 'stop_wine_and_xvfb' EXIT
XVFB_SCREEN=1600x1200x24 start_xvfb

status=0
for dpi in 96 120 144 192; do
    wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null 2>&1
    for run in cs_CZ:1250 en_US:1252; do
        echo "scale_test: $dpi DPI, code page ${run#*:}"
        # wine-env.sh finds the locale for the LANG it is given.
        (export LANG=${run%:*}.UTF-8 KVIZAR_EXPECT_DPI=$dpi KVIZAR_EXPECT_ACP=${run#*:}
         source "$root/scripts/wine-env.sh" "$build_dir"
         cd "$(dirname "$exe")" && WINEPREFIX=$prefix wine "$exe") || status=1
    done
done
exit $status
