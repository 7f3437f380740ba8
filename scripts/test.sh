#!/usr/bin/env bash
# The test command: installs what is missing, builds everything and runs every test under Wine
# on a private X server. Usage: test.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-"$root/build"}

# Only the tests need a browser: the web page the converter writes runs in headless Chromium.
"$root/scripts/setup.sh" chromium chromium-driver python3-selenium
"$root/scripts/build.sh" "$build_dir"
"$root/scripts/make-prefix.sh" "$build_dir"

source "$root/scripts/xvfb.sh"
trap 'stop_wine "$build_dir/x64"; stop_wine "$build_dir"; stop_xvfb' EXIT
start_xvfb
# The fuzz run of the file decoder is one of the tests (fuzz_decoder, FUZZ_SECONDS long).
export FUZZ_SECONDS=${FUZZ_SECONDS:-60}
run_tests() {
    ctest --test-dir "$@" --output-on-failure -j2 --timeout 900
}

source "$root/scripts/wine-env.sh" "$build_dir"
if wine_runs; then
    run_tests "$build_dir"
    exit
fi

# Some machines (virtual machines whose host runs 64-bit programs only) cannot start any 32-bit
# program, 32-bit Wine included. There the same code is built as 64-bit Windows programs and tested
# under 64-bit Wine; only the checks of the 32-bit exes' own bytes (label pe32) read the 32-bit build.
echo "test: this machine cannot start 32-bit programs, so the tests run on a 64-bit build of the" \
    "same code under 64-bit Wine ($build_dir/x64)" >&2
"$root/scripts/setup.sh" wine64 g++-mingw-w64-x86-64-posix
KVIZAR_ARCH=x86_64 "$root/scripts/build.sh" "$build_dir/x64"
"$root/scripts/make-prefix.sh" "$build_dir/x64"
status=0
run_tests "$build_dir" -L pe32 || status=$?
run_tests "$build_dir/x64" -LE pe32 || status=$?
exit $status
