#!/usr/bin/env bash
# Waits (bounded) for a top-level window whose title starts with TITLE on $DISPLAY and saves it
# as a PNG. Usage: screenshot.sh TITLE OUT.png
set -euo pipefail
title=$1
out=$2
for _ in $(seq 1 300); do
    id=$(xwininfo -root -tree 2>/dev/null | grep -F "\"$title" | head -n 1 | awk '{print $1}' || true)
    if [ -n "$id" ]; then
        sleep 1 # let the first paint finish
        import -window "$id" "$out"
        exit 0
    fi
    sleep 0.1
done
echo "screenshot: no window titled \"$title\" appeared" >&2
exit 1
