#!/usr/bin/env bash
# Builds what is missing and runs the storage benchmark under Wine: a test of 20,000 questions
# with full-length texts loaded and saved, each against one plain read or write of the same
# bytes, and the memory the load adds against the array.
# Usage: bench.sh [BUILD_DIR] [QUESTIONS] [RUNS]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-"$root/build"}

"$root/scripts/build.sh" "$build_dir"
"$root/scripts/make-prefix.sh" "$build_dir"
source "$root/scripts/wine-env.sh" "$build_dir"
trap 'wineserver -k 2>/dev/null || true' EXIT
wine "$build_dir/bench/storage_bench.exe" "${2:-20000}" "${3:-5}"
