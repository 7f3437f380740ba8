#!/bin/sh
# Builds the portable code natively under ASan and UBSan and runs its tests: the test file codec's
# and the converter's unit tests and the Linux kvizar-convert on a real folder. It also builds the
# test writer of scripts/compare-convert.sh, so that it keeps compiling, and the message renderer
# that the guide's test reads.
#   fuzz/native.sh [build folder]          (default: build-native)
set -eu

root="$(cd "$(dirname "$0")/.." && pwd)"
build="${1:-build-native}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac

cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DKVIZAR_SANITIZE=ON \
      -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$build" -j2 --target storage_format_native_test convert_native_test kvizar-convert write_czech_test \
      render_messages >/dev/null
exec ctest --test-dir "$build" --output-on-failure
