#!/usr/bin/env bash
# Times the Linux kvizar-convert of this tree against the one of an earlier commit on the convert
# bench's test (20,000 full-length questions of Czech-looking text): importing its CSV and its
# Aiken file into a test, the two converters in turn, and prints each median and the ratio of new
# to base, in wall-clock time and in processor time (user and system). Both are built the same way
# (clang, Release, the converter alone): this tree into build-compare, BASE_REF from `git archive`
# into a temporary folder that goes afterwards. The files lie in /dev/shm where it can be written,
# so the disk's flush of the test weighs on neither side. Every import must give the test back
# byte for byte.
# Usage: compare-convert.sh [BASE_REF] [QUESTIONS] [RUNS]     (defaults: main, 20000, 5)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
base_ref=${1:-main}
questions=${2:-20000}
runs=${3:-5}

base_commit=$(git -C "$root" rev-parse --short "$base_ref^{commit}")
place=/dev/shm
[ -d "$place" ] && [ -w "$place" ] || place=${TMPDIR:-/tmp}
work=$(mktemp -d "$place/compare-convert.XXXXXX")
trap 'rm -rf "$work"' EXIT

# build SOURCE_DIR BUILD_DIR TARGET...
build() {
    local source=$1 dir=$2
    shift 2
    cmake -S "$source/fuzz" -B "$dir" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release \
          -DKVIZAR_CONVERTER_ONLY=ON -DCMAKE_COMPILE_WARNING_AS_ERROR=ON >/dev/null
    for target in "$@"; do cmake --build "$dir" -j2 --target "$target" >/dev/null; done
}
mkdir "$work/base-source"
git -C "$root" archive "$base_commit" | tar -x -C "$work/base-source"
echo "compare-convert: building $base_ref ($base_commit) and this tree"
build "$work/base-source" "$work/base-build" kvizar-convert
build "$root" "$root/build-compare" kvizar-convert write_czech_test
base=$work/base-build/kvizar-convert
new=$root/build-compare/kvizar-convert

cd "$work"
"$root/build-compare/write_czech_test" bench.tst "$questions"
"$new" bench.tst bench.csv >/dev/null
"$new" bench.tst bench.txt >/dev/null

# One import into back.tst; appends "wall cpu" in seconds to the file named.
TIMEFORMAT='%R %U %S'
time_import() {
    local converter=$1 source=$2 times=$3
    { time "$converter" "$source" back.tst --force >/dev/null 2>"$work/error"; } 2>"$work/time" ||
        { cat "$work/error" >&2; exit 1; }
    cmp -s back.tst bench.tst || { echo "compare-convert: $converter did not give the test back" >&2; exit 1; }
    awk '{ printf "%s %.3f\n", $1, $2 + $3 }' "$work/time" >>"$times"
}
for ((run = 0; run < runs; ++run)); do
    for format in csv txt; do
        time_import "$base" "bench.$format" "base.$format"
        time_import "$new" "bench.$format" "new.$format"
    done
done

# median FILE COLUMN
median() { sort -n -k"$2,$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END { print v[int((NR + 1) / 2)] }'; }
size() { awk -v b="$(stat -c %s "$1")" 'BEGIN { printf "%.1f MB", b / 1e6 }'; }
echo "$questions questions: CSV $(size bench.csv), Aiken $(size bench.txt); medians of $runs runs each, in" \
     "turn, in $place; base $base_ref ($base_commit), new this tree"
printf '%-14s %9s %9s %7s   %9s %9s %7s   %s\n' import "base wall" "new wall" ratio "base cpu" "new cpu" ratio goal
for format in csv txt; do
    name=$([ "$format" = csv ] && echo "CSV" || echo "Aiken")
    goal=$([ "$format" = csv ] && echo 0.5 || echo 0.8)
    bw=$(median "base.$format" 1) nw=$(median "new.$format" 1)
    bc=$(median "base.$format" 2) nc=$(median "new.$format" 2)
    awk -v n="$name" -v bw="$bw" -v nw="$nw" -v bc="$bc" -v nc="$nc" -v g="$goal" 'BEGIN {
        printf "%-14s %8.3fs %8.3fs %7.2f   %8.3fs %8.3fs %7.2f   <= %s %s\n", n " import", bw, nw, nw / bw,
               bc, nc, nc / bc, g, (nw / bw <= g ? "met" : "missed") }'
done
echo "machine: $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | sed 's/.*: //'), $(date -u '+%Y-%m-%d %H:%M UTC')"
