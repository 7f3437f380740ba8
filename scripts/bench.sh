#!/usr/bin/env bash
# Builds what is missing and runs the five benchmarks under Wine, then prints a summary table.
# Every figure is a ratio against a baseline measured in the same run, from medians of several runs:
#   storage   a test of 20,000 full-length questions loaded and saved, against one plain read and
#             one plain write+flush of the same bytes; the memory the load adds, against the array
#   start-up  kvizar.exe from launch to its main window shown and idle, against a bare Win32
#             window started the same way, the two alternating
#   picker    CRunSelectDlg opened over a folder of 10,000 tests, against listing that folder alone
#   convert   the same 20,000 questions (Czech-looking texts) to CSV and back and to Aiken and back,
#             against one plain read and one plain write+flush of each of the files
#   package   the same 20,000 questions packed for a learning platform (.zip) and written as a
#             document to print in two groups (.docx), from the loaded test to the written file,
#             each against zlib compressing the bytes of its entries at the same level plus one
#             plain write+flush of the result; and the package's size against the page's
# A missed goal is reported, never an error; a benchmark that fails ends the script.
# Without DISPLAY it starts a private X server. Where 32-bit programs cannot start, it measures the
# 64-bit build of the same code in BUILD_DIR/x64.
# Usage: bench.sh [BUILD_DIR] [QUESTIONS] [RUNS] [PAIRS] [TESTS]
#        (defaults: build, 20000 questions, 5 runs, 7 start-up pairs, 10000 tests)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-"$root/build"}
questions=${2:-20000}
runs=${3:-5}
pairs=${4:-7}
tests=${5:-10000}
source "$root/scripts/pick-build.sh"

"$root/scripts/build.sh" "$build_dir"
"$root/scripts/make-prefix.sh" "$build_dir"
source "$root/scripts/wine-env.sh" "$build_dir"
source "$root/scripts/xvfb.sh"
cleanup() {
    wineserver -k 2>/dev/null || true
    stop_xvfb
    rm -f "${log:-}"
}
trap cleanup EXIT
[ -n "${DISPLAY:-}" ] || start_xvfb

bench="$build_dir/bench"
# The full-size test folder goes beside a copy of the picker bench: the test run's tiny folder,
# beside the built exe, and these thousands of tests then never replace each other.
mkdir -p "$bench/picker_full"
cp "$bench/picker_bench/picker_bench.exe" "$bench/picker_full/"

log=$(mktemp)
run() {
    echo
    wine "$@" | tr -d '\r' | tee -a "$log"
}
run "$bench/storage_bench/storage_bench.exe" "$questions" "$runs"
run "$bench/startup_bench/startup_bench.exe" "$pairs"
run "$bench/picker_full/picker_bench.exe" "$tests" "$runs"
run "$bench/convert_bench/convert_bench.exe" "$questions" "$runs"
run "$bench/package_bench/package_bench.exe" "$questions" "$runs"

echo
echo "Summary: each figure against its baseline from the same run (medians)"
printf '%-36s %7s   %-8s %s\n' "figure" "ratio" "goal" "verdict"
sed -n 's/^figure  //p' "$log"
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'), $(wine --version) ($WINEARCH)," \
     "$(date -u '+%Y-%m-%d %H:%M UTC')"
