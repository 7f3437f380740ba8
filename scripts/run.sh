#!/usr/bin/env bash
# Builds the program and its sample test and starts it under Wine. With a display it runs until
# the user closes it. Without one (no DISPLAY, as on a server or in CI) it starts a private X
# server, saves a screenshot of the main window and ends the program. Usage: run.sh [SCREENSHOT.png]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$root/build"
shot=${1:-"$build_dir/kvizar-main-window.png"}

"$root/scripts/setup.sh"
source "$root/scripts/pick-build.sh"
# The Wine prefix (10-20 s, once) needs nothing built: it is made while the program builds.
mkdir -p "$build_dir"
"$root/scripts/make-prefix.sh" "$build_dir" &
prefix=$!
"$root/scripts/build.sh" "$build_dir" kvizar sample_tests
wait "$prefix"
source "$root/scripts/wine-env.sh" "$build_dir"
exe="$build_dir/app/kvizar.exe"

# A newcomer can press "Spustit test" at once: the sample test goes beside the exe, but only when
# there is no test folder yet (the user's own tests are never touched).
if [ ! -d "$build_dir/app/Kvizar" ]; then
    mkdir -p "$build_dir/app/Kvizar"
    cp "$build_dir"/samples/*.tst "$build_dir/app/Kvizar/"
fi

if [ -n "${DISPLAY:-}" ]; then
    cd "$(dirname "$exe")"
    exec wine "$exe"
fi

source "$root/scripts/xvfb.sh"
trap stop_wine_and_xvfb EXIT
start_xvfb
(cd "$(dirname "$exe")" && wine "$exe" >/dev/null 2>&1 &)
"$root/scripts/screenshot.sh" "Kvizar 2004" "$shot"
echo "run: the program started; its main window is in $shot"
