#!/usr/bin/env bash
# The test command: installs what is missing, builds everything and runs every test under Wine
# on a private X server. Usage: test.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir=${1:-"$root/build"}

# Only the tests need a browser: the web page the converter writes runs in headless Chromium;
# xmllint reads the learning-platform package's manifest and the document's parts. The document is
# printed by LibreOffice in Carlito (Calibri's metric twin) and read back by pdftotext; the nogui
# LibreOffice conflicts with a desktop one, which serves as well, so it comes only where none is.
# The guide's Czech is read by hunspell with Debian's Czech dictionary.
"$root/scripts/setup.sh" chromium chromium-driver python3-selenium libxml2-utils fonts-crosextra-carlito poppler-utils \
    hunspell hunspell-cs
command -v soffice >/dev/null || "$root/scripts/setup.sh" libreoffice-writer-nogui
# Debian's npm only where there is none: some machines carry another npm that Debian's conflicts with.
command -v npm >/dev/null || "$root/scripts/setup.sh" npm
# The 32-bit build is always made: it is the program users get.
"$root/scripts/build.sh" "$build_dir"
shipped_dir=$build_dir
source "$root/scripts/pick-build.sh"
[ "$build_dir" = "$shipped_dir" ] || "$root/scripts/build.sh" "$build_dir"
"$root/scripts/make-prefix.sh" "$build_dir"
source "$root/scripts/wine-env.sh" "$build_dir"

# The learning platform's run-time (scorm-again) and the accessibility checker (axe-core) that the
# browser test runs against, as tests/convert/package-lock.json pins them; installed again only
# when that file changes.
node_dir="$build_dir/node"
if ! cmp -s "$root/tests/convert/package-lock.json" "$node_dir/installed-lock.json"; then
    rm -rf "$node_dir"
    mkdir -p "$node_dir"
    cp "$root/tests/convert/package.json" "$root/tests/convert/package-lock.json" "$node_dir/"
    (cd "$node_dir" && npm ci --no-audit --no-fund --loglevel=error)
    cp "$node_dir/package-lock.json" "$node_dir/installed-lock.json"
fi

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
