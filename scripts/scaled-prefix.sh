#!/usr/bin/env bash
# Sets the screen's resolution of the Wine prefix that KVIZAR_PREFIX names, made like the build's
# own (make-prefix.sh) where it is missing: the windows at a display scale are tried and pictured
# there, while the build's prefix stays at 96 DPI for every other test.
# Usage: KVIZAR_PREFIX=DIR scaled-prefix.sh BUILD_DIR DPI   (DPI: 120 for 125 %, 144 for 150 %, ...)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
: "${KVIZAR_PREFIX:?must name the prefix to set}"
"$here/make-prefix.sh" "$1" >/dev/null
source "$here/wine-env.sh" "$1"
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$2" /f >/dev/null 2>&1
