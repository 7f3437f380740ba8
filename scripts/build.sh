#!/usr/bin/env bash
# Configures and builds the Windows program with the mingw-w64 cross compiler: everything (the
# program, the converter, the sample test, the test exes and benchmarks), or only the targets named.
# A compiler warning in the project's own code stops the build. KVIZAR_ARCH=x86_64 makes the 64-bit
# build the tests run as where 32-bit programs cannot start (scripts/test.sh).
# Usage: [KVIZAR_ARCH=i686|x86_64] build.sh [BUILD_DIR [TARGET...]]   (default: i686, build, everything)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-"$root/build"}
shift || true
targets=()
for target in "$@"; do targets+=(--target "$target"); done
cmake -S "$root" -B "$build_dir" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-${KVIZAR_ARCH:-i686}.cmake" \
      -DCMAKE_BUILD_TYPE=Release -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$build_dir" -j2 "${targets[@]}"
