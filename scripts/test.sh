#!/usr/bin/env bash
# The test command: installs what is missing, builds everything and runs every test under Wine
# on a private X server (where the machine cannot run Wine, the others). Usage: test.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-"$root/build"}

# Only the tests need a browser: the web page the converter writes runs in headless Chromium.
"$root/scripts/setup.sh" chromium chromium-driver python3-selenium
"$root/scripts/build.sh" "$build_dir"
"$root/scripts/make-prefix.sh" "$build_dir"

source "$root/scripts/wine-env.sh" "$build_dir"
wine_runs || echo "test: this machine cannot start 32-bit programs, so Wine cannot run: every test of a" \
    "Windows exe is reported as skipped; the native, fuzz, import, resource and browser tests run" >&2
source "$root/scripts/xvfb.sh"
trap stop_wine_and_xvfb EXIT
start_xvfb

# The fuzz run of the file decoder is one of the tests (fuzz_decoder, FUZZ_SECONDS long).
export FUZZ_SECONDS=${FUZZ_SECONDS:-60}
ctest --test-dir "$build_dir" --output-on-failure -j2 --timeout 900
