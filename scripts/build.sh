#!/usr/bin/env bash
# Configures and builds the Windows program and its tests with the mingw-w64 cross compiler.
# Usage: build.sh [BUILD_DIR]   (default: build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-"$root/build"}
cmake -S "$root" -B "$build_dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-i686.cmake" \
      -DCMAKE_BUILD_TYPE=Release >/dev/null
# The build runs a tool under Wine (the sample test), so the prefix comes first.
"$root/scripts/make-prefix.sh" "$build_dir"
cmake --build "$build_dir" -j2
