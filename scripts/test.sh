#!/usr/bin/env bash
# The test command: installs what is missing, builds everything and runs every test under Wine
# on a private X server. Usage: test.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-"$root/build"}

# Only the tests need a browser: the web page the converter writes runs in headless Chromium.
"$root/scripts/setup.sh" chromium chromium-driver python3-selenium
# The 32-bit build is always made: it is the program users get.
"$root/scripts/build.sh" "$build_dir"
shipped_dir=$build_dir
source "$root/scripts/pick-build.sh"
[ "$build_dir" = "$shipped_dir" ] || "$root/scripts/build.sh" "$build_dir"
"$root/scripts/make-prefix.sh" "$build_dir"
source "$root/scripts/wine-env.sh" "$build_dir"

source "$root/scripts/xvfb.sh"
trap 'stop_wine_and_xvfb' EXIT
start_xvfb
# The fuzz run of the file decoder is one of the tests (fuzz_decoder, FUZZ_SECONDS long).
export FUZZ_SECONDS=${FUZZ_SECONDS:-60}
run_tests() {
    ctest --test-dir "$@" --output-on-failure -j2 --timeout 900
}
if [ "$build_dir" = "$shipped_dir" ]; then
    run_tests "$build_dir"
    exit
fi
# Where the 64-bit build stands in, it runs every test; only the checks of the shipped exes' own
# bytes (label pe32) read the 32-bit build.
status=0
run_tests "$shipped_dir" -L pe32 || status=$?
run_tests "$build_dir" -LE pe32 || status=$?
exit $status
