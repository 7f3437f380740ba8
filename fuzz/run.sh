#!/bin/sh
# Builds the fuzzers and runs them for a bounded time in all (default 60 s), split between the test
# file decoder and the Aiken and CSV readers, each on a copy of its seed corpus, so the committed
# corpora stay as they are. Exits non-zero on any finding.
#   fuzz/run.sh [seconds]          build folder: $KVIZAR_FUZZ_BUILD, else build-fuzz
set -eu

seconds="${1:-60}"
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${KVIZAR_FUZZ_BUILD:-build-fuzz}"
case "$build" in /*) ;; *) build="$root/$build" ;; esac

cmake -S "$root/fuzz" -B "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
cmake --build "$build" -j2 --target test_file_fuzzer aiken_fuzzer csv_fuzzer >/dev/null
mkdir -p "$build/findings"

# fuzz NAME CORPUS SECONDS: one process; findings land in the build folder, never in the source
# tree. libFuzzer's progress goes to a log; what matters is its closing lines, the
# "Done N runs in S second(s)" line the execution count.
status=0
fuzz() {
    corpus="$build/$2"
    mkdir -p "$corpus"
    cp "$root/fuzz/$2"/* "$corpus"/
    log="$build/$1.log"
    code=0
    "$build/$1" -max_total_time="$3" -print_final_stats=1 -artifact_prefix="$build/findings/$1-" \
        "$corpus" >"$log" 2>&1 || code=$?
    echo "$1:"
    grep -E '^(Done [0-9]+ runs|stat::number_of_executed_units|stat::peak_rss_mb)' "$log" || true
    if [ "$code" -ne 0 ]; then
        tail -n 40 "$log" >&2
        echo "run.sh: $1 found a fault (exit $code); see $build/findings/" >&2
        status=$code
    fi
}

# A third of the time each, at least a second.
share=$((seconds / 3))
[ "$share" -ge 1 ] || share=1
fuzz test_file_fuzzer corpus "$((seconds - 2 * share > 0 ? seconds - 2 * share : 1))"
fuzz aiken_fuzzer corpus-aiken "$share"
fuzz csv_fuzzer corpus-csv "$share"
exit "$status"
