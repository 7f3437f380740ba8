#!/usr/bin/env bash
# Builds the portable ZIP and the per-user installer (NSIS) into build/packages.
# Usage: package.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-"$root/build"}

"$root/scripts/setup.sh"
"$root/scripts/build.sh" "$build_dir"
(cd "$build_dir" && cpack -B "$build_dir/packages" >/dev/null)
ls -l "$build_dir"/packages/*.zip "$build_dir"/packages/*.exe
