#!/usr/bin/env bash
# Saves the README's pictures of the main window: main-window.png at rest and
# main-window-hover.png with the real pointer over "Nový test". Builds nothing: it runs the
# build folder's kvizar.exe (scripts/build.sh and scripts/make-prefix.sh first) on a private X
# server, then quits it through its "Ukončit" button. Usage: screenshots.sh [OUT_DIR]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build_dir="$root/build"
out_dir=$(mkdir -p "${1:-$root/docs/images}" && cd "${1:-$root/docs/images}" && pwd)
exe="$build_dir/app/kvizar.exe"
title="Kvizar 2004"

[ -f "$exe" ] || { echo "screenshots: $exe is missing; run scripts/build.sh first" >&2; exit 1; }
[ -f "$build_dir/wineprefix/.kvizar-ready" ] || {
    echo "screenshots: the Wine prefix is missing; run scripts/make-prefix.sh $build_dir first" >&2
    exit 1
}

source "$root/scripts/wine-env.sh" "$build_dir"
source "$root/scripts/xvfb.sh"
# As on a Czech system: its system font, in which the buttons' captions are drawn, has č.
export LANG=cs_CZ.UTF-8

program_pid=
cleanup() {
    [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null
    wineserver -k 2>/dev/null || true
    stop_xvfb
}
trap cleanup EXIT
start_xvfb

(cd "$(dirname "$exe")" && exec wine "$exe") >/dev/null 2>&1 &
program_pid=$!

window=
for _ in $(seq 1 300); do
    window=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$title" | head -n 1 | awk '{print $1}' || true)
    [ -n "$window" ] && break
    sleep 0.1
done
[ -n "$window" ] || { echo "screenshots: no window titled \"$title\" appeared" >&2; exit 1; }
sleep 1 # let the first paint finish
import -window "$window" "$out_dir/main-window.png"

# The window's client area lies inside a 3-pixel border, below a 19-pixel caption; the panel's
# buttons are placed in its pixels (Nový test: 45,150 - 245,210; Ukončit: 30,270 - 230,330).
read -r win_x win_y < <(xwininfo -id "$window" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}')
client_x=$((win_x + 3))
client_y=$((win_y + 22))
# Two moves: the button asks for the mouse with the first and shows raised with both.
xdotool mousemove $((client_x + 145)) $((client_y + 180))
xdotool mousemove $((client_x + 146)) $((client_y + 181))
sleep 1
import -window "$window" "$out_dir/main-window-hover.png"

# Quit as a user does; the program must end by itself within the bound.
xdotool mousemove $((client_x + 130)) $((client_y + 300)) click 1
for _ in $(seq 1 100); do
    kill -0 "$program_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
    echo "screenshots: the program did not end after \"Ukončit\"" >&2
    exit 1
fi
program_pid=
echo "screenshots: saved $out_dir/main-window.png and $out_dir/main-window-hover.png"
