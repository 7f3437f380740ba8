#!/bin/sh
# Builds the test file fuzzer and runs it for a bounded time (default 60 s) on a copy of the seed
# corpus, so the committed corpus stays as it is. Exits non-zero on any finding.
#   fuzz/run.sh [seconds]          build folder: $KVIZAR_FUZZ_BUILD, else build-fuzz
set -eu

seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KVIZAR_FUZZ_BUILD:-build-fuzz}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac

cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2 --target test_file_fuzzer >/dev/null

corpus="$build/corpus"
mkdir -p "$corpus" "$build/findings"
cp "$root"/fuzz/corpus/* "$corpus"/

# One process; findings land in the build folder, never in the source tree. libFuzzer's closing
# "Done N runs in S second(s)" line is the execution count.
# libFuzzer's progress goes to a log; what matters is its closing lines.
status=0
log="$build/fuzz.log"
"$build/test_file_fuzzer" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$build/findings/" "$corpus" >"$log" 2>&1 || status=$?
grep -E '^(Done [0-9]+ runs|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
if [ "$status" -ne 0 ]; then
    tail -n 40 "$log" >&2
    echo "run.sh: the fuzzer found a fault (exit $status); see $build/findings/" >&2
fi
exit "$status"
