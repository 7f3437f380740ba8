#!/usr/bin/env bash
# How ctest starts a test exe: under Wine, in the build's own prefix.
# Usage: wine-run.sh BUILD_DIR PROGRAM.exe [ARGS...]
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh" "$1"
shift
exec wine "$@"
